#!/usr/bin/python3
"""Drives the dialog program as a person with a screen reader would: through the accessibility bus.

Usage: drive_dialog.py [--terminate-while-printing] PROGRAM FILE [SCREENSHOT_FOLDER]

Starts PROGRAM with FILE in the working directory, types 80 into 文字/行, ticks 余白を使用する (its margins must
then be enabled), presses 印刷, confirms the print dialog on its preselected printer, waits for the dialog
program to be ready again and presses 終了. Exits 0
when the program ended by itself, 1 otherwise (the accessible tree is printed to help). With a screenshot
folder, the main dialog with each of its pages and the print dialog are saved there as PNG files.
With --terminate-while-printing, SIGTERM goes to the program as soon as its job is on the spooler (lpstat -o);
exits 0 when the program then ended within a second and a half with the status 128 + SIGTERM.
Runs inside a D-Bus session (dbus-run-session) on an X display (DISPLAY).
"""
import os
import signal
import subprocess
import sys
import time

import pyatspi

PAGES = ["text", "font", "region", "space", "header", "option", "preview"]


def wait_for(what, timeout=20.0):
    """What `what` returns once it is not None. A window that closes while it is being looked at makes the
    accessibility bus answer "no such object": that counts as not found yet."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        try:
            found = what()
        except Exception:
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    return None


def has_state(node, state):
    """Whether `node` is in `state` (pyatspi.STATE_...); a node that went away is in none."""
    try:
        return node is not None and node.getState().contains(state)
    except Exception:
        return False


def showing(node):
    """`node` once it is on the screen, else None: for wait_for."""
    return node if has_state(node, pyatspi.STATE_SHOWING) else None


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def find(root, role, name=None, prefix=None):
    for node in walk(root):
        try:
            if node.getRoleName() != role:
                continue
            if name is not None and node.name != name:
                continue
            if prefix is not None and not node.name.startswith(prefix):
                continue
            return node
        except Exception:
            continue
    return None


def dump(node, depth=0):
    try:
        print("  " * depth + node.getRoleName() + " " + repr(node.name), file=sys.stderr)
    except Exception:
        return
    for child in children(node):
        dump(child, depth + 1)


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def screenshot(folder, name, title):
    """The visible window called `title` (the largest), cut out of the screen."""
    if not folder:
        return
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True,
                             text=True).stdout.split()
    best = None
    for window in windows:
        lines = subprocess.run(["xdotool", "getwindowgeometry", window], capture_output=True, text=True).stdout
        fields = dict(line.strip().split(": ", 1) for line in lines.splitlines()[1:] if ": " in line)
        if "Geometry" not in fields or "Position" not in fields:
            continue
        width, height = (int(v) for v in fields["Geometry"].split("x"))
        x, y = (int(v) for v in fields["Position"].split()[0].split(","))
        if best is None or width * height > best[0]:
            best = (width * height, "%dx%d+%d+%d" % (width, height, x, y))
    if best:
        subprocess.run(["import", "-window", "root", "-crop", best[1], os.path.join(folder, name + ".png")],
                       check=False)


def terminate_while_printing(dialog_program):
    """Sends SIGTERM once the job is on the spooler; 0 when the program ended quickly with 128 + SIGTERM."""
    if wait_for(lambda: True if subprocess.run(["lpstat", "-o"], capture_output=True, text=True).stdout.strip()
                else None, 30) is None:
        print("no job reached the spooler", file=sys.stderr)
        return 1
    signalled = time.monotonic()
    dialog_program.send_signal(signal.SIGTERM)
    try:
        status = dialog_program.wait(timeout=30)
    except subprocess.TimeoutExpired:
        print("the dialog program did not end", file=sys.stderr)
        return 1
    took = time.monotonic() - signalled
    print("ended after %.2f s with status %d" % (took, status), file=sys.stderr)
    return 0 if status == 128 + signal.SIGTERM and took < 1.5 else 1


def main():
    arguments = sys.argv[1:]
    terminating = "--terminate-while-printing" in arguments
    if terminating:
        arguments.remove("--terminate-while-printing")
    program, text_file = arguments[0], arguments[1]
    shots = arguments[2] if len(arguments) > 2 else ""
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    dialog_program = subprocess.Popen([program, text_file], env=environment)
    try:
        def application():
            for candidate in pyatspi.Registry.getDesktop(0):
                if candidate is not None and candidate.name == os.path.basename(program):
                    return candidate
            return None

        app = wait_for(application)
        main_dialog = app and wait_for(lambda: find(app, "dialog", "Vantolex"))
        if main_dialog is None:
            print("the dialog program did not appear on the accessibility bus", file=sys.stderr)
            return 1
        if wait_for(lambda: showing(find(main_dialog, "push button", "印刷(P)"))) is None:
            print("the main dialog did not show its print button", file=sys.stderr)
            dump(app)
            return 1
        if shots:
            tabs = [tab for tab in children(find(main_dialog, "page tab list")) if tab.getRoleName() == "page tab"]
            for tab, page in zip(tabs, PAGES):
                press(tab)
                wait_for(lambda: True if has_state(tab, pyatspi.STATE_SELECTED) else None, 5)
                screenshot(shots, "main-" + page, "Vantolex")
            press(tabs[0])
            wait_for(lambda: True if has_state(tabs[0], pyatspi.STATE_SELECTED) else None, 5)

        chars_per_line = find(main_dialog, "text", "文字/行(C)")
        chars_per_line.queryEditableText().setTextContents("80")
        tabs = [tab for tab in children(find(main_dialog, "page tab list")) if tab.getRoleName() == "page tab"]
        press(tabs[PAGES.index("space")])
        press(wait_for(lambda: find(main_dialog, "check box", "余白を使用する(S)")))
        top_margin = find(main_dialog, "spin button", "上（T）：")
        if wait_for(lambda: True if top_margin.getState().contains(pyatspi.STATE_ENABLED) else None, 5) is None:
            print("ticking 余白を使用する left the margins disabled", file=sys.stderr)
            return 1
        press(find(main_dialog, "push button", "印刷(P)"))

        def print_dialog():
            for window in children(app):
                try:
                    if window is not None and window.getRoleName() == "dialog" and window.name != "Vantolex":
                        return window
                except Exception:
                    continue  # closed while being looked at
            return None

        printing = wait_for(print_dialog)
        if printing is None:
            print("no print dialog", file=sys.stderr)
            dump(app)
            return 1
        confirm = wait_for(lambda: showing(find(printing, "push button", prefix="印刷")), 10)
        if confirm is None:
            dump(printing)
            return 1
        screenshot(shots, "print-dialog", printing.name)
        press(confirm)
        if terminating:
            return terminate_while_printing(dialog_program)
        if wait_for(lambda: None if print_dialog() else True) is None:
            print("the print dialog stayed open", file=sys.stderr)
            dump(app)
            return 1
        # The print runs in the dialog program once its dialog has closed; the program answers the accessibility
        # bus again when the run is over and its main dialog shows its buttons.
        close = wait_for(lambda: showing(find(main_dialog, "push button", "終了(X)")), 30)
        if close is None:
            print("the main dialog did not show 終了 again after printing", file=sys.stderr)
            dump(app)
            return 1
        press(close)
        try:
            return 0 if dialog_program.wait(timeout=30) == 0 else 1
        except subprocess.TimeoutExpired:
            print("the dialog program did not end", file=sys.stderr)
            dump(app)
            return 1
    finally:
        if dialog_program.poll() is None:
            dialog_program.terminate()
            dialog_program.wait()
        bus.terminate()
        bus.wait()


if __name__ == "__main__":
    sys.exit(main())
