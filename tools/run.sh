#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and starts Memorant; extra arguments go to the program (e.g. --db PATH).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
exec build/src/app/memorant "$@"
