// kelvaro-cli genera and the "soluzioni:" line of kelvaro-cli verifica.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "model/testo.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Uscita {
    std::string testo;
    int stato;
};

Uscita Cli(const std::string& argomenti) {
    const test::EsitoCli e = test::EseguiCli(argomenti);
    return {e.uscita, e.stato};
}

std::string UltimaRiga(const std::string& t) {
    std::string s = t;
    while (!s.empty() && s.back() == '\n') s.pop_back();
    return s.substr(s.rfind('\n') == std::string::npos ? 0 : s.rfind('\n') + 1);
}

std::string RigaSoluzioni(const std::string& uscita) {
    const size_t k = uscita.find("soluzioni: ");
    if (k == std::string::npos) return "";
    return uscita.substr(k, uscita.find('\n', k) - k);
}

TEST(CliGenera, ScriveGliSchemiNellaCartella) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "nuovi";
    const Uscita u =
        Cli("genera --dimensione 6 --numero 4 --celle 2 --tecniche 3 --soglia 11 --cicli1 1 "
            "--cicli2 2 --profondita 10 --cartella " +
            dir);
    EXPECT_EQ(u.stato, 0);
    EXPECT_EQ(UltimaRiga(u.testo), "schemi scritti: 4 in " + dir);
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".csv") continue;  // the batch report beside the schemas
        ++file;
        EXPECT_EQ(e.path().filename().string().substr(0, 2), "6_");
        const Uscita v = Cli("verifica " + e.path().string());
        EXPECT_NE(v.testo.find("check: ok\n"), std::string::npos);
        EXPECT_EQ(RigaSoluzioni(v.testo), "soluzioni: 1");
        // the counter's line comes last
        EXPECT_EQ(v.testo.substr(v.testo.size() - 13), "soluzioni: 1\n");
    }
    EXPECT_EQ(file, 4);
}

TEST(CliGenera, OpzioniErrate) {
    test::CartellaTemporanea tmp;
    for (const std::string& opzioni :
         {std::string("--dimensione 10"), std::string("--dimensione 1"), std::string("--tecniche 4"),
          std::string("--numero"), std::string("--soglia tre"), std::string("--cicli1 300"),
          std::string("--sconosciuta 1")}) {
        const Uscita u = Cli("genera " + opzioni + " --cartella " + (tmp / "x"));
        EXPECT_EQ(u.stato, 2) << opzioni;
    }
    EXPECT_FALSE(fs::exists(tmp / "x"));
}

TEST(CliGenera, OpzioniInutilizzabiliSpiegate) {
    test::CartellaTemporanea tmp;
    struct Caso {
        std::string opzioni, messaggio;
    };
    for (const Caso& c : {
             Caso{"--numero -1 --cartella " + (tmp / "x"), "--numero vuole almeno 1 schema, non -1"},
             Caso{"--numero 0 --cartella " + (tmp / "x"), "--numero vuole almeno 1 schema, non 0"},
             Caso{"--cartella ''", "--cartella vuole il nome di una cartella"},
             Caso{"--richiede tutte --cartella " + (tmp / "x"), "--richiede vuole nessuna, sottoinsiemi"},
             Caso{"--richiede swordfish --tecniche 1 --cartella " + (tmp / "x"), "SWORDFISH=1"},
             Caso{"--richiede entrambe --tecniche 2 --cartella " + (tmp / "x"), "NASCOSTI=1"},
             // The generator keeps only schemas solved without a trial: never Diabolico.
             Caso{"--difficolta Diabolico --cartella " + (tmp / "x"), "--difficolta vuole Facile, Medio"},
             Caso{"--difficolta difficilissimo --cartella " + (tmp / "x"),
                  "--difficolta vuole Facile, Medio"},
         }) {
        const Uscita u = Cli("genera " + c.opzioni + " 2>&1");
        EXPECT_EQ(u.stato, 2) << c.opzioni;
        EXPECT_NE(u.testo.find("errore: "), std::string::npos) << c.opzioni;
        EXPECT_NE(u.testo.find(c.messaggio), std::string::npos) << u.testo;
    }
    EXPECT_FALSE(fs::exists(tmp / "x"));
}

