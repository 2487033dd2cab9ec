#ifndef VESZTES_VESZTES_H
#define VESZTES_VESZTES_H

// The lossless-join analyser, in the order the data flows through a run:
//   1. Process      the console texts, the wait for a key, the end of the
//                   process (Leallas, KeszSzoveg)
//   2. Input text   file names, opening, reading the input once (Beolvasas)
//   3. The analyser cLista, Lista, fuggoseg and the class Vesztes
//   4. Parser and   the decomposition, the universe, the dependencies, the
//      tableau      initial tableau (Vesztes::Vesztes ... Tablazat)
//   5. The chase    its contract and design (classes O1-O4, groups Z, T1, T2,
//                   budgets B1-B7, sizes); the class Uldozes; the twin folding
//                   (Vesztes::VesztesegetKeres); then Uldozes's construction,
//                   run loop, classes and rings, group tables, zero visits,
//                   budgets, pass visits and the invariant checker of test
//                   builds (VESZTES_ELLENORZES), in the order declared
//   6. Result file  the verdict, and the whole-file replace (R1-R3: EgeszenIr)
//   7. Whole run    TeljesFutas, for main and the in-process harnesses
// Each section's details are in one vesztes_reszletek block of its own.

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#endif

#include "lista.h"
#include "matrix.h"

// ===== 1. Process ==========================================================
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

// The text of a successful run, naming the result file as it was given.
inline std::string KeszSzoveg(const std::string& ki) {
    return "Algoritmus lefutott.Eredmeny a(z) " + ki + " fajlban.";
}

// ===== 2. Input text =======================================================

// File names are UTF-8 on Windows (main takes them as Unicode) and bytes
// elsewhere.
inline std::filesystem::path Ut(const std::string& nev) { return std::filesystem::u8path(nev); }

// Opens a file for reading with Beolvasas. A folder is refused: on some
// systems it opens as a stream and then reads as an empty file.
inline bool Megnyit(std::ifstream& f, const std::string& nev) {
    std::error_code hiba;
    if (std::filesystem::is_directory(Ut(nev), hiba)) return false;
    f.open(Ut(nev), std::ios::in | std::ios::binary);
    return f.is_open();
}

// The whole stream, read once and as text, the same on every platform: a CR
// LF pair gives one line feed, any other CR (one at the end too) is an
// ordinary character. Reading once is what makes the result file's copy the
// very text that was judged, also for a pipe or a file replaced meanwhile.
// False on a read error (end of file is none); the text is then incomplete.
inline bool Beolvasas(std::istream& be, std::string& szoveg) {
    szoveg.clear();
    std::array<char, 1 << 16> darab{};
    while (be.read(darab.data(), darab.size()) || be.gcount() > 0)
        szoveg.append(darab.data(), static_cast<std::size_t>(be.gcount()));
    if (be.bad()) return false;
    std::size_t hova = 0;
    for (std::size_t k = 0; k < szoveg.size(); ++k)
        if (!(szoveg[k] == '\r' && k + 1 < szoveg.size() && szoveg[k + 1] == '\n'))
            szoveg[hova++] = szoveg[k];
    szoveg.resize(hova);
    return true;
}

// A UTF-8 byte-order mark, which editors on Windows may put at the start of a
// text file. It is not part of the text: the parser skips one at the start.
inline constexpr std::string_view kBom = "\xEF\xBB\xBF";

// ===== 3. The analyser =====================================================

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
// every schema, dependency, side list and the universe it creates;
// VesztesegetKeres frees the dependencies and their sides once the chase's
// rules are taken from them, when they outnumber the tableau's cells, so
// that the chase reuses their memory (nothing reads them after it).
class Vesztes {
    Lista dekomp;
    std::ifstream inp;
    matrix<int>* ma = nullptr;  // the tableau: initial after parsing, final after the chase
    cLista* attrib = nullptr;
    lista<fuggoseg*> fugg;

    // The input's text as read (CR LF as one line feed), the one the verdict
    // is about and the result file copies: as long as the input file.
    std::string szoveg;
    std::array<int, 256> oszlop{};  // each byte's tableau column; -1 if no attribute
    long long osszevonasok = 0;     // chase: class merges made, joins of the zero class too
    long long probak = 0;           // chase: rows looked up in a dependency's table
    long long menetesek = 0;        // chase: dependency groups that went to passes

    // The bytes that occur in some schema.
    using Ismert = std::array<bool, 256>;
    void Felszabadit();
    void FuggosegekTorlese();  // the dependencies and their sides
    void Beolvas();
    std::size_t Felbontas(std::size_t p, Ismert& ismert);
    void Fuggosegek(std::size_t p);
    void AttributumEllenorzes(const Ismert& ismert);
    void Tablazat();
    int Oszlop(char c) const { return oszlop[static_cast<unsigned char>(c)]; }
    // The distinct columns of a dependency side, ascending.
    std::vector<int> Oszlopok(cLista* oldal) const;
    // For each row, the row of the second of its schema's rows when it is a
    // third or later one (a twin the chase folds), else -1.
    std::vector<int> Ikrek() const;

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

// ===== 4. Parser and tableau ===============================================

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

// Reads the whole file once, then parses the text. Ends the process with its
// message when the file cannot be opened or read, or is not a file of the
// supported form (empty, decomposition not closed by an empty line, a
// dependency naming an attribute no schema has).
// The analyser's interface takes file names by value.
// cppcheck-suppress passedByValue
inline Vesztes::Vesztes(std::string nev) {
    if (!Megnyit(inp, nev)) Leallas("Hiba a fajl megnyitasanal!", Varas::Lathato);
    const bool olvasva = Beolvasas(inp, szoveg);
    inp.close();
    if (!olvasva) Leallas("Hiba az inputfajl olvasasanal!");
    try {
        Beolvas();
    } catch (...) {
        Felszabadit();
        throw;
    }
}

inline Vesztes::~Vesztes() { Felszabadit(); }

inline void Vesztes::Felszabadit() {
    for (dekomp.Begin(); !dekomp.End(); dekomp.Next()) delete dekomp.Current();
    dekomp.Torol();
    FuggosegekTorlese();
    delete attrib;
    attrib = nullptr;
    delete ma;
    ma = nullptr;
}

inline void Vesztes::FuggosegekTorlese() {
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        delete fugg.Current()->x;
        delete fugg.Current()->y;
        delete fugg.Current();
    }
    fugg.Torol();
}

// The text after one leading byte-order mark: decomposition, empty line,
// dependencies; then the tableau.
inline void Vesztes::Beolvas() {
    attrib = new cLista;
    Ismert ismert{};
    std::size_t p = szoveg.compare(0, kBom.size(), kBom) == 0 ? kBom.size() : 0;
    if (p == szoveg.size()) Leallas("Hiba: az inputfajl ures!");
    p = Felbontas(p, ismert);
    attrib->Sort();
    Fuggosegek(p);
    AttributumEllenorzes(ismert);
    Tablazat();
}

// The decomposition from position p (not the end): one schema per line,
// commas dropped except as the first character of a later line, up to the
// first empty line. Returns the position after that line. The end of the
// text inside the section is an error: only an empty line closes it.
inline std::size_t Vesztes::Felbontas(std::size_t p, Ismert& ismert) {
    auto Kovetkezo = [&] {
        if (++p == szoveg.size()) Leallas("Hiba: a felbontas utan hianyzik az ures sor!");
        return szoveg[p];
    };
    auto Attributum = [&](cLista* sema, char c) {
        sema->Betesz(c);
        bool& volt = ismert[static_cast<unsigned char>(c)];
        if (!volt) attrib->Betesz(c);
        volt = true;
    };
    cLista* sema = vesztes_reszletek::Felvesz(dekomp);
    for (char ch = szoveg[p];; ch = Kovetkezo()) {
        if (ch == ',') continue;
        if (ch != '\n') {
            Attributum(sema, ch);
            continue;
        }
        ch = Kovetkezo();
        if (ch == '\n') return p + 1;
        sema = vesztes_reszletek::Felvesz(dekomp);
        Attributum(sema, ch);
    }
}

