// kelvaro-cli verifica FILE...: loads each file and prints what it holds.
#include <cstdio>

#include "cli/comandi.h"
#include "files/caricamento.h"
#include "files/scrittura.h"
#include "model/testo.h"
#include "rules/regole.h"
#include "solver/contatore.h"
#include "solver/difficolta.h"
#include "solver/livello.h"
#include "solver/valutazione.h"

namespace kelvaro::cli {

int Verifica(const Argomenti& args) {
    if (args.empty()) {
        std::fprintf(stderr, "Uso: kelvaro-cli verifica FILE...\n");
        return 2;
    }
    int esito = 0;
    for (const std::string& percorso : args) {
        std::printf("file: %s\n", TestoStampabile(percorso).c_str());
        std::string motivo;
        const auto letto = LeggiSchemaFile(percorso, motivo);
        if (!letto) {
            std::printf("errore: %s\n", TestoStampabile(MessaggioFileErrato(percorso, motivo)).c_str());
            esito = 1;
            continue;
        }
        const Schema& s = letto->schema;
        std::printf("dimensione: %d\n", s.Sizesc);
        std::printf("dati: %d\n", ContaCelleProblema(s));
        std::printf("vincoli: %d\n", s.NumVincoli());
        const std::string calcolato = CreaPwd(s.tblSoluzione, s.Sizesc);
        if (calcolato == letto->CheckLetto)
            std::printf("check: ok\n");
        else
            std::printf("check: diverso (letto %s, calcolato %s)\n", letto->CheckLetto.c_str(),
                        calcolato.c_str());
        const Valutazione v = ValutaSchema(s, 3);
        std::printf("livello: %ld\n", v.Livello);
        std::printf("difficolta: %s\n", NomeDifficolta(DifficoltaSchema(s)));
        std::printf("risolto: %s\n", v.Risolto ? "si" : "no");
        if (v.SenzaSoluzione) std::printf("%s\n", FraseSenzaSoluzione);
        const int soluzioni = ContaSoluzioni(s, 2);
        std::printf("soluzioni: %s\n", soluzioni >= 2 ? "2+" : std::to_string(soluzioni).c_str());
        // Last, so that the lines before keep their order: a SOLUTION that breaks the rules or the
        // givens is not the schema's, and the hint ignores it.
        if (HaSoluzioneSalvata(s) && !SoluzioneSalvataValida(s))
            std::printf("soluzione salvata: non valida, ignorata\n");
    }
    std::fflush(stdout);
    return esito;
}

}  // namespace kelvaro::cli
