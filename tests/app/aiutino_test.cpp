#include "app/aiutino.h"

#include <gtest/gtest.h>

#include "display/gioco.h"
#include "display/modifica.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

// A 5 x 5 schema on the grid: givens R1C1 = 2 and R3C4 = 5, one sign R1C2 > R1C3.
class Aiutino : public ::testing::Test {
protected:
    void SetUp() override {
        test::MostraSchemaPiccolo(b);
        b.modifica.InGioco = true;
    }
    std::string Testo(int r, int c) { return b.Gr.Cella(RigaGriglia(r), ColonnaGriglia(c)).Testo; }
    Banco b;
};

TEST_F(Aiutino, VociDelGiocatoreDallaGriglia) {
    ScriviCella(b, 2, 2, 4);
    const Tabella t = VociGiocatore(b);
    EXPECT_EQ(t[1][1], "2");
    EXPECT_EQ(t[2][2], "4");
    EXPECT_EQ(t[2][3], "0");
    EXPECT_EQ(t[3][4], "5");
}

TEST_F(Aiutino, TestoPerOgniEsito) {
    Suggerimento passo;
    passo.esito = Suggerimento::Esito::Passo;
    passo.Codice = "U";
    passo.Frasi = {"Prima frase.", "Seconda frase."};
    Suggerimento errore;
    errore.esito = Suggerimento::Esito::Errore;
    errore.CelleErrate = {{2, 3}, {4, 1}};
    Suggerimento prova;
    prova.esito = Suggerimento::Esito::Nessuno;
    prova.CellaProva = {3, 5};
    struct Caso {
        Suggerimento s;
        std::string atteso;
    } casi[] = {
        {passo, "Prima frase. Seconda frase. (H di nuovo per eseguirlo)"},
        {errore, "Errori in R2C3 e R4C1. (H di nuovo per cancellare)"},
        {prova, "Nessun passo logico: resta solo da provare una cifra in R3C5."},
        {Suggerimento{}, "Nessun passo logico da suggerire."},
    };
    for (const Caso& c : casi) EXPECT_EQ(TestoAiutino(c.s), c.atteso);
    // An error says why: the rule broken, or the solution contradicted.
    Suggerimento ripetuta = errore;
    ripetuta.CelleErrate = {{1, 4}};
    ripetuta.Motivo = "Due 6 nella riga 1";
    EXPECT_EQ(TestoAiutino(ripetuta), "Errore in R1C4: due 6 nella riga 1. (H di nuovo per cancellare)");
    Suggerimento segno = errore;
    segno.CelleErrate = {{1, 2}, {1, 3}};
    segno.Motivo = "R1C2 deve essere maggiore di R1C3";
    EXPECT_EQ(TestoAiutino(segno),
              "Errori in R1C2 e R1C3: R1C2 deve essere maggiore di R1C3. (H di nuovo per cancellare)");
    Suggerimento sbagliata = errore;
    sbagliata.CelleErrate = {{3, 3}};
    sbagliata.Motivo = "Cifra sbagliata in R3C3";
    EXPECT_EQ(TestoAiutino(sbagliata),
              "Errore in R3C3: la cifra non è quella della soluzione. (H di nuovo per cancellare)");
    Suggerimento appunti = errore;
    appunti.CelleErrate = {{3, 3}};
    appunti.Motivo = "Gli appunti di R3C3 escludono la cifra giusta";
    appunti.NoteCorrette = {{3, 3, "34567"}};
    EXPECT_EQ(TestoAiutino(appunti),
              "Le note di R3C3 escludono la cifra giusta. (H di nuovo per correggerle)");
    Suggerimento completo;
    completo.esito = Suggerimento::Esito::Completo;
    EXPECT_EQ(TestoAiutino(completo), "Lo schema è già completo.");
}

TEST_F(Aiutino, PassoEseguitoInUnaMossa) {
    CommutaNota(b, 1, 3, 4);
    CommutaNota(b, 1, 3, 1);
    const int prima = b.modifica.NumMosse();
    Suggerimento s;
    s.esito = Suggerimento::Esito::Passo;
    s.CelleDecise = {{1, 2}};
    s.Valore = 4;
    // The cells that lose candidates keep what the step leaves them, a given excepted.
    s.Tolti = {{1, 3, 1}, {3, 1, 3}, {1, 1, 3}};
    s.Restano = {{1, 3, "4"}, {3, 1, "14"}, {1, 1, "2"}};
    ASSERT_TRUE(EseguiAiutino(b, s));
    EXPECT_EQ(b.modifica.NumMosse(), prima + 1);
    EXPECT_EQ(Testo(1, 2), "4");
    EXPECT_EQ(b.modifica.Note[1][3], 0);                      // 1 removed by the step, 4 by the digit placed
    EXPECT_EQ(b.modifica.Note[3][1], (1u << 1) | (1u << 4));  // what the step left
    EXPECT_EQ(Testo(1, 1), "2");
    AnnullaMossa(b);
    EXPECT_EQ(Testo(1, 2), "");
    EXPECT_EQ(b.modifica.Note[1][3], (1u << 1) | (1u << 4));
    EXPECT_EQ(b.modifica.Note[3][1], 0);
    RifaiMossa(b);
    EXPECT_EQ(Testo(1, 2), "4");
}

