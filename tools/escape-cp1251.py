#!/usr/bin/env python3
"""Copies a UTF-8 source with every non-ASCII character written as Windows-1251 octal escapes.

For compilers that cannot turn UTF-8 literals into Windows-1251 themselves: the program then
holds the same bytes whichever compiler built it. Three-digit octal escapes never run into
the characters that follow them.
"""
import sys


def escape(text: str) -> str:
    return "".join(ch if ord(ch) < 128 else "".join(f"\\{byte:03o}" for byte in ch.encode("cp1251")) for ch in text)


def main() -> None:
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as infile:
        text = infile.read()
    with open(target, "w", encoding="ascii") as outfile:
        outfile.write(f'#line 1 "{source}"\n')
        outfile.write(escape(text))


if __name__ == "__main__":
    main()
