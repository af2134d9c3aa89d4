#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the packages of one packing (scripts/package) as a distribution would take them:
# the files of fbe, its dependencies, Debian's own files, the programs started from the
# package unpacked into a temporary root, lintian --pedantic on the upload, the desktop entry,
# the AppStream metainfo, the hardening of the programs, their compressed debug symbols in
# fbe-dbgsym, and no build path in them.
#
#   check-deb.sh OUT VERSION DEBIAN-VERSION ARCH WORK
#
# OUT holds the packing's files and fbe-VERSION/, the source tree it was built in, whose
# files the packages are checked against; WORK is a folder of the check's own, made anew.
set -euo pipefail
out=$1
version=$2
debversion=$3
arch=$4
work=$5
source=$out/fbe-$version

deb=$out/fbe_${debversion}_${arch}.deb
dbgsym=$out/fbe-dbgsym_${debversion}_${arch}.deb
changes=$out/fbe_${debversion}_${arch}.changes
programs=(fbe fbe-tool fbe-module-sim)

fail() {
  echo "check-deb: $(basename "$deb"): $*" >&2
  exit 1
}
rm -rf "$work"
mkdir -p "$work"

[ "$(dpkg-deb -f "$deb" Version)" = "$debversion" ] || fail "version is not $debversion"

# Content: exactly the installed files below /usr (Debian's own files as debhelper installs
# them).
expected=$(grep -v -e '^#' -e '^$' "$source/packaging/installed-files.txt" \
             | sed -e 's/^debian://' -e 's|^|./usr/|' | sort)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  fail "content differs from packaging/installed-files.txt (< expected, > in the package)"