// Every schema genera --difficolta keeps has the name asked, as verifica reads it from the file;
// every name the generator can make comes at every common size, Facile at 9 x 9 included (the
// generator's default settings never give one).
TEST(CliGenera, DifficoltaConsegnaSoloIlNomeChiesto) {
    for (const std::string dimensione : {"5", "9"})
        for (const std::string nome : {"Facile", "Medio", "Difficile", "Esperto"}) {
            SCOPED_TRACE(dimensione + " " + nome);
            test::CartellaTemporanea tmp;
            const std::string dir = tmp / "lotto";
            const Uscita u = Cli("genera --dimensione " + dimensione + " --numero 2 --difficolta " + nome +
                                 " --senza-riepilogo --cartella " + dir);
            EXPECT_EQ(u.stato, 0) << nome << u.testo;
            EXPECT_EQ(UltimaRiga(u.testo), "schemi scritti: 2 in " + dir) << nome;
            int file = 0;
            for (const auto& e : fs::directory_iterator(dir)) {
                ++file;
                const Uscita v = Cli("verifica " + e.path().string());
                EXPECT_NE(v.testo.find("\ndifficolta: " + nome + "\n"), std::string::npos) << v.testo;
            }
            EXPECT_EQ(file, 2) << nome;
        }
}

// The subset and Swordfish step counts of the step solver, from the last line of risolvi.
std::pair<int, int> PassiRisolvi(const std::string& file) {
    const Uscita v = Cli("risolvi --tecniche 3 " + file);
    int t = -1, m = -1, s = -1;
    std::sscanf(UltimaRiga(v.testo).c_str(), "%d %d %d", &t, &m, &s);
    return {m, s};
}

TEST(CliGenera, RichiedeConsegnaSoloLaDifficoltaChiesta) {
    struct Caso {
        std::string richiesta;
        int dimensione;
        bool (*va)(int m, int s);
    };
    const Caso casi[] = {
        {"nessuna", 7, [](int m, int s) { return m == 0 && s == 0; }},
        {"sottoinsiemi", 6, [](int m, int s) { return m > 0 && s == 0; }},
        {"swordfish", 7, [](int, int s) { return s > 0; }},
        {"entrambe", 8, [](int m, int s) { return m > 0 && s > 0; }},
    };
    for (const Caso& c : casi) {
        test::CartellaTemporanea tmp;
        const std::string dir = tmp / "lotto";
        const Uscita u = Cli("genera --dimensione " + std::to_string(c.dimensione) +
                             " --numero 6 --richiede " + c.richiesta + " --cartella " + dir);
        EXPECT_EQ(u.stato, 0) << c.richiesta;
        int file = 0;
        for (const auto& e : fs::directory_iterator(dir)) {
            if (e.path().extension() == ".csv") continue;
            ++file;
            const auto [m, s] = PassiRisolvi(e.path().string());
            EXPECT_TRUE(c.va(m, s)) << c.richiesta << " " << e.path() << " M=" << m << " S=" << s;
        }
        EXPECT_EQ(file, 6) << c.richiesta;
    }
}

// Schemas that need the master tier: the design's techniques alone make a trial, every technique
// does not; each still has one solution, the CHECK of its solution, the name Esperto and, in its
// file name, the level verifica gives it.
TEST(CliGenera, RichiedeMaestroSoloSchemiCheLoRichiedono) {
    for (const std::string dimensione : {"5", "7"}) {
        SCOPED_TRACE(dimensione);
        test::CartellaTemporanea tmp;
        const std::string dir = tmp / "lotto";
        const Uscita u = Cli("genera --dimensione " + dimensione +
                             " --numero 3 --richiede maestro --senza-riepilogo --cartella " + dir);
        EXPECT_EQ(u.stato, 0) << u.testo;
        int file = 0;
        for (const auto& e : fs::directory_iterator(dir)) {
            ++file;
            const std::string f = e.path().string();
            const Uscita v = Cli("verifica " + f);
            for (const char* riga : {"\ncheck: ok\n", "\ndifficolta: Esperto\n", "\nsoluzioni: 1\n"})
                EXPECT_NE(v.testo.find(riga), std::string::npos) << f << "\n" << v.testo;
            const size_t l = v.testo.find("\nlivello: ");
            ASSERT_NE(l, std::string::npos);
            const long livello = std::stol(v.testo.substr(l + 10));
            EXPECT_EQ(e.path().filename().string().rfind(dimensione + "_" + Formatta0(livello, 4) + "_", 0),
                      0u)
                << f;
            EXPECT_NE(Cli("risolvi --tecniche 3 " + f).testo.find("\nProvo"), std::string::npos) << f;
            EXPECT_EQ(Cli("risolvi --tecniche 7 " + f).testo.find("\nProvo"), std::string::npos) << f;
        }
        EXPECT_EQ(file, 3);
    }
}

