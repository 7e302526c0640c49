#!/usr/bin/python3
# A Wayland-native drag source that keeps the keyboard focus, as a file manager's window does: a
# press on it focuses it, and a drop leaves the focus there. Each argument is one drag: the files it
# offers, separated by commas. It tells the check on standard output what happens to it:
#   area W H     the size of its drag area
#   enter X Y    the pointer entered the drag area at X, Y within it
#   began        a drag started
#   accepted     a target under the pointer accepts the drag
#   offered      the target took the files
#   ended        the drag is over; the next one offers the next argument's files
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, GLib, Gtk  # noqa: E402

drags = [argument.split(",") for argument in sys.argv[1:]]


def say(*words):
    print(*words, flush=True)


def on_begin(_area, context):
    say("began")
    context.connect("action-changed", lambda _context, action: action and say("accepted"))


def on_data_get(_area, _context, data, _info, _time):
    data.set_uris([GLib.filename_to_uri(file) for file in drags[0]])
    say("offered")


def on_end(_area, _context):
    if len(drags) > 1:
        drags.pop(0)
    say("ended")


window = Gtk.Window(title="Drag source")
area = Gtk.EventBox()
area.set_size_request(200, 120)
area.add(Gtk.Label(label="Drag from here"))
area.add_events(Gdk.EventMask.ENTER_NOTIFY_MASK)
area.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
area.drag_source_add_uri_targets()
area.connect("size-allocate", lambda _area, allocation: say("area", allocation.width, allocation.height))
area.connect("enter-notify-event", lambda _area, event: say("enter", int(event.x), int(event.y)))
area.connect("drag-begin", on_begin)
area.connect("drag-data-get", on_data_get)
area.connect("drag-end", on_end)
window.add(area)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
