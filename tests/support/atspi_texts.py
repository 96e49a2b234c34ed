#!/usr/bin/python3
# Prints, as one JSON list, the accessible name and text of every showing object of the
# application with the given process id, read from the AT-SPI bus as a screen reader would.
import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

pid = int(sys.argv[1])
texts = []


def visit(node, depth):
    if node is None or depth > 40:
        return
    try:
        if not node.get_state_set().contains(Atspi.StateType.SHOWING) and depth > 1:
            return
        name = node.get_name()
        if name:
            texts.append(name)
        text = node.get_text_iface()
        if text is not None:
            content = Atspi.Text.get_text(text, 0, Atspi.Text.get_character_count(text))
            if content:
                texts.append(content)
        for i in range(node.get_child_count()):
            visit(node.get_child_at_index(i), depth + 1)
    except gi.repository.GLib.Error:
        pass


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_process_id() == pid:
        visit(app, 0)
print(json.dumps(texts, ensure_ascii=False), flush=True)
