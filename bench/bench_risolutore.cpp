// The plain solve, as "Risolvi", the web publisher and the generator's grading run it: schemas
// solved per second for sizes 5, 7 and 9, over fixed sets from bench/schemi/.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/caricamento.h"
#include "production/casuale.h"
#include "solver/risolvi.h"

namespace {

using namespace kelvaro;

std::vector<Schema> Carica(int n) {
    std::vector<Schema> out;
    for (const char* livello : {"e", "k", "r", "x"})
        for (int k = 1; k <= 3; ++k) {
            const std::string percorso = std::string(KELVARO_BENCH_DIR) + "/schemi/" + std::to_string(n) +
                                         livello + "_" + std::to_string(k) + ".txt";
            auto letto = LeggiSchemaFile(percorso);
            if (letto) out.push_back(std::move(letto->schema));
        }
    return out;
}

void BM_RisolviSchema(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<Schema> schemi = Carica(n);
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato in bench/schemi");
        return;
    }
    Banco b;
    b.imp.AttivaMultipli = 3;
    b.ris.MaxLivello = 99;
    b.ris.MostraLog = false;
    int risolti = 0;
    // The same trial order on every run.
    RiportaCasualeAllInizio();
    for (auto _ : state) {
        for (const Schema& s : schemi) {
            b.schema = s;
            RisolviSchema(b);
            risolti += b.ris.Risolto;
            benchmark::DoNotOptimize(b.schema.tblRisolto);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(schemi.size()));
    state.counters["schemi"] = static_cast<double>(schemi.size());
    if (risolti != static_cast<int>(state.iterations() * schemi.size()))
        state.SkipWithError("schema non risolto");
}

BENCHMARK(BM_RisolviSchema)->Arg(5)->Arg(7)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace
