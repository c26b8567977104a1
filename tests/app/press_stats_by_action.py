# SPDX-License-Identifier: GPL-3.0-or-later
# An assistive client on the accessibility bus: it finds the running game, checks that the main
# window's painted controls and readouts are there by name, presses "Stats" through its action,
# and waits for the statistics window to appear.
import sys
import time

import pyatspi


def find(node, test, depth=0):
    if node is None or depth > 8:
        return None
    if test(node):
        return node
    for child in node:
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, probe, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"not found: {what}")


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name == "Zantaro Slots"), None)


app = wait_for("the game on the bus", game)
for name in ("SPIN", "STOP", "Add a coin", "Last spin"):
    wait_for(name, lambda: find(app, lambda n, name=name: n.name == name))
wait_for("the credits readout", lambda: find(app, lambda n: n.name.startswith("Credits 1000")))
stats = wait_for("the Stats button", lambda: find(app, lambda n: n.name == "Stats"))
actions = stats.queryAction()
names = [actions.getName(i) for i in range(actions.nActions)]
if "Press" not in names:
    sys.exit(f"Stats has no Press action: {names}")
actions.doAction(names.index("Press"))
wait_for("the statistics window", lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG
                                                   or n.name == "Your Game Statistics"))
print("the statistics window opened")
