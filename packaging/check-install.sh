#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the installed tree: exactly the files
# of the list, programs that start and tell the project's version and licence (and a usage
# error without a display), a desktop entry and a MIME type as the desktop reads them, the
# databases an installation outside /usr updates, manual pages that render without a
# warning and carry the version, the doc folder (with Debian's files when they are
# installed), the metainfo and the icons.
#
#   check-install.sh BUILD-DIR FILE-LIST VERSION SOURCE-DIR DEBIAN-FILES COPYRIGHT-YEARS
#
# DEBIAN-FILES: ON when the install puts debian/'s files in (FBE_INSTALL_DEBIAN_FILES), OFF
# when it leaves them to debhelper; COPYRIGHT-YEARS as --version shows them (2009-YYYY).
set -euo pipefail
build=$1
list=$2
version=$3
source=$4
debian_files=$5
years=$6

fail() {
  echo "check-install: $*" >&2
  exit 1
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/usr"
cmake --install "$build" --prefix "$prefix" >"$root/install.log" 2>&1 \
  || { cat "$root/install.log" >&2; fail "cmake --install"; }

# The caches that the installation outside /usr writes are not part of the list; Debian's
# own files are, marked "debian:".
if [ "$debian_files" = ON ]; then
  expected=$(grep -v -e '^#' -e '^$' "$list" | sed 's/^debian://' | sort)
else
  expected=$(grep -v -e '^#' -e '^$' -e '^debian:' "$list" | sort)
fi
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' \
           | grep -v -e '^share/mime/[^/]*$' -e '^share/mime/application/' \
                     -e '^share/applications/mimeinfo.cache$' | sort)
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "installed files differ from $list (< expected, > installed)"
fi

# The programs start without a display for these; the project's version is theirs.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for program in fbe fbe-tool; do
  text=$("${nodisplay[@]}" "$prefix/bin/$program" --version) || fail "$program --version"
  [ "$(head -n1 <<<"$text")" = "$program $version" ] || fail "$program --version: $(head -n1 <<<"$text")"
  grep -q 'GPLv3+' <<<"$text" || fail "$program --version names no licence"
done
"$prefix/bin/fbe-module-sim" --help >/dev/null || fail "fbe-module-sim --help"
# fbe's usage errors: the usage on stderr and exit 2, also among Qt's own options.
while read -r want args; do
  rc=0
  # shellcheck disable=SC2086
  err=$(cd "$root" && "${nodisplay[@]}" "$prefix/bin/fbe" $args 2>&1 >/dev/null) || rc=$?
  [ "$rc" -eq "$want" ] || fail "fbe $args: exit $rc, not $want"
  if [ "$want" -eq 2 ]; then
    grep -q '^Aufruf: fbe' <<<"$err" || fail "fbe $args: no usage on stderr"
  fi
done <<'ARGS'
2 --bogus
2 a.fbe b.fbe
2 -platform offscreen --bogus
2 --style=Fusion -x
0 --help
0 -reverse --version
ARGS

desktop="$prefix/share/applications/fbe.desktop"
grep -qx 'Exec=fbe --desktop %f' "$desktop" || fail "Exec of the desktop entry"
grep -qx 'MimeType=application/x-fbe;' "$desktop" || fail "MimeType of the desktop entry"
grep -qx 'Icon=fbe' "$desktop" || fail "Icon of the desktop entry"
if command -v desktop-file-validate >/dev/null; then
  report=$(desktop-file-validate "$desktop" 2>&1) || true
  [ -z "$report" ] || fail "desktop-file-validate: $report"
else
  echo "check-install: desktop-file-validate missing (package desktop-file-utils); entry not validated"
fi

# The installation updated the MIME database (*.fbe is application/x-fbe) and the desktop
# database (fbe.desktop opens it).
if command -v update-mime-database >/dev/null; then
  grep -q ':application/x-fbe:\*\.fbe$' "$prefix/share/mime/globs2" || fail "*.fbe not in the MIME globs"
else
  echo "check-install: update-mime-database missing (package shared-mime-info); MIME type not checked"
fi
if command -v update-desktop-database >/dev/null; then
  grep -qx 'application/x-fbe=fbe.desktop;' "$prefix/share/applications/mimeinfo.cache" \
    || fail "fbe.desktop not in the desktop database"
fi

for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/de/man1/*.1.gz; do
  zcat "$page" | grep -q "^\.TH [A-Z-]* 1 \"[0-9-]*\" \"fbe $version\"" \
    || fail "$(basename "$page"): not version $version"
done
if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/de/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 "$page" 2>&1 >/dev/null) || true
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  done
else
  echo "check-install: man missing; manual pages not rendered"
fi

# The doc folder: the changelog of this version, the README; Debian's files when installed.
doc="$prefix/share/doc/fbe"
zcat "$doc/changelog.gz" | grep -m1 '^## ' | grep -q "^## $version " || fail "changelog.gz: not $version first"
zcat "$doc/README.md.gz" | cmp -s - "$source/README.md" || fail "README.md.gz is not the README"
if [ "$debian_files" = ON ]; then
  bash "$source/tests/packaging/debian-files.sh" "$doc/copyright" "$doc/changelog.Debian.gz" \
       "$prefix"/share/metainfo/*.metainfo.xml "$version" "$years" || fail "Debian's files in $doc"
fi

# The metainfo: the desktop entry as its launchable, this version as its newest release.
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
grep -q '<launchable type="desktop-id">fbe.desktop</launchable>' "$metainfo" || fail "metainfo: launchable"
grep -q "<release version=\"$version\" " "$metainfo" || fail "metainfo: release $version"

# Every PNG icon is as large as its folder says.
for png in "$prefix"/share/icons/hicolor/*x*/*/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{printf "%dx%d", $3*256+$4, $7*256+$8}')
  [ "$dims" = "$size" ] || fail "$png is $dims"
done
echo "check-install: $(echo "$expected" | wc -l) files installed and checked"
