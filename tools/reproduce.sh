#!/usr/bin/env bash
# Builds Mendo.exe twice, from two clones of the checked-in sources in two folders of different
# names and depths, and fails unless both builds are the same to the bit. Prints the hash, which
# anyone can compare with the sha256 of a published Mendo.exe built from the same commit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

build() {
    git clone --quiet --no-hardlinks "$root" "$1"
    (cd "$1" && cmake --preset windows >/dev/null && cmake --build --preset windows --target Mendo >/dev/null)
    sha256sum "$1/build/windows/Mendo.exe" | cut -d' ' -f1
}

first=$(build "$work/one")
second=$(build "$work/a/folder/of/another/name")
echo "commit $(git -C "$root" rev-parse HEAD)"
echo "toolchain $(x86_64-w64-mingw32-g++-posix --version | head -1), $(x86_64-w64-mingw32-ld --version | head -1)"
echo "first build  $first"
echo "second build $second"
if [ "$first" != "$second" ]; then
    echo "the two builds differ" >&2
    exit 1
fi
echo "the two builds are the same"
