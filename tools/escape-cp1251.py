#!/usr/bin/env python3
"""Copies a UTF-8 source with every non-ASCII character written as an escape.

For compilers that cannot turn UTF-8 literals into Windows-1251 themselves: the program then
holds the same bytes whichever compiler built it. In plain narrow literals a character becomes
its Windows-1251 bytes as three-digit octal escapes, which never run into the characters that
follow them. In wide, UTF-16, UTF-32 and UTF-8 literals (L, u, U, u8) it becomes a universal
character name, so that it keeps its meaning there. Comments are escaped like narrow text.
"""
import sys

WIDE_PREFIXES = {"L", "u", "U", "u8"}
NARROW_PREFIXES = {""}
RAW_PREFIXES = {prefix + "R" for prefix in WIDE_PREFIXES | NARROW_PREFIXES}


def octal(ch: str) -> str:
    return "".join(f"\\{byte:03o}" for byte in ch.encode("cp1251"))


def universal(ch: str) -> str:
    code = ord(ch)
    return f"\\u{code:04x}" if code <= 0xFFFF else f"\\U{code:08x}"


def prefix_before(text: str, quote_at: int) -> str:
    """The identifier characters that stand right before a quote: a literal's prefix, or a
    number whose quote is a digit separator."""
    start = quote_at
    while start > 0 and (text[start - 1].isalnum() or text[start - 1] in "_."):
        start -= 1
    return text[start:quote_at]


def escape(text: str) -> str:
    out = []
    i = 0
    while i < len(text):
        ch = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = len(text) if end < 0 else end
            out.append(escape_all(text[i:end], octal))
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = len(text) if end < 0 else end + 2
            out.append(escape_all(text[i:end], octal))
            i = end
        elif ch in "\"'":
            prefix = prefix_before(text, i)
            if ch == "'" and prefix[:1].isdigit():
                out.append(ch)
                i += 1
                continue
            if prefix in RAW_PREFIXES and ch == '"':
                raise ValueError(f"a raw literal cannot hold escapes: {text[i - len(prefix):i + 20]!r}")
            end = literal_end(text, i)
            to_escape = universal if prefix in WIDE_PREFIXES else octal
            out.append(escape_all(text[i:end], to_escape))
            i = end
        else:
            out.append(ch if ord(ch) < 128 else octal(ch))
            i += 1
    return "".join(out)


def literal_end(text: str, opening: int) -> int:
    """The index just past the quote that closes the literal opened at `opening`."""
    quote = text[opening]
    i = opening + 1
    while i < len(text) and text[i] != quote:
        if text[i] == "\n":
            raise ValueError(f"a literal runs past its line: {text[opening:i]!r}")
        i += 2 if text[i] == "\\" else 1
    return i + 1


def escape_all(part: str, to_escape) -> str:
    return "".join(ch if ord(ch) < 128 else to_escape(ch) for ch in part)


def main() -> None:
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as infile:
        text = infile.read()
    with open(target, "w", encoding="ascii") as outfile:
        outfile.write(f'#line 1 "{source}"\n')
        outfile.write(escape(text))


if __name__ == "__main__":
    main()
