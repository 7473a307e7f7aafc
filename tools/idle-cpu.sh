#!/usr/bin/env bash
# Processor time that Mendo.exe and its floor each take over a minute idle with the clock running,
# and the wineserver's share, read from /proc, one after the other in one run. Run inside
# tools/wine-session.sh; a first argument names another build of the game to measure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game="${1:-$root/build/windows/Mendo.exe}"
seconds=60
tick_ms=$((1000 / $(getconf CLK_TCK)))

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Prints the ticks of the program and of the wineserver while the program idles.
measure() {
    wine "$1" &
    local pid=$!
    sleep 3  # started and settled: from here on it only ticks
    local server
    server=$(pgrep -n wineserver)
    local before server_before
    before=$(cpu_ticks "$pid")
    server_before=$(cpu_ticks "$server")
    sleep "$seconds"
    echo "$(($(cpu_ticks "$pid") - before)) $(($(cpu_ticks "$server") - server_before))"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

read -r game_ticks game_server <<<"$(measure "$game")"
read -r floor_ticks floor_server <<<"$(measure "$root/build/windows/floor_dialog.exe")"
printf '%-14s %18s %22s\n' "program" "ticks in ${seconds} s" "wineserver's ticks"
printf '%-14s %18d %22d\n' "Mendo.exe" "$game_ticks" "$game_server"
printf '%-14s %18d %22d\n' "floor" "$floor_ticks" "$floor_server"
echo "(ticks of $tick_ms ms; the game's budget is 1.1 x the floor + 1 tick:" \
    "$(awk -v f="$floor_ticks" 'BEGIN { printf "%.1f", 1.1 * f + 1 }'))"
