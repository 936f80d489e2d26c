// The master tier (+4 of AttivaMultipli): each search on hand-made masks, the steps' sentences,
// the hint with it, and real Extreme schemas solved with it and no trial.
#include <gtest/gtest.h>

#include "display/soluzione_banco.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "solver/aiuto.h"
#include "solver/avanzate.h"
#include "solver/propagazione.h"
#include "solver/risolvi.h"
#include "solver/suggerimento.h"
#include "solver/tabella_tecniche.h"

namespace kelvaro {
namespace {

using Righe = std::vector<std::string>;

// A grid of n x n cells from candidate strings row by row; "" stands for every digit.
GrigliaBit GrigliaDaTesti(int n, const std::vector<std::string>& celle) {
    GrigliaBit g;
    g.n = n;
    for (int i = 0; i < n * n; ++i)
        g.S[i] =
            i < static_cast<int>(celle.size()) && !celle[i].empty() ? MascheraDi(celle[i]) : TutteLeCifre(n);
    return g;
}

// --- hidden subsets --------------------------------------------------------------------------

struct CasoNascosti {
    const char* nome;
    std::vector<std::string> linea;
    int k;
    bool trovato;
    uint16_t posizioni;  // bit i - 1 for position i
    std::string cifre;
};

class Nascosti : public ::testing::TestWithParam<CasoNascosti> {};

TEST_P(Nascosti, VerificaNascosti) {
    const CasoNascosti& k = GetParam();
    std::vector<Maschera> celle;
    for (const std::string& s : k.linea) celle.push_back(MascheraDi(s));
    Gruppo g;
    ASSERT_EQ(VerificaNascosti(celle.data(), static_cast<int>(celle.size()), k.k, g), k.trovato);
    if (!k.trovato) return;
    EXPECT_EQ(g.Posizioni, k.posizioni);
    EXPECT_EQ(CifreDi(g.Cifre), k.cifre);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Nascosti,
    ::testing::Values(
        // 1 and 2 fit only the first two cells, which also hold 7 and 6.
        CasoNascosti{
            "Coppia", {"127", "126", "34567", "34567", "34567", "34567", "34567"}, 2, true, 0b11, "12"},
        // The same line has no three digits confined to three cells.
        CasoNascosti{
            "NessunaTripla", {"127", "126", "34567", "34567", "34567", "34567", "34567"}, 3, false, 0, ""},
        // A pair whose cells hold nothing else strikes nothing.
        CasoNascosti{"CoppiaGiaNuda", {"12", "12", "345", "345", "345"}, 2, false, 0, ""},
        // 1, 2, 3 each in two of the first three cells: a triple, no pair.
        CasoNascosti{
            "Tripla", {"134", "1256", "2367", "4567", "4567", "4567", "4567"}, 3, true, 0b111, "123"},
        CasoNascosti{
            "TriplaNonECoppia", {"134", "1256", "2367", "4567", "4567", "4567", "4567"}, 2, false, 0, ""},
        // 5 is decided in the first cell and no subset digit; 3 and 4 spread over three cells.
        CasoNascosti{"CifraDecisaEsclusa", {"5", "1234", "1234", "1234", "12"}, 2, false, 0, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Nascosti, PassoEFrasi) {
    Banco b;
    test::PreparaSchema(b, 7, std::string(49, '0'));
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, 7);
    const Righe riga1 = {"127", "126", "34567", "34567", "34567", "34567", "34567"};
    for (int c = 1; c <= 7; ++c) tblS[1][c] = riga1[c - 1];
    ASSERT_TRUE(CercaNascosti(RisoluzioneBanco(b), Tavola(tblS, tblE, 7)));
    ASSERT_EQ(b.ris.NumPassi, 1);
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, "NR");
    EXPECT_EQ(p.Riga, 1);
    EXPECT_EQ(p.Colonna, 0);
    EXPECT_EQ(p.Gruppo, "12");
    EXPECT_EQ(p.Elenco, "12");
    EXPECT_EQ(p.Eliminazioni, "117126");
    EXPECT_EQ(b.ris.NumMaestro[MaestroNascosti], 1);
    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(
        b.log.Righe(),
        (Righe{"Nella riga 1 i n.12 possibili solo in R1C1 R1C2, che non possono contenere altri numeri",
               "Elimino 7 da R1C1", "Elimino 6 da R1C2"}));
    EXPECT_EQ(tblS[1][1], "12");
    EXPECT_EQ(tblS[1][2], "12");
}

// --- sign chains -------------------------------------------------------------------------------

struct CasoCatenaSegni {
    const char* nome;
    int n;
    std::vector<std::string> celle;
    CoppieDiSegni segni;  // (greater, smaller), 0-based cells
    bool trovato;
    int cella;
    bool maggiore;
    bool perRiga;
    int linea;
    std::vector<int> membri;
    std::vector<std::vector<int>> percorsi;
    std::string via;
};

class CateneSegni : public ::testing::TestWithParam<CasoCatenaSegni> {};

TEST_P(CateneSegni, VerificaCatenaSegni) {
    const CasoCatenaSegni& k = GetParam();
    CatenaDiSegni cs;
    ASSERT_EQ(VerificaCatenaSegni(GrigliaDaTesti(k.n, k.celle), k.segni, cs), k.trovato);
    if (!k.trovato) return;
    EXPECT_EQ(cs.Cella, k.cella);
    EXPECT_EQ(cs.Maggiore, k.maggiore);
    EXPECT_EQ(cs.PerRiga, k.perRiga);
    EXPECT_EQ(cs.Linea, k.linea);
    EXPECT_EQ(cs.Membri, k.membri);
    EXPECT_EQ(cs.Percorsi, k.percorsi);
    EXPECT_EQ(CifreDi(cs.Via), k.via);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CateneSegni,
    ::testing::Values(
        // R1C1 > R2C1 > R2C2: R2C1 and R2C2 differ, so R1C1 is above two digits: at least 3.
        CasoCatenaSegni{"SopraDueDellaRiga",
                        4,
                        {},
                        {{0, 4}, {4, 5}},
                        true,
                        0,
                        true,
                        true,
                        1,
                        {4, 5},
                        {{0, 4}, {0, 4, 5}},
                        "12"},
        // The same chain upside down: R1C1 is below two digits of row 2, so at most 2.
        CasoCatenaSegni{"SottoDueDellaRiga",
                        4,
                        {},
                        {{4, 0}, {5, 4}},
                        true,
                        0,
                        false,
                        true,
                        1,
                        {4, 5},
                        {{0, 4}, {0, 4, 5}},
                        "34"},
        // One sign alone is the plain sign bound's business.
        CasoCatenaSegni{"UnSegnoSolo", 4, {}, {{0, 4}}, false, 0, true, true, 0, {}, {}, ""},
        // R1C1 already above 2 has nothing to lose; R2C2, below R2C1 and R1C1 of column 1, is at
        // most 2.
        CasoCatenaSegni{"LaPrimaCellaCheHaDaPerdere",
                        4,
                        {"34"},
                        {{0, 4}, {4, 5}},
                        true,
                        5,
                        false,
                        false,
                        0,
                        {0, 4},
                        {{5, 4, 0}, {5, 4}},
                        "34"},
        // R1C1 > R1C2 > R2C2: the two smaller cells share column 2.
        CasoCatenaSegni{"InColonna",
                        4,
                        {},
                        {{0, 1}, {1, 5}},
                        true,
                        0,
                        true,
                        false,
                        1,
                        {1, 5},
                        {{0, 1}, {0, 1, 5}},
                        "12"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(CateneSegni, PassoEFrasi) {
    Banco b;
    test::PreparaSchema(b, 4, std::string(16, '0'), {"1121", "2122"});
    Tabella tblS{}, tblE{};
    InizializzaTab(tblS, 4);
    const Tavola t(tblS, tblE, 4);
    ASSERT_TRUE(CercaCatenaSegni(RisoluzioneBanco(b), t, GrigliaDa(t), SegniDi(b.schema)));
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, "CS");
    EXPECT_EQ(p.Riga, 1);
    EXPECT_EQ(p.Colonna, 1);
    EXPECT_EQ(p.Eliminazioni, "111112");
    EXPECT_EQ(b.ris.NumMaestro[MaestroCateneSegni], 1);
    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(),
              (Righe{"Catene di segni: R1C1 > R2C1, R1C1 > R2C1 > R2C2",
                     "R1C1 deve essere maggiore di R2C1 R2C2, che nella riga 2 hanno numeri diversi",
                     "Elimino 1 da R1C1", "Elimino 2 da R1C1"}));
    EXPECT_EQ(tblS[1][1], "34");
}

// --- propagation and forcing chains ------------------------------------------------------------

struct CasoPropagazione {
    const char* nome;
    int n;
    std::vector<std::string> celle;
    CoppieDiSegni segni;
    bool segniDaIndecise;
    bool risolta;
    Contraddizione::Tipo contraddizione;
    int indice;
    std::vector<std::pair<int, int>> dedotte;  // (cell, digit)
    bool nascosti = true;
};

class Propagazione : public ::testing::TestWithParam<CasoPropagazione> {};

TEST_P(Propagazione, Propaga) {
    const CasoPropagazione& k = GetParam();
    GrigliaBit g = GrigliaDaTesti(k.n, k.celle);
    RegolePropagazione regole;
    regole.SegniDaIndecise = k.segniDaIndecise;
    regole.Nascosti = k.nascosti;
    const EsitoPropagazione e = Propaga(g, k.segni, regole);
    EXPECT_EQ(e.Risolta, k.risolta);
    EXPECT_EQ(e.dove.tipo, k.contraddizione);
    if (k.contraddizione != Contraddizione::Tipo::Nessuna) {
        EXPECT_EQ(e.dove.Indice, k.indice);
    }
    std::vector<std::pair<int, int>> dedotte;
    for (const Deduzione& d : e.Dedotte) dedotte.emplace_back(d.Cella, d.Cifra);
    EXPECT_EQ(dedotte, k.dedotte);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Propagazione,
    ::testing::Values(
        // The given 1 of R1C1 fills the rest, in cell order.
        CasoPropagazione{"UnDatoBasta",
                         2,
                         {"1"},
                         {},
                         true,
                         true,
                         Contraddizione::Tipo::Nessuna,
                         0,
                         {{1, 2}, {2, 2}, {3, 1}}},
        CasoPropagazione{"NienteDaDedurre", 2, {}, {}, true, false, Contraddizione::Tipo::Nessuna, 0, {}},
        // R1C1 > R1C2 on an empty 2 x 2: R1C1 cannot be 1, so it is 2.
        CasoPropagazione{"SegnoSuCandidati",
                         2,
                         {},
                         {{0, 1}},
                         true,
                         true,
                         Contraddizione::Tipo::Nessuna,
                         0,
                         {{0, 2}, {1, 1}, {2, 1}, {3, 2}}},
        // Read only against a placed digit, the same sign says nothing.
        CasoPropagazione{
            "SegnoSoloDaCifre", 2, {}, {{0, 1}}, false, false, Contraddizione::Tipo::Nessuna, 0, {}},
        // Against the 2 of R1C1 it does: R2C1 below it is 1, then R3C1 is 3, and no more.
        CasoPropagazione{"SegnoDaCifra",
                         3,
                         {"2"},
                         {{0, 3}},
                         false,
                         false,
                         Contraddizione::Tipo::Nessuna,
                         0,
                         {{3, 1}, {6, 3}}},
        // Two 1s decided in row 1.
        CasoPropagazione{"DueUguali", 2, {"1", "1"}, {}, true, false, Contraddizione::Tipo::DueInRiga, 0, {}},
        // No cell of row 1 can take 3.
        CasoPropagazione{
            "CifraSenzaPosto", 3, {"12", "12", "12"}, {}, true, false, Contraddizione::Tipo::Riga, 0, {}},
        // Without hidden singles nobody looks for the 3.
        CasoPropagazione{"CifraSenzaPostoSoloNudi",
                         3,
                         {"12", "12", "12"},
                         {},
                         true,
                         false,
                         Contraddizione::Tipo::Nessuna,
                         0,
                         {},
                         false}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoCatenaForzata {
    const char* nome;
    int n;
    std::vector<std::string> celle;
    CoppieDiSegni segni;
    int massimo;  // longest chain looked for
    bool trovato;
    int cella, cifra;
    std::vector<std::pair<int, int>> dedotte;
    Contraddizione::Tipo tipo;
    int indice;
};

class CateneForzate : public ::testing::TestWithParam<CasoCatenaForzata> {};

TEST_P(CateneForzate, VerificaCatenaForzata) {
    const CasoCatenaForzata& k = GetParam();
    CatenaForzata cf;
    ASSERT_EQ(VerificaCatenaForzata(GrigliaDaTesti(k.n, k.celle), k.segni, k.massimo, cf), k.trovato);
    if (!k.trovato) return;
    EXPECT_EQ(cf.Cella, k.cella);
    EXPECT_EQ(cf.Cifra, k.cifra);
    std::vector<std::pair<int, int>> dedotte;
    for (const Deduzione& d : cf.Dedotte) dedotte.emplace_back(d.Cella, d.Cifra);
    EXPECT_EQ(dedotte, k.dedotte);
    EXPECT_EQ(cf.dove.tipo, k.tipo);
    EXPECT_EQ(cf.dove.Indice, k.indice);
}

INSTANTIATE_TEST_SUITE_P(Casi, CateneForzate,
                         ::testing::Values(
                             // R2C2 holds only 1. Supposing R1C1 = 1 fills the square, R1C1 = 2 empties R1C2
                             // after a round, but R1C2 = 1 puts a second 1 in column 2 at once.
                             CasoCatenaForzata{"DueUnoInColonna",
                                               2,
                                               {"12", "12", "12", "1"},
                                               {},
                                               5,
                                               true,
                                               1,
                                               1,
                                               {},
                                               Contraddizione::Tipo::DueInColonna,
                                               1},
                             // R1C1 > R2C1: R1C1 = 1 is above nothing, one round shows it.
                             CasoCatenaForzata{"ControIlSegno",
                                               2,
                                               {"12", "12", "12", "12"},
                                               {{0, 2}},
                                               5,
                                               true,
                                               0,
                                               1,
                                               {},
                                               Contraddizione::Tipo::Cella,
                                               0},
                             CasoCatenaForzata{"TroppoLunga",
                                               2,
                                               {"12", "12", "12", "12"},
                                               {{0, 2}},
                                               0,
                                               false,
                                               0,
                                               0,
                                               {},
                                               Contraddizione::Tipo::Nessuna,
                                               0},
                             // Supposing R1C3 = 1 leaves row 1 without a 3 at once; the suppositions before
                             // it in R1C1 and R1C2 need rounds.
                             CasoCatenaForzata{"RigaSenzaCifra",
                                               3,
                                               {"12", "12", "", "12", "12"},
                                               {},
                                               5,
                                               true,
                                               2,
                                               1,
                                               {},
                                               Contraddizione::Tipo::Riga,
                                               0}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(CatenaForzata, PassoEFrasi) {
    Banco b;
    test::PreparaSchema(b, 3, std::string(9, '0'));
    Tabella tblS = test::TabellaDa(3, {"12", "12", "123", "12", "12", "123", "123", "123", "123"}), tblE{};
    const Tavola t(tblS, tblE, 3);
    ASSERT_TRUE(CercaCatenaForzata(RisoluzioneBanco(b), t, GrigliaDa(t), SegniDi(b.schema)));
    const Passo& p = b.ris.Passi[1];
    EXPECT_EQ(p.Codice, "CF");
    EXPECT_EQ(p.Riga, 1);
    EXPECT_EQ(p.Colonna, 3);
    EXPECT_EQ(p.Valore, "1");
    EXPECT_EQ(b.ris.NumMaestro[MaestroCateneForzate], 1);
    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(
        b.log.Righe(),
        (Righe{"Se R1C3 fosse 1, allora nella riga 1 non ci sarebbe posto per il 3; quindi R1C3 non è 1",
               "Elimino 1 da R1C3"}));
    EXPECT_EQ(tblS[1][3], "23");
}

// A digit decided twice in a line is the chain's end.
TEST(CatenaForzata, FraseDueNellaLinea) {
    Banco b;
    test::PreparaSchema(b, 2, "0000");
    Tabella tblS = test::TabellaDa(2, {"12", "12", "12", "1"}), tblE{};
    const Tavola t(tblS, tblE, 2);
    ASSERT_TRUE(CercaCatenaForzata(RisoluzioneBanco(b), t, GrigliaDa(t), SegniDi(b.schema)));
    b.ris.PassoCorrente = 1;
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(),
              (Righe{"Se R1C2 fosse 1, allora nella colonna 2 ci sarebbero due 1; quindi R1C2 non è 1",
                     "Elimino 1 da R1C2"}));
}

// The cells a chain decides are told in order, the last one joined by "e".
TEST(CatenaForzata, FraseConCelleDecise) {
    Banco b;
    test::PreparaSchema(b, 2, "0000", {"1121"});
    VisualizzaGrid(b, b.schema.tblSchema, b.schema.tblSchema);
    Tabella tblS = test::TabellaDa(2, {"12", "12", "12", "12"}), tblE{};
    Passo p;
    p.Codice = "CF";
    p.Riga = 1;
    p.Colonna = 1;
    p.Valore = "1";
    p.Elenco = "122212221";
    p.Gruppo = "X11";
    p.Eliminazioni = "111";
    test::ImpostaPassoCorrente(b, p);
    EXPECT_FALSE(EseguiPasso(RisoluzioneBanco(b), tblS, tblE));
    EXPECT_EQ(b.log.Righe(),
              (Righe{"Se R1C1 fosse 1, allora R1C2 sarebbe 2, R2C1 sarebbe 2, R2C2 sarebbe 1 e in "
                     "R1C1 non resterebbe nessun numero; quindi R1C1 non è 1",
                     "Elimino 1 da R1C1"}));
    EXPECT_EQ(tblS[1][1], "2");
    EXPECT_EQ(test::Sfondo(b, 1, 2), ColoreVerde);
    EXPECT_EQ(test::Sfondo(b, 1, 1), ColoreGiallo);
}

// --- the driver and the hint -------------------------------------------------------------------

// Which searches run follows AttivaMultipli; +4 adds the tier after the others.
TEST(Maestro, AttivaMultipli) {
    Tabella tblS{};
    InizializzaTab(tblS, 7);
    const Righe riga1 = {"127", "126", "34567", "34567", "34567", "34567", "34567"};
    for (int c = 1; c <= 7; ++c) tblS[1][c] = riga1[c - 1];
    for (const auto& [attiva, codice] : std::vector<std::pair<int, std::string>>{
             {0, ""}, {1, ""}, {2, ""}, {3, ""}, {4, "NR"}, {5, "NR"}, {6, "NR"}, {7, "NR"}}) {
        Banco b;
        test::PreparaSchema(b, 7, std::string(49, '0'));
        b.imp.AttivaMultipli = attiva;
        EXPECT_EQ(Rileva(RisoluzioneBanco(b), tblS, Tabella{}), !codice.empty()) << attiva;
        if (!codice.empty()) {
            EXPECT_EQ(b.ris.Passi[1].Codice, codice) << attiva;
        }
    }
}

// --- real schemas --------------------------------------------------------------------------------

std::array<uint8_t, CelleMax> SoluzioneUnica(const Schema& s) {
    std::array<uint8_t, CelleMax> celle{};
    const auto letto = SchemaBitDa(s);
    EXPECT_TRUE(letto.has_value());
    if (letto) {
        EXPECT_EQ(ContaSoluzioni(letto->schema, 2, &celle), 1);
    }
    return celle;
}

void ControllaRisultato(const Banco& b, const std::array<uint8_t, CelleMax>& sol) {
    const int n = b.schema.Sizesc;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            EXPECT_EQ(b.schema.tblRisolto[r][c], std::to_string(sol[(r - 1) * n + c - 1])) << DesCella(r, c);
}

// Extreme schemas of Tatham's Unequal: the tier finishes them without a trial, on the one solution.
TEST(Maestro, EstremiDiUnequalSenzaProve) {
    for (const char* nome : {"5x_1.txt", "7x_3.txt", "9x_1.txt"}) {
        SCOPED_TRACE(nome);
        auto letto = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/unequal/" + nome);
        ASSERT_TRUE(letto);
        Banco b;
        b.schema = letto->schema;
        b.imp.AttivaMultipli = 7;
        RisolviSchema(b);
        EXPECT_TRUE(b.ris.Risolto);
        EXPECT_EQ(b.ris.NumProve, 0);
        ControllaRisultato(b, SoluzioneUnica(b.schema));
    }
}

// Whatever the tier decides, with trials or without, the result is the schema's one solution.
TEST(Maestro, SempreLaSoluzioneUnica) {
    const auto schemi = test::FileSchemi({"/bench/unequal", "/bench/schemi"});
    ASSERT_GE(schemi.size(), 100u);
    for (const std::string& percorso : schemi) {
        SCOPED_TRACE(percorso);
        auto letto = LeggiSchemaFile(percorso);
        ASSERT_TRUE(letto);
        Banco b;
        b.schema = letto->schema;
        b.imp.AttivaMultipli = 7;
        b.ris.ConservaPassi = false;
        ResocontoMuto muto;
        b.ris.resoconto = &muto;
        RisolviSchema(b);
        ASSERT_TRUE(b.ris.Risolto);
        ControllaRisultato(b, SoluzioneUnica(b.schema));
    }
}

// From the point where subsets and Swordfish need a trial, the hint with the tier has a step.
TEST(Maestro, IlSuggerimentoUsaIlLivello) {
    for (const char* nome : {"5x_1.txt", "7x_3.txt", "9x_1.txt"}) {
        SCOPED_TRACE(nome);
        const Schema s = LeggiSchemaFile(std::string(KELVARO_SORGENTI) + "/bench/unequal/" + nome)->schema;
        Banco b;
        b.schema = s;
        b.imp.AttivaMultipli = 3;
        b.ris.MaxLivello = 1;  // stops where the first trial would be
        RisolviSchema(b);
        ASSERT_FALSE(b.ris.Risolto);
        const int n = s.Sizesc;
        Tabella voci{};
        NoteGriglia note{};
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const std::string& k = b.schema.tblRisolto[r][c];
                voci[r][c] = k.size() == 1 ? k : "0";
                for (char ch : k) note[r][c] |= static_cast<uint16_t>(1u << (ch - '0'));
            }
        EXPECT_EQ(CalcolaSuggerimento(s, voci, &note, 3).esito, Suggerimento::Esito::Nessuno);
        const Suggerimento h = CalcolaSuggerimento(s, voci, &note, 7);
        ASSERT_EQ(h.esito, Suggerimento::Esito::Passo);
        ASSERT_NE(TecnicaDelCodice(h.Codice), nullptr) << h.Codice;
        EXPECT_EQ(TecnicaDelCodice(h.Codice)->Bit, 4) << h.Codice;
        EXPECT_FALSE(h.Tolti.empty());
        EXPECT_FALSE(h.CelleMotivo.empty());
        EXPECT_GE(h.Frasi.size(), 2u);
    }
}

}  // namespace
}  // namespace kelvaro
