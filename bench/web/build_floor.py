#!/usr/bin/env python3
"""Builds the browser edition's floor: the built page's screen as static HTML, with the start
texts written in, its styles and art, a plain clock at the game's period, and no module,
service worker or manifest.

Usage: build_floor.py SITE_FOLDER START_TEXTS_HEADER FLOOR_FOLDER
"""
import html
import os
import re
import shutil
import sys

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
PRELOAD = re.compile(r'<link rel="(?:module)?preload" href="([^"]+)"[^>]*>\n')
KEPT = ["look.css", "window.css", "headers.js", "art"]
OWN_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "floor.js")


def definition(code, name):
    """The string literals of a name's definition, up to the semicolon that ends it."""
    start = re.search(rf"\b{name}\b[^=;]*=", code).end()
    texts = LITERAL.findall(code[start:code.index(";", start)])
    if any("\\" in text for text in texts):
        raise ValueError(f"{name} has escapes, which the floor does not read")
    return texts


def replaced(page, old, new):
    if old not in page:
        raise ValueError(f"the page has no {old!r}")
    return page.replace(old, new)


def main():
    site, header, floor = sys.argv[1:4]
    with open(header, encoding="utf-8") as infile:
        code = infile.read()
    question = definition(code, "kStartQuestion")[0]
    answers = definition(code, "kStartAnswers")
    with open(os.path.join(site, "index.html"), encoding="utf-8") as infile:
        page = infile.read()

    page = replaced(page, '<script type="module" src="main.js">', '<script type="module" src="floor.js">')
    page = replaced(page, '<link rel="manifest" href="manifest.webmanifest">\n', "")
    page = PRELOAD.sub(lambda link: link.group(0) if link.group(1) in KEPT else "", page)
    page = replaced(page, 'elementtiming="question"></h2>', f'elementtiming="question">{html.escape(question)}</h2>')
    for index, answer in enumerate(answers, 1):
        page = replaced(page, f'id="answer-{index}" class="answer-text"></span>',
                        f'id="answer-{index}" class="answer-text">{html.escape(answer)}</span>')

    shutil.rmtree(floor, ignore_errors=True)
    os.makedirs(floor)
    with open(os.path.join(floor, "index.html"), "w", encoding="utf-8") as outfile:
        outfile.write(page)
    for name in KEPT:
        source = os.path.join(site, name)
        copy = shutil.copytree if os.path.isdir(source) else shutil.copyfile
        copy(source, os.path.join(floor, name))
    shutil.copyfile(OWN_SCRIPT, os.path.join(floor, "floor.js"))


if __name__ == "__main__":
    main()
