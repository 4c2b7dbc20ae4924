#!/usr/bin/env python3
"""Gives each command of a help2man page its forms as tags and its description as text.

`zovactl --help` lists a command of several forms as its forms, one a line, with the description
indented below them. help2man has no list item with several tags: it runs the forms together as one
paragraph and takes the description's first line for the tag of a new item. This turns each such
run back into one item: the first form after .TP, every further form after .TQ, then the description.
Usage: man-command-forms.py PAGE (rewritten in place)
"""
import re
import sys

path = sys.argv[1]
with open(path, encoding="utf-8") as f:
    lines = f.read().split("\n")

out = []
i = 0
in_commands = False
while i < len(lines):
    line = lines[i]
    if line.startswith(".SS") or line.startswith(".SH"):
        in_commands = line == '.SS "commands:"'
    if not (in_commands and line == ".IP"):
        out.append(line)
        i += 1
        continue
    # The forms: the lines up to the next request.
    j = i + 1
    while j < len(lines) and not lines[j].startswith("."):
        j += 1
    forms = lines[i + 1:j]
    if len(forms) < 2 or j >= len(lines) or lines[j] not in (".TP", ".IP"):
        out.append(line)
        i += 1
        continue
    k = j + 1
    while k < len(lines) and not lines[k].startswith("."):
        k += 1
    out.append(".TP")
    out.append(forms[0])
    for form in forms[1:]:
        out += [".TQ", form]
    out += lines[j + 1:k]
    i = k

with open(path, "w", encoding="utf-8") as f:
    f.write("\n".join(out))
