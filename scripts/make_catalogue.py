#!/usr/bin/env python3
"""Regenerate the sample Brenmoor catalogue tables in data/Data.

Every table is written as Windows-1252 text with CR LF line ends, a header
line of column titles and "|" between fields (never a trailing "|").

Usage:  python3 scripts/make_catalogue.py [output-folder]
The default output folder is data/Data next to this script's parent folder.
Run `corvane38-cli --app-dir data check` afterwards to check the result.
"""

import os
import sys

DEG = "\u00b0"  # written as the single byte 0xB0 in cp1252

# ---------------------------------------------------------------------------
# Waveguide sizes
# code, WR name, inside dimensions, US Military, British, IEC,
# standard band, narrow bands {letter: range}, relative cost factor
# ---------------------------------------------------------------------------
SIZES = [
    ("028", "WR-28", "0.280 x 0.140 in", "RG-96/U", "WG22", "R320",
     "26.5-40.0 GHz", {"A": "27.5-31.0 GHz"}, 1.60),
    ("042", "WR-42", "0.420 x 0.170 in", "RG-53/U", "WG20", "R220",
     "18.0-26.5 GHz", {"A": "17.7-21.2 GHz", "B": "24.0-26.5 GHz"}, 1.35),
    ("051", "WR-51", "0.510 x 0.255 in", "N/A", "WG19", "R180",
     "15.0-22.0 GHz", {"A": "17.3-18.4 GHz"}, 1.30),
    ("062", "WR-62", "0.622 x 0.311 in", "RG-91/U", "WG18", "R140",
     "12.4-18.0 GHz", {"A": "13.75-14.5 GHz", "B": "17.3-18.0 GHz"}, 1.15),
    ("075", "WR-75", "0.750 x 0.375 in", "N/A", "WG17", "R120",
     "10.0-15.0 GHz", {"A": "10.7-12.75 GHz", "B": "13.75-14.5 GHz"}, 1.10),
    ("090", "WR-90", "0.900 x 0.400 in", "RG-52/U", "WG16", "R100",
     "8.2-12.4 GHz", {"A": "8.5-9.6 GHz", "B": "9.3-10.0 GHz",
                      "C": "10.7-11.7 GHz"}, 1.00),
    ("112", "WR-112", "1.122 x 0.497 in", "RG-51/U", "WG15", "R84",
     "7.05-10.0 GHz", {"A": "7.25-7.75 GHz", "B": "7.9-8.4 GHz"}, 1.10),
    ("137", "WR-137", "1.372 x 0.622 in", "RG-50/U", "WG14", "R70",
     "5.85-8.2 GHz", {"A": "5.85-6.425 GHz", "B": "7.1-7.75 GHz"}, 1.20),
    ("159", "WR-159", "1.590 x 0.795 in", "N/A", "WG13", "R58",
     "4.9-7.05 GHz", {"A": "5.925-6.425 GHz"}, 1.30),
    ("187", "WR-187", "1.872 x 0.872 in", "RG-49/U", "WG12", "R48",
     "3.95-5.85 GHz", {"A": "4.4-5.0 GHz", "B": "5.25-5.85 GHz"}, 1.40),
    ("229", "WR-229", "2.290 x 1.145 in", "N/A", "WG11A", "R40",
     "3.3-4.9 GHz", {"A": "3.4-4.2 GHz"}, 1.60),
    ("284", "WR-284", "2.840 x 1.340 in", "RG-48/U", "WG10", "R32",
     "2.6-3.95 GHz", {"A": "2.7-2.9 GHz", "B": "2.9-3.1 GHz"}, 1.90),
    ("340", "WR-340", "3.400 x 1.700 in", "RG-112/U", "WG9A", "R26",
     "2.2-3.3 GHz", {"A": "2.3-2.5 GHz"}, 2.20),
    ("430", "WR-430", "4.300 x 2.150 in", "RG-104/U", "WG8", "R22",
     "1.7-2.6 GHz", {"A": "2.0-2.3 GHz"}, 2.60),
]
SIZE = {s[0]: s for s in SIZES}


