#!/usr/bin/env python3
"""Adds or updates interface texts in every i18n/quillmoor_<lang>.ts file.

Input (a JSON file or stdin): {"Context": {"Russian source": {"en": "...", "es": "...", "zh": "...",
"ja": "...", "fr": "..."}}}. Existing messages of the same context and source are replaced.
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

LANGS = {"en": "en_US", "es": "es_ES", "zh": "zh_CN", "ja": "ja_JP", "fr": "fr_FR"}
ROOT = Path(__file__).resolve().parent.parent / "i18n"


def load(lang):
    path = ROOT / f"quillmoor_{lang}.ts"
    if path.exists():
        return path, ET.parse(path)
    tree = ET.ElementTree(ET.Element("TS", {"version": "2.1", "language": LANGS[lang], "sourcelanguage": "ru_RU"}))
    return path, tree


def main():
    data = json.load(open(sys.argv[1], encoding="utf-8") if len(sys.argv) > 1 else sys.stdin)
    for lang in LANGS:
        path, tree = load(lang)
        root = tree.getroot()
        for context_name, messages in data.items():
            context = next((c for c in root.findall("context") if c.findtext("name") == context_name), None)
            if context is None:
                context = ET.SubElement(root, "context")
                ET.SubElement(context, "name").text = context_name
            for source, translations in messages.items():
                for old in [m for m in context.findall("message") if m.findtext("source") == source]:
                    context.remove(old)
                message = ET.SubElement(context, "message")
                ET.SubElement(message, "source").text = source
                ET.SubElement(message, "translation").text = translations[lang]
        root[:] = sorted(root.findall("context"), key=lambda c: c.findtext("name"))
        for context in root:
            msgs = sorted(context.findall("message"), key=lambda m: m.findtext("source"))
            for m in context.findall("message"):
                context.remove(m)
            context.extend(msgs)
        ET.indent(tree, space="    ")
        with open(path, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            out.write(ET.tostring(root, encoding="unicode"))
            out.write("\n")


if __name__ == "__main__":
    main()
