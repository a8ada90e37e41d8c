#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats the tracked C++ sources with the repository's .clang-format; with --check, changes
# nothing and fails naming each file that is not formatted so (CI runs it that way).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
case "${1:-}" in
--check) mode=(--dry-run -Werror) ;;
"") ;;
*) echo "usage: tools/format.sh [--check]" >&2; exit 2 ;;
esac
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format "${mode[@]}"
