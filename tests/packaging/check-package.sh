#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package holds exactly the files `cmake --install` installs, and depends on the
# plugins and data that dpkg-shlibdeps cannot see.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh"
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/pkg/memorant_*.deb)
[ -f "${debs[0]}" ] || fail "no memorant_*.deb made"
deb=${debs[0]}

# Regular files only: the package's own list against the installed tree.
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sed 's|^\./||' | sort >"$tmp/package"
cmake --install "$build" --prefix "$tmp/root/usr" >/dev/null
(cd "$tmp/root" && find . -type f | sed 's|^\./||' | sort) >"$tmp/installed"
diff -u "$tmp/installed" "$tmp/package" || fail "the package's files differ from the installed ones"
grep -qx usr/bin/memorant "$tmp/package" || fail "no usr/bin/memorant in the package"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6sql6-sqlite libqt6svg6 libqt6charts6 libqt6multimedia6 espeak-ng-data libqt6widgets6 \
           libespeak-ng1; do
  grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
echo "package OK: $(basename "$deb")"
