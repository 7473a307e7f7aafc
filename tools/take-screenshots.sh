#!/usr/bin/env bash
# Photographs the start screen, a question, a help, the WRONG!!! box and the About box into docs/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

unset DISPLAY
"$root/tools/wine-session.sh" bash -c '
    set -euo pipefail
    work="$1"; root="$2"
    wine explorer /desktop=mendo,800x600 "$root/build/windows/tests/gui/screenshot_tour.exe" "Z:${work//\//\\}" &
    for n in 1 2 3 4 5; do
        for _ in $(seq 300); do [ -e "$work/step-$n" ] && break; sleep 0.1; done
        import -window root -crop 460x330+170+130 "$work/shot-$n.png"
        touch "$work/go-$n"
    done
    wait
' _ "$work" "$root"

cp "$work/shot-1.png" "$root/docs/start.png"
cp "$work/shot-2.png" "$root/docs/question.png"
cp "$work/shot-3.png" "$root/docs/help.png"
cp "$work/shot-4.png" "$root/docs/wrong.png"
cp "$work/shot-5.png" "$root/docs/about.png"
