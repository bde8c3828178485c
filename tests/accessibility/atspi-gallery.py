#!/usr/bin/python3
"""Looks at the running gallery from outside its process, as a screen reader does: through
AT-SPI on the session bus. Finds a push button and two check boxes by name, reads a check box's
state, toggles the other one through its action and waits for the state to follow.

Exits 0 when everything was found and behaved, 1 otherwise, printing what it saw."""

import sys
import time

import pyatspi

APP = "Wexal Gallery"
WANTED = {
    ("push button", "Open a modal form"),
    ("check box", "Remember this device"),
    ("check box", "Email me updates"),
}


def application(deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP:
                return app
        time.sleep(0.5)
    return None


def find(root):
    """Everything in WANTED, by (role, name); the walk stops once all are found."""
    found = {}
    stack = [root]
    while stack and len(found) < len(WANTED):
        node = stack.pop()
        try:
            key = (node.getRoleName(), node.name)
            if key in WANTED:
                found[key] = node
            stack.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))
        except Exception:  # a node that went away while we walked
            continue
    return found


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def main():
    deadline = time.time() + 60
    app = application(deadline)
    if app is None:
        print(f"AT-SPI: no application named {APP!r} on the accessibility bus")
        return 1
    found = {}
    while time.time() < deadline and len(found) < len(WANTED):
        found = find(app)
        if len(found) < len(WANTED):
            time.sleep(0.5)
    missing = WANTED - found.keys()
    if missing:
        print("AT-SPI: not found:", sorted(missing))
        return 1
    for role, name in sorted(found):
        print(f"AT-SPI: found {role} {name!r}")

    if not checked(found[("check box", "Remember this device")]):
        print("AT-SPI: 'Remember this device' is shown checked but not reported checked")
        return 1
    box = found[("check box", "Email me updates")]
    if checked(box):
        print("AT-SPI: 'Email me updates' starts unchecked but is reported checked")
        return 1
    action = box.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    print("AT-SPI: actions of 'Email me updates':", names)
    toggle = next((i for i, n in enumerate(names) if n.lower() in ("toggle", "press")), None)
    if toggle is None:
        print("AT-SPI: the check box offers no toggle or press action")
        return 1
    action.doAction(toggle)
    while time.time() < deadline and not checked(box):
        time.sleep(0.2)
    if not checked(box):
        print("AT-SPI: the check box did not become checked after its action")
        return 1
    print("AT-SPI: 'Email me updates' checked through its action")
    return 0


if __name__ == "__main__":
    sys.exit(main())
