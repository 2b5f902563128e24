# SPDX-License-Identifier: GPL-3.0-or-later
"""What both screen-reader tests need of the desktop session they build:
the registry's word on who listens, waiting for a state, and ending the
programs they started."""

import subprocess
import time

from gi.repository import Gio, GLib


def registered_events():
    """The events some client listens for: the program sends only these."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)
    try:
        reply = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry",
                              "GetRegisteredEvents", None, None, Gio.DBusCallFlags.NONE, 5000, None)
    finally:
        bus.close_sync(None)
    return {event for (_, event) in reply.unpack()[0]}


def poll(probe, seconds, before_each=lambda: None):
    """What the probe first finds within the time, or None."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        before_each()
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def end_all(children):
    """Ends the started programs, the last started first."""
    for child in reversed(children):
        if child.poll() is None:
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
