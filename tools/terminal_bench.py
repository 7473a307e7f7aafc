#!/usr/bin/env python3
"""Start-up of the terminal game to its first full screen (median of several starts, in tmux at
80 x 24) and the processor time it takes over 60 idle seconds, read from /proc: in clock ticks and,
finer than a tick, in the scheduler's nanoseconds.

Usage: terminal_bench.py PROGRAM
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

STARTS = 9
IDLE_SECONDS = 60
SETTLE_SECONDS = 2
LAST_START_TEXT = "да намерите на сайта ми."  # the last of the start answers, shown with the first tick
TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")
# Between two looks at the screen: the look itself is a tmux command that competes for the
# processor with the start it times.
POLL_SECONDS = 0.001


def tmux(socket, *arguments):
    return subprocess.run(["tmux", "-L", socket] + list(arguments), check=True, capture_output=True,
                          text=True).stdout


def wait_for_screen(socket, started):
    while LAST_START_TEXT not in tmux(socket, "capture-pane", "-p"):
        if time.monotonic() - started > 10:
            raise SystemExit("the game showed no start screen in 10 s")
        time.sleep(POLL_SECONDS)
    return time.monotonic() - started


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as file:
        fields = file.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime and stime


def cpu_nanoseconds(pid):
    with open("/proc/%d/schedstat" % pid) as file:
        return int(file.read().split()[0])  # time on a processor, as the scheduler counts it


def main():
    program = os.path.abspath(sys.argv[1])
    socket = "mendo-bench-%d" % os.getpid()
    folder = tempfile.mkdtemp(prefix="mendo-bench-")
    pid_file = os.path.join(folder, "pid")
    command = "sh -c 'echo $$ > %s; exec %s'" % (pid_file, program)
    tmux(socket, "-f", "/dev/null", "new-session", "-d", "-x", "80", "-y", "24", "-e", "LC_ALL=C.UTF-8",
         "-e", "TERM=tmux-256color", "sleep 3600")
    try:
        times = []
        for _ in range(STARTS):
            tmux(socket, "clear-history")
            started = time.monotonic()
            tmux(socket, "respawn-pane", "-k", command)
            times.append(wait_for_screen(socket, started))
        with open(pid_file) as file:
            pid = int(file.read())
        time.sleep(SETTLE_SECONDS)
        before = cpu_ticks(pid)
        before_ns = cpu_nanoseconds(pid)
        time.sleep(IDLE_SECONDS)
        spent_ns = cpu_nanoseconds(pid) - before_ns
        spent = (cpu_ticks(pid) - before) / TICKS_PER_SECOND
    finally:
        subprocess.run(["tmux", "-L", socket, "kill-server"], capture_output=True)
    print("terminal game, start-up to the first full screen: median %.1f ms of %d starts (%.1f to %.1f ms)"
          % (statistics.median(times) * 1000, STARTS, min(times) * 1000, max(times) * 1000))
    print("terminal game, processor time over %d idle s: %.0f ms in clock ticks of %d ms, %.1f ms by the scheduler,"
          " %.3f %% of one core"
          % (IDLE_SECONDS, spent * 1000, 1000 // TICKS_PER_SECOND, spent_ns / 1e6, spent_ns / 1e7 / IDLE_SECONDS))


if __name__ == "__main__":
    main()
