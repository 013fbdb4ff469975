#!/usr/bin/env python3
"""Mutation check of the window-free libraries (src/money, src/textfile, src/calculations, src/cards,
src/offers, src/plan).

Usage: mutants.py CHECKOUT [--work DIR] [--count N] [--draw N] [--only REGEX] [--list] [--timeout SEC]

CHECKOUT is the project's checkout. It is never changed: the script makes a git clone of its
committed HEAD in a temporary folder (or under --work), builds the core test programs there
(Release, Ninja), and then, one mutant at a time, changes one token or statement of one source
file, rebuilds incrementally, runs only the core test programs that link the changed library
(each under a time and memory limit) and puts the file back. Which test programs link which
library is read from the configured build; a library folder the checkout does not have yet, or
one that no core test program links, is left out (and named).

A mutant is
  killed      when a test program fails, crashes or runs past its time limit;
  survived    when every test program passes;
  equivalent  when the rebuilt object files are byte for byte those of the unchanged source
              (the compiler proves the change changes nothing); left out of the score;
  stillborn   when it does not compile; left out of the score.

The mutants are drawn deterministically (--draw: the same number draws the same mutants) from
every candidate the operators find, spread over the files in proportion to their code lines and
over the operators within a file.
--list prints the drawn mutants without building. Results go to WORK/report.txt and
WORK/results.json; the last lines printed are the score, which tests kill which mutants, and
the surviving mutants. Surviving mutants still need reading: some are equivalent in effect
without being identical in object code. On 2 cores: about 1 minute to build, then 4 to 8
seconds a mutant (100 mutants: 7 to 13 minutes).
"""
import argparse
import hashlib
import json
import os
import random
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time
from collections import defaultdict

LIBS = ["src/money", "src/textfile", "src/calculations", "src/cards", "src/offers", "src/plan"]
# The core test programs. Each mutant runs those that link its library (directly or through a
# library above it), as the configured build links them.
ALL_TESTS = ["money_tests", "calculations_tests", "cards_tests", "offers_tests", "offer_download_tests",
             "plan_tests"]


def library_archive(lib):
    """src/money is built as libplenwick_money.a."""
    return "libplenwick_" + lib.rsplit("/", 1)[1] + ".a"


def linked_tests(build):
    """For each library in LIBS, the core test programs whose link step takes its archive, read
    from build.ninja. A test program that the checkout does not define is not there."""
    text = open(os.path.join(build, "build.ninja"), encoding="utf-8").read().replace("$\n", " ")
    tests_of = {lib: [] for lib in LIBS}
    for line in text.split("\n"):
        m = re.match(r"build (\S+)[^:]*: CXX_EXECUTABLE_LINKER__", line)  # the first output is the program
        name = m and os.path.basename(m.group(1))
        if name not in ALL_TESTS:
            continue
        for lib in LIBS:
            if re.search(r"(^|[ /])" + re.escape(library_archive(lib)) + r"(\s|$)", line):
                tests_of[lib].append(name)
    return {lib: sorted(set(t), key=ALL_TESTS.index) for lib, t in tests_of.items()}


# ---------------------------------------------------------------------------------------------
# Finding candidates


def code_mask(line, in_block):
    """Per character: True where it is code (not a string or char literal, not a comment).
    Returns (mask, still_in_block_comment)."""
    mask = [False] * len(line)
    i = 0
    n = len(line)
    while i < n:
        if in_block:
            end = line.find("*/", i)
            if end < 0:
                return mask, True
            i = end + 2
            in_block = False
            continue
        c = line[i]
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            in_block = True
            i += 2
            continue
        if c == '"' or (c == "'" and not (i > 0 and line[i - 1].isalnum())):
            # a literal: skip to its closing quote (digit separators like 120'000 are not literals)
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            i = j + 1
            continue
        mask[i] = True
        i += 1
    return mask, in_block


def all_code(mask, start, end):
    return end <= len(mask) and all(mask[start:end])


