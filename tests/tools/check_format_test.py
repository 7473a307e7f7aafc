"""The format check that make test runs, on a scratch checkout with the tree's .clang-format."""
import pathlib
import shutil
import subprocess
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
FORMATTED = "int Twice(int n) {\n    return 2 * n;\n}\n"
UNFORMATTED = "int  Twice( int n ){ return 2*n; }\n"


class FormatCheck(unittest.TestCase):
    def setUp(self):
        self.checkout = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.checkout)
        (self.checkout / "tools").mkdir()
        shutil.copy(ROOT / "tools" / "check-format.sh", self.checkout / "tools")
        shutil.copy(ROOT / ".clang-format", self.checkout)
        subprocess.run(["git", "init", "-q"], cwd=self.checkout, check=True)

    def write(self, name, text, tracked=True):
        (self.checkout / name).write_text(text)
        if tracked:
            subprocess.run(["git", "add", name], cwd=self.checkout, check=True)

    def check(self):
        return subprocess.run([self.checkout / "tools" / "check-format.sh"], cwd=self.checkout,
                              capture_output=True, text=True, timeout=60)

    def test_formatted_tracked_files_pass_and_untracked_ones_are_not_read(self):
        self.write("Twice.cpp", FORMATTED)
        self.write("Scratch.cpp", UNFORMATTED, tracked=False)
        result = self.check()
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stderr, "")

    def test_an_unformatted_header_fails_and_is_named_with_the_command_that_mends_it(self):
        self.write("Twice.cpp", FORMATTED)
        self.write("Twice.h", UNFORMATTED)
        result = self.check()
        self.assertEqual(result.returncode, 1)
        self.assertIn("Twice.h:1:", result.stderr)
        self.assertTrue(result.stderr.endswith("clang-format-14 -i Twice.h\n"), result.stderr)

        subprocess.run(["clang-format-14", "-i", "Twice.h"], cwd=self.checkout, check=True)
        self.assertEqual(self.check().returncode, 0)


if __name__ == "__main__":
    unittest.main()
