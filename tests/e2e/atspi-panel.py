#!/usr/bin/python3
"""Reads the running panel over AT-SPI as a screen reader does, writes the
tree it read to a file (an object a line: role, name, and text where it has
one), and checks it: the five function buttons by their keys (in English by
their whole names) as push buttons, no F6 to F12, one label for each readout
X to W named by its axis and none for the hidden EX to EZ, and a status bar.

In English it also has the host send positions through the simulator and
counts what the panel tells of them: one value change of X for each new X,
nothing else of any readout. Then it presses F4 through its action; the
calling script checks that the host received the command.

In German and Japanese it checks the title of the Options menu; while the
panel has no catalogue for the language (the title is still English) it
says so and skips that check alone.

usage: atspi-panel.py LANGUAGE TREE_FILE HOST_LINES
  LANGUAGE    en, de or ja: the language the panel was started in
  TREE_FILE   where the tree read goes
  HOST_LINES  the pipe the host simulator reads its messages from
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

WINDOW = "Orvane VovIri"
ENGLISH_BUTTONS = ["F1 Done", "F2 Delete", "F3 Move Pt.", "F4 STOP EXECUTION",
                   "F5 CONTINUE EXECUTION"]
OPTIONS_TITLE = {"de": "Optionen", "ja": "オプション"}
AXES = ["X", "Y", "Z", "A", "B", "W"]

failures = []


def fail(message):
    failures.append(message)
    print(f"FAIL: {message}", flush=True)


def panel_window(seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "pendra":
                for window in app:
                    if window is not None and window.name == WINDOW:
                        return window
        time.sleep(0.2)
    sys.exit(f"FAIL: no window '{WINDOW}' of pendra on the AT-SPI desktop within {seconds} s")


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def write_tree(window, path):
    with open(path, "w", encoding="utf-8") as out:
        for depth, node in walk(window):
            text = text_of(node)
            shown = f' text "{text}"' if text else ""
            out.write(f'{"  " * depth}[{node.getRoleName()}] "{node.name}"{shown}\n')


def wait_for_text(node, text, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if text_of(node) == text:
            return True
        time.sleep(0.1)
    return False


def check_tree(nodes, language):
    def with_name(pattern):
        return [node for node in nodes if re.fullmatch(pattern, node.name or "")]

    for key in range(1, 6):
        found = [node for node in with_name(rf"F{key}( .*)?")
                 if node.getRoleName() == "push button"]
        if len(found) != 1:
            fail(f"{len(found)} push buttons named F{key}, not one")
        elif language == "en" and found[0].name != ENGLISH_BUTTONS[key - 1]:
            fail(f"F{key} is named '{found[0].name}', not '{ENGLISH_BUTTONS[key - 1]}'")
    hidden = [node.name for node in with_name(r"F([6-9]|1[0-2])( .*)?")]
    if hidden:
        fail(f"hidden buttons in the tree: {hidden}")
    for axis in AXES:
        roles = [node.getRoleName() for node in with_name(axis)]
        if roles != ["label"]:
            fail(f"readout {axis}: one label expected, found {roles}")
    for name in ("EX", "EY", "EZ"):
        if with_name(name):
            fail(f"the hidden error readout {name} is in the tree")
    if not any(node.getRoleName() == "status bar" for node in nodes):
        fail("no status bar in the tree")


def check_options_title(nodes, language):
    bars = [node for node in nodes if node.getRoleName() == "menu bar"]
    if not bars or bars[0].childCount == 0:
        fail("no menu bar with a menu")
        return
    # "&Optionen", or "オプション(&O)" with the key after the word.
    title = re.sub(r"\(\w\)$", "", bars[0][0].name.replace("&", ""))
    if title == "Options":
        print(f"SKIP: the Options menu is still called 'Options' in '{language}': the panel "
              f"has no catalogue for it yet", flush=True)
    elif title != OPTIONS_TITLE[language]:
        fail(f"the Options menu reads '{bars[0][0].name}' in '{language}', "
             f"not '{OPTIONS_TITLE[language]}'")


def count_announcements(readouts, host_lines):
    """One value change of X for each new X, nothing else of any readout."""
    told = []

    def heard(event):
        if event.source is not None and event.source.name in AXES:
            told.append((event.type, event.source.name))

    events = ["object:property-change:accessible-value", "object:property-change:accessible-name",
              "object:text-changed"]
    pyatspi.Registry.registerEventListener(heard, *events)
    xs = ["1", "2", "3", "4", "5"]

    def send_next():
        if not xs:
            # Long enough for what is still on its way.
            GLib.timeout_add(2000, pyatspi.Registry.stop)
            return False
        host_lines.write(f"QVL_IP_COORD:{xs.pop(0)},2,3,4,5,6\n")
        host_lines.flush()
        return True

    def start_sending():
        GLib.timeout_add(600, send_next)
        return False

    # The panel learns of the listeners through the registry first.
    GLib.timeout_add(1500, start_sending)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, *events)

    if not wait_for_text(readouts["X"], "5.0000"):
        fail(f"X shows '{text_of(readouts['X'])}' after the host sent 5, not '5.0000'")
    values = told.count(("object:property-change:accessible-value", "X"))
    if values != 5:
        fail(f"5 new values of X were told as {values} value changes")
    others = [event for event in told
              if event != ("object:property-change:accessible-value", "X")]
    if others:
        fail(f"told besides X's values: {others}")


def press_f4(nodes):
    button = next((node for node in nodes if (node.name or "").startswith("F4")), None)
    if button is None:
        return
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"F4 has no Press action, only {names}")
        return
    action.doAction(names.index("Press"))


def main():
    language, tree_file, host_lines_path = sys.argv[1:4]
    window = panel_window()
    nodes = [node for _, node in walk(window)]
    if language == "en":
        with open(host_lines_path, "w", encoding="utf-8") as host_lines:
            readouts = {node.name: node for node in nodes if node.name in AXES}
            host_lines.write("QVL_IP_COORD:0,2,3,4,5,6\n")
            host_lines.flush()
            if "X" in readouts and not wait_for_text(readouts["X"], "0.0000"):
                fail(f"X shows '{text_of(readouts['X'])}', not the host's '0.0000'")
            if "Y" in readouts and text_of(readouts["Y"]) != "2.0000":
                fail(f"Y shows '{text_of(readouts['Y'])}', not the host's '2.0000'")
            if "X" in readouts:
                count_announcements(readouts, host_lines)
    write_tree(window, tree_file)
    check_tree(nodes, language)
    if language == "en":
        press_f4(nodes)
    else:
        check_options_title(nodes, language)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
