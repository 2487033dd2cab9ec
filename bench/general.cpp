// Writes a generated input file:  general SCHEMAS DEPENDENCIES ATTRIBUTES FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "generator.h"

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s SCHEMAS DEPENDENCIES ATTRIBUTES FILE\n", argv[0]);
        return 2;
    }
    std::ofstream f(argv[4], std::ios::binary);
    f << generator::General(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]));
    return f.good() ? 0 : 1;
}
