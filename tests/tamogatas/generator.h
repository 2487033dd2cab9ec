#ifndef VESZTES_TAMOGATAS_GENERATOR_H
#define VESZTES_TAMOGATAS_GENERATOR_H

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "referencia.h"

// Deterministic input files for the benchmark and the differential tests:
// the same arguments always give the same text.
namespace generator {

// A uniform random integer of a .. b.
inline int Egesz(std::mt19937& gen, int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(gen);
}

// Bytes usable anywhere, first the readable ones. ',', '-', '>' separate
// dependency sides and a CR before a line feed would end the line, so those
// four only appear in the covering schemas of General, and only where they
// are read as attributes (m = 255 needs them).
inline std::vector<char> Abc() {
    std::vector<char> abc;
    auto Tilos = [](int c) { return c == '\n' || c == ',' || c == '-' || c == '>' || c == '\r'; };
    for (const char* tartomany : {"AZ", "az", "09"})
        for (int c = tartomany[0]; c <= tartomany[1]; ++c) abc.push_back(static_cast<char>(c));
    for (int c = 0; c < 256; ++c)
        if (!Tilos(c) && std::find(abc.begin(), abc.end(), static_cast<char>(c)) == abc.end())
            abc.push_back(static_cast<char>(c));
    return abc;
}

// Random inputs: schemas that together cover all m attributes, then random
// schemas of 2 to 8 attributes up to n schemas in all, an empty line, and d
// random dependencies with 1 to 3 left and 1 to 2 right attributes.
inline std::string General(int n, int d, int m, std::uint32_t mag = 1) {
    std::mt19937 gen(mag);
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
        for (int k = Egesz(gen, 2, 8); k > 0; --k) {
            s += abc[static_cast<size_t>(Egesz(gen, 0, hasznalhato - 1))];
            if (k > 1) s += ',';
        }
        s += '\n';
    }
    s += '\n';
    for (int k = 0; k < d; ++k) {
        for (int a = Egesz(gen, 1, 3); a > 0; --a)
            s += abc[static_cast<size_t>(Egesz(gen, 0, hasznalhato - 1))];
        s += "->";
        for (int a = Egesz(gen, 1, 2); a > 0; --a)
            s += abc[static_cast<size_t>(Egesz(gen, 0, hasznalhato - 1))];
        s += '\n';
    }
    return s;
}

// Inputs built to hurt a chase, each sized by its number of schemas n (the
// one-schema-per-attribute family by its number of dependencies). Each
// yields a valid input for every n >= 1: a first schema covers the
// attributes the dependencies draw from.
enum class Csalad {
    NagyOsztaly,          // a huge class keeps absorbing small classes of smaller codes
    ForditottLanc,        // a dependency chain listed last step first
    SzelesBal,            // left sides of 10 to 14 attributes over wide schemas
    UresBal,              // half the dependencies have an empty left side
    Ismetlodo,            // n copies of eight schemas
    Osszeomlas,           // every row ends in one class in every column
    AttributumonkentEgy,  // a one-attribute schema for every byte of Abc(), n dependencies
    SokTabla,             // thousands of left sides over columns where every row is pooled
    KozosOszlop,          // one pooled column on the left of 19,900 dependencies
    HosszuSor,            // every row agrees with one other on X and differs on 200 Y columns
    OszlopLanc,           // a 120-link column chain whose X -> X dependencies come first
    HatraLanc,            // the same chain listed last link first
    NullaHullam,          // groups in passes over 120 columns every row holds, visited each pass
    EgyezoSorok,          // groups in passes whose rows agree on 100 Y columns, visited each pass
    SokCsoport,           // n groups P D_a D_b D_c -> Y over 65 rows, sized by n
};

struct CsaladNev {
    Csalad csalad;
    const char* nev;
    int meret = 5000;  // the benchmark's smaller size; the larger is four times it
};
inline std::ostream& operator<<(std::ostream& os, const CsaladNev& c) { return os << c.nev; }

