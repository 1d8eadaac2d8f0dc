#!/usr/bin/env python3
"""A 1,000-line list quoted by one `corvane38-cli quote` beside the same list added by
1,000 `corvane38-cli order` processes, on the catalogue in APPDIR. Prints the best wall
time of RUNS runs of each (seconds) and whether the two orders came out the same.
scripts/bench.sh runs it.

    bench/quote_list.py CLI APPDIR [RUNS]
"""
import os
import subprocess
import sys
import tempfile
import time

# The families' representative parts, as bench/Bench.cpp has them.
PARTS = ["C090AASG", "D090ABSG", "E090PA040B040SG", "F090PA0120AS", "H112PA040C040AG",
         "M090PA040A040SG", "N187PC080C080AG", "P090WA", "R187PA0125BSG", "ST090S", "T075AAG"]


def conversions(appdir):
    with open(os.path.join(appdir, "Data", "Conversion.tbl"), encoding="cp1252") as f:
        rows = [line.rstrip("\r\n").split("|") for line in f][1:]
    return [(r[0].strip(), r[1].strip().upper()) for r in rows if len(r) > 1]


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
            start = time.perf_counter()
            subprocess.run([cli, "--app-dir", appdir, "quote", list_file, quoted],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            quote_times.append(time.perf_counter() - start)
            # order takes new numbers only: the old ones go in already converted.
            start = time.perf_counter()
            for qty, part in lines:
                subprocess.run([cli, "--app-dir", appdir, "order", ordered, str(qty),
                                new_of.get(part, part)],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            order_times.append(time.perf_counter() - start)
        same = open(quoted, "rb").read() == open(ordered, "rb").read()
    print(f"quote, 1,000 lines, one process: {min(quote_times):.3f} s")
    print(f"order, 1,000 processes:           {min(order_times):.3f} s")
    print(f"same order file: {'yes' if same else 'NO'}")
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
