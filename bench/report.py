"""Prints the benchmark figures beside their targets; exit status 1 when one is missed.

Arguments: the JSON of tesmarik-bench-logic, the window start program, the empty window
program, and how many times to start each.
"""
import json
import os
import statistics
import subprocess
import sys
import time

LOGIC_TARGET_MS = 1.0
START_RATIO_TARGET = 1.25


def logic_rows(path):
    """Median CPU time per operation, in milliseconds, by benchmark name."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    rows = []
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        if b.get("error_occurred"):
            rows.append((b["run_name"], None, b.get("error_message", "failed")))
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        rows.append((b["run_name"], b["cpu_time"] * scale, None))
    return rows


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


def main():
    logic_json, window, empty, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    missed = 0
    print(f"{'operation':<46} {'CPU time':>12} {'target':>10}  verdict")
    for name, ms, error in logic_rows(logic_json):
        if ms is None:
            print(f"{name:<46} {'-':>12} {'< 1 ms':>10}  FAILED: {error}")
            missed += 1
            continue
        ok = ms < LOGIC_TARGET_MS
        missed += 0 if ok else 1
        print(f"{name:<46} {ms:9.4f} ms {'< 1 ms':>10}  {'met' if ok else 'MISSED'}")

    window_fig, empty_fig, text_fig = start_figures([[window], [empty], [empty, "text"]], runs)
    print()
    print(f"window start to first paint, median of {runs} starts each (offscreen platform)")
    print(f"{'':<24} {'window':>10} {'empty':>10} {'ratio':>6} {'target':>8}  {'verdict':<12}"
          f"{'one line':>10} {'/empty':>7} {'window/':>8}")
    for label, i, unit, scale, judged in (
        ("wall time", 0, "ms", 1e3, True),
        ("CPU time (user+system)", 1, "ms", 1e3, False),
        ("peak memory (RSS)", 2, "MiB", 1 / 1024, True),
    ):
        w, e, t = window_fig[i], empty_fig[i], text_fig[i]
        ratio = w / e
        ok = ratio <= START_RATIO_TARGET
        verdict = ("met" if ok else "MISSED") if judged else "(shown only)"
        if judged and not ok:
            missed += 1
        target = f"<= {START_RATIO_TARGET}" if judged else ""
        print(f"{label:<24} {w * scale:6.1f} {unit:<3}{e * scale:6.1f} {unit:<3}{ratio:6.2f} "
              f"{target:>8}  {verdict:<12}{t * scale:6.1f} {unit:<3}{t / e:7.2f} {w / t:8.2f}")
    print("(one line: the empty window with one line of text, which also starts the font")
    print(" system; its ratio to the empty window and the window's ratio to it are shown for")
    print(" comparison, the target is against the empty window)")
    print()
    print("every target met" if missed == 0 else f"{missed} target(s) missed")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
