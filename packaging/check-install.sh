#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: exactly the files
# of the list, programs that start and tell their version, a desktop entry and a MIME type as
# the desktop reads them, manual pages that render without a warning.
#
#   check-install.sh BUILD-DIR FILE-LIST
set -euo pipefail
build=$1
list=$2

fail() {
  echo "check-install: $*" >&2
  exit 1
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix="$root/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=$(grep -v -e '^#' -e '^$' "$list" | sort)
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "installed files differ from $list (< expected, > installed)"
fi

# The programs start without a display for these.
"$prefix/bin/fbe" --version | grep -Eqx 'fbe [0-9]+\.[0-9]{2}' || fail "fbe --version"
"$prefix/bin/fbe-tool" --version | grep -Eqx 'fbe-tool [0-9]+\.[0-9]{2}' || fail "fbe-tool --version"
"$prefix/bin/fbe-module-sim" --help >/dev/null || fail "fbe-module-sim --help"

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

# The MIME database built from the package file gives *.fbe the type application/x-fbe.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$prefix/share/mime" || fail "update-mime-database"
  grep -q ':application/x-fbe:\*\.fbe$' "$prefix/share/mime/globs2" || fail "*.fbe not in the MIME globs"
else
  echo "check-install: update-mime-database missing (package shared-mime-info); MIME type not checked"
fi

if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/de/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 "$page" 2>&1 >/dev/null) || true
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  done
else
  echo "check-install: man missing; manual pages not rendered"
fi
echo "check-install: $(echo "$expected" | wc -l) files installed and checked"
