// Inequality signs: bounds from one or both neighbours, the steps they record, their sentences.
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

struct CasoSegno {
    const char* nome;
    bool maggiore;
    std::vector<Valore> celle;  // the rest of the 5 x 5 table holds 12345
    int r, c, rp, cp, rs, cs, p, s;
    std::string eliminate;  // "" = no step
    Righe log;
    std::string dopo;  // the cell's candidates afterwards
};

class VincoliSegni : public ::testing::TestWithParam<CasoSegno> {};

TEST_P(VincoliSegni, VerificaEAggiorna) {
    const CasoSegno& k = GetParam();
    Banco b;
    test::PreparaSchema(b, 5, std::string(25, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, 5);
    for (const Valore& v : k.celle) tblS[v.r][v.c] = v.v;
    const Tabella prima = tblS;

    const bool trovato =
        k.maggiore ? VerificaMaggiore(RisoluzioneBanco(b), k.r, k.c, k.rp, k.cp, k.rs, k.cs, k.p, k.s, tblS)
                   : VerificaMinore(RisoluzioneBanco(b), k.r, k.c, k.rp, k.cp, k.rs, k.cs, k.p, k.s, tblS);
    EXPECT_EQ(tblS, prima);
    ASSERT_EQ(trovato, !k.eliminate.empty());
    if (!trovato) {
        EXPECT_EQ(b.ris.NumPassi, 0);
        return;
    }
    ASSERT_EQ(b.ris.NumPassi, 1);
    const Passo& ps = b.ris.Passi[1];
    EXPECT_EQ(ps.Codice, k.maggiore ? "MAG" : "MIN");
    EXPECT_EQ(ps.Riga, k.r);
    EXPECT_EQ(ps.Colonna, k.c);
    EXPECT_EQ(ps.Valore, k.eliminate);
    EXPECT_EQ(ps.RigaP, k.p ? k.rp : 0);
    EXPECT_EQ(ps.ColonnaP, k.p ? k.cp : 0);
    EXPECT_EQ(ps.RigaS, k.s ? k.rs : 0);
    EXPECT_EQ(ps.ColonnaS, k.s ? k.cs : 0);

    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(), k.log);
    EXPECT_EQ(tblS[k.r][k.c], k.dopo);
    EXPECT_EQ(test::Sfondo(b, k.r, k.c), ColoreGiallo);
    if (k.p) {
        EXPECT_EQ(test::Sfondo(b, k.rp, k.cp), ColoreVerde);
    }
    if (k.s) {
        EXPECT_EQ(test::Sfondo(b, k.rs, k.cs), ColoreVerde);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, VincoliSegni,
    ::testing::Values(
        CasoSegno{"MaggioreDelVicinoASinistra",
                  true,
                  {{1, 1, "235"}, {1, 2, "124"}},
                  1,
                  2,
                  1,
                  1,
                  1,
                  3,
                  1,
                  0,
                  "12",
                  Righe{"R1C2 deve essere maggiore di R1C1", "Elimino 12 da R1C2"},
                  "4"},
        CasoSegno{"MinimiDiversi",
                  true,
                  {{2, 1, "13"}, {2, 2, "1234"}, {2, 3, "24"}},
                  2,
                  2,
                  2,
                  1,
                  2,
                  3,
                  1,
                  1,
                  "12",
                  Righe{"R2C2 deve essere maggiore di R2C1 R2C2 deve essere maggiore di R2C3",
                        "Elimino 12 da R2C2"},
                  "34"},
        CasoSegno{"MinimiUguali",
                  true,
                  {{2, 1, "13"}, {2, 2, "1234"}, {2, 3, "14"}},
                  2,
                  2,
                  2,
                  1,
                  2,
                  3,
                  1,
                  1,
                  "123",
                  Righe{"R2C2 deve essere maggiore di R2C1 R2C2 deve essere maggiore di R2C3",
                        "Elimino 123 da R2C2"},
                  "4"},
        CasoSegno{"MinimiUgualiConUnVicinoDeciso",
                  true,
                  {{2, 1, "13"}, {2, 2, "1234"}, {2, 3, "1"}},
                  2,
                  2,
                  2,
                  1,
                  2,
                  3,
                  1,
                  1,
                  "",
                  Righe{},
                  ""},
        CasoSegno{"SoloIlVicinoSotto",
                  true,
                  {{2, 2, "1234"}, {3, 2, "34"}},
                  2,
                  2,
                  1,
                  2,
                  3,
                  2,
                  0,
                  1,
                  "123",
                  Righe{"R2C2 deve essere maggiore di R3C2", "Elimino 123 da R2C2"},
                  "4"},
        CasoSegno{
            "NullaDaTogliere", true, {{1, 1, "12"}, {1, 2, "34"}}, 1, 2, 1, 1, 1, 3, 1, 0, "", Righe{}, ""},
        CasoSegno{"MinoreDelVicinoSotto",
                  false,
                  {{2, 1, "25"}},
                  1,
                  1,
                  0,
                  1,
                  2,
                  1,
                  0,
                  1,
                  "5",
                  Righe{"R1C1 deve essere minore di R2C1", "Elimino 5 da R1C1"},
                  "1234"},
        CasoSegno{
            "MassimiDiversi",
            false,
            {{2, 1, "13"}, {2, 2, "1234"}, {2, 3, "24"}},
            2,
            2,
            2,
            1,
            2,
            3,
            1,
            1,
            "34",
            Righe{"R2C2 deve essere minore di R2C1 R2C2 deve essere minore di R2C3", "Elimino 34 da R2C2"},
            "12"},
        CasoSegno{
            "MassimiUgualiSiPrendeIlMaggioreDeiPenultimi",
            false,
            {{2, 1, "24"}, {2, 2, "1234"}, {2, 3, "14"}},
            2,
            2,
            2,
            1,
            2,
            3,
            1,
            1,
            "234",
            Righe{"R2C2 deve essere minore di R2C1 R2C2 deve essere minore di R2C3", "Elimino 234 da R2C2"},
            "1"},
        CasoSegno{
            "MassimiUgualiSeguenteDeciso",
            false,
            {{2, 1, "24"}, {2, 2, "1234"}, {2, 3, "4"}},
            2,
            2,
            2,
            1,
            2,
            3,
            1,
            1,
            "234",
            Righe{"R2C2 deve essere minore di R2C1 R2C2 deve essere minore di R2C3", "Elimino 234 da R2C2"},
            "1"},
        CasoSegno{
            "MassimiUgualiPrecedenteDeciso",
            false,
            {{2, 1, "4"}, {2, 2, "1234"}, {2, 3, "34"}},
            2,
            2,
            2,
            1,
            2,
            3,
            1,
            1,
            "34",
            Righe{"R2C2 deve essere minore di R2C1 R2C2 deve essere minore di R2C3", "Elimino 34 da R2C2"},
            "12"}),
    [](const auto& info) { return std::string(info.param.nome); });

// The scan goes cell by cell, and within a cell: horizontal greater, horizontal less, vertical
// greater, vertical less. R1C2 > R1C1 is also R1C1 < R1C2, met first.
TEST(CercaSegni, OrdineDellaScansione) {
    struct Caso {
        std::string r1c1, r1c2;
        std::string codice;
        int r, c;
        std::string valore;
    };
    for (const Caso& k : {Caso{"235", "124", "MIN", 1, 1, "5"}, Caso{"23", "124", "MAG", 1, 2, "12"},
                          Caso{"23", "34", "", 0, 0, ""}}) {
        Banco b;
        test::PreparaSchema(b, 5, std::string(25, '0'), {"1211"});
        Tabella tblS{};
        InizializzaTab(tblS, 5);
        tblS[1][1] = k.r1c1;
        tblS[1][2] = k.r1c2;
        const bool trovato = CercaSegni(RisoluzioneBanco(b), tblS);
        ASSERT_EQ(trovato, !k.codice.empty()) << k.r1c1 << " " << k.r1c2;
        if (!trovato) continue;
        const Passo& p = b.ris.Passi[1];
        EXPECT_EQ(p.Codice, k.codice);
        EXPECT_EQ(p.Riga, k.r);
        EXPECT_EQ(p.Colonna, k.c);
        EXPECT_EQ(p.Valore, k.valore);
    }
}

TEST(CercaSegni, VerticaleDopoOrizzontaleNellaStessaCella) {
    Banco b;
    // R2C2 greater than R2C3 and less than R3C2.
    test::PreparaSchema(b, 5, std::string(25, '0'), {"2223", "3222"});
    Tabella tblS{};
    InizializzaTab(tblS, 5);
    tblS[2][2] = "2345";
    tblS[2][3] = "345";
    tblS[3][2] = "34";
    // The less-than bound from below would remove 45, but the horizontal check comes first.
    ASSERT_TRUE(CercaSegni(RisoluzioneBanco(b), tblS));
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, "MAG");
    EXPECT_EQ(p.Riga, 2);
    EXPECT_EQ(p.Colonna, 2);
    EXPECT_EQ(p.Valore, "23");
    EXPECT_EQ(p.RigaP, 0);
    EXPECT_EQ(p.RigaS, 2);
    EXPECT_EQ(p.ColonnaS, 3);
}

}  // namespace
}  // namespace kelvaro
