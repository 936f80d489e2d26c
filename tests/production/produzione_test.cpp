// Batch production over the INI rules: captions, files, Esc, rules skipped, folders refused.
#include "production/produzione.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/ini.h"
#include "files/caricamento.h"
#include "model/casuale.h"
#include "production/genera_banco.h"
#include "solver/contatore.h"
#include "solver/livello.h"
#include "supporto/finestre_finte.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A temporary program directory with its Kelvaro.ini, and the run's record.
struct Programma {
    test::CartellaTemporanea tmp;
    test::FinestreFinte f;
    Banco b;
    std::vector<std::string> didascalie;
    int secondi = 0;

    explicit Programma(const std::string& ini) {
        b.ImpostaFinestre(&f);
        b.CartellaProgramma = tmp.percorso().string();
        b.Orologio = [this] {
            std::tm t{};
            t.tm_year = 109;
            t.tm_mday = 8;
            t.tm_hour = 12;
            t.tm_min = secondi / 60;
            t.tm_sec = secondi % 60;
            ++secondi;
            return t;
        };
        test::ScriviFile(tmp.percorso() / "Kelvaro.ini", ini);
        LeggiRegoleIni(b);
    }
    EsitoProduzione Esegui(std::function<bool()> cedi = {}) {
        EventiProduzione e;
        e.Didascalia = [this](const std::string& t) { didascalie.push_back(t); };
        e.Cedi = std::move(cedi);
        return EseguiGeneraAuto(b, e);
    }
    std::vector<std::string> File(const std::string& dir) const {
        std::vector<std::string> out;
        const fs::path p = tmp.percorso() / dir;
        if (fs::exists(p))
            for (const auto& e : fs::directory_iterator(p)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

std::string RegolaIni(const std::string& dir, int schemi, int n, int nascosti = 1, int swordfish = 1) {
    return "<REGOLA>\r\nDIR=" + dir + "\r\nSCHEMI=" + std::to_string(schemi) +
           "\r\nSIZESC=" + std::to_string(n) +
           "\r\nCELLEINIZIALI=2\r\nPROFONDITA=10\r\nMAXCICLO1=1\r\nMAXCICLO2=2\r\nSOGLIA=11\r\nNASCOSTI=" +
           std::to_string(nascosti) + "\r\nSWORDFISH=" + std::to_string(swordfish) + "\r\n";
}

TEST(Produzione, DueRegoleDiTreEDueSchemi) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("uno", 3, 5) + RegolaIni("due", 2, 6));
    const EsitoProduzione e = p.Esegui();
    EXPECT_EQ(p.didascalie,
              (std::vector<std::string>{
                  "Futoshiki Regola 1 di 2 Schema 1 di 3", "Futoshiki Regola 1 di 2 Schema 2 di 3",
                  "Futoshiki Regola 1 di 2 Schema 3 di 3", "Futoshiki Regola 2 di 2 Schema 1 di 2",
                  "Futoshiki Regola 2 di 2 Schema 2 di 2"}));
    EXPECT_EQ(e.Salvati, 5);
    EXPECT_FALSE(e.Interrotto);
    EXPECT_FALSE(e.Fermato);
    // relative DIRs are folders of the program directory, created when missing
    const auto uno = p.File("uno"), due = p.File("due");
    ASSERT_EQ(uno.size(), 3u);
    ASSERT_EQ(due.size(), 2u);
    for (const auto& nome : uno) EXPECT_EQ(nome.substr(0, 2), "5_");
    for (const auto& nome : due) EXPECT_EQ(nome.substr(0, 2), "6_");
    for (const auto& nome : uno) {
        const auto letto = LeggiSchemaFile((p.tmp.percorso() / "uno" / nome).string());
        ASSERT_TRUE(letto.has_value());
        EXPECT_EQ(ContaSoluzioni(letto->schema, 2), 1);
    }
    EXPECT_TRUE(p.f.messaggi.empty());
    // the last rule's values stay in the settings, OutputSchema off
    EXPECT_EQ(p.b.schema.Sizesc, 6);
    EXPECT_EQ(p.b.imp.MaxCiclo1, 1);
    EXPECT_FALSE(p.b.imp.OutputSchema);
}

TEST(Produzione, NessunaRegola) {
    Programma p("FILESCHEMA=a.htm\r\n");
    const EsitoProduzione e = p.Esegui();
    EXPECT_TRUE(p.didascalie.empty());
    EXPECT_EQ(e.Salvati, 0);
}

TEST(Produzione, RegoleSenzaSchemiSonoSaltateSenzaDidascalia) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("zero", 0, 5) + RegolaIni("meno", -3, 5) + "<REGOLA>\r\nDIR=vuota\r\n" +
                RegolaIni("una", 1, 4));
    const EsitoProduzione e = p.Esegui();
    EXPECT_EQ(p.didascalie, (std::vector<std::string>{"Futoshiki Regola 4 di 4 Schema 1 di 1"}));
    EXPECT_EQ(e.Salvati, 1);
    EXPECT_TRUE(p.File("zero").empty());
    EXPECT_TRUE(p.File("meno").empty());
    EXPECT_EQ(p.File("una").size(), 1u);
}