# (name, pattern, replacement or function). Patterns are applied to code positions only.
# Binary operators are recognised by the blanks around them, which this tree's formatting
# always puts there (and never inside template brackets or around a pointer's "*").
SWAPS = [
    ("rel", r" <= ", " < "),
    ("rel", r" >= ", " > "),
    ("rel", r" < ", " <= "),
    ("rel", r" > ", " >= "),
    ("eq", r" == ", " != "),
    ("eq", r" != ", " == "),
    ("logic", r" && ", " || "),
    ("logic", r" \|\| ", " && "),
    ("arith", r" \+ ", " - "),
    ("arith", r" - ", " + "),
    ("arith", r" \* ", " / "),
    ("arith", r" / ", " * "),
    ("arith", r" % ", " * "),
    ("assign", r" \+= ", " -= "),
    ("assign", r" -= ", " += "),
    ("minmax", r"std::max\b", "std::min"),
    ("minmax", r"std::min\b", "std::max"),
    ("bool", r"\btrue\b", "false"),
    ("bool", r"\bfalse\b", "true"),
    ("incdec", r"\+\+", "--"),
]

CONST = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
IF_HEAD = re.compile(r"^(\s*(?:\}\s*else\s+)?if\s*)\((.*)\)(\s*\{?\s*)$")
WHILE_HEAD = re.compile(r"^(\s*while\s*)\((.*)\)(\s*\{?\s*)$")
STATEMENT = re.compile(
    r"^\s*("
    r"(\+\+|--)[\w.>\-\[\]*]+"                       # ++x
    r"|[\w]+(\+\+|--)"                              # x++
    r"|[\w.\[\]]+(->[\w]+)*\s*(=|\+=|-=)\s*[^=].*"  # x = ..., x.y += ...
    r"|[\w]+((\.|->)[\w]+)+\(.*\)"                  # obj.call(...), obj->call(...)
    r"|emit .*"
    r");\s*$")


def balanced(text):
    depth = 0
    for ch in text:
        depth += ch == "("
        depth -= ch == ")"
        if depth < 0:
            return False
    return depth == 0


def candidates_in(path, rel):
    lines = open(path, encoding="utf-8").read().split("\n")
    out = []
    in_block = False
    prev_code = ""
    for no, line in enumerate(lines, 1):
        mask, in_block_after = code_mask(line, in_block)
        stripped = line.strip()
        skip = (in_block or not stripped or stripped.startswith("#") or stripped.startswith("//")
                or "static_assert" in line or stripped.startswith("namespace")
                or stripped.startswith("using ") or stripped.startswith("template"))
        in_block = in_block_after
        if skip:
            continue

        def add(op, start, end, new):
            mutated = line[:start] + new + line[end:]
            if mutated != line:
                out.append({"file": rel, "line": no, "op": op, "start": start, "end": end,
                            "new": new, "before": line, "after": mutated})

        # "+" on text is concatenation: swapping it would only fail to build.
        has_text = '"' in line or re.search(r"'.'", line) or "QString" in line
        for op, pattern, repl in SWAPS:
            if op == "arith" and has_text:
                continue
            for m in re.finditer(pattern, line):
                if all_code(mask, m.start(), m.end()):
                    add(op, m.start(), m.end(), repl)
        pure_virtual = "virtual" in line and re.search(r"=\s*0\s*;", line)
        for m in CONST.finditer(line):
            if (all_code(mask, m.start(), m.end()) and not pure_virtual
                    and not line[:m.start()].rstrip().endswith("[")):
                add("const", m.start(), m.end(), str(int(m.group(1)) + 1))
        for head, op in ((IF_HEAD, "if"), (WHILE_HEAD, "while")):
            m = head.match(line)
            if m and balanced(m.group(2)) and all_code(mask, len(m.group(1)), len(m.group(1)) + 1):
                inner_start = len(m.group(1)) + 1
                inner_end = inner_start + len(m.group(2))
                add(op + "-negate", inner_start, inner_end, "!(" + m.group(2) + ")")
                if op == "if":  # the branch never taken: "delete a return branch"
                    add("if-never", inner_start, inner_end, "false")
        # A whole statement dropped (an empty statement keeps an unbraced if/for valid).
        starts_statement = prev_code.endswith((";", "{", "}", ")")) or prev_code == ""
        indent = len(line) - len(line.lstrip())
        if STATEMENT.match(line) and starts_statement and mask[indent]:
            add("stmt-drop", indent, len(line.rstrip()), ";")
        if stripped:
            prev_code = stripped.split("//")[0].rstrip()
    return out, sum(1 for l in lines if l.strip() and not l.strip().startswith("//"))


