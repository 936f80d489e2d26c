// The solver looks again only where its table changed since the last pass. Replaying every solve
// step by step on freshly read string tables, where nothing is remembered, must find the very
// same steps in the same order.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "solver/aiuto.h"
#include "solver/risolvi.h"
#include "supporto/nomi_casi.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

bool Uguali(const Passo& a, const Passo& b) {
    return a.Codice == b.Codice && a.Riga == b.Riga && a.Colonna == b.Colonna && a.Valore == b.Valore &&
           a.Gruppo == b.Gruppo && a.Eliminazioni == b.Eliminazioni && a.Elenco == b.Elenco &&
           a.RigaP == b.RigaP && a.ColonnaP == b.ColonnaP && a.RigaS == b.RigaS && a.ColonnaS == b.ColonnaS;
}

std::string Descrivi(const Passo& p) {
    return p.Codice + " " + std::to_string(p.Riga) + "," + std::to_string(p.Colonna) + " v=" + p.Valore +
           " g=" + p.Gruppo + " e=" + p.Eliminazioni + " l=" + p.Elenco;
}

TEST(RilevamentoIncrementale, OgniPassoComeSuTabelleNuove) {
    int confrontati = 0;
    for (const auto& voce : fs::directory_iterator(std::string(KELVARO_SORGENTI) + "/bench/schemi")) {
        auto letto = LeggiSchemaFile(voce.path().string());
        ASSERT_TRUE(letto.has_value()) << voce.path();
        const Schema& s = letto->schema;
        const int n = s.Sizesc;
        for (int tecniche = 0; tecniche <= 3; ++tecniche) {
            Banco b;
            b.schema = s;
            b.imp.AttivaMultipli = tecniche;
            RisolviSchema(b);
            if (b.ris.NumProve > 0) continue;  // one level only: every step after the givens is a finding
            SCOPED_TRACE(voce.path().filename().string() + " tecniche " + std::to_string(tecniche));

            Banco nuovo;
            nuovo.schema = s;
            nuovo.imp.AttivaMultipli = tecniche;
            Tabella S{}, E{};
            InizializzaTab(S, n);
            for (int r = 1; r <= n; ++r)
                for (int c = 1; c <= n; ++c)
                    if (s.tblSchema[r][c] != "0") S[r][c] = s.tblSchema[r][c];
            for (int k = 1; k <= b.ris.NumPassi; ++k) {
                const Passo& atteso = b.ris.PassoN(k);
                nuovo.ris = Risolutore{};
                if (atteso.Codice != "I") {
                    ASSERT_TRUE(Rileva(RisoluzioneBanco(nuovo), S, E))
                        << "passo " << k << ": " << Descrivi(atteso);
                    ASSERT_TRUE(Uguali(nuovo.ris.PassoN(1), atteso))
                        << "passo " << k << ": " << Descrivi(nuovo.ris.PassoN(1)) << " invece di "
                        << Descrivi(atteso);
                    nuovo.ris = Risolutore{};
                }
                RegistraPasso(RisoluzioneBanco(nuovo), atteso.Codice) = atteso;
                nuovo.ris.PassoCorrente = 1;
                EseguiPasso(RisoluzioneBanco(nuovo), S, E);
                ++confrontati;
            }
            nuovo.ris = Risolutore{};
            EXPECT_FALSE(Rileva(RisoluzioneBanco(nuovo), S, E));
        }
    }
    EXPECT_GT(confrontati, 5000);
}

}  // namespace
}  // namespace kelvaro
