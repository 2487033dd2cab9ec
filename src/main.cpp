#include <iostream>
#include <new>
#include <string>

#include "vesztes.h"

// vesztes INPUT RESULT: decides whether the decomposition in INPUT is
// lossless and writes INPUT followed by the verdict to RESULT.
// Leallas ends the process; only in-process test harnesses make it throw.
int main(int argc, char* argv[]) {  // NOLINT(bugprone-exception-escape)
    if (argc != 3) Leallas("Hiba a parameterek szamanal!\n");
    try {
        const std::string be = argv[1];
        const std::string ki = argv[2];
        Vesztes v(be);
        v.VesztesegetKeres();
        v.EredmenytKiir(be, ki);
        std::cout << KeszSzoveg(ki);
        Varakozas(Varas::Enter);
    } catch (const std::bad_alloc&) {
        Leallas("Hiba: nincs eleg memoria!");
    }
    return 0;
}
