# The tally of the shell test scripts, sourced by them.
atment=0
elbukott=0

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

# The closing line, and the script's exit status.
osszegez() {
    echo "$atment passed, $elbukott failed"
    [ $elbukott -eq 0 ]
}
