#!/usr/bin/env bash
# Line and branch coverage of src/ under the whole test suite (gcov, gcovr).
#   bash tests/lefedettseg.sh [BUILD_DIR]      (default build-cov)
set -euo pipefail
cd "$(dirname "$0")/.."
mappa=${1:-build-cov}
cmake -S . -B "$mappa" -DVESZTES_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$mappa" -j "$(nproc)" >/dev/null
find "$mappa" -name '*.gcda' -delete
# valgrind's runs add no coverage and take the longest.
ctest --test-dir "$mappa" -j "$(nproc)" -E valgrind --output-on-failure >/dev/null
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches "$mappa"
gcovr -r . --filter 'src/' --exclude-unreachable-branches --exclude-throw-branches --branches "$mappa"