TEST(Produzione, EscFermaIlGiroAlProssimoSchema) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("uno", 3, 5) + RegolaIni("due", 2, 5));
    int cedute = 0;
    // Esc pressed while the second schema is made: the third caption is shown, then the run ends.
    const EsitoProduzione e = p.Esegui([&] { return ++cedute == 3; });
    EXPECT_TRUE(e.Interrotto);
    EXPECT_EQ(e.Salvati, 2);
    EXPECT_EQ(p.didascalie.size(), 3u);
    EXPECT_EQ(p.didascalie.back(), "Futoshiki Regola 1 di 2 Schema 3 di 3");
    EXPECT_EQ(p.File("uno").size(), 2u);
    EXPECT_TRUE(p.File("due").empty());
    EXPECT_TRUE(p.f.messaggi.empty());
}

TEST(Produzione, EscSubitoNonScriveNulla) {
    Programma p(RegolaIni("uno", 3, 5));
    const EsitoProduzione e = p.Esegui([] { return true; });
    EXPECT_TRUE(e.Interrotto);
    EXPECT_EQ(p.didascalie.size(), 1u);
    EXPECT_TRUE(p.File("uno").empty());
    EXPECT_EQ(p.b.schema.Sizesc, 5);  // nothing stored: still the default
    EXPECT_EQ(p.b.imp.MaxCiclo1, 2);
}

struct CasoRegolaErrata {
    const char* nome;
    std::string chiave;
    int valore;
};

class RegolaErrata : public ::testing::TestWithParam<CasoRegolaErrata> {};

TEST_P(RegolaErrata, SaltataConUnMessaggioCheLaNomina) {
    RiportaCasualeAllInizio();
    const CasoRegolaErrata& c = GetParam();
    Programma p(RegolaIni("buona", 1, 4) + RegolaIni("errata", 2, 5) + c.chiave + "=" +
                std::to_string(c.valore) + "\r\n" + RegolaIni("ultima", 1, 4));
    const EsitoProduzione e = p.Esegui();
    EXPECT_EQ(e.Salvati, 2);
    EXPECT_FALSE(e.Fermato);
    EXPECT_TRUE(p.File("errata").empty());
    EXPECT_EQ(p.File("ultima").size(), 1u);
    ASSERT_EQ(p.f.messaggi.size(), 1u);
    EXPECT_EQ(p.f.messaggi[0].rfind("Regola 2 saltata: " + c.chiave + "=" + std::to_string(c.valore), 0), 0u)
        << p.f.messaggi[0];
    EXPECT_EQ(p.didascalie, (std::vector<std::string>{"Futoshiki Regola 1 di 3 Schema 1 di 1",
                                                      "Futoshiki Regola 3 di 3 Schema 1 di 1"}));
}