inline const std::vector<CsaladNev>& Csaladok() {
    static const std::vector<CsaladNev> c = {
        {Csalad::NagyOsztaly, "nagy_osztaly"},
        {Csalad::ForditottLanc, "forditott_lanc"},
        {Csalad::SzelesBal, "szeles_bal"},
        {Csalad::UresBal, "ures_bal"},
        {Csalad::Ismetlodo, "ismetlodo"},
        {Csalad::Osszeomlas, "osszeomlas"},
        {Csalad::AttributumonkentEgy, "attributumonkent_egy"},
        {Csalad::SokTabla, "sok_tabla"},
        {Csalad::KozosOszlop, "kozos_oszlop", 15000},
        {Csalad::HosszuSor, "hosszu_sor"},
        {Csalad::OszlopLanc, "oszlop_lanc"},
        {Csalad::HatraLanc, "hatra_lanc"},
        {Csalad::NullaHullam, "nulla_hullam"},
        {Csalad::EgyezoSorok, "egyezo_sorok"},
        {Csalad::SokCsoport, "sok_csoport", 250000},
    };
    return c;
}

inline std::string Rossz(Csalad cs, int n, std::uint32_t mag = 1) {
    std::mt19937 gen(mag);
    const std::vector<char> abc = Abc();
    const int betuk = static_cast<int>(abc.size());  // the bytes usable anywhere
    auto Attr = [&](int k) { return abc[static_cast<size_t>(k)]; };
    // k distinct random attributes of the first u.
    auto Valogat = [&](int k, int u) {
        std::vector<int> v(static_cast<size_t>(u));
        for (int i = 0; i < u; ++i) v[static_cast<size_t>(i)] = i;
        std::shuffle(v.begin(), v.end(), gen);
        std::string s;
        for (int i = 0; i < k; ++i) s += Attr(v[static_cast<size_t>(i)]);
        return s;
    };
    std::string s;
    auto Sor = [&](const std::string& sor) { s += sor + '\n'; };
    // The attributes f(0) .. f(k - 1).
    auto Sorozat = [](int k, auto f) {
        std::string sorozat;
        for (int a = 0; a < k; ++a) sorozat += f(a);
        return sorozat;
    };
    // Pair i's code over 16 positions, one of the two attributes from the
    // (t0 + 2 t)-th on a position: only the pair's two rows hold all of it.
    auto Kod = [&](int t0, int i) {
        return Sorozat(16, [&](int t) { return Attr(t0 + 2 * t + (i >> t & 1)); });
    };
    // Twin pairs, at most 2^16 of them in n rows: each a schema of elotag and
    // its code (Kod), so that only the twins agree on it; and for each pair
    // the dependency code -> p, into fuggosegek.
    auto IkerParok = [&](const std::string& elotag, int t0, char p, std::string& fuggosegek) {
        for (int i = 0; 2 * i + 2 <= n && i < (1 << 16); ++i) {
            const std::string kod = Kod(t0, i);
            Sor(elotag + kod);
            Sor(elotag + kod);
            fuggosegek += kod + "->" + p + '\n';
        }
    };
    // Rows 1 to n - 1 (at most 2^17 - 1): k and a distinct set of 17
    // attributes from the t0-th on, one for each set bit of the row's number.
    auto KesBitek = [&](char k, int t0) {
        for (int r = 1; r < n && r < (1 << 17); ++r) {
            std::string sema(1, k);
            for (int t = 0; t < 17; ++t)
                if ((r >> t & 1) != 0) sema += Attr(t0 + t);
            Sor(sema);
        }
    };
    switch (cs) {
        case Csalad::NagyOsztaly: {
            // Rows 0..p-1 hold one attribute Q_i each, and so does the first
            // row of the big class: every Q_i -> B_j merges row i's small code
            // into the big class, smallest code last. A alone starts the class.
            const int p = std::min(200, std::max(1, n / 2));
            const int b = 20;
            const char a = Attr(0);
            auto Q = [&](int i) { return Attr(1 + i); };
            auto B = [&](int j) { return Attr(1 + p + j); };
            for (int i = 0; i < p; ++i) Sor(std::string(1, Q(i)));
            std::string elso(1, a);
            for (int i = 0; i < p; ++i) elso += Q(i);
            Sor(elso);
            for (int r = p + 1; r < n; ++r) Sor(std::string(1, a) + Attr(Egesz(gen, 1, p)));
            std::string bk;
            for (int j = 0; j < b; ++j) bk += B(j);
            Sor(bk);
            s += '\n';
            for (int j = 0; j < b; ++j) {
                Sor(std::string(1, a) + "->" + B(j));
                for (int i = p - 1; i >= 0; --i) Sor(std::string(1, Q(i)) + "->" + B(j));
            }
            break;
        }
        case Csalad::ForditottLanc: {
            // Row 0 has every attribute; every other row has A_0 and one more.
            // A_0 -> A_1, A_1 -> A_2, ... listed from the end.
            const int l = betuk - 1;
            std::string osszes;
            for (int i = 0; i <= l; ++i) osszes += Attr(i);
            Sor(osszes);
            for (int r = 1; r < n; ++r) Sor(std::string(1, Attr(0)) + Attr(Egesz(gen, 1, l)));
            s += '\n';
            for (int i = l - 1; i >= 0; --i) Sor(std::string(1, Attr(i)) + "->" + Attr(i + 1));
            break;
        }
        case Csalad::SzelesBal: {
            const int u = 32;
            Sor(Valogat(u, u));
            for (int r = 1; r < n; ++r) Sor(Valogat(Egesz(gen, 20, 30), u));
            s += '\n';
            for (int k = 0; k < n; ++k)
                Sor(Valogat(Egesz(gen, 10, 14), u) + "->" + Valogat(Egesz(gen, 1, 3), u));
            break;
        }
        case Csalad::UresBal: {
            Sor(Valogat(betuk, betuk));
            for (int r = 1; r < n; ++r) Sor(Valogat(Egesz(gen, 2, 8), betuk));
            s += '\n';
            for (int k = 0; k < n; ++k)
                Sor((k % 2 == 0 ? std::string() : Valogat(Egesz(gen, 1, 3), betuk)) + "->" +
                    Valogat(Egesz(gen, 1, 2), betuk));
            break;
        }
        case Csalad::Ismetlodo: {
            // Eight schemas (fewer when n is smaller) cover the u attributes,
            // five each, the rest random.
            const int db = std::min(8, n);
            const int u = 5 * db;
            std::vector<std::string> minta;
            for (int i = 0; i < db; ++i) {
                std::string sema;
                for (int k = 0; k < 5; ++k) sema += Attr(i * 5 + k);
                minta.push_back(sema + Valogat(5, u));
            }
            for (int r = 0; r < n; ++r) Sor(minta[static_cast<size_t>(r % db)]);
            s += '\n';
            for (int k = 0; k < n; ++k)
                Sor(Valogat(Egesz(gen, 1, 3), u) + "->" + Valogat(Egesz(gen, 1, 2), u));
            break;
        }
        case Csalad::Osszeomlas: {
            // Every row has K; K -> every attribute, then random dependencies.
            Sor(Valogat(betuk, betuk));
            for (int r = 1; r < n; ++r)
                Sor(std::string(1, Attr(0)) + Valogat(Egesz(gen, 1, 7), betuk));
            s += '\n';
            std::string osszes;
            for (int i = 1; i < betuk; ++i) osszes += Attr(i);
            Sor(std::string(1, Attr(0)) + "->" + osszes);
            for (int k = 1; k < n; ++k)
                Sor(Valogat(Egesz(gen, 1, 3), betuk) + "->" + Valogat(Egesz(gen, 1, 2), betuk));
            break;
        }
        case Csalad::AttributumonkentEgy: {
            for (int i = 0; i < betuk; ++i) Sor(std::string(1, Attr(i)));
            s += '\n';
            for (int k = 0; k < n; ++k)
                Sor(std::string(1, Attr(Egesz(gen, 0, betuk - 1))) + "->" +
                    Attr(Egesz(gen, 0, betuk - 1)));
            break;
        }
        case Csalad::SokTabla: {
            // Twin pairs, each with its own code over 16 bit positions (one
            // of two attributes a position), so that only the twins agree on
            // it: code -> P_1 makes every pair a class of its own in P_1,
            // P_1 -> P_2..P_k in the others; then every P_a P_b -> W holds a
            // signature for every pair.
            const int k = 100;
            auto P = [&](int a) { return Attr(32 + a); };
            const char w = Attr(32 + k);
            std::string elso;
            for (int a = 0; a < k; ++a) elso += P(a);
            Sor(elso + w);
            std::string tobbi;
            for (int a = 1; a < k; ++a) tobbi += P(a);
            std::string fuggosegek;
            IkerParok("", 0, P(0), fuggosegek);
            s += '\n' + fuggosegek + P(0) + "->" + tobbi + '\n';
            for (int a = 0; a < k; ++a)
                for (int b = a + 1; b < k; ++b) Sor(std::string(1, P(a)) + P(b) + "->" + w);
            break;
        }
        case Csalad::KozosOszlop: {
            // Every row but the first has K and a distinct set of the T_t: K
            // -> P pools them all in P, where each joins the class on its
            // own; P is on the left of every P Q_a Q_b -> W, whose Q columns
            // are the first row's only.
            const int q = 200;
            const char kk = Attr(0);
            const char p = Attr(1);
            const char w = Attr(2);
            auto Q = [&](int a) { return Attr(20 + a); };
            // K in the first row too when it is the only one, for a valid input.
            std::string elso = n < 2 ? std::string{kk, p} : std::string(1, p);
            for (int a = 0; a < q; ++a) elso += Q(a);
            Sor(elso + w);
            KesBitek(kk, 3);
            s += '\n';
            Sor(std::string(1, kk) + "->" + p);
            for (int a = 0; a < q; ++a)
                for (int b = a + 1; b < q; ++b) Sor(std::string(1, p) + Q(a) + Q(b) + "->" + w);
            break;
        }
        case Csalad::OszlopLanc:
        case Csalad::HatraLanc: {
            // As in sok_tabla, twin pairs of their own codes, each pair made a
            // class of its own in P_0; then P_0 -> P_1, ..., P_118 -> P_119
            // carry every pair along the chain, and the tables of its links
            // pass the table quota, so that most links go to passes. The
            // chain is listed forward, but P_119 -> P_119, ..., P_0 -> P_0
            // come first: they change nothing, and a chase that lets them
            // place their groups visits the links last first, one link a pass.
            // hatra_lanc lists the links last first, and no X -> X: a chase
            // whose passes keep to the order of the dependencies takes 119.
            const bool hatra = cs == Csalad::HatraLanc;
            const int k = 120;
            auto P = [&](int a) { return Attr(32 + a); };
            std::string elso;
            for (int a = 0; a < k; ++a) elso += P(a);
            Sor(elso);
            std::string fuggosegek;
            for (int a = k - 1; a >= 0 && !hatra; --a)
                fuggosegek += std::string(1, P(a)) + "->" + P(a) + '\n';
            IkerParok("", 0, P(0), fuggosegek);
            for (int j = 0; j + 1 < k; ++j) {
                const int a = hatra ? k - 2 - j : j;
                fuggosegek += std::string(1, P(a)) + "->" + P(a + 1) + '\n';
            }
            s += '\n' + fuggosegek;
            break;
        }
        case Csalad::NullaHullam: {
            // Every row holds D_0..D_119, the lowest columns. Twin pairs of
            // their own codes are made classes in P_0 and carried along the
            // chain P_0 -> P_1, ..., P_58 -> P_59, listed last link first, one
            // link a pass once its links are in passes. Each of the 190
            // groups D_0..D_119 P_0..P_59 U_a U_b -> W, U_a held by the first
            // row only, goes to passes by its first visits and is dirty in
            // every pass; its zero visit finds no row but the first past its
            // 120 D columns, unless it starts from its sparsest column.
            // Below 160 schemas a shorter chain and fewer U columns, so that
            // the plain chase of the differential tests stays quick.
            const int d = 120;
            const int k = std::min(60, std::max(2, n));
            const int u = std::min(20, std::max(2, n / 8));
            auto P = [&](int a) { return Attr(d + 32 + a); };
            auto U = [&](int a) { return Attr(d + 32 + k + a); };
            const char w = Attr(d + 32 + k + u);
            const std::string dk = Sorozat(d, Attr);
            const std::string pk = Sorozat(k, P);
            Sor(dk + pk + Sorozat(u, U) + w);
            std::string fuggosegek;
            IkerParok(dk, d, P(0), fuggosegek);
            for (int a = k - 2; a >= 0; --a)
                fuggosegek += std::string(1, P(a)) + "->" + P(a + 1) + '\n';
            for (int a = 0; a < u; ++a)
                for (int b = a + 1; b < u; ++b)
                    fuggosegek += dk + pk + U(a) + U(b) + "->" + w + '\n';
            s += '\n' + fuggosegek;
            break;
        }
        case Csalad::EgyezoSorok: {
            // Twin pairs of their own codes. A quarter of them start in P
            // columns of a chain P_0 -> P_1, ..., P_38 -> P_39 S listed last
            // link first, which carries them one link a pass once its links
            // are in passes, and each pass some reach S. The others hold
            // D_1..D_31 and are made classes of their own in S, then by each
            // S D_i -> Y_1..Y_100 to agree on Y, once. Groups of these that
            // go to passes are dirty in every pass, through S, while their
            // rows keep agreeing; a visit that compares them all over Y again
            // costs 100 columns a row a pass.
            // Below 160 schemas a shorter chain, fewer groups and Y columns.
            const bool kicsi = n < 160;
            const int k = kicsi ? std::max(2, n / 4) : 40;
            const int dd = kicsi ? std::max(1, n / 8) : 31;
            const int y = kicsi ? std::max(2, n) : 100;
            auto P = [&](int a) { return Attr(32 + a); };
            const char sk = Attr(32 + k);
            auto D = [&](int i) { return Attr(33 + k + i); };
            auto Y = [&](int j) { return Attr(33 + k + dd + j); };
            const std::string dk = Sorozat(dd, D);
            const std::string yk = Sorozat(y, Y);
            Sor(Sorozat(k, P) + sk + dk + yk);
            const int parok = std::min((n - 1) / 2, 1 << 16);
            const int lancon = parok / 4;  // the pairs carried along the chain
            std::string fuggosegek;
            for (int i = 0; i < parok; ++i) {
                const std::string kod = Kod(0, i);
                const std::string sema = i < lancon ? kod : kod + dk;
                Sor(sema);
                Sor(sema);
                fuggosegek += kod + "->" + (i < lancon ? P(i * 7 % (k - 1)) : sk) + '\n';
            }
            for (int a = k - 2; a >= 0; --a)
                fuggosegek += std::string(1, P(a)) + "->" + P(a + 1) +
                              (a == k - 2 ? std::string(1, sk) : std::string()) + '\n';
            for (int i = 0; i < dd; ++i) fuggosegek += std::string{sk, D(i)} + "->" + yk + '\n';
            s += '\n' + fuggosegek;
            break;
        }
        case Csalad::SokCsoport: {
            // 32 twin pairs of their own codes, each made a class of its own
            // in P, all holding D_0..D_182; then n groups (at most C(183, 3))
            // P D_a D_b D_c -> Y_i, the D columns three by three: each
            // group's table holds every pair, its work items ask for merges
            // that other groups ask for too, and the groups' tables, work
            // items and deferred merges, bounded by the length of the
            // dependencies alone, would outgrow the tableau and the input.
            const int dd = 183;
            const char pk = Attr(32);
            auto D = [&](int i) { return Attr(33 + i); };
            auto Y = [&](int i) { return Attr(33 + dd + i); };
            const int y = betuk - 33 - dd;
            const std::string dk = Sorozat(dd, D);
            Sor(pk + dk + Sorozat(y, Y));
            std::string fuggosegek;
            for (int i = 0; i < 32; ++i) {
                const std::string kod = Kod(0, i);
                Sor(kod + dk);
                Sor(kod + dk);
                fuggosegek += kod + "->" + pk + '\n';
            }
            int g = 0;
            for (int a = 0; a < dd && g < n; ++a)
                for (int b = a + 1; b < dd && g < n; ++b)
                    for (int c = b + 1; c < dd && g < n; ++c, ++g)
                        fuggosegek += std::string{pk, D(a), D(b), D(c)} + "->" + Y(g % y) + '\n';
            s += '\n' + fuggosegek;
            break;
        }
        case Csalad::HosszuSor: {
            // As in kozos_oszlop, K -> P pools every row but the first in P;
            // then P -> Y_1..Y_200, where each row is alone: every row makes
            // 200 merges of two non-zero classes.
            const int y = 200;
            const char kk = Attr(0);
            const char p = Attr(1);
            std::string elso = n < 2 ? std::string{kk, p} : std::string(1, p);
            std::string jobb;
            for (int a = 0; a < y; ++a) jobb += Attr(20 + a);
            Sor(elso + jobb);
            KesBitek(kk, 2);
            s += '\n';
            Sor(std::string(1, kk) + "->" + p);
            Sor(std::string(1, p) + "->" + jobb);
            break;
        }
    }
    return s;
}

