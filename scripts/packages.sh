# shellcheck shell=bash
# Sourced by the README's commands: installs the Debian packages the build and the tests need.

VORNEX_PACKAGES=(
    g++-mingw-w64-x86-64 wine64 wine xvfb xdotool fonts-wqy-microhei fonts-wine imagemagick x11-utils
    cmake ninja-build g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-format clang-tidy
)

vornex_missing_packages() {
    local package
    for package in "${VORNEX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
            echo "$package"
        fi
    done
}

# A rerun on a prepared machine skips apt altogether, which keeps a developer's test cycle short.
vornex_install_packages() {
    local missing
    mapfile -t missing < <(vornex_missing_packages)
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing packages, and installing them needs root: ${missing[*]}" >&2
        return 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
}
