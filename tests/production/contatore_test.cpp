// The exact solution counter: known counts, the real schemas, the solution it reports.
#include "solver/contatore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/caricamento.h"
#include "solver/aiuto.h"

namespace kelvaro {
namespace {

struct CasoConteggio {
    const char* nome;
    int n;
    std::string dati;
    std::vector<std::string> vincoli;
    int limite;
    int attese;
};

class Conteggio : public ::testing::TestWithParam<CasoConteggio> {};

TEST_P(Conteggio, ContaFinoAlLimite) {
    const CasoConteggio& c = GetParam();
    Banco b;
    test::PreparaSchema(b, c.n, c.dati, c.vincoli);
    EXPECT_EQ(ContaSoluzioni(b.schema, c.limite), c.attese);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Conteggio,
    ::testing::Values(
        // Latin squares of orders 1 to 4: 1, 2, 12, 576
        CasoConteggio{"Vuoto1", 1, "0", {}, 1000, 1}, CasoConteggio{"Vuoto2", 2, "0000", {}, 1000, 2},
        CasoConteggio{"Vuoto3", 3, "000000000", {}, 1000, 12},
        CasoConteggio{"Vuoto4", 4, "0000000000000000", {}, 1000, 576},
        CasoConteggio{"Vuoto4Limite2", 4, "0000000000000000", {}, 2, 2},
        CasoConteggio{"Vuoto9Limite2", 9, std::string(81, '0'), {}, 2, 2},
        // one sign settles a 2 x 2: R1C1 > R1C2 leaves 21 / 12
        CasoConteggio{"UnSegno2", 2, "0000", {"1112"}, 1000, 1},
        // R1C1 > R1C2 and R1C2 > R1C1 together: nothing fits
        CasoConteggio{"SegniOpposti", 2, "0000", {"1112", "1211"}, 1000, 0},
        // a chain across a row of 4 fixes the row 4321; the rest is free (4 squares remain)
        CasoConteggio{"Catena4", 4, "0000000000000000", {"1112", "1213", "1314"}, 1000, 24},
        // two equal givens in a row
        CasoConteggio{"DatiInConflitto", 4, "1100000000000000", {}, 1000, 0},
        // a sign against its givens: R1C1 = 1 cannot exceed R1C2
        CasoConteggio{"SegnoControDati", 3, "100000000", {"1112"}, 1000, 0},
        // a given beyond the size, and one that is not a digit
        CasoConteggio{"DatoFuoriDimensione", 3, "400000000", {}, 1000, 0},
        CasoConteggio{"DatoNonCifra", 3, "x00000000", {}, 1000, 0},
        // a 3 x 3 diagonal 1 2 3 (or its mirror) leaves one square
        CasoConteggio{"Diagonale3", 3, "100020003", {}, 1000, 1},
        CasoConteggio{"Antidiagonale3", 3, "001020300", {}, 1000, 1}),
    [](const auto& info) { return std::string(info.param.nome); });

std::vector<std::string> SchemiBench() {
    return test::FileSchemi({"/bench/schemi"});
}

TEST(ContatoreSchemiReali, OgniSchemaHaUnaSolaSoluzioneQuellaScritta) {
    const auto schemi = SchemiBench();
    ASSERT_EQ(schemi.size(), 49u);
    for (const std::string& percorso : schemi) {
        SCOPED_TRACE(percorso);
        const auto letto = LeggiSchemaFile(percorso);
        ASSERT_TRUE(letto.has_value());
        const auto bit = SchemaBitDa(letto->schema);
        ASSERT_TRUE(bit.has_value());
        ASSERT_TRUE(bit->DatiValidi);
        std::array<uint8_t, CelleMax> soluzione{};
        ASSERT_EQ(ContaSoluzioni(bit->schema, 2, &soluzione), 1);
        const Schema& s = letto->schema;
        std::string trovata;
        for (int i = 0; i < s.Sizesc * s.Sizesc; ++i) trovata += static_cast<char>('0' + soluzione[i]);
        EXPECT_EQ(trovata, ConcatenaTabella(s.tblSoluzione, s.Sizesc));
    }
}

TEST(ContatoreSchemiReali, TogliereTuttiISegniLasciaPiuSoluzioni) {
    for (const std::string& percorso : SchemiBench()) {
        auto letto = LeggiSchemaFile(percorso);
        ASSERT_TRUE(letto.has_value());
        Schema s = letto->schema;
        if (s.Vincoli.empty()) continue;
        s.Vincoli.clear();
        CostruisciSegni(s);
        EXPECT_EQ(ContaSoluzioni(s, 2), 2) << percorso;
    }
}

TEST(Contatore, UnSegnoSoloSuUnaDelleDueCelleVale) {
    // Only the less-than flag on R1C2 (as a hand-made table might hold): still R1C1 > R1C2.
    Banco b;
    test::PreparaSchema(b, 2, "0000");
    b.schema.tblSegni[1][2].MinSin = 1;
    EXPECT_EQ(ContaSoluzioni(b.schema, 10), 1);
}

TEST(Contatore, DimensioneFuoriTabelle) {
    Schema s;
    s.Sizesc = 0;
    EXPECT_FALSE(SchemaBitDa(s).has_value());
    EXPECT_EQ(ContaSoluzioni(s, 2), 0);
    s.Sizesc = 10;
    EXPECT_EQ(ContaSoluzioni(s, 2), 0);
}

}  // namespace
}  // namespace kelvaro
