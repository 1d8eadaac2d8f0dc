#!/usr/bin/env python3
"""A 1,000-line list quoted by one `corvane38-cli quote` beside the same list added by
1,000 `corvane38-cli order` processes, on the catalogue in APPDIR. Prints the best of
RUNS runs of each, CPU time (user and system, of the processes) and wall time in
seconds, and whether the two orders came out the same. On the shared build machine the
wall time mostly measures the other jobs: CPU time is the figure to compare.
scripts/bench.sh runs it.

    bench/quote_list.py CLI APPDIR [RUNS]
"""
import os
import resource
import subprocess
import sys
import tempfile
import time

# The families' representative parts, as bench/Bench.cpp lists them (not the pressure
# window, whose number no family recognises).
PARTS = ["C090AASG", "D090ABSG", "E090PA040B040SG", "F090PA0120AS", "H112PA040C040AG",
         "M090PA040A040SG", "N187PC080C080AG", "R187PA0125BSG", "ST090S", "T075AAG"]


def conversions(appdir):
    with open(os.path.join(appdir, "Data", "Conversion.tbl"), encoding="cp1252") as f:
        rows = [line.rstrip("\r\n").split("|") for line in f][1:]
    return [(r[0].strip(), r[1].strip().upper()) for r in rows if len(r) > 1]


class Timer:
    """CPU time of the child processes run meanwhile, and wall time."""

    def __enter__(self):
        usage = resource.getrusage(resource.RUSAGE_CHILDREN)
        self.cpu = usage.ru_utime + usage.ru_stime
        self.wall = time.perf_counter()
        return self

    def __exit__(self, *exc):
        usage = resource.getrusage(resource.RUSAGE_CHILDREN)
        self.times = (usage.ru_utime + usage.ru_stime - self.cpu,
                      time.perf_counter() - self.wall)


def main():
    cli, appdir = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    old_to_new = conversions(appdir)
    # The same list as the in-process figure: the parts, then the old numbers, in turn.
    listed = PARTS + [old for old, _ in old_to_new]
    new_of = dict(old_to_new)
    lines = [(i % 50 + 1, listed[i % len(listed)]) for i in range(1000)]
    with tempfile.TemporaryDirectory() as work:
        list_file = os.path.join(work, "list.csv")
        with open(list_file, "w", newline="\r\n") as f:
            f.write("Qty,Part\n")
            for qty, part in lines:
                f.write(f"{qty},{part}\n")
        quote_times, order_times = [], []
        for _ in range(runs):
            quoted = os.path.join(work, "quoted.txt")
            ordered = os.path.join(work, "ordered.txt")
            for f in (quoted, ordered):
                if os.path.exists(f):
                    os.remove(f)
            with Timer() as t:
                subprocess.run([cli, "--app-dir", appdir, "quote", list_file, quoted],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            quote_times.append(t.times)
            # order takes new numbers only: the old ones go in already converted.
            with Timer() as t:
                for qty, part in lines:
                    subprocess.run([cli, "--app-dir", appdir, "order", ordered, str(qty),
                                    new_of.get(part, part)],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            order_times.append(t.times)
        same = open(quoted, "rb").read() == open(ordered, "rb").read()
    for name, times in (("quote, 1,000 lines, one process", quote_times),
                        ("order, 1,000 processes", order_times)):
        print(f"{name + ':':34} CPU {min(c for c, _ in times):.3f} s, "
              f"wall {min(w for _, w in times):.3f} s")
    print(f"same order file: {'yes' if same else 'NO'}")
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
