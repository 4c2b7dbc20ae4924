#!/usr/bin/env python3
"""Reads the windows of the process PID over AT-SPI, as a screen reader would, and fails on every control
that takes the keyboard's focus without a name of its own: a screen reader would say only "edit" or
"button" there, or only the title of the frame around it (which the toolkit lends a control without one),
the same for every control in that frame.

Usage: unnamed_controls.py PID WINDOWS (how many windows the process shows). Exit 0: every focusable control has a name; 1: some have none (listed);
77: AT-SPI's registry cannot be reached, so nothing could be checked (said on stderr).
"""
import sys
import time

import pyatspi

# Their rows and cells are the data they show, not controls: the view itself carries the name.
VIEWS = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE}


def application(pid, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None


def where(node):
    parts = []
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append(node.name or node.getRoleName())
        node = node.parent
    return " / ".join(reversed(parts))


def focusable(node, ancestors, found, within, counted):
    """Every focusable control under node: its name, the nearest frame around it with the same name (or
    None) and where it is; `within` counts the focusable controls inside each frame."""
    counted[0] += 1
    name = node.name.strip()
    if node.getState().contains(pyatspi.STATE_FOCUSABLE):
        framed = next((key for frame, key in reversed(ancestors) if frame == name), None)
        found.append((name, framed, f"{node.getRoleName()}: {where(node)}"))
        for _, key in ancestors:
            within[key] = within.get(key, 0) + 1
    if node.getRole() in VIEWS:
        return
    key = counted[0]  # this node's number in the walk
    for child in node:
        if child is not None:
            focusable(child, ancestors + [(name, key)], found, within, counted)


def unnamed(window, counted):
    """The controls of a window a screen reader cannot tell apart: no name, or only the title of a frame
    that holds other controls too."""
    controls, within = [], {}
    focusable(window, [], controls, within, counted)
    return [what for name, framed, what in controls if not name or (framed is not None and within[framed] > 1)]


def main():
    pid = int(sys.argv[1])
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:  # no accessibility bus in this session
        print(f"unnamed_controls: skipped, AT-SPI's registry cannot be reached: {error}", file=sys.stderr)
        return 77
    app = application(pid, 60)
    if app is None:
        print(f"unnamed_controls: process {pid} never appeared on the accessibility bus", file=sys.stderr)
        return 1
    found, counted = [], [0]
    windows = 0
    for window in app:
        windows += 1
        found += unnamed(window, counted)
    for line in found:
        print("no name: " + line)
    if windows < int(sys.argv[2]):
        print(f"unnamed_controls: only {windows} of {sys.argv[2]} windows were read", file=sys.stderr)
        return 1
    print(f"unnamed_controls: {windows} windows, {counted[0]} objects, {len(found)} focusable without a name")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
