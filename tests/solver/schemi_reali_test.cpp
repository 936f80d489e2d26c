// Every shipped and benchmark schema solves, whatever techniques are switched on, and the result
// satisfies every row, column, given and sign.
#include <gtest/gtest.h>

#include <filesystem>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "solver/aiuto.h"
#include "solver/livello.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

std::vector<std::string> SchemiReali() {
    std::vector<std::string> out;
    for (const char* cartella : {"/resources/schemixwebsite", "/bench/schemi"})
        for (const auto& e : std::filesystem::directory_iterator(std::string(KELVARO_SORGENTI) + cartella))
            if (e.path().extension() == ".txt") out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(SchemiReali, SonoTuttiRisoltiNelRispettoDelleRegole) {
    const auto schemi = SchemiReali();
    ASSERT_GE(schemi.size(), 50u);
    for (const std::string& percorso : schemi)
        for (int attiva = 0; attiva <= 3; ++attiva) {
            SCOPED_TRACE(percorso + " AttivaMultipli " + std::to_string(attiva));
            auto letto = LeggiSchemaFile(percorso);
            ASSERT_TRUE(letto.has_value());
            Banco b;
            b.schema = std::move(letto->schema);
            b.imp.AttivaMultipli = attiva;
            RisolviSchema(b);
            EXPECT_TRUE(b.ris.Risolto);
            EXPECT_FALSE(b.ris.Interrotto);
            EXPECT_EQ(b.ris.PassoCorrente, b.ris.NumPassi);
            std::string motivo;
            EXPECT_TRUE(test::RispettaSchema(b.schema, b.schema.tblRisolto, &motivo)) << motivo;
            if (attiva == 0) {
                EXPECT_EQ(b.ris.TecnicheUsate, 0);
            }
            if ((attiva & 1) == 0) {
                EXPECT_EQ(b.ris.NumMultipli, 0);
            }
            if ((attiva & 2) == 0) {
                EXPECT_EQ(b.ris.NumSwordfish, 0);
            }
        }
}

// A contradiction ends its level: the next step, if any, is the caller's next trial value.
TEST(SchemiReali, DopoUnaContraddizioneVieneUnaProva) {
    int contraddizioni = 0;
    for (const std::string& percorso : SchemiReali()) {
        Banco b;
        b.schema = LeggiSchemaFile(percorso)->schema;
        RisolviSchema(b);
        for (int k = 1; k <= b.ris.NumPassi; ++k) {
            const std::string& codice = b.ris.Passi[k].Codice;
            if (codice != "E1" && codice != "ER" && codice != "EC") continue;
            ++contraddizioni;
            ASSERT_LT(k, b.ris.NumPassi) << percorso;  // every real schema is solved in the end
            EXPECT_EQ(b.ris.Passi[k + 1].Codice, "T") << percorso << " passo " << k;
        }
    }
    EXPECT_GT(contraddizioni, 0);
}

// The trial order comes from the fixed random sequence: the same start gives the same steps.
TEST(SchemiReali, DallaStessaPartenzaLaRisoluzioneSiRipete) {
    const std::string percorso = std::string(KELVARO_SORGENTI) + "/bench/schemi/9k_1.txt";
    std::vector<std::string> prima;
    for (int volta = 0; volta < 2; ++volta) {
        RiportaCasualeAllInizio();
        Banco b;
        b.schema = LeggiSchemaFile(percorso)->schema;
        RisolviSchema(b);
        if (volta == 0)
            prima = b.ris.Trascrizione;
        else
            EXPECT_EQ(b.ris.Trascrizione, prima);
    }
}

}  // namespace
}  // namespace kelvaro
