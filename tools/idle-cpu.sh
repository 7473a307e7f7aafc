#!/usr/bin/env bash
# Processor time that Mendo.exe and a bare dialog program each take over ten idle seconds,
# with the wineserver's share, read from /proc. Run inside tools/wine-session.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=10
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

measure() {
    local name="$1" program="$2"
    wine "$program" &
    local pid=$!
    sleep 3  # started and settled: from here on it only ticks
    local server
    server=$(pgrep -n wineserver)
    local before after server_before server_after
    before=$(cpu_ticks "$pid")
    server_before=$(cpu_ticks "$server")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    server_after=$(cpu_ticks "$server")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    printf '%-14s %10d ms %16d ms\n' "$name" $(((after - before) * 1000 / ticks_per_second)) \
        $(((server_after - server_before) * 1000 / ticks_per_second))
}

printf '%-14s %13s %19s\n' "program" "CPU in ${seconds} s" "wineserver's CPU"
measure "Mendo.exe" "$root/build/windows/Mendo.exe"
measure "bare dialog" "$root/build/windows/bare_dialog.exe"
echo "(clock ticks of $((1000 / ticks_per_second)) ms)"
