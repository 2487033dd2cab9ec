// What the unit tests, the fuzz target and the benchmark share: read access
// to the analyser, temporary files, the program run in this process with its
// console and exit captured, the verdict words and the result file a
// successful run must write, and the names of parameterised test cases.
#ifndef VESZTES_TAMOGATAS_H
#define VESZTES_TAMOGATAS_H

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "referencia.h"
#include "vesztes.h"

// Read access to the analyser's lists for the unit tests.
class VesztesVizsgalo {
  public:
    static std::string Szoveg(const cLista& l) {
        std::string s;
        for (int i = 0; i < l.Meret(); ++i) s += l(i);
        return s;
    }
    // Schemas joined with '|'.
    static std::string Semak(const Vesztes& v) {
        std::string s;
        for (int i = 0; i < v.dekomp.Meret(); ++i) s += (i ? "|" : "") + Szoveg(*v.dekomp(i));
        return s;
    }
    static std::string Univerzum(const Vesztes& v) { return Szoveg(*v.attrib); }
    // The parsed schemas and dependencies, for the reference chase.
    static referencia::Bemenet Bemenet(const Vesztes& v) {
        referencia::Bemenet b;
        for (int i = 0; i < v.dekomp.Meret(); ++i) b.semak.push_back(Szoveg(*v.dekomp(i)));
        for (int i = 0; i < v.fugg.Meret(); ++i)
            b.fuggosegek.emplace_back(Szoveg(*v.fugg(i)->x), Szoveg(*v.fugg(i)->y));
        return b;
    }
    static long long Osszevonasok(const Vesztes& v) { return v.osszevonasok; }
    static long long Probak(const Vesztes& v) { return v.probak; }
    static long long Menetesek(const Vesztes& v) { return v.menetesek; }
    // The tableau in ma, row by row.
    static std::vector<std::vector<int>> Tablazat(const Vesztes& v) {
        std::vector<std::vector<int>> t(static_cast<size_t>(v.ma->rows()));
        for (int i = 0; i < v.ma->rows(); ++i)
            for (int j = 0; j < v.ma->cols(); ++j)
                t[static_cast<size_t>(i)].push_back((*v.ma)(i, j));
        return t;
    }
    // Dependencies as "x>y", joined with '|'.
    static std::string Fuggosegek(const Vesztes& v) {
        std::string s;
        for (int i = 0; i < v.fugg.Meret(); ++i)
            s += (i ? "|" : "") + Szoveg(*v.fugg(i)->x) + ">" + Szoveg(*v.fugg(i)->y);
        return s;
    }
};

