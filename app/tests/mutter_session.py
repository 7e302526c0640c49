#!/usr/bin/python3
# What a user does and sees on a GNOME desktop, for a check that runs inside mutter: pointer and
# keyboard input through mutter's remote-desktop interface (the session lives as long as this
# process), and Pictavo's message boxes through the accessibility bus. One command a line on
# standard input, one answer a line on standard output once it is done:
#   move X Y      moves the pointer to X, Y on the screen                      -> ok
#   press|release the left button                                             -> ok
#   key CODE      taps the key of that evdev code                              -> ok
#   boxes         the texts of Pictavo's open message boxes, joined by "|"     -> the texts, or -
#   close-box     presses the only button of one of them, as a screen reader   -> ok, or none
#                 would: no input reaches the program through the compositor
import sys

import gi

gi.require_version("Atspi", "2.0")
gi.require_version("Gio", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

REMOTE_DESKTOP = "org.gnome.Mutter.RemoteDesktop"
BUTTON_LEFT = 0x110  # BTN_LEFT

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, signature=None, *arguments):
    parameters = GLib.Variant(signature, arguments) if signature else None
    return bus.call_sync(REMOTE_DESKTOP, path, interface, method, parameters, None, Gio.DBusCallFlags.NONE, 5000, None)


session = call("/org/gnome/Mutter/RemoteDesktop", REMOTE_DESKTOP, "CreateSession").unpack()[0]


def notify(method, signature, *arguments):
    call(session, REMOTE_DESKTOP + ".Session", method, signature, *arguments)


call(session, REMOTE_DESKTOP + ".Session", "Start")
# Relative motion is all a session without a screen cast offers; the screen's edges stop the
# pointer, so a long way up and left puts it at 0, 0, from where it is tracked.
notify("NotifyPointerMotionRelative", "(dd)", -100000.0, -100000.0)
pointer = (0, 0)


def descendants(node):
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield child
            yield from descendants(child)


def message_boxes():
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is None or application.get_name() != "Pictavo":
            continue
        application.clear_cache()
        for window in (application.get_child_at_index(i) for i in range(application.get_child_count())):
            if window is not None and window.get_role() == Atspi.Role.ALERT:
                yield window


def box_text(box):
    return " ".join(node.get_name() for node in descendants(box) if node.get_role() == Atspi.Role.LABEL)


def close_box():
    for box in message_boxes():
        buttons = [node for node in descendants(box) if node.get_role() == Atspi.Role.PUSH_BUTTON]
        if len(buttons) == 1:
            buttons[0].get_action_iface().do_action(0)
            return "ok"
    return "none"


for line in sys.stdin:
    command, *values = line.split()
    answer = "ok"
    if command == "move":
        target = (int(values[0]), int(values[1]))
        notify("NotifyPointerMotionRelative", "(dd)", float(target[0] - pointer[0]), float(target[1] - pointer[1]))
        pointer = target
    elif command in ("press", "release"):
        notify("NotifyPointerButton", "(ib)", BUTTON_LEFT, command == "press")
    elif command == "key":
        for pressed in (True, False):
            notify("NotifyKeyboardKeycode", "(ub)", int(values[0]), pressed)
    elif command == "boxes":
        answer = "|".join(box_text(box) for box in message_boxes()) or "-"
    elif command == "close-box":
        answer = close_box()
    else:
        answer = "unknown command " + command
    print(answer, flush=True)
