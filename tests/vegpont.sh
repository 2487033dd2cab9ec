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
#   RESULT is the expected content of out.txt as a printf %b format, '-'
#   when out.txt must not exist, or '*' when it is not compared. With NYERS=1
#   it is compared byte for byte, without the platform's line ends: for files
#   the program must not write. ARG... default to "in.txt out.txt".
#   Optional, in the environment of the call:
#     FELTETEL a test that must hold here, else the case is skipped with the
#             reason INDOK (root, a tool, a file system feature);
#     ELOTTE  a shell snippet run in the case's folder first (to plant files,
#             links, folders, pipes);
#     KORLAT  a snippet run in the program's own shell just before it starts
#             (ulimit, trap, umask, descriptors);
#     CSOBOL  1: standard input is a pipe carrying in.txt, not /dev/null;
#     KIMENET cso: standard output is a pipe; hozzafuz: it is appended to a
#             file that holds the line "regi sor" already;
#     CSO3    1: descriptor 3 is a pipe into out.txt (what >(...) passes);
#     KOZBEN  a snippet run while the program is stopped with its temporary
#             file there ($pid, $ideiglenes); it must succeed. The run is
#             tried again, 5 times at most, until the file is caught;
#     KI      the result file that RESULT is compared with, else out.txt;
#     UTANA   a snippet run in the folder afterwards that must succeed;
#     MASKENT 1: as root, the program runs as the user nobody.
#   Every case also checks that no temporary result file is left behind.
eset() {
    local nev=$1 be=$2 statusz=$3 kimenet=$4 eredmeny=$5
    shift 5
    if [ $lista = 1 ]; then echo "$nev"; return; fi
    [ -z "$csak" ] || [ "$csak" = "$nev" ] || return 0
    if [ -n "${FELTETEL:-}" ] && ! (eval "$FELTETEL") >/dev/null 2>&1; then
        kihagy "$nev" "${INDOK:-$FELTETEL}"
        return 0
    fi
    local args=("$@")
    [ $# -gt 0 ] || args=(in.txt out.txt)
    [ "${args[0]}" = "--" ] && args=()
    local dir="$munka/$nev" kapott_statusz inditas=("${program[@]}") proba
    for proba in 1 2 3 4 5; do
        rm -rf "$dir"
        mkdir -p "$dir"
        [ "$be" = "-" ] || printf '%b' "$be" >"$dir/in.txt"
        (cd "$dir" && eval "${ELOTTE:-:}")
        if [ "${MASKENT:-0}" = 1 ] && [ "$(id -u)" = 0 ]; then
            # nobody may not reach the build, which may lie in a folder of
            # mode 0700: it runs a copy of the program.
            masnak_nyitva
            chmod a+rwx "$dir"
            [ -x "$munka/.program/vesztes" ] || install -D -m 755 "${program[-1]}" "$munka/.program/vesztes"
            inditas=(setpriv --reuid=nobody --regid=nogroup --clear-groups -- "${program[@]:0:${#program[@]}-1}" "$munka/.program/vesztes")
        fi
        (cd "$dir" && eval "${KORLAT:-:}" && futtat "${args[@]}") >"$dir/.kimenet" 2>"$dir/.hibakimenet"
        kapott_statusz=$?
        [ -z "${KOZBEN:-}" ] || [ -e "$dir/.elkapva" ] || continue
        break
    done
    local hibak=()
    [ -z "${KOZBEN:-}" ] || [ -e "$dir/.elkapva" ] || hibak+=("the temporary file was never caught in $proba runs")
    [ ! -s "$dir/.kozben" ] || hibak+=("while the program was stopped: $(cat "$dir/.kozben")")
    [ "$kapott_statusz" = "$statusz" ] || hibak+=("exit status $kapott_statusz, expected $statusz")
    vart "$kimenet" >"$dir/.vart_kimenet"
    cmp -s "$dir/.kimenet" "$dir/.vart_kimenet" ||
        hibak+=("standard output $(od -c "$dir/.kimenet" | head -5), expected $(od -c "$dir/.vart_kimenet" | head -5)")
    local ki=${KI:-out.txt}
    if [ "$eredmeny" = "-" ]; then
        [ ! -e "$dir/out.txt" ] || hibak+=("out.txt exists")
    elif [ "$eredmeny" != "*" ]; then
        if [ "${NYERS:-0}" = 1 ]; then
            printf '%b' "$eredmeny" >"$dir/.vart_eredmeny"
        else
            vart "$eredmeny" >"$dir/.vart_eredmeny"
        fi
        cmp -s "$dir/$ki" "$dir/.vart_eredmeny" ||
            hibak+=("$ki $(od -c "$dir/$ki" 2>&1 | head -8), expected $(od -c "$dir/.vart_eredmeny" | head -8)")
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

# futtat ARG...: the program in the case's folder, as eset's options say;
# its status is the program's. A hang is a failure too: the timeout ends it.
futtat() {
    if [ -n "${KOZBEN:-}" ]; then
        # Started directly, so that $pid is the program itself.
        "${inditas[@]}" "$@" </dev/null &
        local pid=$! ideiglenes="" figyelo
        (sleep 60 && kill -KILL $pid) 2>/dev/null &
        figyelo=$!
        until ideiglenes=$(compgen -G '.*.tmp') || ! kill -0 $pid 2>/dev/null; do :; done
        if [ -n "$ideiglenes" ] && kill -STOP $pid 2>/dev/null; then
            if [ -e "$ideiglenes" ]; then
                touch .elkapva
                local mondta
                mondta=$( (eval "$KOZBEN") 2>&1) || echo "failed: $KOZBEN: $mondta" >.kozben
            fi
            kill -CONT $pid
        fi
        wait $pid
        local statusz=$?
        kill $figyelo 2>/dev/null
        return $statusz
    fi
    if [ "${CSO3:-0}" = 1 ]; then
        exec 3> >(exec cat >out.txt)
        local olvaso=$!
    fi
    if [ "${CSOBOL:-0}" = 1 ]; then
        cat in.txt | timeout 60 "${inditas[@]}" "$@"
    elif [ "${KIMENET:-}" = cso ]; then
        timeout 60 "${inditas[@]}" "$@" </dev/null | cat
    elif [ "${KIMENET:-}" = hozzafuz ]; then
        printf 'regi sor\n' >.hozzafuz
        timeout 60 "${inditas[@]}" "$@" </dev/null >>.hozzafuz
        local statusz=$?
        cat .hozzafuz
        return $statusz
    else
        timeout 60 "${inditas[@]}" "$@" </dev/null
    fi
    local statusz=$?
    if [ "${CSO3:-0}" = 1 ]; then
        exec 3>&-
        wait $olvaso
    fi
    return $statusz
}

# Lets other users into the case folders (the cases that run as nobody).
masnak_nyitva() { chmod 755 "$munka" "$dir"; }

# The result of a run on in.txt, with this verdict, is in this file.
eredmenye() { { cat in.txt; printf '\n\n%s' "$1"; } | cmp -s - "$2"; }

# A large input, for catching the program while it writes its result: the
# typical input whose last dependency ends in 20 million commas, which the
# parser drops.
nagy_bemenet() { perl -e 'print "A,B\nB,C\n\nB->C", "," x 20000000' >in.txt; }

# out.txt as a chain of N symbolic links (out.txt, l1, ...) to cel.txt.
linklanc() {
    printf regi >cel.txt
    local elozo=cel.txt k
    for ((k = 1; k < $1; ++k)); do ln -s "$elozo" "l$k" && elozo=l$k; done
    ln -s "$elozo" out.txt
}

kesz='Algoritmus lefutott.Eredmeny a(z) out.txt fajlban.'
megnyitas='Hiba a kimeneti fajl megnyitasanal!'
rootkent='[ "$(id -u)" = 0 ]'
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

# The result file is replaced whole or not at all. Under a file-size limit
# a coverage build would cut its own counts file short: it writes it aside.
kis_fajlok='export GCOV_PREFIX="$PWD/.gcov"; ulimit -f 4'
# Under Wine the limit is the program's alone: a wineserver that its start
# launched would run under it too and crash writing the prefix, so one is
# started first (WINESERVER, set by the Windows tests), staying 10 s.
if [ -n "${WINESERVER:-}" ]; then
    kis_fajlok='"$WINESERVER" -p10 >/dev/null 2>&1; '$kis_fajlok
fi
hosszu=$(perl -e 'print "AB\n" x 3000, "\nA->B\n"')
ELOTTE='printf regi >out.txt' KORLAT="trap '' XFSZ; $kis_fajlok" NYERS=1 \
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
    ELOTTE='printf regi >out.txt' KORLAT="$kis_fajlok" NYERS=1 \
        eset fajlmeret_jelzes "$hosszu" $((128 + $(kill -l XFSZ))) '' 'regi'

    # While it is written, the result is the runner's alone, whatever the
    # umask and the old result's permission bits say.
    INDOK='needs perl' FELTETEL='command -v perl' \
        ELOTTE='nagy_bemenet; printf regi >out.txt; chmod 600 in.txt out.txt; masnak_nyitva' KORLAT='umask 022' \
        KOZBEN='[ "$(stat -c %a "$ideiglenes")" = 600 ] && { [ "$(id -u)" != 0 ] || ! setpriv --reuid=nobody --regid=nogroup --clear-groups -- head -c 1 "$ideiglenes"; }' \
        UTANA='[ "$(stat -c %a out.txt)" = 600 ] && eredmenye vesztesegmentes out.txt' \
        eset titkos_ideiglenes - 0 "$kesz" '*'
    # The signals that end a process remove the temporary file first.
    for jel in TERM ALRM USR1 USR2 PIPE; do
        ELOTTE='nagy_bemenet; printf regi >out.txt' KOZBEN="kill -$jel \$pid" NYERS=1 \
            eset "jel_$jel" - $((128 + $(kill -l $jel))) '' 'regi'
    done

    # Links: the kernel follows 40; a link that another user planted in a
    # sticky folder everybody may write is not followed (the kernel's rule,
    # even where fs.protected_symlinks is off).
    ELOTTE='linklanc 40' UTANA='[ -L out.txt ] && [ -L l39 ]' \
        eset negyven_link "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    ELOTTE='ln -s uj.txt out.txt' UTANA='[ -L out.txt ] && [ -f uj.txt ]' \
        eset fuggo_link "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    ELOTTE='linklanc 41' UTANA='[ "$(cat cel.txt)" = regi ]' eset negyvenegy_link "$tipikus" 1 "$megnyitas" '*'
    INDOK='needs root' FELTETEL="$rootkent" UTANA='[ "$(cat cel.txt)" = regi ]' \
        ELOTTE='masnak_nyitva; mkdir -m 1777 ragados; printf regi >cel.txt
                setpriv --reuid=nobody --regid=nogroup --clear-groups -- ln -s ../cel.txt ragados/link' \
        eset ragados_mappa_idegen_linkje "$tipikus" 1 "$megnyitas" - in.txt ragados/link

    # The replaced file keeps its owner, group and extended attributes; a
    # file whose owner a replace could not keep, or that may only grow, is
    # refused before anything is written.
    INDOK='needs root' FELTETEL="$rootkent" UTANA='[ "$(stat -c %U:%G:%a out.txt)" = nobody:nogroup:664 ]' \
        ELOTTE='printf regi >out.txt; chown nobody:nogroup out.txt; chmod 664 out.txt' \
        eset tulajdonos_marad "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    INDOK='needs root' FELTETEL="$rootkent" ELOTTE='printf regi >out.txt; chmod 666 out.txt' MASKENT=1 NYERS=1 \
        eset mas_fajlja "$tipikus" 1 "$megnyitas" 'regi'
    INDOK='needs root' FELTETEL="$rootkent" ELOTTE='printf regi >out.txt; chmod 666 out.txt; chmod +t .' \
        MASKENT=1 NYERS=1 eset mas_fajlja_ragados_mappaban "$tipikus" 1 "$megnyitas" 'regi'
    INDOK='needs setfattr and user extended attributes' \
        FELTETEL='cd "$munka" && touch .xattr && setfattr -n user.proba -v 1 .xattr' \
        ELOTTE='printf regi >out.txt; setfattr -n user.megjegyzes -v marad out.txt' \
        UTANA='[ "$(getfattr --only-values -n user.megjegyzes out.txt)" = marad ]' \
        eset kiterjesztett_attributumok "$tipikus" 0 "$kesz" "$tipikus\n\nvesztesegmentes"
    INDOK='needs root and chattr +a' FELTETEL="$rootkent"' && cd "$munka" && touch .a && chattr +a .a && chattr -a .a' \
        ELOTTE='printf regi >out.txt; chattr +a out.txt' UTANA='chattr -a out.txt' NYERS=1 \
        eset csak_hozzafuzheto "$tipikus" 1 "$megnyitas" 'regi'
    eset hosszu_nev "$tipikus" 1 "$megnyitas" - in.txt "$(printf 'n%.0s' {1..256})"

    # A name of an open descriptor is written through it, where it stands:
    # into a pipe, appended to a file, and the console text follows.
    stdout_kesz='Algoritmus lefutott.Eredmeny a(z) /dev/stdout fajlban.'
    KIMENET=cso eset stdout_csobe "$tipikus" 0 "$tipikus\n\nvesztesegmentes$stdout_kesz" - in.txt /dev/stdout
    KIMENET=hozzafuz eset stdout_hozzafuzve "$tipikus" 0 \
        "regi sor\n$tipikus\n\nvesztesegmentes$stdout_kesz" - in.txt /dev/stdout
    fd3_kesz='Algoritmus lefutott.Eredmeny a(z) /dev/fd/3 fajlban.'
    CSO3=1 eset fd3_csobe "$tipikus" 0 "$fd3_kesz" "$tipikus\n\nvesztesegmentes" in.txt /dev/fd/3
    ELOTTE='printf "regi\n" >out.txt' KORLAT='exec 3>>out.txt' \
        eset fd3_hozzafuzve "$tipikus" 0 "$fd3_kesz" "regi\n$tipikus\n\nvesztesegmentes" in.txt /dev/fd/3
    KORLAT='exec 3</dev/null' eset fd3_csak_olvashato "$tipikus" 1 "$megnyitas" - in.txt /dev/fd/3
else
    # Windows: device names are written in place.
    UTANA='[ ! -e NUL ]' eset nul_eszkoz "$tipikus" 0 'Algoritmus lefutott.Eredmeny a(z) NUL fajlban.' - in.txt NUL
fi

# Names outside the ANSI code page of Windows (there Wine passes the UTF-8
# arguments on as Unicode).
KORLAT='export LC_ALL=C.UTF-8' ELOTTE='mv in.txt "bemenet ő.txt"' KI='fontos ő.txt' UTANA='[ ! -e "fontos o.txt" ]' \
    eset unicode_nevek "$tipikus" 0 'Algoritmus lefutott.Eredmeny a(z) fontos ő.txt fajlban.' \
    "$tipikus\n\nvesztesegmentes" "bemenet ő.txt" "fontos ő.txt"

# Runs on one result file at once: each succeeds, and the file is one run's
# whole result, never a mix. egyideju NAME 2: the second run, on a small
# input, ends while the first writes a large one; egyideju NAME N: N runs on
# both inputs start together.
egyideju() {
    local nev=$1 futasok=$2
    if [ $lista = 1 ]; then echo "$nev"; return; fi
    [ -z "$csak" ] || [ "$csak" = "$nev" ] || return 0
    local dir="$munka/$nev" hibak=() pidek=() k p
    mkdir -p "$dir"
    # Many runs at once collide most often in their replaces when the large
    # input is small enough for them to finish together.
    local sorok=20000
    [ "$futasok" != 2 ] || sorok=400000
    perl -e 'print "AB\n" x $ARGV[0], "\nA->B\n"' "$sorok" >"$dir/nagy.txt"
    printf 'A,B\nB,C\n\nA->C\n' >"$dir/kicsi.txt"
    if [ "$futasok" = 2 ]; then
        (cd "$dir" && exec timeout 120 "${program[@]}" nagy.txt out.txt </dev/null >/dev/null 2>&1) &
        pidek=($!)
        # Until the first run begins to write: the result file, or a temporary file.
        (cd "$dir" && until [ -s out.txt ] || compgen -G '.*.tmp' >/dev/null || ! kill -0 "${pidek[0]}" 2>/dev/null; do :; done)
        (cd "$dir" && timeout 60 "${program[@]}" kicsi.txt out.txt </dev/null >/dev/null 2>&1) ||
            hibak+=("the run on kicsi.txt failed")
    else
        # Replaces meet in a window of microseconds: run directly, the
        # program gets 19 more rounds of it on the small input alone (under
        # valgrind or Wine none).
        local korok=1 kor
        [ ${#program[@]} != 1 ] || [ $crlf = 1 ] || korok=20
        for ((kor = 0; kor < korok; ++kor)); do
            for ((k = 0; k < futasok; ++k)); do
                (cd "$dir" && exec timeout 300 "${program[@]}" "$([ $((k % 2 + kor)) = 0 ] && echo nagy || echo kicsi).txt" \
                    out.txt </dev/null >"$dir/.kimenet$k" 2>&1) &
                pidek+=($!)
            done
            for p in "${pidek[@]}"; do wait "$p" || hibak+=("a run failed with status $?"); done
            pidek=()
        done
    fi
    for p in "${pidek[@]}"; do wait "$p" || hibak+=("a run failed with status $?")
    done
    { cat "$dir/nagy.txt"; printf '\n\nvesztesegmentes'; } | vart "$(cat)" >"$dir/.nagy"
    { cat "$dir/kicsi.txt"; printf '\n\nnem vesztesegmentes'; } | vart "$(cat)" >"$dir/.kicsi"
    cmp -s "$dir/out.txt" "$dir/.nagy" || cmp -s "$dir/out.txt" "$dir/.kicsi" ||
        hibak+=("out.txt is neither run's result: $(od -c "$dir/out.txt" | head -4) ... $(tail -c 40 "$dir/out.txt" | od -c | head -3)")
    [ ${#hibak[@]} -eq 0 ] || hibak+=("what the runs printed: $(cat "$dir"/.kimenet* 2>/dev/null | head -c 1000)")
    rogzit "$nev" ${hibak[@]+"${hibak[@]}"}
}
egyideju egyideju_futasok 2
egyideju nyolc_egyideju_futas 8

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
if [ -n "$csak" ] && [ $((atment + elbukott + kihagyva)) = 0 ]; then
    echo "FAIL no case named $csak"
    exit 1
fi
osszegez
