#!/usr/bin/env python3
"""Checks grammar course files the way the application and its content test read them.

    scripts/check_grammar_course.py resources/grammar/de_grammar_bank.json [...]
    scripts/check_grammar_course.py --all

Reports every problem it finds, one a line, and exits 1 when there is any. With --no-spell the
Hunspell check is skipped. Words the dictionary does not know but that belong in a course (names,
deliberately wrong choices) go one a line into <code>_grammar_bank.allow beside the course file.
"""
import json
import re
import subprocess
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
COURSES = TOP / "resources" / "grammar"
ICONS = TOP / "resources" / "icons" / "grammar"
LEVELS = ("a1", "a2", "b1")
TYPES = ("cloze", "multipleChoice", "wordOrder")
HUNSPELL = {"en": "en_US", "es": "es_ES", "fr": "fr_FR", "de": "de_DE", "it": "it_IT",
            "pt": "pt_PT", "ru": "ru_RU"}
TOPIC_TEXTS = ("title", "subtitle", "theory")
EXERCISE_TEXTS = ("prompt", "explanation")


def words(text):
    return len(re.findall(r"\w+", text))


class Checker:
    def __init__(self, spell):
        self.problems = []
        self.spell = spell
        self.exercise_ids = {}
        self.topic_ids = {}
        self.titles = {}
        self.localized_languages = None

    def fail(self, where, what):
        self.problems.append(f"{where}: {what}")

    def string(self, obj, key, where, required=True):
        if key not in obj:
            if required:
                self.fail(where, f'missing "{key}"')
            return None
        if not isinstance(obj[key], str):
            self.fail(where, f'"{key}" is not a string')
            return None
        return obj[key]

    def localized(self, obj, keys, where):
        loc = obj.get("localized")
        if loc is None:
            self.fail(where, 'no "localized" texts')
            return
        if not isinstance(loc, dict):
            self.fail(where, '"localized" is not an object')
            return
        languages = sorted(loc)
        if self.localized_languages is None:
            self.localized_languages = languages
        elif languages != self.localized_languages:
            self.fail(where, f"localized languages {languages}, others have {self.localized_languages}")
        for language, texts in loc.items():
            if not isinstance(texts, dict) or sorted(texts) != sorted(keys):
                self.fail(where, f'localized "{language}" must hold exactly {list(keys)}')
                continue
            for key in keys:
                if not isinstance(texts[key], str) or not texts[key].strip():
                    self.fail(where, f'localized "{language}.{key}" is empty or not a string')

    def check_file(self, path):
        code = path.name.split("_", 1)[0]
        try:
            data = json.loads(path.read_text(encoding="utf-8"))
        except (OSError, ValueError) as error:
            self.fail(path.name, f"unreadable: {error}")
            return
        if not isinstance(data.get("version"), int) or isinstance(data.get("version"), bool):
            self.fail(path.name, '"version" must be an integer')
        if data.get("languageCode") != code:
            self.fail(path.name, f'"languageCode" must be "{code}"')
        topics = data.get("topics")
        if not isinstance(topics, list):
            self.fail(path.name, '"topics" must be an array')
            return
        per_level = {level: 0 for level in LEVELS}
        spell_lines = []
        for index, topic in enumerate(topics):
            where = f"{path.name} topic {index}"
            if not isinstance(topic, dict):
                self.fail(where, "not an object")
                continue
            self.check_topic(code, topic, where, per_level, spell_lines)
        for level, count in per_level.items():
            if count < 5:
                self.fail(path.name, f"level {level} has {count} topics, at least 5 are needed")
        if self.spell and code in HUNSPELL:
            self.check_spelling(path, code, spell_lines)

    def check_topic(self, code, topic, where, per_level, spell_lines):
        topic_id = self.string(topic, "id", where)
        title = self.string(topic, "title", where)
        self.string(topic, "subtitle", where)
        icon = self.string(topic, "systemImage", where)
        level = topic.get("level", "a1")
        theory = self.string(topic, "theory", where)
        if topic_id:
            where = f"{where} ({topic_id})"
            if not topic_id.startswith(code + "."):
                self.fail(where, f'topic id must start with "{code}."')
            if topic_id in self.topic_ids:
                self.fail(where, f"topic id also used in {self.topic_ids[topic_id]}")
            self.topic_ids[topic_id] = where
        if title is not None:
            if title in self.titles:
                self.fail(where, f'title "{title}" also used in {self.titles[title]}')
            self.titles[title] = where
        if level not in LEVELS:
            self.fail(where, f'unknown level "{level}"')
        else:
            per_level[level] += 1
        if icon is not None and not (ICONS / f"{icon}.svg").is_file():
            self.fail(where, f'systemImage "{icon}" has no bundled icon')
        keywords = topic.get("searchKeywords", [])
        if not isinstance(keywords, list) or not all(isinstance(k, str) for k in keywords) or not keywords:
            self.fail(where, '"searchKeywords" must be a non-empty array of strings')
        self.localized(topic, TOPIC_TEXTS, where)
        theories = [theory or ""] + [t.get("theory", "") for t in topic.get("localized", {}).values()
                                      if isinstance(t, dict) and isinstance(t.get("theory"), str)]
        for text in theories:
            if not 120 <= words(text) <= 300:
                self.fail(where, f"a theory text has {words(text)} words, 120-300 are expected")
        exercises = topic.get("exercises")
        if not isinstance(exercises, list):
            self.fail(where, '"exercises" must be an array')
            return
        kinds = set()
        for number, exercise in enumerate(exercises):
            if not isinstance(exercise, dict):
                self.fail(f"{where} exercise {number}", "not an object")
                continue
            kinds.add(exercise.get("type"))
            self.check_exercise(code, exercise, f"{where} exercise {number}", spell_lines)
        if len(exercises) < 6:
            self.fail(where, f"{len(exercises)} exercises, at least 6 are needed")
        if not set(TYPES) <= kinds:
            self.fail(where, "needs at least one exercise of each type")

    def check_exercise(self, code, exercise, where, spell_lines):
        exercise_id = self.string(exercise, "id", where)
        kind = self.string(exercise, "type", where)
        prompt = self.string(exercise, "prompt", where)
        answer = self.string(exercise, "correctAnswer", where)
        self.string(exercise, "explanation", where)
        choices = exercise.get("choices", [])
        if exercise_id:
            where = f"{where} ({exercise_id})"
            if not exercise_id.startswith(code + "."):
                self.fail(where, f'exercise id must start with "{code}."')
            if exercise_id in self.exercise_ids:
                self.fail(where, f"exercise id also used in {self.exercise_ids[exercise_id]}")
            self.exercise_ids[exercise_id] = where
        if not isinstance(choices, list) or not all(isinstance(c, str) for c in choices):
            self.fail(where, '"choices" must be an array of strings')
            choices = []
        if kind not in TYPES:
            self.fail(where, f'unknown type "{kind}"')
        if answer is None:
            return
        if answer != answer.strip() or not answer:
            self.fail(where, "the answer is empty or has surrounding white space")
        if kind == "multipleChoice":
            if len(choices) < 2:
                self.fail(where, "multiple choice needs at least two choices")
            if choices.count(answer) != 1:
                self.fail(where, "the correct answer must be among the choices exactly once")
            if len(set(choices)) != len(choices):
                self.fail(where, "a choice is repeated")
            spell_lines.extend(choices)
        elif kind == "cloze":
            if prompt is not None and prompt.count("___") != 1:
                self.fail(where, 'a cloze prompt holds "___" exactly once')
            if choices:
                self.fail(where, "a cloze exercise has no choices")
            spell_lines.append(answer)
        elif kind == "wordOrder":
            tiles = answer.split(" ")
            if "" in tiles or len(tiles) < 2:
                self.fail(where, "word order needs two or more words separated by single spaces")
            elif len(set(tiles)) < 2:
                self.fail(where, "word-order tiles are all the same")
            if choices:
                self.fail(where, "a word-order exercise has no choices")
            spell_lines.append(answer)
        self.localized(exercise, EXERCISE_TEXTS, where)

    def check_spelling(self, path, code, lines):
        allow_file = path.with_name(f"{code}_grammar_bank.allow")
        allowed = set()
        if allow_file.is_file():
            allowed = {w.strip() for w in allow_file.read_text(encoding="utf-8").splitlines() if w.strip()}
        try:
            run = subprocess.run(["hunspell", "-l", "-d", HUNSPELL[code]], input="\n".join(lines),
                                 capture_output=True, text=True, check=False)
        except FileNotFoundError:
            self.fail(path.name, "hunspell is not installed")
            return
        if run.returncode != 0:
            self.fail(path.name, f"hunspell failed: {run.stderr.strip()}")
            return
        unknown = sorted({w for w in run.stdout.split("\n") if w and w not in allowed})
        for word in unknown:
            self.fail(path.name, f'"{word}" is not in the {HUNSPELL[code]} dictionary nor the allow-list')


def main(argv):
    spell = "--no-spell" not in argv
    args = [a for a in argv if not a.startswith("--")]
    paths = sorted(COURSES.glob("*_grammar_bank.json")) if "--all" in argv else [Path(a) for a in args]
    checker = Checker(spell)
    for path in paths:
        checker.localized_languages = None
        checker.check_file(path)
    for problem in checker.problems:
        print(problem)
    print(f"{len(paths)} file(s), {len(checker.problems)} problem(s)")
    return 1 if checker.problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
