// The exact solution counter on the hardest sets: proving uniqueness (counting up to 2) of the
// extreme 9 x 9 schemas of bench/schemi/ and of the schemas made by Debian's sgt-unequal in
// bench/unequal/ (made with bench/da_unequal.py; the recursive 7 x 7 and 8 x 8 are the worst the
// counter knows). Reports the search nodes per schema beside the time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "files/caricamento.h"
#include "solver/contatore.h"

namespace {

using namespace kelvaro;
namespace fs = std::filesystem;

std::vector<SchemaBit> Schemi(const std::string& cartella, const std::string& prefisso) {
    std::vector<SchemaBit> out;
    std::vector<std::string> nomi;
    for (const auto& e : fs::directory_iterator(std::string(KELVARO_BENCH_DIR) + "/" + cartella))
        if (e.path().filename().string().rfind(prefisso, 0) == 0) nomi.push_back(e.path().string());
    std::sort(nomi.begin(), nomi.end());
    for (const std::string& nome : nomi) {
        const auto letto = LeggiSchemaFile(nome);
        if (!letto) continue;
        const auto bit = SchemaBitDa(letto->schema);
        if (bit && bit->DatiValidi) out.push_back(bit->schema);
    }
    return out;
}

// One pass over the whole set per iteration; "nodi" is the mean per schema.
void Conta(benchmark::State& state, const std::string& cartella, const std::string& prefisso) {
    const std::vector<SchemaBit> schemi = Schemi(cartella, prefisso);
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato");
        return;
    }
    long nodi = 0;
    for (auto _ : state) {
        nodi = 0;
        for (const SchemaBit& s : schemi) {
            long n = 0;
            const int k = ContaSoluzioni(s, 2, nullptr, &n);
            if (k != 1) state.SkipWithError("uno schema non ha una sola soluzione");
            nodi += n;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(schemi.size()));
    state.counters["schemi"] = static_cast<double>(schemi.size());
    state.counters["nodi"] = static_cast<double>(nodi) / static_cast<double>(schemi.size());
}

void BM_Contatore_Tutti(benchmark::State& state) {
    Conta(state, "schemi", "");
}
void BM_Contatore_9Estremi(benchmark::State& state) {
    Conta(state, "schemi", "9x");
}
void BM_Contatore_Unequal9Estremi(benchmark::State& state) {
    Conta(state, "unequal", "9x");
}
void BM_Contatore_Unequal7Ricorsivi(benchmark::State& state) {
    Conta(state, "unequal", "7r");
}
void BM_Contatore_Unequal8Ricorsivi(benchmark::State& state) {
    Conta(state, "unequal", "8r");
}
BENCHMARK(BM_Contatore_Tutti)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contatore_9Estremi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contatore_Unequal9Estremi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contatore_Unequal7Ricorsivi)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Contatore_Unequal8Ricorsivi)->Unit(benchmark::kMillisecond);

}  // namespace