TEST_F(Aiutino, ErroreCancellaLeCifreSbagliate) {
    ScriviCella(b, 1, 3, 2);
    ScriviCella(b, 4, 4, 3);
    Suggerimento s;
    s.esito = Suggerimento::Esito::Errore;
    s.CelleErrate = {{1, 3}, {1, 1}};  // a given is never cleared
    ASSERT_TRUE(EseguiAiutino(b, s));
    EXPECT_EQ(Testo(1, 3), "");
    EXPECT_EQ(Testo(1, 1), "2");
    EXPECT_EQ(Testo(4, 4), "3");
    AnnullaMossa(b);
    EXPECT_EQ(Testo(1, 3), "2");
}

TEST_F(Aiutino, NoteSbagliateRimesseAPostoInUnaMossa) {
    CommutaNota(b, 3, 3, 4);
    CommutaNota(b, 3, 3, 5);
    const int prima = b.modifica.NumMosse();
    Suggerimento s;
    s.esito = Suggerimento::Esito::Errore;
    s.CelleErrate = {{3, 3}};
    s.NoteCorrette = {{3, 3, "345"}};
    ASSERT_TRUE(EseguiAiutino(b, s));
    EXPECT_EQ(b.modifica.NumMosse(), prima + 1);
    EXPECT_EQ(b.modifica.Note[3][3], (1u << 3) | (1u << 4) | (1u << 5));
    EXPECT_EQ(Testo(3, 3), "");
    AnnullaMossa(b);
    EXPECT_EQ(b.modifica.Note[3][3], (1u << 4) | (1u << 5));
}

// From a real position: a hand digit beside an equal given is the only one named and cleared.
TEST_F(Aiutino, LaCifraCheRipeteUnDatoEDaSolaLErrore) {
    ScriviCella(b, 1, 4, 2);  // the given R1C1 is 2
    const Suggerimento s = ChiediAiutino(b);
    ASSERT_EQ(s.esito, Suggerimento::Esito::Errore);
    EXPECT_EQ(TestoAiutino(s), "Errore in R1C4: due 2 nella riga 1. (H di nuovo per cancellare)");
    ASSERT_TRUE(EseguiAiutino(b, s));
    EXPECT_EQ(Testo(1, 1), "2");
    EXPECT_EQ(Testo(1, 4), "");
}

TEST_F(Aiutino, NienteDaEseguire) {
    Suggerimento nessuno;
    EXPECT_FALSE(EseguiAiutino(b, nessuno));
    Suggerimento completo;
    completo.esito = Suggerimento::Esito::Completo;
    EXPECT_FALSE(EseguiAiutino(b, completo));
    EXPECT_EQ(b.modifica.NumMosse(), 0);
    // The hint reads the position without touching it.
    ScriviCella(b, 2, 2, 4);
    const Tabella prima = VociGiocatore(b);
    ChiediAiutino(b);
    EXPECT_TRUE(VociGiocatore(b) == prima);
    EXPECT_EQ(b.modifica.NumMosse(), 1);
}

// The hint applied is the step it showed: from the givens of a real 9 x 9 the first step strikes 1
// from R1C1 by a sign; the notes then hold the solver's candidates less 1, not the fewer digits a
// chain of signs would allow there.
TEST(AiutinoReale, LeNoteSonoQuelleCheIlPassoLascia) {
    Banco b;
    auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/schemi/9x_1.txt");
    ASSERT_TRUE(letto);
    b.schema = letto->schema;
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    b.modifica.InGioco = true;
    const Suggerimento s = ChiediAiutino(b);
    ASSERT_EQ(s.Codice, "MAG");
    ASSERT_TRUE(EseguiAiutino(b, s));
    uint16_t attese = 0;
    for (int d : {2, 4, 5, 6, 9}) attese = uint16_t(attese | 1u << d);
    EXPECT_EQ(b.modifica.Note[1][1], attese);
    int conNote = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) conNote += b.modifica.Note[r][c] != 0;
    EXPECT_EQ(conNote, 1);
}

}  // namespace
}  // namespace kelvaro
