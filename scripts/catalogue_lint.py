#!/usr/bin/env python3
"""Consistency check of the catalogue tables in data/Data.

Loads the tables the way the configurator does and walks every family and
every waveguide size it offers: flange and coax lists, length lists in both
unit systems, frequency choices, finish, composed part numbers and their
prices. Prints one line per problem and exits 1 when there is any.

Usage:  python3 scripts/catalogue_lint.py [app-folder] [-v]
The app folder holds Data/ and Images/ (default: data/ beside scripts/).
With -v a few composed part numbers per family are listed with their price.
"""

import os
import sys
from decimal import Decimal, ROUND_HALF_EVEN, ROUND_HALF_UP

LETTERS = "CDEFHMNRT"
LETTER_TYPE = {"C": 0, "D": 1, "E": 2, "F": 3, "H": 4, "M": 5, "N": 6,
               "R": 8, "T": 10}
SPECIAL = {"028": {0, 1, 2, 4, 5, 6, 8}, "042": {10},
           "051": {1, 2, 3, 4, 5, 6, 8, 10},
           "284": {0, 1, 2, 3, 4, 5, 6, 8}, "340": {0, 1, 2, 3, 4, 5, 6, 8},
           "430": {0, 1, 2, 3, 4, 5, 6, 8}}
PRICE_FILES = ["CoaxPrice.tbl", "RigidTwistPrice.tbl", "EBendPrice.tbl",
               "HBendPrice.tbl", "FlexTwistPrice.tbl", "MiterBendPrice.tbl",
               "StraightSectionPrice.tbl", "StepTwistPrice.tbl",
               "TaperedTransitionPrice.tbl"]
ALL_FILES = ["Family.tbl", "Flange.tbl", "WGSize.tbl", "Taper.tbl",
             "CoaxType.tbl", "StepFlange.tbl", "Dimensions.tbl",
             "FlexSpecs.tbl", "FlexImperialLengths.tbl",
             "FlexMetricLengths.tbl", "Frequency.tbl", "WGVSWR.tbl",
             "FlexVSWR.tbl", "CoaxVSWR.tbl", "PressureWindows.tbl",
             "StepTwist.tbl", "Conversion.tbl"] + PRICE_FILES

problems = []


def problem(text):
    problems.append(text)


# ---------------------------------------------------------------------------
# Table reader
# ---------------------------------------------------------------------------
class Table:
    def __init__(self, lines):
        self.lines = lines

    @classmethod
    def load(cls, path, header=False):
        with open(path, "rb") as f:
            raw = f.read()
        text = raw.decode("cp1252")
        lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
        if lines and lines[-1] == "":
            lines.pop()
        t = cls(lines)
        if not header and t.lines:
            t.lines.pop(0)
        return t

    def __len__(self):
        return len(self.lines)

    def field(self, row, col):
        if col <= 0:
            return ""
        work = self.lines[row]
        cur = ""
        for _ in range(col):
            p = work.find("|")
            if p >= 0:
                cur, work = work[:p], work[p + 1:]
            else:
                cur = work
        return cur.strip(" \t\r\n\x00\x0b\x0c" + "".join(map(chr, range(33))))

    def rows(self):
        return range(len(self.lines))

    def find(self, **keys):
        """First row whose columns (c1=..., c2=...) equal the keys."""
        for r in self.rows():
            if all(self.field(r, int(k[1:])) == v for k, v in keys.items()):
                return r
        return -1

    def column(self, col):
        return [self.field(r, col) for r in self.rows()]


DATA = None
IMAGES = None
T = {}


def tbl(name):
    return T[name]


# ---------------------------------------------------------------------------
# Numbers
# ---------------------------------------------------------------------------
def fixed(x):
    """Value with four decimals (x * 10000 rounded half to even)."""
    return int(Decimal(repr(float(x)) if not isinstance(x, str) else x)
               .scaleb(4).quantize(Decimal(1), ROUND_HALF_EVEN))


def f1(fx):
    """"%.1f" of a fixed-point value."""
    return str((Decimal(fx) / 10000).quantize(Decimal("0.1"), ROUND_HALF_UP))


def whole(x):
    return int(Decimal(repr(x)).quantize(Decimal(1), ROUND_HALF_EVEN))


def inches_to_mm(x):
    return x * 25.4


def mm_to_inches(x):
    return x * 0.03937


def is_number(s):
    if s.strip() == ".":
        return False
    try:
        float(s.strip())
        return "," not in s and s.strip() != ""
    except ValueError:
        return False


def parse_decimal(s, insert_point):
    if insert_point:
        s = s[:-1] + "." + s[-1:]
    try:
        return float(s)
    except ValueError:
        return 0.0