fi
# Folders and files as Debian has them, whatever the builder's umask: 0755 and 0644, the
# programs 0755, all root's.
odd=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
        ($1 ~ /^-/ && $1 != "-rw-r--r--" && !($1 == "-rwxr-xr-x" && $6 ~ /^\.\/usr\/bin\//))')
[ -z "$odd" ] || fail "modes or owners that Debian would not have: $odd"

# Dependencies by Debian's policy: what the program needs to start in Depends (the libraries
# it links, the packages of the Qt plugins it loads, the sheet's font), what it works without
# in Recommends, nothing of the desktop's databases (their triggers do the work).
names() { tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | sed '/^$/d' | sort -u; }
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
plugins=()
for f in platforms/libqxcb.so imageformats/libqsvg.so iconengines/libqsvgicon.so; do
  owner=$(dpkg-query -S "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt6/plugins/$f")
  plugins+=("${owner%%:*}")
done
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
         libqt6serialport6 libqt6svg6 libqt6sql6 libfontconfig1 fonts-dejavu-core "${plugins[@]}"; do
  names <<<"$depends" | grep -qxF "$p" || fail "Depends lacks $p: $depends"
done
[ "$(names <<<"$recommends" | paste -sd' ')" = "fonts-liberation2 libqt6sql6-psql qt6-translations-l10n" ] \
  || fail "Recommends is not fonts-liberation2, libqt6sql6-psql, qt6-translations-l10n: $recommends"
for p in libqt6sql6-psql qt6-translations-l10n fonts-liberation2 shared-mime-info \
         desktop-file-utils hicolor-icon-theme; do
  ! names <<<"$depends" | grep -qxF "$p" || fail "Depends names $p: $depends"
done
for field in Suggests Pre-Depends; do
  [ -z "$(dpkg-deb -f "$deb" "$field")" ] || fail "$field: $(dpkg-deb -f "$deb" "$field")"
done

# No maintainer scripts: the triggers of shared-mime-info, desktop-file-utils, man-db and the
# icon caches do the updates.
dpkg-deb -e "$deb" "$work/control"
for s in preinst postinst prerm postrm config triggers; do
  [ ! -e "$work/control/$s" ] || fail "carries a maintainer script: $s"
done

# The packages unpacked into a temporary root, as dpkg would install them; the programs
# started from there, without a display.
root=$work/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -x "$dbgsym" "$root"
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANGUAGE=de)
for program in fbe fbe-tool; do
  text=$(cd "$work" && "${nodisplay[@]}" "$root/usr/bin/$program" --version) \
    || fail "$program --version from the unpacked package failed"
  [ "$(head -n1 <<<"$text")" = "$program $version" ] \
    || fail "$program --version from the unpacked package: $(head -n1 <<<"$text")"
done
years=$(sed -n 's/^Copyright (C) \([0-9-]*\) .*/\1/p' <<<"$text")
"$root/usr/bin/fbe-module-sim" --help >/dev/null || fail "fbe-module-sim --help"
bash "$source/tests/packaging/debian-files.sh" "$root/usr/share/doc/fbe/copyright" \
     "$root/usr/share/doc/fbe/changelog.Debian.gz" "$root"/usr/share/metainfo/*.metainfo.xml \
     "$version" "$years" || fail "Debian's files"
# The packaging's changelog is debian/changelog, not the program's one.
zcat "$root/usr/share/doc/fbe/changelog.Debian.gz" | head -n1 | grep -qF "fbe ($debversion) " \
  || fail "changelog.Debian.gz does not start with $debversion"
zcat "$root/usr/share/doc/fbe/changelog.gz" | cmp -s - "$source/CHANGELOG.md" \
  || fail "changelog.gz is not CHANGELOG.md"

# The desktop entry and the metainfo as desktops and software centres read them; the
# package's homepage is the metainfo's.
report=$(desktop-file-validate "$root/usr/share/applications/fbe.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream" 2>&1 \
  || { cat "$work/appstream" >&2; fail "appstreamcli validate --pedantic"; }
homepage=$(dpkg-deb -f "$deb" Homepage)
grep -qF "<url type=\"homepage\">$homepage</url>" "$metainfo" \
  || fail "Homepage $homepage is not the metainfo's"

# lintian on the upload (the source package and both binary packages), pedantic: no error
# or warning at all, and every tag of a lower level overridden with its reason. Overrides
# are for the levels info and pedantic only, each below a comment that gives its reason.
for overrides in "$source/debian/fbe.lintian-overrides" "$source/debian/source/lintian-overrides"; do
  [ -f "$overrides" ] || continue
  awk '/^#/ {reason = 1; next} /^$/ {reason = 0; next} !reason {print FILENAME ": " $0; bad = 1}
       END {exit bad}' "$overrides" >&2 || fail "overrides above without a reason"
  # "[package [type]:] tag [context]"
  for tag in $(grep -v -e '^#' -e '^$' "$overrides" | sed 's/^[^:]*: *//; s/ .*//'); do
    level=$(lintian-explain-tags "$tag" 2>/dev/null | sed -n "s/^\([A-Z]\): $tag\$/\1/p")
    case $level in
      I | P) ;;
      *) fail "$overrides overrides $tag (level ${level:-unknown}): only info and pedantic may be" ;;
    esac
  done
done
if ! lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$changes" >"$work/lintian" 2>&1; then
  grep -v '^running with root privileges' "$work/lintian" >&2
  fail "lintian reports the lines above"
fi

# The programs: hardened (Debian 12 builds no control-flow protection); their debug
# information in fbe-dbgsym under their build id, compressed; no build path in them.
for program in "${programs[@]}"; do
  binary=$root/usr/bin/$program
  hardening-check --nocfprotection "$binary" >"$work/hardening" 2>&1 \
    || { cat "$work/hardening" >&2; fail "$program is not hardened"; }
  id=$(readelf -n "$binary" | sed -n 's/.*Build ID: *//p')
  debug=$root/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
  [ -f "$debug" ] || fail "no debug symbols of $program"
  readelf -SW "$debug" 2>/dev/null | grep -E '\.debug_info ' | grep -qE ' [A-Z]*C[A-Z]* ' \
    || fail "the debug information of $program is not compressed"
done
if grep -rlF "$out" "$root/usr/bin" "$root/usr/lib/debug" >&2; then
  fail "the build's path $out is in the files above"
fi
echo "check-deb: $(basename "$deb"): $(echo "$expected" | wc -l) files, Depends, Recommends," \
     "programs started, Debian's files, lintian --pedantic, desktop entry, metainfo," \
     "hardening and compressed debug symbols checked"
echo "  Depends: $depends"
echo "  Recommends: $recommends"