// Bounds of a small random input.
struct Korlatok {
    int max_sema;        // schemas: 1 to this many
    int max_sema_hossz;  // attributes a schema: 1 to this many (repeats allowed)
    int max_fuggoseg;    // dependencies: 0 to this many
    int max_bal;         // left-side attributes: 1 to this many, one time in ten none
};

// A small random input over the first 1 to 12 of "ABCDEFGHIJ", a blank and
// the byte 0xE9 (a negative char), with 0 to 2 right-side attributes, for the
// differential tests: many classes form and right sides overlap left sides.
inline referencia::Bemenet Kicsi(std::mt19937& gen, const Korlatok& k) {
    const std::string abc = "ABCDEFGHIJ \xE9";
    const int m = Egesz(gen, 1, static_cast<int>(abc.size()));
    referencia::Bemenet b;
    for (int i = Egesz(gen, 1, k.max_sema); i > 0; --i) {
        std::string sema;
        for (int a = Egesz(gen, 1, k.max_sema_hossz); a > 0; --a)
            sema += abc[static_cast<size_t>(Egesz(gen, 0, m - 1))];
        b.semak.push_back(sema);
    }
    const std::string u = referencia::Univerzum(b);
    auto Univerzumbol = [&](int min, int max) {
        std::string s;
        for (int i = Egesz(gen, min, max); i > 0; --i)
            s += u[static_cast<size_t>(Egesz(gen, 0, static_cast<int>(u.size()) - 1))];
        return s;
    };
    for (int i = Egesz(gen, 0, k.max_fuggoseg); i > 0; --i) {
        std::string bal = Univerzumbol(Egesz(gen, 0, 9) == 0 ? 0 : 1, k.max_bal);
        b.fuggosegek.emplace_back(bal, Univerzumbol(0, 2));
    }
    return b;
}

