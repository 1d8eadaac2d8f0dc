#!/usr/bin/env python3
"""Print the benchmark results of scripts/bench.sh as one table.

Usage: bench_table.py SAMPLE.json LARGE.json

Each figure is the median CPU time of the repetitions (the build machine is shared,
so CPU time is steadier than wall time), beside the median of its floor measured in
the same run, their ratio, and the target it must meet.
"""

import json
import sys

MS = 1e6  # nanoseconds in a millisecond


def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    out = {}
    for b in runs:
        if b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[b.get("time_unit", "ns")]
        out[b["run_name"]] = (b["cpu_time"] * scale, b.get("tables"))
    return out


def target(name, large):
    """(text, test) for a figure; test gets (time ns, ratio or None)."""
    kind = name.split("/")[0]
    if kind == "event":
        limit = 1.0 if large else 0.2
        return (f"<=2x, <={limit:g} ms",
                lambda t, r: t <= limit * MS and (r is None or r <= 2))
    if kind in ("setup", "price"):
        return ("<=2x", lambda t, r: r is None or r <= 2)
    if kind == "check":
        return ("<=300 ms (20x)", lambda t, r: not large or t <= 300 * MS)
    if kind == "startup":
        return ("<=150 ms", lambda t, r: t <= 150 * MS)
    if kind == "preview":
        return ("<=40 ms", lambda t, r: t <= 40 * MS)
    if name in ("print/order-1000/pdf", "quote/list-1000/lines"):
        return ("<=2 s", lambda t, r: t <= 2000 * MS)
    return ("-", None)


def cell(ns):
    return f"{ns / MS:.3g}" if ns < 1000 * MS else f"{ns / MS:.0f}"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    runs = [medians(sys.argv[1]), medians(sys.argv[2])]
    names = [n for n in runs[0] if not n.startswith("floor:")]
    print("| Figure | sample ms | floor ms | x floor | 20x ms | floor ms | x floor | target | met |")
    print("|---|---:|---:|---:|---:|---:|---:|---|---|")
    missed = 0
    for name in names:
        row = [name]
        verdicts = []
        for large, run in enumerate(runs):
            if name not in run:
                row += ["", "", ""]
                continue
            t, tables = run[name]
            floor = run.get("floor:" + name, (None, None))[0]
            # A figure that opens no table has no read floor worth dividing by.
            ratio = None if floor is None or tables == 0 else t / floor
            row += [cell(t), "-" if ratio is None else cell(floor),
                    "-" if ratio is None else f"{ratio:.2f}"]
            text, test = target(name, bool(large))
            if test is not None:
                verdicts.append(test(t, ratio))
        row.append(target(name, True)[0].replace("<=1 ms", "<=0.2/1 ms"))
        met = "" if not verdicts else ("yes" if all(verdicts) else "NO")
        missed += met == "NO"
        row.append(met)
        print("| " + " | ".join(row) + " |")
    print(f"\n{missed} figure(s) miss their target.")


if __name__ == "__main__":
    main()
