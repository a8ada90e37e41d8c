#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds everything (program, tests, benchmark) into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# A compiler cache, where installed, makes rebuilds and extra work trees cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build
