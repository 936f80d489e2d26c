#pragma once
// The schema sets the counter's benchmarks share (files of a bench/ folder whose names start with
// a prefix, sorted by name, in the counter's bit form), and how a counter is timed on them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "files/caricamento.h"
#include "solver/contatore.h"

namespace kelvaro::bench {

// (file name, schema) of every readable schema of KELVARO_BENCH_DIR/cartella starting with prefisso.
inline std::vector<std::pair<std::string, SchemaBit>> SchemiNominati(const std::string& cartella,
                                                                     const std::string& prefisso) {
    std::vector<std::pair<std::string, SchemaBit>> out;
    std::vector<std::filesystem::path> nomi;
    std::error_code errore;
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(KELVARO_BENCH_DIR) + "/" + cartella, errore))
        if (e.path().extension() == ".txt" && e.path().filename().string().rfind(prefisso, 0) == 0)
            nomi.push_back(e.path());
    std::sort(nomi.begin(), nomi.end());
    for (const auto& nome : nomi) {
        const auto letto = LeggiSchemaFile(nome.string());
        if (!letto) continue;
        const auto bit = SchemaBitDa(letto->schema);
        if (bit && bit->DatiValidi) out.emplace_back(nome.stem().string(), bit->schema);
    }
    return out;
}

inline std::vector<SchemaBit> Schemi(const std::string& cartella, const std::string& prefisso) {
    std::vector<SchemaBit> out;
    for (auto& [nome, s] : SchemiNominati(cartella, prefisso)) out.push_back(s);
    return out;
}

// The sets both counters are timed on: (benchmark name, folder, prefix).
struct Insieme {
    const char* nome;
    const char* cartella;
    const char* prefisso;
};
inline constexpr Insieme Insiemi[] = {
    {"Tutti", "schemi", ""},
    {"9Estremi", "schemi", "9x"},
    {"Unequal9Estremi", "unequal", "9x"},
    {"Unequal7Ricorsivi", "unequal", "7r"},
    {"Unequal8Ricorsivi", "unequal", "8r"},
    {"Unequal9Ricorsivi", "unequal", "9r"},
    {"Difficili", "difficili", ""},
};

// One pass over the whole set per iteration. `conta(schema, nodi)` returns the number of solutions
// up to 2 and sets the search nodes; the counter "nodi" is their mean per schema.
template <class Conta>
void ContaInsieme(benchmark::State& state, const std::vector<SchemaBit>& schemi, Conta conta) {
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato");
        return;
    }
    long nodi = 0;
    for (auto _ : state) {
        nodi = 0;
        for (const SchemaBit& s : schemi) {
            long n = 0;
            if (conta(s, n) != 1) state.SkipWithError("uno schema non ha una sola soluzione");
            nodi += n;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(schemi.size()));
    state.counters["schemi"] = static_cast<double>(schemi.size());
    state.counters["nodi"] = static_cast<double>(nodi) / static_cast<double>(schemi.size());
}

// Registers PREFISSO_<set> for every set and, with unoPerUno, PREFISSO_Schema/<file> for each of
// the recursive 9 x 9 and the hardest schemas.
template <class Conta>
void RegistraInsiemi(const std::string& prefisso, Conta conta, bool unoPerUno) {
    for (const auto& ins : Insiemi) {
        const std::vector<SchemaBit> schemi = Schemi(ins.cartella, ins.prefisso);
        benchmark::RegisterBenchmark((prefisso + "_" + ins.nome).c_str(), [schemi,
                                                                           conta](benchmark::State& st) {
            ContaInsieme(st, schemi, conta);
        })->Unit(benchmark::kMillisecond);
    }
    if (!unoPerUno) return;
    for (const auto& [cartella, iniziale] : {std::pair{"unequal", "9r"}, std::pair{"difficili", ""}})
        for (const auto& [nome, s] : SchemiNominati(cartella, iniziale))
            benchmark::RegisterBenchmark((prefisso + "_Schema/" + nome).c_str(),
                                         [uno = std::vector<SchemaBit>{s}, conta](benchmark::State& st) {
                                             ContaInsieme(st, uno, conta);
                                         })
                ->Unit(benchmark::kMillisecond);
}

}  // namespace kelvaro::bench
