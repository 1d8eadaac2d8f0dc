#!/usr/bin/env python3
"""Seeded mutation check of the product code (not run by CI: it takes about an hour).

Copies the tree to a scratch folder, plants one small fault at a time in the product
code (comparison flips, && and || swapped, true and false swapped, a "+ 1" or "- 1"
dropped, a call statement deleted), builds incrementally in one build folder with
ccache, runs ctest and says which mutants the suite killed and with which tests.

  scripts/mutants.py --seed 38 --count 60 --out report.json    # draw and run a sample
  scripts/mutants.py --sample tests/mutants/sample-38.json       # the same mutants again
  scripts/mutants.py --sample S.json --extra "scripts/e2e.sh"    # the extra command counts too
  scripts/mutants.py --list                                      # candidates per folder
  scripts/mutants.py --sample S.json --shard 0/2 --build-dir /tmp/m0/build --out r0.json &
  scripts/mutants.py --sample S.json --shard 1/2 --build-dir /tmp/m1/build --out r1.json
  scripts/mutants.py --join r0.json r1.json --out report.json     # two halves side by side

A mutant is named by file, the stripped text of its line, operator and occurrence, so a
sample re-applies to a later tree; a mutant whose line is no longer there is "gone".
"""
import argparse, json, os, random, re, shutil, subprocess, sys, tempfile, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT_DIRS = ["app", "catalogue", "check", "cli", "controls", "entry", "orders", "printing", "update",
                "wizard"]
SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&",
         "true": "false", "false": "true"}
