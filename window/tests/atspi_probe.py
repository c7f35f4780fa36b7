#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

"""What a screen reader sees of the program, through the accessibility bus.

atspi_probe.py tree CAPTION
    waits for the top-level window captioned CAPTION and prints, one per line,
    what a screen reader learns of it: the window's role and name, the
    heading's role, Clear's name and description.
atspi_probe.py listen FILE [announcement|notification]
    writes each announcement any program makes to FILE, one line each, until
    ended; prints "listening" once it is registered for them. With
    notification, an announcement is a notification that starts showing, as
    Qt before 6.8 makes them.
atspi_probe.py listened EVENT
    succeeds when a client of the accessibility bus, such as a screen reader,
    has registered for EVENT (named as the registry names it, for example
    Object:StateChanged:Focused): it is listening.
"""

import sys
import time

import pyatspi


def find_window(caption):
    # A minute's patience, as the shell tests have: the program may still be
    # starting or registering on the bus.
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
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


def listen(path, kind):
    with open(path, "a", encoding="utf-8") as out:
        def record(event):
            out.write(f"{event.any_data}\n")
            out.flush()

        def record_notification(event):
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                # Its name as it is now, not as first read.
                event.source.clearCache()
                out.write(f"{event.source.name}\n")
                out.flush()

        if kind == "notification":
            pyatspi.Registry.registerEventListener(record_notification,
                                                   "object:state-changed:showing")
        else:
            pyatspi.Registry.registerEventListener(record, "object:announcement")
        print("listening", flush=True)
        pyatspi.Registry.start()


def listened(event):
    from gi.repository import Gio, GLib

    def call(bus, name, path, interface, method, reply):
        return bus.call_sync(name, path, interface, method, None, GLib.VariantType(reply),
                             Gio.DBusCallFlags.NONE, -1, None).unpack()[0]

    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", "(s)")
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    registered = call(bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                      "org.a11y.atspi.Registry", "GetRegisteredEvents", "(a(ss))")
    sys.exit(0 if any(name == event for _, name in registered) else 1)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "tree":
        tree(sys.argv[2])
    elif len(sys.argv) in (3, 4) and sys.argv[1] == "listen":
        listen(sys.argv[2], sys.argv[3] if len(sys.argv) == 4 else "announcement")
    elif len(sys.argv) == 3 and sys.argv[1] == "listened":
        listened(sys.argv[2])
    else:
        sys.exit(__doc__)
