#!/usr/bin/env python3
"""The downloads as a player gets them, from build/dist/ as make dist wrote it: the Debian
package checked by Debian's, the desktop's and AppStream's own tools, what the zip and the site's
tarball hold and what their read-mes say, and a version changed in its one place carried into
every edition.

Usage: dist_test.py [unittest arguments]
"""
import configparser
import gzip
import os
import re
import shutil
import struct
import subprocess
import tarfile
import tempfile
import unittest
import urllib.request
import xml.etree.ElementTree as ElementTree
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "build", "dist")
VERSION = open(os.path.join(ROOT, "VERSION")).read().strip()
# A version nobody would release, for the copy of the tree that changes it.
OTHER_VERSION = "9.99"
APP_ID = "test.mendo.mendo"
DESKTOP_ENTRY = os.path.join("usr", "share", "applications", APP_ID + ".desktop")
METAINFO = os.path.join("usr", "share", "metainfo", APP_ID + ".metainfo.xml")
# The id's domain is the reserved .test, as the project has no domain of its own, which AppStream
# notes and accepts.
ID_NOTE = "cid-maybe-not-rdns"
WAIT_SECONDS = 10


def run(*command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise AssertionError("%s ended with status %d:\n%s%s" % (" ".join(command), result.returncode,
                                                                   result.stdout[-3000:], result.stderr[-3000:]))
    return result


def names(version):
    return ("mendo_%s_amd64.deb" % version, "Mendo-%s-win64.zip" % version, "mendo-web-%s.tar.gz" % version)


def release_version(metainfo):
    return ElementTree.parse(metainfo).getroot().find("releases/release").get("version")


def png_size(path):
    with open(path, "rb") as file:
        header = file.read(24)
    return struct.unpack(">II", header[16:24])


def cp1251(text):
    return text.encode("cp1251")


def utf16(text):
    return text.encode("utf-16-le")


class DebianPackage(unittest.TestCase):
    def setUp(self):
        self.package = os.path.join(DIST, names(VERSION)[0])
        self.unpacked = tempfile.mkdtemp(prefix="mendo-deb-")
        self.addCleanup(shutil.rmtree, self.unpacked)
        run("dpkg-deb", "-x", self.package, self.unpacked)

    def test_lintian_finds_nothing_even_pedantic(self):
        report = subprocess.run(["lintian", "--pedantic", "--info", "--fail-on", "error,warning,info,pedantic",
                                 self.package], capture_output=True, text=True)
        tags = [line for line in report.stdout.splitlines() if re.match(r"[EWIPX]: ", line)]
        self.assertEqual(tags, [])
        self.assertEqual(report.returncode, 0, report.stdout + report.stderr)

    def test_its_desktop_entry_starts_the_game_in_a_terminal_with_its_icon(self):
        entry_path = os.path.join(self.unpacked, DESKTOP_ENTRY)
        run("desktop-file-validate", entry_path)
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(entry_path, encoding="utf-8")
        entry = entry["Desktop Entry"]
        self.assertEqual(entry["Terminal"], "true")
        self.assertIn("Game", entry["Categories"].split(";"))
        game = os.path.join(self.unpacked, entry["Exec"].lstrip("/"))
        self.assertEqual(run(game, "--version").stdout, "mendo %s\n" % VERSION)
        icons = os.path.join(self.unpacked, "usr", "share", "icons", "hicolor")
        sizes = sorted(os.listdir(icons), key=lambda size: int(size.split("x")[0]))
        self.assertEqual(sizes, ["16x16", "32x32", "64x64", "128x128"])
        for size in sizes:
            with self.subTest(size):
                icon = os.path.join(icons, size, "apps", entry["Icon"] + ".png")
                self.assertEqual("%dx%d" % png_size(icon), size)

    def test_its_metainfo_passes_appstream_and_names_this_release_and_the_entry(self):
        report = subprocess.run(["appstreamcli", "validate-tree", "--no-net", "--pedantic", self.unpacked],
                                capture_output=True, text=True)
        self.assertEqual(report.returncode, 0, report.stdout + report.stderr)
        notes = re.findall(r"^\s*[EWIP]: \S+ (\S+)", report.stdout, re.MULTILINE)
        self.assertEqual(notes, [ID_NOTE], report.stdout)
        metainfo = os.path.join(self.unpacked, METAINFO)
        run("appstreamcli", "validate", "--no-net", metainfo)
        component = ElementTree.parse(metainfo).getroot()
        self.assertEqual(component.findtext("id"), APP_ID)
        self.assertEqual(release_version(metainfo), VERSION)
        self.assertEqual(component.findtext("launchable"), os.path.basename(DESKTOP_ENTRY))
        self.assertEqual(component.findtext("provides/binary"), "mendo")
        self.assertTrue(os.path.exists(os.path.join(self.unpacked, "usr", "games", "mendo")))

    def test_the_unpacked_game_tells_its_version_and_its_manual_page_renders_without_a_warning(self):
        game = os.path.join(self.unpacked, "usr", "games", "mendo")
        self.assertEqual(run(game, "--version").stdout, "mendo %s\n" % VERSION)
        manual = os.path.join(self.unpacked, "usr", "share", "man", "man6", "mendo.6.gz")
        page = run("man", "--warnings", "-l", manual, env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        self.assertEqual(page.stderr, "")
        for heading in ("NAME", "SYNOPSIS", "OPTIONS", "KEYS", "EXIT STATUS", "EXAMPLE"):
            self.assertIn(heading, page.stdout)

    def test_it_holds_the_example_packs_where_the_manual_page_says_and_they_check_clean(self):
        examples = sorted(os.listdir(os.path.join(ROOT, "examples")))
        place = os.path.join(self.unpacked, "usr", "share", "games", "mendo")
        self.assertEqual(sorted(os.listdir(place)), examples)
        game = os.path.join(self.unpacked, "usr", "games", "mendo")
        check = run(game, "--check", *(os.path.join(place, name) for name in examples))
        self.assertNotIn("error", check.stdout)
        self.assertNotIn("warning", check.stdout)
        manual = os.path.join(self.unpacked, "usr", "share", "man", "man6", "mendo.6.gz")
        with gzip.open(manual, "rt") as page:
            self.assertIn("/usr/share/games/mendo/", page.read())

    def test_it_holds_the_licence_and_a_changelog_and_depends_on_what_the_game_links(self):
        documents = os.path.join(self.unpacked, "usr", "share", "doc", "mendo")
        with open(os.path.join(documents, "copyright")) as file:
            self.assertIn("License: Expat", file.read())
        with gzip.open(os.path.join(documents, "changelog.gz"), "rt") as file:
            self.assertTrue(file.read().startswith("mendo (%s) " % VERSION))
        depends = run("dpkg-deb", "-f", self.package, "Depends").stdout
        self.assertRegex(depends, r"libncursesw6 \(>= [\d.]+\)")


class Downloads(unittest.TestCase):
    # That a second build gives the same bytes, tools/reproduce.sh checks from two clones.
    def test_the_sums_are_right_and_the_files_carry_the_last_commits_time(self):
        run("sha256sum", "--check", "--strict", "SHA256SUMS", cwd=DIST)
        epoch = int(run("git", "log", "-1", "--format=%ct", cwd=ROOT).stdout)
        _, zip_name, site_name = names(VERSION)
        with zipfile.ZipFile(os.path.join(DIST, zip_name)) as download:
            self.assertEqual(download.namelist(), ["Mendo.exe", "README.txt", "LICENSE.txt"])
        with tarfile.open(os.path.join(DIST, site_name)) as site:
            members = site.getmembers()
            self.assertIn("mendo-web-%s/index.html" % VERSION, [member.name for member in members])
            self.assertIn("mendo-web-%s/LICENSE.txt" % VERSION, [member.name for member in members])
            self.assertEqual({member.mtime for member in members}, {epoch})
            self.assertEqual({(member.uid, member.gid) for member in members}, {(0, 0)})


class ReadMes(unittest.TestCase):
    def test_the_zips_read_me_names_the_version_and_the_keys_with_windows_line_ends(self):
        with zipfile.ZipFile(os.path.join(DIST, names(VERSION)[1])) as download:
            readme = download.read("README.txt").decode("ascii")
        self.assertNotIn("@", readme)
        self.assertIn("Version %s.\r\n" % VERSION, readme)
        self.assertEqual(readme.count("\n"), readme.count("\r\n"))
        for key in ("A, B, C, D", "Ctrl+E", "Ctrl+H", "Ctrl+L", "Alt+G", "Alt+A", "Alt+Space", "Alt+F4"):
            self.assertIn(key, readme)

    def test_the_sites_read_me_tells_how_to_serve_it_and_its_server_serves_it_so(self):
        """The server the read-me names, started as it says, serves the module with the type it needs."""
        folder = tempfile.mkdtemp(prefix="mendo-site-")
        self.addCleanup(shutil.rmtree, folder)
        with tarfile.open(os.path.join(DIST, names(VERSION)[2])) as site:
            site.extractall(folder)
        site = os.path.join(folder, "mendo-web-%s" % VERSION)
        with open(os.path.join(site, "README.txt")) as file:
            readme = file.read()
        self.assertIn("Version %s.\n" % VERSION, readme)
        for text in ("application/wasm", "HTTPS", "service worker", "localhost"):
            self.assertIn(text, readme)
        command = re.search(r"^  (python3 -m http.server .*) 8080$", readme, re.MULTILINE).group(1).split()
        server = subprocess.Popen(command + ["0"], cwd=site, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  text=True, env=dict(os.environ, PYTHONUNBUFFERED="1"))
        self.addCleanup(server.stdout.close)
        self.addCleanup(server.wait, WAIT_SECONDS)
        self.addCleanup(server.kill)
        # It tells its port on its first line as soon as it listens.
        port = re.search(r" port (\d+) ", server.stdout.readline()).group(1)
        with urllib.request.urlopen("http://127.0.0.1:%s/mendo.wasm" % port, timeout=WAIT_SECONDS) as reply:
            self.assertEqual(reply.headers.get_content_type(), "application/wasm")
            self.assertEqual(reply.read(4), b"\0asm")


class OneVersion(unittest.TestCase):
    def test_a_version_changed_in_its_one_place_reaches_every_edition(self):
        folder = tempfile.mkdtemp(prefix="mendo-version-")
        self.addCleanup(shutil.rmtree, folder)
        tree = os.path.join(folder, "tree")
        # A clone of the commit, as the downloads are made from one, with its version changed.
        run("git", "clone", "-q", "--no-hardlinks", ROOT, tree)
        with open(os.path.join(tree, "VERSION"), "w") as file:
            file.write(OTHER_VERSION + "\n")
        for command in BUILD_COMMANDS:
            run("sh", "-c", command, cwd=tree)
        out = os.path.join(tree, "build", "dist")
        package, zip_name, site_name = (os.path.join(out, name) for name in names(OTHER_VERSION))

        self.assertEqual(run("dpkg-deb", "-f", package, "Version").stdout.strip(), OTHER_VERSION)
        unpacked = os.path.join(folder, "deb")
        run("dpkg-deb", "-x", package, unpacked)
        game = os.path.join(unpacked, "usr", "games", "mendo")
        self.assertEqual(run(game, "--version").stdout, "mendo %s\n" % OTHER_VERSION)
        about = cp1251("версия " + OTHER_VERSION)
        with open(game, "rb") as file:
            self.assertIn(about, file.read(), "the About box")
        self.assertEqual(release_version(os.path.join(unpacked, METAINFO)), OTHER_VERSION)

        with zipfile.ZipFile(zip_name) as download:
            program = download.read("Mendo.exe")
            self.assertIn(b"Version %s." % OTHER_VERSION.encode(), download.read("README.txt"))
        self.assertIn(about, program, "the About box")
        # The key and its value, each ending in a zero, the value on a four-byte bound.
        value = re.escape(utf16("FileVersion")) + b"\0\0(?:\0\0)?" + re.escape(utf16(OTHER_VERSION))
        self.assertRegex(program, value, "the version resource")

        with tarfile.open(site_name) as site:
            prefix = "mendo-web-%s/" % OTHER_VERSION
            manifest = site.extractfile(prefix + "manifest.webmanifest").read().decode("utf-8")
            module = site.extractfile(prefix + "mendo.wasm").read()
            self.assertIn(b"Version %s." % OTHER_VERSION.encode(), site.extractfile(prefix + "README.txt").read())
        self.assertRegex(manifest, r'"version":\s*"%s"' % re.escape(OTHER_VERSION))
        self.assertIn(about, module, "the About box")


# How the copy of the tree builds its downloads: the Windows program, the site, then the three.
BUILD_COMMANDS = (
    "cmake --preset windows >/dev/null && cmake --build --preset windows --target Mendo >/dev/null",
    "cmake --preset web >/dev/null && cmake --build --preset web >/dev/null",
    "tools/dist.sh >/dev/null",
)

if __name__ == "__main__":
    unittest.main(verbosity=2)
