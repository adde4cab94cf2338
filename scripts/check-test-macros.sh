#!/usr/bin/env bash
# Fails when a test uses one of Qt's QTest checking macros. Our tests are
# GoogleTest tests, and those macros report a failure to QTest alone and end
# the function with a bare `return`: under GoogleTest the test then passes.
# Use EXPECT_/ASSERT_ and waitUntil (tests/ui/wait_until.h) instead.
set -euo pipefail
cd "$(dirname "$0")/.."

pattern='\bQ(TRY_[A-Z_0-9]+|COMPARE|VERIFY|VERIFY2|VERIFY_THROWS_EXCEPTION|FAIL|SKIP|EXPECT_FAIL|FETCH)\s*\('
if found=$(git ls-files -- 'tests/*.cpp' 'tests/*.h' | xargs grep -nE "$pattern"); then
    echo "Qt test macros in GoogleTest files (they cannot fail a test):" >&2
    echo "$found" >&2
    exit 1
fi
echo "Test macros: no Qt checking macro in the tests."