def bands(code):
    """Band letters of a size, the standard band first."""
    return ["S"] + sorted(SIZE[code][7].keys())


def factor(code):
    return SIZE[code][8]


def money(x):
    """Round to the nearest half dollar and write with two decimals."""
    return "%.2f" % (round(x * 2) / 2.0)


# ---------------------------------------------------------------------------
# Flanges: code -> (type name, picture); models per size
# ---------------------------------------------------------------------------
FLANGE_TYPES = {
    "A": ("Cover", "FlgCover.gif"),
    "B": ("Choke", "FlgChoke.gif"),
    "C": ("CPR-G", "FlgCPRG.gif"),
    "D": ("CPR-F", "FlgCPRF.gif"),
    "E": ("Gasketed Cover", "FlgGasket.gif"),
    "F": ("Round Cover", "FlgRound.gif"),
}

FLANGES = [  # (waveguide, code, model)
    ("028", "A", "UG-599/U"), ("028", "B", "UG-600/U"), ("028", "F", "UG-381/U"),
    ("042", "A", "UG-595/U"), ("042", "B", "UG-596/U"), ("042", "F", "UG-425/U"),
    ("051", "A", "UBR180"), ("051", "E", "PBR180"),
    ("062", "A", "UG-419/U"), ("062", "B", "UG-541/U"), ("062", "E", "PBR140"),
    ("075", "A", "UBR120"), ("075", "B", "CBR120"), ("075", "E", "PBR120"),
    ("090", "A", "UG-39/U"), ("090", "B", "UG-40B/U"), ("090", "E", "UG-135/U"),
    ("112", "A", "UG-51/U"), ("112", "B", "UG-52B/U"),
    ("112", "C", "CPR-112G"), ("112", "D", "CPR-112F"),
    ("137", "A", "UG-344/U"), ("137", "B", "UG-343B/U"),
    ("137", "C", "CPR-137G"), ("137", "D", "CPR-137F"),
    ("159", "A", "UDR58"), ("159", "C", "CPR-159G"), ("159", "D", "CPR-159F"),
    ("187", "A", "UG-149A/U"), ("187", "B", "UG-148C/U"),
    ("187", "C", "CPR-187G"), ("187", "D", "CPR-187F"),
    ("229", "A", "UDR40"), ("229", "C", "CPR-229G"), ("229", "D", "CPR-229F"),
    ("284", "A", "UG-53/U"), ("284", "B", "UG-54B/U"),
    ("284", "C", "CPR-284G"), ("284", "D", "CPR-284F"),
    ("340", "A", "UG-533/U"), ("340", "C", "CPR-340G"), ("340", "D", "CPR-340F"),
    ("430", "A", "UG-435A/U"), ("430", "C", "CPR-430G"), ("430", "D", "CPR-430F"),
]

# ---------------------------------------------------------------------------
# Coax connectors and the sizes they are offered on
# ---------------------------------------------------------------------------
COAX_TYPES = [
    ("3", "3.5 mm Female"),
    ("A", "SMA Female"),
    ("D", "7/16 DIN Female"),
    ("K", "2.92 mm Female"),
    ("M", "Type N Male"),
    ("N", "Type N Female"),
    ("T", "TNC Female"),
]
COAX_BY_SIZE = {
    "028": ["K"],
    "042": ["K", "3"],
    "051": ["K", "3", "A"],
    "062": ["A", "3"],
    "075": ["A", "N"],
    "090": ["A", "N", "M"],
    "112": ["N", "M", "T", "A"],
    "137": ["N", "M", "T", "D"],
    "159": ["N", "T", "D"],
    "187": ["N", "M", "T", "D"],
    "229": ["N", "D"],
    "284": ["N", "D"],
    "340": ["N", "D"],
    "430": ["N", "D"],
}

# ---------------------------------------------------------------------------
# Which sizes each family lists. Sizes that are only sold by special quote
# for a family are listed too, so that the quote notice can be shown.
# ---------------------------------------------------------------------------
TWIST_SIZES = ["028", "042", "051", "062", "075", "090", "112", "137", "159",
               "187", "229", "284", "340", "430"]
