#!/usr/bin/env python3
"""Builds the browser edition's floor: the built page's screen as static HTML, as it shows
before the game's module has loaded, with its styles and art, a plain clock at the game's
period, and no module, service worker or manifest.

Usage: build_floor.py SITE_FOLDER FLOOR_FOLDER
"""
import os
import re
import shutil
import sys

PRELOAD = re.compile(r'<link rel="(?:module)?preload" href="([^"]+)"[^>]*>\n')
KEPT = ["look.css", "window.css", "headers.js", "art"]
OWN_SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "floor.js")


def replaced(page, old, new):
    if old not in page:
        raise ValueError(f"the page has no {old!r}")
    return page.replace(old, new)


def main():
    site, floor = sys.argv[1:3]
    with open(os.path.join(site, "index.html"), encoding="utf-8") as infile:
        page = infile.read()

    page = replaced(page, '<script type="module" src="main.js">', '<script type="module" src="floor.js">')
    page = replaced(page, '<link rel="manifest" href="manifest.webmanifest">\n', "")
    page = PRELOAD.sub(lambda link: link.group(0) if link.group(1) in KEPT else "", page)

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
