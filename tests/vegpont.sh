#!/usr/bin/env bash
# Runs the program end to end on real files and compares the exact bytes of
# standard output, the exit status and the result file.
#
#   vegpont.sh [--crlf] [--eset NAME] PROGRAM [ARG...]
#   vegpont.sh --lista
#
# PROGRAM ARG... is the command that starts the program (for instance
# "wine vesztes.exe"). With --crlf the expected standard output and result
# file have CR LF line ends, as the program writes them on Windows. With
# --eset only the case NAME runs (CTest runs each case so); --lista prints
# the names of the cases, one a line.
set -u
crlf=0
csak=""
lista=0
while [ $# -gt 0 ]; do
    case $1 in
    --crlf) crlf=1 ;;
    --eset) csak=$2; shift ;;
    --lista) lista=1 ;;
    *) break ;;
    esac
    shift
done
[ $lista = 1 ] || [ $# -ge 1 ] || { echo "usage: $0 [--crlf] [--eset NAME] PROGRAM [ARG...] | --lista" >&2; exit 2; }
program=("$@")
# The cases run in folders of their own: a relative program path must still work.
[ $lista = 1 ] || { [ -e "${program[0]}" ] && program[0]=$(cd "$(dirname "${program[0]}")" && pwd)/$(basename "${program[0]}"); }

munka=$(mktemp -d)
trap 'rm -rf "$munka"' EXIT
. "$(dirname "$0")/szamlalo.sh"

# Expected bytes from a printf %b format, with the platform's line ends.
vart() {
    if [ $crlf = 1 ]; then printf '%b' "$1" | perl -pe 's/\n/\r\n/'; else printf '%b' "$1"; fi
}

# eset NAME INPUT STATUS STDOUT RESULT [ARG...]
#   INPUT and STDOUT are printf %b formats; INPUT '-' writes no in.txt.
#   RESULT is the expected content of out.txt as a printf %b format, or '-'
#   when out.txt must not exist. With NYERS=1 it is compared byte for byte,
#   without the platform's line ends: for files the program must not write.
#   ARG... default to "in.txt out.txt". Optional, in the environment of the
#   call:
#     ELOTTE  a shell snippet run in the case's folder first (to plant files,
#             links, folders, pipes);
#     KORLAT  a snippet run in the program's own shell just before it starts
#             (ulimit, trap);
#     CSOBOL  1: standard input is a pipe carrying in.txt, not /dev/null;
#     UTANA   a snippet run in the folder afterwards that must succeed;
#     MASKENT 1: as root, the program runs as the user nobody.
#   Every case also checks that no temporary result file is left behind.
eset() {
    local nev=$1 be=$2 statusz=$3 kimenet=$4 eredmeny=$5
    shift 5
    if [ $lista = 1 ]; then echo "$nev"; return; fi
    [ -z "$csak" ] || [ "$csak" = "$nev" ] || return 0
    local args=("$@")
    [ $# -gt 0 ] || args=(in.txt out.txt)
    [ "${args[0]}" = "--" ] && args=()
    local dir="$munka/$nev"
    mkdir -p "$dir"
    [ "$be" = "-" ] || printf '%b' "$be" >"$dir/in.txt"
    (cd "$dir" && eval "${ELOTTE:-:}")
    local kapott_statusz elotag=()
    if [ "${MASKENT:-0}" = 1 ] && [ "$(id -u)" = 0 ]; then
        chmod 755 "$munka"
        chmod 777 "$dir"
        elotag=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    fi
    # A hang is a failure too: the timeout ends it.
    (
        cd "$dir" && eval "${KORLAT:-:}" &&
            if [ "${CSOBOL:-0}" = 1 ]; then
                cat in.txt | timeout 60 ${elotag[@]+"${elotag[@]}"} "${program[@]}" "${args[@]}"
            else
                timeout 60 ${elotag[@]+"${elotag[@]}"} "${program[@]}" "${args[@]}" </dev/null
            fi >"$dir/.kimenet" 2>"$dir/.hibakimenet"
    )
    kapott_statusz=$?
    local hibak=()
    [ "$kapott_statusz" = "$statusz" ] || hibak+=("exit status $kapott_statusz, expected $statusz")
    vart "$kimenet" >"$dir/.vart_kimenet"
    cmp -s "$dir/.kimenet" "$dir/.vart_kimenet" ||
        hibak+=("standard output $(od -c "$dir/.kimenet" | head -5), expected $(od -c "$dir/.vart_kimenet" | head -5)")
    if [ "$eredmeny" = "-" ]; then
        [ ! -e "$dir/out.txt" ] || hibak+=("out.txt exists")
    else
        if [ "${NYERS:-0}" = 1 ]; then
            printf '%b' "$eredmeny" >"$dir/.vart_eredmeny"
        else
            vart "$eredmeny" >"$dir/.vart_eredmeny"
        fi
        cmp -s "$dir/out.txt" "$dir/.vart_eredmeny" ||
            hibak+=("out.txt $(od -c "$dir/out.txt" 2>&1 | head -8), expected $(od -c "$dir/.vart_eredmeny" | head -8)")
    fi
    local maradt
    maradt=$(cd "$dir" && ls -A | grep -E '\.tmp$')
    [ -z "$maradt" ] || hibak+=("temporary files left: $maradt")
    if [ -n "${UTANA:-}" ]; then
        (cd "$dir" && eval "$UTANA") || hibak+=("check afterwards failed: $UTANA")
    fi
    # What the program, or the emulator that starts it, wrote to standard
    # error often explains a failure.
    [ ${#hibak[@]} -eq 0 ] || hibak+=("standard error: $(head -c 2000 "$dir/.hibakimenet")")
    rogzit "$nev" ${hibak[@]+"${hibak[@]}"}
}

kesz='Algoritmus lefutott.Eredmeny a(z) out.txt fajlban.'
param='Hiba a parameterek szamanal!\n'

# Command line: any count but two is refused before a file is touched.
eset nincs_argumentum 'A\n\n' 1 "$param" - --
eset egy_argumentum 'A\n\n' 1 "$param" - in.txt
eset harom_argumentum 'A\n\n' 1 "$param" - in.txt out.txt harmadik

# Input that cannot be read or is not of the supported form.
eset hianyzo_input - 1 'Hiba a fajl megnyitasanal!' -
ELOTTE='mkdir konyvtar' eset konyvtar_input - 1 'Hiba a fajl megnyitasanal!' - konyvtar out.txt
eset ures_input '' 1 'Hiba: az inputfajl ures!' -
eset nincs_ures_sor 'A,B\nB,C\n' 1 'Hiba: a felbontas utan hianyzik az ures sor!' -
eset nincs_ures_sor_sorveg_nelkul 'A,B' 1 'Hiba: a felbontas utan hianyzik az ures sor!' -
eset ismeretlen_attributum 'A,B\n\nA->C\n' 1 'Hiba: ismeretlen attributum a fuggosegekben!' -
# A failed run leaves an existing result file as it was.
ELOTTE='printf regi >out.txt' NYERS=1 eset hiba_utan_regi_eredmeny '' 1 'Hiba: az inputfajl ures!' 'regi'

# A complete run: the input text, two line ends, the verdict, no line end after it.
tipikus='A,B\nB,C\n\nB->C\n'
eset tipikus "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
eset veszteseges 'A,B\nB,C\n\nA->C\n' 0 "$kesz" 'A,B\nB,C\n\nA->C\n\n\nnem vesztesegmentes'
eset utolso_sorveg_nelkul 'A,B\nB,C\n\nB->C' 0 "$kesz" 'A,B\nB,C\n\nB->C\n\nvesztesegmentes'
eset crlf_input 'A,B\r\nB,C\r\n\r\nB->C\r\n' 0 "$kesz" "$tipikus\n\nvesztesegmentes"
eset maganyos_cr 'A\rB\n\n' 0 "$kesz" 'A\rB\n\n\n\nvesztesegmentes'
eset nincs_oszlop '\n\n' 0 "$kesz" '\n\n\n\nvesztesegmentes'
ELOTTE='printf "regi tartalom, hosszabb mint az uj" >out.txt' \
    eset letezo_eredmeny_felulirva "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
# The result file is named on the console exactly as it was given.
ELOTTE='mkdir ki' eset eredmeny_alkonyvtarban "$tipikus" 0 \
    'Algoritmus lefutott.Eredmeny a(z) ./ki//eredmeny fajlban.' - in.txt ./ki//eredmeny
ELOTTE='mkdir "ket szo"' eset eredmeny_szokozzel "$tipikus" 0 \
    'Algoritmus lefutott.Eredmeny a(z) ket szo/e.txt fajlban.' - in.txt "ket szo/e.txt"

# The result file cannot be written: the input is never lost.
eset kimeneti_konyvtar_hianyzik "$tipikus" 1 'Hiba a kimeneti fajl megnyitasanal!' - in.txt nincs/out.txt
ELOTTE='mkdir kimenet' eset kimenet_konyvtar "$tipikus" 1 'Hiba a kimeneti fajl megnyitasanal!' - in.txt kimenet
azonos='Hiba: az inputfajl es a kimeneti fajl ugyanaz!'
# in.txt must come out of each of these unchanged; out.txt stands for it.
ELOTTE='ln -s in.txt out.txt' NYERS=1 eset azonos_szimbolikus_link "$tipikus" 1 "$azonos" "$tipikus"
ELOTTE='ln in.txt out.txt' NYERS=1 eset azonos_kemeny_link "$tipikus" 1 "$azonos" "$tipikus"
ELOTTE='ln -s in.txt out.txt' NYERS=1 eset azonos_nev "$tipikus" 1 "$azonos" "$tipikus" out.txt out.txt
ELOTTE='ln -s in.txt out.txt' NYERS=1 eset azonos_masik_ut "$tipikus" 1 "$azonos" "$tipikus" out.txt ./out.txt
if [ -w /dev/full ]; then
    eset tele_lemez "$tipikus" 1 'Hiba a kimeneti fajl irasanal!' - in.txt /dev/full
fi

# The input is read once: the result copies the very text that was judged,
# from a pipe too, and a named pipe with one writer is read to its end once.
# Windows has no /dev/stdin.
[ $crlf = 1 ] ||
    CSOBOL=1 eset cso_bemenet "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes" /dev/stdin out.txt
ELOTTE='mkfifo cso && { timeout 60 sh -c "printf '\''%b'\'' \"\$0\" >cso" "$tipikus" & }' \
    eset nevesitett_cso - 0 "$kesz" "$tipikus\n\nvesztesegmentes" cso out.txt
# One leading UTF-8 byte-order mark is not an attribute, and it is copied.
# (Without the skip the verdict would be "nem vesztesegmentes".)
bom='\xEF\xBB\xBFA,B\nB,C\n\nB->A\n'
eset bajtsorrend_jel "$bom" 0 "$kesz" "$bom\n\nvesztesegmentes"
eset bajtsorrend_jel_crlf '\xEF\xBB\xBFA,B\r\nB,C\r\n\r\nB->A\r\n' 0 "$kesz" "$bom\n\nvesztesegmentes"

# The result file is replaced whole or not at all.
hosszu=$(perl -e 'print "AB\n" x 3000, "\nA->B\n"')
ELOTTE='printf regi >out.txt' KORLAT="trap '' XFSZ; ulimit -f 4" NYERS=1 \
    eset fajlmeret_korlat "$hosszu" 1 'Hiba a kimeneti fajl irasanal!' 'regi'
if [ $crlf = 0 ]; then
    # Links, permission bits and users as on Linux; Wine has none of them
    # for the program.
    ELOTTE='printf regi >out.txt; chmod 444 out.txt' MASKENT=1 NYERS=1 \
        eset csak_olvashato_eredmeny "$tipikus" 1 'Hiba a kimeneti fajl megnyitasanal!' 'regi'
    ELOTTE='printf regi >cel.txt; ln -s cel.txt out.txt' UTANA='[ "$(readlink out.txt)" = cel.txt ]' \
        eset szimbolikus_link_eredmeny "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    ELOTTE='printf regi >out.txt; chmod 640 out.txt' UTANA='[ "$(stat -c %a out.txt)" = 640 ]' \
        eset jogok_megmaradnak "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    UTANA='touch uj && [ "$(stat -c %a out.txt)" = "$(stat -c %a uj)" ]' \
        eset uj_eredmeny_jogai "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    eset olvasasi_hiba - 1 'Hiba az inputfajl olvasasanal!' - /proc/self/mem out.txt
    # The limit's signal ends the run (128 + SIGXFSZ): the temporary file goes
    # with it, and the old result stays.
    ELOTTE='printf regi >out.txt' KORLAT="ulimit -f 4" NYERS=1 \
        eset fajlmeret_jelzes "$hosszu" $((128 + $(kill -l XFSZ))) '' 'regi'
fi

# Two runs on one result file, the second ending while the first writes: the
# file is one run's whole result, never a mix.
egyideju() {
    local nev=egyideju_futasok
    if [ $lista = 1 ]; then echo "$nev"; return; fi
    [ -z "$csak" ] || [ "$csak" = "$nev" ] || return 0
    local dir="$munka/$nev" hibak=() elso
    mkdir -p "$dir"
    perl -e 'print "AB\n" x 400000, "\nA->B\n"' >"$dir/nagy.txt"
    printf 'A,B\nB,C\n\nA->C\n' >"$dir/kicsi.txt"
    (cd "$dir" && exec timeout 120 "${program[@]}" nagy.txt out.txt </dev/null >/dev/null 2>&1) &
    elso=$!
    # Until the first run begins to write: the result file, or a temporary file.
    (cd "$dir" && until [ -s out.txt ] || compgen -G '.*.tmp' >/dev/null || ! kill -0 $elso 2>/dev/null; do :; done)
    (cd "$dir" && timeout 60 "${program[@]}" kicsi.txt out.txt </dev/null >/dev/null 2>&1) ||
        hibak+=("the second run failed")
    wait $elso || hibak+=("the first run failed")
    { cat "$dir/nagy.txt"; printf '\n\nvesztesegmentes'; } | vart "$(cat)" >"$dir/.nagy"
    { cat "$dir/kicsi.txt"; printf '\n\nnem vesztesegmentes'; } | vart "$(cat)" >"$dir/.kicsi"
    cmp -s "$dir/out.txt" "$dir/.nagy" || cmp -s "$dir/out.txt" "$dir/.kicsi" ||
        hibak+=("out.txt is neither run's result: $(od -c "$dir/out.txt" | head -4) ... $(tail -c 40 "$dir/out.txt" | od -c | head -3)")
    rogzit "$nev" ${hibak[@]+"${hibak[@]}"}
}
egyideju

# The bundled examples and their verdicts.
peldak=$(cd "$(dirname "$0")/../examples" && pwd)
for pelda in ket_sema:vesztesegmentes dolgozo_projekt:vesztesegmentes \
    dolgozo_projekt_rossz:'nem vesztesegmentes' ot_sema:vesztesegmentes \
    crlf_sorvegek:vesztesegmentes; do
    nev=${pelda%%:*}
    szoveg=$(perl -pe 's/\r\n/\n/; s/\\/\\\\/g' "$peldak/$nev.txt"; echo x)
    szoveg=${szoveg%x}
    ELOTTE="cp '$peldak/$nev.txt' in.txt" eset "pelda_$nev" - 0 "$kesz" "$szoveg\n\n${pelda#*:}"
done

[ $lista = 1 ] && exit 0
if [ -n "$csak" ] && [ $((atment + elbukott)) = 0 ]; then
    echo "FAIL no case named $csak"
    exit 1
fi
osszegez
