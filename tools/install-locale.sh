#!/usr/bin/env bash
# Generates those of the named UTF-8 locales (bg_BG.UTF-8) that the machine lacks. Wine takes its
# ANSI code page from the locale, so the window's tests run under 1251 with bg_BG.UTF-8.
set -euo pipefail

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
generate=false
for name in "$@"; do
    # locale -a spells bg_BG.UTF-8 as bg_BG.utf8.
    listed="${name%%.*}.$(echo "${name#*.}" | tr 'A-Z' 'a-z' | tr -d '-')"
    if locale -a | grep -qx "$listed"; then
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
fi
