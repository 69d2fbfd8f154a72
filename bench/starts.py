"""The window's start against an empty Qt window, timed as whole processes.

Used by report.py (the Linux program on the offscreen platform) and, run by itself, by
windows-start.sh (the Windows program under Wine):
    starts.py RUNS TARGET LABEL WINDOW EMPTY [LAUNCHER ...]
prints the table and exits with status 1 when the wall time or the memory ratio misses
TARGET. LAUNCHER, when given, starts each program (e.g. Wine).
"""
import os
import statistics
import subprocess
import sys
import time


def start_once(command):
    """Wall time and CPU time in seconds and peak resident memory in KiB of one start."""
    begin = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - begin
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def start_figures(commands, runs):
    """Medians over starts taken in turn, so that a change in the machine's load hits all."""
    figures = [[] for _ in commands]
    for command in commands:  # warm the page cache
        start_once(command)
    for _ in range(runs):
        for i, command in enumerate(commands):
            figures[i].append(start_once(command))
    return [tuple(statistics.median(f[k] for f in runs_of) for k in range(3))
            for runs_of in figures]


def print_start_table(window, empty, runs, label, target, launcher=()):
    """Prints the start figures; returns how many targets were missed."""
    launcher = list(launcher)
    window_fig, empty_fig, text_fig = start_figures(
        [launcher + window, launcher + empty, launcher + empty + ["text"]], runs)
    missed = 0
    print()
    print(f"window start to first paint, median of {runs} starts each ({label})")
    print(f"{'':<24} {'window':>10} {'empty':>10} {'ratio':>6} {'target':>8}  {'verdict':<12}"
          f"{'one line':>10} {'/empty':>7} {'window/':>8}")
    for row, i, unit, scale, judged in (
        ("wall time", 0, "ms", 1e3, True),
        ("CPU time (user+system)", 1, "ms", 1e3, False),
        ("peak memory (RSS)", 2, "MiB", 1 / 1024, True),
    ):
        w, e, t = window_fig[i], empty_fig[i], text_fig[i]
        ratio = w / e
        ok = ratio <= target
        verdict = ("met" if ok else "MISSED") if judged else "(shown only)"
        if judged and not ok:
            missed += 1
        shown_target = f"<= {target}" if judged else ""
        print(f"{row:<24} {w * scale:6.1f} {unit:<3}{e * scale:6.1f} {unit:<3}{ratio:6.2f} "
              f"{shown_target:>8}  {verdict:<12}{t * scale:6.1f} {unit:<3}{t / e:7.2f} "
              f"{w / t:8.2f}")
    print("(one line: the empty window with one line of text, which also starts the font")
    print(" system; its ratio to the empty window and the window's ratio to it are shown for")
    print(" comparison, the target is against the empty window)")
    return missed


def main():
    runs, target, label, window, empty = (int(sys.argv[1]), float(sys.argv[2]), sys.argv[3],
                                          sys.argv[4], sys.argv[5])
    missed = print_start_table([window], [empty], runs, label, target, sys.argv[6:])
    print()
    print("every target met" if missed == 0 else f"{missed} target(s) missed")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