def money(s):
    return int(Decimal(s).scaleb(4).quantize(Decimal(1), ROUND_HALF_EVEN))


def money_text(m):
    return "$" + "{:,.2f}".format(Decimal(m) / 10000)


# ---------------------------------------------------------------------------
# Part-number layout
# ---------------------------------------------------------------------------
LAYOUT = {  # type: {field: (start, end)} 1-based inclusive
    0: {2: (5, 5), 3: (6, 6), 4: (7, 7), 5: (8, 8)},
    1: {2: (5, 5), 3: (6, 6), 4: (7, 7), 5: (8, 8)},
    2: {2: (6, 6), 3: (10, 10), 4: (14, 14), 5: (15, 15), 7: (7, 9), 8: (11, 13)},
    3: {2: (6, 6), 3: (11, 11), 4: (12, 12), 7: (7, 10)},
    4: {2: (6, 6), 3: (10, 10), 4: (14, 14), 5: (15, 15), 7: (7, 9), 8: (11, 13)},
    5: {2: (6, 6), 3: (10, 10), 4: (14, 14), 5: (15, 15), 7: (7, 9), 8: (11, 13)},
    6: {2: (6, 6), 3: (10, 10), 4: (14, 14), 5: (15, 15), 7: (7, 9), 8: (11, 13)},
    7: {}, 8: {2: (6, 6), 3: (11, 11), 4: (12, 12), 5: (13, 13), 7: (7, 10)},
    9: {}, 10: {2: (5, 5), 3: (6, 6), 5: (7, 7)}, 11: {},
}


def family_type_of(pn):
    if not pn:
        return 11
    if pn[0] in LETTER_TYPE:
        return LETTER_TYPE[pn[0]]
    st = Table.load(os.path.join(DATA, "StepTwist.tbl"), header=True)
    for r in st.rows():
        if st.field(r, 5) == pn:
            return 9
    return 11


def part_field(pn, t, n):
    if n == 0:
        return pn[:1]
    if n == 1:
        return pn[1:4]
    if n == 6:
        start = max(len(pn) - 4, 0)
        return pn[start:start + 3]
    if n == 9:
        return pn[4:5] if t in (2, 3, 4, 5, 6, 8) else "N"
    if n in LAYOUT.get(t, {}):
        a, b = LAYOUT[t][n]
        return pn[a - 1:b]
    return ""


# ---------------------------------------------------------------------------
# Prices
# ---------------------------------------------------------------------------
def lookup_price(pn, t):
    """(price in ten-thousandths, delivery, max quantity)."""
    f = lambda n: part_field(pn, t, n)
    if t in (7, 11):
        return 0, "", 0
    if t == 0 or t == 1:
        p = tbl("CoaxPrice.tbl" if t == 0 else "RigidTwistPrice.tbl")
        r = p.find(c1=f(1), c2=f(4))
        if r < 0:
            return 0, "", 0
        price = money(p.field(r, 4))
        if t == 1 and f(5) == "G":
            price += money(p.field(r, 7))
        return price, p.field(r, 5), int(p.field(r, 6))
    if t == 10:
        p = tbl("TaperedTransitionPrice.tbl")
        r = p.find(c1=f(1))
        if r < 0:
            return 0, "", 0
        price = money(p.field(r, 3))
        if f(5) == "G":
            price += money(p.field(r, 6))
        return price, p.field(r, 4), int(p.field(r, 5))
    if t == 3:
        p = tbl("FlexTwistPrice.tbl")
        key = f(4) if f(4) == "S" else "#"
        for r in p.rows():
            if (p.field(r, 1) == f(1) and p.field(r, 2) == f(9)
                    and p.field(r, 4) == key and p.field(r, 3) == f(7)):
                return money(p.field(r, 6)), p.field(r, 7), int(p.field(r, 8))
        return 0, "", 0
    if t in (2, 4):
        p = tbl("EBendPrice.tbl" if t == 2 else "HBendPrice.tbl")
        for r in p.rows():
            s = p.field(r, 2)
            if (p.field(r, 1) == f(1) and s[-1:] == f(5) and s[-2:-1] == f(4)
                    and all(part_field(s, t, n) == f(n) for n in (9, 7, 8))):
                return money(p.field(r, 3)), p.field(r, 4), int(p.field(r, 5))
        return 0, "", 0
    if t in (5, 6):
        p = tbl("MiterBendPrice.tbl")
        g = lambda n: part_field(pn, 6, n)
        r = p.find(c1=g(1))
        if r < 0:
            return 0, "", 0
        price = money(p.field(r, 3))
        if g(5) == "G":
            price += money(p.field(r, 7))
        if g(4) != "S":
            price += money(p.field(r, 8))
        threshold = float(p.field(r, 9))
        if g(9) == "P":
            legs = parse_decimal(g(7), True) + parse_decimal(g(8), True)
        else:
            legs = (parse_decimal(g(7), False) + parse_decimal(g(8), False)) * 0.03937
        if legs > threshold:
            price += money(p.field(r, 6))
        return price, p.field(r, 4), int(p.field(r, 5))
    if t == 8:
        p = tbl("StraightSectionPrice.tbl")
        r = p.find(c1=f(1))
        if r < 0:
            return 0, "", 0
        if f(9) == "P":
            inches = parse_decimal(f(7), True)
        else:
            inches = mm_to_inches(parse_decimal(f(7), False))
        feet = inches / 12
        started = int(feet) + (1 if feet - int(feet) > 0 else 0)
        price = money(p.field(r, 2)) + started * money(p.field(r, 3))
        if f(5) == "G":
            price += money(p.field(r, 4))
        return price, p.field(r, 5), int(p.field(r, 6))
    if t == 9:
        p = tbl("StepTwistPrice.tbl")
        r = p.find(c1=pn)
        return (money(p.field(r, 2)) if r >= 0 else 0), \
            "Contact Brenmoor Rep.", 0
    return 0, "", 0


