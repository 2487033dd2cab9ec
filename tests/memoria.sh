#!/usr/bin/env bash
# Runs the program on a large input under a lowered address-space limit: it
# must report the lack of memory with its text and status 1, and leave an
# existing result file as it was.
set -u
program=$1
munka=$(mktemp -d)
trap 'rm -rf "$munka"' EXIT
cd "$munka"
# A million two-attribute schemas: far more list nodes than 150 MB can hold.
perl -e 'print "AB\n" x 1000000, "\nA->B\n"' >in.txt
printf 'regi' >out.txt
(ulimit -v 150000 && "$program" in.txt out.txt </dev/null >kimenet)
statusz=$?
hibak=0
if [ "$statusz" != 1 ]; then echo "exit status $statusz, expected 1"; hibak=1; fi
if [ "$(cat kimenet)" != 'Hiba: nincs eleg memoria!' ]; then
    echo "standard output: $(head -c 200 kimenet)"
    hibak=1
fi
if [ "$(cat out.txt)" != 'regi' ]; then echo "the result file was changed"; hibak=1; fi
# The same input with enough memory runs to the end.
"$program" in.txt out.txt </dev/null >/dev/null
if [ $? != 0 ] || [ "$(tail -c 15 out.txt)" != vesztesegmentes ]; then
    echo "without the limit the run did not complete"
    hibak=1
fi
[ $hibak = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $hibak