// Dependencies from position p to the end: up to the first '>' the left
// side, then the right side; '-' and ',' are dropped; every line feed starts
// a new dependency, so there is always at least one.
inline void Vesztes::Fuggosegek(std::size_t p) {
    auto UjFuggoseg = [&] {
        fuggoseg* f = vesztes_reszletek::Felvesz(fugg);
        f->x = new cLista;
        f->y = new cLista;
        return f;
    };
    fuggoseg* tfugg = UjFuggoseg();
    bool tox = true;
    for (; p < szoveg.size(); ++p) {
        const char ch = szoveg[p];
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
}

// An attribute that no schema has would have no column in the tableau.
inline void Vesztes::AttributumEllenorzes(const Ismert& ismert) {
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        for (cLista* oldal : {fugg.Current()->x, fugg.Current()->y})
            for (oldal->Begin(); !oldal->End(); oldal->Next())
                if (!ismert[static_cast<unsigned char>(oldal->Current())])
                    Leallas("Hiba: ismeretlen attributum a fuggosegekben!");
    }
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

// ===== 5. The chase ========================================================

namespace vesztes_reszletek {

// The chase run as a closure over classes of rows, in the spirit of
// congruence closure: work is done where something changed, not in passes,
// as long as that work stays within budgets; beyond them a group falls back
// to passes of the grouped chase.
//
// Classes. In every column each row belongs to one class, and the rows of a
// class hold one symbol there. A cell's class is
//   - the column's zero class (the distinguished symbol, code 0) when its bit
//     in nulla_ is set;
//   - else a pooled class, a class of two or more rows, when the column's
//     bit in the row's kozos_oszlopok_ mask is set: its id is the cell's
//     entry in osztaly_, one of its rows' numbers plus one;
//   - else the singleton class of its row r, with no storage at all.
// Id() names a cell's class as one int: 0, a pooled class's id, or r + 1
// for a singleton; no two classes of a column share one. Only pooled cells'
// osztaly_ entries are ever written.
//   (O1) A class's code is the smallest initial code among its rows: 0, or
//        the smallest row's number plus one. It is not kept: Kiir works it
//        out at the end, and it is the code the final tableau shows.
//   (O2) The rows of a pooled class form a ring through Kov(), kept in the
//        chased rows' cells of the caller's tableau, whose initial contents
//        are in nulla_ from the start; nothing else lists rows. The row
//        whose number plus one is the class's id is in it.
//   (O3) Classes only ever merge. Of two non-zero classes the rows of the
//        smaller move into the larger; a class meeting the zero class moves
//        into it. So a row changes class O(log n) times in a column and
//        joins its zero class at most once.
//   (O4) kozos_sorok_ has a bit for each row whose kozos_oszlopok_ mask is
//        not empty, and nemegyedi_ a bit for each cell whose class is not a
//        singleton (the zero class included). Athelyez writes them where a
//        row moves, and Nullasok for the rows it moves a word at a time.
//
// Dependency groups. Dependencies with the same left-side columns X form one
// group whose right side Y is the union of theirs, less X. A row's signature
// for a group is its class ids in X: two rows agree on X exactly when their
// signatures are equal. A row with a singleton class in some X column agrees
// with no other row: it is ineligible. The eligible rows are of two kinds:
// the all-zero signature, and (Tablaba) the others, with a pooled class in
// some X column. A group is incremental or, once its work outgrows its
// budget (B1-B3), in passes, for good.
//
// Incremental groups.
//   (Z)  The rows with the all-zero signature are found by AND-ing the zero
//        bitsets of X, the column with the fewest zero rows (nulla_db_)
//        first; a zero visit (Latogat) makes them agree on Y. A group
//        is visited first at the start, then again only if a row has joined
//        the zero class of one of its X columns since its last visit began:
//        the column is marked with the visit number of its last join, and
//        groups visited before it are queued.
//   (T1) The group's table holds one representative row for each signature
//        of the second kind that some row has, and nothing else. Entries are
//        placed by their signature's hash, kept with them; a signature is
//        erased just before its rows change class.
//   (T2) Every row of the second kind has been made to agree on Y with its
//        signature's representative, or a work item will do it. A row is
//        looked up in a group's table when one of its X classes has changed;
//        a row with no pooled class at all (kozos_sorok_) has no signature of
//        the second kind, so joining a zero class costs it two bits.
// Groups in passes. Such a group has no table and is no longer told of
// moves. A pass visits, in group order, each group one of whose X columns
// has had a move (modosult_) since its last visit began: the rows with the
// all-zero signature as in (Z); the others with no singleton class in X
// (from the sparsest X column's list ritka_, or the AND of nemegyedi_) are
// grouped by signature in a table built for the visit, and each is made to
// agree on Y with the first row of its signature.
//   (P1) Past a group's first visit in passes, a row and its signature's
//        representative are compared over Y only if one of them has moved
//        in an X column since the previous pass began (mozdult_, for groups
//        whose Y has more than four columns); the first row that has not
//        moved becomes the representative. Neither moving since the group's
//        last visit, they held this signature then, both already eligible
//        (a row becomes so by a move: Athelyez, or a zero join a word at a
//        time, which leaves it without a pooled class, so ineligible or
//        all-zero); the visit made both agree with that signature's first
//        row, and classes never part. A group skipped in the previous pass
//        had no move in X since its last visit up to its turn there.
//
// The fixed point. When no group is queued, no column is marked, no work
// item is left and no group in passes has a changed X column, every
// dependency holds: by (Z), (T1) and (T2) rows agreeing on some X agree on Y
// with one representative, so with each other. Only merges that the plain
// pass loop also makes are made, and codes follow (O1), so the final tableau
// is the plain loop's.
//
// Budgets, each checked where its label stands:
//   (B1) The incremental work a group causes (its zero visits, the moves
//        that look at it, its lookups, its work items, the marks that reach
//        it) is charged to it. Past 2 (|X| + |Y| + 1) (s + 8), twice the
//        lookups of one pass visit of it, for s the rows in nemegyedi_ of
//        its sparsest X column, it goes to passes. The budget is worked out
//        again, as s grows, before the group goes. The charges of its work
//        items and of its erasures are not checked where they are made:
//        its next checked charge (Terhel) counts them.
//   (B2) The slots of all group tables stay within kvota_ =
//        2 (n + m + L) + n m / 64 + 1024; a group whose table would pass it
//        goes to passes.
//   (B3) egyeztet_ holds at most sor_korlat_ = 2 (n + m + L) + 1024 work
//        items; a group that would add one to a full queue goes to passes.
//   (B4) kesobb_ holds at most halasztas_korlat_ = min(sor_korlat_,
//        n m / 8 + 65536) deferred merges, 1.5 bytes a cell and 768 KB, as
//        many groups can ask for one merge each; a merge that finds it full
//        is made at once.
//   (B5) A zero visit is charged a row's lookup for every eight words of
//        bitsets it reads (Szavak).
//   (B6) A column lists its rows in nemegyedi_ (ritka_) while they are at
//        most max(8, ceil(n / 64)); past that it gives the list up for good.
//   (B7) A pass visit's table has fewer than 4 d slots for its d <= n rows.
// So by (B1) and (B5) the incremental work of a group is its budget, twice
// a pass visit of it, plus the charges that cross it before its next check:
// a zero visit, one lookup, and the work items and erasures since the check
// before, each |X| or |Y| and each following a checked lookup or move. (B2)-(B4) and (B6)-(B7)
// bound the memory below. A pass visit reads one list or bitset per X column (B6), hashes and
// compares its d rows over X, makes at most two comparisons over Y for each row that (P1) lets
// through, and merges over Y; a move lets a row through in at most two visits of a group, those
// of the pass it is made in and of the next. A pass that visits a group follows a move since
// that group's last visit, so every pass but the last follows a move, and by (O3) there are at most
// n m (log n + 1) moves.
//
// Sizes, for n rows, m columns, g groups and L, the total length of the
// dependencies' sides (words are 64 bits):
//   osztaly_            n m ints, column by column; only pages of pooled
//                       cells are touched
//   the rings (O2)      none: the tableau's own cells
//   nulla_, nemegyedi_  m ceil(n / 64) words each
//   ritka_              m max(8, ceil(n / 64)) ints at most (B6)
//   kozos_oszlopok_     4 words a row; kozos_sorok_ 1 bit a row
//   nullas_sorok_       ceil(n / 64) words
//   Kiir                2 (n + 1) words
//   group tables        slots of all tables <= kvota_ (B2), one word a slot
//   pass visit          seged_tabla_ < 4 n slots (B7); menet_sorai_, kevert_,
//                       ujjak_ and parok_ n each at most
//   mozdult_, korszak_  2 ceil(m / 64) words and an int a row, once a group
//                       with more than four Y columns is in passes (P1)
//   egyeztet_           <= sor_korlat_ items (B3)
//   kesobb_             <= halasztas_korlat_ items (B4)
//   hasznalo_           L ints; varo_, menetesek_ g ints each; utana_ at
//                       most g
//   csoportok_          its sides L ints, 96 bytes a group; allapot_ 64
//                       bytes a group; while they are formed, the rules
//                       (L ints, 2 words a dependency) and 2 to 4 slots of
//                       8 bytes a dependency
//   per column          oszlop_jelolt_, valtozott_, modosult_,
//                       nemegyedi_db_, nulla_db_, elhagyott_,
//                       jelolt_oszlopok_: m each
// No structure is indexed by row and group. The caller's twin folding adds
// 6 words a row (the schema masks and row maps) and no copy of the tableau.

// For the tests only: signatures then hash to one of four values, so that
// collisions, long probe runs, runs that wrap around and deletions in the
// tables are exercised on small inputs. The program never sets it.
inline bool egyforma_ujjlenyomat = false;
// For the tests only: budgets of a few units for every other group and for
// the tables and queues, so that groups give their tables up early and at
// every stage of a run. The program never sets it.
inline bool kis_keretek = false;

// Bits in a word of the bitsets.
constexpr std::size_t kSzo = 64;

class Uldozes {
  public:
    // The dependencies' left- and right-side columns, each side ascending
    // and distinct, one after the other in one array: a million small
    // dependencies take 4 bytes a column and 16 a dependency, not two
    // vectors each.
    class Szabalyok {
      public:
        void Hozzaad(const std::vector<int>& bal, const std::vector<int>& jobb) {
            oszlopok_.insert(oszlopok_.end(), bal.begin(), bal.end());
            hatar_.push_back(oszlopok_.size());
            oszlopok_.insert(oszlopok_.end(), jobb.begin(), jobb.end());
            hatar_.push_back(oszlopok_.size());
        }
        std::size_t Db() const { return (hatar_.size() - 1) / 2; }
        std::size_t Hossz() const { return oszlopok_.size(); }  // L
        // Dependency i's left side (jobb false) or right side.
        const int* Eleje(std::size_t i, bool jobb) const {
            return oszlopok_.data() + hatar_[2 * i + (jobb ? 1 : 0)];
        }
        const int* Vege(std::size_t i, bool jobb) const {
            return oszlopok_.data() + hatar_[2 * i + (jobb ? 2 : 1)];
        }

      private:
        std::vector<int> oszlopok_;
        std::vector<std::size_t> hatar_{0};  // where each side begins, and the end
    };

    // A set of columns, one bit each: a tableau has at most 256 columns.
    static constexpr std::size_t kMaszkSzavak = 256 / kSzo;
    using Maszk = std::array<std::uint64_t, kMaszkSzavak>;
    static bool Bit(const Maszk& mk, int c) {
        return (mk[static_cast<std::size_t>(c) / kSzo] >> (static_cast<std::size_t>(c) % kSzo) &
                1) != 0;
    }
    static void Beallit(Maszk& mk, int c, bool be) {
        const std::uint64_t bit = std::uint64_t{1} << (static_cast<std::size_t>(c) % kSzo);
        std::uint64_t& szo = mk[static_cast<std::size_t>(c) / kSzo];
        szo = be ? szo | bit : szo & ~bit;
    }
    static bool Metszi(const Maszk& a, const Maszk& b) {
        std::uint64_t x = 0;
        for (std::size_t w = 0; w < kMaszkSzavak; ++w) x |= a[w] & b[w];
        return x != 0;
    }
    static bool Ures(const Maszk& a) {
        std::uint64_t x = 0;
        for (std::uint64_t w : a) x |= w;
        return x == 0;
    }

    // The chase of the rows sorok of t, ascending: chased row j is t's row
    // sorok[j]. Only whether its cells are 0 is read; from then on the
    // chased rows' cells are the chase's own, and t must outlive it.
    Uldozes(matrix<int>& t, std::vector<int> sorok, const Szabalyok& szabalyok);

  private:
    // Construction.
    void NullakBe();
    // Groups by left side, in the order the left sides first occur.
    // Right-side columns on the left already agree and are left out, and a
    // dependency left with no right side is dropped before it can place a
    // group ahead of the dependencies that change something.
    void CsoportokKepzese(const Szabalyok& szabalyok);
    // Each group's right side ascending and distinct.
    void CsoportokSzukitese();
    void AllapotokBe();

  public:
    // Runs the chase to its fixed point and writes the final codes into the
    // chased rows of t: 0, or the number plus one of the chased row with the
    // smallest number in the class (O1). Other rows of t are left as they are.
    void Futtat();

    long long Osszevonasok() const { return osszevonasok_; }  // class merges, zero joins too
    long long Probak() const { return probak_; }              // rows looked up in a table
    long long Menetesek() const { return static_cast<long long>(menetesek_.size()); }

  private:
    struct Bejegyzes {
        int sor = -1;           // the representative row; -1: empty slot
        std::uint32_t ujj = 0;  // its signature's hash
    };
    struct Csoport {
        std::vector<int> bal;
        std::vector<int> jobb;
        std::vector<Bejegyzes> tabla;  // open addressing, linear probing (T1)
        std::size_t nullasok = 0;      // rows with the all-zero signature at the last visit
        bool varakozik = false;        // in varo_
        long long latott = 0;          // the visit number of its last visit; 0: none yet
    };
    // What a move reads of a group, in one cache line.
    struct alignas(64) Allapot {
        Maszk bal{};            // the columns X
        std::size_t db = 0;     // entries in the table
        long long koltseg = 0;  // incremental work charged (B1)
        long long keret = 0;    // the charge past which it goes to passes (B1)
        int hossz = 0;          // |X|
        bool menetben = false;  // in passes, for good
    };
    static_assert(sizeof(Allapot) == 64);
    // Rows a and b agree on group csoport's X, so must agree on its Y.
    struct Munka {
        int csoport;
        int a;
        int b;
    };
    // Rows a and b must be one class in column oszlop; neither is zero there.
    struct Halasztott {
        int oszlop;
        int a;
        int b;
    };

    // The run loop.
    // Incremental work until none is left.
    void Terjeszt();
    // Carries out egyeztet_; merges of two non-zero classes go to kesobb_.
    void Egyeztet();
    void Sorba(int gi);
    // A row joined column c's zero class: groups over c are to look again.
    void Jelol(int c);
    // The final codes into t.
    void Kiir();

    // Classes and rings.
    std::size_t Cella(int r, int c) const {
        return static_cast<std::size_t>(c) * n_ + static_cast<std::size_t>(r);
    }
    std::size_t Szo(int r, int c) const {
        return static_cast<std::size_t>(c) * szavak_ + static_cast<std::size_t>(r) / kSzo;
    }
    static std::uint64_t Maszkbit(int r) {
        return std::uint64_t{1} << (static_cast<std::size_t>(r) % kSzo);
    }
    bool Nulla(int r, int c) const { return (nulla_[Szo(r, c)] & Maszkbit(r)) != 0; }
    // Whether row r's class in column c is pooled.
    bool Kozos(int r, int c) const { return Bit(kozos_oszlopok_[static_cast<std::size_t>(r)], c); }
    int Id(int r, int c) const {
        if (Nulla(r, c)) return 0;
        if (Kozos(r, c)) return osztaly_[Cella(r, c)];
        return r + 1;
    }
    // The next row of row r's pooled class in column c (O2).
    int& Kov(int r, int c) { return t_(sorok_[static_cast<std::size_t>(r)], c); }
    // Calls f(r) for each row r of row a's class in column c, a first; the
    // next row is read before f, which may move r. A row without a pooled
    // class is a ring of its own.
    template <typename F>
    void GyuruBejar(int c, int a, F f);
    // Splices the rings of rows a and b in column c into one (O2).
    void GyuruketOsszefuz(int c, int a, int b) { std::swap(Kov(a, c), Kov(b, c)); }
    // The word of the last bitset word that holds rows: the bits past n_ clear.
    std::uint64_t Vegszo(std::size_t w) const {
        return w + 1 == szavak_ && n_ % kSzo != 0 ? (std::uint64_t{1} << (n_ % kSzo)) - 1
                                                  : ~std::uint64_t{0};
    }
    // Row r, not in nemegyedi_ in column c, joins it (O4).
    void NemegyediBe(int r, int c) {
        NemegyediBeSzo(c, static_cast<std::size_t>(r) / kSzo, Maszkbit(r));
    }
    // The rows of word w that are set in uj join nemegyedi_ in column c;
    // none is in it.
    void NemegyediBeSzo(int c, std::size_t w, std::uint64_t uj);
    void RitkaBe(std::size_t i, int r);
    // Rows a and b become one class in column c.
    void Osszevon(int c, int a, int b);
    // Whether row a's class in column c has no more rows than row b's;
    // neither is zero. The rings are walked side by side: O(the smaller).
    bool NemNagyobb(int c, int a, int b);
    // Every row of row a's class in column c joins the zero class.
    void Nullaba(int c, int a);
    // Row r moves into class hova (0 or a pooled class's id) in column c,
    // keeping (T1) and (T2) for every incremental group whose left side has c.
    void Athelyez(int r, int c, int hova);
    // Calls f(gi) for each incremental group gi whose left side has column
    // c, charging each one unit (B1); groups in passes, or sent there by the
    // charge, leave c's list.
    template <typename F>
    void Hasznalok(int c, F f);
    bool Egyeznek(int a, int b, const std::vector<int>& oszlopok) const;
    // Whether row r's signature for group gi is of the second kind.
    bool Tablaba(int gi, int r) const;

    // Group tables (T1), and the pass visit's table.
    static constexpr std::uint64_t kKezdet = 0x9E3779B97F4A7C15ULL;
    // A start for the signatures' hashes drawn anew for every run, so that
    // no input can choose class ids whose signatures share one probe run.
    static std::uint64_t Mag();
    static std::uint64_t Kever(std::uint64_t h, int id) {
        constexpr std::uint64_t kSzorzo = 0xFF51AFD7ED558CCDULL;
        constexpr unsigned kEltolas = 33;
        h ^= static_cast<std::uint32_t>(id);
        h *= kSzorzo;
        return h ^ (h >> kEltolas);
    }
    static std::uint32_t Vegso(std::uint64_t h) {
        return static_cast<std::uint32_t>(egyforma_ujjlenyomat ? h & 3 : h);
    }
    // Id() inlined into it (flatten): else GCC calls Id from the moves'
    // lookups, 1.3% more instructions on the family ismetlodo (callgrind).
    [[gnu::flatten]] std::uint32_t Ujjlenyomat(const std::vector<int>& bal, int r) const;
    // The slot of the entry whose hash is ujj and whose row egyenlo accepts,
    // or the empty slot where it belongs, in a table of maszk + 1 slots that
    // is never empty here and never more than half full. Both kept inline:
    // called through them, GCC stops inlining the lookups into the moves, 5%
    // more instructions on the family kozos_oszlop. The slots and the mask
    // come as values, so that they stay in registers across egyenlo: 3%
    // fewer on sok_tabla (callgrind).
    template <typename Egyenlo>
    [[gnu::always_inline]] static std::size_t Hely(const Bejegyzes* tabla, std::size_t maszk,
                                                   std::uint32_t ujj, Egyenlo egyenlo);
    // The slot of row r's signature in group g's table.
    [[gnu::always_inline]] std::size_t Hely(const Csoport& g, int r, std::uint32_t ujj) const;
    static void Bovit(std::vector<Bejegyzes>& tabla, std::size_t meret);
    // Erases the entry with row r's signature; false if there is none.
    bool Torol(int gi, int r);
    // Row r of the second kind joins its signature's entry, as its
    // representative or with a work item (T2).
    void Probal(int gi, int r);

    // Zero visits (Z).
    void Latogat(int gi);
    void Nullasok(Csoport& g);
    // The rows with group g's all-zero signature into nullas_sorok_; their
    // number, and the first of them in elso.
    std::size_t NullasSorok(const Csoport& g, int& elso);
    // The rows of nullas_sorok_ are made one class in column c of Y. Kept
    // inline: as a function of its own it changes how GCC inlines the whole
    // propagation, 16% more instructions on the family hosszu_sor (callgrind).
    [[gnu::always_inline]] void NullasokEgyeztetese(int c, int elso);
    // What a zero visit's work on the bitsets is charged (B5): a row's
    // lookup costs about as much as eight words of bitsets.
    long long Szavak(const Csoport& g) const {
        return static_cast<long long>(szavak_ * (g.bal.size() + g.jobb.size() + 1) / 8);
    }

    // Budgets.
    // Twice what a pass visit of group gi would cost now (B1).
    long long Keret(int gi) const;
    // Charges work to group gi; false if it has gone to passes.
    bool Terhel(int gi, long long munka) {
        Allapot& a = allapot_[static_cast<std::size_t>(gi)];
        a.koltseg += munka;
        return a.koltseg <= a.keret || KeretenBelul(gi);
    }
    // Whether group gi is within its budget worked out anew; if not, it goes
    // to passes.
    bool KeretenBelul(int gi);
    // Group gi gives its table up and goes to passes.
    void MenetbeKuld(int gi);

    // Pass visits.
    // A pass over the groups in passes; false if none needed a visit.
    bool Menet();
    // Row r moves in column c: it is noted in its current pass's columns.
    // Out of line: inlined into Athelyez, it costs the moves 3% more
    // instructions on the family hosszu_sor, which has no passes (callgrind).
    void Mozdul(int r, int c);
    // Whether row r has moved in one of the columns bal since the previous
    // pass began.
    bool Mozdult(int r, const Maszk& bal) const;
    // Whether group g's pass visits compare every row with its signature's
    // first one over Y: a right side so short costs less than looking up
    // the two rows' moves, which are kept only once a group with a longer
    // one is in passes.
    static bool MindenParSzamit(const Csoport& g) {
        return g.jobb.size() <= (kis_keretek ? 0U : 4U);
    }
    bool Piszkos(int gi) const;
    // A pass visit of group gi.
    void Attekint(int gi);
    // The visit's rows into menet_sorai_: those with a pooled class in X
    // and no singleton there; their number.
    std::size_t MenetSorai(const Csoport& g);
    // Groups the visit's d rows by signature (B7), leaving in parok_ each
    // row that does not agree on Y with its signature's representative, with
    // it. Past the group's first visit in passes (elso) two rows are compared
    // over Y only if one of them has moved in an X column (bal) since (P1).
    void MenetParjai(const Csoport& g, const Maszk& bal, std::size_t d, bool elso);
    // Row r and its signature's representative s, past the group's first
    // visit (P1): compared over Y if either has moved in X, with the pair
    // left in parok_ if they differ; the representative from now on.
    // Out of line: in the visit's loop it cost 1.2% more instructions on
    // the family sok_tabla, whose groups have one Y column (callgrind).
    int MozdultPar(const Csoport& g, const Maszk& bal, int r, int s);
    // The signatures' hashes of the visit's d rows into ujjak_.
    void MenetUjjlenyomatok(const Csoport& g, std::size_t d);
    // Whether rows a and b, neither a singleton in X, agree on X.
    bool NemEgyediekEgyeznek(int a, int b, const std::vector<int>& bal) const;

    // The invariant checker of test builds; nothing otherwise. nyugvo: no
    // work is left, so (T2) holds without work items.
#ifdef VESZTES_ELLENORZES
    // Where the chase breaks an invariant: its label, and an end at once, so
    // that the fault shows where it happens, not only in a wrong tableau.
    static void Elvart(bool all, const char* mi);
    void Ellenoriz(bool nyugvo) const;
    void BitekEllenorzese() const;            // (O4), (B6), the counts of nemegyedi_
    void GyuruEllenorzes() const;             // (O2)
    void TablaEllenorzes(bool nyugvo) const;  // (T1), (T2), (B1)-(B4), the counts of the tables
    // At the fixed point, for tableaux of modest size: every dependency holds.
    void FixpontEllenorzes() const;
#else
    void Ellenoriz(bool) const {}
    void FixpontEllenorzes() const {}
#endif

    // Position of the lowest set bit of a non-zero word.
    static std::size_t AlsoBit(std::uint64_t w) {
#if defined(__GNUC__) || defined(__clang__)
        return static_cast<std::size_t>(__builtin_ctzll(w));
#else
        std::size_t k = 0;
        for (; (w & 1) == 0; w >>= 1) ++k;
        return k;
#endif
    }
    static std::size_t Bitek(std::uint64_t w) {
        w -= (w >> 1) & 0x5555555555555555ULL;
        w = (w & 0x3333333333333333ULL) + ((w >> 2) & 0x3333333333333333ULL);
        w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return static_cast<std::size_t>((w * 0x0101010101010101ULL) >> 56);
    }

    matrix<int>& t_;
    std::vector<int> sorok_;  // chased row: its row in t_
    std::size_t n_;
    std::size_t m_;
    std::size_t szavak_;  // words of a bitset over the rows
    std::uint64_t mag_;   // Mag(): the start of every signature's hash

    // row x column, like the tableau; left unset but for pooled cells
    std::unique_ptr<int[]> osztaly_;
    // row
    std::vector<Maszk> kozos_oszlopok_;       // columns where the row's class is pooled
    std::vector<std::uint64_t> kozos_sorok_;  // bitset of rows with a pooled class (O4)
    // column x word
    std::vector<std::uint64_t> nulla_;      // rows of the zero class
    std::vector<std::uint64_t> nemegyedi_;  // rows whose class is not a singleton (O4)
    // column
    std::vector<std::vector<int>> hasznalo_;  // incremental groups whose left side has it;
                                              // groups in passes leave when met
    std::vector<bool> oszlop_jelolt_;         // a row joined the zero class since marking
    std::vector<long long> valtozott_;        // visit number of the last zero join
    std::vector<long long> modosult_;         // visit number of the last move
    std::vector<std::size_t> nemegyedi_db_;   // rows in nemegyedi_
    std::vector<std::size_t> nulla_db_;       // rows in nulla_
    // The rows in nemegyedi_ as a list while they are few (B6); a column
    // that has had more has none.
    std::vector<std::vector<int>> ritka_;
    std::vector<bool> elhagyott_;  // the column's list was given up
    std::size_t ritka_korlat_ = 0;
    // group
    std::vector<Csoport> csoportok_;
    std::vector<Allapot> allapot_;

    std::vector<int> varo_;  // groups waiting for a visit, first in first out from elol_
    std::size_t elol_ = 0;
    std::vector<int> jelolt_oszlopok_;  // the columns marked (oszlop_jelolt_)
    std::vector<Munka> egyeztet_;
    std::vector<Halasztott> kesobb_;
    std::vector<int> utana_;                   // Athelyez: groups to probe once the row has moved
    std::vector<std::uint64_t> nullas_sorok_;  // zero visit: rows with the all-zero signature
    std::vector<int> menetesek_;               // the groups in passes
    int menetszam_ = 0;                        // passes begun
    std::size_t maszk_szavak_ = 0;             // words of a column set: ceil(m / 64)
    // Row by row, from the first pass on: its columns with a move in pass
    // korszak_ - 1, then in pass korszak_, maszk_szavak_ words each (a pass
    // includes the incremental work after it).
    std::vector<std::uint64_t> mozdult_;
    std::vector<int> korszak_;                // per row: the pass of its last move
    std::vector<int> menet_sorai_;            // pass visit: its rows, then
    std::vector<Bejegyzes> seged_tabla_;      // their signatures' first rows,
    std::vector<std::uint64_t> kevert_;       // their hashes being mixed,
    std::vector<std::uint32_t> ujjak_;        // their hashes, then slots,
    std::vector<std::pair<int, int>> parok_;  // and the rows to make agree
    std::size_t foglalt_ = 0;                 // slots of all group tables (B2)
    std::size_t kvota_ = 0;
    std::size_t sor_korlat_ = 0;
    std::size_t halasztas_korlat_ = 0;
    long long latogatasok_ = 0;  // visits begun
    long long osszevonasok_ = 0;
    long long probak_ = 0;
};

}  // namespace vesztes_reszletek

// The chase. Its contract is the plain pass loop's: passes over every
// dependency and every pair of rows, until a pass changes nothing; rows that
// agree on a left side are made to agree on the right side, the larger code
// giving way to the smaller one everywhere in the column. Codes only ever
// merge and a merged class keeps its smallest code, so the final tableau is
// the least fixed point and does not depend on the order of the merges:
// Uldozes reaches the same tableau, code for code, doing only the work that
// changes make necessary.
//
// Rows of one schema (the same set of attributes) are twins: swapping two of
// them maps the initial tableau onto itself, and so the final one. In every
// column twins are therefore either all in one class, which then holds the
// first of them, or each alone with its own code; and a third twin agrees
// with another row exactly when the second does. So the chase runs on the
// first two rows of each schema only, and every later twin takes the second
// one's code, or its own where the second one is alone.
inline void Vesztes::VesztesegetKeres() {
    using vesztes_reszletek::Uldozes;
    Uldozes::Szabalyok szabalyok;
    for (fugg.Begin(); !fugg.End(); fugg.Next()) {
        std::vector<int> jobb = Oszlopok(fugg.Current()->y);
        // A dependency with an empty right side never changes anything.
        if (jobb.empty()) continue;
        szabalyok.Hozzaad(Oszlopok(fugg.Current()->x), jobb);
    }
    const int n = ma->rows();
    const int m = ma->cols();
    // A list node takes about eight times the memory of the rule's column
    // number: where the dependencies' sides outnumber the tableau's cells,
    // the chase's groups reuse their memory. Else the allocator's work of
    // taking small freed blocks back is not worth it: 1% more instructions
    // on the families szeles_bal and nulla_hullam (callgrind).
    if (szabalyok.Hossz() > static_cast<std::size_t>(n) * static_cast<std::size_t>(m))
        FuggosegekTorlese();
    const std::vector<int> masodik = Ikrek();
    std::vector<int> megtartott;  // the rows chased, ascending
    for (int r = 0; r < n; ++r)
        if (masodik[static_cast<std::size_t>(r)] < 0) megtartott.push_back(r);

    {
        Uldozes u(*ma, std::move(megtartott), szabalyok);
        szabalyok = Uldozes::Szabalyok();
        u.Futtat();
        osszevonasok = u.Osszevonasok();
        probak = u.Probak();
        menetesek = u.Menetesek();
    }
    for (int r = 0; r < n; ++r) {
        const int mas = masodik[static_cast<std::size_t>(r)];
        if (mas < 0) continue;
        for (int c = 0; c < m; ++c) {
            const int kod = (*ma)(mas, c);
            (*ma)(r, c) = kod == mas + 1 ? r + 1 : kod;
        }
    }
}

// Rows by schema, and in row order within one: its first two are chased.
inline std::vector<int> Vesztes::Ikrek() const {
    using vesztes_reszletek::Uldozes;
    const int n = ma->rows();
    const int m = ma->cols();
    const auto un = static_cast<std::size_t>(n);
    std::vector<Uldozes::Maszk> semak(un, Uldozes::Maszk{});
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < m; ++c)
            if ((*ma)(r, c) == 0) Uldozes::Beallit(semak[static_cast<std::size_t>(r)], c, true);
    std::vector<int> sorrend(un);
    for (int r = 0; r < n; ++r) sorrend[static_cast<std::size_t>(r)] = r;
    std::stable_sort(sorrend.begin(), sorrend.end(), [&](int a, int b) {
        return semak[static_cast<std::size_t>(a)] < semak[static_cast<std::size_t>(b)];
    });
    std::vector<int> masodik(un, -1);  // a later twin: the row of the second one
    for (std::size_t i = 2; i < un; ++i)
        if (semak[static_cast<std::size_t>(sorrend[i])] ==
            semak[static_cast<std::size_t>(sorrend[i - 2])])
            masodik[static_cast<std::size_t>(sorrend[i])] =
                masodik[static_cast<std::size_t>(sorrend[i - 1])] >= 0
                    ? masodik[static_cast<std::size_t>(sorrend[i - 1])]
                    : sorrend[i - 1];
    return masodik;
}

