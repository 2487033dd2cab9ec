#include <iostream>
#include <new>
#include <stdexcept>
#include <string>

#include "vesztes.h"

// vesztes INPUT RESULT: decides whether the decomposition in INPUT is
// lossless and writes INPUT followed by the verdict to RESULT.
int main(int argc, char* argv[]) {
    if (argc != 3) Leallas("Hiba a parameterek szamanal!\n");
    const std::string be = argv[1];
    const std::string ki = argv[2];
    try {
        Vesztes v(be);
        v.VesztesegetKeres();
        v.EredmenytKiir(be, ki);
        std::cout << "Algoritmus lefutott.Eredmeny a(z) " << argv[2] << " fajlban.";
        Varakozas(Varas::Enter);
    } catch (const std::bad_alloc&) {
        Leallas("Hiba: nincs eleg memoria!");
    } catch (const std::length_error&) {
        Leallas("Hiba: nincs eleg memoria!");
    }
    return 0;
}