# ---------------------------------------------------------------------------
# Selection rules
# ---------------------------------------------------------------------------
def waveguide_list(family, letter):
    src = tbl("Taper.tbl") if family == 10 else tbl("WGSize.tbl")
    codes = src.column(1)
    if family == 0:
        have = {c.lower() for c in tbl("CoaxVSWR.tbl").column(1)}
        return [c for c in codes if c.lower() in have]
    if family == 3:
        have = {c.lower() for c in tbl("FlexVSWR.tbl").column(1)}
        return [c for c in codes if c.lower() in have]
    if family == 7:
        have = {c.lower() for c in tbl("PressureWindows.tbl").column(1)}
        return [c for c in codes if c.lower() in have]
    if family == 9:
        have = {c.lower() for c in tbl("StepTwist.tbl").column(1)}
        return [c for c in codes if c.lower() in have]
    key = {1: "D", 2: "E", 4: "E", 5: "M", 6: "N", 8: "R", 10: "T"}[family]
    v = tbl("WGVSWR.tbl")
    return [c for c in codes if v.find(c1=key, c2=c) >= 0]


def flanges_by_waveguide(code):
    fl = tbl("Flange.tbl")
    return [(fl.field(r, 1), fl.field(r, 3)) for r in fl.rows()
            if fl.field(r, 2) == code]


def coax_list(code):
    ct, cv = tbl("CoaxType.tbl"), tbl("CoaxVSWR.tbl")
    out = []
    for r in ct.rows():
        for s in cv.rows():
            if cv.field(s, 3) == ct.field(r, 1) and cv.field(s, 1) == code:
                out.append((ct.field(r, 1), ct.field(r, 2)))
    return sorted(set(out), key=lambda x: (x[0] + "|" + x[1]).lower())


def length_lists(letter, code, step_in, step_mm, adaptor=False):
    """(imperial items, metric items, default inch text, default mm text)."""
    d = tbl("Dimensions.tbl")
    r = d.find(c1=letter, c2=code)
    if r < 0:
        return None
    start = fixed(f1(fixed(d.field(r, 3))))
    end = fixed(f1(fixed(d.field(r, 4))))
    imp, v = [], start
    step = fixed(step_in)
    while v <= end:
        imp.append(f1(v))
        v += step
    met = []
    mv = whole(inches_to_mm(start / 10000))
    mend = whole(float(d.field(r, 5)))
    mstep = int(step_mm)
    while mv <= mend:
        met.append(str(mv))
        mv += mstep
    d_in = f1(fixed(d.field(r, 6)))
    d_mm = str(whole(float(d.field(r, 7))))
    if adaptor:
        d_in, d_mm = "4.0", "102"
    return imp, met, d_in, d_mm


def frequency_rows_wg(code, letter):
    fq, v = tbl("Frequency.tbl"), tbl("WGVSWR.tbl")
    rows = []
    for r in v.rows():
        if v.field(r, 2) == code and v.field(r, 1) == letter:
            for s in fq.rows():
                if fq.field(s, 1) == code and fq.field(s, 2) == v.field(r, 3):
                    rows.append(fq.lines[s] + "|" + v.field(r, 4))
    return rows


