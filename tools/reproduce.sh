#!/usr/bin/env bash
# Builds Mendo.exe and the downloads twice, from two clones of the checked-in sources in two
# folders of different names and depths, the second under another time zone, locale and umask
# (and a clock a year ahead when faketime is installed), and fails unless both builds of
# Mendo.exe, of its zip and of the site's tarball are the same to the bit, and so are the symbols
# of the libraries they link. When the work tree has no changes, the Mendo.exe in build/windows,
# the one that was tested, must be the same too. Prints the hashes, which anyone can compare with
# the sha256 of a published download built from the same commit.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "$root is not a git work tree: the builds are made from clones of its commit" >&2
    exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Builds Mendo.exe, the site and the downloads in a clone at $1 made under the umask $2, running
# each step through the rest of the arguments.
build() {
    local clone="$1" mask="$2"
    shift 2
    (
        umask "$mask"
        git clone --quiet --no-hardlinks "$root" "$clone"
        cd "$clone"
        "$@" cmake --preset windows >/dev/null
        "$@" cmake --build --preset windows --target Mendo >/dev/null
        "$@" cmake --preset web >/dev/null
        "$@" cmake --build --preset web --target site >/dev/null
        "$@" tools/dist.sh >/dev/null
    )
}

# What the libraries of a build define and use, by name: a folder's name must not be among them.
symbols() {
    for library in "$1"/build/windows/*.a; do
        echo "${library##*/}"
        x86_64-w64-mingw32-nm "$library"
    done
}

other_clock=()
if command -v faketime >/dev/null; then
    other_clock=(faketime -f +365d)
fi
first_clone="$work/one"
second_clone="$work/a/folder/of/another/name"
build "$first_clone" "$(umask)" env
build "$second_clone" 077 env TZ=Etc/GMT-14 LC_ALL=C "${other_clock[@]}"
first=$(sha256sum <"$first_clone/build/windows/Mendo.exe" | cut -d' ' -f1)
second=$(sha256sum <"$second_clone/build/windows/Mendo.exe" | cut -d' ' -f1)
version=$(cat "$root/VERSION")
downloads=("Mendo-$version-win64.zip" "mendo-web-$version.tar.gz")

echo "commit $(git -C "$root" rev-parse HEAD)"
echo "toolchain $(x86_64-w64-mingw32-g++-posix --version | head -1), $(x86_64-w64-mingw32-ld --version | head -1)"
echo "Mendo.exe $(stat -c %s "$first_clone/build/windows/Mendo.exe") bytes"
echo "first build  $first"
echo "second build $second"
if [ "$first" != "$second" ]; then
    echo "the two builds differ" >&2
    exit 1
fi
for download in "${downloads[@]}"; do
    first_download=$(sha256sum <"$first_clone/build/dist/$download" | cut -d' ' -f1)
    echo "$download $first_download"
    if [ "$first_download" != "$(sha256sum <"$second_clone/build/dist/$download" | cut -d' ' -f1)" ]; then
        echo "the two builds of $download differ" >&2
        exit 1
    fi
done
if ! cmp -s <(symbols "$first_clone") <(symbols "$second_clone"); then
    echo "the two builds' libraries name different symbols: a folder's name is in them" >&2
    diff <(symbols "$first_clone") <(symbols "$second_clone") | head >&2
    exit 1
fi
tested="$root/build/windows/Mendo.exe"
if git -C "$root" diff --quiet HEAD && [ -f "$tested" ]; then
    built=$(sha256sum <"$tested" | cut -d' ' -f1)
    echo "build/windows $built"
    if [ "$built" != "$first" ]; then
        echo "build/windows/Mendo.exe is not what the commit builds: build it again (make windows)" >&2
        exit 1
    fi
fi
echo "the builds are the same"
