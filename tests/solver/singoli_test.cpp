// Placing values and the scans for singles and contradictions.
#include <gtest/gtest.h>

#include "display/soluzione_banco.h"
#include "display/visualizza.h"
#include "solver/aiuto.h"
#include "solver/risolvi.h"
#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

using Righe = std::vector<std::string>;

Passo Crea(const std::string& codice, int r, int c, const std::string& v = "") {
    Passo p;
    p.Codice = codice;
    p.Riga = r;
    p.Colonna = c;
    p.Valore = v;
    return p;
}

// A 5 x 5 schema with its grid laid out, so that the colours can be read back.
Banco Preparato() {
    Banco b;
    test::PreparaSchema(b, 5, std::string(25, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    return b;
}

struct CasoFrase {
    Passo passo;
    std::string frase;
    bool contraddizione;
    long colore;
};

class FrasiDeiPassi : public ::testing::TestWithParam<CasoFrase> {};

// Tables without candidates, so that each step writes its sentence alone.
TEST_P(FrasiDeiPassi, FraseEColore) {
    const CasoFrase& caso = GetParam();
    Banco b = Preparato();
    Tabella tblS{}, tblE{};
    test::ImpostaPassoCorrente(b, caso.passo);
    EXPECT_EQ(EseguiPasso(RisoluzioneBanco(b), tblS, tblE), caso.contraddizione);
    EXPECT_EQ(b.log.Righe(), Righe{caso.frase});
    EXPECT_EQ(test::Sfondo(b, caso.passo.Riga, caso.passo.Colonna), caso.colore);
}

INSTANTIATE_TEST_SUITE_P(
    Codici, FrasiDeiPassi,
    ::testing::Values(
        CasoFrase{Crea("I", 2, 3, "4"), "Dato iniziale 4 in cella R2C3", false, ColoreVerde},
        CasoFrase{Crea("T", 5, 1, "2"), "Provo 2 in cella R5C1", false, ColoreVerde},
        CasoFrase{Crea("U", 1, 1, "3"), "3 unico  possibile in cella R1C1", false, ColoreVerde},
        CasoFrase{Crea("R", 4, 2, "1"), "1 unico  possibile in cella R4C2 per riga 4", false, ColoreVerde},
        CasoFrase{Crea("C", 1, 2, "5"), "5 unico  possibile in cella R1C2 per colonna 2", false, ColoreVerde},
        CasoFrase{Crea("E1", 3, 4), "Nessun numero possbile in  cella R3C4", true, ColoreRosso},
        CasoFrase{Crea("ER", 2, 1, "2"), "Nessun 2 possbile in  riga 2", true, ColoreRosso},
        CasoFrase{Crea("EC", 1, 4, "3"), "Nessun 3 possbile in  colonna 4", true, ColoreRosso}),
    test::NomeDa([](const CasoFrase& c) { return c.frase; }));

TEST(AggiornaUnico, EsempioDellaRiga2) {
    Banco b;
    test::PreparaSchema(b, 4, std::string(16, '0'));
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS = test::TabellaDa(4, {"12", "1234", "1234", "1234",  //
                                       "1", "34", "134", "24",        //
                                       "23", "1234", "1234", "1234",  //
                                       "14", "1234", "1234", "1234"});
    Tabella tblE{};
    test::ImpostaPassoCorrente(b, Crea("U", 2, 1, "1"));
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(), (Righe{"1 unico  possibile in cella R2C1", "Elimino 1 da R2C3",
                                    "Elimino 1 da R1C1", "Elimino 1 da R4C1"}));
    EXPECT_EQ(tblS[2][3], "34");
    EXPECT_EQ(tblS[2][2], "34");
    EXPECT_EQ(tblS[2][4], "24");
    EXPECT_EQ(tblS[1][1], "2");
    EXPECT_EQ(tblS[3][1], "23");
    EXPECT_EQ(tblS[4][1], "4");
    EXPECT_EQ(tblS[2][1], "1");
    EXPECT_EQ(tblE[2][1], "1");
    EXPECT_EQ(test::Sfondo(b, 2, 1), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 2, 3), ColoreGiallo);
    EXPECT_EQ(test::Sfondo(b, 1, 1), ColoreGiallo);
    EXPECT_EQ(test::Sfondo(b, 4, 1), ColoreGiallo);
    EXPECT_EQ(test::Sfondo(b, 2, 2), ColoreBianco);
    EXPECT_EQ(test::Sfondo(b, 3, 1), ColoreBianco);
}

