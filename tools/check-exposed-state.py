#!/usr/bin/env python3
"""Fails when the rules hand out their state: a public data member that is not
const, or a public getter that returns a mutable reference, in a class of
src/rules; a const_cast in src/rules; or a window given a mutable Game.
Plain structs of values (events, table rows) and the test-only set-up door
(src/rules/setup) are not state holders and are left out."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "src")
problems = []

member = re.compile(r"^\s*(?=\S)(?!return\b|using\b|friend\b|static\b|constexpr\b|typedef\b|enum\b|template\b)"
                    r"(?!const\b)[\w:<>,\s\*&]+?\s+\w+(\s*=[^;]*|\{[^;]*\})?;\s*(//.*)?$")
mutable_getter = re.compile(r"^\s*(?=\S)(?!const\b)(?!static\b)[\w:<>,]+\s*&\s*\w+\([^)]*\)\s*(?!const)(\{|;|override)")

for header in sorted((root / "rules").rglob("*.h")):
    if "setup" in header.parts:
        continue
    depth = 0
    stack = []  # [kind, depth at its opening, access now]
    for number, line in enumerate(header.read_text().splitlines(), 1):
        stripped = line.strip()
        opened = re.match(r"^(class|struct)\s+\w+[^;]*\{", stripped)
        if opened:
            stack.append([opened.group(1), depth, "private" if opened.group(1) == "class" else "public"])
        elif stack and re.match(r"^(public|private|protected):", stripped):
            stack[-1][2] = stripped.split(":")[0]
        # A member stands right inside its class, not in a function body.
        top = stack[-1] if stack and not opened and depth == stack[-1][1] + 1 else None
        depth += line.count("{") - line.count("}")
        while stack and depth <= stack[-1][1]:
            stack.pop()
        # Only classes hold state behind operations; structs are plain values.
        if top is None or top[0] != "class" or top[2] != "public":
            continue
        if "(" not in stripped and member.match(line):
            problems.append(f"{header.relative_to(root)}:{number}: public data member: {stripped}")
        elif mutable_getter.match(line):
            problems.append(f"{header.relative_to(root)}:{number}: getter handing out a mutable reference: {stripped}")

for source in sorted((root / "rules").rglob("*")):
    if source.suffix in (".h", ".cpp") and "const_cast" in source.read_text():
        problems.append(f"{source.relative_to(root)}: const_cast")

for source in sorted((root / "ui").rglob("*")):
    if source.suffix not in (".h", ".cpp"):
        continue
    for number, line in enumerate(source.read_text().splitlines(), 1):
        if re.search(r"(?<!const )\bGame\s*&", line) and "group/" not in str(source.relative_to(root)):
            problems.append(f"{source.relative_to(root)}:{number}: a window given a mutable Game: {line.strip()}")

for p in problems:
    print("check-exposed-state:", p, file=sys.stderr)
print(f"check-exposed-state: {len(problems)} exposed")
sys.exit(1 if problems else 0)
