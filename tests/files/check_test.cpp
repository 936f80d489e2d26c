#include <gtest/gtest.h>

#include "files/scrittura.h"
#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

Tabella SoluzioneDa(const std::string& cifre, int n) {
    Tabella t{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const size_t k = static_cast<size_t>((r - 1) * n + c - 1);
            t[r][c] = k < cifre.size() ? cifre.substr(k, 1) : "";
        }
    return t;
}

struct CasoCheck {
    std::string soluzione;
    int n;
    std::string check;
};

class CheckCode : public ::testing::TestWithParam<CasoCheck> {};

TEST_P(CheckCode, CodiceDiRiferimento) {
    const auto& caso = GetParam();
    EXPECT_EQ(CreaPwd(SoluzioneDa(caso.soluzione, caso.n), caso.n), caso.check);
}

INSTANTIATE_TEST_SUITE_P(Soluzioni, CheckCode,
                         ::testing::Values(CasoCheck{"1234341221434321", 4, "662364"},
                                           CasoCheck{"", 4, "303100"},
                                           // from the shipped real schemas
                                           CasoCheck{"3241554231135244135225143", 5, "294640"}),
                         test::NomeDa([](const CasoCheck& c) { return "Dimensione" + std::to_string(c.n); }));

TEST(MescolaCifre, LaChiaveProsegueTraUnaChiamataELAltra) {
    int32_t chiave = ChiaveIniziale;
    const std::string prima = MescolaCifre("000000", chiave);
    EXPECT_EQ(prima, "303100");
    EXPECT_NE(chiave, ChiaveIniziale);
    const std::string seconda = MescolaCifre("000000", chiave);
    EXPECT_NE(seconda, prima);
    chiave = ChiaveIniziale;
    EXPECT_EQ(MescolaCifre("000000", chiave), prima);
}

TEST(MescolaCifre, SempreSeiCifreDecimaliPerOgniDimensione) {
    for (int n = 1; n <= 9; ++n) {
        Tabella t{};
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) t[r][c] = std::to_string(n);
        const std::string s = CreaPwd(t, n);
        ASSERT_EQ(s.size(), 6u);
        for (char ch : s) EXPECT_TRUE(ch >= '0' && ch <= '9');
    }
}

}  // namespace
}  // namespace kelvaro
