#!/usr/bin/env python3
"""Lists what breaks the size rules in the tests: files under tests/ over 500
lines, and tests (TEST, TEST_F, TEST_P bodies and Qt Test slots, in their
class or defined outside it) over 80.

  python3 scripts/test-sizes.py [--asserts]

With --asserts it counts the assertion macros too, per file and in all: the
figure to compare before and after a test is split or folded.
"""
import pathlib
import re
import sys

FILE_LIMIT, TEST_LIMIT = 500, 80
root = pathlib.Path(__file__).resolve().parent.parent
start = re.compile(r"^\s*(TEST|TEST_F|TEST_P)\s*\(|^\s*void\s+(\w+::)?\w+\s*\(\)\s*(const\s*)?\{?\s*$")
assertion = re.compile(
    r"\b(EXPECT|ASSERT)_[A-Z0-9_]+\s*\(|\bQ(COMPARE|VERIFY2?|TRY_COMPARE|TRY_VERIFY2?|FAIL|SKIP)\s*\(")
files, tests, asserts = [], [], {}
for path in sorted(root.glob("tests/**/*")):
    if path.suffix not in (".cpp", ".h"):
        continue
    lines = path.read_text().splitlines()
    name = str(path.relative_to(root))
    if len(lines) > FILE_LIMIT:
        files.append((len(lines), name))
    asserts[name] = sum(len(assertion.findall(l)) for l in lines if not l.strip().startswith("//"))
    in_slots, i = False, 0
    while i < len(lines):
        line = lines[i]
        if re.search(r"\bslots\s*:", line):
            in_slots = True
        elif re.match(r"^\s*(public|protected|private)\s*:|^};", line):
            in_slots = False
        found = start.match(line)
        if found and (found.group(1) or found.group(2) or in_slots):
            depth, j, opened = 0, i, False
            while j < len(lines):
                code = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'|//.*', "", lines[j])
                depth += code.count("{") - code.count("}")
                opened = opened or "{" in code
                if opened and depth <= 0:
                    break
                j += 1
            if j - i + 1 > TEST_LIMIT:
                tests.append((j - i + 1, f"{name}:{i + 1}", line.strip().rstrip("{ ")))
            i = j
        i += 1
print(f"files over {FILE_LIMIT} lines:")
for n, name in sorted(files, reverse=True):
    print(f"  {n:5d}  {name}")
print(f"tests over {TEST_LIMIT} lines:")
for n, where, what in sorted(tests, reverse=True):
    print(f"  {n:5d}  {where}  {what}")
if "--asserts" in sys.argv:
    print(f"assertions: {sum(asserts.values())}")
    for name, n in sorted(asserts.items()):
        if n:
            print(f"  {n:5d}  {name}")
