#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""What a screen reader sees of the program, through the accessibility bus.

atspi_probe.py tree CAPTION
    waits for the top-level window captioned CAPTION and prints, one per line,
    what a screen reader learns of it: the window's role and name, the
    heading's role, Clear's name and description.
atspi_probe.py listen FILE
    writes each announcement any program makes to FILE, one line each, until
    ended; prints "listening" once it is registered for them.
"""

import sys
import time

import pyatspi


def find_window(caption):
    # A minute's patience, as the shell tests have: the program may still be
    # starting or registering on the bus.
    for _ in range(600):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for window in app:
                if window is not None and window.name == caption:
                    return window
        time.sleep(0.1)
    sys.exit(f"no accessible window named {caption!r}")


def descendant(window, role, name):
    found = pyatspi.findDescendant(
        window, lambda a: a is not None and a.getRole() == role and a.name == name)
    if found is None:
        sys.exit(f"no {role.value_nick} named {name!r}")
    return found


def tree(caption):
    window = find_window(caption)
    heading = pyatspi.findDescendant(window, lambda a: a is not None and a.name == "Ксавора")
    clear = descendant(window, pyatspi.ROLE_PUSH_BUTTON, "Изчисти")
    print(f"window role: {window.getRoleName()}")
    print(f"window name: {window.name}")
    print(f"heading role: {heading.getRoleName() if heading else 'missing'}")
    print(f"clear description: {clear.description}")


def listen(path):
    with open(path, "a", encoding="utf-8") as out:
        def record(event):
            out.write(f"{event.any_data}\n")
            out.flush()

        pyatspi.Registry.registerEventListener(record, "object:announcement")
        print("listening", flush=True)
        pyatspi.Registry.start()


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "tree":
        tree(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "listen":
        listen(sys.argv[2])
    else:
        sys.exit(__doc__)
