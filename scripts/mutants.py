#!/usr/bin/env python3
"""Measures how many small faults in the product code the tests catch.

Each mutant changes one site of one file: a comparison or equality turned round, + and -
or * and / swapped, && and || (Python's and and or) swapped, true and false flipped, a float
constant nudged, or a returned sentinel changed. The sites are drawn from world/, lattice/, render/,
panel/, app/, lab/, common/, tools/ and python/ (its C++ bindings and its Python package) in a fixed
order for a seed: each directory's sites shuffled, and the directories drawn from in proportion to
their lines of code, so that any sample shares out as the code does. With --base, only the sites on
lines changed since that commit are drawn, so that a change is checked against its own new code. A
site is named by its file and its place among that file's sites, so the sample does not depend on
the code's layout. Each mutant is built, then the test programs that cover its file run, fastest
first, each under a time limit, until one fails; a test program and all it started (Xvfb, the
programs it drives, ffmpeg, a Dask cluster) are one process group, ended whole when it runs out of
time or the run is interrupted. A mutant that does not compile is not counted and the next site is
drawn.

Usage: scripts/mutants.py [--count N] [--seed S] [--base COMMIT] [--skip K] [--build DIR] [--list]
"""

import argparse
import io
import os
import random
import re
import signal
import subprocess
import sys
import time
import tokenize

DIRECTORIES = ["world", "lattice", "render", "panel", "app", "lab", "common", "tools", "python"]

# Which product files each test program exercises, through what it links and the programs it starts,
# by the start of their paths: of tools/, the lab's tests run quillmoss-terrain and the program's
# tests panel-demo.
COVERAGE = {
    "coreTests": {"app/", "panel/", "render/", "world/", "lattice/", "common/"},
    "glTests": {"app/", "panel/", "render/", "world/", "lattice/", "common/"},
    "labTests": {"lab/", "render/", "world/", "lattice/", "common/", "tools/terrain"},
    "programTests": {"app/", "panel/", "render/", "world/", "lattice/", "common/", "tools/panelDemo"},
    # The module is built on the world, its lattices, the lab's runs and sweeps and the renderer's
    # movies, and its tests reach them all.
    "pythonTests": {"python/", "world/", "lattice/", "render/", "common/", "lab/"},
}

# The Python module's tests, run by the interpreter the module is built for, with the module and the
# lab of the mutants' build.
PYTHON_TESTS = ["/usr/bin/python3", "-m", "pytest", "-q", "-x", "-p", "no:cacheprovider"]
# What each test program needs built: the gtest programs themselves, the module and the lab for pytest.
TARGETS = {"pythonTests": ["_quillmoss", "quillmoss-lab"]}

# Test programs that open windows, run under a private Xvfb.
NEEDS_DISPLAY = {"glTests", "programTests"}
XVFB = [os.path.join(os.path.dirname(os.path.abspath(__file__)), "with-display.sh")]

# A test program that runs this much longer than it did on the unchanged code counts as caught.
TIME_LIMIT_FACTOR = 3
TIME_LIMIT_GRACE = 20
# Seconds a stopped test program's group has to end on SIGTERM (Xvfb removes its lock) before SIGKILL.
STOP_GRACE = 5
# How often a running test program is looked at, in seconds.
POLL_INTERVAL = 0.1

SWAPS = {
    " < ": " > ", " > ": " < ", " <= ": " >= ", " >= ": " <= ", " == ": " != ", " != ": " == ",
    " + ": " - ", " - ": " + ", " += ": " -= ", " -= ": " += ",
    " * ": " / ", " / ": " * ", " *= ": " /= ", " /= ": " *= ",
    " && ": " || ", " || ": " && ",
}
OPERATOR = re.compile("|".join(re.escape(op) for op in sorted(SWAPS, key=len, reverse=True)))
BOOLEAN = re.compile(r"\b(true|false)\b")
FLOAT = re.compile(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\d*\.\d+(?:[eE][-+]?\d+)?|\d+[eE][-+]?\d+)([fF]?)(?![\w.])")
SENTINEL = re.compile(r"\breturn (-1|0|nullptr);")


