#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca, the screen reader of Debian's desktop, says of the real program.

Starts a private Xvfb, a speech server whose only synthesizer writes what it
is given to a file, and Orca with a profile of its own that writes its debug
output to a file, then the program, all on a D-Bus session and an
accessibility bus of their own. It presses the keys a blind user presses and
waits, for each, until Orca's debug output holds the speech it should: a
count typed and Start reached by Tab, three presses said in the words of the
log ("14, Sechser 3", "26, Kolonne 2", "5, Farbe 1, Zahl 15"), a number
marked and unmarked by Space in the frequency grid, the two "R" buttons, a
restart whose new focus is said once, an import by the keyboard said with its
file, header and spin count, the guidance box read by its key, Info, and
"Bis zum Ende" said as one summary. Last it times Orca's flat review from its
key to its speech, in Orca's own time stamps.

Run inside a bus of its own: dbus-run-session -- orca_speech.py PROGRAM OUTPUT_FOLDER
"""

import faulthandler
import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time

# The tests run from the source tree and leave it as they found it.
sys.dont_write_bytecode = True
from desktop_session import end_all, poll, registered_events
import tty

PERMANENCE = "b-hamburg.txt"
HEADER = ("Spielbank Hamburg", "Tisch 1", "Tastatur")
# The fourth header line, which the reader skips.
SKIPPED = "Permanenz"
SPINS = [(i * 7) % 36 + 1 for i in range(1, 61)]
# How long one speech may take to come after its key: the program answers at
# once, Orca on a loaded machine within a second or two.
SPEECH_DEADLINE = 15.0
# The exit status of a start that went wrong before the first key.
START_FAILED = 75

# Orca writes the text in quotes, then any voice and its settings, or a
# list of them.
SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?: ?\{| ?\[\{| voice=|$)")

failures = []
# Every line of Orca's debug output, as it comes.
lines = []
lines_lock = threading.Lock()


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def seconds_of(match):
    hours, minutes, seconds = match.group(1), match.group(2), match.group(3)
    return int(hours) * 3600 + int(minutes) * 60 + float(seconds)


def speeches(since=0):
    """Orca's speech since the line `since`: (line index, seconds, text)."""
    with lines_lock:
        taken = lines[since:]
    said = []
    for offset, line in enumerate(taken):
        found = SPOKEN.match(line)
        if found:
            said.append((since + offset, seconds_of(found), found.group(4)))
    return said


def mark():
    with lines_lock:
        return len(lines)


def await_speech(pattern, since, what, seconds=SPEECH_DEADLINE):
    """Waits until Orca says something that matches, after the line `since`;
    gives the match and the line after the speech."""
    wanted = re.compile(pattern)
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for index, _, text in speeches(since):
            found = wanted.search(text)
            if found:
                return found, index + 1
        time.sleep(0.05)
    said = [text for _, _, text in speeches(since)]
    check(False, f"{what}: Orca did not say /{pattern}/ within {seconds:.0f} s; it said {said}")
    return None, since


def read_output(master, log_path):
    """Orca writes its debug output to a terminal, which makes Python flush
    each line at once; a plain file would hold lines back for kilobytes."""
    pending = b""
    with open(log_path, "w", encoding="utf-8") as log:
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *done, pending = pending.split(b"\n")
            for raw in done:
                line = raw.decode("utf-8", "replace").rstrip("\r")
                log.write(line + "\n")
                with lines_lock:
                    lines.append(line)


def registry_lists(events):
    """Whether the registry lists Orca's listeners for these events; not
    yet, while the accessibility bus it names takes no connection."""
    from gi.repository import GLib
    try:
        return set(events) <= registered_events()
    except GLib.Error:
        return False


def wait_until(what, probe, seconds):
    return poll(probe, seconds) or sys.exit(what)


