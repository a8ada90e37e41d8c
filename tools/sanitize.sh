#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-sanitize and runs every test offscreen. Any sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
# -O1 keeps the run quick; warnings are not errors here, as the sanitizers change the
# optimiser's view of the code and the normal build already holds them to -Werror.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMEMORANT_WERROR=OFF -DMEMORANT_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" "${launcher[@]}"
cmake --build build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0"
cd build-sanitize && ctest --output-on-failure "$@"
