#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Memorant needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev qt6-svg-dev
  qt6-qpa-plugins libgl-dev
  libsqlite3-dev
  libespeak-ng-dev espeak-ng-data
  # Qt Multimedia's GStreamer backend plays cards' recordings (WAV, MP3, Ogg Vorbis, Opus)
  # through these.
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libbenchmark-dev
  libcsv-dev
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts finds its CMake files only beside Qt OpenGL's
  # Translations: lupdate and lrelease with their CMake functions, and Qt's own texts (the
  # standard buttons) in the other languages.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libdtl-dev
  libzip-dev libzstd-dev
  # Files other trainers write, for the deck tests: KDE's vocabulary library (Qt 5, used by a
  # helper program of its own) and the word lists of KDE's word games.
  libkeduvocdocument-dev kdeedu-kvtml-data
  desktop-file-utils appstream man-db dpkg-dev file
  # The screen-reader check (tests/a11y): the program on a virtual X server, its tree read
  # over a private AT-SPI bus from Python, and a silent sound server so that Kids mode starts.
  xvfb dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 pulseaudio
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
