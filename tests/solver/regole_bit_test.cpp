// The rules every engine on bit masks shares: singles, hidden singles, sign bounds.
#include "solver/regole_bit.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

Maschera M(std::initializer_list<int> cifre) {
    Maschera m = 0;
    for (int d : cifre) m |= static_cast<Maschera>(1u << (d - 1));
    return m;
}

TEST(RegoleBit, Singolo) {
    EXPECT_TRUE(Singolo(0));
    EXPECT_TRUE(Singolo(M({7})));
    EXPECT_FALSE(Singolo(M({1, 9})));
    EXPECT_TRUE(Indecisa(M({2, 3})));
    EXPECT_FALSE(Indecisa(M({9})));
}

struct CasoLimite {
    const char* nome;
    Maschera vicino;
    Maschera sopra, sotto;  // what a cell greater / less than the neighbour may hold
};

class Limite : public ::testing::TestWithParam<CasoLimite> {};

TEST_P(Limite, DaUnVicino) {
    const CasoLimite& k = GetParam();
    EXPECT_EQ(static_cast<Maschera>(SopraIlMinimo(k.vicino) & TutteLeCifre(9)), k.sopra);
    EXPECT_EQ(SottoIlMassimo(k.vicino), k.sotto);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Limite,
    ::testing::Values(CasoLimite{"Uno", M({1}), M({2, 3, 4, 5, 6, 7, 8, 9}), 0},
                      CasoLimite{"Nove", M({9}), 0, M({1, 2, 3, 4, 5, 6, 7, 8})},
                      CasoLimite{"TreSette", M({3, 7}), M({4, 5, 6, 7, 8, 9}), M({1, 2, 3, 4, 5, 6})},
                      CasoLimite{"DueCinqueSei", M({2, 5, 6}), M({3, 4, 5, 6, 7, 8, 9}), M({1, 2, 3, 4, 5})}),
    test::NomeDelCaso{});

TEST(RegoleBit, EsclusiDalLimite) {
    EXPECT_EQ(EsclusiDalLimite(true, M({3}), 5), M({1, 2, 3}));
    EXPECT_EQ(EsclusiDalLimite(false, M({3}), 5), M({3, 4, 5}));
    EXPECT_EQ(EsclusiDalLimite(false, M({4}), 9), M({4, 5, 6, 7, 8, 9}));
}

TEST(RegoleBit, MinimoEMassimo) {
    EXPECT_EQ(MinimoDi(M({3, 5, 8})), M({3}));
    EXPECT_EQ(MassimoDi(M({3, 5, 8})), M({8}));
    EXPECT_EQ(MinimoDi(0), 0);
    EXPECT_EQ(MassimoDi(0), 0);
}

// A line of 4: 1 decided; 2 and 3 in two cells each; 4 in one undecided cell.
TEST(RegoleBit, PresenzeDiUnaLinea) {
    const std::array<Maschera, 4> linea{M({1}), M({2, 3}), M({2, 3, 4}), M({1, 2})};
    const Presenze p = ContaLinea(4, [&](int k) { return linea[k]; });
    EXPECT_EQ(p.Una, M({1, 2, 3, 4}));
    EXPECT_EQ(p.Due, M({1, 2, 3}));
    EXPECT_EQ(p.Decise, M({1}));
    EXPECT_EQ(Mancanti(p, TutteLeCifre(4)), 0);
    EXPECT_EQ(InUnPosto(p), M({4}));
    EXPECT_EQ(SingoliNascosti(p), M({4}));
    EXPECT_EQ(ContaLinea<false>(4, [&](int k) { return linea[k]; }).Decise, 0);
    EXPECT_EQ(Mancanti(p, TutteLeCifre(5)), M({5}));
}

// The digit of a decided cell is taken from its row and column only, row before column at each k.
TEST(RegoleBit, TogliDallaCroce) {
    const int n = 3;
    std::array<Maschera, 9> g{};
    g.fill(M({1, 2, 3}));
    g[4] = M({2});     // the centre
    g[5] = M({1, 3});  // already without 2: not asked
    std::vector<int> chieste;
    const bool tutto = TogliDallaCroce(n, 1, 1, g[4], g.data(), [&](int i, Maschera nuova) {
        chieste.push_back(i);
        g[i] = nuova;
        return true;
    });
    EXPECT_TRUE(tutto);
    EXPECT_EQ(chieste, (std::vector<int>{3, 1, 7}));
    for (int i : {1, 3, 7}) EXPECT_EQ(g[i], M({1, 3}));
    for (int i : {0, 2, 6, 8}) EXPECT_EQ(g[i], M({1, 2, 3}));
    EXPECT_EQ(g[4], M({2}));

    chieste.clear();
    g.fill(M({1, 2}));
    EXPECT_FALSE(TogliDallaCroce(n, 0, 0, M({1}), g.data(), [&](int i, Maschera) {
        chieste.push_back(i);
        return false;
    }));
    EXPECT_EQ(chieste, (std::vector<int>{1}));
}

}  // namespace
}  // namespace kelvaro
