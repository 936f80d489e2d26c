// Web publishing: the page fragment, the template filling with the script compaction, and a
// whole publishing run over the 49 schemas of bench/schemi.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/testo.h"
#include "solver/risolvi.h"
#include "web/frammento.h"
#include "web/pagine.h"
#include "web/pubblica.h"
#include "web/stringi.h"

namespace {

using namespace kelvaro;
namespace fs = std::filesystem;

const std::string Schemi = std::string(KELVARO_BENCH_DIR) + "/schemi";
const std::string Modelli = std::string(KELVARO_BENCH_DIR) + "/../tests/fixtures/web/template";

// A 9x9 schema loaded and solved with its history, as the publisher leaves it.
void Prepara(Banco& b) {
    b.file.NomeFileAperto = Schemi + "/9x_1.txt";
    CaricaSchema(b);
    b.ris.MaxLivello = 99;
    b.storia.RegistraStoria = true;
    RisolviSchema(b);
    b.storia.RegistraStoria = false;
}

void BM_FrammentoSchema9(benchmark::State& state) {
    Banco b;
    Prepara(b);
    for (auto _ : state) benchmark::DoNotOptimize(FrammentoSchema(b));
}
BENCHMARK(BM_FrammentoSchema9);

void BM_PaginaSchema9(benchmark::State& state) {
    Banco b;
    Prepara(b);
    Generahtml_Click(b);
    std::string errore;
    const auto righe = LeggiModello(Modelli + "/schema.html", errore);
    for (auto _ : state)
        benchmark::DoNotOptimize(CompilaModello(b, *righe, false, "Futoshiki 9x9 Livello 0"));
}
BENCHMARK(BM_PaginaSchema9);

// Publishes the 49 schemas (load, solve, page) and the index into a fresh program directory.
void BM_Pubblica49(benchmark::State& state) {
    fs::path dir = fs::temp_directory_path() / ("kelvaro_bench_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "perwebsiteprove");
    fs::copy(Modelli, dir / "template", fs::copy_options::recursive);
    fs::copy(Schemi, dir / "schemixwebsite", fs::copy_options::recursive);
    Banco b;
    b.CartellaProgramma = dir.string();
    b.conf.FileSchema = "schema.html";
    b.conf.FileIndice = "indice.html";
    for (auto _ : state) {
        const EsitoPubblicazione e = GeneraSingolaPaginaSchema(b);
        if (e.Pagine != 49) state.SkipWithError("pagine mancanti");
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_Pubblica49)->Unit(benchmark::kMillisecond);

}  // namespace
