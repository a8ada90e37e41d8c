#!/usr/bin/env bash
# Builds and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure
