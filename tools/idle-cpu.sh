#!/usr/bin/env bash
# Processor time that Mendo.exe and its floor each take over a minute idle with the clock running,
# and the wineserver's share, read from /proc in one run: half a minute each, game, floor, floor,
# game, so that neither takes the quieter or the busier end of the run. Run inside
# tools/wine-session.sh; a first argument names another build of the game to measure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game="${1:-$root/build/windows/Mendo.exe}"
seconds=30
tick_ms=$((1000 / $(getconf CLK_TCK)))

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# The wineserver of this prefix: other prefixes on the machine have wineservers of their own.
own_wineserver() {
    local pid
    for pid in $(pgrep wineserver); do
        if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
    echo "no wineserver of $WINEPREFIX" >&2
    exit 1
}

# Prints the ticks of the program and of the wineserver while the program idles.
measure() {
    wine "$1" &
    local pid=$!
    sleep 3  # started and settled: from here on it only ticks
    local server
    server=$(own_wineserver)
    local before server_before
    before=$(cpu_ticks "$pid")
    server_before=$(cpu_ticks "$server")
    sleep "$seconds"
    echo "$(($(cpu_ticks "$pid") - before)) $(($(cpu_ticks "$server") - server_before))"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

floor="$root/build/windows/floor_dialog.exe"
game_ticks=0 game_server=0 floor_ticks=0 floor_server=0
for program in "$game" "$floor" "$floor" "$game"; do
    read -r ticks server <<<"$(measure "$program")"
    if [ "$program" = "$game" ]; then
        game_ticks=$((game_ticks + ticks)) game_server=$((game_server + server))
    else
        floor_ticks=$((floor_ticks + ticks)) floor_server=$((floor_server + server))
    fi
done
printf '%-14s %18s %22s\n' "program" "ticks in $((2 * seconds)) s" "wineserver's ticks"
printf '%-14s %18d %22d\n' "Mendo.exe" "$game_ticks" "$game_server"
printf '%-14s %18d %22d\n' "floor" "$floor_ticks" "$floor_server"
echo "(ticks of $tick_ms ms; the game's budget is 1.1 x the floor + 1 tick:" \
    "$(awk -v f="$floor_ticks" 'BEGIN { printf "%.1f", 1.1 * f + 1 }'))"
