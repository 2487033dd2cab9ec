#!/usr/bin/env bash
# Runs the Windows build's tests again and again, each time on a Wine prefix
# that does not exist yet (as on a fresh machine), with the CPUs kept busy
# beside them, and counts the green runs. A race on Wine's first start shows
# up here as an occasional red run.
#   bash tests/wine_stressz.sh [RUNS [BUSY_LOOPS [BUILD_DIR]]]
# Defaults: 20 runs, 2 busy loops, build-win (the windows preset's build).
set -u
futasok=${1:-20}
terheles=${2:-2}
build=${3:-build-win}
cd "$(dirname "$0")/.."
. tests/szamlalo.sh
[ -f "$build/CTestTestfile.cmake" ] || { echo "no tests in $build: cmake --workflow --preset windows" >&2; exit 2; }

munka=$(mktemp -d)
hurkok=()
leallit() {
    [ ${#hurkok[@]} -eq 0 ] || kill "${hurkok[@]}" 2>/dev/null
    rm -rf "$munka"
}
trap leallit EXIT
for ((k = 0; k < terheles; k++)); do
    (while :; do :; done) &
    hurkok+=($!)
done

for ((i = 1; i <= futasok; i++)); do
    kezdet=$SECONDS
    WINEPREFIX="$munka/prefix$i" ctest --test-dir "$build" -j2 --output-on-failure >"$munka/log$i" 2>&1
    statusz=$?
    echo "run $i: status $statusz, $((SECONDS - kezdet)) s"
    if [ $statusz -eq 0 ]; then
        rogzit "run$i"
    else
        rogzit "run$i" "$(grep -E -A12 'FAIL|Failed|\*\*\*' "$munka/log$i" | head -60)"
    fi
    WINEPREFIX="$munka/prefix$i" wineserver -k 2>/dev/null
    rm -rf "$munka/prefix$i"
done
osszegez
