#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in the real program.

Starts the program under its own Xvfb with the accessibility bus switched on,
reads its tree through AT-SPI and checks that every push button, option,
text box, grid and list has a name; that the grids' columns carry the
headings shown above them and the number grids' rows their number 0..36;
that the box of the drawn number says the number once a triple is done;
that the window is a window named by its title, the drive box "Laufwerk"
with the drive as its text, the info viewer a read-only document whose text
is set once; that Start and Info are named by their caption and Start
described by the state its colour shows, the guidance box by its text, the
log by its number of entries, each change announced; that a marked number's
cells and a triple's candidates say so, and a cell's action marks; that the
log shows a reader only its written rows, the first appearances their row's
number, the folder list each folder's level and which stand open; that what
the import panel or the viewer covers is not showing, the outline round the
right column no object at all, and the viewer's caret moves with the arrows,
each move announced. A second
start imports a permanence and checks that the reader gets the file's name.
A third asks to end the program and, while the question waits, presses the
menus' shortcuts, which must do nothing; then it opens the distribution and
reads its chart and figures in order.
The count is typed with the keyboard, Start is pressed through its
accessible action, as a screen reader user would.

Run inside a bus of its own: dbus-run-session -- a11y_tree.py PROGRAM OUTPUT_FOLDER
"""

import faulthandler
import os
import signal
import subprocess
import sys
import time

# The tests run from the source tree and leave it as they found it.
sys.dont_write_bytecode = True
from desktop_session import end_all, poll, registered_events

NUMBER_BOX = "Aktuell geworfene Zahl"
GUIDANCE = "Hinweise"
MARKED = 9
# Longer than the label under the count shows it whole.
PERMANENCE = "permanenz-spielbank-hamburg-tisch-eins.txt"
COLUMNS = {
    "Häufigkeiten der Zahlen 0 bis 36": ["Zahl", "Anzahl", "2fach", "3fach"],
    "Wurfnummer des ersten Erscheinens markierter Zahlen": ["Erstes Erscheinen (Wurf)"],
    "Wurfprotokoll": ["Zahl", "Wurf/Sechser", "Wurf/Kolonne", "Wurf/Farbe"],
}
# The events the reader listens for, and the names the registry lists them by.
LISTENED = {"object:property-change:accessible-name": "Object:PropertyChange:AccessibleName",
            "object:property-change:accessible-description": "Object:PropertyChange:AccessibleDescription",
            "object:text-changed": "Object:TextChanged:",
            "object:text-caret-moved": "Object:TextCaretMoved:"}
ROWS_FROM_ZERO = ["Häufigkeiten der Zahlen 0 bis 36",
                  "Wurfnummer des ersten Erscheinens markierter Zahlen"]

failures = []
# What the server and the program wrote, told after a failure: the output
# folder is written afresh by the next run.
logs = []


def tell_logs():
    for path in logs:
        try:
            with open(path, errors="replace") as log:
                text = log.read()
        except OSError as error:
            text = f"(unreadable: {error})\n"
        print(f"--- {path} ---", file=sys.stderr)
        print(text, end="" if text.endswith("\n") or not text else "\n", file=sys.stderr)
    sys.stderr.flush()


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump():
    """Hands the events that came in to their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, seconds=10.0):
    return poll(probe, seconds, pump) or sys.exit(what)


