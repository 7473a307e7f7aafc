#!/usr/bin/env bash
# Processor time that Mendo.exe and its floor each take over a minute idle with the clock running,
# and the wineserver's share, read from /proc in one run: a quarter of a minute at a time in the
# order game, floor, floor, game, floor, game, game, floor, after a start that is not counted, so
# that neither takes the quieter or the busier part of the run. Run inside tools/wine-session.sh;
# a first argument names another build of the game to measure.
set -euo pipefail
# A failure inside $(...) is a failure of the script.
shopt -s inherit_errexit
root="$(cd "$(dirname "$0")/.." && pwd)"
game="${1:-$root/build/windows/Mendo.exe}"
seconds=15
tick_ms=$((1000 / $(getconf CLK_TCK)))

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# The same time to the nanosecond, as the scheduler counts it: finer than a tick.
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }

# The wineserver of this prefix: other prefixes on the machine have wineservers of their own.
# (grep reads from a process substitution: under pipefail, a grep that stops at the first match
# could fail the pipe.)
own_wineserver() {
    local pid
    for pid in $(pgrep wineserver); do
        if grep -qx "WINEPREFIX=$WINEPREFIX" < <(tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ"); then
            echo "$pid"
            return
        fi
    done
    echo "no wineserver of $WINEPREFIX" >&2
    exit 1
}

running() {
    if ! kill -0 "$2" 2>/dev/null; then
        echo "$1 is not running" >&2
        exit 1
    fi
}

# Prints the ticks of the program and of the wineserver while the program idles, then both again
# in microseconds. Runs in a subshell of its own, which ends the program however it exits.
measure() (
    wine "$1" >/dev/null &
    pid=$!
    trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
    sleep 3  # started and settled: from here on it only ticks
    running "$1" "$pid"
    server=$(own_wineserver)
    before=$(cpu_ticks "$pid")
    server_before=$(cpu_ticks "$server")
    before_ns=$(cpu_ns "$pid")
    server_before_ns=$(cpu_ns "$server")
    sleep "$seconds"
    running "$1" "$pid"
    after=$(cpu_ticks "$pid")
    server_after=$(cpu_ticks "$server")
    after_ns=$(cpu_ns "$pid")
    server_after_ns=$(cpu_ns "$server")
    echo "$((after - before)) $((server_after - server_before))" \
        "$(((after_ns - before_ns) / 1000)) $(((server_after_ns - server_before_ns) / 1000))"
)

floor="$root/build/windows/floor_dialog.exe"
seconds=5 measure "$floor" >/dev/null
declare -A total=()
for program in "$game" "$floor" "$floor" "$game" "$floor" "$game" "$game" "$floor"; do
    line=$(measure "$program")
    read -r ticks server us server_us <<<"$line"
    total[$program]="$(echo "${total[$program]:-0 0 0 0}" |
        awk -v t="$ticks" -v s="$server" -v u="$us" -v v="$server_us" '{ print $1 + t, $2 + s, $3 + u, $4 + v }')"
done
printf '%s\n' "Mendo.exe ${total[$game]}" "floor ${total[$floor]}" | awk -v seconds=$((4 * seconds)) -v tick="$tick_ms" '
    BEGIN { printf "%-10s %16s %20s %16s %18s\n", "program", "ticks in " seconds " s", "wineserver ticks",
                   "ms (scheduler)", "wineserver ms" }
    { printf "%-10s %16d %20d %16.1f %18.1f\n", $1, $2, $3, $4 / 1000, $5 / 1000; ticks[NR] = $2 }
    END { printf "(ticks of %d ms; the game'"'"'s budget is 1.1 x the floor + 1 tick: %.1f)\n", tick, 1.1 * ticks[2] + 1 }'