def write_speech_server_setup(folder, spoken):
    """A speech server whose one synthesizer writes each text to a file,
    and whose sound goes nowhere."""
    modules = os.path.join(folder, "modules")
    os.makedirs(modules, exist_ok=True)
    with open(os.path.join(folder, "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "libao"\n'
                   'AddModule "silent" "sd_generic" "silent.conf"\n'
                   'DefaultModule silent\n')
    with open(os.path.join(modules, "silent.conf"), "w") as conf:
        conf.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {spoken}\"\n"
                   'AddVoice "de" "MALE1" "de"\nAddVoice "en" "MALE1" "en"\n')


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: orca_speech.py PROGRAM OUTPUT_FOLDER")
    program = os.path.abspath(sys.argv[1])
    out = os.path.abspath(sys.argv[2])
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        sys.exit("needs a session bus of its own: run under dbus-run-session")
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("no end within 250 s"))
    signal.alarm(250)
    faulthandler.dump_traceback_later(255, exit=False)

    home = os.path.join(out, "orca-home")
    subprocess.run(["rm", "-rf", home], check=True)
    folders = {name: os.path.join(home, name) for name in ("config", "data", "run", "prefs", "speechd", "cache")}
    for folder in folders.values():
        os.makedirs(folder, mode=0o700, exist_ok=True)
    # libao's null driver: the speech server plays into nothing.
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    synthesized = os.path.join(out, "orca-synthesized.txt")
    if os.path.exists(synthesized):
        os.remove(synthesized)
    write_speech_server_setup(folders["speechd"], synthesized)
    permanence = os.path.join(home, "permanenz")
    os.makedirs(permanence)
    with open(os.path.join(permanence, "a-notiz.txt"), "w", newline="") as note:
        note.write("keine Permanenz\r\n")
    with open(os.path.join(permanence, PERMANENCE), "w", newline="") as file:
        file.write("".join(line + "\r\n" for line in HEADER + (SKIPPED,)))
        file.write("".join(f"{spin}\r\n" for spin in SPINS))

    children = []
    try:
        ready, told = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                pass_fds=(told,), stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(out, "xvfb-orca.log"), "w"))
        children.append(xvfb)
        os.close(told)
        with os.fdopen(ready) as answer:
            display = answer.readline().strip()
        if not display.isdigit():
            sys.exit("Xvfb did not start")
        socket = os.path.join(folders["run"], "speechd.sock")
        env = dict(os.environ, DISPLAY=f":{display}", HOME=home, XDG_CONFIG_HOME=folders["config"],
                   XDG_DATA_HOME=folders["data"], XDG_RUNTIME_DIR=folders["run"], XDG_CACHE_HOME=folders["cache"],
                   GSETTINGS_BACKEND="memory", SPEECHD_ADDRESS=f"unix_socket:{socket}", LANG="C.UTF-8")
        for name in ("WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_ACCESSIBILITY", "LANGUAGE", "LC_ALL"):
            env.pop(name, None)
        os.environ.update(DISPLAY=env["DISPLAY"])

        speechd = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", folders["speechd"],
                                    "-c", "unix_socket", "-S", socket, "-L", folders["speechd"]],
                                   env=env, stdout=subprocess.DEVNULL,
                                   stderr=open(os.path.join(out, "speechd-orca.log"), "w"))
        children.append(speechd)
        wait_until("the speech server made no socket", lambda: os.path.exists(socket), 10)

        master, slave = pty.openpty()
        tty.setraw(slave)
        threading.Thread(target=read_output, args=(master, os.path.join(out, "orca-debug.log")),
                         daemon=True).start()
        # Orca and the program, until Orca speaks the window's first focus. A
        # start that goes wrong before the first key is pressed (a registry
        # never up, listeners never listed, the first focus never heard) is
        # Orca's own start on a loaded machine, not what the program does:
        # it ends the test with START_FAILED, and run_orca_speech.sh starts
        # it again on a new bus, at most three times.
        since = start_orca_and_program(program, permanence, env, folders, slave, out, children)
        if since is None:
            print("Orca and the program did not start", file=sys.stderr)
            raise SystemExit(START_FAILED)
        run_session(since)
    finally:
        end_all(children)


