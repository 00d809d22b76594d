#!/usr/bin/env bash
# Fails when a QtTest verification macro stands in a GoogleTest test: there it
# returns from the test body without telling GoogleTest, so a failed check
# passes and the rest of the test never runs. Wait with
# ASSERT_TRUE(QTest::qWaitFor(...)) instead.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
macros='\b(QVERIFY|QVERIFY2|QCOMPARE|QTRY_[A-Z_]+|QFAIL|QSKIP|QEXPECT_FAIL|QVERIFY_THROWS_EXCEPTION)[[:space:]]*\('
for file in $(grep -rlE '#[[:space:]]*include[[:space:]]*<gtest/|#[[:space:]]*include[[:space:]]*<gmock/|\bTEST(_F|_P)?\(' \
    --include='*.h' --include='*.cpp' tests bench 2>/dev/null | sort); do
  if grep -nE "$macros" "$file" >&2; then
    echo "$file uses a QtTest verification macro inside GoogleTest; use ASSERT_TRUE(QTest::qWaitFor(...)) or EXPECT_*" >&2
    status=1
  fi
done

[ "$status" -eq 0 ] && echo "test macros: ok"
exit "$status"
