#ifndef VESZTES_VESZTES_H
#define VESZTES_VESZTES_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "lista.h"
#include "matrix.h"

// How the program waits for the user before it ends, so that a console
// window opened just for this run stays readable.
enum class Varas {
    Enter,    // synchronise standard input, then one unformatted character
    Lathato,  // one formatted character: blanks and line ends are skipped
};

// Standard output is flushed first so the message is on screen while waiting.
// At end of standard input (input from /dev/null) the wait returns at once.
inline void Varakozas(Varas v) {
    std::cout.flush();
    if (v == Varas::Enter) {
        std::cin.sync();
        std::cin.get();
    } else {
        char c;
        std::cin >> c;
    }
}

// Ends the process with this status. In-process harnesses (unit tests, the
// fuzzer) point it at a function that throws, so a failed run unwinds
// instead of ending the harness; the program itself never changes it.
inline void (*Kilepes)(int) = [](int statusz) { std::exit(statusz); };

// Reports a failure the way every part of the program does: the text on
// standard output, the wait, exit status 1.
[[noreturn]] inline void Leallas(const char* szoveg, Varas v = Varas::Enter) {
    std::cout << szoveg;
    Varakozas(v);
    Kilepes(1);
    std::exit(1);
}

// Reads one character of a stream opened in binary mode as text, the same on
// every platform: a CR LF pair gives one line feed, any other CR (one at the
// end of the file too) is an ordinary character. False at end of file.
inline bool SzovegOlvas(std::istream& be, char& ch) {
    if (!be.get(ch)) return false;
    if (ch == '\r' && be.peek() == '\n') be.get(ch);
    return true;
}

typedef lista<char> cLista;
typedef lista<lista<char>*> Lista;

// A functional dependency x -> y; both sides keep file order and duplicates.
struct fuggoseg {
    lista<char>* x = nullptr;
    lista<char>* y = nullptr;
};

// The lossless-join analyser: one object per run. The constructor parses the
// input file, VesztesegetKeres runs the chase, EredmenytKiir writes the
// result file; they are called once each, in that order. The analyser owns
// every schema, dependency, side list and the universe it creates.
class Vesztes {
    Lista dekomp;
    std::ifstream inp;
    matrix<int>* ma = nullptr;  // the tableau: initial after parsing, final after the chase
    cLista* attrib = nullptr;
    lista<fuggoseg*> fugg;

    void Beolvas();
    void Tablazat();
    void Felszabadit();
    void Egyenlosit(int i, int j, matrix<int>*& s, lista<char>* y);

    // Read-only access for the unit tests.
    friend class VesztesVizsgalo;

public:
    explicit Vesztes(std::string nev);
    ~Vesztes();
    Vesztes(const Vesztes&) = delete;
    Vesztes& operator=(const Vesztes&) = delete;

    void VesztesegetKeres();
    void EredmenytKiir(std::string be, std::string ki);
};

namespace vesztes_reszletek {

// Creates a new T and appends it to the list in one step, so that it is owned
// (through the list) even if the append itself throws.
template <typename T>
T* Felvesz(lista<T*>& hova) {
    auto uj = std::make_unique<T>();
    hova.Betesz(uj.get());
    return uj.release();
}

}  // namespace vesztes_reszletek

// Ends the process with its message when the file cannot be opened or is not
// a file of the supported form (empty, decomposition not closed by an empty
// line, a dependency naming an attribute no schema has).
inline Vesztes::Vesztes(std::string nev) {
    // A directory opens as a stream on some systems and then reads as an
    // empty file; it is reported as what it is, a file that cannot be opened.
    std::error_code hiba;
    if (!std::filesystem::is_directory(nev, hiba))
        inp.open(nev, std::ios::in | std::ios::binary);
    if (!inp.is_open()) Leallas("Hiba a fajl megnyitasanal!", Varas::Lathato);
    try {
        Beolvas();
    } catch (...) {
        Felszabadit();
        throw;
    }
    inp.close();
}

inline Vesztes::~Vesztes() { Felszabadit(); }

inline void Vesztes::Felszabadit() {
    for (dekomp.Begin(); !dekomp.End(); dekomp.Next()) delete dekomp.Current();
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        delete fugg.Current()->x;
        delete fugg.Current()->y;
        delete fugg.Current();
    }
    delete attrib;
    attrib = nullptr;
    delete ma;
    ma = nullptr;
}

