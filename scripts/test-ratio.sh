#!/usr/bin/env bash
# Prints how many non-blank lines of C++ (.cpp and .h files under version control) the tests
# have (tests/ and fuzz/) against all the others, and their ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs cat | grep -cv '^[[:space:]]*$'
}
tests=$(count tests fuzz)
others=$(count . ':!tests' ':!fuzz')
echo "test lines:  $tests"
echo "other lines: $others"
awk -v t="$tests" -v o="$others" 'BEGIN { printf "ratio:       %.2f\n", t / o }'
