#!/usr/bin/env bash
# Builds every preset and runs every test: native, native with sanitizers (and bounded fuzz
# runs), and the Windows build under Wine. The i686 builds are built too: the shipped program,
# and the tests (unit tests compiled only; the Wine tests run where 32-bit Wine installs).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1

jobs=$(nproc)
for preset in native native-asan win32 win64 win32-tests; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null || exit 1
  cmake --build --preset "$preset" -j "$jobs" >"build/$preset-build.log" 2>&1 || {
    tail -n 60 "build/$preset-build.log"
    echo "build of $preset failed"
    exit 1
  }
done

passed=0 failed=0
run_tests() {
  local preset=$1 log="build/$1-test.log" summary total bad
  echo "== test $preset"
  ctest --preset "$preset" --output-on-failure 2>&1 | tee "$log"
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    echo "ctest for $preset gave no summary"
    failed=$((failed + 1))
    return
  fi
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

for preset in native native-asan win64; do
  run_tests "$preset"
done
# 32-bit Wine comes last: installing it brings a 32-bit loader that every later "wine" goes
# through, so the 64-bit tests above do not depend on it.
if scripts/setup-wine32.sh >build/wine32-setup.log 2>&1; then
  run_tests win32-tests
else
  echo "== 32-bit Wine does not run here: the i686 build's Wine tests are not run (its unit tests were compiled); see build/wine32-setup.log"
fi
echo
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
