#!/usr/bin/env bash
# Fails on any entry of tests/mutants-equivalent.txt whose original line is no
# longer in its file. The mutation tool matches a listed line by its text,
# stripped of indentation, so an entry left behind by an edit silently stops
# covering anything, and the mutant it judged is tried again unread.
#
#   bash scripts/check-mutants-equivalent.sh [SOURCE_DIR]
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
list="$root/tests/mutants-equivalent.txt"
stale=$(awk -F'\t' -v root="$root" '
    function strip(s) { gsub(/^[ \t]+|[ \t\r]+$/, "", s); return s }
    /^#/ || /^[ \t]*$/ { next }
    {
        path = $1; want = strip($2)
        if (!(path in seen)) {
            seen[path] = 1
            file = root "/" path
            while ((getline line < file) > 0) have[path SUBSEP strip(line)] = 1
            close(file)
        }
        if (!((path SUBSEP want) in have)) printf "%d: %s\t%s\n", NR, path, want
    }' "$list")
if [ -n "$stale" ]; then
    echo "Entries of tests/mutants-equivalent.txt whose line is not in its file:"
    echo "$stale"
    exit 1
fi
