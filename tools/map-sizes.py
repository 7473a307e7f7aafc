#!/usr/bin/env python3
"""What the bytes of a program are: the sizes that a linker map (ld -Map) gives to each library
and to its largest members, counting only what the file holds (no debug sections, no .bss)."""
import collections
import os
import re
import sys

KEPT = (".text", ".data", ".rdata", ".pdata", ".xdata", ".idata", ".CRT", ".tls", ".rsrc", ".reloc", ".eh_frame")
INPUT = re.compile(r"^ (\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$")
# What the linker makes by itself: alignment fill, the words its script writes (the ends of the
# constructor lists, for one) and the base relocations, which its map calls "dll stuff".
LINKER = re.compile(r"^ (?:\*fill\*)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)(?:\s+(?:BYTE|SHORT|LONG|QUAD|SQUAD) \S+)?\s*$")
LINKER_NAME = "(made by the linker)"
# A section name too long for its line; the address and size follow on the next. The script's
# patterns, such as *(.ctors) or SORT_BY_NAME(*)(.idata$3), are not names.
LONG_NAME = re.compile(r"^ [^*\s(]+$")


def owner(path):
    if path == "dll stuff":
        return LINKER_NAME, "base relocations"
    archive = re.match(r"(.*?)\((.*)\)$", path)
    if archive:
        return os.path.basename(archive.group(1)), archive.group(2)
    return os.path.basename(path), os.path.basename(path)


def sizes(map_path):
    by_library = collections.Counter()
    by_member = collections.Counter()
    in_map = False
    pending = None
    output = None
    for line in open(map_path, encoding="utf-8", errors="replace"):
        line = line.rstrip("\n")
        if line.startswith("Linker script and memory map"):
            in_map = True
            continue
        if not in_map:
            continue
        if line and not line.startswith(" "):
            output = line.split()[0]
            pending = None
            continue
        if output is None or not output.startswith(KEPT):
            continue
        if LONG_NAME.match(line):
            pending = line.strip()
            continue
        filled = LINKER.match(line)
        if filled and pending is None:
            size = int(filled.group(1), 16)
            by_library[LINKER_NAME] += size
            by_member[(LINKER_NAME, "fill and words")] += size
            continue
        found = INPUT.match(line)
        if not found or (found.group(1) is None and pending is None):
            pending = None
            continue
        size = int(found.group(2), 16)
        pending = None
        library, member = owner(found.group(3))
        by_library[library] += size
        by_member[(library, member)] += size
    return by_library, by_member


def main():
    by_library, by_member = sizes(sys.argv[1])
    top = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    print(f"{'library or object':<28} {'bytes':>8}")
    for library, size in by_library.most_common():
        print(f"{library:<28} {size:>8}")
    print(f"{'total':<28} {sum(by_library.values()):>8}")
    print(f"\nlargest members")
    for (library, member), size in by_member.most_common(top):
        print(f"{library + ': ' + member:<60} {size:>8}")


main()