// A file's bytes ("" when it does not exist).
inline std::string FajlTartalom(const std::string& ut) {
    std::ifstream f(ut, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// The input text as the program reads it: CR LF as one line feed.
inline std::string Szovegkent(const std::string& s) {
    std::string r;
    for (size_t k = 0; k < s.size(); ++k)
        if (!(s[k] == '\r' && k + 1 < s.size() && s[k + 1] == '\n')) r += s[k];
    return r;
}

// A file in the system's temporary folder, removed with the object.
class IdeiglenesFajl {
  public:
    explicit IdeiglenesFajl(const std::string& tartalom) {
        // Test processes run in parallel: a random prefix keeps their files apart.
        static const unsigned elotag = std::random_device{}();
        static std::atomic<int> sorszam{0};
        utvonal_ = (std::filesystem::temp_directory_path() /
                    ("vesztes_teszt_" + std::to_string(elotag) + "_" + std::to_string(sorszam++)))
                       .string();
        std::ofstream(utvonal_, std::ios::binary) << tartalom;
    }
    ~IdeiglenesFajl() {
        std::error_code e;
        std::filesystem::remove(utvonal_, e);
    }
    IdeiglenesFajl(const IdeiglenesFajl&) = delete;
    IdeiglenesFajl& operator=(const IdeiglenesFajl&) = delete;
    const std::string& Ut() const { return utvonal_; }
    // The file's bytes now ("" when it does not exist).
    std::string Tartalom() const { return FajlTartalom(utvonal_); }

  private:
    std::string utvonal_;
};

// Thrown instead of ending the process while a KilepesElfogo is alive.
struct Kilepett {
    int statusz;
};

// Turns the program's end of process into a Kilepett exception, captures
// standard output and gives the waits an empty standard input.
class KilepesElfogo {
  public:
    KilepesElfogo()
        : regi_kilepes_(Kilepes),
          regi_ki_(std::cout.rdbuf(kimenet_.rdbuf())),
          regi_be_(std::cin.rdbuf(bemenet_.rdbuf())) {
        Kilepes = [](int statusz) { throw Kilepett{statusz}; };
    }
    ~KilepesElfogo() {
        Kilepes = regi_kilepes_;
        std::cout.rdbuf(regi_ki_);
        std::cin.rdbuf(regi_be_);
        std::cin.clear();
    }
    KilepesElfogo(const KilepesElfogo&) = delete;
    KilepesElfogo& operator=(const KilepesElfogo&) = delete;
    std::string Kimenet() const { return kimenet_.str(); }

  private:
    void (*regi_kilepes_)(int);
    std::ostringstream kimenet_;
    std::istringstream bemenet_;
    std::streambuf* regi_ki_;
    std::streambuf* regi_be_;
};

// The verdict words, as the result file's last line.
inline const char* const kVesztesegmentes = "vesztesegmentes";
inline const char* const kNemVesztesegmentes = "nem vesztesegmentes";
inline const char* Itelet(bool vesztesegmentes) {
    return vesztesegmentes ? kVesztesegmentes : kNemVesztesegmentes;
}

// The result file a successful run writes for this input text.
inline std::string VartEredmeny(const std::string& bemenet, bool vesztesegmentes) {
    return Szovegkent(bemenet) + "\n\n" + Itelet(vesztesegmentes);
}

// What a run collects besides its status and console text: the parsed input,
// both tableaux and the result file's bytes. Copying the tableaux costs as
// much as a small run, so the benchmark leaves them out.
enum class Reszletek { Nem, Igen };

struct Futas {
    int statusz = 0;      // the exit status: 0, or the one the program ended with
    std::string kimenet;  // everything written to standard output
    long long osszevonasok = 0;
    long long probak = 0;
    long long menetesek = 0;
    // With Reszletek::Igen, as far as the run got:
    referencia::Bemenet bemenet;
    referencia::Tablazat kezdo;
    referencia::Tablazat vegso;
    std::string eredmeny;  // the result file ("" when there is none)
};

// The program's whole run on the named files, in this process: TeljesFutas, the
// steps of main after the command line, with an empty standard input. The
// process never ends here; a failure is returned in statusz.
inline Futas Futtat(const std::string& be, const std::string& ki,
                    Reszletek reszletek = Reszletek::Igen) {
    struct Gyujto : Megfigyelo {
        Futas* f;
        bool mind;
        Gyujto(Futas* futas, bool m) : f(futas), mind(m) {}
        void Beolvasva(const Vesztes& v) override {
            if (!mind) return;
            f->bemenet = VesztesVizsgalo::Bemenet(v);
            f->kezdo = VesztesVizsgalo::Tablazat(v);
        }
        void Kiszamolva(const Vesztes& v) override {
            f->osszevonasok = VesztesVizsgalo::Osszevonasok(v);
            f->probak = VesztesVizsgalo::Probak(v);
            f->menetesek = VesztesVizsgalo::Menetesek(v);
            if (mind) f->vegso = VesztesVizsgalo::Tablazat(v);
        }
    };
    Futas f;
    Gyujto gyujto(&f, reszletek == Reszletek::Igen);
    {
        KilepesElfogo elfogo;
        try {
            TeljesFutas(be, ki, &gyujto);
        } catch (const Kilepett& k) {
            f.statusz = k.statusz;
        }
        f.kimenet = elfogo.Kimenet();
    }
    if (reszletek == Reszletek::Igen) f.eredmeny = FajlTartalom(ki);
    return f;
}

// The same run on an input text, through temporary files.
inline Futas FuttatSzoveg(const std::string& tartalom, Reszletek reszletek = Reszletek::Igen) {
    IdeiglenesFajl be(tartalom);
    IdeiglenesFajl ki("");
    std::filesystem::remove(ki.Ut());
    return Futtat(be.Ut(), ki.Ut(), reszletek);
}

// Parameterised test cases are structs with a nev field: NevSzerint names
// them after it (the test's name in every listing), and the operator prints
// them as it in failure messages. A test file's unnamed namespace takes the
// operator in with "using teszt::operator<<;", so that the test framework
// finds it beside the cases.
struct NevSzerint {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return std::string(info.param.nev);
    }
};

namespace teszt {
template <typename Eset>
auto operator<<(std::ostream& os, const Eset& eset) -> decltype(os << eset.nev) {
    return os << eset.nev;
}
}  // namespace teszt

#endif