INSTANTIATE_TEST_SUITE_P(Casi, RegolaErrata,
                         ::testing::Values(CasoRegolaErrata{"Dimensione1", "SIZESC", 1},
                                           CasoRegolaErrata{"Dimensione0", "SIZESC", 0},
                                           CasoRegolaErrata{"Dimensione10", "SIZESC", 10},
                                           CasoRegolaErrata{"DimensioneNegativa", "SIZESC", -5},
                                           CasoRegolaErrata{"Celle256", "CELLEINIZIALI", 256},
                                           CasoRegolaErrata{"ProfonditaNegativa", "PROFONDITA", -1},
                                           CasoRegolaErrata{"Cicli1Oltre", "MAXCICLO1", 300},
                                           CasoRegolaErrata{"Cicli2Negativo", "MAXCICLO2", -2},
                                           CasoRegolaErrata{"SogliaOltre", "SOGLIA", 1000}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Produzione, CartellaNonScrivibileFermaIlGiro) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("buona", 1, 4) + RegolaIni("bloccata/sotto", 2, 4) + RegolaIni("dopo", 1, 4));
    test::ScriviFile(p.tmp.percorso() / "bloccata", "un file, non una cartella");
    const EsitoProduzione e = p.Esegui();
    EXPECT_TRUE(e.Fermato);
    EXPECT_EQ(e.Salvati, 1);
    EXPECT_TRUE(p.File("dopo").empty());
    ASSERT_EQ(p.f.messaggi.size(), 1u);
    EXPECT_NE(p.f.messaggi[0].find("regola 2"), std::string::npos) << p.f.messaggi[0];
    EXPECT_NE(p.f.messaggi[0].find((p.tmp.percorso() / "bloccata/sotto").string()), std::string::npos)
        << p.f.messaggi[0];
}