def frequency_rows_flex(code, length_text, imperial):
    fq, v = tbl("Frequency.tbl"), tbl("FlexVSWR.tbl")
    bps = sorted({v.field(r, 3) for r in v.rows() if v.field(r, 1) == code},
                 key=str.lower)
    if imperial:
        k = length_text
    else:
        k = "%.1f" % mm_to_inches(float(length_text))
    lst = bps + [k]
    lst.sort(key=float)  # stable, as the exchange sort
    idx = next(i for i, x in enumerate(lst) if float(x) == float(k))
    if idx + 1 >= len(lst):
        return None
    t = float(lst[idx + 1])
    rows = []
    for r in v.rows():
        if v.field(r, 1) == code and float(v.field(r, 3)) == t:
            for s in fq.rows():
                if fq.field(s, 1) == code and fq.field(s, 2) == v.field(r, 2):
                    rows.append(fq.lines[s] + "|" + v.field(r, 4))
    return rows


def frequency_rows_coax(code, coax):
    fq, v = tbl("Frequency.tbl"), tbl("CoaxVSWR.tbl")
    rows = []
    for r in v.rows():
        if v.field(r, 1) == code and v.field(r, 3) == coax:
            for s in fq.rows():
                if fq.field(s, 1) == code and fq.field(s, 2) == v.field(r, 2):
                    rows.append(fq.lines[s] + "|" + v.field(r, 4))
    return sorted(set(rows), key=str.lower)


def frequency_rows_window(code, flange):
    fq, pw = tbl("Frequency.tbl"), tbl("PressureWindows.tbl")
    rows = []
    for s in fq.rows():
        if fq.field(s, 1) == code and fq.field(s, 2) == "S":
            for r in pw.rows():
                if pw.field(r, 1) == code and pw.field(r, 2) == flange:
                    rows.append(fq.lines[s] + "|" + pw.field(r, 5))
    return rows


def frequency_rows_step(code):
    st = tbl("StepTwist.tbl")
    return ["|".join(st.field(r, c) for c in (1, 2, 3, 4))
            for r in st.rows() if st.field(r, 1) == code]


def choices(rows, where):
    """Bands of the choices in display order (wide band first)."""
    if rows is None:
        return []
    t = Table(list(rows))
    out = []
    for r in t.rows():
        if t.field(r, 2).upper() == "S":
            out.append((t.field(r, 2), t.field(r, 3), t.field(r, 4)))
            del t.lines[r]
            break
    for r in t.rows():
        out.append((t.field(r, 2), t.field(r, 3), t.field(r, 4)))
    labels = 1 + (1 if len(out) > 1 or (out and out[0][0].upper() != "S") else 0)
    if 16 * (len(out) + labels) + 16 > 176:
        problem("%s: %d frequency choices do not fit the box" % (where, len(out)))
    for band, rng, vswr in out:
        if len(band) != 1:
            problem("%s: band code %r is not one character" % (where, band))
    return out


def length_code(text, t):
    n = int(text.replace(".", "", 1))
    return ("%04d" if t in (3, 8) else "%03d") % n


def order_flanges(p, i, j):
    if p[i - 1] > p[j - 1]:
        p = p[:i - 1] + p[j - 1] + p[i:j - 1] + p[i - 1] + p[j:]
    return p


def compose(t, letter, code, unit, fa, fb, la, lb, band, finish):
    p = letter + code
    if t in (2, 3, 4, 5, 6, 8):
        p += unit
    p += fa
    if t in (3, 8):
        p += length_code(la, t)
    elif t in (2, 4, 5, 6):
        p += length_code(la, t)
    p += fb
    if t in (2, 4, 5, 6):
        p += length_code(lb, t)
    if t != 10:
        p += band
    if t != 3:
        p += finish
    if t in (3, 8):
        p = order_flanges(p, 6, 11)
    elif t in (2, 4):
        p = order_flanges(p, 6, 10)
    return p


# ---------------------------------------------------------------------------
# Walk of every family and size
# ---------------------------------------------------------------------------
examples = {}


def note_example(t, pn, unit):
    price, dlv, mq = lookup_price(pn, t)
    lst = examples.setdefault(t, [])
    if len([e for e in lst if e[2] == unit]) < 2 and pn not in [e[0] for e in lst]:
        lst.append((pn, money_text(price) if price else "N/A", unit, dlv))


def check_priced(t, pn, where):
    ft = family_type_of(pn)
    if ft != t:
        problem("%s: %s is read back as family %d" % (where, pn, ft))
    price, dlv, mq = lookup_price(pn, t)
    if price <= 0:
        problem("%s: %s has no price" % (where, pn))
    elif t != 9 and (not dlv or mq <= 0):
        problem("%s: %s has no delivery text or maximum quantity" % (where, pn))
    return price


