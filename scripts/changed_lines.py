#!/usr/bin/env python3
"""Reads `git diff -U0` on standard input and prints clang-tidy's -line-filter:
the lines each changed file has now, as a JSON list of {"name", "lines"}.
A file whose change only removed lines has none and is left out."""

import json
import re
import sys

HUNK = re.compile(r"^@@ -\d+(?:,\d+)? \+(\d+)(?:,(\d+))? @@")

ranges = {}
name = None
for line in sys.stdin:
    if line.startswith("+++ "):
        target = line[4:].rstrip("\n")
        name = target[2:] if target.startswith("b/") else None
        continue
    found = HUNK.match(line)
    if found and name:
        first, count = int(found.group(1)), int(found.group(2) or "1")
        if count > 0:
            ranges.setdefault(name, []).append([first, first + count - 1])

print(json.dumps([{"name": n, "lines": r} for n, r in sorted(ranges.items())]))
