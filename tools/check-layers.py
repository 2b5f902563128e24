#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks which folders of src/ may include which.

Every folder of src/ stands on one rank, from the ground up: board, text,
window (the toolkit-free model of the window), platform (the real file system
and spin source), the handlers run, import, control and info on one shared
rank with evaluation (the figures of the counts), tally (the counts over many
permanence files), the wiring that routes window events to the handlers, and
on top face and app, the only folders that may include Qt. A folder includes
its own rank or the ranks below, never one above. Among the handlers only run includes control;
import and run never include each other. No folders include each other round
a circle, and a folder without a rank is itself broken, so a new one cannot
slip past. Every broken rule is printed as "file:line: rule" (a folder
without a rank as "folder: rule"); the exit status is 1 when any is.

Usage: tools/check-layers.py [SRC_FOLDER]   (default: src beside tools/)
"""

import os
import re
import sys

QT_ALLOWED = {"face", "app"}
# The evaluation of the counts shares the handlers' rank and their rule: it
# includes none of them, and none of them includes it.
HANDLERS = {"run", "import", "control", "info", "evaluation"}
RANK = {
    "board": 0,
    "text": 1,
    "window": 2,
    "platform": 3,
    **{handler: 4 for handler in HANDLERS},
    # The tally over many permanence files reads them as import does and
    # counts them with evaluation's counts, above both.
    "tally": 5,
    "wiring": 6,
    "face": 7,
    "app": 7,
}
# The one handler that uses another: a run marks through control.
HANDLER_INCLUDES = {("run", "control")}
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
    if own == target or own not in RANK or target not in RANK:
        return None
    if {own, target} == {"import", "run"}:
        return "import and run never include each other"
    both_handlers = own in HANDLERS and target in HANDLERS
    if both_handlers and (own, target) not in HANDLER_INCLUDES:
        return f"{own} may not include {target}: among the handlers only run includes control"
    if RANK[own] < RANK[target]:
        return f"{own} may not include {target}: {target} stands above it"
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
    broken = [
        f"{os.path.join(root, folder)}: folder {folder} has no layer"
        for folder in sorted(folders - RANK.keys())
    ]
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