def start_orca_and_program(program, permanence, env, folders, slave, out, children):
    """Orca, listening, then the program with its window focused; the line
    after Orca's speech of the first focus, or None when any step never came."""
    started = time.monotonic()
    begun = mark()
    orca = subprocess.Popen(["orca", "-u", folders["prefs"], "--debug-file", os.ttyname(slave)], env=env,
                            stdout=subprocess.DEVNULL, stderr=open(os.path.join(out, "orca-stderr.log"), "a"))
    children.append(orca)
    # The program asks which events are listened for once, as it starts:
    # Orca must be listening before it does.
    if not poll(lambda: orca.poll() is not None
                     or any("Starting ATSPI registry" in line for line in lines[begun:]), 30):
        print("Orca never started its registry", file=sys.stderr)
        return None
    if orca.poll() is not None:
        # Orca starts once a user: another one running, a test's own left
        # over or a second test at the same time, makes it end at once.
        print(f"Orca ended as it started, with status {orca.returncode}; another Orca of this user "
              "may run: see orca-stderr.log", file=sys.stderr)
        return None
    if not poll(lambda: registry_lists(
            ["Object:PropertyChange:AccessibleDescription", "Object:StateChanged:Focused"]), 30):
        print("the registry does not list Orca's listeners", file=sys.stderr)
        return None
    print(f"Orca started in {time.monotonic() - started:.1f} s")

    program_log = open(os.path.join(out, "program-orca.log"), "a")
    ravelin = subprocess.Popen([program], cwd=permanence, stdout=program_log, stderr=program_log,
                               env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    children.append(ravelin)
    window = poll(lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "Ravelin"], capture_output=True, text=True,
        timeout=5).stdout.split()[:1], 20)
    if not window:
        print("no window named Ravelin", file=sys.stderr)
        return None
    since = mark()
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], timeout=10, check=True)
    heard = poll(lambda: any(re.search(r"Anzahl W.rfe", text) for _, _, text in speeches(since)),
                      SPEECH_DEADLINE)
    if not heard:
        print(f"Orca did not speak the window's first focus: {[t for _, _, t in speeches(since)]}",
              file=sys.stderr)
        return None
    return max(index for index, _, text in speeches(since) if re.search(r"Anzahl W.rfe", text)) + 1


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "120", *names], timeout=20, check=True)


def settle(since, quiet=0.7, seconds=SPEECH_DEADLINE):
    """Waits until Orca has said something after the line `since` and then
    nothing more for `quiet` seconds: all a key brought is said."""
    end = time.monotonic() + seconds
    seen, still_since = mark(), time.monotonic()
    while time.monotonic() < end:
        now = mark()
        if now != seen:
            seen, still_since = now, time.monotonic()
        elif speeches(since) and time.monotonic() - still_since >= quiet:
            return True
        time.sleep(0.05)
    return False


def tab_to(pattern, since, what, limit=25):
    """Tabs on until Orca says the control's name; the line after its speech.
    Each Tab is said whole before the next: on a loaded machine a speech may
    come late, and a Tab pressed meanwhile would pass the control by."""
    wanted = re.compile(pattern)
    for _ in range(limit):
        keys("Tab")
        found, since = await_speech(r"^tab\s*$", since, f"Tab towards {what}", SPEECH_DEADLINE)
        if found is None or not settle(since):
            check(False, f"Tab towards {what}: nothing said after the key")
            return None
        if any(wanted.search(text) for _, _, text in speeches(since)):
            return mark()
        since = mark()
    check(False, f"Tab never reached {what}")
    return None


def said_later(since):
    """All said since the mark, a second on: time for a late or second speech."""
    time.sleep(1.0)
    return [text for _, _, text in speeches(since)]


def press_on(pattern, since, what):
    """Tabs to a control and presses it by Space; None when Tab never got there."""
    since = tab_to(pattern, since, what)
    if since is not None:
        keys("space")
    return since


