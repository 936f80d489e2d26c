// Whole solves of small schemas: every log line in order, the result, the counters; the trial
// order from the fixed random sequence; the log mode through a scripted log window.
#include "solver/risolvi.h"

#include <gtest/gtest.h>

#include "display/griglia.h"
#include "display/soluzione_banco.h"
#include "model/casuale.h"
#include "solver/aiuto.h"
#include "supporto/finestre_finte.h"

namespace kelvaro {
namespace {

using Righe = std::vector<std::string>;

Righe Concatena(std::initializer_list<Righe> parti) {
    Righe out;
    for (const Righe& p : parti) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Righe RigheRisultato(const Banco& b) {
    Righe out;
    for (int r = 1; r <= b.schema.Sizesc; ++r) {
        std::string riga;
        for (int c = 1; c <= b.schema.Sizesc; ++c) riga += (c > 1 ? " " : "") + b.schema.tblRisolto[r][c];
        out.push_back(riga);
    }
    return out;
}

// A Latin square with the 2 x 2 block at the top left open: two solutions, found only by a trial.
const char* const SchemaProva = "0034004334124321";

const Righe DatiProva = {"Dato iniziale 3 in cella R1C3",
                         "Elimino 3 da R1C1",
                         "Elimino 3 da R1C2",  //
                         "Dato iniziale 4 in cella R1C4",
                         "Elimino 4 da R1C1",
                         "Elimino 4 da R1C2",  //
                         "Dato iniziale 4 in cella R2C3",
                         "Elimino 4 da R2C1",
                         "Elimino 4 da R2C2",  //
                         "Dato iniziale 3 in cella R2C4",
                         "Elimino 3 da R2C1",
                         "Elimino 3 da R2C2",  //
                         "Dato iniziale 3 in cella R3C1",
                         "Dato iniziale 4 in cella R3C2",  //
                         "Dato iniziale 1 in cella R3C3",
                         "Dato iniziale 2 in cella R3C4",  //
                         "Dato iniziale 4 in cella R4C1",
                         "Dato iniziale 3 in cella R4C2",  //
                         "Dato iniziale 2 in cella R4C3",
                         "Dato iniziale 1 in cella R4C4"};

class Risoluzione : public ::testing::Test {
protected:
    void SetUp() override { RiportaCasualeAllInizio(); }
};

TEST_F(Risoluzione, GrigliaPiena) {
    Banco b;
    test::PreparaSchema(b, 4, "1234341221434321");
    RisolviSchema(b);
    Righe atteso;
    const std::string cifre = "1234341221434321";
    for (int k = 0; k < 16; ++k)
        atteso.push_back("Dato iniziale " + cifre.substr(k, 1) + " in cella R" + std::to_string(k / 4 + 1) +
                         "C" + std::to_string(k % 4 + 1));
    EXPECT_EQ(b.ris.Trascrizione, atteso);
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_EQ(RigheRisultato(b), (Righe{"1 2 3 4", "3 4 1 2", "2 1 4 3", "4 3 2 1"}));
    EXPECT_EQ(b.ris.NumPassi, 16);
    EXPECT_EQ(b.ris.PassoCorrente, 16);
    EXPECT_EQ(b.ris.TecnicheUsate, 0);
}

TEST_F(Risoluzione, DueDatiUgualiInUnaRiga) {
    Banco b;
    test::PreparaSchema(b, 4, "1010000000000000");
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c) b.schema.tblRisolto[r][c] = "x";
    RisolviSchema(b);
    EXPECT_EQ(
        b.ris.Trascrizione,
        (Righe{"Dato iniziale 1 in cella R1C1", "Elimino 1 da R1C2", "Elimino 1 da R1C3", "Elimino 1 da R1C4",
               "Elimino 1 da R2C1", "Elimino 1 da R3C1", "Elimino 1 da R4C1",  //
               "Dato iniziale 1 in cella R1C3", "Elimino 1 da R1C1", "Elimino 1 da R2C3", "Elimino 1 da R3C3",
               "Elimino 1 da R4C3",                      //
               "Nessun numero possbile in  cella R1C1",  //
               "Lo schema non ha soluzione"}));
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_TRUE(b.ris.SenzaSoluzione);
    EXPECT_EQ(b.ris.NumPassi, 3);
    EXPECT_EQ(b.ris.Passi[3].Codice, "E1");
    // Nothing found: the result keeps what it held.
    EXPECT_EQ(RigheRisultato(b), (Righe{"x x x x", "x x x x", "x x x x", "x x x x"}));
}

TEST_F(Risoluzione, ProvaDalPrincipioDellaSequenza) {
    Banco b;
    test::PreparaSchema(b, 4, SchemaProva);
    RisolviSchema(b);
    EXPECT_EQ(b.ris.Trascrizione,
              Concatena({DatiProva,
                         {"Provo 1 in cella R1C1", "Elimino 1 da R1C2", "Elimino 1 da R2C1",
                          "2 unico  possibile in cella R1C2", "Elimino 2 da R2C2",
                          "2 unico  possibile in cella R2C1", "1 unico  possibile in cella R2C2"}}));
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_EQ(RigheRisultato(b), (Righe{"1 2 3 4", "2 1 4 3", "3 4 1 2", "4 3 2 1"}));
    EXPECT_EQ(b.ris.NumPassi, 16);
    EXPECT_EQ(b.ris.Passi[13].Codice, "T");
}

// One draw further along the sequence the 30 swaps leave the candidates as 21.
TEST_F(Risoluzione, ProvaConLaSequenzaAvanzata) {
    GeneraCasuale(1);
    Banco b;
    test::PreparaSchema(b, 4, SchemaProva);
    RisolviSchema(b);
    EXPECT_EQ(b.ris.Trascrizione,
              Concatena({DatiProva,
                         {"Provo 2 in cella R1C1", "Elimino 2 da R1C2", "Elimino 2 da R2C1",
                          "1 unico  possibile in cella R1C2", "Elimino 1 da R2C2",
                          "1 unico  possibile in cella R2C1", "2 unico  possibile in cella R2C2"}}));
    EXPECT_EQ(RigheRisultato(b), (Righe{"2 1 3 4", "1 2 4 3", "3 4 1 2", "4 3 2 1"}));
}

// The same block with R1C1 > R1C2: the sign decides it without a trial.
TEST_F(Risoluzione, UnSegnoDecideSenzaProve) {
    Banco b;
    test::PreparaSchema(b, 4, SchemaProva, {"1112"});
    RisolviSchema(b);
    EXPECT_EQ(b.ris.Trascrizione,
              Concatena({DatiProva,
                         {"R1C1 deve essere maggiore di R1C2", "Elimino 1 da R1C1",
                          "2 unico  possibile in cella R1C1", "Elimino 2 da R1C2", "Elimino 2 da R2C1",
                          "1 unico  possibile in cella R1C2", "Elimino 1 da R2C2",
                          "1 unico  possibile in cella R2C1", "2 unico  possibile in cella R2C2"}}));
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_EQ(RigheRisultato(b), (Righe{"2 1 3 4", "1 2 4 3", "3 4 1 2", "4 3 2 1"}));
    ASSERT_EQ(b.ris.NumPassi, 17);
    const Passo& p = b.ris.Passi[13];
    EXPECT_EQ(p.Codice, "MAG");
    EXPECT_EQ(p.Valore, "1");
    EXPECT_EQ(p.RigaP, 0);
    EXPECT_EQ(p.ColonnaP, 0);
    EXPECT_EQ(p.RigaS, 1);
    EXPECT_EQ(p.ColonnaS, 2);
    // No trial, so no draw was taken from the sequence.
    EXPECT_NEAR(EstraiCasuale(), 11837123.0 / 16777216.0, 1e-12);
}

TEST_F(Risoluzione, LimiteDiLivelloLasciaICandidati) {
    Banco b;
    test::PreparaSchema(b, 4, SchemaProva);
    b.ris.MaxLivello = 1;
    RisolviSchema(b);
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_EQ(b.ris.Trascrizione, DatiProva);
    EXPECT_EQ(RigheRisultato(b), (Righe{"12 12 3 4", "12 12 4 3", "3 4 1 2", "4 3 2 1"}));
}

TEST_F(Risoluzione, StoriaDegliStati) {
    Banco b;
    test::PreparaSchema(b, 4, SchemaProva);
    b.storia.RegistraStoria = true;
    b.storia.NumStoria = 7;  // the solve starts a new history
    RisolviSchema(b);
    ASSERT_EQ(b.storia.NumStoria, 3);
    EXPECT_EQ(b.storia.StoriaS[1], "  34  4334124321");
    EXPECT_EQ(b.storia.StoriaS[2], "12342 4334124321");
    EXPECT_EQ(b.storia.StoriaS[3], "1234214334124321");
    EXPECT_EQ(b.storia.StoriaV[1], "");
    EXPECT_EQ(b.storia.StoriaV[2], "111221");
    EXPECT_EQ(b.storia.StoriaV[3], "22");
}

// A cell a short file left without a digit is an empty cell, as the grid shows it.
TEST_F(Risoluzione, DatoMancanteValeComeCellaVuota) {
    Banco b;
    test::PreparaSchema(b, 4, "1234341221434321");
    b.schema.tblSchema[4][4] = "";
    RisolviSchema(b);
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_EQ(b.ris.NumPassi, 16);  // 15 givens and the single for R4C4
    EXPECT_EQ(b.ris.Trascrizione.back(), "1 unico  possibile in cella R4C4");
    EXPECT_EQ(b.schema.tblRisolto[4][4], "1");
}

TEST_F(Risoluzione, SenzaSchemaNonFaNulla) {
    Banco b;
    b.ris.NumPassi = 0;
    RisolviSchema(b);
    EXPECT_EQ(b.ris.NumPassi, 0);
    EXPECT_TRUE(b.ris.Trascrizione.empty());
    EXPECT_FALSE(b.ris.Risolto);
}

// The step list and the counters grow past the old fixed limits.
TEST_F(Risoluzione, NessunLimiteFissoAlNumeroDiPassi) {
    Banco b;
    test::PreparaSchema(b, 9, std::string(81, '0'));
    RisolviSchema(b);
    EXPECT_TRUE(b.ris.Risolto);
    std::string motivo;
    EXPECT_TRUE(test::RispettaSchema(b.schema, b.schema.tblRisolto, &motivo)) << motivo;
    for (int k = 0; k < 2100; ++k) RegistraPasso(RisoluzioneBanco(b), "U");
    EXPECT_GE(b.ris.NumPassi, 2100);
    EXPECT_EQ(static_cast<int>(b.ris.Passi.size()), b.ris.NumPassi + 1);
}

// --- log mode ------------------------------------------------------------------------------

class ModoLog : public Risoluzione {
protected:
    void Risolvi(const char* dati, std::initializer_list<int> risposte) {
        test::PreparaSchema(b, 4, dati);
        b.ImpostaFinestre(&f);
        f.comandiLog.assign(risposte.begin(), risposte.end());
        b.ris.MostraLog = true;
        RisolviSchema(b);
    }
    Banco b;
    test::FinestreFinte f;
};

const Righe Situazione = {"Situazione aggiornata"};
const Righe Passo1 = {"Dato iniziale 1 in cella R1C1",
                      "Elimino 1 da R1C2",
                      "Elimino 1 da R1C3",
                      "Elimino 1 da R1C4",
                      "Elimino 1 da R2C1",
                      "Elimino 1 da R3C1",
                      "Elimino 1 da R4C1"};
const Righe Passo2 = {"Dato iniziale 1 in cella R1C3", "Elimino 1 da R1C1", "Elimino 1 da R2C3",
                      "Elimino 1 da R3C3", "Elimino 1 da R4C3"};
const Righe Passo3 = {"Nessun numero possbile in  cella R1C1"};

TEST_F(ModoLog, PausaInizialePoiOgniPasso) {
    Risolvi("1010000000000000", {});
    EXPECT_EQ(f.logMostrati, (std::vector<Righe>{Situazione, Passo1, Passo2, Passo3}));
    EXPECT_EQ(f.aggiornaNascosto, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(b.ComandoLog, 1);
    EXPECT_FALSE(b.ris.Interrotto);
    EXPECT_TRUE(b.log.AllineatoSinistra());
    // Put back where it was before the log window moved it.
    EXPECT_EQ(f.left, 1000);
}

TEST_F(ModoLog, AggiornaFaUnaPausaPrimaDelPassoSeguente) {
    Risolvi("1010000000000000", {1, 3, 1, 1, 1});
    EXPECT_EQ(f.logMostrati, (std::vector<Righe>{Situazione, Passo1, Situazione, Passo2, Passo3}));
    EXPECT_EQ(f.aggiornaNascosto, (std::vector<bool>{true, false, true, false, false}));
}

TEST_F(ModoLog, InterrompiFermaTuttaLaRisoluzione) {
    Risolvi("1010000000000000", {1, 2});
    EXPECT_EQ(f.logMostrati, (std::vector<Righe>{Situazione, Passo1}));
    EXPECT_TRUE(b.ris.Interrotto);
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_EQ(b.ris.PassoCorrente, 1);
    EXPECT_EQ(b.ris.Trascrizione, Passo1);
    EXPECT_EQ(f.left, 1000);
}

TEST_F(ModoLog, InterrompiNellaPausaIniziale) {
    Risolvi("1010000000000000", {2});
    EXPECT_EQ(f.logMostrati, (std::vector<Righe>{Situazione}));
    EXPECT_EQ(b.ris.PassoCorrente, 0);
    EXPECT_TRUE(b.ris.Interrotto);
}

// Interrupting inside a trial level ends the whole solve: no other trial value follows.
TEST_F(ModoLog, InterrompiDentroUnaProva) {
    Risolvi(SchemaProva, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2});
    ASSERT_EQ(f.logMostrati.size(), 14u);
    EXPECT_EQ(f.logMostrati.back(),
              (Righe{"Provo 1 in cella R1C1", "Elimino 1 da R1C2", "Elimino 1 da R2C1"}));
    EXPECT_TRUE(b.ris.Interrotto);
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_EQ(b.ris.NumPassi, 13);  // no "T" step for the value 2
}

TEST_F(ModoLog, ChiusuraSenzaRispostaProsegue) {
    Risolvi("1010000000000000", {0, 0, 0, 0});
    EXPECT_EQ(f.logMostrati.size(), 4u);
    EXPECT_FALSE(b.ris.Interrotto);
}

// The log window sees the grid redrawn from the level's tables and coloured by the step.
class FinestreConGriglia : public test::FinestreFinte {
public:
    explicit FinestreConGriglia(const Banco& b) : b_(b) {}
    int MostraFinestraLog(const LogSoluzione& log, bool nascondi) override {
        testi.push_back(b_.Gr.Cella(1, 3).Testo);           // cell R1C2
        sfondi.push_back(b_.Gr.Cella(1, 1).CellBackColor);  // cell R1C1
        return FinestreFinte::MostraFinestraLog(log, nascondi);
    }
    std::vector<std::string> testi;
    std::vector<long> sfondi;

private:
    const Banco& b_;
};

TEST_F(Risoluzione, LaFinestraDelLogVedeLaGrigliaDelPasso) {
    Banco b;
    FinestreConGriglia f(b);
    b.ImpostaFinestre(&f);
    test::PreparaSchema(b, 4, "1010000000000000");
    b.ris.MostraLog = true;
    RisolviSchema(b);
    EXPECT_EQ(f.testi, (Righe{"1234", "1234", "234", "234"}));
    EXPECT_EQ(f.sfondi, (std::vector<long>{ColoreBianco, ColoreVerde, ColoreGiallo, ColoreRosso}));
}

TEST_F(Risoluzione, ModoSempliceNonMostraNulla) {
    Banco b;
    test::FinestreFinte f;
    b.ImpostaFinestre(&f);
    test::PreparaSchema(b, 4, SchemaProva);
    RisolviSchema(b);
    EXPECT_TRUE(f.logMostrati.empty());
    EXPECT_EQ(f.left, 1000);
}

}  // namespace
}  // namespace kelvaro
