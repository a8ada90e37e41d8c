#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks of .clang-tidy over the C++ files the build compiles under the
# folders given (src/ when none is), two at a time, reading build/compile_commands.json: build
# first (tools/build.sh). Fails on any warning, except that a function listed in
# tools/tidy-complexity.txt may stay as complex as it is listed, no more. The full output is kept
# in build/tidy/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MEMORANT_TIDY_BUILD:-build}"
jobs="${MEMORANT_TIDY_JOBS:-2}"
db="$build/compile_commands.json"
[ -f "$db" ] || { echo "tools/tidy.sh: no $db: build first (tools/build.sh)" >&2; exit 2; }
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(src)

# Tracked files the build compiles; generated ones (moc output, the schema text) are not ours.
compiled=$(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$db" | sort -u)
files=()
while IFS= read -r f; do
    grep -qxF "$PWD/$f" <<<"$compiled" && files+=("$f")
done < <(git ls-files -- "${folders[@]/%//*.cpp}")
[ ${#files[@]} -gt 0 ] || { echo "tools/tidy.sh: no compiled sources under ${folders[*]}" >&2; exit 2; }

out="$build/tidy"
rm -rf "$out"
mkdir -p "$out"
echo "tools/tidy.sh: ${#files[@]} files, $jobs at a time"
# One output file per source, so that parallel runs never interleave their lines.
printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -I{} sh -c \
    'clang-tidy -p "$1" --quiet "$2" >"$3/$(echo "$2" | tr / _).log" 2>&1 || true' \
    sh "$build" {} "$out"

# "path:line:col: warning: text [check]", each once (a header's are repeated per file).
grep -h -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error): ' "$out"/*.log | sed "s|^$PWD/||" | sort -u \
    >"$out/all.txt" || true
allowed="tools/tidy-complexity.txt"
faults=0
while IFS= read -r line; do
    if [[ "$line" =~ ^([^:]+):[0-9]+:[0-9]+:\ warning:\ function\ \'([^\']+)\'\ has\ cognitive\ complexity\ of\ ([0-9]+) ]]; then
        file="${BASH_REMATCH[1]}" fn="${BASH_REMATCH[2]}" n="${BASH_REMATCH[3]}"
        # Lines "<complexity> <file> <function>"; the function's name may hold blanks.
        limit=$(awk -v f="$file" -v g="$fn" \
            '!/^#/ && $2 == f { n = $1; sub(/^[^ ]+ +[^ ]+ +/, ""); if ($0 == g) print n }' "$allowed")
        if [ -n "$limit" ] && [ "$n" -le "$limit" ]; then
            continue
        fi
        [ -n "$limit" ] && line="$line; it was $limit when listed in $allowed: simplify it"
    fi
    echo "$line"
    faults=$((faults + 1))
done <"$out/all.txt"

if [ "$faults" -gt 0 ]; then
    echo "tools/tidy.sh: $faults warnings (whole output in $out/)" >&2
    exit 1
fi
echo "tools/tidy.sh: no warnings in ${#files[@]} files"