# Spaces around the operator keep templates, includes and streams out.
OPERATORS = [
    ("cmp", re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")),
    ("logic", re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")),
    ("bool", re.compile(r"\b(true|false)\b")),
    ("plus-minus-1", re.compile(r"\s[+-]\s1(?![\w.'])")),
]
CALL = re.compile(r"^(::)?[A-Za-z_][\w:]*(\.|->|::|[\w:])*(\s*<[\w:, ]*>)?\(.*\);$")
NOT_CALLS = ("return", "if", "while", "for", "switch", "delete", "throw", "case", "sizeof",
             "static_assert", "Q_OBJECT", "Q_", "emit")


def code_mask(line):
    """The line with string and char literals and the // comment blanked out."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            if c == "'" and i > 0 and line[i - 1].isalnum():  # digit separator 1'000
                out.append(c)
            else:
                quote = c
                out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def product_files(root):
    files = []
    for d in PRODUCT_DIRS:
        for base, _, names in os.walk(os.path.join(root, d)):
            files += [os.path.relpath(os.path.join(base, n), root) for n in names
                      if n.endswith((".cpp", ".h"))]
    return sorted(files)


def sites_in_line(text):
    """(operator, occurrence) pairs for one line, in order."""
    stripped = text.strip()
    if not stripped or stripped.startswith(("#", "//", "/*", "*")):
        return []
    code = code_mask(text)
    sites = []
    for op, rx in OPERATORS:
        sites += [(op, k) for k, _ in enumerate(rx.finditer(code))]
    s = code.strip()
    if CALL.match(s) and not s.startswith(NOT_CALLS) and s.count("(") == s.count(")"):
        sites.append(("delete-call", 0))
    return sites


def candidates(root):
    out = []
    for f in product_files(root):
        seen = {}
        with open(os.path.join(root, f), encoding="latin-1") as fh:
            for line in fh.read().split("\n"):
                key = line.strip()
                dup = seen.get(key, 0)
                seen[key] = dup + 1
                out += [{"file": f, "line": key, "dup": dup, "op": op, "occurrence": k}
                        for op, k in sites_in_line(line)]
    return out


def mutate(root, m):
    """The file's new text with mutant m planted, or None when its line is gone."""
    path = os.path.join(root, m["file"])
    if not os.path.exists(path):  # moved to another folder since the sample was drawn
        moved = [f for f in product_files(root) if os.path.basename(f) == os.path.basename(m["file"])]
        if len(moved) != 1:
            return None, None
        m["file"], path = moved[0], os.path.join(root, moved[0])
    with open(path, encoding="latin-1") as fh:
        lines = fh.read().split("\n")
    hits = [i for i, l in enumerate(lines) if l.strip() == m["line"]]
    if len(hits) <= m["dup"]:
        return None, None
    i = hits[m["dup"]]
    line, code = lines[i], code_mask(lines[i])
    if m["op"] == "delete-call":
        new = line[: len(line) - len(line.lstrip())] + ";"
        desc = "deleted"
    else:
        rx = dict(OPERATORS)[m["op"]]
        found = list(rx.finditer(code))
        if len(found) <= m["occurrence"]:
            return None, None
        hit = found[m["occurrence"]]
        repl = "" if m["op"] == "plus-minus-1" else SWAPS[hit.group(1)]
        new = line[: hit.start()] + repl + line[hit.end():]
        desc = "%r -> %r" % (hit.group(0).strip(), repl)
    lines[i] = new
    return "\n".join(lines), "%s:%d %s" % (m["file"], i + 1, desc)


def run(cmd, cwd, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, shell=isinstance(cmd, str), timeout=timeout,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        return "timeout", (e.stdout or b"").decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or "")


def suite(a, src, build):
    """Failing test names of one run ([] when green)."""
    cmd = ["ctest", "--test-dir", build, "-j", str(a.jobs), "--timeout", str(a.test_timeout)]
    if a.tests:
        cmd += ["-R", a.tests]
    rc, out = run(cmd, src, a.suite_timeout)
    failed = re.findall(r"^\s*\d+ - (\S+)", out.split("The following tests FAILED:")[-1], re.M) \
        if "The following tests FAILED:" in out else []
    if rc == "timeout":
        failed.append("(suite timeout)")
    elif rc != 0 and not failed:
        failed.append("(ctest exit %s)" % rc)
    # The extra command is slow (the end-to-end suite): it can only turn a survivor into a
    # kill, so it runs only when ctest passed.
    if a.extra and not failed:
        env_cmd = "CORVANE_BUILD_DIR=%s %s" % (build, a.extra)
        erc, _ = run(env_cmd, src, a.suite_timeout)
        if erc != 0:
            failed.append("(extra: %s)" % a.extra)
    return failed


def ratio(root):
    def count(paths):
        n = 0
        for p in paths:
            with open(os.path.join(root, p), encoding="latin-1") as fh:
                n += sum(1 for l in fh if l.strip())
        return n
    prod = count(product_files(root))
    tests = [os.path.relpath(os.path.join(b, n), root) for b, _, names in os.walk(os.path.join(root, "tests"))
             for n in names if n.endswith((".cpp", ".h", ".py"))]
    folders = {}
    for p in tests:
        folders.setdefault(p.split("/")[1], []).append(p)
    print("product code %d lines" % prod)
    total = 0
    for d in sorted(folders):
        n = count(folders[d])
        total += n
        print("  tests/%-10s %6d" % (d, n))
    cases = sum(count(v) for k, v in folders.items() if k not in ("fuzz", "support"))
    print("tests %d (%.0f %%), hand-written cases %d (%.0f %%)" % (total, 100 * total / prod, cases, 100 * cases / prod))


def tally(results):
    return {status: sum(x["status"] == status for x in results)
            for status in ("killed", "survived", "uncompilable", "gone")}


def join(paths, out):
    results, base_fail = [], set()
    for path in paths:
        with open(path) as fh:
            r = json.load(fh)
        results += r["mutants"]
        base_fail |= set(r["baseline_failing"])
    results.sort(key=lambda m: m["index"])
    with open(out, "w") as fh:
        json.dump({"score": tally(results), "baseline_failing": sorted(base_fail), "mutants": results}, fh, indent=1)
        fh.write("\n")
    print("%s: %s" % (out, tally(results)))


def summary(paths):
    reports = []
    for path in paths:
        with open(path) as fh:
            reports.append(json.load(fh))
    for r, path in zip(reports, paths):
        print("%s: %s" % (path, r["score"]))
    keys = {}
    for i, r in enumerate(reports):
        for m in r["mutants"]:
            key = (os.path.basename(m["file"]), m["line"], m["dup"], m["op"], m["occurrence"])
            keys.setdefault(key, [None] * len(reports))[i] = m
    for key, ms in keys.items():
        first = next(m for m in ms if m)
        print("%-60s %s" % ((first.get("where") or first["file"])[:60],
                            " ".join("%-12s" % (m["status"] if m else "-") for m in ms)))
        last = ms[-1]
        if last and last.get("killed_by"):
            print("%60s by %s" % ("", ", ".join(last["killed_by"][:6])))


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--seed", type=int, default=38)
    p.add_argument("--count", type=int, default=60)
    p.add_argument("--sample", help="re-apply the mutants of this sample JSON")
    p.add_argument("--write-sample", help="write the drawn sample here")
    p.add_argument("--jobs", type=int, default=2)
    p.add_argument("--build-dir", default=os.path.join(tempfile.gettempdir(), "corvane-mutants", "build"))
    p.add_argument("--tests", help="ctest -R filter (default: every test)")
    p.add_argument("--extra", help="a further command, run in the scratch tree for a mutant ctest did not kill")
    p.add_argument("--test-timeout", type=int, default=120, help="seconds per ctest test")
    p.add_argument("--suite-timeout", type=int, default=900, help="seconds per suite run")
    p.add_argument("--out", default="mutants-report.json")
    p.add_argument("--source", default=ROOT, help="the tree to mutate (default: this one)")
    p.add_argument("--resume", metavar="REPORT", help="keep the mutants this report has run")
    p.add_argument("--list", action="store_true", help="only count the candidate sites")
    p.add_argument("--ratio", action="store_true", help="only print test/product line counts")
    p.add_argument("--shard", metavar="K/N", help="run only every N-th mutant from the K-th (0-based), "
                   "so N runs with their own --build-dir can share the machine")
    p.add_argument("--join", nargs="+", metavar="REPORT", help="only join the reports of the shards into --out")
    p.add_argument("--summary", nargs="+", metavar="REPORT",
                   help="only compare reports: each mutant's status in each, and the killers")
    a = p.parse_args()
    if a.ratio:
        return ratio(ROOT)
    if a.summary:
        return summary(a.summary)
    if a.join:
        return join(a.join, a.out)
    if a.list:
        c = candidates(ROOT)
        for d in PRODUCT_DIRS:
            print(d, sum(1 for m in c if m["file"].startswith(d + "/")))
        print("total", len(c))
        return
    if a.sample:
        with open(a.sample) as fh:
            sample = json.load(fh)["mutants"]
    else:
        c = candidates(ROOT)
        sample = random.Random(a.seed).sample(c, a.count)
        with open(a.write_sample or "mutants-sample-%d.json" % a.seed, "w") as fh:
            json.dump({"seed": a.seed, "count": a.count, "mutants": sample}, fh, indent=1)
            fh.write("\n")
    for i, m in enumerate(sample):
        m["index"] = i
    if a.shard:
        k, n = (int(x) for x in a.shard.split("/"))
        sample = sample[k::n]

    build = os.path.abspath(a.build_dir)
    os.environ.setdefault("CCACHE_BASEDIR", os.path.dirname(build))
    src = os.path.join(os.path.dirname(build), "src")
    # A fresh copy keeps each file's time, so the build folder rebuilds only what changed.
    source = os.path.abspath(a.source)
    shutil.rmtree(src, ignore_errors=True)
    shutil.copytree(source, src, ignore=lambda d, names: [n for n in names if n == ".git" or
                                                         (d == source and n == "build")])
    # A run stopped mid-mutant left that file's mutated objects in the build folder: the
    # fresh copy is older than them, so make it newer.
    dirty = os.path.join(build, "mutant-in-place")
    if os.path.exists(dirty):
        with open(dirty) as fh:
            planted = os.path.join(src, fh.read().strip())
        if os.path.exists(planted):
            os.utime(planted)
        os.remove(dirty)
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                        "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], check=True, stdout=subprocess.DEVNULL)
    make = ["cmake", "--build", build, "-j", str(a.jobs)]
    rc, out = run(make, src, 7200)
    if rc != 0:
        sys.exit("the unmutated tree does not build:\n" + out[-3000:])
    base_fail = set(suite(a, src, build))
    print("baseline: %s" % ("green" if not base_fail else "failing " + ", ".join(sorted(base_fail))), flush=True)

    results = []
    if a.resume:
        with open(a.resume) as fh:
            results = json.load(fh)["mutants"]
    for n, m in enumerate(sample, 1):
        if n <= len(results):
            continue
        r = dict(m)
        text, where = mutate(src, r)
        path = os.path.join(src, r["file"])
        t0 = time.time()
        if text is None:
            r["status"] = "gone"
        else:
            with open(path, encoding="latin-1") as fh:
                original = fh.read()
            r["where"] = where
            with open(dirty, "w") as fh:
                fh.write(r["file"])
            try:
                with open(path, "w", encoding="latin-1") as fh:
                    fh.write(text)
                rc, out = run(make, src, 1800)
                if rc != 0:
                    # Also a build step that runs the program (the manual page from --help).
                    r["status"] = "uncompilable"
                    r["build_error"] = next((l for l in out.splitlines() if "error" in l.lower()), "")[:300]
                else:
                    failed = [t for t in suite(a, src, build) if t not in base_fail]
                    r["status"] = "killed" if failed else "survived"
                    r["killed_by"] = failed
            finally:
                with open(path, "w", encoding="latin-1") as fh:
                    fh.write(original)
                rc, _ = run(make, src, 7200)  # the unmutated build, before the mark goes
                if rc == 0:
                    os.remove(dirty)
        r["seconds"] = round(time.time() - t0)
        results.append(r)
        print("[%d/%d] %-12s %s%s" % (n, len(sample), r["status"], where or m["file"] + ": " + m["line"],
                                      "  by " + ", ".join(r.get("killed_by", [])[:4]) if r.get("killed_by") else ""),
              flush=True)
        score = tally(results)
        with open(a.out, "w") as fh:
            json.dump({"score": score, "baseline_failing": sorted(base_fail), "mutants": results}, fh, indent=1)
            fh.write("\n")
    score = tally(results)
    k, s = score["killed"], score["survived"]
    print("score: %d killed / %d counted = %.0f %% (%d uncompilable, %d gone)"
          % (k, k + s, 100.0 * k / max(1, k + s), score["uncompilable"], score["gone"]))


if __name__ == "__main__":
    main()