def find_candidates(root, libs):
    per_file = {}
    for lib in libs:
        folder = os.path.join(root, lib)
        for name in sorted(os.listdir(folder)):
            if name.endswith((".cpp", ".h")):
                rel = f"{lib}/{name}"
                per_file[rel] = candidates_in(os.path.join(folder, name), rel)
    return per_file


def draw(per_file, count, draw_number):
    """Spreads `count` mutants over the files by code lines, and within a file over operators."""
    rng = random.Random(draw_number)
    files = {f: c for f, c in per_file.items() if c[0]}
    total_lines = sum(sloc for _, sloc in files.values())
    quota = {f: max(1, round(count * sloc / total_lines)) for f, (_, sloc) in files.items()}
    chosen = []
    for f, (cands, _) in sorted(files.items()):
        by_op = defaultdict(list)
        for c in cands:
            by_op[c["op"]].append(c)
        for group in by_op.values():
            rng.shuffle(group)
        ops = sorted(by_op)
        rng.shuffle(ops)
        picked = []
        while len(picked) < min(quota[f], len(cands)):
            for op in ops:
                if by_op[op] and len(picked) < quota[f]:
                    picked.append(by_op[op].pop())
        chosen.extend(sorted(picked, key=lambda c: (c["line"], c["start"])))
    return chosen


# ---------------------------------------------------------------------------------------------
# Building and running


def run(cmd, cwd, timeout=None, env=None, limit_memory=False):
    def limits():
        if limit_memory:
            resource.setrlimit(resource.RLIMIT_AS, (8 << 30, 8 << 30))
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
    return subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, timeout=timeout, env=env,
                          preexec_fn=limits, errors="replace")


def object_hashes(build):
    hashes = {}
    for base, _, names in os.walk(build):
        for name in names:
            if name.endswith(".o"):
                p = os.path.join(base, name)
                with open(p, "rb") as fh:
                    hashes[p] = (os.stat(p).st_mtime_ns, hashlib.sha256(fh.read()).hexdigest())
    return hashes


def test_paths(build):
    paths = {}
    for base, _, names in os.walk(os.path.join(build, "tests")):
        for name in names:
            if name in ALL_TESTS:
                paths[name] = os.path.join(base, name)
    return paths


