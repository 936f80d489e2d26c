// The hint with every technique, walked from the givens to the end as a player who always follows
// it would: on schemas that need no trial it never answers "only a trial".
#include <gtest/gtest.h>

#include <string>

#include "files/caricamento.h"
#include "solver/suggerimento.h"

namespace kelvaro {
namespace {

TEST(AiutoMaestro, DaiDatiAllaFineSenzaProve) {
    for (const char* nome : {"5x_1.txt", "7x_2.txt", "9x_3.txt"}) {
        auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/unequal/" + nome);
        ASSERT_TRUE(letto) << nome;
        const Schema& s = letto->schema;
        const int n = s.Sizesc;
        Tabella voci{};
        NoteGriglia note{};
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) voci[r][c] = s.tblSchema[r][c];
        int passi = 0;
        for (;; ++passi) {
            ASSERT_LT(passi, 2000) << nome;
            const Suggerimento h = CalcolaSuggerimento(s, voci, &note, 7);
            if (h.esito == Suggerimento::Esito::Completo) break;
            ASSERT_EQ(h.esito, Suggerimento::Esito::Passo)
                << nome << " al passo " << passi << ": " << h.Motivo;
            // The move the window makes of it: the digit placed, the notes the step leaves.
            ApplicaSuggerimento(h, voci, note);
        }
        EXPECT_GT(passi, 0) << nome;
    }
}

}  // namespace
}  // namespace kelvaro
