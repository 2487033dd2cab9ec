#ifndef VESZTES_VESZTES_H
#define VESZTES_VESZTES_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

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

// Opens a file for reading with SzovegOlvas. A folder is refused: on some
// systems it opens as a stream and then reads as an empty file.
inline bool Megnyit(std::ifstream& f, const std::string& nev) {
    std::error_code hiba;
    if (std::filesystem::is_directory(nev, hiba)) return false;
    f.open(nev, std::ios::in | std::ios::binary);
    return f.is_open();
}

namespace vesztes_reszletek {

// The rows of every tableau column grouped by their code, kept in step with
// the tableau while the chase merges codes. Merging touches only the rows of
// the larger code. The codes held by two or more rows are listed per column,
// since only their rows can agree with another row in that column.
class Osztalyok {
  public:
    explicit Osztalyok(matrix<int>& t)
        : n_(static_cast<size_t>(t.rows())),
          m_(static_cast<size_t>(t.cols())),
          fej_(m_ * (n_ + 1), -1),
          meret_(m_ * (n_ + 1), 0),
          kov_(m_ * n_, -1),
          tobbes_(m_),
          tobbes_sorok_(m_, 0),
          valtozas_(m_, 0),
          mozdult_(m_ * n_, 0),
          kod_(m_ * n_, 0) {
        for (int l = 0; l < t.cols(); ++l) {
            // Walking upwards keeps every class's rows in ascending order.
            for (int d = t.rows() - 1; d >= 0; --d) {
                const int c = t(d, l);
                kod_[Sor(l, d)] = c;
                kov_[Sor(l, d)] = fej_[Hely(l, c)];
                fej_[Hely(l, c)] = d;
                ++meret_[Hely(l, c)];
            }
            for (int c = 0; c <= t.rows(); ++c)
                if (meret_[Hely(l, c)] >= 2) {
                    tobbes_[static_cast<size_t>(l)].push_back(c);
                    tobbes_sorok_[static_cast<size_t>(l)] += meret_[Hely(l, c)];
                }
        }
    }

    // In column l, code v gives way to the smaller code u in every row.
    void Osszevon(matrix<int>& t, int l, int u, int v) {
        const size_t oszl = static_cast<size_t>(l);
        ++ido_;
        int utolso = -1;
        for (int d = fej_[Hely(l, v)]; d >= 0; d = kov_[Sor(l, d)]) {
            t(d, l) = u;
            kod_[Sor(l, d)] = u;
            mozdult_[Sor(l, d)] = ido_;
            utolso = d;
        }
        kov_[Sor(l, utolso)] = fej_[Hely(l, u)];
        fej_[Hely(l, u)] = fej_[Hely(l, v)];
        fej_[Hely(l, v)] = -1;
        const int mu = meret_[Hely(l, u)];
        const int mv = meret_[Hely(l, v)];
        tobbes_sorok_[oszl] += mu + mv - (mu >= 2 ? mu : 0) - (mv >= 2 ? mv : 0);
        if (mu < 2) tobbes_[oszl].push_back(u);
        meret_[Hely(l, u)] = mu + mv;
        meret_[Hely(l, v)] = 0;
        valtozas_[oszl] = ido_;
    }

    // The code of row d in column l, the same as the tableau's; kept column
    // by column, as the chase reads it.
    int Kod(int l, int d) const { return kod_[Sor(l, d)]; }

    // Counts every merge; a column's entry is the count at its last merge.
    long long Ido() const { return ido_; }
    long long Valtozas(int l) const { return valtozas_[static_cast<size_t>(l)]; }

