// Swordfish with two lines: which pairs count, the order of the search, the step and its log.
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

struct CasoSwordfish {
    const char* nome;
    int n;
    std::vector<Valore> celle;  // every other cell is decided (holds "1")
    std::string codice;         // "" = nothing found
    std::string valore, gruppo, elenco, eliminazioni;
    Righe log;
};

class Swordfish : public ::testing::TestWithParam<CasoSwordfish> {};

// Digit 5 in rows 2 and 6 only at columns 3 and 7; R4C3 and R5C7 also hold it.
const std::vector<Valore> Esempio = {{2, 3, "56"}, {2, 7, "56"}, {6, 3, "57"},
                                     {6, 7, "57"}, {4, 3, "15"}, {5, 7, "567"}};

std::vector<Valore> Piu(std::vector<Valore> a, const std::vector<Valore>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_P(Swordfish, RicercaEAggiornamento) {
    const CasoSwordfish& k = GetParam();
    Banco b;
    test::PreparaSchema(b, k.n, std::string(k.n * k.n, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS{}, tblE{};
    for (int r = 1; r <= k.n; ++r)
        for (int c = 1; c <= k.n; ++c) tblS[r][c] = "1";
    for (const Valore& v : k.celle) tblS[v.r][v.c] = v.v;
    // A list left by an earlier search must never make a finding.
    b.ris.EliminazioniTrovate = "111";

    const bool trovato = CercaSwordfish(RisoluzioneBanco(b), tblS);
    ASSERT_EQ(trovato, !k.codice.empty());
    if (!trovato) {
        EXPECT_EQ(b.ris.NumPassi, 0);
        EXPECT_EQ(b.ris.NumSwordfish, 0);
        return;
    }
    ASSERT_EQ(b.ris.NumPassi, 1);
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, k.codice);
    EXPECT_EQ(p.Riga, 0);
    EXPECT_EQ(p.Colonna, 0);
    EXPECT_EQ(p.Valore, k.valore);
    EXPECT_EQ(p.Gruppo, k.gruppo);
    EXPECT_EQ(p.Elenco, k.elenco);
    EXPECT_EQ(p.Eliminazioni, k.eliminazioni);
    EXPECT_EQ(b.ris.NumSwordfish, 1);
    EXPECT_EQ(b.ris.TecnicheUsate, 2);

    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(), k.log);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Swordfish,
    ::testing::Values(
        CasoSwordfish{
            "Il5NelleRighe2e6",
            7,
            Esempio,
            "SR",
            "5",
            "26",
            "37",
            "435575",
            {"Nella righe 26 il n.5 possibile solo in colonne 37", "Elimino 5 da R4C3", "Elimino 5 da R5C7"}},
        // Row 6 holds 5 only at column 3: a is 1.
        CasoSwordfish{"UnaSolaPosizioneComune",
                      7,
                      {{2, 3, "56"}, {2, 7, "56"}, {6, 3, "57"}, {4, 3, "15"}},
                      "",
                      "",
                      "",
                      "",
                      "",
                      {}},
        // Row 6 holds 5 at columns 3, 7 and 8: b is 3.
        CasoSwordfish{"TrePosizioni",
                      8,
                      {{2, 3, "56"}, {2, 7, "56"}, {6, 3, "57"}, {6, 7, "57"}, {6, 8, "58"}, {4, 3, "15"}},
                      "",
                      "",
                      "",
                      "",
                      "",
                      {}},
        // Digit 2 forms a pair in rows (and columns) 1 and 2 that strikes nothing: the search goes on.
        CasoSwordfish{
            "CoppiaSenzaEliminazioniSaltata",
            7,
            Piu({{1, 1, "23"}, {1, 2, "23"}, {2, 1, "23"}, {2, 2, "23"}}, Esempio),
            "SR",
            "5",
            "26",
            "37",
            "435575",
            {"Nella righe 26 il n.5 possibile solo in colonne 37", "Elimino 5 da R4C3", "Elimino 5 da R5C7"}},
        // Pairs for 4 and for 2: the smaller number first.
        CasoSwordfish{"NumeroMinorePrima",
                      7,
                      {{2, 4, "47"},
                       {2, 6, "47"},
                       {6, 4, "47"},
                       {6, 6, "47"},
                       {4, 4, "34"},  //
                       {1, 1, "26"},
                       {1, 2, "26"},
                       {3, 1, "26"},
                       {3, 2, "26"},
                       {5, 1, "23"}},
                      "SR",
                      "2",
                      "13",
                      "12",
                      "512",
                      {"Nella righe 13 il n.2 possibile solo in colonne 12", "Elimino 2 da R5C1"}},
        // For 5, a column pair (3 and 7) and a row pair (1 and 4): the columns first.
        CasoSwordfish{"ColonnePrimaDelleRighe",
                      7,
                      {{2, 3, "56"},
                       {6, 3, "56"},
                       {2, 7, "56"},
                       {6, 7, "56"},
                       {2, 5, "57"},  //
                       {1, 1, "58"},
                       {1, 2, "58"},
                       {4, 1, "58"},
                       {4, 2, "58"},
                       {5, 1, "57"}},
                      "SC",
                      "5",
                      "37",
                      "26",
                      "255",
                      {"Nelle colonne 37 il n.5 possibile solo in righe 26", "Elimino 5 da R2C5"}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(AggiornaSWF, ColoraSoloLeCelleCheHannoIlNumero) {
    Banco b;
    test::PreparaSchema(b, 7, std::string(49, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, 7);
    tblS[2][3] = "56";
    tblS[2][7] = "5";  // decided already: still coloured, it holds the number
    tblS[6][3] = "67";
    Passo p;
    p.Codice = "SR";
    p.Valore = "5";
    p.Gruppo = "26";
    p.Elenco = "37";
    p.Eliminazioni = "435";
    test::ImpostaPassoCorrente(b, p);
    EseguiPasso(RisoluzioneBanco(b), tblS, tblE);
    EXPECT_EQ(test::Sfondo(b, 2, 3), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 2, 7), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 6, 3), ColoreBianco);
    EXPECT_EQ(test::Sfondo(b, 6, 7), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 4, 3), ColoreGiallo);
    EXPECT_EQ(tblS[4][3], "123467");
}

// A pair without eliminations is no finding, even when an earlier search left an elimination list
// behind.
TEST(CercaSwordfish, NessunaEliminazioneVecchiaConta) {
    Banco b;
    test::PreparaSchema(b, 5, std::string(25, '0'));
    Tabella tblS{};
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) tblS[r][c] = "1";
    tblS[1][1] = tblS[1][2] = tblS[2][1] = tblS[2][2] = "23";
    b.ris.GruppoTrovato = "12";
    b.ris.EliminazioniTrovate = "315";
    EXPECT_FALSE(CercaSwordfish(RisoluzioneBanco(b), tblS));
    EXPECT_EQ(b.ris.NumPassi, 0);
}

TEST(CercaSwordfish, TecnicheUsate) {
    for (const auto& [prima, dopo] : std::vector<std::pair<int, int>>{{0, 2}, {1, 3}, {2, 2}, {3, 3}}) {
        Banco b;
        test::PreparaSchema(b, 7, std::string(49, '0'));
        Tabella tblS{};
        for (int r = 1; r <= 7; ++r)
            for (int c = 1; c <= 7; ++c) tblS[r][c] = "1";
        for (const Valore& v : Esempio) tblS[v.r][v.c] = v.v;
        b.ris.TecnicheUsate = prima;
        ASSERT_TRUE(CercaSwordfish(RisoluzioneBanco(b), tblS));
        EXPECT_EQ(b.ris.TecnicheUsate, dopo) << prima;
    }
}

}  // namespace
}  // namespace kelvaro
