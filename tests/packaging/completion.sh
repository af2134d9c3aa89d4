#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of fbe-tool offers what each place of the command line takes.
#
#   completion.sh COMPLETION-FILE
set -uo pipefail
script=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir kunden
touch kunde.fbe ALT.FBE konfig.json notiz.txt blatt.pdf
export FBE_EXTRA_PORTS=/tmp/sim-com1::/tmp/sim-com2

# shellcheck disable=SC1090
source "$script"
failures=0
# A line of the command as typed (the last word is being completed; "" an empty one) and
# the sorted offers.
check() {
    local line=$1 expected=$2
    read -ra COMP_WORDS <<<"fbe-tool $line"
    [[ $line == *" " || -z $line ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _fbe_tool
    local actual
    actual=$(printf '%s\n' "${COMPREPLY[@]}" | grep -v '^/dev/' | sort | tr '\n' ' ' | sed 's/ $//')
    if [[ $actual != "$expected" ]]; then
        echo "completion: \"fbe-tool $line\": expected \"$expected\", got \"$actual\"" >&2
        failures=$((failures + 1))
    fi
}

check ""                          "--help --version build diff new ports program read series sheet show verify"
check "s"                         "series sheet show"
check "show "                     "ALT.FBE kunde.fbe kunden"
check "show kunde.fbe "           "--help --json"
check "diff kunde.fbe "           "ALT.FBE kunde.fbe kunden"
check "diff kunde.fbe ALT.FBE "   "--help --json"
check "build "                    "konfig.json kunden"
check "build konfig.json "        "ALT.FBE kunde.fbe kunden"
check "sheet kunde.fbe "          "blatt.pdf kunden"
check "program kunde.fbe --port " "/tmp/sim-com1 /tmp/sim-com2 COM1 COM2 COM3 COM4"
check "program kunde.fbe --port COM1 --" "--db --help --increments --log --port"
check "program kunde.fbe --db "    ""
check "program kunde.fbe --log "  "ALT.FBE blatt.pdf konfig.json kunde.fbe kunden notiz.txt"
check "read --port COM"           "COM1 COM2 COM3 COM4"
check "read --port COM1 "         "ALT.FBE kunde.fbe kunden"
check "verify k"                  "kunde.fbe kunden"
check "ports "                    "--help --json"
check "series postgresql://s/db T " "--csv --help"
check "unbekannt "                ""

[ "$failures" -eq 0 ] || exit 1
echo "completion: all places checked"
