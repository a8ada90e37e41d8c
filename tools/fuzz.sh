#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the file readers with libFuzzer: builds the targets in fuzz/ with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into ./build-fuzz, and runs each named target (every one when
# none is named) for N seconds on a scratch copy of its corpus. Exits non-zero on any finding
# (a crash, a sanitizer report, an input taking over 2 GB, or over 10 s both in the run and
# once more alone); the inputs are kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

all=(exchange_import exchange_with_multi multi_companion word_list kvtml apkg_zip apkg_collection sync_changes media_kind media_companion)
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
# libFuzzer's own exit codes, named so that a slow input is told from a crash.
timeout_code=70
error_code=77

# A slow input found at nice 19 on a loaded machine may be the machine's fault: each one is run
# again alone at once, at normal priority, and stays a finding only when it is slow again.
# Crashes, sanitizer reports and memory limits are findings at once.
slow_again() {
    local t="$1" input="$2" code=0
    echo "== $t: $(basename "$input") took over 10 s; running it again alone"
    "build-fuzz/fuzz/$t" -timeout=10 -rss_limit_mb=2048 -timeout_exitcode=$timeout_code \
        -error_exitcode=$error_code "$input" || code=$?
    if [ "$code" -eq 0 ]; then
        echo "== $t: $(basename "$input") ran in time alone: the machine was busy, not a finding"
        mv "$input" "$(dirname "$input")/busy-$(basename "$input")"
        return 1
    fi
    return 0
}

# 0: no finding; 1: a finding.
fuzz_target() {
    local t="$1" corpus="build-fuzz/corpus/$1" findings="build-fuzz/findings/$1" code=0
    # A scratch copy: what the run learns never grows the corpus kept in the repository.
    rm -rf "$corpus"
    mkdir -p "$corpus" "$findings"
    cp -r "fuzz/corpus/$t/." "$corpus/"
    local dict=()
    [ -f "fuzz/$t.dict" ] && dict=(-dict="fuzz/$t.dict")
    echo "== $t: $seconds s"
    nice -n 19 "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 \
        -timeout_exitcode=$timeout_code -error_exitcode=$error_code -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "${dict[@]}" "$corpus" \
        2> >(tee "build-fuzz/$t.log" >&2) || code=$?
    wait # for tee to finish the log
    [ "$code" -eq 0 ] && return 0
    [ "$code" -eq "$timeout_code" ] || return 1
    # libFuzzer names the input it kept: "Test unit written to <file>".
    local input
    input=$(sed -n 's/.*Test unit written to \(.*timeout-[0-9a-f]*\)$/\1/p' "build-fuzz/$t.log" | tail -n 1)
    # A timeout without its input kept cannot be tried again: it stays a finding.
    [ -n "$input" ] && [ -f "$input" ] || return 1
    slow_again "$t" "$input" && return 1
    return 0
}

failed=()
for t in "${targets[@]}"; do
    fuzz_target "$t" || failed+=("$t")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "tools/fuzz.sh: findings in ${failed[*]} (inputs in build-fuzz/findings/)" >&2
    exit 1
fi
echo "tools/fuzz.sh: no findings in ${targets[*]}"
