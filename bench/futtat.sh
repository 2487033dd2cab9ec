#!/usr/bin/env bash
# Builds and runs the benchmarks: in-process whole runs, the floor of copying
# the input, the reference chase on the smallest size; then the program
# itself on each generated file, with its wall time and peak memory.
#   bash bench/futtat.sh [BUILD_DIR]      (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
mappa=${1:-build-bench}
cmake -S . -B "$mappa" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$mappa" -j "$(nproc)" --target vesztes general chase_bench >/dev/null
"$mappa/bench/chase_bench" --benchmark_min_time=0.5

munka=$(mktemp -d)
trap 'rm -rf "$munka"' EXIT
echo
echo "whole program (best of 3): schemas x dependencies x attributes, seconds, peak KB"
for meret in "200 200 60" "2000 2000 255" "8000 2000 255" "5000 5000 255"; do
    set -- $meret
    "$mappa/bench/general" "$1" "$2" "$3" "$munka/be.txt"
    legjobb=""
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %M" -o "$munka/ido" "$mappa/vesztes" "$munka/be.txt" "$munka/ki.txt" \
            </dev/null >/dev/null
        read -r mp kb <"$munka/ido"
        if [ -z "$legjobb" ] || awk "BEGIN{exit !($mp < ${legjobb%% *})}"; then legjobb="$mp $kb"; fi
    done
    echo "$1 x $2 x $3: ${legjobb% *} s, ${legjobb#* } KB, $(tail -n 1 "$munka/ki.txt")"
done
