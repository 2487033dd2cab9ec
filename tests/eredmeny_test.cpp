#include <gtest/gtest.h>

#include <csignal>
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

// How a result's name is taken: as a Windows device, as the name of one of
// the caller's descriptors, and the temporary file's name beside it.
struct NevEset {
    const char* nev;
    const char* ut;
    bool eszkoz;  // WindowsEszkoz
    int leiro;    // Leiro, on Linux
};

class EredmenyNeve : public ::testing::TestWithParam<NevEset> {};

TEST_P(EredmenyNeve, EszkozEsLeiro) {
    EXPECT_EQ(vesztes_reszletek::WindowsEszkoz(GetParam().ut), GetParam().eszkoz);
#ifndef _WIN32
    EXPECT_EQ(vesztes_reszletek::Leiro(GetParam().ut), GetParam().leiro);
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Nevek, EredmenyNeve,
    ::testing::Values(
        NevEset{"Fajl", "eredmeny.txt", false, -1}, NevEset{"Nul", "NUL", true, -1},
        NevEset{"NulKiterjesztessel", "nul.txt", true, -1},
        NevEset{"ConSzokozzel", "sub\\Con .log", true, -1}, NevEset{"Com9", "C:/x/com9", true, -1},
        NevEset{"Com0NemEszkoz", "COM0", false, -1},
        NevEset{"ConsoleNemEszkoz", "CONSOLE", false, -1},
        NevEset{"EszkozUt", "\\\\.\\pipe\\p", true, -1}, NevEset{"Stdout", "/dev/stdout", false, 1},
        NevEset{"Stderr", "/dev/stderr", false, 2}, NevEset{"DevFd", "/dev/fd/3", false, 3},
        NevEset{"ProcSelfFd", "/proc/self/fd/12", false, 12},
        NevEset{"DevFdUres", "/dev/fd/", false, -1}, NevEset{"DevFdBetu", "/dev/fd/3x", false, -1},
        NevEset{"DevFdTulHosszu", "/dev/fd/1234567890", false, -1},
        NevEset{"MasikFolyamat", "/proc/1/fd/1", false, -1}),
    NevSzerint());

// The temporary file's name keeps at most 64 bytes of the result's name and
// never cuts a UTF-8 character in two.
TEST(IdeiglenesNev, UtfKarakterHataran) {
    const std::string hosszu =
        std::string(63, 'a') + "\xC5\x91" + "b.txt";  // the 64th byte opens "ő"
    const std::string nev =
        vesztes_reszletek::IdeiglenesNev(fs::u8path("mappa/" + hosszu), 7).filename().u8string();
    EXPECT_EQ(nev.rfind("." + std::string(63, 'a') + ".", 0), 0u) << nev;
    EXPECT_EQ(nev.substr(nev.size() - 6), "-7.tmp");
    EXPECT_EQ(vesztes_reszletek::IdeiglenesNev(fs::u8path("e.txt"), 1).parent_path(),
              fs::path("."));
}

#ifndef _WIN32
// While the temporary file exists, a signal at its default removes it first;
// one the caller handles (libFuzzer's SIGALRM) keeps its handler throughout.
extern "C" void SajatKezelo(int) {}

TEST(JelOr, CsakAzAlapertelmezettJeleketVesziAt) {
    struct sigaction kezelo {};
    kezelo.sa_handler = SajatKezelo;
    ASSERT_EQ(sigaction(SIGALRM, &kezelo, nullptr), 0);
    std::signal(SIGUSR1, SIG_DFL);
    auto Kezeloje = [](int jel) {
        struct sigaction most {};
        sigaction(jel, nullptr, &most);
        return most.sa_handler;
    };
    {
        const vesztes_reszletek::JelOr jelor(fs::path("nincs.tmp"));
        EXPECT_EQ(Kezeloje(SIGALRM), &SajatKezelo);
        EXPECT_EQ(Kezeloje(SIGUSR1), &vesztes_reszletek::IdeiglenesTorlese);
    }
    EXPECT_EQ(Kezeloje(SIGALRM), &SajatKezelo);
    EXPECT_EQ(Kezeloje(SIGUSR1), SIG_DFL);
    std::signal(SIGALRM, SIG_DFL);
}

// The rule for a symbolic link in a sticky folder that everybody may write:
// only its owner, or the folder's owner's links, are followed.
TEST(LinkKovetheto, RagadosKozosMappa) {
    using vesztes_reszletek::LinkKovetheto;
    const mode_t kozos = S_IFDIR | S_ISVTX | 0777;
    EXPECT_FALSE(LinkKovetheto(kozos, 0, 65534, 0))
        << "another user's link in /tmp, followed by root";
    EXPECT_TRUE(LinkKovetheto(kozos, 0, 0, 65534)) << "the folder owner's link";
    EXPECT_TRUE(LinkKovetheto(kozos, 0, 1000, 1000)) << "the runner's own link";
    EXPECT_TRUE(LinkKovetheto(S_IFDIR | 0777, 0, 65534, 0)) << "not sticky";
    EXPECT_TRUE(LinkKovetheto(S_IFDIR | S_ISVTX | 0775, 0, 65534, 0)) << "not writable by all";
}
#endif

}  // namespace
