"""The escaping of texts for compilers without a Windows-1251 execution character set."""
import importlib.util
import pathlib
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "tools" / "escape-cp1251.py"
# The script's name has a dash: it is loaded from its file.
script = importlib.util.spec_from_file_location("escape_cp1251", SCRIPT)
escape_cp1251 = importlib.util.module_from_spec(script)
script.loader.exec_module(escape_cp1251)
escape = escape_cp1251.escape


class NarrowTexts(unittest.TestCase):
    def test_narrow_literals_become_windows_1251_octal_bytes(self):
        self.assertEqual(escape('const char t[] = "Яя ё";'), r'const char t[] = "\337\377 \270";')
        self.assertEqual(escape("char c = 'щ';"), r"char c = '\371';")

    def test_escaped_quotes_do_not_end_a_literal(self):
        self.assertEqual(escape(r'"\"я\"" L"я"'), r'"\"\377\"" L"\u044f"')
        self.assertEqual(escape(r"'\'' L'я'"), r"'\'' L'\u044f'")

    def test_comments_are_escaped_and_their_quotes_open_nothing(self):
        self.assertEqual(escape("// don't я\nL\"я\""), "// don't \\377\nL\"\\u044f\"")
        self.assertEqual(escape("/* \"я */ u\"я\""), "/* \"\\377 */ u\"\\u044f\"")


class WideTexts(unittest.TestCase):
    def test_each_prefix_keeps_the_characters_meaning(self):
        for prefix in ("L", "u", "U", "u8"):
            with self.subTest(prefix=prefix):
                self.assertEqual(escape(f'{prefix}"точки"'), prefix + r'"\u0442\u043e\u0447\u043a\u0438"')
        self.assertEqual(escape("U'ж'"), r"U'\u0436'")

    def test_characters_beyond_the_basic_plane_take_eight_digits(self):
        self.assertEqual(escape('U"😀"'), r'U"\U0001f600"')

    def test_a_digit_separator_is_no_quote(self):
        self.assertEqual(escape("int n = 1'000; auto s = L\"я\";"), "int n = 1'000; auto s = L\"\\u044f\";")

    def test_an_identifier_ending_in_a_prefix_letter_is_no_prefix(self):
        self.assertEqual(escape('MENU"я"'), r'MENU"\377"')

    def test_raw_literals_and_unclosed_literals_are_refused(self):
        with self.assertRaises(ValueError):
            escape('R"(я)"')
        with self.assertRaises(ValueError):
            escape('"я\n"')


if __name__ == "__main__":
    unittest.main()