    // The groups of two or more rows that agree on all the columns bal (all
    // rows when bal is empty), as [start, end) ranges of sorok. The rows of
    // every listed code of the sparsest column are split by their codes in
    // the other columns, one column after the other, by counting.
    //
    // Only groups that may be new since the change count ota are wanted: a
    // code of the sparsest column none of whose rows changed in any of the
    // columns bal since then is left out, because its rows agreed in the
    // same way then.
    void Csoportok(const std::vector<int>& bal, long long ota, std::vector<int>& sorok,
                   std::vector<std::pair<size_t, size_t>>& csoportok) {
        sorok.clear();
        csoportok.clear();
        if (bal.empty()) {
            for (size_t d = 0; d < n_; ++d) sorok.push_back(static_cast<int>(d));
            if (n_ >= 2) csoportok.emplace_back(0, n_);
            return;
        }
        const int h1 = *std::min_element(bal.begin(), bal.end(), [&](int a, int b) {
            return tobbes_sorok_[static_cast<size_t>(a)] < tobbes_sorok_[static_cast<size_t>(b)];
        });
        std::vector<int>& kodok = tobbes_[static_cast<size_t>(h1)];
        size_t marad = 0;  // codes absorbed by smaller ones leave the list here
        for (int c : kodok) {
            if (meret_[Hely(h1, c)] < 2) continue;
            kodok[marad++] = c;
            const size_t eleje = sorok.size();
            bool friss = false;
            for (int d = fej_[Hely(h1, c)]; d >= 0; d = kov_[Sor(h1, d)]) {
                sorok.push_back(d);
                for (int h : bal) friss = friss || mozdult_[Sor(h, d)] > ota;
            }
            if (friss)
                csoportok.emplace_back(eleje, sorok.size());
            else
                sorok.resize(eleje);
        }
        kodok.resize(marad);
        for (int h : bal)
            if (h != h1) Finomit(h, sorok, csoportok);
    }

  private:
    // Position of column l, row d in the per-row arrays.
    size_t Sor(int l, int d) const { return static_cast<size_t>(l) * n_ + static_cast<size_t>(d); }
    // Position of column l, code c in the per-code arrays.
    size_t Hely(int l, int c) const {
        return static_cast<size_t>(l) * (n_ + 1) + static_cast<size_t>(c);
    }

    // Splits every group by the rows' codes in column h; groups of one row are dropped.
    void Finomit(int h, std::vector<int>& sorok,
                 std::vector<std::pair<size_t, size_t>>& csoportok) {
        if (szamlalo_.empty()) szamlalo_.assign(n_ + 1, 0);
        uj_csoportok_.clear();
        for (const auto& [eleje, vege] : csoportok) {
            kodlista_.clear();
            for (size_t p = eleje; p < vege; ++p) {
                const int c = Kod(h, sorok[p]);
                if (szamlalo_[static_cast<size_t>(c)]++ == 0) kodlista_.push_back(c);
            }
            if (kodlista_.size() == 1) {
                szamlalo_[static_cast<size_t>(kodlista_[0])] = 0;
                uj_csoportok_.emplace_back(eleje, vege);
                continue;
            }
            // Counts become each code's place in the group.
            size_t hely = eleje;
            for (int c : kodlista_) {
                const size_t db = szamlalo_[static_cast<size_t>(c)];
                if (db >= 2) uj_csoportok_.emplace_back(hely, hely + db);
                szamlalo_[static_cast<size_t>(c)] = hely;
                hely += db;
            }
            seged_.assign(sorok.begin() + static_cast<std::ptrdiff_t>(eleje),
                          sorok.begin() + static_cast<std::ptrdiff_t>(vege));
            for (int d : seged_) sorok[szamlalo_[static_cast<size_t>(Kod(h, d))]++] = d;
            for (int c : kodlista_) szamlalo_[static_cast<size_t>(c)] = 0;
        }
        csoportok.swap(uj_csoportok_);
    }

    size_t n_;
    size_t m_;
    std::vector<int> fej_;                  // column l, code c: first row, or -1
    std::vector<int> meret_;                // column l, code c: number of rows
    std::vector<int> kov_;                  // column l, row d: next row of the same code, or -1
    std::vector<std::vector<int>> tobbes_;  // column l: codes once held by two or more rows
    std::vector<int> tobbes_sorok_;         // column l: rows whose code is held by another row too
    std::vector<long long> valtozas_;
    std::vector<long long>
        mozdult_;           // column l, row d: the change count when its code last changed
    std::vector<int> kod_;  // column l, row d: the code
    long long ido_ = 0;
    // Scratch space of Finomit, kept between calls; szamlalo_ is all zeros between them.
    std::vector<size_t> szamlalo_;
    std::vector<int> kodlista_;
    std::vector<int> seged_;
    std::vector<std::pair<size_t, size_t>> uj_csoportok_;
};

}  // namespace vesztes_reszletek

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

    std::array<int, 256> oszlop{};  // each byte's tableau column; -1 if no attribute
    int menetek = 0;                // chase passes, the last (unchanging) one included

    void Beolvas();
    void Tablazat();
    void Felszabadit();
    int Oszlop(char c) const { return oszlop[static_cast<unsigned char>(c)]; }
    // The distinct columns of a dependency side, ascending.
    std::vector<int> Oszlopok(cLista* oldal) const;
    void Egyenlosit(int i, int j, matrix<int>*& s, const std::vector<int>& y,
                    vesztes_reszletek::Osztalyok& o);

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
// The analyser's interface takes file names by value.
// cppcheck-suppress passedByValue
inline Vesztes::Vesztes(std::string nev) {
    if (!Megnyit(inp, nev)) Leallas("Hiba a fajl megnyitasanal!", Varas::Lathato);
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
    oszlop.fill(-1);
    int j = 0;
    for (attrib->Begin(); !attrib->End(); attrib->Next())
        oszlop[static_cast<unsigned char>(attrib->Current())] = j++;
    ma = new matrix<int>(n, m);
    int i = 0;
    for (dekomp.Begin(); !dekomp.End(); dekomp.Next(), ++i) {
        for (j = 0; j < m; ++j) (*ma)(i, j) = i + 1;
        cLista* sema = dekomp.Current();
        for (sema->Begin(); !sema->End(); sema->Next()) (*ma)(i, Oszlop(sema->Current())) = 0;
    }
}

