#!/usr/bin/env python3
"""Prints, as one JSON document, what the accessibility bus shows of the program with the given
process id: every object of its tree with its role, name, states and text. Fails with the reason
when the bus or the program cannot be reached."""
import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

STATES = {
    "checked": Atspi.StateType.CHECKED,
    "selected": Atspi.StateType.SELECTED,
    "focused": Atspi.StateType.FOCUSED,
    "focusable": Atspi.StateType.FOCUSABLE,
    "enabled": Atspi.StateType.ENABLED,
    "showing": Atspi.StateType.SHOWING,
}


def node(accessible, depth):
    states = accessible.get_state_set()
    entry = {
        "role": accessible.get_role_name(),
        "name": accessible.get_name() or "",
        "states": [name for name, state in STATES.items() if states.contains(state)],
        "children": [],
    }
    text = accessible.get_text_iface()
    if text is not None:
        entry["text"] = Atspi.Text.get_text(text, 0, Atspi.Text.get_character_count(text))
    if depth < 12:
        for i in range(accessible.get_child_count()):
            child = accessible.get_child_at_index(i)
            if child is not None:
                entry["children"].append(node(child, depth + 1))
    return entry


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            json.dump(node(app, 0), sys.stdout, ensure_ascii=False)
            return 0
    sys.stderr.write(f"no application with process id {pid} on the accessibility bus\n")
    return 1


if __name__ == "__main__":
    sys.exit(main())
