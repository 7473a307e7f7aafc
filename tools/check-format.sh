#!/usr/bin/env bash
# Fails, naming each file, when a C++ file that git tracks is not laid out as clang-format 14
# writes it with the tree's .clang-format files. Other versions lay some lines out differently.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
    echo "$formatter is missing: install Debian's package of that name (make packages does)" >&2
    exit 1
fi
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "$root is not a git work tree: the files checked are those git tracks" >&2
    exit 1
fi

mapfile -d '' -t sources < <(git ls-files -z '*.cpp' '*.h')
[ ${#sources[@]} -gt 0 ] || exit 0
if report="$("$formatter" --dry-run --Werror "${sources[@]}" 2>&1)"; then
    exit 0
fi
echo "$report" >&2
# clang-format names the file at the head of each place it would change.
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted, to be mended with: $formatter -i ${unformatted[*]}" >&2
fi
exit 1
