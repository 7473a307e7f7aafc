"""The program that hands the shared headers to the site's build: each text it prints is the one
the headers write under its name, and an enum that its list no longer matches stops its build.

Usage: site_headers_test.py PROGRAM COMPILER [FLAG...], the program as built and how it is built.
"""
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCE = ROOT / "web/SiteHeaders.cpp"
HEADERS = [path.read_text(encoding="utf-8") for folder in ("engine", "play", "res", "ui")
           for path in sorted((ROOT / folder).glob("*.h"))]
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
PROGRAM, COMPILE = None, []


def printed():
    return json.loads(subprocess.run([PROGRAM], stdout=subprocess.PIPE, check=True).stdout.decode("utf-8"))


def literals_of(name):
    """The texts of a name's definition as the headers spell it: a #define's line, or from its
    "=" to the semicolon; the escapes the headers use read the same in JSON."""
    for code in HEADERS:
        found = re.search(rf"^#define {name} (.*)$", code, re.M) or re.search(rf"\b{name}\b[^=;]*=([^;]*);", code)
        if found:
            return [json.loads(f'"{literal}"') for literal in LITERAL.findall(found.group(1))]
    raise LookupError(f"no header defines {name}")


class Texts(unittest.TestCase):
    def setUp(self):
        self.headers = printed()

    def test_each_text_is_the_one_its_header_spells_bulgarian_as_it_is(self):
        for name, text in self.headers["texts"].items():
            with self.subTest(name):
                self.assertEqual(text, "".join(literals_of(name)))
        self.assertEqual(self.headers["textLists"]["kStartAnswers"], literals_of("kStartAnswers"))
        # Bulgarian among them: a text that went through Windows-1251 would read otherwise.
        self.assertRegex(self.headers["texts"]["kStartQuestion"], "[а-я]")

    def test_the_answer_letters_are_the_game_keys_that_answer_in_order(self):
        keys = next(code for code in HEADERS if "MENDO_GAME_KEYS" in code)
        self.assertEqual(self.headers["textLists"]["ANSWER_KEY"], re.findall(r'ANSWER_KEY\("(\w)"', keys))


class Enums(unittest.TestCase):
    def build_with(self, header, old, new):
        """The compiler's messages for the program built with one header changed, None if it built."""
        code = (ROOT / header).read_text(encoding="utf-8")
        self.assertIn(old, code)
        with tempfile.TemporaryDirectory() as folder:
            changed = pathlib.Path(folder) / header
            changed.parent.mkdir()
            changed.write_text(code.replace(old, new, 1), encoding="utf-8")
            # A quoted include finds the changed header before the tree's own.
            run = subprocess.run([*COMPILE, "-fsyntax-only", "-iquote", folder, f"-I{ROOT}", str(SOURCE)],
                                 stderr=subprocess.PIPE, text=True)
        return run.stderr if run.returncode != 0 else None

    def test_the_headers_as_they_stand_build(self):
        self.assertIsNone(self.build_with("play/Target.h", "Link,", "Link,"))

    def test_an_added_or_renamed_enumerator_stops_the_build_by_its_name(self):
        changes = [
            ("play/Target.h", "Link,", "Link,\n    Corner,", "Corner"),
            ("play/Request.h", "Close }", "Close, Print }", "Print"),
            ("play/Key.h", "MenuBar }", "Menu }", "MenuBar"),
            ("engine/TriviaGame.h", "None, Stop", "None, Warning", "Stop"),
        ]
        for header, old, new, enumerator in changes:
            with self.subTest(f"{header}: {new.strip()}"):
                messages = self.build_with(header, old, new)
                self.assertIsNotNone(messages)
                self.assertIn(enumerator, messages)


if __name__ == "__main__":
    PROGRAM, *COMPILE = sys.argv[1:]
    unittest.main(argv=sys.argv[:1])
