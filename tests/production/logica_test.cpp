// The bit-mask techniques agree with the step solver: same schemas solved without a trial, same
// advanced techniques needed.
#include "production/logica.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/caricamento.h"
#include "production/casuale.h"
#include "production/generazione.h"
#include "solver/risolvi.h"

namespace kelvaro {
namespace {

struct Giudizio {
    bool senzaTentativi;
    bool multipli, swordfish;
};

Giudizio RisolutoreAPassi(const Schema& s, int tecniche) {
    Banco b;
    b.schema = s;
    b.imp.AttivaMultipli = tecniche;
    b.ris.MaxLivello = 99;
    b.ris.MostraLog = false;
    RisolviSchema(b);
    bool tentativi = false;
    for (int k = 1; k <= b.ris.NumPassi; ++k) tentativi = tentativi || b.ris.Passi[k].Codice == "T";
    return {b.ris.Risolto && !tentativi, b.ris.NumMultipli > 0, b.ris.NumSwordfish > 0};
}

// 0 a trial was needed, 1 solved by singles and signs, 2 subsets needed, 3 Swordfish needed.
int Confronta(const Schema& s, int tecniche, const std::string& nome) {
    SCOPED_TRACE(nome + " tecniche " + std::to_string(tecniche));
    const auto bit = SchemaBitDa(s);
    EXPECT_TRUE(bit && bit->DatiValidi);
    if (!bit) return 0;
    const RisultatoLogica r = RisolviLogica(bit->schema, tecniche);
    const Giudizio g = RisolutoreAPassi(s, tecniche);
    EXPECT_EQ(r.esito == EsitoLogica::Risolto, g.senzaTentativi);
    if (!g.senzaTentativi) return 0;
    EXPECT_EQ(r.UsaMultipli, g.multipli);
    EXPECT_EQ(r.UsaSwordfish, g.swordfish);
    return g.swordfish ? 3 : g.multipli ? 2 : 1;
}

TEST(Logica, ComeIlRisolutoreSugliSchemiReali) {
    std::array<int, 4> visti{};
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(KELVARO_SORGENTI) + "/bench/schemi")) {
        const auto letto = LeggiSchemaFile(e.path().string());
        ASSERT_TRUE(letto.has_value());
        for (int tecniche = 0; tecniche <= 3; ++tecniche)
            ++visti[Confronta(letto->schema, tecniche, e.path().filename().string())];
    }
    for (int k = 0; k < 4; ++k) EXPECT_GT(visti[k], 0) << k;
}

TEST(Logica, ComeIlRisolutoreSuSchemiRidotti) {
    // Grids with a few givens and every sign; signs taken away in random order wherever the schema
    // stays solved with both techniques, then one necessary sign more: schemas on both sides of
    // what each set of techniques can do.
    RiportaCasualeAllInizio();
    std::array<int, 4> visti{};
    for (int n = 4; n <= 9; ++n)
        for (int prova = 0; prova < 12; ++prova) {
            SchemaProdotto p;
            p.schema.n = n;
            p.soluzione = GrigliaCasuale(n);
            for (int i = 0; i < n * n; i += 2 * n - 1) p.schema.dato[i] = p.soluzione[i];
            std::vector<SegnoGrid> segni = TuttiISegni(n, p.soluzione);
            for (const SegnoGrid& g : segni) ImpostaSegno(p.schema, g, true);
            if (RisolviLogica(p.schema, 3).esito != EsitoLogica::Risolto) continue;
            for (size_t k = segni.size(); k > 1; --k)
                std::swap(segni[k - 1],
                          segni[static_cast<size_t>(GeneraCasuale(static_cast<double>(k))) - 1]);
            std::vector<SegnoGrid> necessari;
            for (const SegnoGrid& g : segni) {
                ImpostaSegno(p.schema, g, false);
                if (RisolviLogica(p.schema, 3).esito != EsitoLogica::Risolto) {
                    ImpostaSegno(p.schema, g, true);
                    necessari.push_back(g);
                }
            }
            const std::string nome = std::to_string(n) + "/" + std::to_string(prova);
            Banco b;
            ImpostaSchemaCorrente(b, p);
            for (int tecniche = 0; tecniche <= 3; ++tecniche) ++visti[Confronta(b.schema, tecniche, nome)];
            if (necessari.empty()) continue;
            ImpostaSegno(p.schema, necessari.front(), false);  // one sign too few
            ImpostaSchemaCorrente(b, p);
            for (int tecniche = 0; tecniche <= 3; ++tecniche)
                ++visti[Confronta(b.schema, tecniche, nome + "-")];
        }
    for (int k = 0; k < 4; ++k) EXPECT_GT(visti[k], 0) << k;
}

}  // namespace
}  // namespace kelvaro