TEST(AggiornaUnico, PrimaLaRigaPerColonnaPoiLaColonnaEIlValoreSempreImposto) {
    Banco b = Preparato();
    Tabella tblS{};
    InizializzaTab(tblS, 5);
    tblS[1][1] = "23";  // the target gets the value whatever its candidates were
    tblS[1][2] = "123";
    tblS[1][4] = "123";
    tblS[2][1] = "235";
    tblS[3][1] = "2";
    tblS[5][1] = "15";
    Tabella tblE{};
    test::ImpostaPassoCorrente(b, Crea("I", 1, 1, "4"));
    EseguiPasso(RisoluzioneBanco(b), tblS, tblE);
    EXPECT_EQ(b.log.Righe(), (Righe{"Dato iniziale 4 in cella R1C1", "Elimino 4 da R1C3", "Elimino 4 da R1C5",
                                    "Elimino 4 da R4C1"}));
    EXPECT_EQ(tblS[1][1], "4");
    EXPECT_EQ(tblS[1][3], "1235");
    EXPECT_EQ(tblS[4][1], "1235");
}

// --- detections ----------------------------------------------------------------------------

struct CasoRilevazione {
    const char* nome;
    std::vector<std::string> tblS;  // 4 x 4
    std::vector<std::string> tblE;  // 4 x 4, "" = not placed
    Passo atteso;                   // Codice "" = nothing recorded
};

class Rilevazione : public ::testing::TestWithParam<CasoRilevazione> {};

TEST_P(Rilevazione, PrimoPassoRegistrato) {
    const CasoRilevazione& caso = GetParam();
    Banco b;
    test::PreparaSchema(b, 4, std::string(16, '0'));
    b.imp.AttivaMultipli = 0;
    const Tabella tblS = test::TabellaDa(4, caso.tblS);
    const Tabella tblE = test::TabellaDa(4, caso.tblE);
    const bool trovato = Rileva(RisoluzioneBanco(b), tblS, tblE);
    ASSERT_EQ(trovato, !caso.atteso.Codice.empty());
    if (!trovato) {
        EXPECT_EQ(b.ris.NumPassi, 0);
        return;
    }
    ASSERT_EQ(b.ris.NumPassi, 1);
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, caso.atteso.Codice);
    EXPECT_EQ(p.Riga, caso.atteso.Riga);
    EXPECT_EQ(p.Colonna, caso.atteso.Colonna);
    EXPECT_EQ(p.Valore, caso.atteso.Valore);
}

const std::vector<std::string> Vuote(16, "");
// A solved 4 x 4 square with every value placed.
const std::vector<std::string> Quadrato = {"1", "2", "3", "4", "3", "4", "1", "2",
                                           "2", "1", "4", "3", "4", "3", "2", "1"};

std::vector<std::string> Con(std::vector<std::string> t, int r, int c, const std::string& v) {
    t[(r - 1) * 4 + c - 1] = v;
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Ordine, Rilevazione,
    ::testing::Values(
        // R1C1 decided and R4C4 empty: the cell scan meets R1C1 first.
        CasoRilevazione{"UPrimaDiE1", Con(Con(std::vector<std::string>(16, "1234"), 1, 1, "3"), 4, 4, ""),
                        Vuote, Crea("U", 1, 1, "3")},
        CasoRilevazione{"E1", Con(std::vector<std::string>(16, "1234"), 2, 3, ""), Vuote, Crea("E1", 2, 3)},
        // Column 2 has 3 only in R4C2, already placed (no "C"), and 1 only in R1C2, undecided.
        CasoRilevazione{"CSoloSeNonPiazzata",
                        {"1234", "14", "1234", "1234", "1234", "24", "1234", "1234", "1234", "24", "1234",
                         "1234", "1234", "3", "1234", "1234"},
                        Con(Vuote, 4, 2, "3"),
                        Crea("C", 1, 2, "1")},
        // No candidate 2 in column 3: "EC" with row 1, before any row is looked at.
        CasoRilevazione{"EC",
                        {"1234", "1234", "134", "1234", "1234", "1234", "134", "1234", "1234", "1234", "134",
                         "1234", "1234", "1234", "134", "1234"},
                        Vuote,
                        Crea("EC", 1, 3, "2")},
        // Row 2 misses 4 (columns are fine): "ER" with column 1.
        CasoRilevazione{"ER",
                        {"1234", "1234", "1234", "1234", "123", "123", "123", "123", "1234", "1234", "1234",
                         "1234", "14", "14", "14", "14"},
                        Vuote,
                        Crea("ER", 2, 1, "4")},
        // Digit 2 fits only R3C4 of row 3; column 4 holds 2 twice.
        CasoRilevazione{"R",
                        {"1234", "1234", "1234", "1234", "1234", "1234", "1234", "1234", "134", "134", "134",
                         "12", "1234", "1234", "1234", "1234"},
                        Vuote,
                        Crea("R", 3, 4, "2")},
        CasoRilevazione{"NienteSuUnQuadratoPiazzato", Quadrato, Quadrato, Passo{}}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace kelvaro