// --- construction

inline vesztes_reszletek::Uldozes::Uldozes(matrix<int>& t, std::vector<int> sorok,
                                           const Szabalyok& szabalyok)
    : t_(t),
      sorok_(std::move(sorok)),
      n_(sorok_.size()),
      m_(static_cast<std::size_t>(t.cols())),
      szavak_((n_ + kSzo - 1) / kSzo),
      mag_(Mag()),
      osztaly_(new int[n_ * m_]),
      kozos_oszlopok_(n_, Maszk{}),
      kozos_sorok_(szavak_, 0),
      nulla_(m_ * szavak_, 0),
      nemegyedi_(m_ * szavak_, 0),
      hasznalo_(m_),
      oszlop_jelolt_(m_, false),
      valtozott_(m_, 0),
      modosult_(m_, 0),
      nemegyedi_db_(m_, 0),
      nulla_db_(m_, 0),
      ritka_(m_),
      elhagyott_(m_, false),
      ritka_korlat_(std::max<std::size_t>(8, szavak_)),  // (B6)
      menet_sorai_(n_) {
    NullakBe();
    CsoportokKepzese(szabalyok);
    CsoportokSzukitese();
    AllapotokBe();
    const std::size_t alap = 2 * (n_ + m_ + szabalyok.Hossz()) + 1024;
    kvota_ = kis_keretek ? 16 : alap + n_ * m_ / kSzo;                               // (B2)
    sor_korlat_ = kis_keretek ? 4 : alap;                                            // (B3)
    halasztas_korlat_ = kis_keretek ? 4 : std::min(alap, n_ * m_ / 8 + (1U << 16));  // (B4)
}

