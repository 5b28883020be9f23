#!/usr/bin/env bash
# The options of pendra-hostsim(1) are those of pendra-hostsim --help: the
# same names, value names and texts, in the same order. Any program whose
# --help QCommandLineParser writes is checked so: pendra-hostcheck too.
#   check-hostsim-manual.sh PROGRAM MANUAL_PAGE
set -euo pipefail

hostsim=$1
manual=$2

# One line per option: "--name value<TAB>text".
from_help() {
    "$hostsim" --help | awk '
        /^Options:/ { inside = 1; next }
        !inside { next }
        /^  [^ ]/ {
            if (head != "") print head "\t" text
            line = substr($0, 3)
            split(line, parts, /  +/)
            head = parts[1]; text = substr(line, length(parts[1]) + 1)
            sub(/^ +/, "", text)
            gsub(/[<>]/, "", head)
            next
        }
        /^ +[^ ]/ { sub(/^ +/, ""); text = text " " $0 }
        END { if (head != "") print head "\t" text }'
}

# Rendered wide enough that no text wraps, so each option is a head line
# and one text line.
from_manual() {
    LC_ALL=C MANWIDTH=2000 man --no-hyphenation --no-justification -l "$manual" 2>/dev/null |
        col -bx | awk '
        /^[A-Z]/ { inside = ($0 == "OPTIONS"); next }
        !inside || /^ *$/ { next }
        /^       -/ { sub(/^ +/, ""); head = $0; next }
        { sub(/^ +/, ""); print head "\t" $0 }'
}

help=$(from_help)
page=$(from_manual)
[[ -n $help ]] || { echo "FAIL: no options in $hostsim --help"; exit 1; }
[[ -n $page ]] || { echo "FAIL: no options in the OPTIONS section of $manual"; exit 1; }
if ! diff <(echo "$help") <(echo "$page"); then
    echo "FAIL: the manual page's options (>) differ from --help (<)"
    exit 1
fi
echo "$(wc -l <<<"$help") options alike in --help and $(basename "$manual")"
