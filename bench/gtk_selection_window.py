#!/usr/bin/python3
# A GTK 3 window with one selectable line for the grammar panel benchmark. Each line read on stdin
# becomes the window's text, selected whole; the window then prints one JSON line with the screen
# point at the middle of the text.
import json
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

window = Gtk.Window(title="quillmoor-bench")
window.set_decorated(False)
window.move(60, 80)
label = Gtk.Label(label=" ", xalign=0, selectable=True)
box = Gtk.Box(border_width=12)
box.pack_start(label, False, False, 0)
window.add(box)
window.show_all()


def report():
    _, ox, oy = window.get_window().get_origin()
    alloc = label.get_allocation()
    print(json.dumps({"point": [ox + alloc.x + alloc.width / 2, oy + alloc.y + alloc.height / 2]}), flush=True)
    return False


def on_line(source, _condition):
    line = source.readline()
    if not line:
        Gtk.main_quit()
        return False
    label.set_text(line.rstrip("\n"))
    label.grab_focus()
    label.select_region(0, -1)
    GLib.timeout_add(120, report)
    return True


GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_line)
Gtk.main()
