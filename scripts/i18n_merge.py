#!/usr/bin/env python3
"""Resolves a merge conflict in the translation files: unions the messages of both sides.

Run during a conflicted merge: scripts/i18n_merge.py i18n/quillmoor_en.ts [more files]
For each file it reads stage 2 (ours) and stage 3 (theirs) from the index, keeps every
context and message of both (theirs wins where both translate the same source), writes the
result sorted and stages it.
"""
import subprocess
import sys
import xml.etree.ElementTree as ET


def messages(text):
    root = ET.fromstring(text)
    result = {}
    for context in root.findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            result[(name, message.findtext("source"))] = message.findtext("translation") or ""
    return root.attrib, result


def main():
    for path in sys.argv[1:]:
        ours = subprocess.run(["git", "show", f":2:{path}"], capture_output=True, text=True, check=True).stdout
        theirs = subprocess.run(["git", "show", f":3:{path}"], capture_output=True, text=True, check=True).stdout
        attrib, merged = messages(ours)
        merged.update(messages(theirs)[1])
        root = ET.Element("TS", attrib)
        for name in sorted({k[0] for k in merged}):
            context = ET.SubElement(root, "context")
            ET.SubElement(context, "name").text = name
            for (ctx, source) in sorted(k for k in merged if k[0] == name):
                message = ET.SubElement(context, "message")
                ET.SubElement(message, "source").text = source
                ET.SubElement(message, "translation").text = merged[(ctx, source)]
        ET.indent(root, space="    ")
        with open(path, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            out.write(ET.tostring(root, encoding="unicode"))
            out.write("\n")
        subprocess.run(["git", "add", path], check=True)


if __name__ == "__main__":
    main()
