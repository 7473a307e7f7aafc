#!/usr/bin/env bash
# Generates those of the named UTF-8 locales (bg_BG.UTF-8) that the machine lacks. Wine takes its
# ANSI code page from the locale, so the window's tests run under 1251 with bg_BG.UTF-8.
set -euo pipefail

if ! command -v locale-gen >/dev/null; then
    echo "locale-gen is missing: install Debian's locales package first (make packages does)" >&2
    exit 1
fi

# Whether the machine has the locale. locale -a spells bg_BG.UTF-8 as bg_BG.utf8. grep reads from
# a process substitution: under pipefail, a grep that stops at the first match could fail a pipe.
known() {
    local listed="${1%%.*}.$(echo "${1#*.}" | tr 'A-Z' 'a-z' | tr -d '-')"
    grep -qx "$listed" < <(locale -a)
}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
generate=false
for name in "$@"; do
    if known "$name"; then
        continue
    fi
    if grep -q "^# *$name " /etc/locale.gen; then
        "${as_root[@]}" sed -i "s/^# *\($name \)/\1/" /etc/locale.gen
    elif ! grep -q "^$name " /etc/locale.gen; then
        echo "$name ${name#*.}" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    generate=true
done
if $generate; then
    "${as_root[@]}" locale-gen
    for name in "$@"; do
        if ! known "$name"; then
            echo "locale-gen did not make $name" >&2
            exit 1
        fi
    done
fi
