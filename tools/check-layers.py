#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks which folders of src/ may include which.

The layers, from the ground up: board, text, window (the toolkit-free model
of the window), the handlers run, import, control and info, the wiring that
routes window events to them, and on top the Qt face and the program. The
platform folder holds the real file system and spin source. Every broken
rule is printed as "file:line: rule"; the exit status is 1 when any is.

Usage: tools/check-layers.py [SRC_FOLDER]   (default: src beside tools/)
"""

import os
import re
import sys

QT_ALLOWED = {"face", "app"}
HANDLERS = {"run", "import", "control", "info"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^(Q[A-Za-z]|qt|Qt)")


def sources(root):
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(folder, name)


def includes(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1), m.group(2)


def rule_broken(own, target):
    """The rule an include of folder target from folder own breaks, if any."""
    if own == target:
        return None
    if own == "board":
        return "board includes nothing of the project"
    if own == "text" and target != "board":
        return "text includes only board"
    if own == "window" and (target in HANDLERS or target == "wiring"):
        return "the window model includes no handler and not the wiring"
    if {own, target} == {"import", "run"}:
        return "import and run never include each other"
    return None


def cycles(edges):
    """The folder edges that lie on a cycle of the folder graph."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)

    def reaches(start, goal):
        seen, todo = set(), [start]
        while todo:
            node = todo.pop()
            if node == goal:
                return True
            if node not in seen:
                seen.add(node)
                todo.extend(graph.get(node, ()))
        return False

    return {(a, b) for a, b in edges if reaches(b, a)}


def check(root):
    root = os.path.normpath(root)
    folders = {d for d in os.listdir(root) if os.path.isdir(os.path.join(root, d))}
    broken = []
    edges = {}
    for path in sources(root):
        own = os.path.relpath(path, root).split(os.sep)[0]
        for number, kind, header in includes(path):
            place = f"{path}:{number}"
            if kind == "<":
                if QT_HEADER.match(header) and own not in QT_ALLOWED:
                    broken.append(f"{place}: nothing outside face and app includes Qt")
                continue
            target = header.split("/")[0]
            if "/" not in header or target not in folders:
                continue
            rule = rule_broken(own, target)
            if rule:
                broken.append(f"{place}: {rule}")
            if own != target:
                edges.setdefault((own, target), place)
    for a, b in sorted(cycles(edges)):
        broken.append(f"{edges[(a, b)]}: no folder cycle ({a} -> {b} leads back to {a})")
    return broken


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    broken = check(root)
    for line in broken:
        print(line)
    print(f"layers: {len(broken)} broken" if broken else "layers: every rule holds")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
