#!/usr/bin/env python3
"""Write a catalogue about twenty times the size of the sample one, for benchmarks.

Every waveguide size is cloned under new size codes, with all the rows that belong
to it (flanges, lengths, bands, VSWR figures, prices, step-twist and window part
numbers), and the coax transitions get many more connector types. The clones come
before the real rows in every table, so a first-match scan for a real key walks past
them as it would in a big catalogue. The real rows are kept byte for byte and the
clones never share a key with them, so every answer about a real part stays the same.

Usage:  python3 scripts/make_large_catalogue.py OUTPUT-FOLDER [COPIES]
OUTPUT-FOLDER gets Data/ (the tables) and Images/ (the sample pictures, copied).
COPIES is the number of clones of each size (default 22: about twenty times the rows).
"""

import os
import shutil
import string
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "data")

# The sizes sold by special quote, with the families they are special for (fixed in the
# program, not in the tables).
SPECIAL_QUOTES = {
    "028": {0, 1, 2, 4, 5, 6, 8}, "042": {10}, "051": {1, 2, 3, 4, 5, 6, 8, 10},
    "284": {0, 1, 2, 3, 4, 5, 6, 8}, "340": {0, 1, 2, 3, 4, 5, 6, 8},
    "430": {0, 1, 2, 3, 4, 5, 6, 8},
}


def read_table(name):
    with open(os.path.join(SAMPLE, "Data", name), "rb") as f:
        text = f.read().decode("cp1252")
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines[0], [line.split("|") for line in lines[1:]]


