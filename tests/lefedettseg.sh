#!/usr/bin/env bash
# Line and branch coverage of src/ under the whole test suite (gcov, gcovr),
# in the coverage preset's build (build-cov).
#   bash tests/lefedettseg.sh
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --preset coverage >/dev/null
cmake --build --preset coverage >/dev/null
# Counts of an earlier run would add to this one's.
find build-cov -name '*.gcda' -delete
ctest --preset coverage >/dev/null
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches build-cov
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches --branches build-cov
