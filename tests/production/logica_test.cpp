// The bit-mask techniques agree with the step solver: same schemas solved without a trial, same
// advanced techniques needed.
#include "production/logica.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "production/genera_banco.h"
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
        for (int prova = 0; prova < 24; ++prova) {
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

// A schema with a solution from a grid: givens on a diagonal, a random part of the grid's signs.
struct Parziale {
    SchemaBit schema;
    std::array<uint8_t, CelleMax> soluzione{};
    std::vector<SegnoGrid> segni;  // the signs kept, in random order
};

Parziale DaGriglia(int n, int quota) {
    Parziale p;
    p.schema.n = n;
    p.soluzione = GrigliaCasuale(n);
    for (int i = 0; i < n * n; i += n + 1) p.schema.dato[i] = p.soluzione[i];
    for (const SegnoGrid& g : TuttiISegni(n, p.soluzione))
        if (static_cast<int>(GeneraCasuale(10.0)) <= quota) p.segni.push_back(g);
    for (size_t k = p.segni.size(); k > 1; --k)
        std::swap(p.segni[k - 1], p.segni[static_cast<size_t>(GeneraCasuale(static_cast<double>(k))) - 1]);
    for (const SegnoGrid& g : p.segni) ImpostaSegno(p.schema, g, true);
    return p;
}

void AggiungiSegno(StatoLogico& x, int n, const SegnoGrid& g) {
    SchemaBit solo;
    solo.n = n;
    ImpostaSegno(solo, g, true);
    x.AggiungiSegni(g.magg, solo.segni[g.magg]);
    x.AggiungiSegni(g.min, solo.segni[g.min]);
}

// Every finding is sound: on a schema with a solution no cell ever loses its digit. Schemas on
// the edge of what the techniques solve are where one search leaves cells decided for the next
// to read, so these are the generator's: every sign, then signs taken away while it stays solved.
void MaiUnaCifraPersa(const SchemaBit& s, const std::array<uint8_t, CelleMax>& soluzione, int tecniche,
                      std::array<int, 3>& esiti) {
    const RisultatoLogica r = RisolviLogica(s, tecniche);
    ++esiti[static_cast<int>(r.esito)];
    ASSERT_NE(r.esito, EsitoLogica::Contraddizione);
    for (int i = 0; i < s.n * s.n; ++i) ASSERT_TRUE(r.candidati[i] & BitCifra(soluzione[i])) << "cella " << i;
}

TEST(Logica, NonPerdeMaiUnaCifraDellaSoluzione) {
    RiportaCasualeAllInizio();
    std::array<int, 3> esiti{};
    for (int n = 5; n <= 9; ++n)
        for (int prova = 0; prova < 2 * n; ++prova) {
            const int tecniche = prova % 2 ? 3 : 2;
            Parziale p = DaGriglia(n, 10);
            for (int i = 0; i < n * n; i += 2 * n - 1) p.schema.dato[i] = p.soluzione[i];
            for (const SegnoGrid& g : p.segni) {
                SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(prova));
                ImpostaSegno(p.schema, g, false);
                MaiUnaCifraPersa(p.schema, p.soluzione, tecniche, esiti);
                if (RisolviLogica(p.schema, tecniche).esito != EsitoLogica::Risolto)
                    ImpostaSegno(p.schema, g, true);
            }
        }
    EXPECT_GT(esiti[static_cast<int>(EsitoLogica::Risolto)], 0);
    EXPECT_GT(esiti[static_cast<int>(EsitoLogica::Bloccato)], 0);
}

TEST(Logica, UnoStatoCostruitoAPezziFinisceDoveFinisceIlControlloDaCapo) {
    // The generator's way: a state with half the signs (and half the givens) taken to its end,
    // copied, then the rest added. It must end where the check from scratch ends, candidate by
    // candidate; asked only whether it is solved, it must say the same.
    RiportaCasualeAllInizio();
    std::array<int, 3> esiti{};
    for (int n = 4; n <= 9; ++n)
        for (int prova = 0; prova < 60; ++prova) {
            const Parziale p = DaGriglia(n, 4 + prova % 6);
            const int tecniche = prova % 4;
            SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(prova));
            const RisultatoLogica r = RisolviLogica(p.schema, tecniche);
            ++esiti[static_cast<int>(r.esito)];
            StatoLogico x(n, tecniche);
            const size_t meta = p.segni.size() / 2;
            for (int i = 0; i < n * n; i += 2 * (n + 1)) x.AggiungiDato(i, p.schema.dato[i]);
            for (size_t k = 0; k < meta; ++k) AggiungiSegno(x, n, p.segni[k]);
            x.Avanza(false);
            StatoLogico copia = x;
            for (int i = n + 1; i < n * n; i += 2 * (n + 1)) copia.AggiungiDato(i, p.schema.dato[i]);
            for (size_t k = meta; k < p.segni.size(); ++k) AggiungiSegno(copia, n, p.segni[k]);
            StatoLogico soloEsito = copia;
            EXPECT_EQ(copia.Avanza(false), r.esito);
            EXPECT_EQ(copia.Candidati(), r.candidati);
            EXPECT_EQ(soloEsito.Avanza(true) == EsitoLogica::Risolto, r.esito == EsitoLogica::Risolto);
        }
    EXPECT_GT(esiti[static_cast<int>(EsitoLogica::Risolto)], 0);
    EXPECT_GT(esiti[static_cast<int>(EsitoLogica::Bloccato)], 0);
}

}  // namespace
}  // namespace kelvaro
