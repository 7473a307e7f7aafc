#!/usr/bin/env bash
# Runs a command under the game's own Wine: a private prefix in build/, a display (Xvfb when
# there is none), and a wineserver kept warm for the whole command.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="$root/build/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for number in $(seq 90 130); do
        if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
            break
        fi
    done
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
fi

if [ ! -f "$WINEPREFIX/.mendo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Without a window manager every hidden window would cost Wine two seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.mendo-ready"
fi

# Debian's Wine does not read the fonts it ships from its own folder, so the prefix gets them in
# its Fonts folder, as Windows has them: Marlett draws the caption buttons. "MS Sans Serif" is
# the Cyrillic face whatever code page Wine runs under, as on a Bulgarian Windows: Wine takes
# that face from sserifer.fon under code page 1251 and from sserife.fon under 1252.
# A file is copied only when it differs, so that a newer Wine's fonts reach an older prefix, and
# through a new name, so that nothing that has the old file open sees it change.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
place_font() {
    if ! cmp -s "$1" "$fonts/$2"; then
        cp "$1" "$fonts/$2.new"
        mv "$fonts/$2.new" "$fonts/$2"
    fi
}
for font in /usr/share/wine/fonts/*; do
    case "$(basename "$font")" in
        sserife.fon) place_font /usr/share/wine/fonts/sserifer.fon sserife.fon ;;
        *) place_font "$font" "$(basename "$font")" ;;
    esac
done

wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true

"$@"