def check_soon(probe, what, seconds=3.0):
    """A check of what the program shows once it has handled what came before."""
    end = time.monotonic() + seconds
    while not probe():
        if time.monotonic() > end:
            check(False, what())
            return
        pump()
        time.sleep(0.1)


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
    # The second start runs in a folder of its own.
    program = os.path.abspath(program)
    os.makedirs(out, exist_ok=True)
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        sys.exit("needs a session bus of its own: run under dbus-run-session")
    # A screen reader that hangs on the program must not hang the test run;
    # leaving through an exception still ends the server and the program.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("no answer within 150 s"))
    signal.alarm(150)
    # Where it stood, should even the alarm not be heard before ctest ends it.
    faulthandler.dump_traceback_later(155, exit=False)

    # The server takes a free display itself and says which: other tests
    # start servers of their own at the same time.
    ready, told = os.pipe()
    logs.append(os.path.join(out, "xvfb-a11y.log"))
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(told,), stdout=subprocess.DEVNULL, stderr=open(logs[-1], "w"))
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
        # The program asks the registry which events are listened for as it
        # starts, and only then subscribes to news of listeners coming: one
        # that registers in between is never told of, and its events never
        # come. So the reader listens first, as a screen reader does that
        # runs before the program starts.
        start_reading()
        wait_for("the registry does not list the reader's listeners", listening, 10)

        def launch(log_name, folder=None):
            logs.append(os.path.join(out, log_name))
            log = open(logs[-1], "w")
            started = subprocess.Popen([program], env=env, stdout=log, stderr=log, cwd=folder)
            children.append(started)
            return started

        ravelin = launch("program-a11y.log")
        run(ravelin)
        ravelin.terminate()
        ravelin.wait(5)
        # The import panel opens on the folder the program starts in.
        folder = os.path.join(out, "a11y-permanence")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, PERMANENCE), "w", newline="") as permanence:
            permanence.write("Spielbank Hamburg\r\nTisch 1\r\nLesetest\r\n")
            permanence.write("".join(f"{spin}\r\n" for spin in (5, 17, 30, 8, 22, 11)))
        run_import(launch("program-a11y-import.log", folder))
        run_distribution(launch("program-a11y-distribution.log"))
    finally:
        end_all(children)


def start_reading():
    global pyatspi, GLib
    import pyatspi
    from gi.repository import GLib

    pyatspi.Registry.registerEventListener(
        lambda event: heard.append((event.type, event.source, event.any_data)), *LISTENED)


def listening():
    """Whether the registry lists every event the reader listens for, as the program will ask it."""
    return set(LISTENED.values()) <= registered_events()


# Every change announced since the last look: (kind, source, what it carries:
# the text inserted or deleted, for a property the object itself).
heard = []


def announced(kind, node):
    """What the changes of a kind announced for a node carry."""
    pump()
    return [data for (what, source, data) in heard if what.startswith(kind) and source == node]


def check_announced(kind, node, what):
    """A change is announced after the program made it: give its event time to come."""
    check_soon(lambda: announced(kind, node) != [], lambda: what)


def application_of(ravelin):
    def application():
        if ravelin.poll() is not None:
            sys.exit("the program ended before its tree showed")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == ravelin.pid and app.childCount > 0:
                return app
        return None

    return wait_for("the program never showed on the accessibility bus", application, 30)


def press(button):
    action = button.queryAction()
    presses = [i for i in range(action.nActions) if action.getName(i) == "Press"]
    check(presses != [], f"{button.name!r} offers no press")
    if presses:
        action.doAction(presses[0])
    return presses != []