inline void Vesztes::Beolvas() {
    using vesztes_reszletek::Felvesz;
    attrib = new cLista;
    bool ismert[256] = {};  // the attributes already in the universe
    auto Attributum = [&](char c) {
        if (!ismert[static_cast<unsigned char>(c)]) {
            ismert[static_cast<unsigned char>(c)] = true;
            attrib->Betesz(c);
        }
    };

    char ch = 0;
    if (!SzovegOlvas(inp, ch)) Leallas("Hiba: az inputfajl ures!");
    // Inside the decomposition the end of the file is an error: only an
    // empty line closes the section.
    auto Kovetkezo = [&] {
        if (!SzovegOlvas(inp, ch)) Leallas("Hiba: a felbontas utan hianyzik az ures sor!");
    };

    // Decomposition: one schema per line, commas dropped except as the first
    // character of a later line, up to the first empty line.
    cLista* sema = Felvesz(dekomp);
    bool kilep = false;
    while (!kilep) {
        if (ch == ',') {
        } else if (ch == '\n') {
            Kovetkezo();
            if (ch == '\n') {
                kilep = true;
            } else {
                sema = Felvesz(dekomp);
                sema->Betesz(ch);
                Attributum(ch);
            }
        } else {
            sema->Betesz(ch);
            Attributum(ch);
        }
        if (!kilep) Kovetkezo();
    }
    attrib->Sort();

    // Dependencies: up to the first '>' the left side, then the right side;
    // '-' and ',' are dropped; every line feed starts a new dependency.
    auto UjFuggoseg = [&] {
        fuggoseg* f = Felvesz(fugg);
        f->x = new cLista;
        f->y = new cLista;
        return f;
    };
    fuggoseg* tfugg = UjFuggoseg();
    bool tox = true;
    while (SzovegOlvas(inp, ch)) {
        if (ch == '-' || ch == ',') {
        } else if (ch == '>') {
            tox = false;
        } else if (ch == '\n') {
            tfugg = UjFuggoseg();
            tox = true;
        } else {
            (tox ? tfugg->x : tfugg->y)->Betesz(ch);
        }
    }

    // An attribute that no schema has has no column in the tableau.
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        for (cLista* oldal : {fugg.Current()->x, fugg.Current()->y})
            for (oldal->Begin(); !oldal->End(); oldal->Next())
                if (!ismert[static_cast<unsigned char>(oldal->Current())])
                    Leallas("Hiba: ismeretlen attributum a fuggosegekben!");
    }
    Tablazat();
}

// One row per schema, one column per universe attribute: 0 (the distinguished
// symbol) where the schema has the attribute, otherwise the row's own symbol,
// its number plus one.
inline void Vesztes::Tablazat() {
    const int n = dekomp.Meret();
    const int m = attrib->Meret();
    ma = new matrix<int>(n, m);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) (*ma)(i, j) = dekomp(i)->Tartalmaz((*attrib)(j)) ? 0 : i + 1;
}

// Makes rows i and j agree on the attributes of y: in each column the larger
// code gives way to the smaller one everywhere it occurs, so rows equated
// earlier stay equal.
inline void Vesztes::Egyenlosit(int i, int j, matrix<int>*& s, lista<char>* y) {
    const int n = dekomp.Meret();
    for (y->Begin(); !y->End(); y->Next()) {
        const int l = attrib->Index(y->Current());
        const int u = std::min((*s)(i, l), (*s)(j, l));
        const int v = std::max((*s)(i, l), (*s)(j, l));
        if (u == v) continue;
        for (int d = 0; d < n; ++d)
            if ((*s)(d, l) == v) (*s)(d, l) = u;
    }
}

// The chase: passes over all dependencies and all pairs of rows until a whole
// pass leaves the tableau unchanged. Codes only ever decrease, so it ends.
inline void Vesztes::VesztesegetKeres() {
    const int n = dekomp.Meret();
    matrix<int>* s = new matrix<int>(*ma);
    try {
        do {
            *ma = *s;
            for (int t = 0; t < fugg.Meret(); ++t) {
                fuggoseg* f = fugg(t);
                for (int i = 0; i + 1 < n; ++i)
                    for (int j = i + 1; j < n; ++j) {
                        bool osszesegyenlo = true;
                        for (f->x->Begin(); !f->x->End() && osszesegyenlo; f->x->Next()) {
                            const int h = attrib->Index(f->x->Current());
                            if ((*s)(i, h) != (*s)(j, h)) osszesegyenlo = false;
                        }
                        if (osszesegyenlo) Egyenlosit(i, j, s, f->y);
                    }
            }
        } while (!s->Egyenlo(*ma));
        *ma = *s;
    } catch (...) {
        delete s;
        throw;
    }
    delete s;
}

// The two names may not name one file: the result file is emptied before the
// input is copied into it.
inline bool UgyanazAFajl(const std::string& a, const std::string& b) {
    std::error_code hiba;
    return std::filesystem::equivalent(a, b, hiba);
}

// Writes the input text, two line ends and the verdict to ki. The input is
// opened first and checked against ki, so a failed run never empties an
// existing result file, and never the input.
inline void Vesztes::EredmenytKiir(std::string be, std::string ki) {
    const int n = ma->rows();
    const int m = ma->cols();
    bool vanSbencsupanullasor = false;
    for (int i = 0; i < n && !vanSbencsupanullasor; ++i) {
        vanSbencsupanullasor = true;
        for (int j = 0; j < m && vanSbencsupanullasor; ++j)
            if ((*ma)(i, j) != 0) vanSbencsupanullasor = false;
    }

    std::ifstream bemenet;
    std::error_code hiba;
    if (!std::filesystem::is_directory(be, hiba)) bemenet.open(be, std::ios::in | std::ios::binary);
    if (!bemenet.is_open()) Leallas("Hiba az inputfajl megnyitasanal!");
    if (UgyanazAFajl(be, ki)) Leallas("Hiba: az inputfajl es a kimeneti fajl ugyanaz!");
    // Text mode: line ends are written in the platform's convention.
    std::ofstream out(ki, std::ios::out | std::ios::trunc);
    if (!out.is_open()) Leallas("Hiba a kimeneti fajl megnyitasanal!");

    char ch = 0;
    while (SzovegOlvas(bemenet, ch)) out.put(ch);
    out << std::endl << std::endl;
    out << (vanSbencsupanullasor ? "vesztesegmentes" : "nem vesztesegmentes");
    bemenet.close();
    out.close();
    // A result file that could not be written completely is not a result.
    if (out.fail()) Leallas("Hiba a kimeneti fajl irasanal!");
}

#endif
