#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build, then the core's tests again under AddressSanitizer and UBSan, and the fleet's
# under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The tests stay at most 0.36 of the program's non-blank lines; new work brings few, dense tests.
scripts/test-ratio --max 0.36

jobs=$(nproc)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
# a compiler cache, where the machine has one, spares the rebuilds of unchanged files
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build -G Ninja -DVALDREN_WERROR=ON "${launcher[@]}"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVALDREN_SANITIZE=ON \
    -DVALDREN_BUILD_GUI=OFF -DVALDREN_BUILD_BENCH=OFF -DVALDREN_WERROR=ON "${launcher[@]}"
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -L core --output-on-failure -j "$jobs"

# Radios written at once, one thread each: the fleet's core tests under ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DVALDREN_SANITIZE=OFF -DCMAKE_CXX_FLAGS=-fsanitize=thread \
    -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DVALDREN_BUILD_GUI=OFF -DVALDREN_BUILD_BENCH=OFF \
    "${launcher[@]}"
cmake --build build-tsan -j "$jobs" --target fleet_tests radiosim
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan -L fleet --output-on-failure

if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVALDREN_BUILD_FUZZ=ON \
        -DVALDREN_BUILD_GUI=OFF -DVALDREN_BUILD_BENCH=OFF -DVALDREN_BUILD_TESTS=OFF "${launcher[@]}"
    cmake --build build-fuzz -j "$jobs" --target fuzz_smoke_targets
    ctest --test-dir build-fuzz -L fuzz --output-on-failure
fi
