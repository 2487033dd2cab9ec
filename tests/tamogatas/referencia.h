#ifndef VESZTES_TESZT_REFERENCIA_H
#define VESZTES_TESZT_REFERENCIA_H

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// The chase written the plainest way, independent of the program's own
// containers and parser, as the reference its results are checked against:
// passes over every dependency and every pair of rows until a whole pass
// changes nothing; in each right-side column the larger code gives way to the
// smaller one wherever it occurs.
namespace referencia {

using Tablazat = std::vector<std::vector<int>>;

struct Bemenet {
    std::vector<std::string> semak;
    std::vector<std::pair<std::string, std::string>> fuggosegek;  // left, right
};

// The sorted distinct attributes of the schemas, compared as signed chars.
inline std::string Univerzum(const Bemenet& b) {
    std::string u;
    for (const auto& s : b.semak)
        for (char c : s)
            if (u.find(c) == std::string::npos) u += c;
    std::sort(u.begin(), u.end(), [](char p, char q) {
        return static_cast<signed char>(p) < static_cast<signed char>(q);
    });
    return u;
}

// Final tableau; *menetek receives the number of passes.
inline Tablazat Chase(const Bemenet& b, int* menetek = nullptr) {
    const std::string u = Univerzum(b);
    const size_t n = b.semak.size();
    Tablazat t(n, std::vector<int>(u.size()));
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < u.size(); ++j)
            t[i][j] = b.semak[i].find(u[j]) != std::string::npos ? 0 : static_cast<int>(i) + 1;
    auto oszlop = [&](char c) { return u.find(c); };
    int szamlalo = 0;
    bool valtozott = true;
    while (valtozott) {
        ++szamlalo;
        const Tablazat elotte = t;
        for (const auto& [bal, jobb] : b.fuggosegek)
            for (size_t i = 0; i + 1 < n; ++i)
                for (size_t j = i + 1; j < n; ++j) {
                    bool egyezik = true;
                    for (char c : bal) egyezik = egyezik && t[i][oszlop(c)] == t[j][oszlop(c)];
                    if (!egyezik) continue;
                    for (char c : jobb) {
                        const size_t l = oszlop(c);
                        const int kisebb = std::min(t[i][l], t[j][l]);
                        const int nagyobb = std::max(t[i][l], t[j][l]);
                        for (auto& sor : t)
                            if (sor[l] == nagyobb) sor[l] = kisebb;
                    }
                }
        valtozott = t != elotte;
    }
    if (menetek) *menetek = szamlalo;
    return t;
}

inline bool Vesztesegmentes(const Tablazat& t) {
    return std::any_of(t.begin(), t.end(), [](const std::vector<int>& sor) {
        return std::all_of(sor.begin(), sor.end(), [](int k) { return k == 0; });
    });
}

// The input file's text: schemas with random-free separators as given, an
// empty line, one "left->right" line per dependency, the given line end.
inline std::string Szoveg(const Bemenet& b, const std::string& sorveg = "\n") {
    std::string s;
    for (const auto& sema : b.semak) {
        for (size_t k = 0; k < sema.size(); ++k) s += (k ? "," : "") + std::string(1, sema[k]);
        s += sorveg;
    }
    s += sorveg;
    for (const auto& [bal, jobb] : b.fuggosegek) s += bal + "->" + jobb + sorveg;
    return s;
}

}  // namespace referencia

#endif