inline void vesztes_reszletek::Uldozes::NullakBe() {
    for (std::size_t j = 0; j < n_; ++j)
        for (int c = 0; c < t_.cols(); ++c)
            if (t_(sorok_[j], c) == 0) {
                nulla_[Szo(static_cast<int>(j), c)] |= Maszkbit(static_cast<int>(j));
                ++nulla_db_[static_cast<std::size_t>(c)];
                NemegyediBe(static_cast<int>(j), c);
            }
}

// Found by a hash of the left side in an open-addressing table of group
// numbers, 2 to 4 slots a dependency: one comparison of sides a dependency,
// as a rule.
inline void vesztes_reszletek::Uldozes::CsoportokKepzese(const Szabalyok& szabalyok) {
    std::size_t meret = 8;
    while (meret < 2 * szabalyok.Db()) meret *= 2;
    struct Hely {
        int csoport = -1;  // -1: empty
        std::uint32_t ujj = 0;
    };
    std::vector<Hely> helyek(meret);
    std::vector<int> jobb;
    for (std::size_t i = 0; i < szabalyok.Db(); ++i) {
        const int* bal = szabalyok.Eleje(i, false);
        const int* bal_vege = szabalyok.Vege(i, false);
        // Both sides ascending: one merge walk.
        jobb.clear();
        for (const int *k = szabalyok.Eleje(i, true), *b = bal; k != szabalyok.Vege(i, true); ++k) {
            while (b != bal_vege && *b < *k) ++b;
            if (b == bal_vege || *b != *k) jobb.push_back(*k);
        }
        if (jobb.empty()) continue;
        std::uint64_t h = kKezdet;
        for (const int* c = bal; c != bal_vege; ++c) h = Kever(h, *c);
        const auto ujj = static_cast<std::uint32_t>(Kever(h, static_cast<int>(bal_vege - bal)));
        std::size_t j = ujj & (meret - 1);
        for (; helyek[j].csoport >= 0; j = (j + 1) & (meret - 1)) {
            const std::vector<int>& masik =
                csoportok_[static_cast<std::size_t>(helyek[j].csoport)].bal;
            if (helyek[j].ujj == ujj && std::equal(bal, bal_vege, masik.begin(), masik.end()))
                break;
        }
        if (helyek[j].csoport < 0) {
            helyek[j] = Hely{static_cast<int>(csoportok_.size()), ujj};
            csoportok_.emplace_back();
            csoportok_.back().bal.assign(bal, bal_vege);
        }
        std::vector<int>& g = csoportok_[static_cast<std::size_t>(helyek[j].csoport)].jobb;
        g.insert(g.end(), jobb.begin(), jobb.end());
    }
}

inline void vesztes_reszletek::Uldozes::CsoportokSzukitese() {
    for (Csoport& g : csoportok_) {
        std::sort(g.jobb.begin(), g.jobb.end());
        g.jobb.erase(std::unique(g.jobb.begin(), g.jobb.end()), g.jobb.end());
        g.jobb.shrink_to_fit();
    }
    csoportok_.shrink_to_fit();
}

inline void vesztes_reszletek::Uldozes::AllapotokBe() {
    allapot_.resize(csoportok_.size());
    for (std::size_t gi = 0; gi < csoportok_.size(); ++gi) {
        const Csoport& g = csoportok_[gi];
        Allapot& a = allapot_[gi];
        a.hossz = static_cast<int>(g.bal.size());
        a.keret = Keret(static_cast<int>(gi));
        for (int c : g.bal) {
            hasznalo_[static_cast<std::size_t>(c)].push_back(static_cast<int>(gi));
            Beallit(a.bal, c, true);
        }
    }
}

// --- the run loop

// Zero classes are spread first: a merge of two non-zero classes that a work
// item asks for waits until nothing else is left, since by then its rows
// have often joined the zero class, and the merge, with the probes it would
// cost, is void. The merges that visits make are made at once.
inline void vesztes_reszletek::Uldozes::Futtat() {
    for (std::size_t gi = 0; gi < csoportok_.size(); ++gi) Sorba(static_cast<int>(gi));
    do {
        Terjeszt();
        Ellenoriz(true);
    } while (Menet());
    FixpontEllenorzes();
    Kiir();
}

inline void vesztes_reszletek::Uldozes::Terjeszt() {
    Egyeztet();
    while (elol_ < varo_.size() || !jelolt_oszlopok_.empty() || !kesobb_.empty()) {
        while (elol_ < varo_.size() || !jelolt_oszlopok_.empty()) {
            while (elol_ < varo_.size()) {
                const int gi = varo_[elol_++];
                csoportok_[static_cast<std::size_t>(gi)].varakozik = false;
                Latogat(gi);
                Egyeztet();
            }
            varo_.clear();
            elol_ = 0;
            for (int c : jelolt_oszlopok_) {
                oszlop_jelolt_[static_cast<std::size_t>(c)] = false;
                // A group whose visit began after the last join has seen it (Z).
                Hasznalok(c, [&](int gi) {
                    if (csoportok_[static_cast<std::size_t>(gi)].latott <=
                        valtozott_[static_cast<std::size_t>(c)])
                        Sorba(gi);
                });
            }
            jelolt_oszlopok_.clear();
        }
        std::vector<Halasztott> most;
        most.swap(kesobb_);
        for (const Halasztott& w : most) {
            Osszevon(w.oszlop, w.a, w.b);
            Egyeztet();
        }
    }
}

inline void vesztes_reszletek::Uldozes::Egyeztet() {
    while (!egyeztet_.empty()) {
        const Munka w = egyeztet_.back();
        egyeztet_.pop_back();
        const auto gi = static_cast<std::size_t>(w.csoport);
        allapot_[gi].koltseg += static_cast<long long>(csoportok_[gi].jobb.size());  // (B1)
        for (int c : csoportok_[gi].jobb) {
            const int ia = Id(w.a, c);
            const int ib = Id(w.b, c);
            if (ia == ib) continue;
            if (ia == 0 || ib == 0 || kesobb_.size() >= halasztas_korlat_)  // (B4)
                Osszevon(c, w.a, w.b);
            else
                kesobb_.push_back(Halasztott{c, w.a, w.b});
        }
    }
}

inline void vesztes_reszletek::Uldozes::Sorba(int gi) {
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    if (g.varakozik || allapot_[static_cast<std::size_t>(gi)].menetben) return;
    g.varakozik = true;
    varo_.push_back(gi);
}

inline void vesztes_reszletek::Uldozes::Jelol(int c) {
    valtozott_[static_cast<std::size_t>(c)] = latogatasok_;
    modosult_[static_cast<std::size_t>(c)] = latogatasok_;
    if (oszlop_jelolt_[static_cast<std::size_t>(c)]) return;
    oszlop_jelolt_[static_cast<std::size_t>(c)] = true;
    jelolt_oszlopok_.push_back(c);
}

// First, column by column, each pooled cell's id becomes the id of its
// class's smallest row, its number plus one (O1); then the codes are written
// 64 rows at a time, so that both the bitsets and the rows of t are read and
// written a cache line at a time. The rings in t are not read any more.
inline void vesztes_reszletek::Uldozes::Kiir() {
    // A pooled class's new id, valid in the column oszlop says.
    std::vector<int> legkisebb(n_ + 1, 0);
    std::vector<std::size_t> oszlop(n_ + 1, m_);
    for (std::size_t c = 0; c < m_; ++c) {
        const std::size_t eleje = c * szavak_;
        for (int menet = 0; menet < 2; ++menet)
            for (std::size_t w = 0; w < szavak_; ++w)
                for (std::uint64_t b = nemegyedi_[eleje + w] & ~nulla_[eleje + w]; b != 0;
                     b &= b - 1) {
                    const std::size_t r = w * kSzo + AlsoBit(b);
                    int& id = osztaly_[c * n_ + r];
                    const auto i = static_cast<std::size_t>(id);
                    if (menet == 1) {
                        id = legkisebb[i];
                    } else if (oszlop[i] != c) {
                        oszlop[i] = c;
                        legkisebb[i] = static_cast<int>(r) + 1;
                    }
                }
    }
    for (std::size_t w = 0; w < szavak_; ++w) {
        const std::size_t vege = std::min(n_, (w + 1) * kSzo);
        for (std::size_t c = 0; c < m_; ++c) {
            const std::uint64_t nulla = nulla_[c * szavak_ + w];
            const std::uint64_t kozosek = nemegyedi_[c * szavak_ + w] & ~nulla;
            for (std::size_t r = w * kSzo; r < vege; ++r) {
                const std::uint64_t bit = std::uint64_t{1} << (r % kSzo);
                int kod = 0;
                if ((nulla & bit) == 0) {
                    const int id =
                        (kozosek & bit) != 0 ? osztaly_[c * n_ + r] : static_cast<int>(r) + 1;
                    kod = sorok_[static_cast<std::size_t>(id - 1)] + 1;
                }
                t_(sorok_[r], static_cast<int>(c)) = kod;
            }
        }
    }
}

// --- classes and rings

template <typename F>
inline void vesztes_reszletek::Uldozes::GyuruBejar(int c, int a, F f) {
    const bool kozos = Kozos(a, c);
    int r = a;
    do {
        const int kov = kozos ? Kov(r, c) : r;
        f(r);
        r = kov;
    } while (r != a);
}

inline void vesztes_reszletek::Uldozes::NemegyediBeSzo(int c, std::size_t w, std::uint64_t uj) {
    const auto i = static_cast<std::size_t>(c);
    nemegyedi_[i * szavak_ + w] |= uj;
    nemegyedi_db_[i] += Bitek(uj);
    for (std::uint64_t b = uj; b != 0 && !elhagyott_[i]; b &= b - 1)
        RitkaBe(i, static_cast<int>(w * kSzo + AlsoBit(b)));
}

inline void vesztes_reszletek::Uldozes::RitkaBe(std::size_t i, int r) {
    if (ritka_[i].size() < ritka_korlat_) {  // (B6)
        ritka_[i].push_back(r);
    } else {
        elhagyott_[i] = true;
        std::vector<int>().swap(ritka_[i]);
    }
}

