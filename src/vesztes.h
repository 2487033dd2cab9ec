#ifndef VESZTES_VESZTES_H
#define VESZTES_VESZTES_H

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "lista.h"

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
    cLista* attrib = nullptr;
    lista<fuggoseg*> fugg;

    void Beolvas();
    void Felszabadit();

    // Read-only access for the unit tests.
    friend class VesztesVizsgalo;

public:
    explicit Vesztes(std::string nev);
    ~Vesztes();
    Vesztes(const Vesztes&) = delete;
    Vesztes& operator=(const Vesztes&) = delete;

    void VesztesegetKeres() {}
    void EredmenytKiir(std::string /*be*/, std::string /*ki*/) {}
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
}

#endif
