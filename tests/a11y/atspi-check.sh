#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi_check.py inside a private D-Bus session, or skips (77) when a piece is missing.
# Usage: atspi-check.sh MEMORANT_BINARY
set -uo pipefail
binary="${1:?usage: atspi-check.sh MEMORANT_BINARY}"
# The Debian bindings live in the system Python, not in whatever python3 comes first on PATH.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

skip() {
    echo "SKIP: $1 (tools/install-deps.sh installs it)"
    exit 77
}
command -v Xvfb >/dev/null || skip "no Xvfb"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
[ -x "$launcher" ] || skip "no $launcher (at-spi2-core)"
[ -x "$python" ] || skip "no $python"
"$python" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null ||
    skip "no AT-SPI Python bindings (python3-gi, gir1.2-atspi-2.0)"

# The script stops itself after 40 s and kills what it started; timeout is the backstop
# should it hang in spite of that, kept under ctest's 60 s.
exec timeout -k 10 45 dbus-run-session -- "$python" "$(dirname "$0")/atspi_check.py" "$binary"