BEND_SIZES = ["028", "042", "051", "062", "075", "090", "112", "137", "159",
              "187", "229", "284", "340", "430"]
MITER_SIZES = ["028", "042", "051", "062", "075", "090", "112", "137", "187",
               "284", "340", "430"]
STRAIGHT_SIZES = ["028", "042", "051", "062", "075", "090", "112", "137",
                  "159", "187", "229", "284", "340", "430"]
FLEX_SIZES = ["028", "042", "051", "062", "075", "090", "112", "137", "187",
              "284", "340", "430"]
SPECIAL = {  # families for which a size is quoted on request only
    "028": {0, 1, 2, 4, 5, 6, 8},
    "042": {10},
    "051": {1, 2, 3, 4, 5, 6, 8, 10},
    "284": {0, 1, 2, 3, 4, 5, 6, 8},
    "340": {0, 1, 2, 3, 4, 5, 6, 8},
    "430": {0, 1, 2, 3, 4, 5, 6, 8},
}


def special(code, family):
    return family in SPECIAL.get(code, set())


# Tapered transitions: small end, large end
TAPERS = [("042", "051"), ("051", "062"), ("062", "075"), ("075", "090"),
          ("090", "112"), ("112", "137"), ("137", "159"), ("159", "187"),
          ("187", "229"), ("229", "284"), ("284", "340"), ("340", "430")]
TAPER_LENGTH = {"062": 3.0, "075": 4.0, "090": 6.0, "112": 6.0, "137": 8.0,
                "159": 9.0, "187": 10.0, "229": 12.0, "284": 14.0,
                "340": 16.0, "042": 2.5, "051": 2.5}

# Pressure windows: size -> flanges they fit
WINDOWS = {"062": ["A", "E"], "090": ["A", "E"], "112": ["A", "C"],
           "137": ["A", "C"], "187": ["A", "C"], "229": ["A", "C"],
           "284": ["A", "C"], "340": ["C"], "430": ["C"]}
WINDOW_VSWR = {"062": "1.15:1", "090": "1.10:1", "112": "1.10:1",
               "137": "1.08:1", "187": "1.08:1", "229": "1.06:1",
               "284": "1.05:1", "340": "1.05:1", "430": "1.05:1"}

# 90 degree step-twists: size -> (flanges, length in inches, narrow bands)
STEP_TWISTS = {
    "090": (["A", "B"], "1.5", ["A", "B"]),
    "112": (["A", "C"], "1.8", ["A"]),
    "137": (["A", "C"], "2.2", ["A"]),
    "187": (["A", "B", "C"], "2.9", ["A", "B"]),
    "229": (["A", "C"], "3.5", ["A"]),
    "284": (["A", "C"], "4.4", ["A", "B"]),
    "340": (["C"], "5.3", ["A"]),
}

