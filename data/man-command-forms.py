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

def next_request(start):
    """The index of the first request (a line starting with a dot) from start on."""
    while start < len(lines) and not lines[start].startswith("."):
        start += 1
    return start


out = []
i = 0
in_commands = False
while i < len(lines):
    line = lines[i]
    if line.startswith(".SS") or line.startswith(".SH"):
        in_commands = line == '.SS "commands:"'
    j = next_request(i + 1) if in_commands and line == ".IP" else i
    forms = lines[i + 1:j]
    if len(forms) < 2 or j >= len(lines) or lines[j] not in (".TP", ".IP"):
        out.append(line)
        i += 1
        continue
    # The forms, then the description that help2man took for an item of its own.
    k = next_request(j + 1)
    out += [".TP", forms[0]]
    for form in forms[1:]:
        out += [".TQ", form]
    out += lines[j + 1:k]
    i = k

with open(path, "w", encoding="utf-8") as f:
    f.write("\n".join(out))
