// Follows the hint with every technique from the givens to the end of each schema file, as a
// player who always carries out the step shown would, and prints per file the steps taken, how it
// ended and the slowest hint; the last line sums up. Used to check the hint on fresh schemas of
// Tatham's Unequal (bench/calibra_unequal.py converts them):
//   cammina_aiuto FILE...
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "files/caricamento.h"
#include "solver/suggerimento.h"

using namespace kelvaro;

int main(int argc, char** argv) {
    int completi = 0, fermi = 0, errori = 0;
    double peggiore = 0;
    for (int a = 1; a < argc; ++a) {
        const auto letto = LeggiSchemaFile(argv[a]);
        if (!letto) {
            std::printf("%s: illeggibile\n", argv[a]);
            ++errori;
            continue;
        }
        const Schema& s = letto->schema;
        Tabella voci{};
        NoteGriglia note{};
        for (int r = 1; r <= s.Sizesc; ++r)
            for (int c = 1; c <= s.Sizesc; ++c) voci[r][c] = s.tblSchema[r][c];
        double lento = 0;
        int passi = 0;
        Suggerimento h;
        for (; passi < 5000; ++passi) {
            const auto t0 = std::chrono::steady_clock::now();
            h = CalcolaSuggerimento(s, voci, &note, 7);
            lento = std::max(
                lento,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            if (h.esito != Suggerimento::Esito::Passo) break;
            ApplicaSuggerimento(h, voci, note);
        }
        const bool completo = h.esito == Suggerimento::Esito::Completo;
        completi += completo;
        fermi += h.esito == Suggerimento::Esito::Nessuno;
        errori += h.esito == Suggerimento::Esito::Errore;
        peggiore = std::max(peggiore, lento);
        std::printf("%s: %d passi, %s, aiuto piu' lento %.2f ms\n", argv[a], passi,
                    completo                                  ? "completo"
                    : h.esito == Suggerimento::Esito::Nessuno ? "solo una prova"
                                                              : "errore",
                    lento);
    }
    std::printf("completi %d, solo una prova %d, errori %d, aiuto piu' lento %.2f ms\n", completi, fermi,
                errori, peggiore);
    return fermi + errori == 0 ? 0 : 1;
}