// A small random input whose schemas mostly repeat (twins): 1 to 12 draws
// from 1 to 3 schemas over A to G, then one single-attribute schema, and up
// to 8 dependencies with 0 to 2 left and 1 to 2 right attributes.
inline referencia::Bemenet Ikrek(std::mt19937& gen) {
    referencia::Bemenet b;
    std::vector<std::string> minta;
    for (int i = Egesz(gen, 1, 3); i > 0; --i) {
        std::string s;
        for (int a = Egesz(gen, 1, 4); a > 0; --a) s += static_cast<char>('A' + Egesz(gen, 0, 6));
        minta.push_back(s);
    }
    for (int i = Egesz(gen, 1, 12); i > 0; --i)
        b.semak.push_back(
            minta[static_cast<size_t>(Egesz(gen, 0, static_cast<int>(minta.size()) - 1))]);
    b.semak.push_back("ABCDEFG"[Egesz(gen, 0, 6)] + std::string());
    const std::string u = referencia::Univerzum(b);
    auto Betu = [&] {
        return u[static_cast<size_t>(Egesz(gen, 0, static_cast<int>(u.size()) - 1))];
    };
    for (int i = Egesz(gen, 0, 8); i > 0; --i) {
        std::string x, y;
        for (int a = Egesz(gen, 0, 2); a > 0; --a) x += Betu();
        for (int a = Egesz(gen, 1, 2); a > 0; --a) y += Betu();
        b.fuggosegek.emplace_back(x, y);
    }
    return b;
}