TEST(CliGenera, RichiestaIrraggiungibileDettaIlLimite) {
    // 4 x 4 schemas are too small to need both advanced techniques
    test::CartellaTemporanea tmp;
    const Uscita u =
        Cli("genera --dimensione 4 --numero 3 --richiede entrambe --cartella " + (tmp / "q") + " 2>&1");
    EXPECT_EQ(u.stato, 1);
    EXPECT_NE(u.testo.find(
                  "Regola 1 interrotta allo schema 1 di 3: in 40 tentativi nessuno schema richiede entrambe"),
              std::string::npos)
        << u.testo;
    EXPECT_EQ(UltimaRiga(u.testo), "schemi scritti: 0 in " + (tmp / "q"));
}

std::vector<std::string> Righe(const std::string& t) {
    std::vector<std::string> r;
    size_t k = 0;
    while (k < t.size()) {
        const size_t f = t.find("\r\n", k);
        if (f == std::string::npos) break;
        r.push_back(t.substr(k, f - k));
        k = f + 2;
    }
    return r;
}

// Asked to leave the folder to the schemas, genera still prints its report but writes no CSV.
TEST(CliGenera, SenzaRiepilogoSoloSchemi) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "s";
    const Uscita u = Cli("genera --dimensione 4 --numero 3 --senza-riepilogo --cartella " + dir);
    ASSERT_EQ(u.stato, 0);
    EXPECT_EQ(u.testo.rfind("Riepilogo: 3 schemi\n", 0), 0u) << u.testo;
    EXPECT_EQ(u.testo.find("riepilogo: "), std::string::npos) << u.testo;
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++file;
        EXPECT_EQ(e.path().extension(), ".TXT") << e.path();
    }
    EXPECT_EQ(file, 3);
}

TEST(CliGenera, RiepilogoCsvNellaCartella) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "r";
    const Uscita u = Cli("genera --dimensione 6 --numero 8 --cartella " + dir);
    ASSERT_EQ(u.stato, 0);
    EXPECT_EQ(u.testo.rfind("Riepilogo: 8 schemi\n", 0), 0u) << u.testo;
    std::string csv;
    std::map<long, int> livelliFile;  // level of each schema file, from its automatic name
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string nome = e.path().filename().string();
        if (e.path().extension() == ".csv") {
            EXPECT_TRUE(csv.empty());
            EXPECT_EQ(nome.substr(0, 10), "riepilogo_");
            EXPECT_NE(u.testo.find("riepilogo: " + e.path().string() + "\n"), std::string::npos);
            csv = test::LeggiFile(e.path());
        } else {
            ++livelliFile[std::stol(nome.substr(2, 4))];
        }
    }
    const auto righe = Righe(csv);
    ASSERT_GE(righe.size(), 2u) << csv;
    EXPECT_EQ(righe[0],
              "dimensione,livello,tecniche,schemi,passi_sottoinsiemi,passi_swordfish,segni,dati,secondi_per_"
              "schema");
    std::map<long, int> livelliCsv;
    for (size_t i = 1; i < righe.size(); ++i) {
        int n = 0, schemi = 0;
        long livello = -1;
        char tecniche[32] = "";
        double m, s, segni, dati, secondi;
        ASSERT_EQ(std::sscanf(righe[i].c_str(), "%d,%ld,%31[a-z],%d,%lf,%lf,%lf,%lf,%lf", &n, &livello,
                              tecniche, &schemi, &m, &s, &segni, &dati, &secondi),
                  9)
            << righe[i];
        EXPECT_EQ(n, 6);
        livelliCsv[livello] += schemi;
        // the level's digits are the step counts: 2S+M as two digits, then S, then M
        EXPECT_EQ(livello % 10, static_cast<long>(m)) << righe[i];
        EXPECT_EQ(livello / 10 % 10, static_cast<long>(s)) << righe[i];
        EXPECT_GE(dati, 2.0);
        EXPECT_GT(segni, 0.0);
        EXPECT_GE(secondi, 0.0);
        const std::string attese =
            s > 0 ? (m > 0 ? "entrambe" : "swordfish") : (m > 0 ? "sottoinsiemi" : "nessuna");
        EXPECT_EQ(tecniche, attese);
    }
    EXPECT_EQ(livelliCsv, livelliFile);
}

