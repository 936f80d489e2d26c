#include "rules/regole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

// A 4 x 4 with two signs: R1C1 > R1C2 and R2C3 < R3C3 (written as R3C3 > R2C3).
Schema Quattro() {
    Schema s;
    s.Sizesc = 4;
    test::SvuotaDati(s.tblSchema, 4);
    s.Vincoli = {"1112", "3323"};
    CostruisciSegni(s);
    s.Caricato = true;
    return s;
}

Cifre Da(const std::string& righe) {
    Cifre c{};
    for (size_t k = 0; k < righe.size(); ++k) c[k / 4 + 1][k % 4 + 1] = righe[k] - '0';
    return c;
}

TEST(Regole, OgniRotturaConIlSuoMotivo) {
    struct Caso {
        const char* posizione;
        std::vector<std::string> frasi;
    } casi[] = {
        {"2100000000000000", {}},
        {"1200000000000000", {"R1C1 deve essere maggiore di R1C2"}},
        {"3003000000000000", {"Due 3 nella riga 1"}},
        {"0000040000000400", {"Due 4 nella colonna 2"}},
        {"0000003000200000", {"R2C3 deve essere minore di R3C3"}},
        // Repeats first, in row-major order of their first cell, then the signs.
        {"1100100000000000",
         {"Due 1 nella riga 1", "Due 1 nella colonna 1", "R1C1 deve essere maggiore di R1C2"}},
    };
    const Schema s = Quattro();
    for (const Caso& c : casi) {
        std::vector<std::string> frasi;
        for (const Violazione& v : ControllaRegole(s, Da(c.posizione))) frasi.push_back(FraseViolazione(v));
        EXPECT_EQ(frasi, c.frasi) << c.posizione;
    }
}

TEST(Regole, LeCelleDellaRottura) {
    const auto v = ControllaRegole(Quattro(), Da("0000003000200000"));
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].tipo, Violazione::Tipo::Segno);
    EXPECT_EQ(v[0].A, (CellaRC{2, 3}));
    EXPECT_EQ(v[0].B, (CellaRC{3, 3}));
    const auto r = ControllaRegole(Quattro(), Da("0000040000000400"));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].A, (CellaRC{2, 2}));
    EXPECT_EQ(r[0].B, (CellaRC{4, 2}));
    EXPECT_EQ(r[0].Cifra, 4);
}

TEST(Regole, PosizioneRisolta) {
    const Schema s = Quattro();
    EXPECT_TRUE(PosizioneRisolta(s, Da("2143341212344321")));
    EXPECT_FALSE(PosizioneRisolta(s, Da("2143341212344320")));  // one cell empty
    EXPECT_FALSE(PosizioneRisolta(s, Da("1243341221344321")));  // R1C1 > R1C2 broken
}

// A stored SOLUTION counts only when it is one: complete, keeping the givens, breaking no rule.
TEST(Regole, SoluzioneSalvataSoloSeLoE) {
    struct Caso {
        const char* soluzione;
        bool valida;
    } casi[] = {
        {"2134341212434321", true},   // R1C1 > R1C2, R3C3 > R2C3
        {"1111111111111111", false},  // not a Latin square
        {"1234341221434321", false},  // breaks R1C1 > R1C2
        {"213434121243432", false},   // a cell short
        {"213434121243432x", false}, {"", false},
    };
    for (const Caso& k : casi) {
        Schema s = Quattro();
        const std::string t = k.soluzione;
        for (size_t i = 0; i < t.size(); ++i) s.tblSoluzione[i / 4 + 1][i % 4 + 1] = std::string(1, t[i]);
        EXPECT_EQ(SoluzioneSalvataValida(s).has_value(), k.valida) << k.soluzione;
        EXPECT_EQ(HaSoluzioneSalvata(s), !t.empty()) << k.soluzione;
    }
    // A given the stored solution does not keep.
    Schema s = Quattro();
    const std::string buona = "2134341212434321";
    for (size_t i = 0; i < buona.size(); ++i) s.tblSoluzione[i / 4 + 1][i % 4 + 1] = std::string(1, buona[i]);
    s.tblSchema[4][4] = "2";
    EXPECT_FALSE(SoluzioneSalvataValida(s).has_value());
    s.tblSchema[4][4] = "1";
    EXPECT_EQ(SoluzioneSalvataValida(s), Da(buona));
}

}  // namespace
}  // namespace kelvaro
