#!/usr/bin/env bash
# Installs the Debian packages the project needs; skips what is already there.
set -euo pipefail

packages=(
    g++ clang cmake ninja-build pkg-config git clang-format
    qt6-base-dev qt6-tools-dev qt6-l10n-tools
    libpugixml-dev libspdlog-dev libfmt-dev libboost-dev libserialport-dev
    libsimpleini-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick fonts-dejavu-core fonts-wqy-microhei
    appstream dpkg-dev bash-completion
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
