#include "matrix.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>

namespace {

matrix<int> Sorszamozott(int sorok, int oszlopok) {
    matrix<int> m(sorok, oszlopok);
    for (int i = 0; i < sorok; ++i)
        for (int j = 0; j < oszlopok; ++j) m(i, j) = i * 100 + j;
    return m;
}

TEST(MatrixUres, NullaMeretuekEgyenlok) {
    matrix<int> a(0, 0), b(3, 0);
    EXPECT_EQ(a.rows(), 0);
    EXPECT_EQ(b.rows(), 3);
    EXPECT_EQ(b.cols(), 0);
    EXPECT_TRUE(a.Egyenlo(a));
    EXPECT_TRUE(b.Egyenlo(matrix<int>(3, 0)));
}

TEST(MatrixElem, SorfolytonosElrendezes) {
    matrix<int> m = Sorszamozott(3, 4);
    EXPECT_EQ(&m(1, 2), m.getVector() + 6);
    EXPECT_EQ(m.getVector()[6], 102);
    EXPECT_EQ(m(2, 3), 203);
}

TEST(MatrixMasolas, MelyMasolatFuggetlen) {
    matrix<int> forras = Sorszamozott(2, 3);
    matrix<int> masolat(1, 1);
    masolat = forras;
    matrix<int> konstrualt(forras);
    forras(1, 1) = -7;
    EXPECT_EQ(masolat.rows(), 2);
    EXPECT_EQ(masolat.cols(), 3);
    EXPECT_EQ(masolat(1, 1), 101);
    EXPECT_EQ(konstrualt(1, 1), 101);
    EXPECT_FALSE(forras.Egyenlo(masolat));
}

TEST(MatrixMasolas, OnmagaraValoErtekadasNemValtoztat) {
    matrix<int> m = Sorszamozott(2, 2);
    const matrix<int> elotte = m;
    matrix<int>& ugyanaz = m;
    m = ugyanaz;
    EXPECT_EQ(m.rows(), 2);
    EXPECT_EQ(m.cols(), 2);
    EXPECT_TRUE(m.Egyenlo(elotte));
}

// Every element counts, the last one included, not only the first difference.
TEST(MatrixEgyenlo, BarmelyElemElteresetEszreveszi) {
    const matrix<int> alap = Sorszamozott(3, 4);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            matrix<int> m = alap;
            EXPECT_TRUE(m.Egyenlo(alap));
            m(i, j) += 1;
            EXPECT_FALSE(m.Egyenlo(alap)) << i << "," << j;
        }
}

// Sizes whose element count does not fit in memory are refused, never wrapped.
TEST(MatrixHatar, KezelhetetlenMeretetElutasit) {
    EXPECT_THROW(matrix<int>(-1, 2), std::length_error);
    EXPECT_THROW((matrix<long double>(INT32_MAX, INT32_MAX)), std::bad_alloc);
}

// A matrix of more than 2^31 elements addresses its last element correctly:
// positions are not computed in int.
TEST(MatrixHatar, TobbMintKetMilliardElem) {
    std::unique_ptr<matrix<char>> m;
    try {
        m = std::make_unique<matrix<char>>(70000, 40000);
    } catch (const std::bad_alloc&) {
        GTEST_SKIP() << "2.8 GB of address space is not available here";
    }
    (*m)(69999, 39999) = 'z';
    (*m)(53687, 3648) = 'y';  // linear position 2^31 + 0
    EXPECT_EQ(m->getVector()[2799999999u], 'z');
    EXPECT_EQ(m->getVector()[2147483648u], 'y');
}

}  // namespace