def masked(text):
    """The text with comments, string and character literals and preprocessor lines blanked out,
    so that sites are found only in code; positions stay where they were."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            end = text.find("\n", i)
            end = n if end < 0 else end
            while end > 0 and text[end - 1] == "\\":
                nxt = text.find("\n", end + 1)
                end = n if nxt < 0 else nxt
            for k in range(i, end):
                out[k] = " "
            i = end
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            for k in range(i, end):
                out[k] = " "
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            for k in range(i, end):
                if out[k] != "\n":
                    out[k] = " "
            i = end
        elif c in "\"'":
            k = i + 1
            while k < n and text[k] != c:
                k += 2 if text[k] == "\\" else 1
            for m in range(i + 1, min(k, n)):
                out[m] = "_"
            i = k + 1
        else:
            i += 1
    return "".join(out)


def nudged(number, suffix):
    value = float(number)
    value = value * 1.1 if value != 0.0 else 0.01
    text = f"{value:.7g}"
    return (text if any(c in text for c in ".e") else text + ".0") + suffix


def sites_of(text):
    """Every site of a file as (start, end, replacement), in file order."""
    code = masked(text)
    found = []
    for m in OPERATOR.finditer(code):
        found.append((m.start(), m.end(), SWAPS[m.group(0)]))
    for m in BOOLEAN.finditer(code):
        found.append((m.start(), m.end(), "false" if m.group(1) == "true" else "true"))
    for m in FLOAT.finditer(code):
        found.append((m.start(), m.end(), nudged(m.group(1), m.group(2))))
    for m in SENTINEL.finditer(code):
        value = m.group(1)
        if value == "nullptr":
            continue
        start = m.start(1)
        found.append((start, start + len(value), "0" if value == "-1" else "-1"))
    found.sort()
    return found


PYTHON_SWAPS = {"<": ">", ">": "<", "<=": ">=", ">=": "<=", "==": "!=", "!=": "==", "+": "-", "-": "+",
                "*": "/", "/": "*", "//": "*", "and": "or", "or": "and", "True": "False", "False": "True"}


def python_sites_of(text):
    """Every site of a Python file as (start, end, replacement), in file order: operators, and, or,
    True, False and float constants, found by Python's own tokenizer, so never in strings or comments."""
    line_starts = [0]
    for line in text.splitlines(keepends=True):
        line_starts.append(line_starts[-1] + len(line))
    found = []
    for token in tokenize.generate_tokens(io.StringIO(text).readline):
        start = line_starts[token.start[0] - 1] + token.start[1]
        end = start + len(token.string)
        if token.type in (tokenize.OP, tokenize.NAME) and token.string in PYTHON_SWAPS:
            found.append((start, end, PYTHON_SWAPS[token.string]))
        elif token.type == tokenize.NUMBER and FLOAT.fullmatch(token.string):
            found.append((start, end, nudged(token.string, "")))
    return found


def sites_in(path, text):
    return python_sites_of(text) if path.endswith(".py") else sites_of(text)


def tracked_sources(root):
    listed = subprocess.run(["git", "ls-files", "--"] + DIRECTORIES, cwd=root, capture_output=True, text=True, check=True)
    return [path for path in listed.stdout.split() if path.endswith((".cpp", ".h", ".py"))]


def changed_lines(root, base):
    """For each file changed since the commit, the numbers of its lines that are new or changed."""
    diff = subprocess.run(["git", "diff", "-U0", "--no-color", base, "--"] + DIRECTORIES, cwd=root,
                          capture_output=True, text=True, check=True).stdout
    lines, path = {}, None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            path = line[len("+++ b/"):] if line.startswith("+++ b/") else None
        elif line.startswith("@@") and path:
            added = line.split("+", 1)[1].split(" ", 1)[0]
            first, _, count = added.partition(",")
            lines.setdefault(path, set()).update(range(int(first), int(first) + int(count or "1")))
    return lines


