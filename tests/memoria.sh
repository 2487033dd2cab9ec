#!/usr/bin/env bash
# Runs the program on large inputs under a lowered address-space limit: it
# must report the lack of memory with its text and status 1, and leave an
# existing result file as it was. Without the limit the same inputs run to
# the end.
set -u
. "$(dirname "$0")/szamlalo.sh"
program=$1
munka=$(mktemp -d)
trap 'rm -rf "$munka"' EXIT
cd "$munka"

eset() {  # NAME: in.txt holds the input
    local nev=$1 hibak=()
    printf 'regi' >out.txt
    (ulimit -v 150000 && "$program" in.txt out.txt </dev/null >kimenet)
    local statusz=$?
    [ "$statusz" = 1 ] || hibak+=("exit status $statusz, expected 1")
    [ "$(cat kimenet)" = 'Hiba: nincs eleg memoria!' ] ||
        hibak+=("standard output: $(head -c 200 kimenet)")
    [ "$(cat out.txt)" = regi ] || hibak+=("the result file was changed")
    "$program" in.txt out.txt </dev/null >/dev/null
    statusz=$?
    [ "$statusz" = 0 ] && [ "$(tail -n 1 out.txt)" = vesztesegmentes ] ||
        hibak+=("without the limit the run did not complete (status $statusz)")
    rogzit "$nev" ${hibak[@]+"${hibak[@]}"}
}

# A million two-attribute schemas: more list nodes than 150 MB can hold.
perl -e 'print "AB\n" x 1000000, "\nA->B\n"' >in.txt
eset sok_lista
# 200,000 schemas over 255 attributes: the lists fit, the tableau does not.
perl -e 'print join("", map { $_ == 10 ? () : chr } 1 .. 255), "\n", "A\n" x 200000, "\n"' >in.txt
eset nagy_tablazat

osszegez
