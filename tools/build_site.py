#!/usr/bin/env python3
"""Builds the browser edition's site: the page's files with the window's texts put in, the art
as PNG, the module, the web app manifest and the service worker with the list and version of
everything it keeps.

Usage: build_site.py PAGE_FOLDER MODULE.wasm ART_FOLDER SITE_FOLDER
"""
import hashlib
import html
import json
import os
import re
import shutil
import sys

import art_png

PLACEHOLDER = re.compile(r"\{\{([\w.]+)\}\}")
TEMPLATES = {"index.html", "sw.js"}
# The window's texts and figures; they are put into the page, not served.
WINDOW_FILE = "window.json"
LOOK_FILE = "look.css"
SERVICE_WORKER = "sw.js"
SILVER = (192, 192, 192)  # the toolbar bitmap's background, which shows the window through

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


def lookup(values, path):
    value = values
    for key in path.split("."):
        value = value[int(key)] if isinstance(value, list) else value[key]
    return value


def fill(template, values, quote):
    return PLACEHOLDER.sub(lambda match: quote(lookup(values, match.group(1))), template)


def theme_colour(look_css):
    return re.search(r"--window-background:\s*([^;]+);", look_css).group(1).strip()


def write(site, name, data):
    path = os.path.join(site, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as outfile:
        outfile.write(data)


def draw_art(art, site):
    for name, source, width, scale in ICONS:
        write(site, name, art_png.read_art(os.path.join(art, source), width).scaled(scale).png())
    strip = art_png.read_art(os.path.join(art, "hint_toolbar.bmp")).with_transparent(SILVER)
    cell = strip.width // len(HINT_CELLS)
    for index, name in enumerate(HINT_CELLS):
        write(site, name, strip.cropped(index * cell, cell).png())


def manifest(window, colour):
    return {
        "name": window["title"],
        "short_name": window["title"],
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
    page, module, art, site = sys.argv[1:5]
    shutil.rmtree(site, ignore_errors=True)
    os.makedirs(site)

    with open(os.path.join(page, WINDOW_FILE), encoding="utf-8") as infile:
        window = json.load(infile)
    with open(os.path.join(page, LOOK_FILE), encoding="utf-8") as infile:
        window["themeColour"] = theme_colour(infile.read())

    for name in sorted(os.listdir(page)):
        if name in TEMPLATES or name == WINDOW_FILE:
            continue
        shutil.copyfile(os.path.join(page, name), os.path.join(site, name))
    with open(os.path.join(page, "index.html"), encoding="utf-8") as infile:
        write(site, "index.html", fill(infile.read(), window, lambda value: html.escape(str(value))).encode())
    shutil.copyfile(module, os.path.join(site, "mendo.wasm"))
    draw_art(art, site)
    write(site, "manifest.webmanifest", json.dumps(manifest(window, window["themeColour"]), indent=2).encode())

    names = kept_files(site)
    worker = {"version": version_of(site, names), "files": ["./"] + names}
    with open(os.path.join(page, SERVICE_WORKER), encoding="utf-8") as infile:
        write(site, SERVICE_WORKER, fill(infile.read(), worker, json.dumps).encode())


if __name__ == "__main__":
    main()
