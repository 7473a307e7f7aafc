#!/usr/bin/env python3
"""Builds the browser edition's site: the page's files with the window's texts and figures put
in from the game's headers, the names and figures its scripts need as a module of their own,
the art as PNG, the game's module, the web app manifest and the service worker with the list
and version of everything it keeps. The headers' values come as JSON from the program that
includes them (web/SiteHeaders.cpp), built for this machine.

Usage: build_site.py SOURCE_ROOT MODULE.wasm SITE_HEADERS_PROGRAM SITE_FOLDER
"""
import hashlib
import html
import json
import os
import re
import shutil
import subprocess
import sys

import art_png

PAGE_FOLDER = "web/site"
VERSION_FILE = "VERSION"
ART_FOLDER = "res"
PLACEHOLDER = re.compile(r"\{\{([\w.]+)\}\}")
# The files whose placeholders take the window's values, each with its quoting.
TEMPLATES = {"index.html": html.escape, "look.css": str}
SERVICE_WORKER = "sw.js"
NAMES_MODULE = "headers.js"
SILVER = (192, 192, 192)  # the toolbar bitmap's background, which shows the window through

# The enums the scripts hand to the module and read from it, under the names they use.
ENUMS = {
    "KeyName": "KeyName",
    "Place": "Place",
    "MenuTitle": "MenuTitle",
    "BoxKind": "BoxKind",
    "BoxIcon": "BoxIcon",
    "AboutLink": "AboutLink",
    "RequestKind": "Request::Kind",
    "FileFault": "FileFault",
}
FIGURES = {"CLOCK_PERIOD_MS": "kClockPeriodMs", "ANSWER_COUNT": "kAnswerCount", "PACK_SIZE_LIMIT": "kPackSizeLimit"}
# The texts the scripts write themselves: the title, which names a pack the game plays.
TEXTS = {"TITLE": "MENDO_TITLE", "PACK_TITLE_SEPARATOR": "MENDO_PACK_TITLE_SEPARATOR"}

# (PNG, source, icon width or None, scale); the toolbar's two cells come after.
ICONS = [
    ("art/mainframe-16.png", "mainframe.ico", 16, 1),
    ("art/mainframe-32.png", "mainframe.ico", 32, 1),
    ("art/icon-192.png", "mainframe.ico", 32, 6),
    ("art/icon-512.png", "mainframe.ico", 32, 16),
    ("art/mark-idle.png", "mark_idle.ico", None, 1),
    ("art/mark-hot.png", "mark_hot.ico", None, 1),
    ("art/mark-pressed.png", "mark_pressed.ico", None, 1),
]
HINT_CELLS = ["art/hint-remove.png", "art/hint-reveal.png"]
APP_ICONS = [("art/icon-192.png", "192x192"), ("art/icon-512.png", "512x512")]


def menu_label(text):
    """A menu text as it shows: without its "&", up to the tab."""
    return text.split("\t")[0].replace("&", "")


def css_colour(rgb):
    return "#" + "".join(f"{value:02x}" for value in rgb)


def read_headers(program):
    """The shared headers' texts, figures and enums, as the program that includes them prints them."""
    printed = subprocess.run([program], stdout=subprocess.PIPE, check=True).stdout
    return json.loads(printed.decode("utf-8"))


def window_values(headers):
    """What the page and its style sheet show of the window, by the headers."""
    texts, lists, numbers, colours = headers["texts"], headers["textLists"], headers["numbers"], headers["colours"]
    return {
        # The start screen is in the page as built: it shows before the module has loaded.
        "start": {"question": texts["kStartQuestion"], "answers": lists["kStartAnswers"]},
        "title": texts["MENDO_TITLE"],
        "menus": {
            "game": menu_label(texts["MENDO_MENU_GAME"]),
            "about": menu_label(texts["MENDO_MENU_ABOUT"]),
        },
        "letters": lists["ANSWER_KEY"],
        # The scale's steps stand a blank line apart.
        "rankScale": texts["MENDO_RANK_SCALE"].split("\n\n"),
        "rank": {"lowest": numbers["kRankLowest"], "highest": numbers["kRankHighest"]},
        "aboutLabels": {"web": texts["MENDO_WEB_LABEL"], "mail": texts["MENDO_MAIL_LABEL"]},
        "costs": {"remove": numbers["kRemoveCost"], "reveal": numbers["kRevealCost"]},
        "look": {
            "steelBlue": css_colour(colours["kSteelBlue"]),
            "green": css_colour(colours["kGreen"]),
            "linkBlue": css_colour(colours["kLinkBlue"]),
            "questionFace": texts["kQuestionFace"],
            "fontHeight": numbers["kFontHeight"],
        },
    }