TEST(Produzione, DirAssolutaECartellaMancanteCreata) {
    RiportaCasualeAllInizio();
    test::CartellaTemporanea altrove;
    const std::string dir = (altrove.percorso() / "a" / "b").string();
    Programma p(RegolaIni(dir, 2, 4));
    EXPECT_EQ(p.Esegui().Salvati, 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

struct CasoTecniche {
    int nascosti, swordfish, attese;
};

class TecnicheRegola : public ::testing::TestWithParam<CasoTecniche> {};

TEST_P(TecnicheRegola, SoloIlValore1Accende) {
    RiportaCasualeAllInizio();
    const CasoTecniche& c = GetParam();
    Programma p(RegolaIni("t", 1, 4, c.nascosti, c.swordfish));
    p.Esegui();
    EXPECT_EQ(p.b.imp.AttivaMultipli, c.attese);
}

INSTANTIATE_TEST_SUITE_P(Casi, TecnicheRegola,
                         ::testing::Values(CasoTecniche{1, 1, 3}, CasoTecniche{1, 0, 1},
                                           CasoTecniche{0, 1, 2}, CasoTecniche{2, 1, 2},
                                           CasoTecniche{1, -1, 1}, CasoTecniche{0, 0, 0},
                                           CasoTecniche{2, -1, 0}),
                         test::NomeDa([](const CasoTecniche& c) {
                             return "Nascosti" + std::to_string(c.nascosti) + "Swordfish" +
                                    std::to_string(c.swordfish);
                         }));

TEST(Produzione, StessoIniStessiSchemi) {
    std::vector<std::vector<std::string>> giri;
    for (int giro = 0; giro < 2; ++giro) {
        RiportaCasualeAllInizio();
        Programma p(RegolaIni("uno", 3, 6) + RegolaIni("due", 2, 7));
        p.Esegui();
        std::vector<std::string> contenuti;
        for (const char* dir : {"uno", "due"})
            for (const auto& nome : p.File(dir))
                contenuti.push_back(test::LeggiFile(p.tmp.percorso() / dir / nome));
        giri.push_back(contenuti);
    }
    ASSERT_EQ(giri[0].size(), 5u);
    EXPECT_EQ(giri[0], giri[1]);
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// The level digits of an automatic name "N_LLSM_...": Swordfish and subset steps.
std::pair<int, int> SwordfishEMultipli(const std::string& nome) {
    return {nome[4] - '0', nome[5] - '0'};
}

TEST(ProduzioneRichiede, OgniSchemaHaLaDifficoltaChiestaEIlGiroLoRacconta) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("sw", 4, 7) + "RICHIEDE=Swordfish\r\n" + RegolaIni("facili", 3, 6) +
                "richiede=NESSUNA\r\n");
    ASSERT_EQ(p.b.conf.Regole[1].RICHIEDE, "Swordfish");
    std::vector<std::pair<int, int>> avanzamento;
    EventiProduzione e;
    e.Scritto = [&](const SchemaScritto& s, int scritti, int totale) {
        avanzamento.push_back({scritti, totale});
        EXPECT_TRUE(fs::exists(s.File)) << s.File;
        EXPECT_GT(s.Byte, 0u);
    };
    const EsitoProduzione esito = EseguiGeneraAuto(p.b, e);
    EXPECT_EQ(esito.Salvati, 7);
    EXPECT_EQ(esito.Totale, 7);
    EXPECT_EQ(avanzamento.back(), std::make_pair(7, 7));
    EXPECT_EQ(avanzamento.front(), std::make_pair(1, 7));
    ASSERT_EQ(p.File("sw").size(), 4u);
    for (const std::string& f : p.File("sw")) EXPECT_GT(SwordfishEMultipli(f).first, 0) << f;
    ASSERT_EQ(p.File("facili").size(), 3u);
    for (const std::string& f : p.File("facili")) EXPECT_EQ(SwordfishEMultipli(f), std::make_pair(0, 0)) << f;
    // every schema written is listed once, with what the report needs
    ASSERT_EQ(esito.Scritti.size(), 7u);
    for (const SchemaScritto& s : esito.Scritti) {
        EXPECT_EQ(s.Livello, LivelloSchema(s.Swordfish, s.Multipli));
        EXPECT_GE(s.Dati, 2);
        EXPECT_GT(s.Segni, 0);
    }
    EXPECT_TRUE(p.f.messaggi.empty());
}

TEST(ProduzioneRichiede, RichiesteCheLaRegolaNonPuoRaggiungere) {
    struct Caso {
        std::string richiede;
        int nascosti, swordfish;
        std::string motivo;
    };
    for (const Caso& c : {Caso{"tutte", 1, 1, "RICHIEDE=tutte non è una richiesta valida"},
                          Caso{"swordfish", 1, 0, "vuole lo Swordfish attivo (SWORDFISH=1)"},
                          Caso{"sottoinsiemi", 0, 1, "vuole i doppi tripli nascosti attivi (NASCOSTI=1)"},
                          Caso{"entrambe", 1, 0, "SWORDFISH=1"}}) {
        Programma p(RegolaIni("x", 2, 5, c.nascosti, c.swordfish) + "RICHIEDE=" + c.richiede + "\r\n");
        const EsitoProduzione e = p.Esegui();
        EXPECT_EQ(e.Salvati, 0);
        ASSERT_EQ(p.f.messaggi.size(), 1u) << c.richiede;
        EXPECT_EQ(p.f.messaggi[0].rfind("Regola 1 saltata: ", 0), 0u) << p.f.messaggi[0];
        EXPECT_NE(p.f.messaggi[0].find(c.motivo), std::string::npos) << p.f.messaggi[0];
    }
}

TEST(ProduzioneRiepilogo, GruppiPerDimensioneELivello) {
    auto s = [](int n, int m, int sw, int segni, int dati, double sec) {
        SchemaScritto x;
        x.Dimensione = n;
        x.Multipli = m;
        x.Swordfish = sw;
        x.Livello = LivelloSchema(sw, m);
        x.Segni = segni;
        x.Dati = dati;
        x.Secondi = sec;
        return x;
    };
    const std::vector<SchemaScritto> v = {s(6, 1, 0, 20, 2, 0.5), s(5, 0, 0, 10, 3, 0.25),
                                          s(6, 1, 0, 24, 4, 1.5), s(6, 2, 1, 18, 2, 2.0)};
    EXPECT_EQ(RiepilogoCsv(v),
              "dimensione,livello,tecniche,schemi,passi_sottoinsiemi,passi_swordfish,segni,dati,secondi_per_"
              "schema\r\n"
              "5,0,nessuna,1,0.0,0.0,10.0,3.0,0.250\r\n"
              "6,101,sottoinsiemi,2,1.0,0.0,22.0,3.0,1.000\r\n"
              "6,412,entrambe,1,2.0,1.0,18.0,2.0,2.000\r\n");
    const std::string t = RiepilogoTesto(v);
    EXPECT_EQ(t.rfind("Riepilogo: 4 schemi\n", 0), 0u) << t;
    EXPECT_NE(t.find("6x6        101      sottoinsiemi       2    22.0     3.0     1.00\n"),
              std::string::npos)
        << t;
    EXPECT_EQ(RiepilogoCsv({}),
              "dimensione,livello,tecniche,schemi,passi_sottoinsiemi,passi_swordfish,segni,dati,secondi_per_"
              "schema\r\n");
}

TEST(ProduzioneRiepilogo, UnFileCsvPerCartella) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("uno", 2, 5) + RegolaIni("due", 1, 4));
    const EsitoProduzione e = p.Esegui();
    const auto file = ScriviRiepiloghi(p.b, e.Scritti);
    ASSERT_EQ(file.size(), 2u);
    for (const std::string& dir : {std::string("uno"), std::string("due")}) {
        const auto nomi = p.File(dir);
        const auto csv =
            std::find_if(nomi.begin(), nomi.end(), [](const std::string& n) { return n.ends_with(".csv"); });
        ASSERT_NE(csv, nomi.end()) << dir;
        EXPECT_EQ(csv->rfind("riepilogo_0901", 0), 0u) << *csv;  // the workbench's clock, 2009-01-..
        const std::string testo = test::LeggiFile(p.tmp.percorso() / dir / *csv);
        EXPECT_EQ(
            testo,
            RiepilogoCsv(dir == "uno" ? std::vector<SchemaScritto>(e.Scritti.begin(), e.Scritti.begin() + 2)
                                      : std::vector<SchemaScritto>(e.Scritti.begin() + 2, e.Scritti.end())));
    }
}

