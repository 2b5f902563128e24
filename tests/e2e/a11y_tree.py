#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in the real program.

Starts the program under its own Xvfb with the accessibility bus switched on,
reads its tree through AT-SPI and checks that every push button, option,
text box, grid and list has a name; that the grids' columns carry the
headings shown above them and the number grids' rows their number 0..36;
and that the box of the drawn number says the number once a triple is done.
The count is typed with the keyboard, Start is pressed through its
accessible action, as a screen reader user would.

Run inside a bus of its own: dbus-run-session -- a11y_tree.py PROGRAM OUTPUT_FOLDER
"""

import os
import signal
import subprocess
import sys
import time

NUMBER_BOX = "Aktuell geworfene Zahl"
COLUMNS = {
    "Häufigkeiten der Zahlen 0 bis 36": ["Zahl", "Anzahl", "2fach", "3fach"],
    "Wurfnummer des ersten Erscheinens markierter Zahlen": ["Erstes Erscheinen (Wurf)"],
    "Wurfprotokoll": ["Zahl", "Wurf/Sechser", "Wurf/Kolonne", "Wurf/Farbe"],
}
ROWS_FROM_ZERO = ["Häufigkeiten der Zahlen 0 bis 36",
                  "Wurfnummer des ersten Erscheinens markierter Zahlen"]

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def wait_for(what, probe, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(what)


def walk(node):
    yield node
    # A grid's children are its cells, thousands of them in the log; they are
    # read through the table interface instead.
    if node.getRole() == pyatspi.ROLE_TABLE:
        return
    for child in node:
        if child is not None:
            yield from walk(child)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: a11y_tree.py PROGRAM OUTPUT_FOLDER")
    program, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        sys.exit("needs a session bus of its own: run under dbus-run-session")
    # A screen reader that hangs on the program must not hang the test run;
    # leaving through an exception still ends the server and the program.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("no answer within 100 s"))
    signal.alarm(100)

    # The server takes a free display itself and says which: other tests
    # start servers of their own at the same time.
    ready, told = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(told,), stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(out, "xvfb-a11y.log"), "w"))
    os.close(told)
    children = [xvfb]
    try:
        with os.fdopen(ready) as answer:
            display = answer.readline().strip()
        if not display.isdigit():
            sys.exit("Xvfb did not start")
        env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_ACCESSIBILITY"):
            env.pop(name, None)
        os.environ["DISPLAY"] = env["DISPLAY"]
        program_log = open(os.path.join(out, "program-a11y.log"), "w")
        ravelin = subprocess.Popen([program], env=env, stdout=program_log, stderr=program_log)
        children.append(ravelin)
        run(ravelin)
    finally:
        for child in reversed(children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(5)
                except subprocess.TimeoutExpired:
                    child.kill()


def run(ravelin):
    global pyatspi
    import pyatspi

    def application():
        if ravelin.poll() is not None:
            sys.exit("the program ended before its tree showed")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == ravelin.pid and app.childCount > 0:
                return app
        return None

    app = wait_for("the program never showed on the accessibility bus", application, 20)
    nodes = list(walk(app))

    def named(role, name):
        return [n for n in nodes if n.getRole() == role and n.name == name]

    def press(button):
        action = button.queryAction()
        presses = [i for i in range(action.nActions) if action.getName(i) == "Press"]
        check(presses != [], f"{button.name!r} offers no press")
        if presses:
            action.doAction(presses[0])
        return presses != []

    # The import panel opened through its button, as a reader's user opens it.
    imports = named(pyatspi.ROLE_PUSH_BUTTON, "Import")
    check(len(imports) == 1, f"the Import button found {len(imports)} times")
    if imports and press(imports[0]):
        def panel_shown():
            shown = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                     and n.name == "Import abbrechen" and n.getState().contains(pyatspi.STATE_SHOWING)]
            return shown or None
        wait_for("the import panel never showed", panel_shown, 5)
    panel = list(walk(app))

    # Every control a user works with says what it is, the import panel's too.
    # At the least: nine buttons, four options, the two boxes, three grids,
    # the drive, folder and file lists, and the drive drop-down.
    roles = {pyatspi.ROLE_PUSH_BUTTON: ("push button", 9), pyatspi.ROLE_RADIO_BUTTON: ("option", 4),
             pyatspi.ROLE_TEXT: ("text box", 2), pyatspi.ROLE_TABLE: ("grid", 3),
             pyatspi.ROLE_LIST: ("list", 3), pyatspi.ROLE_COMBO_BOX: ("drop-down list", 1)}
    for role, (kind, least) in roles.items():
        found = [n for n in panel if n.getRole() == role]
        check(len(found) >= least, f"{len(found)} of kind {kind}, expected at least {least}")
        for node in found:
            check(node.name.strip() != "", f"a {kind} without a name")
    closes = [n for n in panel if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Import abbrechen"]
    if closes:
        press(closes[0])

    for grid, columns in COLUMNS.items():
        tables = named(pyatspi.ROLE_TABLE, grid)
        check(len(tables) == 1, f"grid {grid!r} found {len(tables)} times")
        if not tables:
            continue
        table = tables[0].queryTable()
        read = [table.getColumnDescription(c) for c in range(table.nColumns)]
        check(read == columns, f"{grid!r} columns read as {read}")
        header = table.getColumnHeader(table.nColumns - 1)
        check(header is not None and header.name == columns[-1],
              f"{grid!r} last column header {header.name if header else None!r}")
        if grid in ROWS_FROM_ZERO:
            rows = [table.getRowDescription(r) for r in range(table.nRows)]
            check(rows == [str(r) for r in range(37)], f"{grid!r} rows read as {rows[:3]}..{rows[-1:]}")

    number_boxes = [n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith(NUMBER_BOX)]
    check(len(number_boxes) == 1, f"the number box found {len(number_boxes)} times")
    starts = named(pyatspi.ROLE_PUSH_BUTTON, "Start/Weiter")
    logs = named(pyatspi.ROLE_TABLE, "Wurfprotokoll")
    if len(number_boxes) != 1 or len(starts) != 1 or len(logs) != 1:
        return
    number_box, start, log = number_boxes[0], starts[0], logs[0].queryTable()
    check(number_box.name == NUMBER_BOX, f"the number box before any spin reads {number_box.name!r}")

    # The count is typed into its box, clicked into as a user would once the
    # panel has gone again.
    counts = named(pyatspi.ROLE_TEXT, "Anzahl Würfe")
    check(len(counts) == 1, f"the count box found {len(counts)} times")
    window = wait_for("no window named Ravelin", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "Ravelin"],
        capture_output=True, text=True, timeout=5).stdout.split()[:1], 10)[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10, check=True)
    time.sleep(0.3)
    if counts:
        box = counts[0].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        subprocess.run(["xdotool", "mousemove", "--window", window, "--sync",
                        str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                       timeout=10, check=True)
        time.sleep(0.3)
    subprocess.run(["xdotool", "type", "--delay", "50", "30"], timeout=10, check=True)
    wait_for("Start never became enabled after the count was typed",
             lambda: start.getState().contains(pyatspi.STATE_ENABLED), 5)

    # One spin a press: a triple is done when the log's first row shows its number.
    def composed():
        cell = log.getAccessibleAt(0, 0)
        return cell.name if cell is not None and cell.name else None

    action = start.queryAction()
    press = [i for i in range(action.nActions) if action.getName(i) == "Press"]
    check(press != [], f"Start offers no press, only {[action.getName(i) for i in range(action.nActions)]}")
    if not press:
        return
    number = None
    for _ in range(12):
        action.doAction(press[0])
        time.sleep(0.4)
        number = composed()
        if number:
            break
    check(number is not None and number.isdigit() and 0 <= int(number) <= 36,
          f"no number composed after the presses: {number!r}")
    if number is not None:
        expected = f"{NUMBER_BOX}: {number}"
        wait_for(f"the number box reads {number_box.name!r}, not {expected!r}",
                 lambda: number_box.name == expected, 3)
        print(f"after one triple the number box reads {number_box.name!r}")


if __name__ == "__main__":
    main()
    if failures:
        sys.exit(f"{len(failures)} failures")
    print("the accessibility tree reads as it should")