// Of two non-zero classes the rows of the one with fewer move: a row changes
// class O(log n) times in a column (O3).
inline void vesztes_reszletek::Uldozes::Osszevon(int c, int a, int b) {
    const int ia = Id(a, c);
    const int ib = Id(b, c);
    if (ia == ib) return;
    ++osszevonasok_;
    if (ia == 0 || ib == 0) {
        Nullaba(c, ia == 0 ? b : a);
        return;
    }
    int kis = a;
    int nagy = b;
    if (!NemNagyobb(c, a, b)) std::swap(kis, nagy);
    if (!Kozos(nagy, c)) {
        // Two singletons: the larger one's row becomes a pooled class first.
        Kov(nagy, c) = nagy;
        Athelyez(nagy, c, nagy + 1);
    }
    const int hova = Id(nagy, c);
    if (!Kozos(kis, c)) Kov(kis, c) = kis;
    // A moved row keeps its place in the ring it leaves until the rings join.
    GyuruBejar(c, kis, [&](int r) { Athelyez(r, c, hova); });
    GyuruketOsszefuz(c, kis, nagy);
}

inline bool vesztes_reszletek::Uldozes::NemNagyobb(int c, int a, int b) {
    if (!Kozos(a, c)) return true;
    if (!Kozos(b, c)) return false;
    for (int x = Kov(a, c), y = Kov(b, c);; x = Kov(x, c), y = Kov(y, c)) {
        if (x == a) return true;
        if (y == b) return false;
    }
}

inline void vesztes_reszletek::Uldozes::Nullaba(int c, int a) {
    GyuruBejar(c, a, [&](int r) { Athelyez(r, c, 0); });
    Jelol(c);
}

inline void vesztes_reszletek::Uldozes::Athelyez(int r, int c, int hova) {
    const auto sor = static_cast<std::size_t>(r);
    const bool kozosbol = Kozos(r, c);
    Maszk oszlopai = kozos_oszlopok_[sor];
    Beallit(oszlopai, c, hova != 0);
    const bool kozos_marad = !Ures(oszlopai);
    modosult_[static_cast<std::size_t>(c)] = latogatasok_;
    if (!korszak_.empty()) Mozdul(r, c);
    // Only a row leaving a pooled class can have a table entry to erase, and
    // only a row with a pooled class afterwards can need one. The rows of a
    // signature all hold the same class here and all move: the first of them
    // erases the signature (T1) and probes anew, the others then agree with
    // it through the old representative (T2).
    utana_.clear();
    if (kozosbol || kozos_marad)
        Hasznalok(c, [&](int gi) {
            Allapot& a = allapot_[static_cast<std::size_t>(gi)];
            if (kozosbol && a.db != 0 && Tablaba(gi, r)) {
                a.koltseg += a.hossz;  // (B1)
                if (Torol(gi, r)) utana_.push_back(gi);
            } else if (kozos_marad && Metszi(a.bal, oszlopai)) {
                utana_.push_back(gi);
            }
        });
    kozos_oszlopok_[sor] = oszlopai;
    kozos_sorok_[sor / kSzo] = kozos_marad ? kozos_sorok_[sor / kSzo] | Maszkbit(r)
                                           : kozos_sorok_[sor / kSzo] & ~Maszkbit(r);
    if ((nemegyedi_[Szo(r, c)] & Maszkbit(r)) == 0) NemegyediBe(r, c);
    if (hova == 0) {
        nulla_[Szo(r, c)] |= Maszkbit(r);
        ++nulla_db_[static_cast<std::size_t>(c)];
    } else {
        osztaly_[Cella(r, c)] = hova;
    }
    for (int gi : utana_) Probal(gi, r);
}

template <typename F>
inline void vesztes_reszletek::Uldozes::Hasznalok(int c, F f) {
    std::vector<int>& h = hasznalo_[static_cast<std::size_t>(c)];
    std::size_t marad = 0;
    for (int gi : h) {
        if (allapot_[static_cast<std::size_t>(gi)].menetben || !Terhel(gi, 1)) continue;
        h[marad++] = gi;
        f(gi);
    }
    h.resize(marad);
}

inline bool vesztes_reszletek::Uldozes::Egyeznek(int a, int b,
                                                 const std::vector<int>& oszlopok) const {
    for (int c : oszlopok)
        if (Id(a, c) != Id(b, c)) return false;
    return true;
}

inline bool vesztes_reszletek::Uldozes::Tablaba(int gi, int r) const {
    const Maszk& oszlopai = kozos_oszlopok_[static_cast<std::size_t>(r)];
    if (!Metszi(allapot_[static_cast<std::size_t>(gi)].bal, oszlopai)) return false;
    for (int c : csoportok_[static_cast<std::size_t>(gi)].bal)
        if (!Bit(oszlopai, c) && !Nulla(r, c)) return false;
    return true;
}

// --- group tables

// The random device where there is one, else the clock and an address (ASLR);
// mixed, so that neighbouring seeds give unrelated starts.
inline std::uint64_t vesztes_reszletek::Uldozes::Mag() {
    std::uint64_t m = kKezdet;
    try {
        std::random_device eszkoz;
        m ^= (std::uint64_t{eszkoz()} << 32) ^ eszkoz();
    } catch (const std::exception&) {
        static int hely = 0;
        m ^=
            static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&hely)) ^
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    return Kever(Kever(m, static_cast<int>(m >> 32)), static_cast<int>(m));
}

// A multiplicative mix over the signature's class ids: a per-run start
// (mag_), and the 64-bit finaliser multiplier of MurmurHash3 with its shift
// after every id.
inline std::uint32_t vesztes_reszletek::Uldozes::Ujjlenyomat(const std::vector<int>& bal,
                                                             int r) const {
    std::uint64_t h = mag_;
    for (int c : bal) h = Kever(h, Id(r, c));
    return Vegso(h);
}

template <typename Egyenlo>
inline std::size_t vesztes_reszletek::Uldozes::Hely(const Bejegyzes* tabla, std::size_t maszk,
                                                    std::uint32_t ujj, Egyenlo egyenlo) {
    std::size_t i = ujj & maszk;
    for (; tabla[i].sor >= 0; i = (i + 1) & maszk)
        if (tabla[i].ujj == ujj && egyenlo(tabla[i].sor)) break;
    return i;
}

inline std::size_t vesztes_reszletek::Uldozes::Hely(const Csoport& g, int r,
                                                    std::uint32_t ujj) const {
    return Hely(g.tabla.data(), g.tabla.size() - 1, ujj,
                [&](int s) { return Egyeznek(s, r, g.bal); });
}

// Entries are distinct: each goes to the first empty slot from its hash.
inline void vesztes_reszletek::Uldozes::Bovit(std::vector<Bejegyzes>& tabla, std::size_t meret) {
    std::vector<Bejegyzes> regi(meret);
    regi.swap(tabla);
    const std::size_t maszk = tabla.size() - 1;
    for (const Bejegyzes& e : regi) {
        if (e.sor < 0) continue;
        std::size_t i = e.ujj & maszk;
        while (tabla[i].sor >= 0) i = (i + 1) & maszk;
        tabla[i] = e;
    }
}

inline bool vesztes_reszletek::Uldozes::Torol(int gi, int r) {
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    const std::size_t maszk = g.tabla.size() - 1;
    std::size_t i = Hely(g, r, Ujjlenyomat(g.bal, r));
    if (g.tabla[i].sor < 0) return false;
    // Backward shift: a later entry of the same run moves into the gap
    // unless its own slot lies cyclically after the gap.
    for (std::size_t j = (i + 1) & maszk; g.tabla[j].sor >= 0; j = (j + 1) & maszk) {
        const std::size_t k = g.tabla[j].ujj & maszk;
        const bool marad = i <= j ? (i < k && k <= j) : (i < k || k <= j);
        if (!marad) {
            g.tabla[i] = g.tabla[j];
            i = j;
        }
    }
    g.tabla[i] = Bejegyzes{};
    --allapot_[static_cast<std::size_t>(gi)].db;
    return true;
}

inline void vesztes_reszletek::Uldozes::Probal(int gi, int r) {
    Allapot& a = allapot_[static_cast<std::size_t>(gi)];
    if (a.menetben || !Tablaba(gi, r)) return;
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    ++probak_;
    if (!Terhel(gi, a.hossz + 1)) return;   // (B1)
    if (egyeztet_.size() >= sor_korlat_) {  // (B3)
        MenetbeKuld(gi);
        return;
    }
    if ((a.db + 1) * 2 > g.tabla.size()) {
        const std::size_t meret = std::max<std::size_t>(8, g.tabla.size() * 2);
        if (foglalt_ - g.tabla.size() + meret > kvota_) {  // (B2)
            MenetbeKuld(gi);
            return;
        }
        foglalt_ += meret - g.tabla.size();
        Bovit(g.tabla, meret);
    }
    const std::uint32_t ujj = Ujjlenyomat(g.bal, r);
    const std::size_t i = Hely(g, r, ujj);
    const int s = g.tabla[i].sor;
    if (s < 0) {
        g.tabla[i] = Bejegyzes{r, ujj};
        ++a.db;
    } else if (s != r && !Egyeznek(r, s, g.jobb)) {
        egyeztet_.push_back(Munka{gi, r, s});
    }
}

// --- zero visits

// The all-zero rows only ever grow in number, and merged classes never part:
// a visit that finds no new one has nothing to do.
inline void vesztes_reszletek::Uldozes::Latogat(int gi) {
    Allapot& a = allapot_[static_cast<std::size_t>(gi)];
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    // Zero joins can come in more rounds than a pass loop has passes, so the
    // visits are charged too (B5).
    if (a.menetben || !Terhel(gi, Szavak(g))) return;
    g.latott = ++latogatasok_;
    Nullasok(g);
}

inline void vesztes_reszletek::Uldozes::Nullasok(Csoport& g) {
    int elso = 0;
    const std::size_t db = NullasSorok(g, elso);
    if (db == g.nullasok) return;
    g.nullasok = db;
    for (int c : g.jobb) NullasokEgyeztetese(c, elso);
}

// Eight words at a time: the AND stays in registers, and each column is read
// a cache line at a time.
inline std::size_t vesztes_reszletek::Uldozes::NullasSorok(const Csoport& g, int& elso) {
    nullas_sorok_.resize(szavak_);
    // Past two X columns, the one with the fewest zero rows first: a block
    // none of whose rows it holds costs that column's words only. For one or
    // two, looking for it costs more than it saves.
    int ritkabb = -1;
    if (g.bal.size() > 2)
        for (int c : g.bal)
            if (ritkabb < 0 || nulla_db_[static_cast<std::size_t>(c)] <
                                   nulla_db_[static_cast<std::size_t>(ritkabb)])
                ritkabb = c;
    if (ritkabb >= 0 && nulla_db_[static_cast<std::size_t>(ritkabb)] == 0) {
        std::fill(nullas_sorok_.begin(), nullas_sorok_.end(), 0);
        return 0;
    }
    std::size_t db = 0;
    std::size_t elso_szo = szavak_;
    constexpr std::size_t kotet = 8;
    for (std::size_t w0 = 0; w0 < szavak_; w0 += kotet) {
        const std::size_t hossz = std::min(kotet, szavak_ - w0);
        std::array<std::uint64_t, kotet> x;
        x.fill(~std::uint64_t{0});
        // Whether some row of the block is left after the AND with column c.
        auto Es = [&](int c) {
            const std::uint64_t* z = &nulla_[static_cast<std::size_t>(c) * szavak_ + w0];
            std::uint64_t van = 0;
            for (std::size_t k = 0; k < hossz; ++k) van |= x[k] &= z[k];
            return van != 0;
        };
        if (ritkabb < 0 || Es(ritkabb))
            for (int c : g.bal)
                if (c != ritkabb && !Es(c)) break;
        for (std::size_t k = 0; k < hossz; ++k) {
            const std::size_t w = w0 + k;
            // An empty left side: every row, and no bit past the last one.
            x[k] &= Vegszo(w);
            nullas_sorok_[w] = x[k];
            if (x[k] == 0) continue;
            db += Bitek(x[k]);
            if (elso_szo == szavak_) elso_szo = w;
        }
    }
    if (db != 0) elso = static_cast<int>(elso_szo * kSzo + AlsoBit(nullas_sorok_[elso_szo]));
    return db;
}

inline void vesztes_reszletek::Uldozes::NullasokEgyeztetese(int c, int elso) {
    const std::size_t eleje = static_cast<std::size_t>(c) * szavak_;
    std::uint64_t nullak = 0;   // some all-zero row is in the zero class of c
    std::uint64_t tobbiek = 0;  // some is not
    for (std::size_t w = 0; w < szavak_; ++w) {
        nullak |= nullas_sorok_[w] & nulla_[eleje + w];
        tobbiek |= nullas_sorok_[w] & ~nulla_[eleje + w];
    }
    if (tobbiek == 0) return;
    if (nullak == 0) {
        // All join the class of the first of them.
        for (std::size_t w = 0; w < szavak_; ++w)
            for (std::uint64_t b = nullas_sorok_[w]; b != 0; b &= b - 1)
                Osszevon(c, elso, static_cast<int>(w * kSzo + AlsoBit(b)));
        return;
    }
    // With a zero among them every row joins the zero class: rows without a
    // pooled class (O4) a whole word at a time.
    for (std::size_t w = 0; w < szavak_; ++w) {
        const std::uint64_t uj = nullas_sorok_[w] & ~nulla_[eleje + w];
        const std::uint64_t lassu = uj & kozos_sorok_[w];
        nulla_[eleje + w] |= uj & ~lassu;
        nulla_db_[static_cast<std::size_t>(c)] += Bitek(uj & ~lassu);
        osszevonasok_ += static_cast<long long>(Bitek(uj & ~lassu));
        if ((uj & ~lassu) != 0) NemegyediBeSzo(c, w, uj & ~lassu);
        for (std::uint64_t b = lassu; b != 0; b &= b - 1) {
            const int r = static_cast<int>(w * kSzo + AlsoBit(b));
            if (Nulla(r, c)) continue;
            ++osszevonasok_;
            Nullaba(c, r);
        }
    }
    Jelol(c);
}

