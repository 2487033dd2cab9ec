// Writes a generated input file:
//   general SCHEMAS DEPENDENCIES ATTRIBUTES FILE     random input
//   general FAMILY SIZE FILE                         an input built to hurt a chase
//   general --csaladok                               each family's name and sizes
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "generator.h"

int main(int argc, char* argv[]) {
    std::string szoveg;
    const char* fajl = nullptr;
    if (argc == 2 && std::strcmp(argv[1], "--csaladok") == 0) {
        for (const auto& c : generator::Csaladok())
            std::printf("%s %d %d\n", c.nev, c.meret, 4 * c.meret);
        return 0;
    }
    if (argc == 5) {
        szoveg = generator::General(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]));
        fajl = argv[4];
    } else if (argc == 4) {
        for (const auto& c : generator::Csaladok())
            if (std::strcmp(c.nev, argv[1]) == 0)
                szoveg = generator::Rossz(c.csalad, std::atoi(argv[2]));
        fajl = argv[3];
    }
    if (fajl == nullptr || szoveg.empty()) {
        std::fprintf(stderr, "usage: %s SCHEMAS DEPENDENCIES ATTRIBUTES FILE\n", argv[0]);
        std::fprintf(stderr, "       %s FAMILY SIZE FILE   (families:", argv[0]);
        for (const auto& c : generator::Csaladok()) std::fprintf(stderr, " %s", c.nev);
        std::fprintf(stderr, ")\n       %s --csaladok\n", argv[0]);
        return 2;
    }
    std::ofstream f(fajl, std::ios::binary);
    f << szoveg;
    return f.good() ? 0 : 1;
}
