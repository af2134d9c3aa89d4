#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks Debian's own files of an installation or a package against the release: the
# copyright file names the years that --version shows, the metainfo's licence as its
# paragraph says, and the packaging's changelog starts with an entry for this version.
#
#   debian-files.sh COPYRIGHT CHANGELOG.Debian.gz METAINFO VERSION YEARS
set -euo pipefail
copyright=$1
changelog=$2
metainfo=$3
version=$4
years=$5

fail() {
  echo "debian-files: $*" >&2
  exit 1
}

head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "copyright is not in the machine-readable format"

# paragraph FILES: the Copyright and License lines of the "Files: FILES" paragraph.
paragraph() {
  awk -v files="$1" '
    /^Files: / { inside = ($0 == "Files: " files); next }
    /^$/ { inside = 0 }
    inside && /^(Copyright|License): / { print }
  ' "$copyright"
}
code=$(paragraph '*')
grep -qx "Copyright: $years .*" <<<"$code" || fail "copyright: the code's years are not $years: $code"
grep -qx 'License: GPL-3+' <<<"$code" || fail "copyright: the code is not GPL-3+: $code"
# The metainfo is installed under its id; its paragraph names the file it is made from.
licence=$(sed -n 's|.*<metadata_license>\(.*\)</metadata_license>.*|\1|p' "$metainfo")
[ -n "$licence" ] || fail "$metainfo names no metadata licence"
grep -qx "License: $licence" <<<"$(paragraph packaging/fbe.metainfo.xml.in)" \
  || fail "copyright: no paragraph for packaging/fbe.metainfo.xml.in under $licence"
# Every licence named has its text.
for name in GPL-3+ "$licence"; do
  grep -A1 -x "License: $name" "$copyright" | grep -q '^ ' || fail "copyright: no text of $name"
done

first=$(zcat "$changelog" | head -n1)
[[ $first =~ ^fbe\ \($version-[0-9]+\)\  ]] || fail "changelog.Debian: \"$first\" is not an entry for $version"
echo "debian-files: copyright ($years; GPL-3+, $licence for the metainfo), changelog.Debian of $version"