def walk_family(t):
    fam = tbl("Family.tbl")
    letter = fam.field(t, 1)
    step_in, step_mm = fam.field(t, 3), fam.field(t, 4)
    sizes = waveguide_list(t, letter)
    offered = [c for c in sizes if t not in SPECIAL.get(c, set())]
    if len(offered) < 3:
        problem("family %d: only %d sizes configurable" % (t, len(offered)))
    for code in sizes:
        where = "family %d size %s" % (t, code)
        if t in SPECIAL.get(code, set()):
            continue
        # flanges
        if t == 10:
            tp = tbl("Taper.tbl")
            large = tp.field(tp.find(c1=code), 2)
            fa_list = flanges_by_waveguide(code)
            fb_list = flanges_by_waveguide(large)
        elif t == 0:
            fa_list = flanges_by_waveguide(code)
            fb_list = coax_list(code)
        elif t == 7:
            pw = tbl("PressureWindows.tbl")
            fl = tbl("Flange.tbl")
            fa_list = []
            for r in pw.rows():
                if pw.field(r, 1) == code:
                    for s in fl.rows():
                        if fl.field(s, 2) == code and fl.field(s, 1) == pw.field(r, 2):
                            fa_list.append((fl.field(s, 1), fl.field(s, 3)))
            fb_list = [("", "")]
        elif t == 9:
            sf, fl = tbl("StepFlange.tbl"), tbl("Flange.tbl")
            fa_list = []
            for r in sf.rows():
                if sf.field(r, 2) == code:
                    for s in fl.rows():
                        if fl.field(s, 1) == sf.field(r, 1) and fl.field(s, 2) == code:
                            fa_list.append((fl.field(s, 1), fl.field(s, 3)))
            fb_list = fa_list
        else:
            fa_list = fb_list = flanges_by_waveguide(code)
        if not fa_list or not fb_list:
            problem("%s: empty flange or coax list" % where)
            continue
        if len({c for c, _ in fa_list}) != len(fa_list) and t != 0:
            problem("%s: repeated flange codes" % where)
        for c, _ in fa_list + (fb_list if t != 7 else []):
            if len(c) != 1:
                problem("%s: flange/coax code %r not one character" % (where, c))

        # lengths per unit: list of (unit, [leg/length choices], default...)
        units = {}
        if t in (2, 4, 5, 6, 8):
            ll = length_lists(letter, code, step_in, step_mm)
            if ll is None:
                problem("%s: no Dimensions.tbl row" % where)
                continue
            imp, met, d_in, d_mm = ll
            for u, items, dflt in (("P", imp, d_in), ("M", met, d_mm)):
                if not items:
                    problem("%s: empty %s length list" % (where, u))
                if len(items) > 250:
                    problem("%s: %d %s lengths" % (where, len(items), u))
                if dflt not in items:
                    problem("%s: default %s not in the %s list" % (where, dflt, u))
                units[u] = (items, dflt)
            if t == 8:
                if "4.0" not in imp or "102" not in met:
                    problem("%s: flange-adaptor length not offered" % where)
            if t in (2, 4, 5, 6):
                for u, (items, _) in units.items():
                    if any(len(length_code(x, t)) > 3 for x in items):
                        problem("%s: leg code wider than 3 digits" % where)
            else:
                for u, (items, _) in units.items():
                    if any(len(length_code(x, t)) > 4 for x in items):
                        problem("%s: length code wider than 4 digits" % where)
        elif t == 3:
            fs = tbl("FlexSpecs.tbl")
            r = fs.find(c1=code)
            if r < 0:
                problem("%s: no FlexSpecs.tbl row" % where)
                continue
            imp = ["%.1f" % float(x) for x in tbl("FlexImperialLengths.tbl").column(1)]
            met = tbl("FlexMetricLengths.tbl").column(1)
            d_in = "%.1f" % float(fs.field(r, 2))
            d_mm = str(whole(float(fs.field(r, 3))))
            for u, items, dflt in (("P", imp, d_in), ("M", met, d_mm)):
                if dflt not in items:
                    problem("%s: default %s not in the %s list" % (where, dflt, u))
                units[u] = (items, dflt)
        elif t in (1, 10):
            d = tbl("Dimensions.tbl")
            if d.find(c1=letter, c2=code) < 0:
                problem("%s: no preset length (U/F)" % where)
            units["N"] = ([""], "")
        elif t == 9:
            st = tbl("StepTwist.tbl")
            for r in st.rows():
                if st.field(r, 1) == code:
                    try:
                        float(st.field(r, 6))
                    except ValueError:
                        problem("%s: step-twist length %r" % (where, st.field(r, 6)))
            units["N"] = ([""], "")
        else:
            units["N"] = ([""], "")

        # frequency choices and part numbers
        finishes = {0: ["G"], 3: [""], 7: [""], 9: [""]}.get(t, ["G", "N"])
        for unit, (items, dflt) in units.items():
            length_sets = [dflt]
            if t in (3, 8):
                length_sets = items  # every length of the list
            combos = [(dflt, fa, fb) for fa, _ in fa_list for fb, _ in fb_list]
            combos += [(x, fa_list[0][0], fb_list[0][0]) for x in length_sets
                       if x != dflt]
            for length, fa, fb in combos:
                if True:
                    if True:
                        if t == 0:
                            rows = frequency_rows_coax(code, fb)
                        elif t == 3:
                            rows = frequency_rows_flex(code, length, unit == "P")
                            if rows is None:
                                problem("%s: flex length %s %s above last breakpoint"
                                        % (where, length, unit))
                                continue
                        elif t == 7:
                            rows = frequency_rows_window(code, fa)
                        elif t == 9:
                            rows = frequency_rows_step(code)
                        else:
                            rows = frequency_rows_wg(code, letter)
                        ch = choices(rows, where)
                        if not ch:
                            problem("%s: no frequency choice (flanges %s/%s, %s %s)"
                                    % (where, fa, fb, unit, length))
                            continue
                        for band, rng, vswr in ch:
                            for fin in finishes:
                                if t == 7:
                                    pw = tbl("PressureWindows.tbl")
                                    pn = pw.field(pw.find(c1=code, c2=fa), 4)
                                    if pn[:1] in LETTERS or not pn:
                                        problem("%s: window part number %r" % (where, pn))
                                    if family_type_of(pn) != 11:
                                        problem("%s: window %s is recognised" % (where, pn))
                                    note_example(t, pn, "N")
                                    continue
                                if t == 9:
                                    st = tbl("StepTwist.tbl")
                                    pn = st.field(st.find(c1=code, c3=rng), 5)
                                    if pn[:1] in LETTERS:
                                        problem("%s: step-twist %s starts with a family letter" % (where, pn))
                                    if part_field(pn, 9, 6) != code:
                                        problem("%s: step-twist %s does not carry %s before its last character" % (where, pn, code))
                                else:
                                    pn = compose(t, letter, code, unit, fa, fb,
                                                 length, length, band, fin)
                                    # read back
                                    back = {1: code, 4: band if t != 10 else ""}
                                    if t not in (3,):
                                        back[5] = fin
                                    for n, v in back.items():
                                        if part_field(pn, t, n) != v:
                                            problem("%s: %s field %d reads %r" % (where, pn, n, part_field(pn, t, n)))
                                check_priced(t, pn, where)
                                note_example(t, pn, unit)


