#!/usr/bin/env bash
# Line and branch coverage of src/ under the whole test suite (gcov, gcovr),
# in the coverage preset's build (build-cov). The build and the tests are
# quiet; a step that fails shows its output. Fails when less than
# VESZTES_LEFEDETTSEG percent of the lines (95 unless set) are covered.
#   bash tests/lefedettseg.sh
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
naplo=$(mktemp)
trap 'rm -f "$naplo"' EXIT
csendben() {
    "$@" >"$naplo" 2>&1 || { local s=$?; echo "--- $* failed (status $s); its output:"; cat "$naplo"; exit "$s"; }
}
csendben cmake --preset coverage
csendben cmake --build --preset coverage
# Counts of an earlier run would add to this one's.
find build-cov -name '*.gcda' -delete
csendben ctest --preset coverage
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches \
    --fail-under-line "${VESZTES_LEFEDETTSEG:-95}" build-cov
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches --branches build-cov