def draw_order(root, seed, changed=None):
    """Every site of the product code as (file, ordinal), in the seeded order that mutants are drawn
    in; with changed (changed_lines), only the sites on those lines."""
    rng = random.Random(seed)
    per_directory = {directory: [] for directory in DIRECTORIES}
    lines = dict.fromkeys(DIRECTORIES, 0)
    for path in sorted(tracked_sources(root)):
        if changed is not None and path not in changed:
            continue
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        directory = path.split("/")[0]
        lines[directory] += sum(1 for line in masked(text).splitlines() if line.strip())
        sites = enumerate(sites_in(path, text))
        per_directory[directory].extend((path, ordinal) for ordinal, (start, _, _) in sites
                                        if changed is None or line_of(text, start)[0] in changed[path])
    for directory in DIRECTORIES:
        rng.shuffle(per_directory[directory])
    order, drawn = [], dict.fromkeys(DIRECTORIES, 0)
    while any(per_directory.values()):
        # The directory furthest below its share of the lines so far (Sainte-Lague's divisors), so
        # that every first N sites are shared out as the code is; a tie goes to the earlier directory.
        directory = max((d for d in DIRECTORIES if per_directory[d]), key=lambda d: lines[d] / (2 * drawn[d] + 1))
        drawn[directory] += 1
        order.append(per_directory[directory].pop())
    return order


class Restorer:
    """Puts a mutated file back, on the normal path, on Ctrl+C or SIGTERM, and at the next start
    when the run before was killed outright."""

    def __init__(self, root, build):
        self.root = root
        self.note = os.path.join(build, "mutant-in-place")
        self.path = None
        self.original = None
        self.recover()

    def recover(self):
        if not os.path.exists(self.note):
            return
        with open(self.note, encoding="utf-8") as note:
            path = note.readline().rstrip("\n")
            original = note.read()
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as source:
            source.write(original)
        os.remove(self.note)
        print(f"restored {path}, left changed by an interrupted run")

    def mutate(self, path, original, mutated):
        with open(self.note, "w", encoding="utf-8") as note:
            note.write(path + "\n" + original)
        self.path, self.original = path, original
        with open(os.path.join(self.root, path), "w", encoding="utf-8") as source:
            source.write(mutated)

    def restore(self):
        if self.path is None:
            return
        with open(os.path.join(self.root, self.path), "w", encoding="utf-8") as source:
            source.write(self.original)
        os.remove(self.note)
        self.path = None


def compiles(path, text):
    """Whether a mutated file can be built: a Python file is compiled here, C++ by the build."""
    if not path.endswith(".py"):
        return True
    try:
        compile(text, path, "exec")
    except SyntaxError:
        return False
    return True


def targets(programs):
    return [target for program in programs for target in TARGETS.get(program, [program])]


def build(build_dir, targets):
    result = subprocess.run(["cmake", "--build", build_dir, "-j", str(os.cpu_count() or 2), "--target"] + targets,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return result.returncode == 0


def has_ended(process):
    """Whether the process has ended, leaving it unreaped: while it is, its number still names its
    process group, which no new process can take."""
    return os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None


def end_group(process):
    """Ends the process group the test program leads, with whatever it left running."""
    os.killpg(process.pid, signal.SIGTERM)
    deadline = time.monotonic() + STOP_GRACE
    while not has_ended(process) and time.monotonic() < deadline:
        time.sleep(POLL_INTERVAL)
    os.killpg(process.pid, signal.SIGKILL)
    process.wait()


def test_command(root, build_dir, program):
    """The command that runs a test program, and the environment it runs in."""
    if program == "pythonTests":
        environment = dict(os.environ, PYTHONPATH=os.path.join(build_dir, "python"), PYTHONDONTWRITEBYTECODE="1",
                           QUILLMOSS_LAB=os.path.join(build_dir, "bin", "quillmoss-lab"))
        return PYTHON_TESTS + [os.path.join(root, "tests", "python")], environment
    command = [os.path.join(build_dir, "bin", program), "--gtest_fail_fast", "--gtest_brief=1"]
    return (XVFB if program in NEEDS_DISPLAY else []) + command, None


def run_test(root, build_dir, program, limit):
    """True when the program passes within the limit, with the seconds it took (None past the limit)."""
    started = time.monotonic()
    command, environment = test_command(root, build_dir, program)
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True,
                               cwd=build_dir, env=environment)
    try:
        while not has_ended(process):
            if limit is not None and time.monotonic() - started > limit:
                return False, None
            time.sleep(POLL_INTERVAL)
        took = time.monotonic() - started
    finally:
        end_group(process)
    return process.returncode == 0, took


