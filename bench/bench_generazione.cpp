// Batch production speed: schemas per second of the generation step (grid, sign removal, the
// step solver's confirmation and the file written) for sizes 5, 7 and 9 with both techniques on,
// with the process's peak memory; the generator's inner check from scratch on the real schemas;
// and the exact solution counter on the real schemas of bench/schemi/.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "files/caricamento.h"
#include "model/casuale.h"
#include "production/genera_banco.h"
#include "production/logica.h"
#include "production/produzione.h"
#include "solver/contatore.h"
#include "web/genera_pagina.h"

namespace {

using namespace kelvaro;
namespace fs = std::filesystem;

void BM_DoGeneraAutoF1(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const fs::path cartella = fs::temp_directory_path() / ("kelvaro_bench_generazione_" + std::to_string(n));
    fs::remove_all(cartella);
    Banco b;
    b.conf.NumRegole = 1;
    b.conf.Regole[1].DIR = cartella.string();
    b.conf.RegolaCorrente = 1;
    // The settings of a new main window: 2 givens, depth 10, 2 + 2 cycles, threshold 11.
    b.schema.Sizesc = n;
    b.imp.AttivaMultipli = 3;
    RiportaCasualeAllInizio();
    int64_t schemi = 0;
    for (auto _ : state) {
        DoGeneraAutoF1(b);
        if (!b.file.Salvato) {
            state.SkipWithError("schema non salvato");
            break;
        }
        ++schemi;
    }
    state.counters["schemi/s"] = benchmark::Counter(static_cast<double>(schemi), benchmark::Counter::kIsRate);
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["picco_MiB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;  // kilobytes on Linux
    fs::remove_all(cartella);
}
BENCHMARK(BM_DoGeneraAutoF1)->Arg(5)->Arg(7)->Arg(9)->Unit(benchmark::kMillisecond);

// One schema of a named difficulty at 9 x 9, made in memory as "Nuovo" and genera --difficolta
// make it (the generator's settings for the name, then the name judged on each candidate): the
// time shown is the time per schema delivered.
void BM_GeneraPerDifficolta9(benchmark::State& state) {
    const auto d = static_cast<Difficolta>(state.range(0));
    state.SetLabel(NomeDifficolta(d));
    RiportaCasualeAllInizio();
    const Impostazioni imp;
    for (auto _ : state) {
        const auto s = GeneraInMemoria(imp, 9, d);
        if (!s) {
            state.SkipWithError("nessuno schema della difficoltà chiesta");
            break;
        }
        benchmark::DoNotOptimize(s->schema.Sizesc);
    }
}
BENCHMARK(BM_GeneraPerDifficolta9)
    ->Arg(static_cast<int>(Difficolta::Facile))
    ->Arg(static_cast<int>(Difficolta::Medio))
    ->Arg(static_cast<int>(Difficolta::Difficile))
    ->Arg(static_cast<int>(Difficolta::Esperto))
    ->Unit(benchmark::kMillisecond);

// "Nuovo schema" of the published pages as their module answers it, natively: a 9 x 9 of a named
// difficulty from a new seed each time, with the code's check (exact counter, grade) the page gets
// with it. node bench/bench_genera_modulo.mjs times the same in WebAssembly.
void BM_GeneraPagina9(benchmark::State& state) {
    const auto d = static_cast<Difficolta>(state.range(0));
    state.SetLabel(NomeDifficolta(d));
    int seme = 0;
    for (auto _ : state) {
        const std::string r =
            RispondiGenera(std::string("9|") + NomeDifficolta(d) + "|" + std::to_string(++seme));
        if (r.rfind("schema: ", 0) != 0) {
            state.SkipWithError(r.c_str());
            break;
        }
    }
}
BENCHMARK(BM_GeneraPagina9)
    ->Arg(static_cast<int>(Difficolta::Medio))
    ->Arg(static_cast<int>(Difficolta::Difficile))
    ->Arg(static_cast<int>(Difficolta::Esperto))
    ->Unit(benchmark::kMillisecond);

// The yardstick beside it: Tatham's Unequal (Debian's sgt-puzzles) making one 9 x 9 Extreme
// puzzle per run, a new seed each time, its process start included (a few milliseconds of the
// hundreds it takes). Skipped where it is not installed.
void BM_UnequalGenera9Extreme(benchmark::State& state) {
    const char* unequal = "/usr/games/sgt-unequal";
    if (!fs::exists(unequal)) {
        state.SkipWithError("sgt-unequal non installato (apt-get install sgt-puzzles)");
        return;
    }
    int seme = 0;
    for (auto _ : state) {
        const std::string comando = std::string(unequal) + " --generate 1 '9dx#kelvaro-bench-" +
                                    std::to_string(++seme) + "' > /dev/null";
        if (std::system(comando.c_str()) != 0) {
            state.SkipWithError("sgt-unequal non ha funzionato");
            break;
        }
    }
}
BENCHMARK(BM_UnequalGenera9Extreme)->Unit(benchmark::kMillisecond)->Iterations(20);

std::vector<SchemaBit> Schemi(const std::string& prefisso) {
    std::vector<SchemaBit> out;
    for (const auto& e : fs::directory_iterator(std::string(KELVARO_BENCH_DIR) + "/schemi")) {
        const std::string nome = e.path().filename().string();
        if (nome.rfind(prefisso, 0) != 0) continue;
        const auto letto = LeggiSchemaFile(e.path().string());
        if (!letto) continue;
        const auto bit = SchemaBitDa(letto->schema);
        if (bit && bit->DatiValidi) out.push_back(bit->schema);
    }
    return out;
}

// The generator's check from scratch (every technique on), one real schema per iteration.
void BM_RisolviLogica(benchmark::State& state) {
    const std::vector<SchemaBit> schemi = Schemi("");
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato in bench/schemi");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RisolviLogica(schemi[i], 3));
        i = (i + 1) % schemi.size();
    }
}
BENCHMARK(BM_RisolviLogica)->Unit(benchmark::kMicrosecond);

// Proving uniqueness (counting up to 2), one schema of the set per iteration: the time shown is
// the time per schema.
void ContaInsieme(benchmark::State& state, const std::string& prefisso) {
    const std::vector<SchemaBit> schemi = Schemi(prefisso);
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato in bench/schemi");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        const int k = ContaSoluzioni(schemi[i], 2);
        if (k != 1) state.SkipWithError("uno schema non ha una sola soluzione");
        benchmark::DoNotOptimize(k);
        i = (i + 1) % schemi.size();
    }
    state.counters["schemi"] = static_cast<double>(schemi.size());
}

void BM_ContaSoluzioni_Tutti(benchmark::State& state) {
    ContaInsieme(state, "");
}
void BM_ContaSoluzioni_9Estremi(benchmark::State& state) {
    ContaInsieme(state, "9x");
}
void BM_ContaSoluzioni_9Difficili(benchmark::State& state) {
    ContaInsieme(state, "9k");
}
BENCHMARK(BM_ContaSoluzioni_Tutti)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContaSoluzioni_9Estremi)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContaSoluzioni_9Difficili)->Unit(benchmark::kMicrosecond);

}  // namespace
