# The tally of the shell test scripts, sourced by them.
atment=0
elbukott=0
kihagyva=0

# rogzit NAME [PROBLEM...]: a case passes when it has no problems.
rogzit() {
    local nev=$1
    shift
    if [ $# -eq 0 ]; then
        atment=$((atment + 1))
    else
        elbukott=$((elbukott + 1))
        echo "FAIL $nev"
        printf '  %s\n' "$@"
    fi
}

# kihagy NAME REASON: a case that cannot run here says why.
kihagy() {
    kihagyva=$((kihagyva + 1))
    echo "SKIP $1: $2"
}

# The closing line, and the script's exit status.
osszegez() {
    echo "$atment passed, $elbukott failed, $kihagyva skipped"
    [ $elbukott -eq 0 ]
}