def check_files():
    for name in ALL_FILES:
        path = os.path.join(DATA, name)
        if not os.path.exists(path):
            problem("%s: missing" % name)
            continue
        raw = open(path, "rb").read()
        try:
            raw.decode("cp1252")
        except UnicodeDecodeError as e:
            problem("%s: not Windows-1252 (%s)" % (name, e))
        body = raw.replace(b"\r\n", b"")
        if b"\n" in body or b"\r" in body:
            problem("%s: line ends other than CR LF" % name)
        if not raw.endswith(b"\r\n"):
            problem("%s: last line without CR LF" % name)
        for i, line in enumerate(raw.split(b"\r\n")[:-1], 1):
            if line.endswith(b"|"):
                problem("%s:%d: trailing |" % (name, i))
            if name == "Frequency.tbl" and i > 1 and line.count(b"|") != 2:
                problem("%s:%d: not exactly three fields" % (name, i))
            if line.strip() == b"":
                problem("%s:%d: empty line" % (name, i))
        T[name] = Table.load(path)


def check_tables():
    fam = tbl("Family.tbl")
    if len(fam) != 11:
        problem("Family.tbl: %d rows, 11 expected" % len(fam))
    for t in range(len(fam)):
        letter = fam.field(t, 1)
        if t in LETTER_TYPE.values():
            if LETTER_TYPE.get(letter) != t:
                problem("Family.tbl: row %d letter %r" % (t, letter))
        elif letter in LETTERS or len(letter) != 1:
            problem("Family.tbl: row %d letter %r clashes" % (t, letter))
        for col in (3, 4):
            if not is_number(fam.field(t, col)) or float(fam.field(t, col)) <= 0:
                problem("Family.tbl: row %d step %r" % (t, fam.field(t, col)))
    # pictures
    pics = {"WG.gif", "NA.gif"}
    for t in range(len(fam)):
        pics |= {fam.field(t, 5), fam.field(t, 6)}
    pics |= set(tbl("Flange.tbl").column(5))
    for p in sorted(pics):
        if not os.path.exists(os.path.join(IMAGES, p)):
            problem("Images: %s missing" % p)
    # frequency rows
    fq = tbl("Frequency.tbl")
    seen = set()
    for r in fq.rows():
        key = (fq.field(r, 1), fq.field(r, 2))
        if key in seen:
            problem("Frequency.tbl: %s band %s twice" % key)
        seen.add(key)
        if len(key[1]) != 1:
            problem("Frequency.tbl: band %r" % key[1])
    for code in tbl("WGSize.tbl").column(1):
        if (code, "S") not in seen:
            problem("Frequency.tbl: no S row for %s" % code)
    for name, bc, cc in (("WGVSWR.tbl", 3, 2), ("CoaxVSWR.tbl", 2, 1),
                         ("FlexVSWR.tbl", 2, 1)):
        t = tbl(name)
        for r in t.rows():
            if (t.field(r, cc), t.field(r, bc)) not in seen:
                problem("%s:%d: band %s of %s not in Frequency.tbl"
                        % (name, r + 2, t.field(r, bc), t.field(r, cc)))
    # special-quote sizes are listed where the quote notice applies
    for code, fams in SPECIAL.items():
        for t in fams:
            if code not in waveguide_list(t, fam.field(t, 1)):
                problem("special size %s is not listed for family %d" % (code, t))
    # flexible lengths against breakpoints of every flex size
    fv = tbl("FlexVSWR.tbl")
    for code in set(fv.column(1)):
        top = max(float(fv.field(r, 3)) for r in fv.rows() if fv.field(r, 1) == code)
        for x in tbl("FlexImperialLengths.tbl").column(1):
            if float(x) > top:
                problem("FlexImperialLengths.tbl: %s above %s of %s" % (x, top, code))
        for x in tbl("FlexMetricLengths.tbl").column(1):
            if float("%.1f" % mm_to_inches(float(x))) > top:
                problem("FlexMetricLengths.tbl: %s above %s of %s" % (x, top, code))
    # codes that other tables refer to
    coax_codes = set(tbl("CoaxType.tbl").column(1))
    cv = tbl("CoaxVSWR.tbl")
    for r in cv.rows():
        if cv.field(r, 3) not in coax_codes:
            problem("CoaxVSWR.tbl:%d: coax %s not in CoaxType.tbl"
                    % (r + 2, cv.field(r, 3)))
    fl = tbl("Flange.tbl")
    fitted = {(fl.field(r, 1), fl.field(r, 2)) for r in fl.rows()}
    for name, fc, wc in (("StepFlange.tbl", 1, 2),
                         ("PressureWindows.tbl", 2, 1)):
        t = tbl(name)
        for r in t.rows():
            if (t.field(r, fc), t.field(r, wc)) not in fitted:
                problem("%s:%d: flange %s of %s not in Flange.tbl"
                        % (name, r + 2, t.field(r, fc), t.field(r, wc)))
    # step twists
    st = tbl("StepTwist.tbl")
    keys = set()
    for r in st.rows():
        key = (st.field(r, 1), st.field(r, 3))
        if key in keys:
            problem("StepTwist.tbl: %s %s twice" % key)
        keys.add(key)
        if family_type_of(st.field(r, 5)) != 9:
            problem("StepTwist.tbl: %s not read as a step-twist" % st.field(r, 5))
    # pressure windows: a standard band for each size
    pw = tbl("PressureWindows.tbl")
    for r in pw.rows():
        if (pw.field(r, 1), "S") not in seen:
            problem("PressureWindows.tbl: %s has no S band" % pw.field(r, 1))
    # tapers: flanges at both ends
    tp = tbl("Taper.tbl")
    for r in tp.rows():
        if "-" not in tp.field(r, 4) or tp.field(r, 4).count("-") != 1:
            problem("Taper.tbl:%d: sizes text %r" % (r + 2, tp.field(r, 4)))
        for c in (tp.field(r, 1), tp.field(r, 2)):
            if not flanges_by_waveguide(c):
                problem("Taper.tbl:%d: no flanges for %s" % (r + 2, c))


