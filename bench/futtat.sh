#!/usr/bin/env bash
# Builds and runs the benchmarks: in-process whole runs on random inputs and
# on every worst-case family at two sizes, the floor of copying the input,
# the reference chase on the smallest size; then the program itself on each
# generated file, with its wall time and peak memory. To compare builds side
# by side: bench/osszevet.py.
# Everything runs from the benchmark preset's Release build (build-bench).
#   bash bench/futtat.sh
set -euo pipefail
cd "$(dirname "$0")/.."
mappa=build-bench
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset benchmark >/dev/null
"$mappa/bench/chase_bench" --benchmark_min_time=0.5

munka=$(mktemp -d)
trap 'rm -rf "$munka"' EXIT
# meres LABEL PROGRAM: best of 3 wall times, its peak memory, the verdict.
meres() {
    local legjobb="" mp kb
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %M" -o "$munka/ido" timeout 300 "$2" "$munka/be.txt" "$munka/ki.txt" \
            </dev/null >/dev/null || true
        read -r mp kb <"$munka/ido" || true
        if [ -z "$legjobb" ] || awk "BEGIN{exit !($mp < ${legjobb%% *})}"; then legjobb="$mp $kb"; fi
    done
    printf '  %-5s %6s s %8s KB  %s\n' "$1" "${legjobb% *}" "${legjobb#* }" "$(tail -n 1 "$munka/ki.txt")"
}
bemenet() {
    echo "$*:"
    meres uj "$mappa/vesztes"
}
echo
echo "whole program (best of 3): seconds, peak KB, verdict"
for meret in "200 200 60" "5000 5000 255" "20000 20000 255"; do
    set -- $meret
    "$mappa/bench/general" "$1" "$2" "$3" "$munka/be.txt"
    bemenet "$1 x $2 x $3"
done
"$mappa/bench/general" --csaladok | while read -r csalad kicsi nagy; do
    for n in "$kicsi" "$nagy"; do
        "$mappa/bench/general" "$csalad" "$n" "$munka/be.txt"
        bemenet "$csalad $n"
    done
done
