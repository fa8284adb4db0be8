#!/usr/bin/python3
"""Reads a running program's window over AT-SPI, as a screen reader does.

Usage: screen_reader.py PID EXPECTED_CELL...
Fails (exit 1) when a control that is shown has no name, one a person operates has no
description, or when a table cell named EXPECTED_CELL is missing. Prints what it read.

Usage: screen_reader.py --listen PID EXPECTED_NAME...
Prints "listening" once it hears the program's events, then every name change it is told
of; fails unless each EXPECTED_NAME is announced within a minute.
"""
import sys
import time

import pyatspi

# Roles a person reaches or reads; each must say what it is.
NAMED = {
    "push button", "text", "entry", "password text", "slider", "spin button", "tree table",
    "table", "tree", "list", "list item", "label", "check box", "combo box", "frame",
    "menu item", "scroll bar",
}
# Roles a person operates; each must also say what it does.
DESCRIBED = {
    "push button", "toggle button", "check box", "radio button", "text", "entry",
    "password text", "slider", "spin button", "tree table", "table", "tree", "list",
    "combo box", "scroll bar",
}


def find_app(pid, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application going away while listed
                continue
        time.sleep(0.2)
    return None


def walk(node, path, seen, depth=0):
    if node is None or depth > 40:
        return
    try:
        role = node.getRoleName()
        name = node.name or ""
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        description = node.description or ""
    except Exception as error:  # a node that vanished while read
        print(f"unreadable node under {path}: {error}", file=sys.stderr)
        return
    seen.append((role, name, description, showing, path))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), f"{path}/{role}:{name}", seen, depth + 1)


def listen(pid, expected):
    from gi.repository import GLib

    if find_app(pid) is None:
        print(f"no application with process {pid} on the accessibility bus", file=sys.stderr)
        return 1
    heard = []

    def on_name(event):
        try:
            if event.host_application.get_process_id() != pid:
                return
            name = event.any_data if isinstance(event.any_data, str) else event.source.name
            role = event.source.getRoleName()
        except Exception:  # a source gone before it was read
            return
        heard.append(name)
        print(f"name changed\t{role}\t{name}", flush=True)
        if all(said(e) for e in expected):
            pyatspi.Registry.stop()

    # A status may carry other news after its own (joined by " · "): heard if it is within.
    def said(expected_name):
        return any(expected_name in name for name in heard)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    GLib.timeout_add(60000, lambda: pyatspi.Registry.stop())
    GLib.idle_add(lambda: print("listening", flush=True) and False)
    pyatspi.Registry.start()
    missing = [e for e in expected if not said(e)]
    for name in missing:
        print(f"never announced: \"{name}\"", file=sys.stderr)
    return 1 if missing else 0


def main():
    if sys.argv[1] == "--listen":
        return listen(int(sys.argv[2]), sys.argv[3:])
    pid = int(sys.argv[1])
    expected = sys.argv[2:]
    app = find_app(pid)
    if app is None:
        print(f"no application with process {pid} on the accessibility bus", file=sys.stderr)
        return 1
    seen = []
    walk(app, app.name or "app", seen)
    faults = []
    for role, name, description, showing, path in seen:
        print(f"{role}\t{name}\t{description}\t{'shown' if showing else 'hidden'}")
        if showing and role in NAMED and not name.strip():
            faults.append(f"a {role} without a name under {path}")
        if showing and role in DESCRIBED and not description.strip():
            faults.append(f"the {role} \"{name}\" has no description, under {path}")
    cells = {name for role, name, _, _, _ in seen if role in ("table cell", "tree item")}
    for cell in expected:
        if cell not in cells:
            faults.append(f"no cell reads \"{cell}\"; cells: {sorted(cells)}")
    if sum(1 for role, _, _, showing, _ in seen if role == "push button" and showing) < 5:
        faults.append("fewer than five buttons read: the window was not read")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
