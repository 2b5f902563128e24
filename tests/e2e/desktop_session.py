# SPDX-License-Identifier: GPL-3.0-or-later
"""What the accessibility registry of this D-Bus session tells its clients."""

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