def setup_and_compose(pn):
    """Apply a part number as the Quick Builder does, then compose."""
    t = family_type_of(pn)
    if t == 11:
        return None, "not recognised"
    fam = tbl("Family.tbl")
    letter = fam.field(t, 1)
    unit = part_field(pn, t, 9)
    code = part_field(pn, t, 6 if t == 9 else 1)
    if code not in waveguide_list(t, letter):
        return None, "waveguide %s not listed" % code
    if t in SPECIAL.get(code, set()):
        return None, "waveguide %s special" % code
    if t == 9:
        rows = frequency_rows_step(code)
        st = tbl("StepTwist.tbl")
        return st.field(st.find(c1=code, c3=choices(rows, pn)[0][1]), 5), None
    fa, fb = part_field(pn, t, 2), part_field(pn, t, 3)
    if t == 10:
        tp = tbl("Taper.tbl")
        fbl = flanges_by_waveguide(tp.field(tp.find(c1=code), 2))
        fal = flanges_by_waveguide(code)
    elif t == 0:
        fal, fbl = flanges_by_waveguide(code), coax_list(code)
    else:
        fal = fbl = flanges_by_waveguide(code)
    if fa not in [c for c, _ in fal] or fb not in [c for c, _ in fbl]:
        return None, "flange %s/%s not offered" % (fa, fb)
    la = lb = ""
    if t in (2, 4, 5, 6, 8):
        ll = length_lists(letter, code, fam.field(t, 3), fam.field(t, 4))
        if ll is None:
            return None, "no lengths for %s" % code
        items = ll[0] if unit == "P" else ll[1]
    elif t == 3:
        items = (["%.1f" % float(x) for x in tbl("FlexImperialLengths.tbl").column(1)]
                 if unit == "P" else tbl("FlexMetricLengths.tbl").column(1))
    if t in (2, 3, 4, 5, 6, 8):
        la = next((x for x in items if length_code(x, t) == part_field(pn, t, 7)), None)
        if la is None:
            return None, "length %s not offered" % part_field(pn, t, 7)
    if t in (2, 4, 5, 6):
        lb = next((x for x in items if length_code(x, t) == part_field(pn, t, 8)), None)
        if lb is None:
            return None, "leg B %s not offered" % part_field(pn, t, 8)
    if t == 0:
        rows = frequency_rows_coax(code, fb)
    elif t == 3:
        rows = frequency_rows_flex(code, la, unit == "P")
    else:
        rows = frequency_rows_wg(code, letter)
    bands = [b for b, _, _ in choices(rows, pn)]
    band = part_field(pn, t, 4)
    if t != 10 and band not in bands:
        return None, "band %s not offered" % band
    if t == 10:
        band = bands[0] if bands else ""
    fin = part_field(pn, t, 5)
    if t not in (3,) and fin not in ("G", "N"):
        return None, "finish %r" % fin
    if t == 0 and fin != "G":
        return None, "coax transitions are gray only"
    return compose(t, letter, code, unit, fa, fb, la, lb, band, fin), None


