#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a temporary prefix: the desktop files are there and valid, the
# manual page renders, and the installed program finds its help pages, starts from its menu
# entry offscreen with the database in the data folder, and closes cleanly on SIGTERM.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
id=io.github.memorant.Memorant
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli man file; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh"
done
tmp=$(mktemp -d)
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/memorant share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/256x256/apps/$id.png share/man/man1/memorant.1.gz \
         share/memorant/help/academic.html share/memorant/help/kids.html \
         share/doc/memorant/copyright; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/memorant" ] || fail "bin/memorant is not executable"
for size in 48 256; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
    fail "the ${size} px icon is not a ${size}x${size} PNG"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"

page=$(MANWIDTH=80 man -l "$prefix/share/man/man1/memorant.1.gz" 2>&1)
for section in SYNOPSIS OPTIONS "EXIT STATUS" FILES --user-data; do
  grep -q -- "$section" <<<"$page" || fail "the manual page lacks $section"
done

# The program started from the prefix reads the pages installed beside it.
mkdir -p "$tmp/cwd" "$tmp/data"
help=$(cd "$tmp/cwd" && XDG_DATA_HOME=$tmp/data "$prefix/bin/memorant" --help)
grep -qF "$prefix/share/memorant/help" <<<"$help" ||
  fail "the installed program does not find its help pages: $help"

# The menu entry's own command line, run from the prefix.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
(cd "$tmp/cwd" && export PATH="$prefix/bin:$PATH" XDG_DATA_HOME="$tmp/data" \
   QT_QPA_PLATFORM=offscreen && exec $exec_line) &
pid=$!
database=$tmp/data/Memorant/VIze.mdb
for _ in $(seq 150); do
  [ -s "$database" ] && break
  sleep 0.1
done
[ -s "$database" ] || fail "the menu entry made no database in the data folder"
sleep 1 # let the window finish starting
kill -TERM "$pid"
code=0
wait "$pid" || code=$?
pid=""
[ "$code" -eq 0 ] || fail "the installed program ended with $code after SIGTERM"
[ ! -e "$tmp/cwd/VIze.mdb" ] || fail "the menu entry put a database in the current folder"
echo "installed layout OK"