// --- budgets

// A pass visit makes a zero visit, reads the sparsest X column's rows in
// nemegyedi_, from its list or, where that has been given up (B6), from the
// bitsets, and looks up each that has a pooled class in X.
inline long long vesztes_reszletek::Uldozes::Keret(int gi) const {
    const Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    // Every other group, so that groups of both kinds meet.
    if (kis_keretek && gi % 2 == 0) return 8;
    std::size_t sorok = n_;
    for (int c : g.bal) sorok = std::min(sorok, nemegyedi_db_[static_cast<std::size_t>(c)]);
    return 2 * static_cast<long long>(g.bal.size() + g.jobb.size() + 1) *
           static_cast<long long>(sorok + 8);
}

// The budget grows with the rows a visit would look up: it is worked out
// again before the group goes (B1).
inline bool vesztes_reszletek::Uldozes::KeretenBelul(int gi) {
    Allapot& a = allapot_[static_cast<std::size_t>(gi)];
    a.keret = Keret(gi);
    if (a.koltseg <= a.keret) return true;
    MenetbeKuld(gi);
    return false;
}

// Its work items stay valid: rows that agreed on X still do.
inline void vesztes_reszletek::Uldozes::MenetbeKuld(int gi) {
    Allapot& a = allapot_[static_cast<std::size_t>(gi)];
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    a.menetben = true;
    a.db = 0;
    foglalt_ -= g.tabla.size();
    std::vector<Bejegyzes>().swap(g.tabla);
    g.latott = 0;
    menetesek_.push_back(gi);
    if (korszak_.empty() && !MindenParSzamit(g)) {
        maszk_szavak_ = (m_ + kSzo - 1) / kSzo;
        mozdult_.assign(2 * maszk_szavak_ * n_, 0);
        korszak_.assign(n_, menetszam_);
    }
}

// --- pass visits

// Groups that go to passes during a pass are visited in it too: they have
// not been visited as groups in passes yet.
inline bool vesztes_reszletek::Uldozes::Menet() {
    if (menetesek_.empty()) return false;
    ++menetszam_;
    std::sort(menetesek_.begin(), menetesek_.end());
    bool volt = false;
    // By index: a visit may send more groups to passes, appending to the list.
    for (std::size_t k = 0; k < menetesek_.size(); ++k) {  // NOLINT(modernize-loop-convert)
        const int gi = menetesek_[k];
        if (!Piszkos(gi)) continue;
        Attekint(gi);
        Ellenoriz(false);
        volt = true;
    }
    return volt;
}

// A row's columns of an older pass are dropped on its first move in a new one.
[[gnu::noinline]] inline void vesztes_reszletek::Uldozes::Mozdul(int r, int c) {
    const auto sor = static_cast<std::size_t>(r);
    std::uint64_t* elozo = &mozdult_[2 * maszk_szavak_ * sor];
    std::uint64_t* most = elozo + maszk_szavak_;
    if (korszak_[sor] != menetszam_) {
        for (std::size_t w = 0; w < maszk_szavak_; ++w) {
            elozo[w] = korszak_[sor] + 1 == menetszam_ ? most[w] : 0;
            most[w] = 0;
        }
        korszak_[sor] = menetszam_;
    }
    most[static_cast<std::size_t>(c) / kSzo] |= Maszkbit(c);
}

inline bool vesztes_reszletek::Uldozes::Mozdult(int r, const Maszk& bal) const {
    const auto sor = static_cast<std::size_t>(r);
    const int k = korszak_[sor];
    if (k + 1 < menetszam_) return false;
    const std::uint64_t* elozo = &mozdult_[2 * maszk_szavak_ * sor];
    const std::uint64_t* most = elozo + maszk_szavak_;
    std::uint64_t x = 0;
    for (std::size_t w = 0; w < maszk_szavak_; ++w)
        x |= ((k == menetszam_ ? elozo[w] : 0) | most[w]) & bal[w];
    return x != 0;
}

// A move made during the group's last visit, after its rows were read,
// bears the visit's own number: so the visit number itself counts as dirty.
inline bool vesztes_reszletek::Uldozes::Piszkos(int gi) const {
    const Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    if (g.latott == 0) return true;
    for (int c : g.bal)
        if (modosult_[static_cast<std::size_t>(c)] >= g.latott) return true;
    return false;
}

// The rows that agree on X when the visit begins still agree after any
// merge, so they are grouped first and made to agree afterwards.
inline void vesztes_reszletek::Uldozes::Attekint(int gi) {
    Csoport& g = csoportok_[static_cast<std::size_t>(gi)];
    const bool elso = g.latott == 0;
    g.latott = ++latogatasok_;
    Nullasok(g);
    const std::size_t d = MenetSorai(g);
    if (d < 2) return;
    MenetParjai(g, allapot_[static_cast<std::size_t>(gi)].bal, d, elso);
    for (const auto& [r, s] : parok_) {
        for (int c : g.jobb) Osszevon(c, r, s);
        Egyeztet();
    }
}

// From the sparsest X column's list, or the AND of the bitsets where every
// X column has given its list up (B6); the all-zero rows (nullas_sorok_, of
// the zero visit just made) are left out. menet_sorai_ has room for every row.
inline std::size_t vesztes_reszletek::Uldozes::MenetSorai(const Csoport& g) {
    std::size_t d = 0;
    int* sorai = menet_sorai_.data();
    std::size_t ritkabb = m_;  // the sparsest X column, if it has a list
    for (int c : g.bal) {
        const auto i = static_cast<std::size_t>(c);
        if (!elhagyott_[i] && (ritkabb == m_ || ritka_[i].size() < ritka_[ritkabb].size()))
            ritkabb = i;
    }
    if (ritkabb < m_) {
        for (int r : ritka_[ritkabb]) {
            bool jo = true;
            for (int c : g.bal) jo = jo && (nemegyedi_[Szo(r, c)] & Maszkbit(r)) != 0;
            const auto w = static_cast<std::size_t>(r) / kSzo;
            if (jo && (nullas_sorok_[w] & Maszkbit(r)) == 0) sorai[d++] = r;
        }
        return d;
    }
    for (std::size_t w = 0; w < szavak_; ++w) {
        std::uint64_t x = Vegszo(w) & ~nullas_sorok_[w];
        for (int c : g.bal) {
            x &= nemegyedi_[static_cast<std::size_t>(c) * szavak_ + w];
            if (x == 0) break;
        }
        for (; x != 0; x &= x - 1) sorai[d++] = static_cast<int>(w * kSzo + AlsoBit(x));
    }
    return d;
}

inline void vesztes_reszletek::Uldozes::MenetParjai(const Csoport& g, const Maszk& bal,
                                                    std::size_t d, bool elso) {
    const int* sorai = menet_sorai_.data();
    // The table is left empty by every visit; it only grows, and stays at
    // most half full (B7).
    std::size_t meret = std::max<std::size_t>(8, seged_tabla_.size());
    while (meret < 2 * d) meret *= 2;
    // Slots are kept as 32-bit numbers below; a table that large is past
    // any memory anyway.
    if (meret > UINT32_MAX) throw std::bad_alloc();
    if (seged_tabla_.size() != meret) seged_tabla_.assign(meret, Bejegyzes{});
    MenetUjjlenyomatok(g, d);
    // Pointers held in registers across the calls below.
    Bejegyzes* const tabla = seged_tabla_.data();
    std::uint32_t* const ujjak = ujjak_.data();
    constexpr std::size_t kElore = 8;
    parok_.clear();
    const bool mind = elso || MindenParSzamit(g);
    for (std::size_t k = 0; k < d; ++k) {
#if defined(__GNUC__) || defined(__clang__)
        if (k + kElore < d) __builtin_prefetch(&tabla[ujjak[k + kElore] & (meret - 1)]);
#endif
        const int r = sorai[k];
        const std::uint32_t ujj = ujjak[k];
        const std::size_t i =
            Hely(tabla, meret - 1, ujj, [&](int t) { return NemEgyediekEgyeznek(r, t, g.bal); });
        const int s = tabla[i].sor;
        if (s < 0) {
            tabla[i] = Bejegyzes{r, ujj};
            // The slot, in place of the hash that is no longer needed.
            ujjak[k] = static_cast<std::uint32_t>(i);
        } else {
            ujjak[k] = static_cast<std::uint32_t>(meret);
            if (!mind)
                tabla[i].sor = MozdultPar(g, bal, r, s);
            else if (!Egyeznek(r, s, g.jobb))
                parok_.emplace_back(r, s);
        }
    }
    for (std::uint32_t i : ujjak_)
        if (i < meret) tabla[i] = Bejegyzes{};
}

[[gnu::noinline]] inline int vesztes_reszletek::Uldozes::MozdultPar(const Csoport& g,
                                                                    const Maszk& bal, int r,
                                                                    int s) {
    const bool mozdult = Mozdult(r, bal);
    if (mozdult || Mozdult(s, bal)) {
        if (!Egyeznek(r, s, g.jobb)) parok_.emplace_back(r, s);
        // A row that has not moved stands for the signature from now on:
        // the others that have not moved agree with it.
        return mozdult ? s : r;
    }
#ifdef VESZTES_ELLENORZES
    Elvart(Egyeznek(r, s, g.jobb), "P1: rows that have not moved agree on Y");
#endif
    return s;
}

// Column by column, so that each column is read in row order and the slots
// can be fetched ahead of their use. No row here is a singleton in X.
inline void vesztes_reszletek::Uldozes::MenetUjjlenyomatok(const Csoport& g, std::size_t d) {
    kevert_.assign(d, mag_);
    for (int c : g.bal) {
        const std::uint64_t* z = &nulla_[static_cast<std::size_t>(c) * szavak_];
        const int* id = &osztaly_[static_cast<std::size_t>(c) * n_];
        for (std::size_t k = 0; k < d; ++k) {
            const auto r = static_cast<std::size_t>(menet_sorai_[k]);
            kevert_[k] = Kever(kevert_[k], (z[r / kSzo] >> (r % kSzo) & 1) != 0 ? 0 : id[r]);
        }
    }
    ujjak_.resize(d);
    for (std::size_t k = 0; k < d; ++k) ujjak_[k] = Vegso(kevert_[k]);
}

// Id() less its singleton check: a pass visit's rows have none in X.
inline bool vesztes_reszletek::Uldozes::NemEgyediekEgyeznek(int a, int b,
                                                            const std::vector<int>& bal) const {
    for (int c : bal)
        if (Nulla(a, c) ? !Nulla(b, c)
                        : Nulla(b, c) || osztaly_[Cella(a, c)] != osztaly_[Cella(b, c)])
            return false;
    return true;
}

// --- the invariant checker

#ifdef VESZTES_ELLENORZES
inline void vesztes_reszletek::Uldozes::Elvart(bool all, const char* mi) {
    if (all) return;
    std::fprintf(stderr, "chase invariant broken: %s\n", mi);
    std::abort();
}

// O(n m + the tables' slots + n |X| for each incremental group); skipped for
// tableaux too large to check after every visit.
inline void vesztes_reszletek::Uldozes::Ellenoriz(bool nyugvo) const {
    std::size_t oldalak = 0;
    for (const Csoport& g : csoportok_) oldalak += g.bal.size() + g.jobb.size() + 1;
    if (n_ * (m_ + oldalak) > (std::size_t{1} << 22)) return;
    BitekEllenorzese();
    GyuruEllenorzes();
    TablaEllenorzes(nyugvo);
}

// And the bits past the last row clear.
inline void vesztes_reszletek::Uldozes::BitekEllenorzese() const {
    const auto un = static_cast<int>(n_);
    for (int r = 0; r < un; ++r) {
        const bool van = !Ures(kozos_oszlopok_[static_cast<std::size_t>(r)]);
        Elvart(((kozos_sorok_[static_cast<std::size_t>(r) / kSzo] & Maszkbit(r)) != 0) == van,
               "O4: kozos_sorok_ is the rows with a pooled class");
        for (int c = 0; c < static_cast<int>(m_); ++c) {
            Elvart(!(Nulla(r, c) && Kozos(r, c)), "O4: a zero cell is not pooled");
            Elvart(((nemegyedi_[Szo(r, c)] & Maszkbit(r)) != 0) == (Nulla(r, c) || Kozos(r, c)),
                   "O4: nemegyedi_ is the cells of the zero class or a pooled one");
        }
    }
    for (std::size_t c = 0; c < m_; ++c) {
        const std::size_t w = szavak_ - 1;
        if (szavak_ != 0)
            Elvart(((nulla_[c * szavak_ + w] | nemegyedi_[c * szavak_ + w]) & ~Vegszo(w)) == 0,
                   "bits past the last row");
        std::size_t db = 0;
        for (std::size_t k = 0; k < szavak_; ++k) db += Bitek(nemegyedi_[c * szavak_ + k]);
        Elvart(nemegyedi_db_[c] == db, "nemegyedi_db_ counts nemegyedi_");
        std::size_t nullak = 0;
        for (std::size_t k = 0; k < szavak_; ++k) nullak += Bitek(nulla_[c * szavak_ + k]);
        Elvart(nulla_db_[c] == nullak, "nulla_db_ counts nulla_");
        Elvart(!elhagyott_[c] || ritka_[c].empty(), "a column that gave its list up has none");
        if (!elhagyott_[c]) {
            Elvart(ritka_[c].size() == db && db <= ritka_korlat_, "B6: ritka_ lists nemegyedi_");
            for (int r : ritka_[c])
                Elvart((nemegyedi_[Szo(r, static_cast<int>(c))] & Maszkbit(r)) != 0,
                       "B6: ritka_ lists nemegyedi_");
        }
    }
}

