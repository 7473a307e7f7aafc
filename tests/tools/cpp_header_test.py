"""The reading of the game's headers for the site's build: what it reads, and what it refuses."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
from cpp_header import Headers  # noqa: E402


def headers(**files):
    folder = tempfile.TemporaryDirectory()
    for name, code in files.items():
        (pathlib.Path(folder.name) / name).write_text(code, encoding="utf-8")
    read = Headers(folder.name, list(files))
    folder.cleanup()
    return read


class Enums(unittest.TestCase):
    def test_enumerators_take_their_places_in_order_past_comments(self):
        read = headers(a="enum class Place {\n    Nothing,\n    Marker,  // index: 1, 2\n    /* x, y */ Box,\n};")
        self.assertEqual(read.enum("Place"), {"Nothing": 0, "Marker": 1, "Box": 2})

    def test_an_enumerator_with_a_value_of_its_own_is_refused(self):
        with self.assertRaises(ValueError):
            headers(a="enum class Kind { OpenAddress, Close = 4 };").enum("Kind")

    def test_a_name_no_header_declares_is_refused(self):
        with self.assertRaises(LookupError):
            headers(a="enum class Kind { A };").enum("Other")


class Constants(unittest.TestCase):
    def test_a_constant_of_another_header_is_followed(self):
        read = headers(a="constexpr int kHighest = kLength;", b="constexpr int kLength = 25;  // a game")
        self.assertEqual(read.constant("kHighest"), 25)

    def test_texts_and_lists_of_numbers(self):
        read = headers(a='inline constexpr char kFace[] = "Times \\"New\\"";\nconstexpr Colour kBlue = {0, 0, 255};')
        self.assertEqual(read.constant("kFace"), 'Times "New"')
        self.assertEqual(read.constant("kBlue"), (0, 0, 255))

    def test_an_expression_is_refused(self):
        with self.assertRaises(ValueError):
            headers(a="constexpr int kTwice = 2 * kOnce;").constant("kTwice")


    def test_the_texts_of_an_array(self):
        read = headers(a='inline constexpr const char* kStart[kCount] = {\n    "Играта",\n    "и е",\n};')
        self.assertEqual(read.texts("kStart"), ["Играта", "и е"])


class Macros(unittest.TestCase):
    def test_literals_are_joined_and_their_escapes_read(self):
        read = headers(a='#define SCALE "<--a\\n\\n" "<--b"\n#define TITLE "Velt\'s"')
        self.assertEqual(read.macro_text("SCALE"), "<--a\n\n<--b")
        self.assertEqual(read.macro_text("TITLE"), "Velt's")

    def test_the_first_arguments_of_a_macro_in_order(self):
        read = headers(k='#define KEYS(A) \\\n    A("A", 1) \\\n    A("B", 2)')
        self.assertEqual(read.calls("A", "k"), ["A", "B"])


if __name__ == "__main__":
    unittest.main()
