// The exact solution counter on the hardest sets: proving uniqueness (counting up to 2) of the
// extreme 9 x 9 schemas of bench/schemi/, of the schemas made by Debian's sgt-unequal in
// bench/unequal/ (made with bench/da_unequal.py) and of the worst ones found in bench/difficili/.
// Each set is timed with the default counter (Hall intervals) and with singles and signs only
// ("Semplice", the counter as it was before Hall intervals); the recursive and the worst schemas
// are also timed one by one. "nodi" is the mean of search nodes per schema.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "insiemi.h"

namespace {

using namespace kelvaro;

// One pass over the whole set per iteration.
void Conta(benchmark::State& state, const std::vector<SchemaBit>& schemi, ModoConteggio modo) {
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato");
        return;
    }
    long nodi = 0;
    for (auto _ : state) {
        nodi = 0;
        for (const SchemaBit& s : schemi) {
            long n = 0;
            const int k = ContaSoluzioni(s, 2, modo, nullptr, &n);
            if (k != 1) state.SkipWithError("uno schema non ha una sola soluzione");
            nodi += n;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(schemi.size()));
    state.counters["schemi"] = static_cast<double>(schemi.size());
    state.counters["nodi"] = static_cast<double>(nodi) / static_cast<double>(schemi.size());
}

const int registrati = [] {
    for (const auto& ins : bench::Insiemi) {
        const std::vector<SchemaBit> schemi = bench::Schemi(ins.cartella, ins.prefisso);
        for (const auto& [modo, nome] : {std::pair{ModoConteggio::Intervalli, "BM_Contatore_"},
                                         std::pair{ModoConteggio::Semplice, "BM_ContatoreSemplice_"}})
            benchmark::RegisterBenchmark((nome + std::string(ins.nome)).c_str(), [schemi, modo = modo](
                                                                                     benchmark::State& st) {
                Conta(st, schemi, modo);
            })->Unit(benchmark::kMillisecond);
    }
    // The hardest one by one.
    for (const auto& [cartella, prefisso] : {std::pair{"unequal", "9r"}, std::pair{"difficili", ""}})
        for (const auto& [nome, s] : bench::SchemiNominati(cartella, prefisso))
            benchmark::RegisterBenchmark(("BM_Contatore_Schema/" + nome).c_str(), [s = s](
                                                                                      benchmark::State& st) {
                Conta(st, {s}, ModoConteggio::Intervalli);
            })->Unit(benchmark::kMillisecond);
    return 0;
}();

}  // namespace