def names_module(headers):
    lines = ["// The game's names and figures that the page's scripts share with its C++ headers,",
             "// written by the site's build from those headers.", ""]
    for name, enum in ENUMS.items():
        lines.append(f"export const {name} = Object.freeze({json.dumps(headers['enums'][enum])});")
    for name, number in FIGURES.items():
        lines.append(f"export const {name} = {json.dumps(headers['numbers'][number])};")
    for name, text in TEXTS.items():
        lines.append(f"export const {name} = {json.dumps(headers['texts'][text])};")
    return "\n".join(lines) + "\n"


def lookup(values, path):
    value = values
    for key in path.split("."):
        value = value[int(key)] if isinstance(value, list) else value[key]
    return value


def fill(template, values, quote):
    return PLACEHOLDER.sub(lambda match: quote(lookup(values, match.group(1))), template)


def write(site, name, data):
    path = os.path.join(site, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as outfile:
        outfile.write(data)


def read_text(path):
    with open(path, encoding="utf-8") as infile:
        return infile.read()


def draw_art(art, site):
    for name, source, width, scale in ICONS:
        write(site, name, art_png.read_art(os.path.join(art, source), width).scaled(scale).png())
    strip = art_png.read_art(os.path.join(art, "hint_toolbar.bmp")).with_transparent(SILVER)
    cell = strip.width // len(HINT_CELLS)
    for index, name in enumerate(HINT_CELLS):
        write(site, name, strip.cropped(index * cell, cell).png())


def manifest(window, version):
    colour = window["look"]["steelBlue"]
    return {
        "name": window["title"],
        "short_name": window["title"],
        "version": version,
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": colour,
        "background_color": colour,
        "icons": [{"src": src, "sizes": sizes, "type": "image/png"} for src, sizes in APP_ICONS],
    }


def kept_files(site):
    names = []
    for folder, _, files in os.walk(site):
        for name in files:
            names.append(os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/"))
    return sorted(name for name in names if name != SERVICE_WORKER)


def version_of(site, names):
    digest = hashlib.sha256()
    for name in names:
        digest.update(name.encode() + b"\0")
        with open(os.path.join(site, name), "rb") as infile:
            digest.update(infile.read())
    return digest.hexdigest()[:16]


def main():
    root, module, program, site = sys.argv[1:5]
    page = os.path.join(root, PAGE_FOLDER)
    shutil.rmtree(site, ignore_errors=True)
    os.makedirs(site)

    headers = read_headers(program)
    window = window_values(headers)
    for name in sorted(os.listdir(page)):
        if name == SERVICE_WORKER:
            continue
        source = os.path.join(page, name)
        if name in TEMPLATES:
            quote = TEMPLATES[name]
            write(site, name, fill(read_text(source), window, lambda value: quote(str(value))).encode())
        else:
            shutil.copyfile(source, os.path.join(site, name))
    write(site, NAMES_MODULE, names_module(headers).encode())
    shutil.copyfile(module, os.path.join(site, "mendo.wasm"))
    draw_art(os.path.join(root, ART_FOLDER), site)
    with open(os.path.join(root, VERSION_FILE)) as infile:
        version = infile.read().strip()
    write(site, "manifest.webmanifest", json.dumps(manifest(window, version), indent=2).encode())

    names = kept_files(site)
    worker = {"version": version_of(site, names), "files": ["./"] + names}
    write(site, SERVICE_WORKER, fill(read_text(os.path.join(page, SERVICE_WORKER)), worker, json.dumps).encode())


if __name__ == "__main__":
    main()