// Each pooled class is one ring through its rows, its id's row in it.
inline void vesztes_reszletek::Uldozes::GyuruEllenorzes() const {
    const auto un = static_cast<int>(n_);
    std::vector<int> meret(n_ + 1);
    for (int c = 0; c < static_cast<int>(m_); ++c) {
        std::fill(meret.begin(), meret.end(), 0);
        for (int r = 0; r < un; ++r)
            if (Kozos(r, c)) {
                const int id = osztaly_[Cella(r, c)];
                Elvart(id >= 1 && id <= un && Kozos(id - 1, c) && osztaly_[Cella(id - 1, c)] == id,
                       "O2: a pooled class's id is one of its rows plus one");
                ++meret[static_cast<std::size_t>(id)];
            }
        for (int id = 1; id <= un; ++id) {
            const int db = meret[static_cast<std::size_t>(id)];
            if (db == 0) continue;
            Elvart(db >= 2, "a pooled class has two rows or more");
            int r = id - 1;
            int lepesek = 0;
            do {
                r = t_(sorok_[static_cast<std::size_t>(r)], c);
                Elvart(r >= 0 && r < un && Kozos(r, c) && osztaly_[Cella(r, c)] == id &&
                           ++lepesek <= db,
                       "O2: the ring holds its class's rows");
            } while (r != id - 1);
            Elvart(lepesek == db, "O2: the ring holds every row of its class");
        }
    }
}

inline void vesztes_reszletek::Uldozes::TablaEllenorzes(bool nyugvo) const {
    const auto un = static_cast<int>(n_);
    std::size_t foglalt = 0;
    for (std::size_t gi = 0; gi < csoportok_.size(); ++gi) {
        const Csoport& g = csoportok_[gi];
        const Allapot& a = allapot_[gi];
        foglalt += g.tabla.size();
        if (a.menetben) {
            Elvart(g.tabla.empty() && a.db == 0, "a group in passes has no table");
            continue;
        }
        std::size_t sorok = n_;
        for (int c : g.bal) sorok = std::min(sorok, nemegyedi_db_[static_cast<std::size_t>(c)]);
        const long long keret = kis_keretek && gi % 2 == 0
                                    ? 8
                                    : 2 * static_cast<long long>(g.bal.size() + g.jobb.size() + 1) *
                                          static_cast<long long>(sorok + 8);
        Elvart(a.keret <= keret, "B1: a budget of twice a pass visit's lookups at most");
        Elvart((g.tabla.size() & (g.tabla.size() - 1)) == 0 && 2 * a.db <= g.tabla.size(),
               "T1: a table's size is a power of two, at most half full");
        std::size_t db = 0;
        for (std::size_t i = 0; i < g.tabla.size(); ++i) {
            const Bejegyzes& e = g.tabla[i];
            if (e.sor < 0) continue;
            ++db;
            Elvart(Tablaba(static_cast<int>(gi), e.sor), "T1: entries are rows of the second kind");
            Elvart(e.ujj == Ujjlenyomat(g.bal, e.sor), "T1: an entry keeps its signature's hash");
            Elvart(Hely(g, e.sor, e.ujj) == i, "T1: one entry a signature, found from its hash");
        }
        Elvart(db == a.db, "Allapot::db counts the table's entries");
        for (int r = 0; r < un; ++r) {
            if (!Tablaba(static_cast<int>(gi), r)) continue;
            Elvart(!g.tabla.empty(), "T1: a signature of the second kind has an entry");
            const int s = g.tabla[Hely(g, r, Ujjlenyomat(g.bal, r))].sor;
            Elvart(s >= 0, "T1: a signature of the second kind has an entry");
            if (nyugvo) Elvart(Egyeznek(r, s, g.jobb), "T2: rows agree with their representative");
        }
    }
    Elvart(foglalt == foglalt_ && foglalt_ <= kvota_, "B2: foglalt_ counts the tables' slots");
    Elvart(egyeztet_.size() <= sor_korlat_ && kesobb_.size() <= halasztas_korlat_, "B3, B4");
    Elvart(!nyugvo || (egyeztet_.empty() && kesobb_.empty() && elol_ == varo_.size() &&
                       jelolt_oszlopok_.empty()),
           "no work is left");
}

// Rows are grouped by signature; each must agree on Y with its group's first.
inline void vesztes_reszletek::Uldozes::FixpontEllenorzes() const {
    std::size_t oldalak = 0;
    for (const Csoport& g : csoportok_) oldalak += g.bal.size() + g.jobb.size() + 1;
    if (n_ * oldalak > (std::size_t{1} << 22)) return;
    for (const Csoport& g : csoportok_) {
        std::map<std::vector<int>, int> elsok;
        std::vector<int> alairas(g.bal.size());
        for (int r = 0; r < static_cast<int>(n_); ++r) {
            for (std::size_t k = 0; k < g.bal.size(); ++k) alairas[k] = Id(r, g.bal[k]);
            const int s = elsok.emplace(alairas, r).first->second;
            Elvart(Egyeznek(r, s, g.jobb), "the fixed point: every dependency holds");
        }
    }
}
#endif

// ===== 6. Result file ======================================================

// The two names may not name one file: the result would take the input's
// place.
inline bool UgyanazAFajl(const std::string& a, const std::string& b) {
    std::error_code hiba;
    return std::filesystem::equivalent(Ut(a), Ut(b), hiba);
}

// Why a result file was not written.
enum class IrasHiba {
    Nincs,      // written
    Megnyitas,  // it could not be opened for writing: nothing was written
    Iras,       // writing or replacing failed: an old result is as it was
};

namespace vesztes_reszletek {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr int kBinaris = O_BINARY;
inline int Szinkron(int fd) { return _commit(fd); }
inline int Folyamat() { return _getpid(); }
inline int Torles(const wchar_t* ut) { return _wunlink(ut); }
#else
constexpr int kBinaris = 0;
inline int Szinkron(int fd) { return fsync(fd); }
inline int Folyamat() { return static_cast<int>(getpid()); }
inline int Torles(const char* ut) { return unlink(ut); }
#endif

// The temporary file while it exists, for the signal handler: a run ended by
// a signal removes it, and the old result stays as it was.
inline fs::path::value_type ideiglenes_ut[4096];
inline volatile std::sig_atomic_t van_ideiglenes = 0;

extern "C" inline void IdeiglenesTorlese(int jel) {
    if (van_ideiglenes != 0) Torles(ideiglenes_ut);  // async-signal-safe, unlike std::remove
    std::signal(jel, SIG_DFL);
    std::raise(jel);
}

// Whether signal jel still ends the process as by default: not ignored, and
// no handler of the caller's (an in-process harness has its own, such as
// libFuzzer's SIGALRM). Elsewhere than on Windows it is asked without
// changing it.
inline bool Alapertelmezett(int jel) {
#ifdef _WIN32
    void (*regi)(int) = std::signal(jel, SIG_DFL);
    if (regi != SIG_DFL && regi != SIG_ERR) std::signal(jel, regi);
    return regi == SIG_DFL;
#else
    struct sigaction regi {};
    return ::sigaction(jel, nullptr, &regi) == 0 && (regi.sa_flags & SA_SIGINFO) == 0 &&
           regi.sa_handler == SIG_DFL;
#endif
}

// While it lives, the signals that end the process remove the temporary file
// first. Only signals at their default are taken over: one the caller
// ignores stays ignored (with a file-size limit and SIGXFSZ ignored, a write
// just fails), and one the caller handles keeps its handler.
class JelOr {
  public:
    explicit JelOr(const fs::path& ut) {
        const auto& nev = ut.native();
        if (nev.size() >= std::size(ideiglenes_ut)) return;
        std::copy(nev.c_str(), nev.c_str() + nev.size() + 1, ideiglenes_ut);
        van_ideiglenes = 1;
        aktiv_ = true;
        for (std::size_t k = 0; k < kJelek.size(); ++k)
            atvett_[k] =
                Alapertelmezett(kJelek[k]) && std::signal(kJelek[k], IdeiglenesTorlese) != SIG_ERR;
    }
    ~JelOr() {
        if (!aktiv_) return;
        for (std::size_t k = 0; k < kJelek.size(); ++k)
            if (atvett_[k]) std::signal(kJelek[k], SIG_DFL);
        van_ideiglenes = 0;
    }
    JelOr(const JelOr&) = delete;
    JelOr& operator=(const JelOr&) = delete;

