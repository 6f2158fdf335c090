#!/usr/bin/env bash
# The README's test command: installs what is missing, builds both presets, runs the host tests, then the Windows
# unit tests and the end-to-end suite (under code pages 936 and 1252) in Wine on a private X server.
# Ends with one line of totals and a non-zero exit code on any failure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/packages.sh
source scripts/wine-env.sh

logs=$VORNEX_BUILD/test-logs
failed_steps=()

# Runs ctest for a preset, keeping its output to count the results.
run_ctest() {
    local preset=$1
    ctest --preset "$preset" 2>&1 | tee "$logs/ctest-$preset.log"
}

# One closing line over all ctest runs; a step that failed without a failed test still counts as a failure.
print_totals() {
    local failed=0 total=0 line
    while read -r line; do
        [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]] || continue
        failed=$((failed + BASH_REMATCH[1]))
        total=$((total + BASH_REMATCH[2]))
    done < <(cat "$logs"/ctest-*.log)
    local passed=$((total - failed))
    if ((failed == 0)); then
        failed=${#failed_steps[@]}
    fi
    echo
    echo "Screenshots: $VORNEX_SCREENSHOTS"
    if ((${#failed_steps[@]} > 0)); then
        echo "FAILED: ${failed_steps[*]}"
    else
        echo "PASSED"
    fi
    echo "$passed passed, $failed failed"
}

trap 'echo "FAILED: the step above stopped the run"' ERR
vornex_install_packages
rm -rf "$logs"
mkdir -p "$logs"

echo "== Host build and tests"
cmake --preset host
cmake --build --preset host
run_ctest host || failed_steps+=(host-tests)

echo "== Windows build"
cmake --preset windows
cmake --build --preset windows

echo "== Wine and Xvfb"
vornex_wine_up_headless

echo "== Windows unit tests and end-to-end suite"
run_ctest windows || failed_steps+=(windows-tests)

print_totals
((${#failed_steps[@]} == 0))
