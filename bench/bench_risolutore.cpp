// The plain solve, as "Risolvi", the web publisher and the generator's grading run it: schemas
// solved per second for sizes 5, 7 and 9, over fixed sets from bench/schemi/.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
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

// Counts the lines and keeps none, as kelvaro-cli's printing does without the printing.
class ContaRighe final : public Resoconto {
public:
    bool PassoEseguito(const Passo&, const EffettoPasso&, const std::vector<std::string>& righe) override {
        conta += static_cast<int64_t>(righe.size());
        return true;
    }
    void Riga(const std::string&) override { ++conta; }
    int64_t conta = 0;
};

std::vector<Schema> CaricaCartella(const std::string& cartella, const std::string& prefisso) {
    std::vector<Schema> out;
    std::vector<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(std::string(KELVARO_BENCH_DIR) + "/" + cartella))
        if (e.path().filename().string().rfind(prefisso, 0) == 0) nomi.push_back(e.path().string());
    std::sort(nomi.begin(), nomi.end());
    for (const std::string& nome : nomi)
        if (auto letto = LeggiSchemaFile(nome)) out.push_back(std::move(letto->schema));
    return out;
}

// The plain solve with its full log streamed, per schema of a set made by sgt-unequal
// (bench/unequal/) or of the long searches (bench/lunghi/): schemas per second and log lines.
void RisolviInsieme(benchmark::State& state, const std::string& cartella, const std::string& prefisso,
                    int tecniche) {
    const std::vector<Schema> schemi = CaricaCartella(cartella, prefisso);
    if (schemi.empty()) {
        state.SkipWithError("nessuno schema trovato");
        return;
    }
    // One workbench per schema, made before timing: only the solves are timed.
    ContaRighe righe;
    std::vector<std::unique_ptr<Banco>> banchi;
    for (const Schema& s : schemi) {
        auto& b = *banchi.emplace_back(std::make_unique<Banco>());
        b.schema = s;
        b.imp.AttivaMultipli = tecniche;
        b.ris.resoconto = &righe;
        b.ris.ConservaPassi = false;
    }
    int64_t risolti = 0;
    for (auto _ : state) {
        RiportaCasualeAllInizio();
        for (auto& b : banchi) {
            RisolviSchema(*b);
            risolti += b->ris.Risolto;
        }
    }
    const auto passate = state.iterations() * static_cast<int64_t>(schemi.size());
    if (risolti != passate) state.SkipWithError("schema non risolto");
    state.SetItemsProcessed(passate);
    state.counters["schemi/s"] =
        benchmark::Counter(static_cast<double>(passate), benchmark::Counter::kIsRate);
    state.counters["righe"] = static_cast<double>(righe.conta) / static_cast<double>(passate);
    state.counters["s/schema"] = benchmark::Counter(
        static_cast<double>(passate), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Every size and level of bench/unequal/ (t trivial, e easy, k tricky, x extreme, r recursive):
// BM_Unequal/9x is the set of 9 x 9 extreme schemas.
const bool PerDimensioneELivello = [] {
    for (int n = 4; n <= 9; ++n)
        for (const char livello : std::string("tekxr")) {
            const std::string prefisso = std::to_string(n) + livello;
            benchmark::RegisterBenchmark(("BM_Unequal/" + prefisso).c_str(), [prefisso](benchmark::State& s) {
                RisolviInsieme(s, "unequal", prefisso + "_", 3);
            })->Unit(benchmark::kMicrosecond);
        }
    return true;
}();

void BM_QuasiVuoto9(benchmark::State& s) {
    RisolviInsieme(s, "lunghi", "", 3);
}
void BM_QuasiVuoto9SenzaTecniche(benchmark::State& s) {
    RisolviInsieme(s, "lunghi", "", 0);
}
BENCHMARK(BM_QuasiVuoto9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuasiVuoto9SenzaTecniche)->Unit(benchmark::kMillisecond);

}  // namespace