def run(ravelin):
    app = application_of(ravelin)
    nodes = list(walk(app))

    def named(role, name):
        return [n for n in nodes if n.getRole() == role and n.name == name]

    # The window is a window, not a client area, named by its title.
    tops = [n for n in app if n is not None]
    check([n.getRole() for n in tops] == [pyatspi.ROLE_FRAME],
          f"the program's top level reads as {[n.getRoleName() for n in tops]}")
    # The outline round the right column is only drawn.
    outlines = [n for n in nodes if n.getRole() == pyatspi.ROLE_FRAME and n not in tops]
    check(outlines == [], f"{len(outlines)} drawn frames are objects: {[n.name for n in outlines]}")

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
    # What the panel covers is not showing; what it leaves free is.
    for name, covered in (("Start", True), ("Wurfprotokoll", False)):
        found = [n for n in panel if n.name == name]
        check(len(found) == 1, f"{name!r} found {len(found)} times under the panel")
        for node in found:
            check(node.getState().contains(pyatspi.STATE_SHOWING) != covered,
                  f"{name!r} {'shows' if covered else 'does not show'} beside the import panel")
    # The folder list tells each folder's level, and which stand open: the
    # drive's folder always, as the first entry.
    folders = [n for n in panel if n.getRole() == pyatspi.ROLE_LIST and n.name == "Ordner"]
    check(len(folders) == 1, f"the folder list found {len(folders)} times")
    for folder_list in folders:
        told = [n.description for n in folder_list if n is not None]
        check(told != [] and told[0] == "Ebene 1, geöffnet"
              and all(t.startswith("Ebene ") for t in told),
              f"the folders tell their level as {told}")

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
    # The drive box is named by its role and holds one of its drives.
    drives = [n for n in panel if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    check([n.name for n in drives] == ["Laufwerk"], f"the drive box reads as {[n.name for n in drives]}")
    texts = [n.queryText() for n in drives if "Text" in n.get_interfaces()]
    check(texts != [], "the drive box holds no text to read")
    if texts:
        drive = texts[0].getText(0, -1)
        entries = [n.name for n in walk(drives[0]) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
        check(drive != "" and drive in entries, f"the drive box holds {drive!r} of {entries}")
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
    starts = named(pyatspi.ROLE_PUSH_BUTTON, "Start")
    check(len(starts) == 1, f"Start found {len(starts)} times by its caption")
    infos = named(pyatspi.ROLE_PUSH_BUTTON, "Info")
    check(len(infos) == 1, f"Info found {len(infos)} times by its caption")
    guidances = named(pyatspi.ROLE_LABEL, GUIDANCE)
    check(len(guidances) == 1, f"the guidance box found {len(guidances)} times")
    logs = named(pyatspi.ROLE_TABLE, "Wurfprotokoll")
    frequencies = named(pyatspi.ROLE_TABLE, "Häufigkeiten der Zahlen 0 bis 36")
    if len(number_boxes) != 1 or len(starts) != 1 or len(logs) != 1 or len(infos) != 1 \
            or len(guidances) != 1 or len(frequencies) != 1:
        return
    number_box, start, log, info = number_boxes[0], starts[0], logs[0].queryTable(), infos[0]
    guidance = guidances[0]
    pump()
    check(number_box.name == NUMBER_BOX, f"the number box before any spin reads {number_box.name!r}")
    check(start.description.startswith("Grün"), f"Start before any spin is described {start.description!r}")
    check(logs[0].description == "0 Einträge", f"the empty log is described {logs[0].description!r}")
    # A reader finds only the written rows of the log, none before its first entry.
    check(log.nRows == 0 and logs[0].childCount < 100,
          f"the empty log shows a reader {log.nRows} rows, {logs[0].childCount} children")
    # The panel left, the guidance is the one at start again.
    check_soon(lambda: guidance.description.startswith("Anzahl der gewünschten Würfe eingeben"),
               lambda: f"the guidance box at start is described {guidance.description!r}")

    # A number is marked through a cell's action, as a click marks it.
    table = frequencies[0].queryTable()
    cell = table.getAccessibleAt(MARKED, 1).queryAction()
    toggles = [i for i in range(cell.nActions) if cell.getName(i).lower() == "toggle"]
    check(toggles != [], f"a cell offers only {[cell.getName(i) for i in range(cell.nActions)]}")
    if toggles:
        cell.doAction(toggles[0])
        marked = f"{MARKED}, markiert"
        check_soon(lambda: table.getAccessibleAt(MARKED, 0).name == marked,
                   lambda: f"the marked number's cell reads {table.getAccessibleAt(MARKED, 0).name!r}")
        check(table.getAccessibleAt(MARKED + 1, 0).name == str(MARKED + 1), "an unmarked number reads as marked")
        # Every number marked, so that the first number composed shows
        # where it first appeared.
        for row in range(1, 37):
            if row != MARKED:
                table.getAccessibleAt(row, 1).queryAction().doAction(toggles[0])
        check_soon(lambda: all(table.getAccessibleAt(row, 0).name.endswith("markiert") for row in range(1, 37)),
                   lambda: "not every number could be marked")

    # The count is typed into its box, clicked into as a user would once the
    # panel has gone again.
    counts = named(pyatspi.ROLE_TEXT, "Anzahl Würfe")
    check(len(counts) == 1, f"the count box found {len(counts)} times")
    window = wait_for("no window named Ravelin", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "Ravelin"],
        capture_output=True, text=True, timeout=5).stdout.split()[:1], 10)[0]
    title = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True,
                           timeout=5).stdout.rstrip("\n")
    check([n.name for n in tops] == [title], f"the window is named {[n.name for n in tops]}, not {title!r}")
    subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10, check=True)
    time.sleep(0.3)
    if counts:
        box = counts[0].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        # Not --sync: the pointer may stand there already, and no motion would come.
        subprocess.run(["xdotool", "mousemove", "--window", window,
                        str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                       timeout=10, check=True)
        time.sleep(0.3)
    subprocess.run(["xdotool", "type", "--delay", "50", "30"], timeout=10, check=True)
    wait_for("Start never became enabled after the count was typed",
             lambda: start.getState().contains(pyatspi.STATE_ENABLED), 5)

    # The first spin opens a triple: Start turns red and into "Weiter", the
    # guidance says who makes the numbers, the spin's six-group are the
    # candidates, the log holds one entry. Each change is announced.
    heard.clear()
    if not press(start):
        return
    check_soon(lambda: start.name == "Weiter", lambda: f"Start after one spin reads {start.name!r}")
    check(start.description.startswith("Rot"), f"Start in a triple is described {start.description!r}")
    check_announced("object:property-change:accessible-name", start,
                    "Start's new name was not announced")
    # Once: a reader that hears a name twice drops the second as old news.
    time.sleep(0.5)
    names = announced("object:property-change:accessible-name", start)
    check(len(names) == 1, f"Start's new name was announced {len(names)} times")
    check_announced("object:property-change:accessible-description", start,
                    "Start's new description was not announced")
    check_soon(lambda: guidance.description == "Der Computer erzeugt die Zahlen...",
               lambda: f"the guidance after one spin is described {guidance.description!r}")
    check_announced("object:property-change:accessible-description", guidance,
                    "the guidance's change was not announced")
    candidates = [r for r in range(table.nRows) if table.getAccessibleAt(r, 3).name.endswith("Kandidat")]
    check(len(candidates) == 6, f"the triple's candidates read so in rows {candidates}")
    check_soon(lambda: logs[0].description == "1 Eintrag",
               lambda: f"the log after one spin is described {logs[0].description!r}")
    check(log.nRows == 1, f"the log with one entry shows a reader {log.nRows} rows")

    # One spin a press: a triple is done when the log's first row shows its number.
    def composed():
        cell = log.getAccessibleAt(0, 0)
        return cell.name if cell is not None and cell.name else None

    number = None
    for _ in range(12):
        number = composed()
        if number:
            break
        press(start)
        time.sleep(0.4)
    check(number is not None and number.isdigit() and 0 <= int(number) <= 36,
          f"no number composed after the presses: {number!r}")
    if number is not None:
        expected = f"{NUMBER_BOX}: {number}"
        wait_for(f"the number box reads {number_box.name!r}, not {expected!r}",
                 lambda: number_box.name == expected, 3)
        print(f"after one triple the number box reads {number_box.name!r}")
        check_soon(lambda: start.description.startswith("Grün"),
                   lambda: f"Start after a triple is described {start.description!r}")
        heard.clear()
        press(start)
        check_soon(lambda: logs[0].description == "2 Einträge",
                   lambda: f"the log after the next spin is described {logs[0].description!r}")
        check_announced("object:property-change:accessible-description", logs[0],
                        "the log's growth was not announced")
        check(log.nRows == 2, f"the log with two entries shows a reader {log.nRows} rows")
        # The first appearance of the number reads with the number, as a
        # sighted user reads it off the frequency grid beside it.
        firsts = named(pyatspi.ROLE_TABLE, "Wurfnummer des ersten Erscheinens markierter Zahlen")
        if firsts:
            first = firsts[0].queryTable()
            appeared = [first.getAccessibleAt(row, 0).name for row in range(first.nRows)]
            appeared = [name for name in appeared if name.strip()]
            check(len(appeared) == 1 and appeared[0].startswith(f"{number}: ")
                  and appeared[0].split(": ")[1].isdigit(),
                  f"the first appearances read {appeared}, after {number} was composed")

    # The info viewer: a read-only document, its text set once as it opens.
    heard.clear()
    press(info)
    check_soon(lambda: info.name == "Ende Info", lambda: f"Info with the viewer open reads {info.name!r}")

    def viewer_shown():
        shown = [n for n in walk(app) if n.name == "Infotext" and n.getState().contains(pyatspi.STATE_SHOWING)]
        return shown or None

    viewer = wait_for("the info viewer never showed", viewer_shown, 5)[0]
    check(viewer.getRole() == pyatspi.ROLE_DOCUMENT_FRAME, f"the info viewer reads as {viewer.getRoleName()}")
    check(viewer.getState().contains(pyatspi.STATE_READ_ONLY), "the info viewer is not read-only")
    check(viewer.queryText().characterCount > 0, "the info viewer holds no text to read")
    # What Qt deletes before it inserts is the empty viewer's nothing, as blanks.
    # Once the first text has come, a while for any second one to follow.
    check_soon(lambda: any(announced("object:text-changed:insert", viewer)),
               lambda: "opening the viewer announced no text")
    time.sleep(0.5)
    inserted = [text for text in announced("object:text-changed:insert", viewer) if text]
    check(len(inserted) == 1, f"opening the viewer set its text {len(inserted)} times")
    # The viewer covers the log, not Start.
    check(not logs[0].getState().contains(pyatspi.STATE_SHOWING), "the log shows under the info viewer")
    check(start.getState().contains(pyatspi.STATE_SHOWING), "Start does not show beside the info viewer")
    # A caret for reading: the arrow moves it a line on, Ctrl+End to the
    # end, and each move is announced.
    viewer.queryComponent().grabFocus()
    wait_for("the info viewer never took the focus",
             lambda: viewer.getState().contains(pyatspi.STATE_FOCUSED), 5)
    reading = viewer.queryText()
    heard.clear()
    subprocess.run(["xdotool", "key", "Down"], timeout=10, check=True)
    check_soon(lambda: reading.caretOffset > 0, lambda: "Down left the viewer's caret at its start")
    check_announced("object:text-caret-moved", viewer, "the caret's move down was not announced")
    subprocess.run(["xdotool", "key", "ctrl+End"], timeout=10, check=True)
    check_soon(lambda: reading.caretOffset == reading.characterCount,
               lambda: f"Ctrl+End left the caret at {reading.caretOffset} of {reading.characterCount}")
    check(viewer.getState().contains(pyatspi.STATE_READ_ONLY), "the viewer with a caret is not read-only")
    press(info)
    check_soon(lambda: info.name == "Info", lambda: f"Info with the viewer closed reads {info.name!r}")


def run_import(ravelin):
    """Imports a permanence through the panel: the reader gets the file's name."""
    app = application_of(ravelin)
    nodes = list(walk(app))
    imports = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Import"]
    if len(imports) != 1 or not press(imports[0]):
        check(False, "no Import to press")
        return

    def file_listed():
        for files in walk(app):
            if files.getRole() == pyatspi.ROLE_LIST and files.name == "Permanenzdateien":
                items = [n for n in files if n is not None and n.name == PERMANENCE]
                if items:
                    return items
        return None

    item = wait_for("the permanence is not listed in the import panel", file_listed, 5)[0].queryAction()
    toggles = [i for i in range(item.nActions) if item.getName(i).lower() == "toggle"]
    check(toggles != [], "a file of the list offers no action")
    if not toggles:
        return
    item.doAction(toggles[0])

    def ok_enabled():
        oks = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "OK"
               and n.getState().contains(pyatspi.STATE_ENABLED)]
        return oks or None

    press(wait_for("OK never became enabled for the chosen file", ok_enabled, 5)[0])

    def guidance_shows_header():
        boxes = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL and n.name == GUIDANCE
                 and "Spielbank Hamburg" in n.description]
        return boxes or None

    check_soon(guidance_shows_header, lambda: "the guidance box does not read the permanence's header")
    # The label under the count shows the file's name, shortened where it is
    # long; a reader gets it whole.
    told = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
            and (PERMANENCE in n.name or PERMANENCE in n.description)]
    check(told != [], f"no label tells the reader the imported file {PERMANENCE!r}")




