// The next-step hint: the table of positions of tests/fixtures/aiutino (the WebAssembly module
// answers the same table in the page tests), what the hint leaves alone, and the step history's
// sentences that the page replays.
#include "solver/suggerimento.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "display/soluzione_banco.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "solver/aiuto.h"
#include "solver/risolvi.h"
#include "supporto/posizioni.h"

namespace kelvaro {
namespace {

TEST(Suggerimento, TabellaDellePosizioni) {
    const std::vector<test::CasoPosizione> casi =
        test::LeggiPosizioni(std::string(KELVARO_FIXTURES) + "/aiutino/posizioni.txt");
    ASSERT_GE(casi.size(), 18u);
    for (const test::CasoPosizione& c : casi) EXPECT_EQ(RispondiRichiesta(c.richiesta), c.atteso) << c.nome;
}

Schema SchemaDa(int n, const std::string& dati, const std::vector<std::string>& vincoli = {}) {
    Banco b;
    test::PreparaSchema(b, n, dati, vincoli);
    return b.schema;
}

Tabella VociDa(int n, const std::string& cifre) {
    Tabella t{};
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) t[r][c] = cifre.substr((r - 1) * n + c - 1, 1);
    return t;
}

TEST(Suggerimento, IlSegnoNominaLeCelleCheLoGiustificano) {
    const Schema s = SchemaDa(4, "0000300000000020", {"1211", "3444", "3334", "1424"});
    const Suggerimento h = CalcolaSuggerimento(s, Tabella{}, nullptr);
    ASSERT_EQ(h.esito, Suggerimento::Esito::Passo);
    EXPECT_EQ(h.Codice, "MIN");
    EXPECT_TRUE(h.CelleDecise.empty());
    ASSERT_EQ(h.CelleMotivo.size(), 1u);
    EXPECT_EQ(h.CelleMotivo[0], (CellaRC{1, 2}));
    ASSERT_EQ(h.Tolti.size(), 1u);
    EXPECT_EQ(h.Tolti[0].Riga, 1);
    EXPECT_EQ(h.Tolti[0].Colonna, 1);
    EXPECT_EQ(h.Tolti[0].Cifra, 4);
}

TEST(Suggerimento, LaSoluzioneSalvataServeQuandoIlContatoreNeTrovaPiuDiUna) {
    // No givens: many solutions; the stored one judges the entries.
    Schema s = SchemaDa(4, "0000000000000000");
    s.tblSoluzione = VociDa(4, "1234341221434321");
    const Suggerimento h = CalcolaSuggerimento(s, VociDa(4, "2000000000000000"), nullptr);
    EXPECT_EQ(h.esito, Suggerimento::Esito::Errore);
    ASSERT_EQ(h.CelleErrate.size(), 1u);
    EXPECT_EQ(h.CelleErrate[0], (CellaRC{1, 1}));
}

TEST(Suggerimento, AppuntiSbagliatiSiCorreggonoRimettendoLaCifraGiusta) {
    // The one solution is 1234 3412 2143 4321: R1C1 is 1, R2C2 is 4.
    const Schema s = SchemaDa(4, "0000300000000020", {"1211", "3444", "3334", "1424"});
    NoteGriglia note{};
    note[1][1] = uint16_t(1u << 2 | 1u << 4);  // 2 and 4: the 1 is missing
    const Suggerimento h = CalcolaSuggerimento(s, Tabella{}, &note);
    ASSERT_EQ(h.esito, Suggerimento::Esito::Errore);
    ASSERT_EQ(h.CelleErrate.size(), 1u);
    EXPECT_EQ(h.CelleErrate[0], (CellaRC{1, 1}));
    ASSERT_EQ(h.NoteCorrette.size(), 1u);
    EXPECT_EQ(h.NoteCorrette[0].Riga, 1);
    EXPECT_EQ(h.NoteCorrette[0].Colonna, 1);
    EXPECT_EQ(h.NoteCorrette[0].Cifre, "124");
    // A wrong digit is cleared, not mended.
    const Suggerimento d = CalcolaSuggerimento(s, VociDa(4, "2000000000000000"), nullptr);
    ASSERT_EQ(d.esito, Suggerimento::Esito::Errore);
    EXPECT_TRUE(d.NoteCorrette.empty());
}

TEST(Suggerimento, UnErroreNonIndicaMaiUnDato) {
    // Givens R2C1 = 3 and R4C3 = 2; the hand entries repeat them, or break a sign between hand
    // entries only (R1C2 > R1C1).
    const Schema s = SchemaDa(4, "0000300000000020", {"1211", "3444", "3334", "1424"});
    struct Caso {
        const char* voci;
        std::vector<CellaRC> errate;
    } casi[] = {
        {"0000030000000000", {{2, 2}}},          // a 3 beside the given 3 in row 2
        {"0000000000200000", {{3, 3}}},          // a 2 above the given 2 in column 3
        {"2100000000000000", {{1, 1}, {1, 2}}},  // two hand entries: both named
    };
    for (const Caso& c : casi) {
        const Suggerimento h = CalcolaSuggerimento(s, VociDa(4, c.voci), nullptr);
        ASSERT_EQ(h.esito, Suggerimento::Esito::Errore) << c.voci;
        EXPECT_EQ(h.CelleErrate, c.errate) << c.voci;
    }
    // Givens that break a rule themselves are all there is to name.
    const Schema rotto = SchemaDa(4, "3300000000000000");
    const Suggerimento h = CalcolaSuggerimento(rotto, Tabella{}, nullptr);
    EXPECT_EQ(h.CelleErrate, (std::vector<CellaRC>{{1, 1}, {1, 2}}));
}

TEST(Suggerimento, NonToccaLaSequenzaCasualeNeLoSchema) {
    Banco b;
    test::PreparaSchema(b, 4, "1000000000000000");
    RiportaCasualeAllInizio();
    const double attesa = EstraiCasuale();
    RiportaCasualeAllInizio();
    const Schema prima = b.schema;
    const Suggerimento h = CalcolaSuggerimento(b.schema, Tabella{}, nullptr);
    EXPECT_EQ(h.esito, Suggerimento::Esito::Nessuno);
    EXPECT_EQ(EstraiCasuale(), attesa);
    EXPECT_EQ(b.schema.tblSchema, prima.tblSchema);
    EXPECT_EQ(b.ris.NumPassi, 0);
}

// The hint from the givens of a real schema is the first step the solver takes after them.
TEST(Suggerimento, DaiDatiEIlPrimoPassoDelRisolutore) {
    for (const char* nome : {"9e_1.txt", "9k_1.txt", "9x_1.txt", "7k_1.txt"}) {
        auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/schemi/" + nome);
        ASSERT_TRUE(letto) << nome;
        Banco b;
        b.schema = letto->schema;
        b.imp.AttivaMultipli = 3;
        RisolviSchema(b);
        const int dati = ContaCelleProblema(b.schema);
        ASSERT_GT(b.ris.NumPassi, dati) << nome;
        const Suggerimento h = CalcolaSuggerimento(b.schema, Tabella{}, nullptr);
        ASSERT_EQ(h.esito, Suggerimento::Esito::Passo) << nome;
        EXPECT_EQ(h.Codice, b.ris.PassoN(dati + 1).Codice) << nome;
        ASSERT_FALSE(h.Frasi.empty()) << nome;
    }
}

// Each entry of the history carries the log lines of the steps that led to it.
TEST(Suggerimento, LaStoriaPortaLeFrasiDeiPassi) {
    Banco b;
    test::PreparaSchema(b, 2, "1000");
    b.storia.RegistraStoria = true;
    RisolviSchema(b);
    ASSERT_GE(b.storia.NumStoria, 3);
    EXPECT_EQ(b.storia.StoriaR[1], "");
    EXPECT_EQ(b.storia.StoriaR[2], "Dato iniziale 1 in cella R1C1|Elimino 1 da R1C2|Elimino 1 da R2C1");
    // The last entry also carries the steps after the last display: nothing of the log is lost.
    EXPECT_EQ(b.storia.StoriaR[3],
              "2 unico  possibile in cella R1C2|Elimino 2 da R2C2|2 unico  possibile in cella R2C1|"
              "1 unico  possibile in cella R2C2");
}

// The page's replay shows every line the solve wrote, in order, for real schemas with and without
// trials.
TEST(Suggerimento, LaStoriaPortaTutteLeRigheDelLog) {
    for (const char* nome : {"5e_1.txt", "9k_1.txt", "9x_1.txt"}) {
        auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/schemi/" + nome);
        ASSERT_TRUE(letto) << nome;
        Banco b;
        b.schema = letto->schema;
        b.storia.RegistraStoria = true;
        RisolviSchema(b);
        std::vector<std::string> righe;
        for (int k = 1; k <= b.storia.NumStoria; ++k) {
            const std::string& r = b.storia.StoriaR[static_cast<size_t>(k)];
            size_t da = 0;
            while (!r.empty() && da <= r.size()) {
                const size_t a = r.find('|', da);
                righe.push_back(r.substr(da, a == std::string::npos ? std::string::npos : a - da));
                if (a == std::string::npos) break;
                da = a + 1;
            }
        }
        EXPECT_EQ(righe, b.ris.Trascrizione) << nome;
    }
}

}  // namespace
}  // namespace kelvaro
