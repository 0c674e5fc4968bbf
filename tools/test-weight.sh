#!/usr/bin/env bash
# The tests' weight against the product: non-blank C++ lines that are not // comments, in
# tests/ against the rooms of the program (bench/ and tools/ count on neither side).
# Usage: tools/test-weight.sh [tree]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
count() {
    find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat | grep -v '^\s*$' |
        grep -cv '^\s*//'
}
tests=$(count tests)
product=$(count app board core media progress record screens widgets)
echo "tests $tests, product $product: $((1000 * tests / product / 10)).$((1000 * tests / product % 10)) %"
