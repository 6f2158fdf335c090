#!/usr/bin/env bash
# The README's run command: builds vornex.exe and starts it under Wine. On the user's display it runs until the
# user closes it; without a display it runs on a private X server just long enough to save a screenshot.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# A prefix of its own, so that running the program never disturbs a test run, nor a test run the program.
export VORNEX_WINEPREFIX=${VORNEX_WINEPREFIX:-$PWD/build/wineprefix-run}
source scripts/packages.sh
source scripts/wine-env.sh

vornex_install_packages
cmake --preset windows
cmake --build --preset windows --target vornex
exe=build/windows/src/vornex.exe

if [[ -n ${DISPLAY:-} ]]; then
    if [[ ! -d $WINEPREFIX ]]; then
        wineboot --init
        wineserver -w
    fi
    vornex_link_cjk_font
    wine "$exe"
    exit
fi

vornex_wine_up_headless
wine "$exe" &
vornex=$!
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Vornex$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.1
done
if [[ -z $window ]]; then
    echo "vornex.exe showed no window" >&2
    exit 1
fi
# Give the window a moment to draw its controls.
sleep 1
mkdir -p "$VORNEX_SCREENSHOTS"
import -window "$window" "$VORNEX_SCREENSHOTS/run.png"
echo "Screenshot of the running program: $VORNEX_SCREENSHOTS/run.png"

xdotool key Escape
for _ in $(seq 100); do
    kill -0 "$vornex" 2>/dev/null || break
    sleep 0.1
done
status=0
if kill -0 "$vornex" 2>/dev/null; then
    echo "vornex.exe did not close on Esc" >&2
    wineserver -k
    status=1
fi
wait "$vornex" || status=$?
echo "vornex.exe ended with exit code $status"
exit "$status"
