#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using Esito = test::EsitoCli;

Esito Esegui(const std::string& argomenti) {
    return test::EseguiCli(argomenti);
}

std::string Blocco(const std::string& file, int n, int dati, int vincoli, const std::string& check) {
    return "file: " + file + "\ndimensione: " + std::to_string(n) + "\ndati: " + std::to_string(dati) +
           "\nvincoli: " + std::to_string(vincoli) + "\ncheck: " + check + "\n";
}

TEST(CliVerifica, CampioniSpediti) {
    const std::string dir = std::string(KELVARO_SORGENTI) + "/resources/schemixwebsite/";
    struct Caso {
        std::string nome;
        int n, dati, vincoli;
    };
    for (const Caso& c :
         {Caso{"1_Quattro_Facile.txt", 4, 2, 4}, Caso{"3_Apici_Medio.txt", 6, 2, 14},
          Caso{"4_Costraint_Difficile.txt", 7, 4, 22}, Caso{"7_Senza_Segni_Facile.txt", 5, 8, 0}}) {
        const Esito e = Esegui("verifica " + dir + c.nome);
        EXPECT_EQ(e.stato, 0) << c.nome;
        EXPECT_EQ(e.uscita.rfind(Blocco(dir + c.nome, c.n, c.dati, c.vincoli, "ok"), 0), 0u) << e.uscita;
    }
}

TEST(CliVerifica, CheckDiversoEFileErrato) {
    test::CartellaTemporanea tmp;
    test::ScriviFile(tmp / "diverso.txt",
                     "<F SIZE='4'><SCHEMA>0000300000000020</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
                     "<CONSTRAINT></CONSTRAINT>\n<CHECK>123456</CHECK>\n");
    test::ScriviFile(tmp / "rotto.txt", "<F SIZE='4'><SCHEMA>0000</SCHEMA>");
    const Esito e = Esegui("verifica " + (tmp / "diverso.txt") + " " + (tmp / "rotto.txt"));
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.uscita.find(Blocco(tmp / "diverso.txt", 4, 2, 0, "diverso (letto 123456, calcolato 662364)")),
              std::string::npos)
        << e.uscita;
    EXPECT_NE(e.uscita.find("file: " + (tmp / "rotto.txt") + "\nerrore: File inesistente o dati errati: " +
                            (tmp / "rotto.txt") + " (manca <SOLUTION>)\n"),
              std::string::npos)
        << e.uscita;
}

// A sign between cells that are not side by side would be solved as a sign on another pair (the
// file's own solution then counted as none): the file is refused, saying which sign.
TEST(CliVerifica, SegnoTraCelleNonVicineRifiutato) {
    test::CartellaTemporanea tmp;
    test::ScriviFile(
        tmp / "lontano.txt",
        "<?xml version=\"1.0\" ?>\n<FUTOSHIKI SIZE=\"4\">\n<SCHEMA>0000300000000020</SCHEMA>\n"
        "<SOLUTION>1234341221434321</SOLUTION>\n<CONSTRAINT>1211|3444|3334|1424|2123</CONSTRAINT>\n"
        "<CHECK>662364</CHECK>\n</FUTOSHIKI>\n");
    const Esito e = Esegui("verifica " + (tmp / "lontano.txt"));
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.uscita, "file: " + (tmp / "lontano.txt") + "\nerrore: File inesistente o dati errati: " +
                            (tmp / "lontano.txt") + " (vincolo '2123' tra celle non vicine)\n");
}

// Two equal givens in one row: no solution, and verifica says so beside the counter's 0.
TEST(CliVerifica, SchemaSenzaSoluzione) {
    test::CartellaTemporanea tmp;
    test::ScriviFile(tmp / "doppio.txt",
                     "<F SIZE='4'><SCHEMA>1010000000000000</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
                     "<CONSTRAINT></CONSTRAINT>\n<CHECK>662364</CHECK>\n");
    const Esito e = Esegui("verifica " + (tmp / "doppio.txt"));
    EXPECT_NE(e.uscita.find("risolto: no\nLo schema non ha soluzione\nsoluzioni: 0\n"), std::string::npos)
        << e.uscita;
}

