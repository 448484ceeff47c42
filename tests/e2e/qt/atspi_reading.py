#!/usr/bin/python3
# What a screen reader reads of the real keyrill binary through AT-SPI: the typing
# area's text, caret and events while keys are typed (X key events from xdotool),
# the caret's screen rectangle on the drawn cell, the bar, the dialogs' names and
# the Report's labels. Run under `xvfb-run -a dbus-run-session --`.
# Usage: atspi_reading.py <keyrill binary> <scratch directory>
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

keyrill, work = sys.argv[1], sys.argv[2]
TITLE = os.environ["KEYRILL_WINDOW_TITLE"]  # set by the test command from the build
LIBRARY = b"\r\n~Home\r\nRest your fingers\r\non the home row.\r\n"
FIRST, SECOND = "Rest your fingers", "on the home row."
SCALE = float(os.environ.get("QT_SCALE_FACTOR", "1"))
events = []  # (type, detail1, any_data) of the typing area, in order


def pump_until(what, predicate, seconds=10, required=True):
    """Runs the event loop until predicate() holds; after seconds fails with `what`,
    or, when not required, returns and leaves the verdict to the table."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        if program.poll() is not None:
            sys.exit(f"FAIL: keyrill ended (status {program.returncode}) before {what}")
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    if not required:
        return None
    sys.exit(f"FAIL: gave up after {seconds} s waiting for {what}; seen so far: {seen}")


def find(root, predicate):
    return pyatspi.findDescendant(root, predicate) if root else None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a and a.name == "keyrill"), None)


def window(title):
    return pump_until(f"the window {title!r}",
                      lambda: find(app(), lambda o: o.name == title and
                                   o.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG)))


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


def text_of(obj):
    t = obj.queryText()
    return t.getText(0, t.characterCount)


def ink(rect):
    """Mean brightness of a screen rectangle: 1.0 is all white."""
    x, y, w, h = rect
    shot = os.path.join(work, "screen.png")
    subprocess.run(["import", "-window", "root", shot], check=True, timeout=20)
    out = subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "-format",
                          "%[fx:mean]", "info:"], check=True, timeout=20,
                         capture_output=True, text=True).stdout
    return float(out)


def click(obj, *xdotool_click):
    """Clicks the middle of what obj says it covers. Qt 6.4 gives its own objects'
    rectangles in logical pixels, the typing area's caret in the screen's."""
    x, y, w, h = (round(v * SCALE) for v in obj.queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS))
    xdo("mousemove", str(x + w // 2), str(y + h // 2), "click", *xdotool_click, "1")


def cell(area, offset):
    e = area.queryText().getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
    return (e[0], e[1], e[2], e[3])


os.makedirs(work, exist_ok=True)
os.chdir(work)
with open("tests.tst", "wb") as f:
    f.write(LIBRARY)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
if os.environ.get("KEYRILL_PRELOAD"):  # a planted fault, into the program only
    env["LD_PRELOAD"] = os.environ["KEYRILL_PRELOAD"]
program = subprocess.Popen([keyrill], env=env)
seen = {}
try:
    main = window(TITLE)
    area = pump_until("the typing area", lambda: find(main, lambda o: o.name == "Typing area"))
    seen["area role"] = area.getRole()
    seen["idle text"] = text_of(area)
    bar = find(main, lambda o: o.getRole() == pyatspi.ROLE_STATUS_BAR)

    def on_event(event):
        if event.source == area:
            events.append((event.type, event.detail1, event.any_data))

    pyatspi.Registry.registerEventListener(on_event, "object:text-changed",
                                           "object:text-caret-moved")
    xid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                          f"^{TITLE}$"], capture_output=True, text=True,
                         timeout=20).stdout.split()[0]
    xdo("windowfocus", "--sync", xid)
    xdo("key", "ctrl+s")
    select = window("Select Test")
    names = find(select, lambda o: o.getRole() == pyatspi.ROLE_LIST)
    seen["list name"] = names.name if names else None
    # A click where the row says it is, as a screen reader's click emulation does.
    row = names.getChildAtIndex(0) if names and names.childCount else None
    seen["row name"] = row.name if row else None
    if row:
        click(row, "--repeat", "2", "--delay", "60")
    pump_until("the chosen test on the idle rows", lambda: "\nHome" in text_of(area))
    seen["chosen text"] = text_of(area)

    xdo("windowfocus", "--sync", xid)
    xdo("key", "Return")
    pump_until("a run", lambda: text_of(area).startswith(FIRST))
    seen["run text"] = text_of(area)
    seen["description"] = area.description
    del events[:]
    xdo("type", "--delay", "60", "Rest")
    base = len(FIRST) + 1
    pump_until("four insert and four caret events", lambda: len(events) >= 8, 5, required=False)
    seen["inserts"] = [(e[1], e[2]) for e in events if e[0].endswith("insert")]
    seen["caret events"] = [e[1] for e in events if e[0] == "object:text-caret-moved"]
    seen["caret"] = area.queryText().caretOffset
    seen["typed text"] = text_of(area)
    # The typed "t" is drawn in its cell, right below the "t" to type.
    typed_t, target_t = cell(area, base + 3), cell(area, 3)
    seen["typed cell under target cell"] = (typed_t[0] == target_t[0] and
                                            typed_t[1] == target_t[1] + target_t[3])
    seen["ink in typed cell"] = ink(typed_t) < 0.97
    seen["ink in a blank target cell"] = ink(cell(area, 4)) < 0.99  # the space after "Rest"
    del events[:]
    xdo("key", "BackSpace")
    pump_until("a remove event", lambda: any(e[0].endswith("delete") for e in events))
    seen["removes"] = [(e[1], e[2]) for e in events if e[0].endswith("delete")]
    seen["caret after Backspace"] = area.queryText().caretOffset
    xdo("type", "--delay", "40", "t your fingers")  # the line ends at its length
    pump_until("the next line", lambda: text_of(area).startswith(SECOND))
    notice = find(main, lambda o: o.getRole() == pyatspi.ROLE_NOTIFICATION)
    seen["notification"] = notice.name if notice else None
    seen["next description"] = area.description
    seen["bar"] = bar.name if bar else None

    xdo("type", "--delay", "40", SECOND)
    report = window("Report")
    figures = {}
    for field in pyatspi.findAllDescendants(report, lambda o: o.getRole() == pyatspi.ROLE_TEXT):
        labels = [r.getTarget(0).name for r in field.getRelationSet()
                  if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        figures[field.name] = (labels, text_of(field))
    seen["report"] = figures
    click(find(report, lambda o: o.name == "OK"))
    pump_until("the Report to close", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Report$"],
        capture_output=True).returncode != 0)

    xdo("windowfocus", "--sync", xid)
    xdo("key", "ctrl+a")
    add = window("Add Test")
    seen["add boxes"] = sorted(o.name for o in pyatspi.findAllDescendants(
        add, lambda o: o.getRole() == pyatspi.ROLE_TEXT))
    xdo("key", "Escape")
finally:
    program.terminate()
    program.wait(10)

LABELS = ["Words Per Minutes:", "Words In Test:", "Time Taken:", "Words Typed:",
          "Charactars:", "Errors:"]
expectations = [
    ("the typing area is text", "area role", lambda v: v == pyatspi.ROLE_TEXT),
    ("idle: the prompt row", "idle text", lambda v: v == "Please select a test to begin..."),
    ("Select Test's list is named", "list name", lambda v: v == "Tests"),
    ("a row is the test's name", "row name", lambda v: v == "Home"),
    ("idle: the prompt and the chosen name", "chosen text",
     lambda v: v == "Press enter to begin the test...\nHome"),
    ("a run: the line to type above an empty typed row", "run text", lambda v: v == FIRST + "\n"),
    ("the description is the line to type", "description", lambda v: v == FIRST),
    ("one insert per typed key, at the caret", "inserts",
     lambda v: v == [(len(FIRST) + 1 + i, c) for i, c in enumerate("Rest")]),
    ("a caret event per typed key", "caret events",
     lambda v: v == [len(FIRST) + 2 + i for i in range(4)]),
    ("the caret after the typed text", "caret", lambda v: v == len(FIRST) + 5),
    ("the typed row", "typed text", lambda v: v == FIRST + "\nRest"),
    ("a typed cell is right below its target cell", "typed cell under target cell", bool),
    ("the typed cell's rectangle is on its drawn glyph", "ink in typed cell", bool),
    ("a blank's rectangle is blank", "ink in a blank target cell", lambda v: v is False),
    ("Backspace removes the last character", "removes", lambda v: v == [(len(FIRST) + 4, "t")]),
    ("the caret goes back with Backspace", "caret after Backspace", lambda v: v == len(FIRST) + 4),
    ("the next line is announced", "notification", lambda v: v == SECOND),
    ("the description follows the line", "next description", lambda v: v == SECOND),
    ("the bar is readable", "bar", lambda v: bool(v) and v.startswith("Words Per Minute: ")),
    ("each Report figure is named and labelled by its label", "report",
     lambda v: sorted(v) == sorted(LABELS) and all(v[k][0] == [k] and v[k][1] for k in v)),
    ("Add Test's boxes are named", "add boxes", lambda v: v == ["Test name", "Test text"]),
]
failures = 0
for what, key, holds in expectations:
    value = seen.get(key)
    if holds(value):
        print(f"ok: {what}")
    else:
        failures += 1
        print(f"FAIL: {what}: got {value!r}")
print(f"{failures} failure(s)")
sys.exit(1 if failures else 0)