# ---------------------------------------------------------------------------
# Lengths
# ---------------------------------------------------------------------------
# Legs of bends and miters: (shortest in, longest in, longest mm,
#                            default in, default mm)
LEG_DIMS = {
    "028": (1.0, 12.0, 305, 2.0, 50),
    "042": (1.0, 12.0, 305, 2.0, 50),
    "051": (1.0, 12.0, 305, 2.0, 50),
    "062": (1.0, 12.0, 305, 2.0, 50),
    "075": (1.0, 12.0, 305, 3.0, 75),
    "090": (1.0, 18.0, 457, 4.0, 100),
    "112": (1.0, 18.0, 457, 4.0, 100),
    "137": (5.5, 24.0, 610, 6.5, 165),
    "159": (5.5, 24.0, 610, 6.5, 165),
    "187": (5.5, 24.0, 610, 8.0, 200),
    "229": (5.5, 24.0, 610, 10.0, 250),
    "284": (5.5, 24.0, 610, 10.0, 250),
    "340": (5.5, 24.0, 610, 12.0, 305),
}
# Straight sections: (shortest in, longest in, longest mm, default in,
#                     default mm). The shortest length is the 4.0 in /
# 102 mm flange-adaptor length, so both lists offer it.
STRAIGHT_DIMS = {
    "028": (4.0, 24.0, 610, 6.0, 152),
    "042": (4.0, 36.0, 914, 6.0, 152),
    "051": (4.0, 36.0, 914, 6.0, 152),
    "062": (4.0, 36.0, 914, 12.0, 302),
    "075": (4.0, 36.0, 914, 12.0, 302),
    "090": (4.0, 72.0, 1829, 12.0, 302),
    "112": (4.0, 72.0, 1829, 12.0, 302),
    "137": (4.0, 72.0, 1829, 12.0, 302),
    "159": (4.0, 72.0, 1829, 12.0, 302),
    "187": (4.0, 72.0, 1829, 12.0, 302),
    "229": (4.0, 72.0, 1829, 24.0, 602),
    "284": (4.0, 72.0, 1829, 24.0, 602),
    "340": (4.0, 72.0, 1829, 24.0, 602),
    "430": (4.0, 72.0, 1829, 24.0, 602),
}
TWIST_LENGTH = {"028": 1.5, "042": 2.0, "051": 2.5, "062": 3.0, "075": 3.0,
                "090": 4.0, "112": 4.5, "137": 6.0, "159": 6.5, "187": 8.0,
                "229": 9.0, "284": 12.0}

FLEX_INCH = ["6.0", "9.0", "12.0", "18.0", "24.0", "30.0", "36.0"]
FLEX_MM = ["152", "229", "305", "457", "610", "762", "914"]
FLEX_BREAKPOINTS = ["12", "24", "36"]
FLEX_DEFAULT = ("12.0", "305")

# ---------------------------------------------------------------------------
# Families (row order = family type 0..10)
# letter, name, inch step, mm step, length picture, photo
# ---------------------------------------------------------------------------
FAMILIES = [
    ("C", "Waveguide to Coax Transition", "0.5", "5", "DimCoax.gif", "PhotoCoax.gif"),
    ("D", "90" + DEG + " Twist", "0.5", "5", "DimTwist.gif", "PhotoTwist.gif"),
    ("E", "E Bend 90" + DEG, "0.5", "5", "DimEBend.gif", "PhotoEBend.gif"),
    ("F", "Flexible Twist", "0.5", "5", "DimFlexTwist.gif", "PhotoFlexTwist.gif"),
    ("H", "H Bend 90" + DEG, "0.5", "5", "DimHBend.gif", "PhotoHBend.gif"),
    ("M", "90" + DEG + " Miter H", "0.5", "5", "DimMiterH.gif", "PhotoMiterH.gif"),
    ("N", "90" + DEG + " Miter E", "0.5", "5", "DimMiterE.gif", "PhotoMiterE.gif"),
    ("P", "Pressure Window", "0.5", "5", "DimWindow.gif", "PhotoWindow.gif"),
    ("R", "Straight Section", "0.5", "10", "DimStraight.gif", "PhotoStraight.gif"),
    ("S", "90" + DEG + " Step-Twist", "0.5", "5", "DimStepTwist.gif", "PhotoStepTwist.gif"),
    ("T", "Tapered Transition", "0.5", "5", "DimTaper.gif", "PhotoTaper.gif"),
]

FINISHES = ["G", "N"]
DELIVERY = ["Stock", "1-2 Weeks", "2-3 Weeks", "4-6 Weeks", "6-8 Weeks",
            "8-10 Weeks"]


def delivery(code, slow=0):
    """Delivery estimate: common mid-range sizes ship sooner."""
    base = {"090": 0, "187": 1, "112": 1, "284": 2, "062": 2, "137": 2,
            "075": 2, "042": 3, "159": 3, "229": 3, "340": 3, "430": 4,
            "028": 4, "051": 4}[code]
    return DELIVERY[min(base + slow, len(DELIVERY) - 1)]


def max_qty(code):
    return {"090": 25, "187": 20, "112": 15, "062": 15}.get(code, 10)