TEST(CliGenera, NessunaRipetizioneNelLottoNeNellaCartella) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "tanti";
    // Two runs draw the same random sequence: the second must not copy the first into the folder.
    for (int run = 0; run < 2; ++run)
        ASSERT_EQ(Cli("genera --dimensione 4 --numero 150 --cartella " + dir).stato, 0);
    std::set<std::string> testi;
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".csv") continue;
        ++file;
        testi.insert(test::LeggiFile(e.path()));
    }
    EXPECT_EQ(file, 300);
    EXPECT_EQ(testi.size(), 300u);
}

// Runs started together into one folder draw the same random sequence: each schema is written
// once, by the run that gets there first, the others go on to new ones, and every run's count is
// the files it wrote.
TEST(CliGenera, RunContemporaneiNonRipetonoSchemi) {
    test::CartellaTemporanea tmp;
    const std::string dir = tmp / "insieme";
    std::string comando;
    for (int k = 1; k <= 4; ++k)
        comando += std::string(KELVARO_BIN) + "/kelvaro-cli genera --dimensione 4 --numero 30 " +
                   "--senza-riepilogo --cartella " + dir + " > " + (tmp / std::to_string(k)) + " 2>&1 & ";
    ASSERT_EQ(std::system(("{ " + comando + "wait; }").c_str()), 0);
    int contati = 0;
    for (int k = 1; k <= 4; ++k) {
        const std::string uscita = test::LeggiFile(tmp / std::to_string(k));
        EXPECT_EQ(UltimaRiga(uscita), "schemi scritti: 30 in " + dir) << uscita;
        int scritti = 0;
        std::sscanf(UltimaRiga(uscita).c_str(), "schemi scritti: %d", &scritti);
        contati += scritti;
    }
    std::set<std::string> testi;
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++file;
        testi.insert(test::LeggiFile(e.path()));
    }
    EXPECT_EQ(file, contati);
    EXPECT_EQ(testi.size(), static_cast<size_t>(file));
}

TEST(CliVerifica, RigaSoluzioni) {
    test::CartellaTemporanea tmp;
    struct Caso {
        std::string schema, vincoli, attesa;
    };
    // 2 x 2: no sign leaves two squares, one sign one, opposite signs none
    for (const Caso& c : {Caso{"0000", "", "soluzioni: 2+"}, Caso{"0000", "1112", "soluzioni: 1"},
                          Caso{"0000", "1112|1211", "soluzioni: 0"}}) {
        const std::string file = tmp / "s.txt";
        test::ScriviFile(file, "<?xml version=\"1.0\" ?>\r\n<FUTOSHIKI SIZE=\"2\">\r\n<SCHEMA>" + c.schema +
                                   "</SCHEMA>\r\n<SOLUTION>2112</SOLUTION>\r\n<CONSTRAINT>" + c.vincoli +
                                   "</CONSTRAINT>\r\n<CHECK>000000</CHECK>\r\n</FUTOSHIKI>\r\n");
        EXPECT_EQ(RigaSoluzioni(Cli("verifica " + file).testo), c.attesa) << c.vincoli;
    }
}

}  // namespace
}  // namespace kelvaro
