"""Reads the figures, texts and enums that the game's C++ headers declare, for the site's build.

It knows only the plain forms the headers use: a #define of string literals, a constexpr of a
number, a string, a braced list of numbers or another constant, and an enum class whose
enumerators take their places in order.
"""
import json
import os
import re

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)


def unescaped(literal):
    # The escapes of the shared headers' texts are the ones JSON reads the same way.
    return json.loads(f'"{literal}"')


class Headers:
    def __init__(self, root, paths):
        self.code = {}
        for path in paths:
            with open(os.path.join(root, path), encoding="utf-8") as infile:
                self.code[path] = COMMENT.sub(" ", infile.read())

    def _find(self, pattern, what):
        for code in self.code.values():
            match = re.search(pattern, code, re.M)
            if match:
                return match
        raise LookupError(f"no header declares {what}")

    def macro_text(self, name):
        """The text of a #define made of string literals, joined as the compiler joins them."""
        line = self._find(rf"^[ \t]*#[ \t]*define[ \t]+{name}[ \t]+((?:[ \t]*{LITERAL.pattern})+)[ \t]*$", name).group(1)
        return "".join(unescaped(part) for part in LITERAL.findall(line))

    def constant(self, name):
        """A constexpr's value: a number, a text, a tuple of numbers, or another constant's value."""
        pattern = rf"\bconstexpr\s+[\w:<>\s]+?\b{name}\s*(?:\[\])?\s*=\s*([^;]+);"
        value = self._find(pattern, name).group(1).strip()
        if re.fullmatch(r"-?\d+", value):
            return int(value)
        if re.fullmatch(LITERAL.pattern, value):
            return unescaped(value[1:-1])
        if re.fullmatch(r"\{[\d\s,]+\}", value):
            return tuple(int(number) for number in re.findall(r"\d+", value))
        if re.fullmatch(r"\w+", value):
            return self.constant(value)
        raise ValueError(f"{name} = {value} is not a plain value")

    def texts(self, name):
        """The string literals of an array's braced definition, in order."""
        pattern = rf"\bconstexpr\s+[\w:<>\s*]+?\b{name}\s*\[\w*\]\s*=\s*\{{([^}}]*)\}};"
        return [unescaped(text) for text in LITERAL.findall(self._find(pattern, name).group(1))]

    def enum(self, name):
        """An enum class's enumerators, each with its number."""
        body = self._find(rf"\benum\s+class\s+{name}\b[^{{;]*\{{([^}}]*)\}}", name).group(1)
        names = [part.strip() for part in body.split(",") if part.strip()]
        for enumerator in names:
            if not re.fullmatch(r"\w+", enumerator):
                raise ValueError(f"{name}::{enumerator} is not an enumerator in its place")
        return {enumerator: number for number, enumerator in enumerate(names)}

    def calls(self, macro, path):
        """The first arguments, as texts, of every use of a macro in one header, in order."""
        return [unescaped(text) for text in re.findall(rf"\b{macro}\(\s*{LITERAL.pattern}", self.code[path])]
