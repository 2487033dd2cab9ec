#include "lista.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tamogatas.h"

namespace {

using teszt::operator<<;

// Fills a list from the characters of a string.
void Tolt(lista<char>& l, const std::string& s) {
    for (char c : s) l.Betesz(c);
}

// The elements in cursor order.
std::string Bejar(lista<char>& l) {
    std::string s;
    for (l.Begin(); !l.End(); l.Next()) s += l.Current();
    return s;
}

TEST(ListaUres, MeretNullaEsCursorAzonnalVeget) {
    lista<char> l;
    EXPECT_EQ(l.Meret(), 0);
    l.Begin();
    EXPECT_TRUE(l.End());
    EXPECT_FALSE(l.Tartalmaz('A'));
    EXPECT_EQ(l.Index('A'), -3);
}

TEST(ListaTobb, DuplikatumokMegmaradnak) {
    lista<char> l;
    Tolt(l, "AA");
    EXPECT_EQ(l.Meret(), 2);
    EXPECT_EQ(Bejar(l), "AA");
}

// Emptied, a list is as new and takes elements again.
TEST(ListaTobb, TorlesUtanUjraToltheto) {
    lista<char> l;
    Tolt(l, "AB");
    l.Torol();
    EXPECT_EQ(l.Meret(), 0);
    EXPECT_EQ(Bejar(l), "");
    Tolt(l, "C");
    EXPECT_EQ(Bejar(l), "C");
}

TEST(ListaTobb, PozicioSzerintiEleres) {
    lista<char> l;
    Tolt(l, "XYZ");
    EXPECT_EQ(l(0), 'X');
    EXPECT_EQ(l(1), 'Y');
    EXPECT_EQ(l(2), 'Z');
    EXPECT_THROW(l(3), std::out_of_range);
    EXPECT_THROW(l(-1), std::out_of_range);
}

TEST(ListaTobb, IndexAzUtolsoElofordulas) {
    lista<char> l;
    Tolt(l, "ABA");
    EXPECT_EQ(l.Index('A'), 2);
    EXPECT_EQ(l.Index('B'), 1);
    EXPECT_EQ(l.Index('C'), -3);
    EXPECT_TRUE(l.Tartalmaz('A'));
    EXPECT_FALSE(l.Tartalmaz('C'));
}

struct RendezesEset {
    const char* nev;
    std::string be;
    std::string vart;
};

class ListaRendezes : public ::testing::TestWithParam<RendezesEset> {};

TEST_P(ListaRendezes, ElojelesKarakterSorrend) {
    lista<char> l;
    Tolt(l, GetParam().be);
    l.Sort();
    EXPECT_EQ(Bejar(l), GetParam().vart);
}

INSTANTIATE_TEST_SUITE_P(
    Esetek, ListaRendezes,
    ::testing::Values(RendezesEset{"Ures", "", ""}, RendezesEset{"Egy", "C", "C"},
                      RendezesEset{"Forditott", "CAB", "ABC"},
                      RendezesEset{"KisNagyBetu", "bBa", "Bab"},
                      RendezesEset{"Vesszo", "B,A", ",AB"},
                      // Bytes 0x80-0xFF are negative as signed characters.
                      RendezesEset{"NegativBajtok", "A\xE9\x80 ", std::string("\x80\xE9 A")}),
    NevSzerint());

// A list of pointers owns only its nodes: its end destroys none of the
// objects pointed to.
TEST(ListaMutatok, ANemBirtokoltObjektumokMegmaradnak) {
    struct Szamlalt {
        int* megszunt;
        ~Szamlalt() { ++*megszunt; }
    };
    int megszunt = 0;
    const std::unique_ptr<Szamlalt> a(new Szamlalt{&megszunt});
    const std::unique_ptr<Szamlalt> b(new Szamlalt{&megszunt});
    {
        lista<Szamlalt*> l;
        l.Betesz(a.get());
        l.Betesz(b.get());
        EXPECT_EQ(l.Index(b.get()), 1);
        EXPECT_EQ(l(0), a.get());
    }
    EXPECT_EQ(megszunt, 0);
}

}  // namespace
