#!/usr/bin/env python3
"""The downloads as a player gets them, from build/dist/ as make dist wrote it: the Debian
package checked by Debian's own tools, what the zip and the site's tarball hold, and a version
changed in its one place carried into every edition.

Usage: dist_test.py [unittest arguments]
"""
import gzip
import os
import re
import shutil
import subprocess
import tarfile
import tempfile
import unittest
import zipfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DIST = os.path.join(ROOT, "build", "dist")
VERSION = open(os.path.join(ROOT, "VERSION")).read().strip()
# A version nobody would release, for the copy of the tree that changes it.
OTHER_VERSION = "9.99"


def run(*command, **options):
    result = subprocess.run(command, capture_output=True, text=True, **options)
    if result.returncode != 0:
        raise AssertionError("%s ended with status %d:\n%s%s" % (" ".join(command), result.returncode,
                                                                   result.stdout[-3000:], result.stderr[-3000:]))
    return result


def names(version):
    return ("mendo_%s_amd64.deb" % version, "Mendo-%s-win64.zip" % version, "mendo-web-%s.tar.gz" % version)


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

    def test_lintian_finds_no_error_and_no_warning(self):
        report = subprocess.run(["lintian", "--fail-on", "error,warning", self.package], capture_output=True,
                                text=True)
        tags = [line for line in report.stdout.splitlines() if re.match(r"[EW]: ", line)]
        self.assertEqual(tags, [])
        self.assertEqual(report.returncode, 0, report.stdout + report.stderr)

    def test_the_unpacked_game_tells_its_version_and_its_manual_page_renders_without_a_warning(self):
        game = os.path.join(self.unpacked, "usr", "games", "mendo")
        self.assertEqual(run(game, "--version").stdout, "mendo %s\n" % VERSION)
        manual = os.path.join(self.unpacked, "usr", "share", "man", "man6", "mendo.6.gz")
        page = run("man", "--warnings", "-l", manual, env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
        self.assertEqual(page.stderr, "")
        for heading in ("NAME", "SYNOPSIS", "OPTIONS", "KEYS", "EXIT STATUS", "EXAMPLE"):
            self.assertIn(heading, page.stdout)

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

        with zipfile.ZipFile(zip_name) as download:
            program = download.read("Mendo.exe")
        self.assertIn(about, program, "the About box")
        # The key and its value, each ending in a zero, the value on a four-byte bound.
        value = re.escape(utf16("FileVersion")) + b"\0\0(?:\0\0)?" + re.escape(utf16(OTHER_VERSION))
        self.assertRegex(program, value, "the version resource")

        with tarfile.open(site_name) as site:
            prefix = "mendo-web-%s/" % OTHER_VERSION
            manifest = site.extractfile(prefix + "manifest.webmanifest").read().decode("utf-8")
            module = site.extractfile(prefix + "mendo.wasm").read()
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