# Part numbers that must always be configurable and priced
REQUIRED = ["R187PA0125BSG"]


def check_required():
    for pn in REQUIRED:
        got, err = setup_and_compose(pn)
        if err or got != pn:
            problem("required %s: %s" % (pn, err or "composes as " + str(got)))
        else:
            check_priced(family_type_of(pn), pn, "required")


def check_conversions():
    cv = tbl("Conversion.tbl")
    for r in cv.rows():
        old, new = cv.field(r, 1), cv.field(r, 2).upper()
        got, err = setup_and_compose(new)
        if err:
            problem("Conversion.tbl:%d: %s -> %s: %s" % (r + 2, old, new, err))
        elif got != new:
            problem("Conversion.tbl:%d: %s composes as %s" % (r + 2, new, got))
        else:
            t = family_type_of(new)
            check_priced(t, new, "Conversion.tbl:%d" % (r + 2))


def main():
    global DATA, IMAGES
    args = [a for a in sys.argv[1:] if a != "-v"]
    here = os.path.dirname(os.path.abspath(__file__))
    app = args[0] if args else os.path.join(here, "..", "data")
    DATA, IMAGES = os.path.join(app, "Data"), os.path.join(app, "Images")
    check_files()
    if not problems:
        check_tables()
        for t in range(11):
            walk_family(t)
        check_conversions()
        check_required()
    for p in problems:
        print(p)
    if "-v" in sys.argv:
        names = tbl("Family.tbl").column(2)
        for t in range(11):
            print("%2d %s" % (t, names[t].replace("\xb0", " deg")))
            for pn, price, unit, dlv in examples.get(t, []):
                print("     %-16s %-10s %s" % (pn, price, dlv))
    if problems:
        print("%d problem(s)" % len(problems))
        return 1
    print("catalogue ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