def keys(*pressed):
    subprocess.run(["xdotool", "key", "--delay", "80", *pressed], timeout=10, check=True)
    time.sleep(0.3)


def run_distribution(ravelin):
    app = application_of(ravelin)
    window = wait_for("no window named Ravelin", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "Ravelin"],
        capture_output=True, text=True, timeout=5).stdout.split()[:1], 10)[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10, check=True)
    time.sleep(0.3)
    nodes = list(walk(app))
    logs = [n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE and n.name == "Wurfprotokoll"]
    counts = [n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT and n.name == "Anzahl Würfe"]
    check(len(logs) == 1 and len(counts) == 1, f"the log and the count box found {len(logs)}, {len(counts)} times")
    if len(logs) != 1 or len(counts) != 1:
        return

    def click_count():
        box = counts[0].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        # Not --sync: the pointer may stand there already, and no motion would come.
        subprocess.run(["xdotool", "mousemove", "--window", window,
                        str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"],
                       timeout=10, check=True)
        time.sleep(0.3)

    click_count()
    subprocess.run(["xdotool", "type", "--delay", "50", "30"], timeout=10, check=True)

    def shown_window(title):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                              capture_output=True, text=True, timeout=5).stdout.split()

    def question():
        return shown_window("^ Beenden$")

    # While the question of Beenden waits, no command of the menus runs.
    keys("ctrl+q")
    wait_for("Beenden asked nothing", question, 5)
    keys("F5", "ctrl+d", "ctrl+shift+d", "F1")
    time.sleep(0.5)
    keys("Escape")
    wait_for("the question stayed after Escape", lambda: not question(), 5)
    pump()
    check(ravelin.poll() is None, "the program ended though the question was answered No")
    check(logs[0].description == "0 Einträge",
          f"a shortcut ran under the question: the log is described {logs[0].description!r}")
    check(not shown_window("^Verteilung der Zahlen$") and not shown_window("Permanenzen auswerten"),
          "a shortcut opened a window under the question")

    # The run to its end, then the distribution, read as a reader reads it.
    # Without a window manager the input focus does not go back by itself:
    # a click into the count box brings it.
    click_count()
    keys("F5")

    def shown_count(box):
        said = [n.name.split(": ")[1] for n in nodes
                if n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith(box + ": ")]
        return int(said[0]) if len(said) == 1 and said[0].isdigit() else None

    # A spun 0 uses up a spin and composes nothing: 30 spins give up to
    # 10 numbers, as many as the box of numbers composed shows.
    def ended():
        spins, composed = shown_count("Anzahl Würfe real"), shown_count("Anzahl Würfe akut")
        ran = spins is not None and spins >= 30 and composed is not None and 0 < composed <= 10
        return composed if ran and logs[0].description == f"{composed} Einträge" else None

    check_soon(lambda: ended() is not None,
               lambda: f"Bis zum Ende left the log described {logs[0].description!r}, the boxes reading "
                       f"{shown_count('Anzahl Würfe real')} spins, {shown_count('Anzahl Würfe akut')} numbers")
    composed = ended() or 10
    keys("ctrl+d")

    def distribution():
        shown = [n for n in app if n is not None and n.name == "Verteilung der Zahlen"
                 and n.getState().contains(pyatspi.STATE_SHOWING)]
        return shown or None

    frame = wait_for("the distribution never showed", distribution, 5)[0]
    nodes = list(walk(frame))
    charts = [n for n in nodes if n.name == "Häufigkeiten der Zahlen 1 bis 36"]
    check(len(charts) == 1, f"the chart found {len(charts)} times by its name")
    if charts:
        said = charts[0].description.split(", ")
        counted = sum(int(part.split(": ")[1].split()[0]) for part in said if ": " in part)
        check(len(said) == 36 and counted == composed,
              f"the chart's description lists {len(said)} numbers and {counted} of {composed} composed")
    read = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    order = ["Zahlen:", str(composed), "Chi-Quadrat:", "Freiheitsgrade:", "35", "p-Wert:",
             "2fach hintereinander:", "3fach hintereinander:"]
    at = [read.index(name) if name in read else -1 for name in order]
    check(-1 not in at and at == sorted(at), f"the figures read in the order {read}")
    check(any(name.startswith("Für einen Test sind mindestens 180 Zahlen nötig") for name in read),
          f"no verdict among the figures: {read}")

if __name__ == "__main__":
    # Each line as it is written: a run ended from outside keeps what it said.
    sys.stdout.reconfigure(line_buffering=True)
    try:
        main()
    except BaseException:
        # The reason first, as the exception tells it, then the logs.
        import traceback
        traceback.print_exc()
        tell_logs()
        raise
    if failures:
        tell_logs()
        sys.exit(f"{len(failures)} failures")
    print("the accessibility tree reads as it should")