def line_of(text, position):
    number = text.count("\n", 0, position) + 1
    start = text.rfind("\n", 0, position) + 1
    end = text.find("\n", position)
    return number, text[start:end if end >= 0 else len(text)].strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=int(os.environ.get("MUTANTS", "100")))
    parser.add_argument("--seed", type=int, default=int(os.environ.get("MUTANT_SEED", "1")))
    parser.add_argument("--base", help="draw only from the lines changed since this commit")
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--skip", type=int, default=0,
                        help="leave out the first SKIP sites of the draw order: one run shared out between machines, or taken up again")
    parser.add_argument("--list", action="store_true", help="print the sample without building anything")
    options = parser.parse_args()
    root = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True, text=True, check=True).stdout.strip()
    build_dir = os.path.abspath(options.build)
    os.makedirs(build_dir, exist_ok=True)

    restorer = Restorer(root, build_dir)
    signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
    order = draw_order(root, options.seed, changed_lines(root, options.base) if options.base else None)
    if not order:
        sys.exit(f"no line of the product code that can be mutated changed since {options.base}")
    order = order[options.skip:]

    if options.list:
        for path, ordinal in order[:options.count]:
            with open(os.path.join(root, path), encoding="utf-8") as source:
                text = source.read()
            start, end, replacement = sites_in(path, text)[ordinal]
            number, _ = line_of(text, start)
            print(f"{path}:{number}: {text[start:end].strip()} -> {replacement.strip()}")
        return 0

    subprocess.run(["cmake", "-S", root, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release", "-DQUILLMOSS_TESTS=ON"], check=True, stdout=subprocess.DEVNULL)
    programs = [program for program in COVERAGE if any(path.startswith(tuple(COVERAGE[program])) for path, _ in order)]
    if not build(build_dir, targets(programs)):
        sys.exit("the unchanged code does not build")
    seconds = {}
    for program in programs:
        passed, took = run_test(root, build_dir, program, None)
        if not passed:
            sys.exit(f"{program} fails on the unchanged code: mend that first")
        seconds[program] = took
    programs.sort(key=seconds.get)
    print("test programs, fastest first: " + ", ".join(f"{p} {seconds[p]:.0f} s" for p in programs), flush=True)

    caught, survivors, tried = 0, [], 0
    try:
        for path, ordinal in order:
            if tried == options.count:
                break
            with open(os.path.join(root, path), encoding="utf-8") as source:
                original = source.read()
            start, end, replacement = sites_in(path, original)[ordinal]
            mutated = original[:start] + replacement + original[end:]
            number, changed = line_of(mutated, start)
            covering = [p for p in programs if path.startswith(tuple(COVERAGE[p]))]
            restorer.mutate(path, original, mutated)
            try:
                if not compiles(path, mutated) or not build(build_dir, targets(covering)):
                    print(f"      {path}:{number}: {changed}  (does not build, not counted)", flush=True)
                    continue
                tried += 1
                killer = None
                for program in covering:
                    passed, took = run_test(root, build_dir, program, TIME_LIMIT_FACTOR * seconds[program] + TIME_LIMIT_GRACE)
                    if not passed:
                        killer = program + ("" if took is not None else " (past its time limit)")
                        break
            finally:
                restorer.restore()
            if killer:
                caught += 1
                print(f"{tried:3} caught by {killer}: {path}:{number}: {changed}", flush=True)
            else:
                survivors.append(f"{path}:{number}: {changed}")
                print(f"{tried:3} SURVIVED: {path}:{number}: {changed}", flush=True)
    except KeyboardInterrupt:
        print("interrupted; the source is as it was", flush=True)
    finally:
        restorer.restore()

    if tried:
        print(f"\n{caught} of {tried} mutants caught ({100.0 * caught / tried:.0f} %)")
        if survivors:
            print("surviving mutants:")
            print("\n".join(survivors))
    return 0


if __name__ == "__main__":
    sys.exit(main())