  private:
#ifdef _WIN32
    static constexpr std::array<int, 3> kJelek{SIGINT, SIGTERM, SIGBREAK};
#else
    static constexpr std::array<int, 11> kJelek{SIGINT,  SIGTERM,   SIGHUP,  SIGQUIT,
                                                SIGXFSZ, SIGALRM,   SIGUSR1, SIGUSR2,
                                                SIGPIPE, SIGVTALRM, SIGPROF};
#endif
    std::array<bool, kJelek.size()> atvett_{};  // set to IdeiglenesTorlese here
    bool aktiv_ = false;
};

// Writes every byte of the pieces to fd; false on any error.
inline bool Mindet(int fd, std::initializer_list<std::string_view> darabok) {
    for (std::string_view d : darabok) {
        while (!d.empty()) {
            const unsigned kell = static_cast<unsigned>(std::min<std::size_t>(d.size(), 1u << 30));
            const auto irt = ::write(fd, d.data(), kell);
            if (irt < 0 && errno == EINTR) continue;
            if (irt <= 0) return false;
            d.remove_prefix(static_cast<std::size_t>(irt));
        }
    }
    return true;
}

// Writes the pieces through an open descriptor, where it stands, and closes
// it unless it is the caller's own (zarja false).
inline IrasHiba Helyben(int fd, std::initializer_list<std::string_view> darabok, bool zarja) {
    bool jo = Mindet(fd, darabok);
    if (zarja) jo = ::close(fd) == 0 && jo;
    return jo ? IrasHiba::Nincs : IrasHiba::Iras;
}

// The temporary file's name beside cel: .NAME.PID-RAND.tmp, with at most 64
// bytes of NAME, cut where a UTF-8 character begins.
inline fs::path IdeiglenesNev(const fs::path& cel, unsigned veletlen) {
    std::string nev = cel.filename().u8string();
    std::size_t hossz = std::min<std::size_t>(nev.size(), 64);
    while (hossz < nev.size() && hossz > 0 &&
           (static_cast<unsigned char>(nev[hossz]) & 0xC0) == 0x80)
        --hossz;
    nev = "." + nev.substr(0, hossz) + "." + std::to_string(Folyamat()) + "-" +
          std::to_string(veletlen) + ".tmp";
    return (cel.has_parent_path() ? cel.parent_path() : fs::path(".")) / fs::u8path(nev);
}

// A new temporary file beside cel that only its owner may read (R1), created
// exclusively, never through a link; -1 if the folder refuses it.
inline int IdeiglenesLetrehoz(const fs::path& cel, fs::path& ideiglenes) {
    std::random_device veletlen;
    for (int proba = 0; proba < 100; ++proba) {
        ideiglenes = IdeiglenesNev(cel, veletlen());
#ifdef _WIN32
        const int fd = ::_wopen(ideiglenes.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                _S_IREAD | _S_IWRITE);
#else
        const int fd =
            ::open(ideiglenes.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
#endif
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// A Windows device name (NUL, CON, COM1, ...; any extension, any case, or a
// \\.\ path): there is no file to replace.
inline bool WindowsEszkoz(std::string_view ut) {
    if (ut.substr(0, 4) == "\\\\.\\") return true;
    const std::size_t perjel = ut.find_last_of("\\/:");
    std::string nev(ut.substr(perjel == std::string_view::npos ? 0 : perjel + 1));
    if (const std::size_t pont = nev.find('.'); pont != std::string::npos) nev.resize(pont);
    while (!nev.empty() && nev.back() == ' ') nev.pop_back();
    for (char& c : nev) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (nev == "CON" || nev == "PRN" || nev == "AUX" || nev == "NUL" || nev == "CONIN$" ||
        nev == "CONOUT$")
        return true;
    return nev.size() == 4 && (nev.compare(0, 3, "COM") == 0 || nev.compare(0, 3, "LPT") == 0) &&
           nev[3] >= '1' && nev[3] <= '9';
}

// What the replace keeps of an existing result.
struct Regi {
    bool volt = false;  // ki existed
#ifndef _WIN32
    struct stat st {};
#endif
};

#ifndef _WIN32
// The descriptor a name reaches the file through: /dev/stdout, /dev/stderr,
// /dev/fd/N and /proc/self/fd/N name the caller's own open descriptors, to
// be written where they stand (so that >>log appends); -1 for other names.
inline int Leiro(std::string_view ki) {
    if (ki == "/dev/stdout") return 1;
    if (ki == "/dev/stderr") return 2;
    for (std::string_view elotag : {"/dev/fd/", "/proc/self/fd/"}) {
        if (ki.substr(0, elotag.size()) != elotag) continue;
        ki.remove_prefix(elotag.size());
        if (ki.empty() || ki.size() > 9) return -1;
        int n = 0;
        for (char c : ki) {
            if (c < '0' || c > '9') return -1;
            n = n * 10 + (c - '0');
        }
        return n;
    }
    return -1;
}

// (R2) The kernel's rule for following a symbolic link (fs.protected_symlinks),
// applied even where that setting is off: a link in a sticky folder that
// everybody may write is followed only by its owner or for the folder's owner.
inline bool LinkKovetheto(mode_t mappa_mod, uid_t mappa_tulaj, uid_t link_tulaj, uid_t futtato) {
    const bool kozos = (mappa_mod & S_ISVTX) != 0 && (mappa_mod & S_IWOTH) != 0;
    return !kozos || link_tulaj == futtato || link_tulaj == mappa_tulaj;
}

// The file a write to ut replaces, following its chain of symbolic links as
// the kernel does, 40 at the most, under (R2); false when the chain is
// refused or too long. The end may not exist yet.
inline bool Cel(const fs::path& ut, fs::path& cel) {
    cel = ut;
    for (int linkek = 0;; ++linkek) {
        struct stat l {};
        if (::lstat(cel.c_str(), &l) != 0 || !S_ISLNK(l.st_mode)) return true;
        const fs::path mappa = cel.has_parent_path() ? cel.parent_path() : fs::path(".");
        struct stat m {};
        std::error_code e;
        const fs::path tartalom = fs::read_symlink(cel, e);
        if (linkek == 40 || e || ::stat(mappa.c_str(), &m) != 0 ||
            !LinkKovetheto(m.st_mode, m.st_uid, l.st_uid, ::geteuid()))
            return false;
        cel = tartalom.is_absolute() ? tartalom : mappa / tartalom;
    }
}

// Decides, before anything is written, how ki is written. Returns what
// became of it when it was written in place or refused; nothing when cel,
// the file ki leads to, is to be replaced, regi then telling what it was.
inline std::optional<IrasHiba> Elozetes(const std::string& ki, fs::path& cel, Regi& regi,
                                        std::initializer_list<std::string_view> darabok) {
    if (const int sajat = Leiro(ki); sajat >= 0) {
        const int mod = ::fcntl(sajat, F_GETFL);
        if (mod < 0 || (mod & O_ACCMODE) == O_RDONLY) return IrasHiba::Megnyitas;
        std::cout.flush();
        std::fflush(nullptr);
        return Helyben(sajat, darabok, false);
    }
    const fs::path nev = Ut(ki);
    // The file opened and the end of the chain followed must be one file.
    // Another run replacing ki in between makes them differ for a moment, so
    // the name is taken again; a chain that keeps changing is refused.
    for (int proba = 0; proba < 100; ++proba) {
        regi = Regi{};  // what an earlier try saw may be gone
        if (!Cel(nev, cel) || !cel.has_filename()) return IrasHiba::Megnyitas;
        // The user's own name is opened, so that the kernel's rules for links
        // and permissions decide, and nothing is truncated.
        const int fd = ::open(nev.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return errno == ENOENT ? std::nullopt : std::optional(IrasHiba::Megnyitas);
        regi.volt = true;
        if (::fstat(fd, &regi.st) != 0) {
            ::close(fd);
            return IrasHiba::Megnyitas;
        }
        if (!S_ISREG(regi.st.st_mode)) return Helyben(fd, darabok, true);
        ::close(fd);
        struct stat c {};
        if (::lstat(cel.c_str(), &c) == 0 && c.st_dev == regi.st.st_dev &&
            c.st_ino == regi.st.st_ino)
            return std::nullopt;
    }
    return IrasHiba::Megnyitas;
}

// Before anything is written to the temporary file: (R3) it gets the owner
// and group of the result it replaces, or false where they cannot be kept,
// since a replace would take another user's file from them.
inline bool Atvesz(int fd, const Regi& regi) {
    struct stat uj {};
    if (!regi.volt) return true;
    if (::fstat(fd, &uj) != 0) return false;
    if (uj.st_uid == regi.st.st_uid && uj.st_gid == regi.st.st_gid) return true;
    return ::fchown(fd, regi.st.st_uid, regi.st.st_gid) == 0;
}

// The extended attributes of cel (ACLs among them) copied onto fd, each where
// the runner may set it.
inline void AttributumokMasolasa(const fs::path& cel, int fd) {
#ifdef __linux__
    const ssize_t hossz = ::listxattr(cel.c_str(), nullptr, 0);
    if (hossz <= 0) return;
    std::string nevek(static_cast<std::size_t>(hossz), '\0');
    const ssize_t kapott = ::listxattr(cel.c_str(), nevek.data(), nevek.size());
    if (kapott <= 0) return;
    nevek.resize(static_cast<std::size_t>(kapott));
    std::string ertek;
    for (std::size_t p = 0; p < nevek.size(); p = nevek.find('\0', p) + 1) {
        const char* nev = nevek.c_str() + p;
        const ssize_t h = ::getxattr(cel.c_str(), nev, nullptr, 0);
        if (h < 0) continue;
        ertek.resize(static_cast<std::size_t>(h));
        const ssize_t v = ::getxattr(cel.c_str(), nev, ertek.data(), ertek.size());
        if (v >= 0) ::fsetxattr(fd, nev, ertek.data(), static_cast<std::size_t>(v), 0);
    }
#else
    static_cast<void>(cel);
    static_cast<void>(fd);
#endif
}

// Once the text is written: the permission bits of the result it replaces,
// or 0666 less the umask for a new one, and its extended attributes.
inline bool Befejez(int fd, const fs::path& cel, const Regi& regi) {
    const mode_t maszk = ::umask(0);
    ::umask(maszk);
    if (::fchmod(fd, regi.volt ? (regi.st.st_mode & 07777) : (0666 & ~maszk)) != 0) return false;
    if (regi.volt) AttributumokMasolasa(cel, fd);
    return true;
}

inline bool Atnevez(const fs::path& ideiglenes, const fs::path& cel) {
    return ::rename(ideiglenes.c_str(), cel.c_str()) == 0;
}
#else
// As above, on Windows: devices are written in place; a folder, a read-only
// file and one the user may not open for writing are refused. While another
// run replaces ki, it may be held for a moment: the open is retried for a
// second.
inline std::optional<IrasHiba> Elozetes(const std::string& ki, fs::path& cel, Regi& regi,
                                        std::initializer_list<std::string_view> darabok) {
    cel = Ut(ki);
    if (WindowsEszkoz(ki)) {
        const int fd = ::_wopen(cel.c_str(), _O_WRONLY | _O_BINARY);
        return fd < 0 ? IrasHiba::Megnyitas : Helyben(fd, darabok, true);
    }
    const DWORD jellemzok = GetFileAttributesW(cel.c_str());
    regi.volt = jellemzok != INVALID_FILE_ATTRIBUTES;
    if (!regi.volt) return std::nullopt;
    if ((jellemzok & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return IrasHiba::Megnyitas;
    for (int proba = 0;; ++proba) {
        const int fd = ::_wopen(cel.c_str(), _O_WRONLY | _O_BINARY);
        if (fd >= 0) {
            ::_close(fd);
            return std::nullopt;
        }
        if (proba == 100 || errno != EACCES) return IrasHiba::Megnyitas;
        Sleep(10);
    }
}

// Windows keeps a file's owner and access rights in the folder's ACLs, which
// the temporary file inherits.
inline bool Atvesz(int, const Regi&) { return true; }
inline bool Befejez(int, const fs::path&, const Regi&) { return true; }

// Renames a finished temporary file over cel, retrying for a second while
// another process holds cel open or is replacing it itself.
inline bool Atnevez(const fs::path& ideiglenes, const fs::path& cel) {
    for (int proba = 0;; ++proba) {
        if (MoveFileExW(ideiglenes.c_str(), cel.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD hiba = GetLastError();
        if (proba == 100 || (hiba != ERROR_SHARING_VIOLATION && hiba != ERROR_ACCESS_DENIED &&
                             hiba != ERROR_LOCK_VIOLATION))
            return false;
        Sleep(10);
    }
}
#endif

}  // namespace vesztes_reszletek

// Writes the pieces as the file ki, whole or not at all: into a new file of
// a name of this run's own beside it, which replaces ki only once it is
// complete. So a full disk, a file-size limit or a signal leaves an existing
// ki as it was, and of runs writing one ki the last to finish leaves its
// whole file. Other hard links of ki keep the old text.
//   - What the replace cannot do is found before anything is written, and
//     refused (Megnyitas): no such folder, a folder, a file or folder the
//     user may not write, an append-only file, a link refused by (R2), a
//     file whose owner or group cannot be kept (R3).
//   - The temporary file is the runner's only while it is written (R1); then
//     it gets ki's permission bits and extended attributes, or 0666 less the
//     umask for a new ki.
//   - A symbolic link stays and the file it leads to is replaced.
//   - What is not a regular file (a device, a pipe, a socket, NUL on
//     Windows) is written in place, and a name of an open descriptor
//     (/dev/stdout, /dev/fd/N) through that descriptor, where it stands.
inline IrasHiba EgeszenIr(const std::string& ki, std::initializer_list<std::string_view> darabok) {
    using namespace vesztes_reszletek;
    fs::path cel;
    Regi regi;
    if (const std::optional<IrasHiba> kesz = Elozetes(ki, cel, regi, darabok)) return *kesz;
    fs::path ideiglenes;
    const int fd = IdeiglenesLetrehoz(cel, ideiglenes);
    if (fd < 0) return IrasHiba::Megnyitas;
    JelOr jelor(ideiglenes);
    std::error_code e;
    if (!Atvesz(fd, regi)) {
        ::close(fd);
        fs::remove(ideiglenes, e);
        return IrasHiba::Megnyitas;
    }
    bool jo = Mindet(fd, darabok) && Befejez(fd, cel, regi) && Szinkron(fd) == 0;
    jo = ::close(fd) == 0 && jo;
    jo = jo && Atnevez(ideiglenes, cel);
    if (!jo) fs::remove(ideiglenes, e);
    return jo ? IrasHiba::Nincs : IrasHiba::Iras;
}

// The text with the platform's line ends: CR LF on Windows, where text files
// have them, the text itself elsewhere.
inline std::string_view PlatformSorvegek(const std::string& szoveg, std::string& tar) {
#ifdef _WIN32
    tar.clear();
    tar.reserve(szoveg.size() +
                static_cast<std::size_t>(std::count(szoveg.begin(), szoveg.end(), '\n')));
    for (char c : szoveg) {
        if (c == '\n') tar += '\r';
        tar += c;
    }
    return tar;
#else
    static_cast<void>(tar);
    return szoveg;
#endif
}

// Writes the input text as it was read and judged (a byte-order mark
// included), two line ends and the verdict to ki. ki may not be the input
// file, which is never written; a failed write leaves an existing ki as it
// was (EgeszenIr).
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

    if (UgyanazAFajl(be, ki)) Leallas("Hiba: az inputfajl es a kimeneti fajl ugyanaz!");
    std::string tar;
    const std::string_view szovegresz = PlatformSorvegek(szoveg, tar);
#ifdef _WIN32
    const std::string_view sorvegek = "\r\n\r\n";
#else
    const std::string_view sorvegek = "\n\n";
#endif
    const IrasHiba h = EgeszenIr(
        ki,
        {szovegresz, sorvegek, vanSbencsupanullasor ? "vesztesegmentes" : "nem vesztesegmentes"});
    if (h == IrasHiba::Megnyitas) Leallas("Hiba a kimeneti fajl megnyitasanal!");
    // A result file that could not be written completely is not a result.
    if (h == IrasHiba::Iras) Leallas("Hiba a kimeneti fajl irasanal!");
}

// ===== 7. Whole run =========================================================

// What an in-process harness may look at between the steps of a run: the
// parsed input with the initial tableau, then the final tableau.
class Megfigyelo {
  public:
    virtual ~Megfigyelo() = default;
    virtual void Beolvasva(const Vesztes&) {}
    virtual void Kiszamolva(const Vesztes&) {}
};

// One whole run after the command line: parse be, chase, write ki, the
// closing text and the wait. Returns only after success; every failure ends
// the process with its text and status 1 (Leallas), running out of memory
// included.
inline void TeljesFutas(const std::string& be, const std::string& ki,
                        Megfigyelo* figyelo = nullptr) {
    try {
        Vesztes v(be);
        if (figyelo != nullptr) figyelo->Beolvasva(v);
        v.VesztesegetKeres();
        if (figyelo != nullptr) figyelo->Kiszamolva(v);
        v.EredmenytKiir(be, ki);
        std::cout << KeszSzoveg(ki);
        Varakozas(Varas::Enter);
    } catch (const std::bad_alloc&) {
        Leallas("Hiba: nincs eleg memoria!");
    }
}

#endif