def run_session(since):
    keys("3", "0")
    since = tab_to(r"^Start\b", since, "Start")
    if since is None:
        return

    # Three presses while the focus stays on Start.
    keys("space")
    first, since = await_speech(r"\b(\d+), Sechser (\d)\b", since, "the first press")
    keys("space")
    second, since = await_speech(r"\b(\d+), Kolonne (\d)\b", since, "the second press")
    keys("space")
    third, since = await_speech(r"\b(\d+), Farbe (\d), Zahl (\d+)\b", since, "the third press")
    if first and second and third:
        spin, group = int(first.group(1)), int(first.group(2))
        check(group == (spin - 1) // 6 + 1, f"spin {spin} said to be of six-group {group}")
        spin, column = int(second.group(1)), int(second.group(2))
        check(column == (spin - 1) % 3 + 1, f"spin {spin} said to be of column {column}")
        number = int(third.group(3))
        pair = 6 * group - 5 + 2 * column
        check(number in (pair - 1, pair - 2), f"group {group} and column {column} said to compose {number}")
        print(f"three presses said: {first.group(0)!r}, {second.group(0)!r}, {third.group(0)!r}")

    # A mark by Space in the frequency grid, and the same Space again.
    since = tab_to(r"H.ufigkeiten der Zahlen", since, "the frequency grid")
    if since is None:
        return
    keys("space")
    marked, since = await_speech(r"\b(\d+) markiert\b", since, "a mark by Space")
    if marked:
        keys("space")
        await_speech(rf"\b{marked.group(1)} nicht markiert\b", since, "the mark taken back by Space")
        since = mark()
    # The two "R" buttons.
    since = press_on(r"Markierungen l.schen|^R\b|L.scht alle Markierungen", since, "the grey grid's R")
    if since is None:
        return
    _, since = await_speech(r"Markierungen gel.scht", since, "the grey grid's R")
    since = press_on(r"Gr.nes Feld leeren", since, "the green grid's R")
    if since is None:
        return
    _, since = await_speech(r"Eintr.ge des ersten Erscheinens gel.scht", since, "the green grid's R")

    # A confirmed restart: the focus lands once, on the count, and is said.
    since = press_on(r"^Abbruch\b", since, "Abbruch")
    if since is None:
        return
    # The question's own prompt: Return before it would go to the window.
    _, since = await_speech(r"bitte best.tigen", since, "the restart's question")
    answered = mark()
    keys("Return")
    _, since = await_speech(r"Anzahl W.rfe", answered, "the focus after the restart")
    after = said_later(answered)
    check(not any(re.search(r"^Abbruch push button|^Start push button", text) for text in after),
          f"after the restart the focus passed over another control: {after}")
    check(sum(1 for text in after if re.search(r"^Anzahl W.rfe text", text)) == 1,
          f"after the restart the focus was not said once: {after}")
    since = mark()

    # An import by the keyboard: Import, the drive, the folders, the file, OK.
    since = press_on(r"^Import\b", since, "Import")
    if since is None:
        return
    time.sleep(0.5)
    since = tab_to(r"Permanenzdateien|a-notiz|b-hamburg", since, "the file list")
    if since is None:
        return
    keys("Down")
    _, since = await_speech(re.escape(PERMANENCE), since, "the permanence chosen")
    since = press_on(r"^OK\b", since, "OK")
    if since is None:
        return
    header = r"\. ".join([re.escape(PERMANENCE) + " importiert", ", ".join(HEADER), f"{len(SPINS)} W.rfe"])
    _, since = await_speech(header, since, "the import")
    said = said_later(since)
    check(not any("importiert" in text for text in said), f"the import was said twice: {said}")

    # The guidance box by its key, and back to Start, where the import left
    # the focus.
    since = mark()
    keys("F6")
    _, since = await_speech(re.escape(HEADER[0]), since, "the guidance box by its key")
    keys("Tab")
    _, since = await_speech(r"^Start push button", since, "Tab back from the guidance box")

    # Info, and Info again: its new caption is said.
    since = press_on(r"^Info push button", since, "Info")
    if since is None:
        return
    _, since = await_speech(r"^Ende Info", since, "Info")
    keys("space")
    _, since = await_speech(r"^Info$", since, "Info again")

    # The whole run at once says one summary.
    since = mark()
    keys("F5")
    _, since = await_speech(rf"Ende, {len(SPINS) // 3} Zahlen", since, "Bis zum Ende")
    said = said_later(since)
    check(not any(re.search(r"Sechser|Kolonne|Farbe", text) for text in said),
          f"Bis zum Ende said single presses: {said}")

    flat_review()


def flat_review():
    """Flat review's key, and the time until Orca speaks the review's first
    line, by Orca's own clock; its key's echo and the mode's own message come
    at once and are not counted. It must speak, as any other speech; how soon
    is printed, a figure and not a check: on a loaded machine Orca's own walk
    of the window takes what the machine gives it."""
    since = mark()
    keys("KP_Subtract")
    end = time.monotonic() + SPEECH_DEADLINE
    while time.monotonic() < end:
        with lines_lock:
            taken = lines[since:]
        pressed = handled = None
        for offset, line in enumerate(taken):
            if "keyval_name=(KP_Subtract)" in line and pressed is None:
                pressed = offset
            elif pressed is not None and "Handler is Enter and exit flat review mode" in line:
                handled = since + offset
                break
        if handled is not None:
            stamps = [found for line in taken[pressed:] if (found := re.match(r"^(\d\d):(\d\d):(\d\d\.\d+) - ", line))]
            review = [(stamp, text) for _, stamp, text in speeches(handled) if "flat review" not in text]
            if stamps and review:
                took = review[0][0] - seconds_of(stamps[0])
                print(f"flat review spoke {took:.2f} s after its key: {review[0][1]!r}")
                check(took <= SPEECH_DEADLINE, f"flat review took {took:.1f} s to speak")
                return
        time.sleep(0.1)
    check(False, f"flat review said nothing within {SPEECH_DEADLINE:.0f} s of its key")


if __name__ == "__main__":
    sys.stdout.reconfigure(line_buffering=True)
    main()
    if failures:
        sys.exit(f"{len(failures)} failures")
    print("Orca says what it should")
