#ifndef VESZTES_TESZT_SEGITO_H
#define VESZTES_TESZT_SEGITO_H

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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

// A file in the test's own temporary folder, removed with the object.
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

#endif
