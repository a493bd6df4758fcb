#!/bin/sh
# Non-blank lines of the tests against non-blank lines of the code, and the ratio.
cd "$(dirname "$0")/.." || exit 1
count() { find "$@" -type f -exec cat {} + | grep -cv '^[[:space:]]*$'; }
tests=$(count tests \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \))
code=$(count mtext editor ui commands platform app \( -name '*.cpp' -o -name '*.h' \))
echo "test lines: $tests"
echo "code lines: $code"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio: %.2f %%\n", 100 * t / c }'
