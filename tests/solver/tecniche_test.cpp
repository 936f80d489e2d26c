// The techniques on bit masks that the step solver and the generator's checks share.
#include "solver/tecniche.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

Maschera M(std::initializer_list<int> cifre) {
    Maschera m = 0;
    for (int d : cifre) m |= BitCifra(d);
    return m;
}

struct CasoSegno {
    const char* nome;
    bool maggiore;
    Maschera prec, succ;
    Maschera esclusi;
};

class Segno : public ::testing::TestWithParam<CasoSegno> {};

TEST_P(Segno, Esclusi) {
    const CasoSegno& k = GetParam();
    EXPECT_EQ(EsclusiDaSegno(k.maggiore, k.prec, k.succ), k.esclusi);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Segno,
    ::testing::Values(
        CasoSegno{"MaggioreDiUno", true, M({2, 3, 5}), 0, M({1, 2})},
        CasoSegno{"MaggioreDelSecondoSoltanto", true, 0, M({4, 6}), M({1, 2, 3, 4})},
        CasoSegno{"MaggioreMinimiDiversi", true, M({1, 3}), M({2, 4}), M({1, 2})},
        CasoSegno{"MaggioreMinimiUguali", true, M({1, 3}), M({1, 4}), M({1, 2, 3})},
        // Equal minima and a neighbour without a second candidate: no bound for "greater".
        CasoSegno{"MaggioreMinimiUgualiUnoDeciso", true, M({1}), M({1, 4}), 0},
        CasoSegno{"MinoreDiUno", false, M({2, 7}), 0, M({7, 8, 9})},
        CasoSegno{"MinoreMassimiDiversi", false, M({2, 6}), M({3, 8}), M({6, 7, 8, 9})},
        CasoSegno{"MinoreMassimiUguali", false, M({2, 5}), M({3, 5}), M({3, 4, 5, 6, 7, 8, 9})},
        // Equal maxima: the second-largest candidate either neighbour has, even if only one has it.
        CasoSegno{"MinoreMassimiUgualiUnoDeciso", false, M({5}), M({3, 5}), M({3, 4, 5, 6, 7, 8, 9})},
        CasoSegno{"MinoreDueDecisiUguali", false, M({5}), M({5}), 0},
        CasoSegno{"NessunVicino", true, 0, 0, 0}),
    test::NomeDelCaso{});

TEST(VerificaMult, PrimoGruppoCheTogliePerOrdineDellePosizioni) {
    // Positions 1 and 3 hold only 1 and 2 between them and both digits are elsewhere too; the
    // earlier pair (0, 1) holds three digits.
    const std::vector<Maschera> linea{M({1, 2, 3}), M({1, 2}), M({3, 4}), M({1, 2}), M({1, 2, 5})};
    Gruppo g;
    ASSERT_TRUE(VerificaMult(linea.data(), 5, 2, g));
    EXPECT_EQ(g.Posizioni, 0b01010);
    EXPECT_EQ(g.Cifre, M({1, 2}));
    // Four cells: the first four hold 1 to 4, which the last one holds too.
    ASSERT_TRUE(VerificaMult(linea.data(), 5, 4, g));
    EXPECT_EQ(g.Posizioni, 0b01111);
    EXPECT_EQ(g.Cifre, M({1, 2, 3, 4}));
}

TEST(VerificaMult, UnGruppoCheNonTogliNullaNonConta) {
    const std::vector<Maschera> linea{M({1, 2}), M({1, 2}), M({3}), M({4}), M({5})};
    Gruppo g;
    EXPECT_FALSE(VerificaMult(linea.data(), 5, 2, g));
}

TEST(VerificaMult, TreCelleTreCifre) {
    const std::vector<Maschera> linea{M({1, 2}), M({2, 3}), M({1, 3}), M({1, 4}), M({3, 4, 5})};
    Gruppo g;
    ASSERT_TRUE(VerificaMult(linea.data(), 5, 3, g));
    EXPECT_EQ(g.Posizioni, 0b00111);
    EXPECT_EQ(g.Cifre, M({1, 2, 3}));
}

TEST(VerificaSwf, CoppiaConUnaTerzaLineaDaCuiTogliere) {
    CoppiaLinee c;
    const std::vector<uint16_t> si{0b0101, 0b0101, 0b0001, 0b1010};
    ASSERT_TRUE(VerificaSwf(si.data(), 4, c));
    EXPECT_EQ(c.Prima, 0);
    EXPECT_EQ(c.Seconda, 1);
    const std::vector<uint16_t> no{0b0101, 0b0101, 0b1010, 0b1010};
    EXPECT_FALSE(VerificaSwf(no.data(), 4, c));
    // A later pair counts when the first one strikes nothing.
    const std::vector<uint16_t> dopo{0b0011, 0b0011, 0b1100, 0b1000, 0b1100};
    ASSERT_TRUE(VerificaSwf(dopo.data(), 5, c));
    EXPECT_EQ(c.Prima, 2);
    EXPECT_EQ(c.Seconda, 4);
}

}  // namespace
}  // namespace kelvaro
