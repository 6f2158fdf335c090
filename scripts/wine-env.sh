# shellcheck shell=bash
# Sourced by the scripts that run Windows programs: the project's Wine prefix, an X display for it, and the
# registry values that make Wine usable without a desktop.

VORNEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VORNEX_BUILD=$VORNEX_ROOT/build
VORNEX_WINE_FILES=$VORNEX_BUILD/wine
VORNEX_BROWSER_LOG=$VORNEX_WINE_FILES/browser.log
VORNEX_BROWSER_SCRIPT=$VORNEX_WINE_FILES/record-url
VORNEX_SCREENSHOTS=$VORNEX_BUILD/screenshots

export VORNEX_WINEPREFIX=${VORNEX_WINEPREFIX:-$VORNEX_BUILD/wineprefix}
export WINEPREFIX=$VORNEX_WINEPREFIX
export WINEDEBUG=-all

# Wine reaches the whole Unix file system through drive Z:.
vornex_windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

vornex_start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    VORNEX_XVFB_PID=$!
    local tries=0
    until [[ -s $number_file ]]; do
        if ! kill -0 "$VORNEX_XVFB_PID" 2>/dev/null || ((++tries > 100)); then
            echo "Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(<"$number_file")"
    export DISPLAY
    rm -f "$number_file"
    echo "Xvfb on display $DISPLAY"
}

# Wine hands every address opened with ShellExecute to this script instead of a browser.
vornex_write_browser_script() {
    mkdir -p "$VORNEX_WINE_FILES"
    cat >"$VORNEX_BROWSER_SCRIPT" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>'$VORNEX_BROWSER_LOG'
SCRIPT
    chmod +x "$VORNEX_BROWSER_SCRIPT"
}

vornex_reg_add() {
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null
}

# The first Wine process under another code page rewrites the Tahoma link to Wine's own defaults, which name
# fonts that are not installed here; call this at the start of each code-page pass, under that pass's locale.
vornex_link_cjk_font() {
    vornex_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' Tahoma REG_MULTI_SZ \
        'wqy-microhei.ttc,WenQuanYi Micro Hei'
}

# Without a window manager Wine must draw the frames and manage focus itself.
vornex_configure_headless() {
    vornex_reg_add 'HKCU\Software\Wine\X11 Driver' Decorated REG_SZ N
    vornex_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
    vornex_write_browser_script
    vornex_reg_add 'HKCU\Software\Wine\WineBrowser' Browsers REG_SZ "$VORNEX_BROWSER_SCRIPT"
}

vornex_make_fresh_prefix() {
    echo "Creating the Wine prefix $WINEPREFIX"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot --init
    wineserver -w
    # Wine draws the caption buttons with its Marlett font, which a new prefix here does not find by itself.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # One warm server for the whole run: each cold start costs about half a second.
    wineserver -p
}

vornex_wine_down() {
    wineserver -k 2>/dev/null || true
    if [[ -n ${VORNEX_XVFB_PID:-} ]]; then
        kill "$VORNEX_XVFB_PID" 2>/dev/null || true
        wait "$VORNEX_XVFB_PID" 2>/dev/null || true
        VORNEX_XVFB_PID=
    fi
}

# Everything a test run needs, once per run: a private X server and a fresh, configured prefix.
vornex_wine_up_headless() {
    trap vornex_wine_down EXIT
    vornex_start_xvfb
    vornex_make_fresh_prefix
    vornex_configure_headless
    vornex_link_cjk_font
    export VORNEX_WINE_READY=1
}
