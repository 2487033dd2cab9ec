#!/usr/bin/env python3
"""Side-by-side whole runs of several builds of the program on every
benchmark family at its two sizes and on the random inputs.

    python3 bench/osszevet.py PROGRAM [PROGRAM ...]

Needs GNU time (/usr/bin/time). Builds the benchmark preset first (for the
input generator). For each input it prints, per program, the best wall time
of K runs (K=3, or the K environment variable; a program whose first run
takes over 5 s runs once) and the peak memory of that run; then the memory
limit the chase is held to, 2 x tableau + 40 bytes per input byte + 8 MB,
and whether every program wrote the same result file. Runs of the programs
are interleaved, so that a busy machine slows them alike.
"""
import os
import subprocess
import sys
import tempfile
import time

GYOKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
GENERAL = os.path.join(GYOKER, "build-bench", "bench", "general")


def futtat(program, be, ki):
    """Wall seconds and peak KB of one run, standard input and output closed.

    The peak comes from GNU time: a child forked from this interpreter would
    report the interpreter's own pages as its peak when it is smaller."""
    with tempfile.NamedTemporaryFile("r") as meres:
        kezdet = time.perf_counter()
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", meres.name, program, be, ki],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, check=False)
        eltelt = time.perf_counter() - kezdet
        return eltelt, int(meres.read().split()[-1])


def korlat_mb(be):
    szoveg = open(be, "rb").read()
    semak = szoveg.split(b"\n\n", 1)[0].split(b"\n")
    attributumok = set()
    for i, sema in enumerate(semak):
        # A comma is an attribute only as the first byte of a later line.
        attributumok.update(b for k, b in enumerate(sema) if b != 44 or (k == 0 and i > 0))
    tabla = len(semak) * len(attributumok) * 4
    return (2 * tabla + 40 * len(szoveg) + 8 * 2**20) / 2**20


def main():
    programok = sys.argv[1:]
    if not programok:
        print(__doc__.strip())
        return 2
    k = int(os.environ.get("K", "3"))
    subprocess.run(["cmake", "--workflow", "--preset", "benchmark"], cwd=GYOKER, check=True,
                   stdout=subprocess.DEVNULL)
    csaladok = subprocess.run([GENERAL, "--csaladok"], check=True, capture_output=True,
                              text=True).stdout.split("\n")
    bemenetek = [sor.split() for sor in csaladok if sor] + [["veletlen", "5000", "20000"]]
    for i, p in enumerate(programok):
        print("P%d = %s" % (i + 1, p))
    fejlec = "%-26s" % "input" + "".join("%12s %8s" % ("P%d" % (i + 1), "MB")
                                         for i in range(len(programok)))
    print(fejlec + "%9s %5s" % ("limit MB", "same"))
    with tempfile.TemporaryDirectory() as munka:
        be = os.path.join(munka, "be.txt")
        for nev, kicsi, nagy in bemenetek:
            for n in (kicsi, nagy):
                arg = [n, n, "255"] if nev == "veletlen" else [nev, n]
                subprocess.run([GENERAL] + arg + [be], check=True)
                legjobb = {}
                for kor in range(k):
                    for i, p in enumerate(programok):
                        if kor > 0 and legjobb[i][0] > 5:
                            continue
                        mert = futtat(p, be, os.path.join(munka, "ki%d.txt" % i))
                        if i not in legjobb or mert[0] < legjobb[i][0]:
                            legjobb[i] = mert
                eredmenyek = [open(os.path.join(munka, "ki%d.txt" % i), "rb").read()
                              for i in range(len(programok))]
                sor = "%-26s" % ("%s %s" % (nev, n))
                for i in range(len(programok)):
                    sor += "%9.0f ms %8.1f" % (legjobb[i][0] * 1000, legjobb[i][1] / 1024)
                same = all(e == eredmenyek[0] for e in eredmenyek)
                print(sor + "%9.1f %5s" % (korlat_mb(be), "yes" if same else "NO"), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
