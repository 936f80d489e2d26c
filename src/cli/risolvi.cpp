// kelvaro-cli risolvi [--tecniche K] FILE: solves a schema in plain mode and prints every log
// line of the solve, the result table and the technique counters (K 0..7: +1 naked subsets,
// +2 Swordfish, +4 the master tier).
#include "solver/risolvi.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/comandi.h"
#include "files/caricamento.h"
#include "model/testo.h"
#include "solver/valutazione.h"

namespace kelvaro::cli {

namespace {

constexpr const char* UsoRisolvi = "Uso: kelvaro-cli risolvi [--tecniche K] FILE\n";

// Writes every log line to stdout as the solver reports it.
class StampaLog final : public Resoconto {
public:
    bool PassoEseguito(const Passo&, const EffettoPasso&, const std::vector<std::string>& righe) override {
        for (const std::string& r : righe) Riga(r);
        return true;
    }
    void Riga(const std::string& testo) override {
        std::fwrite(testo.data(), 1, testo.size(), stdout);
        std::fputc('\n', stdout);
    }
};

}  // namespace

int LeggiTecniche(const std::string& v) {
    if (v.size() == 1 && v[0] >= '0' && v[0] <= '7') return v[0] - '0';
    std::fprintf(stderr, "errore: --tecniche vuole un valore da 0 a 7, non '%s'\n", v.c_str());
    return -1;
}

int Risolvi(const Argomenti& args) {
    int tecniche = 3;
    std::string percorso;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a == "--tecniche") {
            if (k + 1 >= args.size()) {
                std::fputs(UsoRisolvi, stderr);
                return 2;
            }
            tecniche = LeggiTecniche(args[++k]);
            if (tecniche < 0) return 2;
        } else if (percorso.empty()) {
            percorso = a;
        } else {
            std::fputs(UsoRisolvi, stderr);
            return 2;
        }
    }
    if (percorso.empty()) {
        std::fputs(UsoRisolvi, stderr);
        return 2;
    }

    std::string motivo;
    auto letto = LeggiSchemaFile(percorso, motivo);
    if (!letto) {
        std::fprintf(stderr, "errore: %s\n", TestoStampabile(MessaggioFileErrato(percorso, motivo)).c_str());
        return 2;
    }
    // The log is printed as the solve goes and never held: a long trial search stays in flat memory.
    StampaLog stampa;
    const Valutazione v = ValutaSchema(letto->schema, tecniche, &stampa);

    std::string uscita = "\n";
    const int n = letto->schema.Sizesc;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            if (c > 1) uscita += " ";
            uscita += v.tblRisolto[r][c];
        }
        uscita += "\n";
    }
    uscita += std::to_string(v.TecnicheUsate) + " " + std::to_string(v.NumMultipli) + " " +
              std::to_string(v.NumSwordfish);
    // The master tier's counters only where it was on: without it the line stays as it was.
    if (tecniche & 4)
        for (int k : v.NumMaestro) uscita += " " + std::to_string(k);
    uscita += "\n";
    std::fwrite(uscita.data(), 1, uscita.size(), stdout);
    std::fflush(stdout);
    return v.Risolto ? 0 : 1;
}

}  // namespace kelvaro::cli
