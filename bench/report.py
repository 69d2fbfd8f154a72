"""Prints the benchmark figures beside their targets; exit status 1 when one is missed.

Arguments: the JSON of tesmarik-bench-logic, the window start program, the empty window
program, how many times to start each, and the JSON of tesmarik-bench-memory.
"""
import json
import sys

from starts import print_start_table

LOGIC_TARGET_MS = 1.0
# A document of the offer is made once, after its button: a second for the largest.
DOCUMENT_PREFIX = "OfferDocument/"
DOCUMENT_TARGET_MS = 1000.0
START_RATIO_TARGET = 1.25
# The loading plan of a large offer (30 sizes, some 2000 vehicles) is made on every change.
PLAN_PREFIX = "LoadingPlan/"
PLAN_TARGET_MS = 50.0
# Seeded random offers: the share planned at the lower bound, and the largest excess.
QUALITY_PREFIX = "LoadingPlanQuality/"
QUALITY_AT_BOUND = 97.0
QUALITY_EXCESS = 1
# The memory over a year of daily lists: the time of storing a list and of comparing two
# (wall-clock, since the disk's syncs are part of it), and the database file's size.
MEMORY_STORE = "PriceMemory/StoreOneList"
MEMORY_STORE_TARGET_MS = 200.0
MEMORY_COMPARE_PREFIX = "PriceMemory/Compare"
MEMORY_COMPARE_TARGET_MS = 100.0
MEMORY_YEAR_TARGET_MB = 30.0
# Opening the year's database, its check included: the program does it once, at the start.
MEMORY_OPEN = "PriceMemory/OpenYear"
MEMORY_OPEN_TARGET_MS = 100.0


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


def quality_rows(path):
    """The counters of the plan's quality benchmark, by name."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    return [(b["name"], b) for b in data["benchmarks"]
            if b["name"].startswith(QUALITY_PREFIX) and b.get("run_type") == "iteration"][:1]


def print_memory_table(path):
    """The memory's figures beside their targets; returns how many were missed."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    missed = 0
    year_mb = None
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"].removesuffix("/real_time")
        if "year_MB" in b:
            year_mb = b["year_MB"]
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        ms = b["real_time"] * scale
        target = {MEMORY_STORE: MEMORY_STORE_TARGET_MS,
                  MEMORY_OPEN: MEMORY_OPEN_TARGET_MS}.get(name, MEMORY_COMPARE_TARGET_MS)
        ok = ms <= target
        missed += 0 if ok else 1
        print(f"{name:<46} {ms:9.4f} ms {f'<= {target:.0f} ms':>10}  {'met' if ok else 'MISSED'}")
    ok = year_mb is not None and year_mb <= MEMORY_YEAR_TARGET_MB
    missed += 0 if ok else 1
    shown = "-" if year_mb is None else f"{year_mb:.2f} MB"
    print(f"{'PriceMemory/database for a year of lists':<46} {shown:>12} {'<= 30 MB':>10}  "
          f"{'met' if ok else 'MISSED'}")
    return missed


def main():
    logic_json, window, empty, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    missed = 0
    print(f"{'operation':<46} {'CPU time':>12} {'target':>10}  verdict")
    for name, ms, error in logic_rows(logic_json):
        if name.startswith(QUALITY_PREFIX):
            continue
        document = name.startswith(DOCUMENT_PREFIX)
        plan = name.startswith(PLAN_PREFIX)
        target = DOCUMENT_TARGET_MS if document else PLAN_TARGET_MS if plan else LOGIC_TARGET_MS
        said = "< 1 s" if document else "< 50 ms" if plan else "< 1 ms"
        if ms is None:
            print(f"{name:<46} {'-':>12} {said:>10}  FAILED: {error}")
            missed += 1
            continue
        ok = ms < target
        missed += 0 if ok else 1
        print(f"{name:<46} {ms:9.4f} ms {said:>10}  {'met' if ok else 'MISSED'}")

    for name, b in quality_rows(logic_json):
        at_bound = b["at lower bound, %"]
        excess = int(b["largest excess"])
        ok = at_bound >= QUALITY_AT_BOUND and excess <= QUALITY_EXCESS
        missed += 0 if ok else 1
        print(f"{name:<46} at the lower bound {at_bound:.1f} % (target >= 97 %), "
              f"largest excess {excess} (target <= 1)  {'met' if ok else 'MISSED'}")

    if len(sys.argv) > 5:
        missed += print_memory_table(sys.argv[5])

    missed += print_start_table([window], [empty], runs, "offscreen platform",
                                START_RATIO_TARGET)
    print()
    print("every target met" if missed == 0 else f"{missed} target(s) missed")
    return 0 if missed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