// A SCHEMA line shorter than N x N leaves its missing cells empty: they are no givens.
TEST(CliVerifica, RigaSchemaCortaContaSoloLeCifre) {
    test::CartellaTemporanea tmp;
    test::ScriviFile(tmp / "corto.txt",
                     "<F SIZE='4'><SCHEMA>00003</SCHEMA><SOLUTION>1234341221434321</SOLUTION>"
                     "<CONSTRAINT></CONSTRAINT>\n<CHECK>662364</CHECK>\n");
    const Esito e = Esegui("verifica " + (tmp / "corto.txt"));
    EXPECT_EQ(e.uscita.rfind(Blocco(tmp / "corto.txt", 4, 1, 0, "ok"), 0), 0u) << e.uscita;
}

// A schema's level is its own: the same after other schemas whose solves drew trial orders.
TEST(CliVerifica, IlLivelloNonDipendeDagliAltriFile) {
    const std::string dir = std::string(KELVARO_SORGENTI) + "/bench/schemi/";
    auto livelli = [](const std::string& uscita) {
        std::vector<std::string> v;
        for (size_t a = uscita.find("livello: "); a != std::string::npos; a = uscita.find("livello: ", a + 1))
            v.push_back(uscita.substr(a, uscita.find('\n', a) - a));
        return v;
    };
    const auto solo = livelli(Esegui("verifica " + dir + "9k_1.txt").uscita);
    ASSERT_EQ(solo, std::vector<std::string>{"livello: 816"});
    for (const char* prima : {"7r_1.txt", "9x_2.txt"}) {
        const auto dopo =
            livelli(Esegui(std::string("verifica ") + dir + prima + " " + dir + "9k_1.txt").uscita);
        ASSERT_EQ(dopo.size(), 2u) << prima;
        EXPECT_EQ(dopo[1], solo[0]) << prima;
    }
}

// File names in what verifica, risolvi and aiuto print: a control byte shows as \xNN (a newline
// cannot forge a line, an escape sequence never reaches the terminal) and bidirectional marks are
// dropped; ordinary names, accents and blanks included, print as they are.
TEST(CliVerifica, NomiDiFileStampatiSuUnaRiga) {
    test::CartellaTemporanea tmp;
    const std::string schema =
        test::LeggiFile(std::string(KELVARO_SORGENTI) + "/resources/schemixwebsite/1_Quattro_Facile.txt");
    const std::string ostile = "a\nfile: finto\x1b[31m\xE2\x80\xAEtxt.txt";
    const std::string mostrato = "a\\x0Afile: finto\\x1B[31mtxt.txt";
    const std::string comune = "citt\xC3\xA0 con spazi.txt";
    test::ScriviFile(tmp / ostile, schema);
    test::ScriviFile(tmp / comune, schema);
    test::ScriviFile(tmp / ("rotto" + ostile), "<FUTOSHIKI SIZE=\"4\">\r\n");
    struct Caso {
        std::string comando, riga;
        int stato;
    };
    const std::string dir = tmp.percorso().string() + "/";
    const std::string manca =
        "Nessun\xE2\x81\xA6"
        "file\t\x07.txt";
    const std::string errore = "errore: File inesistente o dati errati: " + dir;
    for (const Caso& c : {
             Caso{"verifica '" + dir + ostile + "'", "file: " + dir + mostrato + "\n", 0},
             Caso{"verifica '" + dir + comune + "'", "file: " + dir + comune + "\n", 0},
             Caso{"verifica '" + dir + "rotto" + ostile + "'", errore + "rotto" + mostrato + " (", 1},
             Caso{"risolvi '" + dir + manca + "' 2>&1",
                  errore + "Nessunfile\\x09\\x07.txt (il file non esiste)\n", 2},
             Caso{"aiuto '" + dir + manca + "' 2>&1",
                  errore + "Nessunfile\\x09\\x07.txt (il file non esiste)\n", 2},
             Caso{"aiuto '" + dir + comune + "x' 2>&1", errore + comune + "x (il file non esiste)\n", 2},
         }) {
        const Esito e = Esegui(c.comando);
        EXPECT_EQ(e.stato, c.stato) << c.comando;
        EXPECT_NE(e.uscita.find(c.riga), std::string::npos) << e.uscita;
        EXPECT_EQ(e.uscita.find('\x1b'), std::string::npos) << e.uscita;
        EXPECT_EQ(e.uscita.find("\xE2\x80\xAE"), std::string::npos) << e.uscita;
        EXPECT_EQ(e.uscita.find("\nfile: finto"), std::string::npos) << e.uscita;
    }
}

}  // namespace
}  // namespace kelvaro
