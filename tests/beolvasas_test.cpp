#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tamogatas.h"
#include "vesztes.h"

namespace {

using teszt::operator<<;

struct BeolvasasEset {
    const char* nev;
    std::string be;
    const char* semak;  // joined with '|'
    const char* univerzum;
    const char* fuggosegek;  // "x>y" joined with '|'
};

std::string Crlf(const std::string& s) {
    std::string r;
    for (char c : s) r += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return r;
}

class Beolvasas : public ::testing::TestWithParam<BeolvasasEset> {
  protected:
    void Ellenoriz(const std::string& tartalom) {
        IdeiglenesFajl f(tartalom);
        Vesztes v(f.Ut());
        EXPECT_EQ(VesztesVizsgalo::Semak(v), GetParam().semak);
        EXPECT_EQ(VesztesVizsgalo::Univerzum(v), GetParam().univerzum);
        EXPECT_EQ(VesztesVizsgalo::Fuggosegek(v), GetParam().fuggosegek);
    }
};

TEST_P(Beolvasas, SorvegLF) { Ellenoriz(GetParam().be); }

// A file with CR LF line ends gives the same lists as with bare line feeds.
TEST_P(Beolvasas, SorvegCRLF) { Ellenoriz(Crlf(GetParam().be)); }

INSTANTIATE_TEST_SUITE_P(
    Esetek, Beolvasas,
    ::testing::Values(
        BeolvasasEset{"Tipikus", "A,B\nB,C\n\nB->C\n", "AB|BC", "ABC", "B>C|>"},
        BeolvasasEset{"UtolsoSorvegNelkul", "A,B\nB,C\n\nB->C", "AB|BC", "ABC", "B>C"},
        BeolvasasEset{"UniverzumRendezett", "C,A\nB\n\n", "CA|B", "ABC", ">"},
        BeolvasasEset{"VesszoNelkul", "ABC\n\n", "ABC", "ABC", ">"},
        BeolvasasEset{"DuplikatumSemaban", "A,A,B\n\n", "AAB", "AB", ">"},
        BeolvasasEset{"UresElsoSema", "\nA\n\n", "|A", "A", ">"},
        BeolvasasEset{"KesobbiSorElejenVesszo", ",A\n,B\n\n", "A|,B", ",AB", ">"},
        BeolvasasEset{"KotojelEsNagyobbjelAttributum", "A->B\n\n", "A->B", "->AB", ">"},
        BeolvasasEset{"SzokozAttributum", "A B\n\n", "A B", " AB", ">"},
        BeolvasasEset{"NyilFormak", "AB\n\nA>B\nA->B\nA-->B\n", "AB", "AB", "A>B|A>B|A>B|>"},
        BeolvasasEset{"NyilNelkulUresJobbOldal", "AB\n\nAB\n", "AB", "AB", "AB>|>"},
        BeolvasasEset{"MasodikNagyobbjelSemmit", "ABC\n\nA>B>C\n", "ABC", "ABC", "A>BC|>"},
        BeolvasasEset{"BalOldalVesszovel", "ABC\n\nA,B->C\nA-B->C\n", "ABC", "ABC", "AB>C|AB>C|>"},
        BeolvasasEset{"UresSorUtanVege", "A\n\n", "A", "A", ">"},
        BeolvasasEset{"ExtraUresFuggoseg", "AB\n\n\nA->B\n", "AB", "AB", ">|A>B|>"},
        BeolvasasEset{"KetSorvegCsak", "\n\n", "", "", ">"},
        BeolvasasEset{"MaganyosCRAttributum", "A\rB\n\n", "A\rB", "\rAB", ">"},
        // One leading UTF-8 byte-order mark is not text; a second one is.
        BeolvasasEset{"BajtsorrendJel",
                      "\xEF\xBB\xBF"
                      "A,B\nB,C\n\nB->A\n",
                      "AB|BC", "ABC", "B>A|>"},
        BeolvasasEset{"KetBajtsorrendJel",
                      "\xEF\xBB\xBF\xEF\xBB\xBF"
                      "A\n\n",
                      "\xEF\xBB\xBF"
                      "A",
                      "\xBB\xBF\xEF"
                      "A",
                      ">"},
        BeolvasasEset{"NyolcbitesBajt",
                      "\xE9"
                      "A\n\n\xE9->A\n",
                      "\xE9"
                      "A",
                      "\xE9"
                      "A",
                      "\xE9>A|>"}),
    NevSzerint());

TEST(BeolvasasCR, CRAFajlVegenKozonsegesKarakter) {
    IdeiglenesFajl f("A\rB\n\nA->\r");
    Vesztes v(f.Ut());
    EXPECT_EQ(VesztesVizsgalo::Fuggosegek(v), "A>\r");
}

// Inputs the program rejects: each ends the run with its own text and status 1.
struct HibaEset {
    const char* nev;
    std::string be;
    const char* uzenet;
};

class BeolvasasiHiba : public ::testing::TestWithParam<HibaEset> {};

TEST_P(BeolvasasiHiba, UzenetEsStatusz) {
    const Futas f = FuttatSzoveg(GetParam().be);
    EXPECT_EQ(f.statusz, 1);
    EXPECT_EQ(f.kimenet, GetParam().uzenet);
    EXPECT_EQ(f.eredmeny, "") << "a rejected input left a result file";
}

const char* const kUres = "Hiba: az inputfajl ures!";
const char* const kNincsUresSor = "Hiba: a felbontas utan hianyzik az ures sor!";
const char* const kIsmeretlen = "Hiba: ismeretlen attributum a fuggosegekben!";

INSTANTIATE_TEST_SUITE_P(
    Esetek, BeolvasasiHiba,
    ::testing::Values(HibaEset{"UresFajl", "", kUres},
                      HibaEset{"CsakBajtsorrendJel", "\xEF\xBB\xBF", kUres},
                      HibaEset{"EgySorSorvegNelkul", "A", kNincsUresSor},
                      HibaEset{"EgySorSorveggel", "A\n", kNincsUresSor},
                      HibaEset{"TobbSorSorveggel", "A,B\nB,C\n", kNincsUresSor},
                      HibaEset{"CsakCRLF", "A\r\n", kNincsUresSor},
                      HibaEset{"EgyetlenSorveg", "\n", kNincsUresSor},
                      HibaEset{"MaganyosCRNemUresSor", "A\n\rB\n", kNincsUresSor},
                      HibaEset{"IsmeretlenBalOldalon", "AB\n\nC->A\n", kIsmeretlen},
                      HibaEset{"IsmeretlenJobbOldalon", "AB\n\nA->B,C\n", kIsmeretlen},
                      HibaEset{"IsmeretlenUtolsoSorban", "AB\n\nA->B\nB->Z", kIsmeretlen}),
    NevSzerint());

TEST(BeolvasasMegnyitas, HianyzoFajlEsKonyvtar) {
    const std::string hianyzo =
        (std::filesystem::temp_directory_path() / "vesztes_nincs_ilyen_fajl").string();
    const std::string konyvtar = std::filesystem::temp_directory_path().string();
    for (const std::string& nev : {hianyzo, konyvtar}) {
        KilepesElfogo elfogo;
        EXPECT_THROW(Vesztes v(nev), Kilepett) << nev;
        EXPECT_EQ(elfogo.Kimenet(), "Hiba a fajl megnyitasanal!") << nev;
    }
}

}  // namespace