// A small random input in which many pooled classes form in a few columns
// and then merge, so that a group's table holds many signatures when rows
// leave them: 2 to 24 pairs of twin rows, each pair with an attribute of its
// own ('a' on) and up to two of "VWX"; a row with the columns PQRS that the
// pairs lack, one with VWX; dependencies that pool most pairs in P or Q, then some of a
// list that merge pairs through V, W, X and carry classes between P to S.
inline referencia::Bemenet Parok(std::mt19937& gen) {
    referencia::Bemenet b;
    b.semak = {"PQRS", "VWX"};
    const int k = Egesz(gen, 2, 24);
    for (int i = 0; i < k; ++i) {
        std::string s(1, static_cast<char>('a' + i));
        for (int a = Egesz(gen, 0, 2); a > 0; --a) s += "VWX"[Egesz(gen, 0, 2)];
        b.semak.push_back(s);
        b.semak.push_back(s);
        if (Egesz(gen, 0, 3) != 0)
            b.fuggosegek.emplace_back(std::string(1, s[0]), Egesz(gen, 0, 1) == 0 ? "P" : "Q");
    }
    std::shuffle(b.semak.begin(), b.semak.end(), gen);
    std::shuffle(b.fuggosegek.begin(), b.fuggosegek.end(), gen);
    const std::vector<std::pair<std::string, std::string>> tovabbi = {
        {"V", "P"},  {"W", "P"}, {"X", "Q"}, {"P", "Q"},   {"Q", "R"},
        {"PQ", "S"}, {"R", "P"}, {"S", "Q"}, {"PR", "QS"}, {"VW", "R"}};
    for (int i = Egesz(gen, 1, 6); i > 0; --i) {
        const auto& f = tovabbi[static_cast<size_t>(Egesz(gen, 0, 9))];
        const int hely = Egesz(gen, 0, static_cast<int>(b.fuggosegek.size()));
        b.fuggosegek.insert(b.fuggosegek.begin() + hely, f);
    }
    return b;
}

}  // namespace generator

#endif