def run_tests(names, paths, env, limits):
    """Every test that fails, as "program: Suite.Test" (or "program: time-out" / "program: exit N"
    where the program stops as a whole). Empty when everything passes. All the programs run to
    the end, so that the report can tell which tests kill which mutants."""
    killers = []
    for name in names:
        try:
            r = run([paths[name], "--gtest_brief=1"], cwd=os.path.dirname(paths[name]),
                    timeout=limits[name], env=env, limit_memory=True)
        except subprocess.TimeoutExpired:
            killers.append(f"{name}: time-out after {limits[name]:.0f} s")
            continue
        if r.returncode != 0:
            failed = sorted(set(re.findall(r"\[  FAILED  \] ([\w/.]+)", r.stdout)))
            if failed and r.returncode == 1:
                killers += [f"{name}: {t}" for t in failed]
            else:
                killers.append(f"{name}: exit status {r.returncode}")
    return killers


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("checkout")
    ap.add_argument("--work", help="folder for the clone, the build and the report (default: a new temporary one)")
    ap.add_argument("--count", type=int, default=100, help="how many mutants to draw (default 100)")
    ap.add_argument("--draw", type=int, default=20261206, help="which deterministic draw of mutants")
    ap.add_argument("--only", help="draw only from files whose path matches this regular expression, such as src/(cards|offers)/")
    ap.add_argument("--list", action="store_true", help="print the drawn mutants and stop")
    ap.add_argument("--timeout", type=float, default=0, help="seconds per test program (default: 10 x its baseline, at least 20)")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = ap.parse_args()

    checkout = os.path.abspath(args.checkout)
    work = os.path.abspath(args.work) if args.work else tempfile.mkdtemp(prefix="plenwick-mutants-")
    os.makedirs(work, exist_ok=True)
    src = os.path.join(work, "src")
    build = os.path.join(work, "build")
    if os.path.realpath(src) == os.path.realpath(checkout):
        sys.exit("the work folder must not be the checkout")

    if not os.path.isdir(os.path.join(src, ".git")):
        r = run(["git", "clone", "--quiet", "--no-hardlinks", checkout, src], cwd=work)
        if r.returncode != 0:
            sys.exit("git clone failed: " + r.stderr)
    else:  # a rerun in the same work folder: the checkout's current HEAD, on a clean tree
        run(["git", "checkout", "--quiet", "--", "."], cwd=src)
        r = run(["git", "fetch", "--quiet", checkout, "HEAD"], cwd=src)
        if r.returncode != 0 or run(["git", "reset", "--quiet", "--hard", "FETCH_HEAD"], cwd=src).returncode != 0:
            sys.exit("could not bring the clone up to the checkout's HEAD: " + r.stderr)
    head = run(["git", "rev-parse", "--short", "HEAD"], cwd=src).stdout.strip()

    # Configured every time, so that a rerun sees the libraries and tests the checkout has now.
    r = run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
             "-DPLENWICK_BUILD_BENCHMARKS=OFF", "-DPLENWICK_BUILD_FUZZERS=OFF"], cwd=work)
    if r.returncode != 0:
        sys.exit("configure failed:\n" + r.stdout[-2000:] + r.stderr[-2000:])
    tests_of = linked_tests(build)
    libs = []
    for lib in LIBS:
        if not os.path.isdir(os.path.join(src, lib)):
            print(f"{lib}: not in this checkout; left out")
        elif not tests_of[lib]:
            print(f"{lib}: no core test program links it; left out")
        else:
            libs.append(lib)
            print(f"{lib}: tested by {', '.join(tests_of[lib])}")
    all_tests = [t for t in ALL_TESTS if any(t in tests_of[lib] for lib in libs)]

    per_file = find_candidates(src, libs)
    if args.only:
        per_file = {f: c for f, c in per_file.items() if re.search(args.only, f)}
    mutants = draw(per_file, args.count, args.draw)
    found = sum(len(c) for c, _ in per_file.values())
    print(f"checkout {checkout} at {head}; {found} candidates, {len(mutants)} drawn; work folder {work}")
    if args.list:
        for i, m in enumerate(mutants, 1):
            print(f"M{i:03d} {m['file']}:{m['line']} {m['op']}: {m['before'].strip()}  ->  {m['after'].strip()}")
        return

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tempfile.mkdtemp(prefix="xdg-", dir=work))
    env.pop("CCACHE_DISABLE", None)
    t0 = time.time()
    r = run(["ninja", "-j", str(args.jobs), *all_tests], cwd=build)
    if r.returncode != 0:
        sys.exit("the unchanged tree does not build:\n" + r.stdout[-3000:])
    print(f"baseline build {time.time() - t0:.0f} s")
    paths = test_paths(build)
    missing = [t for t in all_tests if t not in paths]
    if missing:
        sys.exit(f"test programs not found: {missing}")

    limits = {}
    for name in all_tests:
        t1 = time.time()
        why = run_tests([name], paths, env, {name: 600})
        took = time.time() - t1
        if why:
            sys.exit(f"the unchanged tree fails its own tests: {why[:5]}")
        limits[name] = args.timeout or max(20.0, 10 * took)
    print("baseline tests pass; limits " + ", ".join(f"{n} {s:.0f} s" for n, s in limits.items()))
    baseline = object_hashes(build)

    results = []
    started = time.time()
    for i, m in enumerate(mutants, 1):
        path = os.path.join(src, m["file"])
        original = open(path, encoding="utf-8").read()
        lines = original.split("\n")
        if lines[m["line"] - 1] != m["before"]:
            sys.exit(f"{m['file']}:{m['line']} is not what was read")
        lines[m["line"] - 1] = m["after"]
        lib = m["file"].rsplit("/", 1)[0]
        tests = tests_of[lib]
        began = time.time_ns()
        killers = []
        with open(path, "w", encoding="utf-8") as fh:
            fh.write("\n".join(lines))
        try:
            b = run(["ninja", "-j", str(args.jobs), *tests], cwd=build)
            if b.returncode != 0:
                outcome, why = "stillborn", (re.findall(r"error: (.*)", b.stdout) or ["build failed"])[0][:120]
            else:
                rebuilt = {p: h for p, h in object_hashes(build).items() if h[0] >= began}
                if rebuilt and all(p in baseline and baseline[p][1] == h[1] for p, h in rebuilt.items()):
                    outcome, why = "equivalent", "identical object code"
                else:
                    killers = run_tests(tests, paths, env, limits)
                    outcome = "killed" if killers else "survived"
                    why = f"{len(killers)} failing: {killers[0]}" if killers else ""
        finally:
            with open(path, "w", encoding="utf-8") as fh:
                fh.write(original)
        m = dict(m, id=f"M{i:03d}", outcome=outcome, why=why or "", killers=killers if outcome == "killed" else [])
        results.append(m)
        print(f"{m['id']} {outcome:10s} {m['file']}:{m['line']} {m['op']}: {m['after'].strip()[:90]}"
              + (f"   [{why}]" if why and outcome != 'survived' else ""), flush=True)

    counts = defaultdict(int)
    for r_ in results:
        counts[r_["outcome"]] += 1
    scored = counts["killed"] + counts["survived"]
    lines = [f"checkout {checkout} at {head}, draw {args.draw}, {len(results)} mutants in "
             f"{(time.time() - started) / 60:.1f} min",
             f"killed {counts['killed']}, survived {counts['survived']}, equivalent (identical objects) "
             f"{counts['equivalent']}, stillborn (no build) {counts['stillborn']}",
             f"mutation score: {counts['killed']}/{scored} = {100 * counts['killed'] / max(1, scored):.0f} %",
             "", "per file (killed/scored):"]
    per = defaultdict(lambda: [0, 0])
    for r_ in results:
        if r_["outcome"] in ("killed", "survived"):
            per[r_["file"]][1] += 1
            per[r_["file"]][0] += r_["outcome"] == "killed"
    lines += [f"  {f}: {k}/{n}" for f, (k, n) in sorted(per.items())]
    # Which tests kill which mutants: a test that is the only killer of some mutant is needed;
    # one that kills nothing the others do not also kill adds no fault-finding power here.
    kills = defaultdict(set)
    for r_ in results:
        for k in r_.get("killers", []):
            kills[k].add(r_["id"])
    sole = defaultdict(list)
    for r_ in results:
        ks = r_.get("killers", [])
        if len(ks) == 1:
            sole[ks[0]].append(r_["id"])
    lines += ["", "tests that are the only killer of a mutant:"]
    lines += [f"  {k}: {', '.join(v)}" for k, v in sorted(sole.items())]
    lines += ["", "tests by mutants killed:"]
    lines += [f"  {len(v):3d} {k}" for k, v in sorted(kills.items(), key=lambda kv: -len(kv[1]))]
    lines += ["", "surviving mutants:"]
    lines += [f"  {r_['id']} {r_['file']}:{r_['line']} {r_['op']}:\n      {r_['before'].strip()}\n   -> {r_['after'].strip()}"
              for r_ in results if r_["outcome"] == "survived"]
    report = "\n".join(lines)
    with open(os.path.join(work, "report.txt"), "w") as fh:
        fh.write(report + "\n")
    with open(os.path.join(work, "results.json"), "w") as fh:
        json.dump(results, fh, indent=1)
    print()
    print(report)


if __name__ == "__main__":
    main()
