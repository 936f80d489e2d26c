// A long trial search: no step count decides the answer, the log streams to a Resoconto and the
// step list stays short when the caller does not keep it; a Resoconto can stop the solve.
#include <gtest/gtest.h>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "model/testo.h"
#include "solver/aiuto.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

// Nearly empty 9 x 9: three givens, 44 signs, several solutions, some ten thousand steps of
// trials with every technique on.
const char* const QuasiVuoto =
    "<F SIZE='9'><SCHEMA>00530000000000000000000000000000000000000000000000000000000000000000030000"
    "0000000</SCHEMA><SOLUTION></SOLUTION><CONSTRAINT>5848|6768|3747|7574|2414|3545|4353|7677|9484|"
    "4645|7262|8898|5969|8878|5455|2313|8999|8182|9686|5262|8979|5859|3839|2425|5857|8171|7675|6566|"
    "1828|6766|3536|8483|2131|5747|6575|8584|8586|6162|3424|3433|3332|6454|4847|9596</CONSTRAINT>";

// Counts what it is told and keeps only the last line; stops after `fermaDopo` steps (0 never).
class Conteggio final : public Resoconto {
public:
    explicit Conteggio(int fermaDopo = 0) : fermaDopo_(fermaDopo) {}
    bool PassoEseguito(const Passo&, const EffettoPasso&, const std::vector<std::string>& righe) override {
        ++passi;
        for (const std::string& r : righe) Riga(r);
        return fermaDopo_ == 0 || passi < fermaDopo_;
    }
    void Riga(const std::string& testo) override {
        ++righe;
        ultima = testo;
    }
    int passi = 0;
    long righe = 0;
    std::string ultima;

private:
    int fermaDopo_;
};

class RicercaLunga : public ::testing::Test {
protected:
    void SetUp() override {
        RiportaCasualeAllInizio();
        auto letto = LeggiSchemaRighe(DividiRighe(QuasiVuoto));
        ASSERT_TRUE(letto.has_value());
        b.schema = letto->schema;
        b.imp.AttivaMultipli = 3;
    }
    Banco b;
};

TEST_F(RicercaLunga, UnoSchemaConSoluzioniSiRisolveOltreIlLimiteDeiPassi) {
    b.ris.LimitePassi = 500;  // far below what the search needs: the counter lets it go on
    Conteggio c;
    b.ris.resoconto = &c;
    b.ris.ConservaPassi = false;
    RisolviSchema(b);
    EXPECT_TRUE(b.ris.Risolto);
    EXPECT_FALSE(b.ris.Esaurito);
    EXPECT_FALSE(b.ris.SenzaSoluzione);
    std::string motivo;
    EXPECT_TRUE(test::RispettaSchema(b.schema, b.schema.tblRisolto, &motivo)) << motivo;
    EXPECT_GT(b.ris.NumPassi, 2000);
    EXPECT_GT(b.ris.NumProve, 100);
    EXPECT_EQ(c.passi, b.ris.NumPassi);
    EXPECT_NE(c.ultima, FraseSenzaSoluzione);
    // Nothing of the long search is held.
    EXPECT_TRUE(b.ris.Trascrizione.empty());
    EXPECT_LE(b.ris.Passi.size(), 3u);
}

// The streamed log is the transcript line for line, whether the steps are kept or not.
TEST_F(RicercaLunga, IlResocontoRiceveLeRigheDellaTrascrizione) {
    RisolviSchema(b);
    ASSERT_TRUE(b.ris.Risolto);
    const std::vector<std::string> trascrizione = b.ris.Trascrizione;
    EXPECT_EQ(static_cast<int>(b.ris.Passi.size()), b.ris.NumPassi + 1);

    RiportaCasualeAllInizio();
    Conteggio c;
    b.ris.resoconto = &c;
    b.ris.ConservaPassi = false;
    RisolviSchema(b);
    EXPECT_EQ(c.righe, static_cast<long>(trascrizione.size()));
    EXPECT_EQ(c.ultima, trascrizione.back());
}

TEST_F(RicercaLunga, IlResocontoFermaLaRisoluzioneDopoUnPasso) {
    Conteggio c(5);
    b.ris.resoconto = &c;
    RisolviSchema(b);
    EXPECT_EQ(c.passi, 5);
    EXPECT_EQ(b.ris.PassoCorrente, 5);
    EXPECT_TRUE(b.ris.Interrotto);
    EXPECT_FALSE(b.ris.Risolto);
    EXPECT_FALSE(b.ris.SenzaSoluzione);  // stopped, not proved
}

}  // namespace
}  // namespace kelvaro
