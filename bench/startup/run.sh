#!/usr/bin/env bash
# Start-up to visible window and private memory of vornex.exe against the bare window programs, alternating runs
# in one warm Wine instance on a private X server. Prints figures only; nothing here passes or fails.
# Usage: bench/startup/run.sh [rounds]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
export VORNEX_WINEPREFIX=$PWD/build/wineprefix-bench
source scripts/wine-env.sh

rounds=${1:-30}
cmake --preset windows >/dev/null
cmake --build --preset windows --target vornex bare_window bare_window_with_libraries startup_bench

vornex_wine_up_headless >/dev/null
bin=build/windows
wine "$bin/bench/startup/startup_bench.exe" "$rounds" \
    "$(vornex_windows_path "$bin/src/vornex.exe")" \
    "$(vornex_windows_path "$bin/bench/startup/bare_window.exe")" \
    "$(vornex_windows_path "$bin/bench/startup/bare_window_with_libraries.exe")" | tr -d '\r'
printf 'vornex.exe size: %s bytes\n' "$(stat -c %s "$bin/src/vornex.exe")"
