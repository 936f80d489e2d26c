// Naked subsets: the search order, the finding's strings, the step's sentence and eliminations.
#include <gtest/gtest.h>

#include "display/soluzione_banco.h"
#include "display/visualizza.h"
#include "solver/aiuto.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

using Righe = std::vector<std::string>;

struct Valore {
    int r, c;
    std::string v;
};

struct CasoMultiplo {
    const char* nome;
    int n;
    std::vector<Valore> celle;  // every other cell holds all the digits
    std::string codice;         // "" = nothing found
    int riga, colonna;
    std::string gruppo, elenco, eliminazioni;
    Righe log;
};

class Multipli : public ::testing::TestWithParam<CasoMultiplo> {};

TEST_P(Multipli, RicercaEAggiornamento) {
    const CasoMultiplo& k = GetParam();
    Banco b;
    test::PreparaSchema(b, k.n, std::string(k.n * k.n, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, k.n);
    for (const Valore& v : k.celle) tblS[v.r][v.c] = v.v;

    const bool trovato = CercaMultipli(RisoluzioneBanco(b), tblS);
    ASSERT_EQ(trovato, !k.codice.empty());
    if (!trovato) {
        EXPECT_EQ(b.ris.NumPassi, 0);
        EXPECT_EQ(b.ris.NumMultipli, 0);
        return;
    }
    ASSERT_EQ(b.ris.NumPassi, 1);
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, k.codice);
    EXPECT_EQ(p.Riga, k.riga);
    EXPECT_EQ(p.Colonna, k.colonna);
    EXPECT_EQ(p.Gruppo, k.gruppo);
    EXPECT_EQ(p.Elenco, k.elenco);
    EXPECT_EQ(p.Eliminazioni, k.eliminazioni);
    EXPECT_EQ(b.ris.NumMultipli, 1);
    EXPECT_EQ(b.ris.TecnicheUsate, 1);

    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(), k.log);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Multipli,
    ::testing::Values(
        CasoMultiplo{
            "CoppiaNellaRiga3",
            7,
            {{3, 1, "147"},
             {3, 2, "47"},
             {3, 3, "123"},
             {3, 4, "56"},
             {3, 5, "47"},
             {3, 6, "1256"},
             {3, 7, "36"}},
            "MR",
            3,
            0,
            "25",
            "47",
            "314317",
            {"Nella riga 3 i n.47 possibili solo in R3C2 R3C5", "Elimino 4 da R3C1", "Elimino 7 da R3C1"}},
        // Row 1 holds two pairs that strike nothing; the search goes on to row 2.
        CasoMultiplo{"CoppieSenzaEliminazioniSaltate",
                     4,
                     {{1, 1, "12"}, {1, 2, "12"}, {1, 3, "34"}, {1, 4, "34"}, {2, 3, "12"}, {2, 4, "12"}},
                     "MR",
                     2,
                     0,
                     "34",
                     "12",
                     "211212221222",
                     {"Nella riga 2 i n.12 possibili solo in R2C3 R2C4", "Elimino 1 da R2C1",
                      "Elimino 2 da R2C1", "Elimino 1 da R2C2", "Elimino 2 da R2C2"}},
        // A pair in column 4 and one in row 1: columns come first.
        CasoMultiplo{"ColonnePrimaDelleRighe",
                     4,
                     {{2, 4, "34"}, {3, 4, "34"}, {1, 1, "12"}, {1, 2, "12"}},
                     "MC",
                     0,
                     4,
                     "23",
                     "34",
                     "143144443444",
                     {"Nella colonna 4 i n.34 possibili solo in R2C4 R3C4", "Elimino 3 da R1C4",
                      "Elimino 4 da R1C4", "Elimino 3 da R4C4", "Elimino 4 da R4C4"}},
        CasoMultiplo{"Tripla",
                     5,
                     {{1, 1, "12"}, {1, 2, "23"}, {1, 3, "13"}},
                     "MR",
                     1,
                     0,
                     "123",
                     "123",
                     "141142143151152153",
                     {"Nella riga 1 i n.123 possibili solo in R1C1 R1C2 R1C3", "Elimino 1 da R1C4",
                      "Elimino 2 da R1C4", "Elimino 3 da R1C4", "Elimino 1 da R1C5", "Elimino 2 da R1C5",
                      "Elimino 3 da R1C5"}},
        // A decided cell of the line is tested like any other and may lose its only digit.
        CasoMultiplo{"CellaDecisaAncheLei",
                     4,
                     {{1, 1, "12"}, {1, 2, "12"}, {1, 3, "1"}, {1, 4, "34"}},
                     "MR",
                     1,
                     0,
                     "12",
                     "12",
                     "131",
                     {"Nella riga 1 i n.12 possibili solo in R1C1 R1C2", "Elimino 1 da R1C3"}},
        CasoMultiplo{"NullaSuUnaGrigliaVuota", 5, {}, "", 0, 0, "", "", "", {}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(AggiornaMultiplo, ColoriEValoriRimasti) {
    Banco b;
    test::PreparaSchema(b, 7, std::string(49, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, 7);
    tblS[3][1] = "147";
    tblS[3][2] = "47";
    tblS[3][5] = "47";
    Passo p;
    p.Codice = "MR";
    p.Riga = 3;
    p.Gruppo = "25";
    p.Elenco = "47";
    p.Eliminazioni = "314317";
    test::ImpostaPassoCorrente(b, p);
    EseguiPasso(RisoluzioneBanco(b), tblS, tblE);
    EXPECT_EQ(tblS[3][1], "1");
    EXPECT_EQ(test::Sfondo(b, 3, 2), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 3, 5), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 3, 1), ColoreGiallo);
    EXPECT_EQ(test::Sfondo(b, 3, 3), ColoreBianco);
}

TEST(EseguiEliminazioni, UnaCifraGiaAndataNonScriveNulla) {
    Banco b;
    test::PreparaSchema(b, 5, std::string(25, '0'));
    Tabella tblS{};
    tblS[1][1] = "123";
    tblS[1][2] = "45";
    EseguiEliminazioni(RisoluzioneBanco(b), "114125", tblS);
    EXPECT_EQ(b.log.Righe(), Righe{"Elimino 5 da R1C2"});
    EXPECT_EQ(tblS[1][1], "123");
    EXPECT_EQ(tblS[1][2], "4");
}

TEST(CercaMultipli, TecnicheUsate) {
    for (const auto& [prima, dopo] : std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 3}, {3, 3}}) {
        Banco b;
        test::PreparaSchema(b, 4, std::string(16, '0'));
        Tabella tblS{};
        InizializzaTab(tblS, 4);
        tblS[2][3] = tblS[2][4] = "12";
        b.ris.TecnicheUsate = prima;
        ASSERT_TRUE(CercaMultipli(RisoluzioneBanco(b), tblS));
        EXPECT_EQ(b.ris.TecnicheUsate, dopo) << prima;
    }
}

// Which advanced searches run follows AttivaMultipli: +1 subsets, +2 Swordfish.
TEST(Rileva, AttivaMultipli) {
    // Singles and signs find nothing; a row pair with eliminations exists, no Swordfish does.
    const Tabella tblS = test::TabellaDa(4, {"12", "12", "34", "34", "1234", "1234", "12", "12",  //
                                             "1234", "1234", "1234", "1234", "1234", "1234", "1234", "1234"});
    const Tabella tblE{};
    for (const auto& [attiva, codice] :
         std::vector<std::pair<int, std::string>>{{0, ""}, {1, "MR"}, {2, ""}, {3, "MR"}}) {
        Banco b;
        test::PreparaSchema(b, 4, std::string(16, '0'));
        b.imp.AttivaMultipli = attiva;
        EXPECT_EQ(Rileva(RisoluzioneBanco(b), tblS, tblE), !codice.empty()) << attiva;
        if (!codice.empty()) {
            EXPECT_EQ(b.ris.Passi[1].Codice, codice);
        }
    }
}

}  // namespace
}  // namespace kelvaro
