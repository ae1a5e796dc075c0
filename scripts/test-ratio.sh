#!/usr/bin/env bash
# Prints the size of the tests against the size of the program: lines of
# C++ that are neither blank nor only a comment, tests/ against every other
# folder except bench/ and fuzz/ (benchmarks and fuzzers count on neither
# side). With --check, fails when the tests pass a third of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -0 -r cat | grep -c -v -E '^\s*$|^\s*//' || true; }
code=$(find . \( -path ./tests -o -path ./bench -o -path ./fuzz -o -path './build*' -o -path ./.git \) -prune \
    -o \( -name '*.cpp' -o -name '*.h' \) -print0 | count)
tests=$(find tests \( -name '*.cpp' -o -name '*.h' \) -print0 | count)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
echo "tests $tests, program $code: $ratio"
if [ "${1:-}" = "--check" ] && awk -v t="$tests" -v c="$code" 'BEGIN { exit !(3 * t > c) }'; then
    echo "the tests are more than a third of the program" >&2
    exit 1
fi
