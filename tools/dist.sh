#!/usr/bin/env bash
# Writes what a player downloads into build/dist/: the terminal edition as a Debian package,
# Mendo.exe in a zip, the browser edition's site in a tarball, and the SHA256SUMS of the three.
# The zip and the tarball are the same bytes from the same sources wherever they are made: their
# files carry the time of the last commit, in a fixed order, with fixed owners and modes.
#
# Usage: tools/dist.sh [OUT [MENDO.EXE [SITE-FOLDER]]]
#        (by default build/dist, build/windows/Mendo.exe and build/web)
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build/dist}")
exe=$(realpath "${2:-build/windows/Mendo.exe}")
site=$(realpath "${3:-build/web}")
version=$(cat VERSION)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC LC_ALL=C.UTF-8
umask 022

work="$out.work"
rm -rf "$out" "$work"
mkdir -p "$out" "$work"

# Every file of the tree as it stands, changes not yet committed included.
copy_tree() {
    mkdir -p "$1"
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
        [ -e "$file" ] && cp --parents -P "$file" "$1"
    done
}

# The files' time and modes as the last commit has them, whatever the clock and umask.
settle() {
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

# The Debian package, built the Debian way from a copy of the tree; its changelog takes the
# version and the date of the last commit.
source_tree="$work/mendo-$version"
copy_tree "$source_tree"
sed -e "s/@VERSION@/$version/" -e "s/@DATE@/$(date -R -d "@$SOURCE_DATE_EPOCH")/" \
    debian/changelog.in > "$source_tree/debian/changelog"
rm "$source_tree/debian/changelog.in"
(cd "$source_tree" && dpkg-buildpackage -b -us -uc -rfakeroot > ../dpkg-buildpackage.log 2>&1) || {
    tail -n 40 "$work/dpkg-buildpackage.log" >&2
    exit 1
}
mv "$work/mendo_${version}_amd64.deb" "$out/"

# A download's read-me, with the version put in.
readme() {
    sed "s/@VERSION@/$version/" "docs/$1"
}

# The Windows download: the program, a read-me and the licence, with Windows line ends.
zip_folder="$work/zip"
mkdir -p "$zip_folder"
install -m 644 "$exe" "$zip_folder/Mendo.exe"
readme windows-readme.txt | sed 's/$/\r/' > "$zip_folder/README.txt"
sed 's/$/\r/' LICENSE > "$zip_folder/LICENSE.txt"
chmod 644 "$zip_folder"/*.txt
settle "$zip_folder"
zip_name="Mendo-$version-win64.zip"
(cd "$zip_folder" && zip -q -X -D "../$zip_name" Mendo.exe README.txt LICENSE.txt)
mv "$work/$zip_name" "$out/"

# The site, ready for any static host, with a read-me on how to serve it and the licence.
site_name="mendo-web-$version"
mkdir -p "$work/$site_name"
cp -R "$site/." "$work/$site_name/"
readme web-readme.txt > "$work/$site_name/README.txt"
cp LICENSE "$work/$site_name/LICENSE.txt"
chmod -R u=rwX,go=rX "$work/$site_name"
settle "$work/$site_name"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner --format=gnu \
    -C "$work" -cf - "$site_name" | gzip -n -9 > "$out/$site_name.tar.gz"

(cd "$out" && sha256sum "mendo_${version}_amd64.deb" "$zip_name" "$site_name.tar.gz" > SHA256SUMS)
rm -rf "$work"
cat "$out/SHA256SUMS"
