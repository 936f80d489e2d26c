// One hint from a player's position, as the window, kelvaro-cli aiuto and the published pages ask
// it: 9 x 9 schemas of bench/schemi from their givens, and with every third cell of the solution
// filled in; and, with the master tier, 9 x 9 Unequal schemas at the point where subsets and
// Swordfish stop. Each answer is checked to be a step.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "banco.h"
#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "solver/risolvi.h"
#include "solver/suggerimento.h"

namespace {

using namespace kelvaro;

struct Posizione {
    Schema schema;
    Tabella voci;
};

std::vector<Posizione> Posizioni(bool parziale) {
    std::vector<Posizione> out;
    for (const char* livello : {"e", "k", "x"})
        for (int k = 1; k <= 3; ++k) {
            auto letto = LeggiSchemaFile(std::string(KELVARO_BENCH_DIR) + "/schemi/9" + livello + "_" +
                                         std::to_string(k) + ".txt");
            if (!letto) continue;
            Posizione p{letto->schema, Tabella{}};
            if (parziale)
                for (int r = 1; r <= 9; ++r)
                    for (int c = 1; c <= 9; ++c)
                        if (((r - 1) * 9 + c - 1) % 3 == 0) p.voci[r][c] = p.schema.tblSoluzione[r][c];
            out.push_back(std::move(p));
        }
    return out;
}

void BM_Suggerimento9x9(benchmark::State& state) {
    const std::vector<Posizione> posizioni = Posizioni(state.range(0) != 0);
    if (posizioni.empty()) {
        state.SkipWithError("nessuno schema trovato in bench/schemi");
        return;
    }
    int passi = 0;
    for (auto _ : state)
        for (const Posizione& p : posizioni) {
            const Suggerimento h = CalcolaSuggerimento(p.schema, p.voci, nullptr);
            passi += h.esito == Suggerimento::Esito::Passo;
            benchmark::DoNotOptimize(h.Frasi.data());
        }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(posizioni.size()));
    state.counters["posizioni"] = static_cast<double>(posizioni.size());
    if (passi != static_cast<int>(state.iterations() * posizioni.size())) state.SkipWithError("nessun passo");
}

// 0: from the givens; 1: every third cell filled in.
BENCHMARK(BM_Suggerimento9x9)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct PosizioneConNote {
    Schema schema;
    Tabella voci;
    NoteGriglia note;
};

// Where subsets and Swordfish leave the Extreme and Recursive 9 x 9 of bench/unequal: the decided
// cells as entries, the other candidates as the player's notes.
std::vector<PosizioneConNote> PosizioniSenzaPasso() {
    std::vector<PosizioneConNote> out;
    for (const char* nome :
         {"9x_1", "9x_2", "9x_3", "9r_1", "9r_2", "9r_3", "9r_4", "9r_5", "9r_6", "9r_7"}) {
        auto letto = LeggiSchemaFile(std::string(KELVARO_BENCH_DIR) + "/unequal/" + nome + ".txt");
        if (!letto) continue;
        Banco b;
        b.schema = letto->schema;
        b.imp.AttivaMultipli = 3;
        b.ris.MaxLivello = 1;
        ResocontoMuto muto;
        b.ris.resoconto = &muto;
        RisolviSchema(b);
        if (b.ris.Risolto) continue;
        PosizioneConNote p{letto->schema, Tabella{}, NoteGriglia{}};
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const std::string& k = b.schema.tblRisolto[r][c];
                p.voci[r][c] = k.size() == 1 ? k : "0";
                for (char ch : k) p.note[r][c] |= static_cast<uint16_t>(1u << (ch - '0'));
            }
        out.push_back(std::move(p));
    }
    return out;
}

void BM_SuggerimentoMaestro9x9(benchmark::State& state) {
    const std::vector<PosizioneConNote> posizioni = PosizioniSenzaPasso();
    if (posizioni.empty()) {
        state.SkipWithError("nessuna posizione senza passo in bench/unequal");
        return;
    }
    int passi = 0;
    for (auto _ : state)
        for (const PosizioneConNote& p : posizioni) {
            const Suggerimento h = CalcolaSuggerimento(p.schema, p.voci, &p.note, 7);
            passi += h.esito == Suggerimento::Esito::Passo;
            benchmark::DoNotOptimize(h.Frasi.data());
        }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(posizioni.size()));
    state.counters["posizioni"] = static_cast<double>(posizioni.size());
    if (passi != static_cast<int>(state.iterations() * posizioni.size())) state.SkipWithError("nessun passo");
}

BENCHMARK(BM_SuggerimentoMaestro9x9)->Unit(benchmark::kMillisecond);

}  // namespace
