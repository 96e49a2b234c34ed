#!/usr/bin/python3
# Prints, as one JSON list, what a screen reader can read of one application's showing windows:
# every node's accessible name and, for text nodes, its text. Usage: atspi_texts.py <pid>
import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

pid = int(sys.argv[1])
texts = []


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        states = node.get_state_set()
        if not states.contains(Atspi.StateType.SHOWING):
            return
        name = node.get_name()
        if name:
            texts.append(name)
        if "Text" in node.get_interfaces():
            content = Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
            if content and content != name:
                texts.append(content)
        for i in range(node.get_child_count()):
            walk(node.get_child_at_index(i), depth + 1)
    except gi.repository.GLib.Error:
        return


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    application = desktop.get_child_at_index(i)
    try:
        if application is None or application.get_process_id() != pid:
            continue
    except gi.repository.GLib.Error:
        continue
    for j in range(application.get_child_count()):
        walk(application.get_child_at_index(j))
print(json.dumps(texts, ensure_ascii=False), flush=True)
