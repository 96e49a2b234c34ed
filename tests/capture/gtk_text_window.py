#!/usr/bin/python3
# A GTK 3 window with labels of known text for the accessibility capture tests. Prints one JSON
# line once it is on screen: for each requested word, the screen point at the centre of its
# middle character, computed from the label's Pango layout (independently of AT-SPI).
import json
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

setup = json.loads(sys.argv[1])  # {"x": .., "y": .., "title": .., "lines": [..], "words": [[line, word, nth], ..]}

window = Gtk.Window(title=setup.get("title", "quillmoor-test"))
window.set_decorated(False)
window.move(setup["x"], setup["y"])
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL, spacing=8)
box.set_border_width(12)
labels = []
for line in setup["lines"]:
    label = Gtk.Label(label=line)
    label.set_xalign(0)
    label.set_selectable(setup.get("selectable", False))
    box.pack_start(label, False, False, 0)
    labels.append(label)
window.add(box)
window.show_all()


def select():
    # After the window has settled: a selectable label selects all of itself on focus.
    line, start, end = setup["select"]
    labels[line].grab_focus()
    labels[line].select_region(start, end)
    return False


if "select" in setup:
    GLib.timeout_add(150, select)


def report():
    origin = window.get_window().get_origin()
    ox, oy = origin[1], origin[2]
    points = []
    for line_index, word, nth in setup["words"]:
        label = labels[line_index]
        text = label.get_text()
        start = -1
        for _ in range(nth + 1):
            start = text.index(word, start + 1)
        middle = start + len(word) // 2
        byte_index = len(text[:middle].encode("utf-8"))
        rect = label.get_layout().index_to_pos(byte_index)
        lx, ly = label.get_layout_offsets()
        x = ox + lx + (rect.x + rect.width / 2) / 1024.0
        y = oy + ly + (rect.y + rect.height / 2) / 1024.0
        points.append([x, y])
    print(json.dumps({"points": points, "window": [ox, oy, window.get_allocated_width(), window.get_allocated_height()]}), flush=True)
    return False


GLib.timeout_add(300, report)
Gtk.main()
