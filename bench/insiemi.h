#pragma once
// The schema sets the counter's benchmarks share: files of a bench/ folder whose names start
// with a prefix, sorted by name, in the counter's bit form.
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

}  // namespace kelvaro::bench
