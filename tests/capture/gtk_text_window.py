#!/usr/bin/python3
# A GTK 3 window with labels of known text for the accessibility capture tests. Prints one JSON
# line once it is on screen: for each requested word, the screen point at the centre of its
# middle character, computed from the label's Pango layout (independently of AT-SPI).
import json
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

# {"x": .., "y": .., "lines": [..], "words": [[line, word], ..], "select": .., "view": [width, height]}
# With "view", the lines are the paragraphs of one GtkTextView of that size, as in an editor.
setup = json.loads(sys.argv[1])

window = Gtk.Window(title="quillmoor-test")
window.set_decorated(False)
window.move(setup["x"], setup["y"])
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL, spacing=8)
box.set_border_width(12)
labels = []
view = None
if "view" in setup:
    view = Gtk.TextView(wrap_mode=Gtk.WrapMode.WORD, editable=False)
    view.get_buffer().set_text("\n".join(setup["lines"]))
    view.set_size_request(*setup["view"])
    box.pack_start(view, True, True, 0)
else:
    labels = [Gtk.Label(label=line, xalign=0, selectable="select" in setup) for line in setup["lines"]]
    for label in labels:
        box.pack_start(label, False, False, 0)
window.add(box)
window.show_all()


def view_point(line, word):
    # The middle of the word's middle character, from the view's own layout.
    text = setup["lines"][line]
    start = view.get_buffer().get_iter_at_line_offset(line, text.index(word) + len(word) // 2)
    rect = view.get_iter_location(start)
    x, y = view.buffer_to_window_coords(Gtk.TextWindowType.TEXT, rect.x + rect.width // 2, rect.y + rect.height // 2)
    _, ox, oy = view.get_window(Gtk.TextWindowType.TEXT).get_origin()
    return [ox + x, oy + y]


def select():
    # After the window has settled: a selectable label selects all of itself on focus.
    line, start, end = setup["select"]
    labels[line].grab_focus()
    labels[line].select_region(start, end)
    return False


def report():
    _, ox, oy = window.get_window().get_origin()
    points = []
    for line, word in setup["words"]:
        if view:
            points.append(view_point(line, word))
            continue
        text = labels[line].get_text()
        middle = text.index(word) + len(word) // 2
        rect = labels[line].get_layout().index_to_pos(len(text[:middle].encode("utf-8")))
        lx, ly = labels[line].get_layout_offsets()
        points.append([ox + lx + (rect.x + rect.width / 2) / 1024, oy + ly + (rect.y + rect.height / 2) / 1024])
    print(json.dumps({"points": points}), flush=True)
    return False


if "select" in setup:
    GLib.timeout_add(150, select)
GLib.timeout_add(300, report)
Gtk.main()
