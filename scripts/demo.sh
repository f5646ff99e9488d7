#!/usr/bin/env bash
# The main job on the embedded default: installs what is missing, builds everything, then
# reads a simulated GX5 radio into a project, changes a channel, writes it back and shows
# that the radio now holds the change.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"

bin=build/bin
work=$(mktemp -d)
sim=""
cleanup() {
    if [ -n "$sim" ]; then kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for FILE: up to 20 s for a file to appear
wait_for() {
    for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.1; done
    echo "demo: $1 did not appear" >&2
    return 1
}

step() { printf '\n== %s\n' "$*"; }

step "A radio with its factory settings and a name (radiosim serves this image)"
"$bin/vdcps" new GX5 -o "$work/factory.vdcps"
"$bin/vdcps" set "$work/factory.vdcps" radioName=Demo
"$bin/vdcps" export-bin "$work/factory.vdcps" -o "$work/radio.bin" --content 1
"$bin/radiosim" --model GX5 --image "$work/radio.bin" --save-written "$work/written.bin" \
    --ready-file "$work/port" >/dev/null &
sim=$!
wait_for "$work/port"
port=$(cat "$work/port")
echo "simulated GX5 on $port"

step "vdcps read GX5 --port $port -o radio.vdcps"
"$bin/vdcps" read GX5 --port "$port" -o "$work/radio.vdcps" --quiet
"$bin/vdcps" info "$work/radio.vdcps"
echo "radioName, CH1 receive frequency (Hz):"
"$bin/vdcps" get "$work/radio.vdcps" radioName CH1/RxFrequency

step "vdcps set radio.vdcps CH1/RxFrequency=151625000 CH1/TxFrequency=151625000 radioName=Trail"
"$bin/vdcps" set "$work/radio.vdcps" CH1/RxFrequency=151625000 CH1/TxFrequency=151625000 \
    radioName=Trail

step "vdcps write radio.vdcps --port $port --yes"
"$bin/vdcps" write "$work/radio.vdcps" --port "$port" --yes --quiet
wait_for "$work/written.bin"

step "What the radio holds now"
"$bin/vdcps" import-bin GX5 "$work/written.bin" -o "$work/check.vdcps"
"$bin/vdcps" get "$work/check.vdcps" radioName CH1/RxFrequency CH1/TxFrequency
