#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tamogatas.h"
#include "vesztes.h"

namespace {

namespace fs = std::filesystem;

// The result file, in process: what EredmenytKiir writes and refuses. What a
// user sees of it on real files (pipes, links, limits, signals) is in
// tests/vegpont.sh.
class Eredmeny : public ::testing::Test {
  protected:
    // Runs EredmenytKiir, which must fail, and returns the console text.
    std::string Hiba(Vesztes& v, const std::string& bemenet, const std::string& ki) {
        KilepesElfogo elfogo;
        try {
            v.EredmenytKiir(bemenet, ki);
            ADD_FAILURE() << "no failure reported";
        } catch (const Kilepett& k) {
            EXPECT_EQ(k.statusz, 1);
        }
        return elfogo.Kimenet();
    }
    // The names in the folder of the input file that start with its name.
    std::vector<std::string> Tarsak() const {
        std::vector<std::string> nevek;
        const fs::path ut(be.Ut());
        for (const auto& e : fs::directory_iterator(ut.parent_path())) {
            const std::string nev = e.path().filename().string();
            if (nev.find(ut.filename().string()) != std::string::npos) nevek.push_back(nev);
        }
        return nevek;
    }
    const std::string tipikus = "A,B\nB,C\n\nB->C\n";
    IdeiglenesFajl be{tipikus};
};

// The text is read once: what is copied is what was judged, even when the
// file is replaced (as editors save) between the parse and the result.
TEST_F(Eredmeny, AzOlvasottSzovegetMasolja) {
    Vesztes v(be.Ut());
    v.VesztesegetKeres();
    const std::string ki = be.Ut() + ".ki";
    std::ofstream(be.Ut(), std::ios::binary | std::ios::trunc) << "A,B\nB,C\n\nA->C\n";
    {
        KilepesElfogo elfogo;
        v.EredmenytKiir(be.Ut(), ki);
    }
    EXPECT_EQ(FajlTartalom(ki), VartEredmeny(tipikus, true));
    fs::remove(ki);
}

TEST_F(Eredmeny, UgyanazAFajlAzInputMegmarad) {
    Vesztes v(be.Ut());
    v.VesztesegetKeres();
    EXPECT_EQ(Hiba(v, be.Ut(), be.Ut()), "Hiba: az inputfajl es a kimeneti fajl ugyanaz!");
    EXPECT_EQ(be.Tartalom(), tipikus);
}

// What cannot be opened for writing is refused, and no file is left behind.
TEST_F(Eredmeny, MegnyithatatlanKimenet) {
    Vesztes v(be.Ut());
    v.VesztesegetKeres();
    const auto elotte = Tarsak();
    EXPECT_EQ(Hiba(v, be.Ut(), be.Ut() + ".nincs/ki.txt"), "Hiba a kimeneti fajl megnyitasanal!");
    fs::create_directory(be.Ut() + ".mappa");
    EXPECT_EQ(Hiba(v, be.Ut(), be.Ut() + ".mappa"), "Hiba a kimeneti fajl megnyitasanal!");
    fs::remove(be.Ut() + ".mappa");
    EXPECT_EQ(Tarsak(), elotte);
}

}  // namespace
