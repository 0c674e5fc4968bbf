#!/usr/bin/env python3
"""Per test file: its lines (counted as tools/test-weight.sh counts them) and the planted
faults of tools/plant-faults.sh that a saved run of that script says it caught, with those no other file caught. The script records no expected catchers, so the faults come
from its output: tools/plant-faults.sh build-faults | tee faults.log, then
tools/fault-report.py faults.log [more.log ...] (a later log's line for a fault wins).
Faults no log names are listed at the end, so a partial run says what it left out."""
import re
import sys
from pathlib import Path

top = Path(__file__).resolve().parent.parent
tests = top / "tests"


def code_lines(path):
    return sum(1 for line in path.read_text(errors="replace").splitlines()
               if line.strip() and not line.lstrip().startswith("//"))


def fault_count():
    script = (top / "tools" / "plant-faults.sh").read_text()
    body = script.split("faults=(", 1)[1].split("\n)\n", 1)[0]
    return sum(1 for line in body.splitlines() if re.match(r"^'[^%']+%", line))


def class_files():
    """The test classes of each C++ test file."""
    found = {}
    for path in sorted(tests.rglob("*.cpp")):
        for name in re.findall(r"^class (\w+) : public QObject", path.read_text(), re.M):
            found[name] = str(path.relative_to(tests))
    return found


def ctest_files():
    """ctest names (as patterns, a ${variable} matching anything) to the shell file they run."""
    text = (tests / "CMakeLists.txt").read_text()
    found = []
    # A name is given by add_test(NAME ...); its file is the first tests/*.sh in the call or,
    # for a loop building the command first, in the set() before it.
    for match in re.finditer(r"add_test\(NAME (\S+)(.*?)\n(?=\S|\s*\n)", text, re.S):
        name, rest = match.groups()
        before = text[:match.start()].rsplit("foreach(", 1)[-1]
        script = re.search(r"(\w+\.sh)", rest) or re.search(r"(\w+\.sh)", before)
        if script:
            pattern = re.sub(r"\\\$\\\{\w+\\\}", ".*", re.escape(name))
            found.append((re.compile(pattern + "$"), script.group(1)))
    return found


def read_logs(paths):
    results = {}
    for path in paths:
        for line in Path(path).read_text(errors="replace").splitlines():
            match = re.match(r"^\s*(\d+)\. .*\(([^()]+)\): (.*)$", line)
            if match:
                results[int(match.group(1))] = match.group(3).strip()
    return results


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    classes, ctests = class_files(), ctest_files()
    results = read_logs(sys.argv[1:])
    caught = {}  # file -> fault numbers
    uncaught = []
    for number, result in sorted(results.items()):
        files = set()
        for test_class in re.findall(r"(\w+)::\w+", result):
            files.add(classes.get(test_class, test_class))
        for name in re.findall(r"\d+ - (\S+) \(Failed\)", result):
            files.update(file for pattern, file in ctests if pattern.match(name))
        if not files:
            uncaught.append(f"{number} ({result})")
        for file in files:
            caught.setdefault(file, set()).add(number)
    names = sorted({str(p.relative_to(tests)) for pattern in ("*.cpp", "*.h", "*.sh")
                    for p in tests.rglob(pattern)} | set(caught))
    print(f"{'test file':28} {'lines':>5}  faults caught (only here)")
    total = 0
    for name in names:
        path = tests / name
        lines = code_lines(path) if path.exists() else 0
        total += lines if name.endswith((".cpp", ".h")) else 0
        mine = sorted(caught.get(name, ()))
        only = [n for n in mine if all(n not in caught[o] for o in caught if o != name)]
        print(f"{name:28} {lines:5}  {len(mine)} ({len(only)})"
              + (f": {' '.join(map(str, mine))}" if mine else "")
              + (f"; only here: {' '.join(map(str, only))}" if only else ""))
    print(f"C++ test lines: {total}")
    missing = [n for n in range(1, fault_count() + 1) if n not in results]
    print(f"faults in tools/plant-faults.sh: {fault_count()}; in the logs: {len(results)}")
    if uncaught:
        print("not caught: " + "; ".join(uncaught))
    if missing:
        print("not in the logs: " + " ".join(map(str, missing)))


main()