inline std::vector<int> Vesztes::Oszlopok(cLista* oldal) const {
    std::vector<int> o;
    for (oldal->Begin(); !oldal->End(); oldal->Next()) o.push_back(Oszlop(oldal->Current()));
    std::sort(o.begin(), o.end());
    o.erase(std::unique(o.begin(), o.end()), o.end());
    return o;
}

// Makes rows i and j agree on the columns y: in each column the larger code
// gives way to the smaller one everywhere it occurs, so rows equated earlier
// stay equal.
inline void Vesztes::Egyenlosit(int i, int j, matrix<int>*& s, const std::vector<int>& y,
                                vesztes_reszletek::Osztalyok& o) {
    for (int l : y) {
        const int a = o.Kod(l, i);
        const int b = o.Kod(l, j);
        if (a != b) o.Osszevon(*s, l, std::min(a, b), std::max(a, b));
    }
}

// The chase: passes over the dependencies until a whole pass changes nothing.
// Codes only ever decrease, so it ends; and since agreeing codes only ever
// merge and a class keeps its smallest code, the final tableau does not depend
// on the order of the merges.
//
// A pass does not try every pair of rows. Rows that agree on a left side share
// their code in each of its columns, so only rows whose code in the left
// side's sparsest column is held by two or more rows are candidates; those are
// grouped by their codes in the other left-side columns. A dependency none of
// whose left-side columns changed since its last visit is skipped: the rows
// that agreed then were made to agree on its right side, and merging never
// separates two rows.
inline void Vesztes::VesztesegetKeres() {
    using vesztes_reszletek::Osztalyok;
    struct Szabaly {
        std::vector<int> bal;
        std::vector<int> jobb;
        long long latogatva = -1;  // the change counter when last visited; -1: never
    };
    std::vector<Szabaly> szabalyok;
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        Szabaly sz;
        sz.jobb = Oszlopok(fugg.Current()->y);
        // A dependency with an empty right side never changes anything.
        if (sz.jobb.empty()) continue;
        sz.bal = Oszlopok(fugg.Current()->x);
        szabalyok.push_back(std::move(sz));
    }

    auto munka = std::make_unique<matrix<int>>(*ma);
    matrix<int>* s = munka.get();
    Osztalyok o(*s);
    std::vector<int> sorok;                            // candidate rows, group after group
    std::vector<std::pair<size_t, size_t>> csoportok;  // [start, end) of each group in sorok
    menetek = 0;
    long long kezdet = 0;
    do {
        ++menetek;
        kezdet = o.Ido();
        for (Szabaly& sz : szabalyok) {
            if (sz.latogatva >= 0 && std::all_of(sz.bal.begin(), sz.bal.end(), [&](int h) {
                    return o.Valtozas(h) <= sz.latogatva;
                }))
                continue;
            const long long elozo = sz.latogatva;
            sz.latogatva = o.Ido();
            o.Csoportok(sz.bal, elozo, sorok, csoportok);
            for (const auto& [eleje, vege] : csoportok)
                for (size_t k = eleje + 1; k < vege; ++k)
                    Egyenlosit(sorok[eleje], sorok[k], s, sz.jobb, o);
        }
    } while (o.Ido() != kezdet);
    *ma = *s;
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
// cppcheck-suppress passedByValue
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
    if (!Megnyit(bemenet, be)) Leallas("Hiba az inputfajl megnyitasanal!");
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