def mm(inches):
    """Inches to whole millimetres as the program rounds them."""
    return int(round(inches * 25.4))


# ---------------------------------------------------------------------------
# Table writer
# ---------------------------------------------------------------------------
class Catalogue:
    def __init__(self, folder):
        self.folder = folder
        self.files = []

    def write(self, name, header, rows):
        lines = ["|".join(header)]
        for row in rows:
            fields = [str(f) for f in row]
            for f in fields:
                assert "|" not in f, (name, row)
            line = "|".join(fields)
            assert not line.endswith("|"), (name, row)
            lines.append(line)
        path = os.path.join(self.folder, name)
        with open(path, "w", encoding="cp1252", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        self.files.append(name)


def build(folder):
    cat = Catalogue(folder)

    # Family.tbl ---------------------------------------------------------
    cat.write("Family.tbl",
              ["Letter", "Family", "Inch Step", "mm Step", "Length Picture",
               "Photo"], FAMILIES)

    # WGSize.tbl ---------------------------------------------------------
    cat.write("WGSize.tbl",
              ["Code", "WR", "Inside Dimensions", "US Military", "British",
               "IEC"],
              [s[:6] for s in SIZES])

    # Flange.tbl ---------------------------------------------------------
    cat.write("Flange.tbl",
              ["Code", "Waveguide", "Flange Type", "Model", "Picture"],
              [(c, wg, FLANGE_TYPES[c][0], model, FLANGE_TYPES[c][1])
               for wg, c, model in FLANGES])

    # CoaxType.tbl -------------------------------------------------------
    cat.write("CoaxType.tbl", ["Code", "Coax Type"], COAX_TYPES)

    # Taper.tbl ----------------------------------------------------------
    rows = []
    for small, large in TAPERS:
        s, l = SIZE[small], SIZE[large]
        rows.append((small, large, "%s to %s" % (s[1], l[1]),
                     "%s - %s" % (s[1].replace("-", ""), l[1].replace("-", "")),
                     "%s / %s" % (s[4], l[4]),
                     "%s / %s" % (s[5], l[5])))
    cat.write("Taper.tbl",
              ["Small End", "Large End", "Transition", "Sizes", "British",
               "IEC"], rows)

    # StepFlange.tbl -----------------------------------------------------
    cat.write("StepFlange.tbl", ["Flange", "Waveguide"],
              [(c, wg) for wg, (fl, _, _) in STEP_TWISTS.items() for c in fl])

    # Frequency.tbl (exactly three fields per row) -----------------------
    rows = []
    for s in SIZES:
        rows.append((s[0], "S", s[6]))
        for b in sorted(s[7]):
            rows.append((s[0], b, s[7][b]))
    cat.write("Frequency.tbl", ["Waveguide", "Band", "Range"], rows)

    # WGVSWR.tbl ---------------------------------------------------------
    vswr_s = {"D": 1.10, "E": 1.05, "H": 1.05, "M": 1.10, "N": 1.10,
              "R": 1.05, "T": 1.10}
    rows = []

    def add_wg(letter, sizes):
        for code in sizes:
            for b in bands(code):
                v = vswr_s[letter] + (0.0 if b == "S" else -0.03)
                if code in ("028", "042", "051"):
                    v += 0.05  # the smallest sizes are harder to match
                rows.append((letter, code, b, "%.2f:1" % v))

    add_wg("D", TWIST_SIZES)
    add_wg("E", BEND_SIZES)
    add_wg("H", BEND_SIZES)
    add_wg("M", MITER_SIZES)
    add_wg("N", MITER_SIZES)
    add_wg("R", STRAIGHT_SIZES)
    for small, _ in TAPERS:
        for b in bands(small)[:2]:
            rows.append(("T", small, b, "1.10:1" if b == "S" else "1.06:1"))
    cat.write("WGVSWR.tbl", ["Family", "Waveguide", "Band", "VSWR"], rows)

    # CoaxVSWR.tbl -------------------------------------------------------
    rows = []
    for code, coaxes in COAX_BY_SIZE.items():
        for c in coaxes:
            for b in bands(code):
                v = 1.25 if b == "S" else 1.15
                if c in ("K", "3") and code != "028":
                    v -= 0.05
                rows.append((code, b, c, "%.2f:1" % v))
    cat.write("CoaxVSWR.tbl", ["Waveguide", "Band", "Coax", "VSWR"], rows)

    # FlexVSWR.tbl -------------------------------------------------------
    rows = []
    for code in FLEX_SIZES:
        for b in bands(code):
            for i, bp in enumerate(FLEX_BREAKPOINTS):
                v = (1.10 if b != "S" else 1.15) + 0.05 * i
                rows.append((code, b, bp, "%.2f:1" % v))
    cat.write("FlexVSWR.tbl", ["Waveguide", "Band", "Length To (in.)", "VSWR"],
              rows)

    # PressureWindows.tbl ------------------------------------------------
    rows = []
    for code, fls in WINDOWS.items():
        for c in fls:
            model = [m for wg, fc, m in FLANGES if wg == code and fc == c][0]
            rows.append((code, c, "Window for %s" % model,
                         "P%sW%s" % (code, c), WINDOW_VSWR[code]))
    cat.write("PressureWindows.tbl",
              ["Waveguide", "Flange", "Description", "Part Number", "VSWR"],
              rows)

    # StepTwist.tbl ------------------------------------------------------
    rows = []
    for code, (_, length, narrow) in STEP_TWISTS.items():
        rows.append((code, "S", SIZE[code][6], "1.15:1", "ST%sS" % code,
                     length))
        for b in narrow:
            rows.append((code, b, SIZE[code][7][b], "1.08:1",
                         "ST%s%s" % (code, b), length))
    cat.write("StepTwist.tbl",
              ["Waveguide", "Band", "Range", "VSWR", "Part Number",
               "Length (in.)"], rows)

    # Dimensions.tbl -----------------------------------------------------
    rows = []

    def fmt(x):
        return "%.1f" % x

    for code in TWIST_SIZES:
        if not special(code, 1):
            p = TWIST_LENGTH[code]
            rows.append(("D", code, fmt(p), fmt(p), mm(p), fmt(p), mm(p)))
    for letter, sizes, fam in (("E", BEND_SIZES, 2), ("H", BEND_SIZES, 4),
                               ("M", MITER_SIZES, 5), ("N", MITER_SIZES, 6)):
        for code in sizes:
            if not special(code, fam):
                lo, hi, hi_mm, d_in, d_mm = LEG_DIMS[code]
                rows.append((letter, code, fmt(lo), fmt(hi), hi_mm,
                             fmt(d_in), d_mm))
    for code in STRAIGHT_SIZES:
        if not special(code, 8):
            lo, hi, hi_mm, d_in, d_mm = STRAIGHT_DIMS[code]
            rows.append(("R", code, fmt(lo), fmt(hi), hi_mm, fmt(d_in), d_mm))
    for small, _ in TAPERS:
        if not special(small, 10):
            p = TAPER_LENGTH[small]
            rows.append(("T", small, fmt(p), fmt(p), mm(p), fmt(p), mm(p)))
    cat.write("Dimensions.tbl",
              ["Family", "Waveguide", "Min (in.)", "Max (in.)", "Max (mm)",
               "Default (in.)", "Default (mm)"], rows)

    # Flexible-twist lengths ---------------------------------------------
    cat.write("FlexSpecs.tbl", ["Waveguide", "Default (in.)", "Default (mm)"],
              [(c, FLEX_DEFAULT[0], FLEX_DEFAULT[1]) for c in FLEX_SIZES
               if not special(c, 3)])
    cat.write("FlexImperialLengths.tbl", ["Length (in.)"],
              [(x,) for x in FLEX_INCH])
    cat.write("FlexMetricLengths.tbl", ["Length (mm)"],
              [(x,) for x in FLEX_MM])

    # Prices -------------------------------------------------------------
    # Coax transitions: waveguide, band
    rows = []
    for code in COAX_BY_SIZE:
        for b in bands(code):
            p = 165.0 * factor(code) + (0 if b == "S" else 35.0)
            rows.append((code, b, SIZE[code][1] + " coax transition",
                         money(p), delivery(code, 0 if b == "S" else 1),
                         max_qty(code)))
    cat.write("CoaxPrice.tbl",
              ["Waveguide", "Band", "Description", "Price", "Delivery",
               "Max Qty"], rows)

    # 90 degree twists: waveguide, band (+ gray surcharge)
    rows = []
    for code in TWIST_SIZES:
        for b in bands(code):
            p = 240.0 * factor(code) + (0 if b == "S" else 45.0)
            rows.append((code, b, SIZE[code][1] + " 90 deg twist", money(p),
                         delivery(code, 1), max_qty(code),
                         money(15.0 * factor(code))))
    cat.write("RigidTwistPrice.tbl",
              ["Waveguide", "Band", "Description", "Price", "Delivery",
               "Max Qty", "Gray Surcharge"], rows)

    # E and H bends: priced per sample part number (unit, legs, band,
    # finish must agree; flanges do not matter)
    for letter, fam, name, base in (("E", 2, "EBendPrice.tbl", 210.0),
                                    ("H", 4, "HBendPrice.tbl", 220.0)):
        rows = []
        for code in BEND_SIZES:
            if special(code, fam):
                continue
            lo, hi, hi_mm, d_in, d_mm = LEG_DIMS[code]
            flanges = [c for wg, c, _ in FLANGES if wg == code]
            fa = flanges[0]
            legs = [("P", "%03d" % round(d_in * 10)), ("M", "%03d" % d_mm)]
            # A longer pair of legs in inches as well
            long_in = d_in * 2
            if long_in <= hi:
                legs.append(("P", "%03d" % round(long_in * 10)))
            for unit, leg in legs:
                for b in bands(code):
                    for fin in FINISHES:
                        pn = "%s%s%s%s%s%s%s%s%s" % (letter, code, unit, fa,
                                                     leg, fa, leg, b, fin)
                        p = base * factor(code)
                        if b != "S":
                            p += 30.0
                        if fin == "G":
                            p += 12.0
                        if int(leg) > (round(d_in * 10) if unit == "P" else d_mm):
                            p += 40.0
                        rows.append((code, pn, money(p), delivery(code, 1),
                                     max_qty(code)))
        cat.write(name, ["Waveguide", "Sample Part Number", "Price",
                         "Delivery", "Max Qty"], rows)

    # Flexible twists: waveguide, unit, length code, band key (S or #)
    rows = []
    for code in FLEX_SIZES:
        if special(code, 3):
            continue
        keys = ["S"] + (["#"] if len(bands(code)) > 1 else [])
        for unit, lengths in (("P", FLEX_INCH), ("M", FLEX_MM)):
            for text in lengths:
                lc = "%04d" % int(text.replace(".", "", 1))
                inches = float(text) if unit == "P" else float(text) * 0.03937
                for k in keys:
                    p = 180.0 * factor(code) + 9.0 * inches
                    if k == "#":
                        p += 25.0
                    rows.append((code, unit, lc, k,
                                 "%s flexible twist %s %s" % (
                                     SIZE[code][1], text,
                                     "in." if unit == "P" else "mm"),
                                 money(p), delivery(code, 2), max_qty(code)))
    cat.write("FlexTwistPrice.tbl",
              ["Waveguide", "Unit", "Length Code", "Band", "Description",
               "Price", "Delivery", "Max Qty"], rows)

    # Miter bends (H and E share the table): waveguide
    rows = []
    for code in MITER_SIZES:
        if special(code, 5):
            continue
        lo, hi, hi_mm, d_in, d_mm = LEG_DIMS[code]
        rows.append((code, SIZE[code][1] + " miter bend",
                     money(190.0 * factor(code)), delivery(code, 1),
                     max_qty(code), money(45.0 * factor(code)),
                     money(12.0 * factor(code)), "35.00",
                     "%.1f" % (3 * d_in)))
    cat.write("MiterBendPrice.tbl",
              ["Waveguide", "Description", "Base Price", "Delivery",
               "Max Qty", "Long Leg Surcharge", "Gray Surcharge",
               "Band Surcharge", "Leg Sum Threshold (in.)"], rows)

    # Straight sections: waveguide
    rows = []
    for code in STRAIGHT_SIZES:
        if special(code, 8):
            continue
        rows.append((code, money(95.0 * factor(code)),
                     money(30.0 * factor(code)), money(8.0 * factor(code)),
                     delivery(code, 0), max_qty(code) * 2))
    cat.write("StraightSectionPrice.tbl",
              ["Waveguide", "Base Price", "Price Per Foot", "Gray Surcharge",
               "Delivery", "Max Qty"], rows)

    # Step-twists: whole part number
    rows = []
    for code, (_, length, narrow) in STEP_TWISTS.items():
        for b in ["S"] + narrow:
            p = 420.0 * factor(code) + (0 if b == "S" else 60.0)
            rows.append(("ST%s%s" % (code, b), money(p)))
    cat.write("StepTwistPrice.tbl", ["Part Number", "Price"], rows)

    # Tapered transitions: small-end waveguide
    rows = []
    for small, large in TAPERS:
        if special(small, 10):
            continue
        rows.append((small, "%s to %s" % (SIZE[small][1], SIZE[large][1]),
                     money(260.0 * factor(large)), delivery(small, 1),
                     max_qty(small), money(14.0 * factor(large))))
    cat.write("TaperedTransitionPrice.tbl",
              ["Small End", "Transition", "Price", "Delivery", "Max Qty",
               "Gray Surcharge"], rows)

    # Conversion.tbl -------------------------------------------------------
    cat.write("Conversion.tbl", ["Old Part Number", "New Part Number",
                                 "Comment"], CONVERSIONS)
    return cat.files


CONVERSIONS = [
    ("WS-187-125-CC", "R187PA0125BSG",
     "WR-187 straight section, 12.5 in., cover and choke flanges, gray."),
    ("WS-90-120", "R090PA0120ASG",
     "WR-90 straight section, 12.0 in., cover flanges both ends, gray."),
    ("WS-137-M600", "R137MA0602CSN",
     "Metric length rounded to the nearest catalogue length (602 mm). Unpainted."),
    ("WB-90E-4", "E090PA040B040SG",
     "E-plane bend, 4.0 in. legs. Old flange order is reversed in the new number."),
    ("WB-112H-4", "H112PA040C040AG",
     "H-plane bend with cover and CPR-G flanges, 7.25-7.75 GHz band."),
    ("WT-90-4", "D090ABSG", "90" + DEG + " twist, cover to choke, gray."),
    ("WT-187", "D187CCSN", "90" + DEG + " twist with CPR-G flanges, unpainted."),
    ("WC-90-N", "C090ANSG", "Coax transition, Type N female connector."),
    ("WC-62-SMA", "C062AASG", "Coax transition, SMA female connector."),
    ("WM-90H", "M090PA040A040SG", "Miter bend, H plane, 4.0 in. legs."),
    ("WM-187E", "N187PC080C080AG", "Miter bend, E plane, 4.4-5.0 GHz band."),
    ("WF-90-12", "F090PA0120AS", "Flexible twist, 12.0 in., black finish."),
    ("WF-112-610", "F112MA0610BS", "Flexible twist, 610 mm (24 in.)."),
    ("WX-75-90", "T075AAG", "Tapered transition WR-75 to WR-90."),
    ("WX-187-229", "T187CCG", "Tapered transition WR-187 to WR-229, CPR-G flanges."),
    ("WST-284", "ST284S", "Step-twist, full WR-284 band. Flanges chosen on order."),
    ("ws-42-60", "R042PA0060ASG", "WR-42 straight section, 6.0 in."),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "data", "Data")
    os.makedirs(folder, exist_ok=True)
    files = build(folder)
    print("wrote %d tables to %s" % (len(files), os.path.normpath(folder)))


if __name__ == "__main__":
    main()