TEST(ProduzioneRichiede, LeParoleDellaRichiesta) {
    EXPECT_EQ(LeggiRichiesta(""), Richiesta::Qualsiasi);
    EXPECT_EQ(LeggiRichiesta("entrambe"), Richiesta::Entrambe);
    EXPECT_EQ(LeggiRichiesta("SottoInsiemi"), Richiesta::Sottoinsiemi);
    EXPECT_EQ(LeggiRichiesta(" swordfish"), std::nullopt);
    struct Caso {
        Richiesta q;
        int m, s;
        bool va;
    };
    for (const Caso& c :
         {Caso{Richiesta::Nessuna, 0, 0, true}, Caso{Richiesta::Nessuna, 1, 0, false},
          Caso{Richiesta::Sottoinsiemi, 2, 0, true}, Caso{Richiesta::Sottoinsiemi, 2, 1, false},
          Caso{Richiesta::Swordfish, 0, 1, true}, Caso{Richiesta::Swordfish, 3, 1, true},
          Caso{Richiesta::Swordfish, 3, 0, false}, Caso{Richiesta::Entrambe, 1, 1, true},
          Caso{Richiesta::Entrambe, 0, 2, false}, Caso{Richiesta::Qualsiasi, 5, 5, true}})
        EXPECT_EQ(Soddisfa(c.q, c.m, c.s), c.va) << NomeRichiesta(c.q) << " " << c.m << " " << c.s;
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

TEST(Produzione, UnoSchemaMancatoNonFermaIlGiro) {
    RiportaCasualeAllInizio();
    Programma p(RegolaIni("uno", 4, 5));
    int chiamate = 0;
    EventiProduzione e;
    e.Didascalia = [&](const std::string& t) { p.didascalie.push_back(t); };
    // the second schema cannot be made: the step says so and writes nothing
    e.Genera = [&](Banco& b) {
        if (++chiamate == 2) {
            b.file.Salvato = false;
            b.finestre().Messaggio("Nessuno schema generato: il risolutore non conferma gli schemi trovati");
            return;
        }
        DoGeneraAutoF1(b);
    };
    const EsitoProduzione esito = EseguiGeneraAuto(p.b, e);
    EXPECT_EQ(chiamate, 4);
    EXPECT_EQ(p.didascalie.size(), 4u);
    EXPECT_EQ(esito.Salvati, 3);
    EXPECT_EQ(esito.Mancati, 1);
    EXPECT_FALSE(esito.Fermato);
    EXPECT_FALSE(esito.Interrotto);
    EXPECT_EQ(p.File("uno").size(), 3u);
    EXPECT_EQ(p.f.messaggi.size(), 1u);
}

}  // namespace
}  // namespace kelvaro
