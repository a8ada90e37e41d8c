#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the file readers with libFuzzer: builds the targets in fuzz/ with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into ./build-fuzz, and runs each named target (every one when
# none is named) for N seconds on a scratch copy of its corpus. Exits non-zero on any finding
# (a crash, a sanitizer report, an input taking over 10 s or 2 GB); the inputs are kept in
# build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

all=(exchange_import exchange_with_multi multi_companion word_list kvtml apkg_zip apkg_collection sync_changes)
usage() {
    echo "usage: tools/fuzz.sh [--seconds N] [TARGET...]"
    echo "targets: ${all[*]}"
}

seconds=60
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) [ $# -ge 2 ] || { usage >&2; exit 2; }; seconds="$2"; shift 2 ;;
    --seconds=*) seconds="${1#--seconds=}"; shift ;;
    -h | --help) usage; exit 0 ;;
    -*) echo "tools/fuzz.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
    esac
done
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "tools/fuzz.sh: --seconds needs a whole number of seconds, not \"$seconds\"" >&2
    exit 2
fi
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
for t in "${targets[@]}"; do
    [[ " ${all[*]} " == *" $t "* ]] || { echo "tools/fuzz.sh: no target \"$t\"" >&2; usage >&2; exit 2; }
done

# The project's packages, then clang and its fuzzer runtime.
tools/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -q
    $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g"
# Warnings are not errors here: clang's differ from the compiler the normal build holds to -Werror.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DMEMORANT_FUZZ=ON -DMEMORANT_WERROR=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    "${launcher[@]}" >/dev/null
nice cmake --build build-fuzz --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for t in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$t"
    findings="build-fuzz/findings/$t"
    # A scratch copy: what the run learns never grows the corpus kept in the repository.
    rm -rf "$corpus"
    mkdir -p "$corpus" "$findings"
    cp -r "fuzz/corpus/$t/." "$corpus/"
    dict=()
    [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
    echo "== $t: $seconds s"
    if ! nice -n 19 "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" "${dict[@]}" "$corpus"; then
        failed+=("$t")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "tools/fuzz.sh: findings in ${failed[*]} (inputs in build-fuzz/findings/)" >&2
    exit 1
fi
echo "tools/fuzz.sh: no findings in ${targets[*]}"