def write_table(folder, name, header, rows):
    text = "\r\n".join([header] + ["|".join(r) for r in rows]) + "\r\n"
    with open(os.path.join(folder, name), "wb") as f:
        f.write(text.encode("cp1252"))


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    out = sys.argv[1]
    copies = int(sys.argv[2]) if len(sys.argv) == 3 else 22

    _, sizes = read_table("WGSize.tbl")
    real = [r[0] for r in sizes]
    pool = [f"{n:03d}" for n in range(500, 1000) if f"{n:03d}" not in real]
    if len(pool) < copies * len(real):
        sys.exit("too many copies for the free size codes")
    fake = {}
    for k in range(copies):
        for i, code in enumerate(real):
            fake[(code, k)] = pool[k * len(real) + i]

    _, coax = read_table("CoaxType.tbl")
    real_coax = [r[0] for r in coax]
    free_coax = [c for c in string.ascii_uppercase + string.digits + string.ascii_lowercase
                 if c not in real_coax]

    def code(c, k):
        return fake[(c, k)]

    # Special-quote sizes are listed for some families without the data an offered size
    # needs; their clones, being ordinary sizes, leave those families out.
    letters = {"C": 0, "D": 1, "E": 2, "F": 3, "H": 4, "M": 5, "N": 6, "R": 8, "T": 10}
    table_family = {
        "CoaxVSWR.tbl": 0, "CoaxPrice.tbl": 0, "RigidTwistPrice.tbl": 1, "EBendPrice.tbl": 2,
        "FlexSpecs.tbl": 3, "FlexVSWR.tbl": 3, "FlexTwistPrice.tbl": 3, "HBendPrice.tbl": 4,
        "MiterBendPrice.tbl": 5, "PressureWindows.tbl": 7, "StraightSectionPrice.tbl": 8,
        "StepFlange.tbl": 9, "StepTwist.tbl": 9, "StepTwistPrice.tbl": 9, "Taper.tbl": 10,
        "TaperedTransitionPrice.tbl": 10,
    }

    def family_of(name, row):
        if name in ("WGVSWR.tbl", "Dimensions.tbl"):
            return letters.get(row[0])
        if name == "Conversion.tbl":
            pn = row[1]
            return 9 if pn.startswith("ST") else letters.get(pn[0])
        return table_family.get(name)

    def size_of(name, row):
        if name in ("WGVSWR.tbl", "Dimensions.tbl", "Flange.tbl", "StepFlange.tbl"):
            return row[1]
        if name == "StepTwistPrice.tbl":
            return row[0][-4:-1]
        if name == "Conversion.tbl":
            return row[1][-4:-1] if row[1].startswith("ST") else row[1][1:4]
        return row[0]

    def cloned(name, row):
        family = family_of(name, row)
        return family is None or family not in SPECIAL_QUOTES.get(size_of(name, row), ())

    def part(pn, k):
        # The size code sits after the family letter, or just before the band letter of
        # a step-twist.
        if pn.startswith("ST"):
            return pn[:-4] + code(pn[-4:-1], k) + pn[-1]
        return pn[0] + code(pn[1:4], k) + pn[4:]

    def coax_code(c, k):
        return free_coax[(real_coax.index(c) + k * len(real_coax)) % len(free_coax)]

    _, coax_vswr = read_table("CoaxVSWR.tbl")

    def converted(pn, k):
        # A coax clone offers the cloned connector types only: its part number carries
        # the connector after the flange. Conversion upper-cases a new part number, so
        # pick a connector of that clone whose code has no lower case, or leave it out.
        if not pn.startswith("C") or len(pn) < 6:
            return part(pn, k)
        choices = [coax_code(pn[5], k)] + [coax_code(r[2], k) for r in coax_vswr
                                           if r[0] == pn[1:4]]
        usable = [c for c in choices if c == c.upper()]
        if not usable:
            return None
        pn = part(pn, k)
        return pn[:5] + usable[0] + pn[6:]

    # Per table: how each cloned row is made from a real one.
    rules = {
        "WGSize.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "Taper.tbl": lambda r, k: [code(r[0], k), code(r[1], k)] + r[2:],
        "Flange.tbl": lambda r, k: [r[0], code(r[1], k)] + r[2:],
        "StepFlange.tbl": lambda r, k: [r[0], code(r[1], k)] + r[2:],
        "Dimensions.tbl": lambda r, k: [r[0], code(r[1], k)] + r[2:],
        "FlexSpecs.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "Frequency.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "WGVSWR.tbl": lambda r, k: [r[0], code(r[1], k)] + r[2:],
        "FlexVSWR.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "CoaxVSWR.tbl": lambda r, k: [code(r[0], k), r[1], coax_code(r[2], k)] + r[3:],
        "PressureWindows.tbl": lambda r, k: [code(r[0], k)] + r[1:3] + [part(r[3], k)] + r[4:],
        "StepTwist.tbl": lambda r, k: [code(r[0], k)] + r[1:4] + [part(r[4], k)] + r[5:],
        "CoaxPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "EBendPrice.tbl": lambda r, k: [code(r[0], k), part(r[1], k)] + r[2:],
        "HBendPrice.tbl": lambda r, k: [code(r[0], k), part(r[1], k)] + r[2:],
        "FlexTwistPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "MiterBendPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "RigidTwistPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "StepTwistPrice.tbl": lambda r, k: [part(r[0], k)] + r[1:],
        "StraightSectionPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "TaperedTransitionPrice.tbl": lambda r, k: [code(r[0], k)] + r[1:],
        "Conversion.tbl": lambda r, k: (None if converted(r[1], k) is None else
                                        [f"X{k}-" + r[0], converted(r[1], k)] + r[2:]),
    }

    data = os.path.join(out, "Data")
    os.makedirs(data, exist_ok=True)
    for name in sorted(os.listdir(os.path.join(SAMPLE, "Data"))):
        header, rows = read_table(name)
        clones = []
        if name in rules:
            for k in range(copies):
                made = [rules[name](r, k) for r in rows if cloned(name, r)]
                clones += [r for r in made if r is not None]
        elif name == "CoaxType.tbl":
            clones = [[c, f"Connector {c}"] for c in free_coax]
        write_table(data, name, header, clones + rows)

    images = os.path.join(out, "Images")
    if os.path.isdir(images):
        shutil.rmtree(images)
    shutil.copytree(os.path.join(SAMPLE, "Images"), images)


if __name__ == "__main__":
    main()
