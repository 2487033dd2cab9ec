#ifndef VESZTES_BENCH_GENERATOR_H
#define VESZTES_BENCH_GENERATOR_H

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Deterministic large inputs: schemas that together cover all m attributes,
// then random schemas of 2 to 8 attributes up to n schemas in all, an empty
// line, and d random dependencies with 1 to 3 left and 1 to 2 right
// attributes. The same arguments always give the same text.
namespace generator {

// Bytes usable anywhere, first the readable ones. ',', '-', '>' separate
// dependency sides and a CR before a line feed would end the line, so those
// four only appear in the covering schemas, and only where they are read as
// attributes (m = 255 needs them).
inline std::vector<char> Abc() {
    std::vector<char> abc;
    auto Tilos = [](int c) { return c == '\n' || c == ',' || c == '-' || c == '>' || c == '\r'; };
    for (const char* tartomany : {"AZ", "az", "09"})
        for (int c = tartomany[0]; c <= tartomany[1]; ++c) abc.push_back(static_cast<char>(c));
    for (int c = 0; c < 256; ++c)
        if (!Tilos(c) && std::find(abc.begin(), abc.end(), static_cast<char>(c)) == abc.end())
            abc.push_back(static_cast<char>(c));
    return abc;  // 251 bytes
}

inline std::string General(int n, int d, int m, std::uint32_t mag = 1) {
    std::mt19937 gen(mag);
    auto Egesz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    const std::vector<char> abc = Abc();
    const int hasznalhato = std::min(m, static_cast<int>(abc.size()));
    std::string s;
    int semak = 0;

    // Covering schemas, eight attributes a line.
    for (int a = 0; a < hasznalhato; a += 8, ++semak) {
        for (int k = a; k < std::min(a + 8, hasznalhato); ++k) s += abc[static_cast<size_t>(k)];
        s += '\n';
    }
    if (m > hasznalhato) {
        // The four separator bytes, each where it is an attribute: a comma
        // only as the first character of a later line, a CR not before a line end.
        s += ",-\r>\n";
        ++semak;
    }
    for (; semak < n; ++semak) {
        for (int k = Egesz(2, 8); k > 0; --k) {
            s += abc[static_cast<size_t>(Egesz(0, hasznalhato - 1))];
            if (k > 1) s += ',';
        }
        s += '\n';
    }
    s += '\n';
    for (int k = 0; k < d; ++k) {
        for (int a = Egesz(1, 3); a > 0; --a)
            s += abc[static_cast<size_t>(Egesz(0, hasznalhato - 1))];
        s += "->";
        for (int a = Egesz(1, 2); a > 0; --a)
            s += abc[static_cast<size_t>(Egesz(0, hasznalhato - 1))];
        s += '\n';
    }
    return s;
}

}  // namespace generator

#endif
