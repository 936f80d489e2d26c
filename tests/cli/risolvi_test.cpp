// kelvaro-cli risolvi, and the level and result lines of kelvaro-cli verifica.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using Esito = test::EsitoCli;

Esito Esegui(const std::string& argomenti) {
    return test::EseguiCli(argomenti);
}

std::string File(const std::string& schema) {
    return "<?xml version=\"1.0\" ?>\n<FUTOSHIKI SIZE=\"4\">\n<SCHEMA>" + schema +
           "</SCHEMA>\n<SOLUTION>1234341221434321</SOLUTION>\n<CONSTRAINT></CONSTRAINT>\n<CHECK>000000</"
           "CHECK>\n"
           "</FUTOSHIKI>\n";
}

class CliRisolvi : public ::testing::Test {
protected:
    test::CartellaTemporanea tmp;
};

// A fresh process starts the random sequence from its fixed start: the trial tries 1 first.
TEST_F(CliRisolvi, LogRisultatoETecniche) {
    test::ScriviFile(tmp / "prova.txt", File("0034004334124321"));
    const Esito e = Esegui("risolvi " + (tmp / "prova.txt") + " 2>/dev/null");
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.uscita,
              "Dato iniziale 3 in cella R1C3\nElimino 3 da R1C1\nElimino 3 da R1C2\n"
              "Dato iniziale 4 in cella R1C4\nElimino 4 da R1C1\nElimino 4 da R1C2\n"
              "Dato iniziale 4 in cella R2C3\nElimino 4 da R2C1\nElimino 4 da R2C2\n"
              "Dato iniziale 3 in cella R2C4\nElimino 3 da R2C1\nElimino 3 da R2C2\n"
              "Dato iniziale 3 in cella R3C1\nDato iniziale 4 in cella R3C2\n"
              "Dato iniziale 1 in cella R3C3\nDato iniziale 2 in cella R3C4\n"
              "Dato iniziale 4 in cella R4C1\nDato iniziale 3 in cella R4C2\n"
              "Dato iniziale 2 in cella R4C3\nDato iniziale 1 in cella R4C4\n"
              "Provo 1 in cella R1C1\nElimino 1 da R1C2\nElimino 1 da R2C1\n"
              "2 unico  possibile in cella R1C2\nElimino 2 da R2C2\n"
              "2 unico  possibile in cella R2C1\n1 unico  possibile in cella R2C2\n"
              "\n"
              "1 2 3 4\n2 1 4 3\n3 4 1 2\n4 3 2 1\n"
              "0 0 0\n");
}

TEST_F(CliRisolvi, NonRisoltoEsce1) {
    test::ScriviFile(tmp / "doppio.txt", File("1010000000000000"));
    const Esito e = Esegui("risolvi --tecniche 0 " + (tmp / "doppio.txt") + " 2>/dev/null");
    EXPECT_EQ(e.stato, 1);
    EXPECT_NE(e.uscita.find("Elimino 1 da R4C3\nNessun numero possbile in  cella R1C1\n"
                            "Lo schema non ha soluzione\n\n"),
              std::string::npos)
        << e.uscita;
    EXPECT_EQ(e.uscita.substr(e.uscita.size() - 6), "0 0 0\n");
}

TEST_F(CliRisolvi, FileErrato) {
    test::ScriviFile(tmp / "rotto.txt", "<F SIZE='4'><SCHEMA>0000");
    const std::pair<std::string, std::string> casi[] = {{tmp / "rotto.txt", "manca </SCHEMA>"},
                                                        {tmp / "manca.txt", "il file non esiste"}};
    for (const auto& [percorso, motivo] : casi) {
        const Esito e = Esegui("risolvi " + percorso + " 2>&1");
        EXPECT_EQ(e.stato, 2);
        EXPECT_EQ(e.uscita, "errore: File inesistente o dati errati: " + percorso + " (" + motivo + ")\n");
    }
}

TEST_F(CliRisolvi, ArgomentiSbagliati) {
    test::ScriviFile(tmp / "prova.txt", File("0034004334124321"));
    for (const std::string& args :
         {std::string(""), std::string("--tecniche"), "--tecniche 8 " + (tmp / "prova.txt"),
          (tmp / "prova.txt") + " " + (tmp / "prova.txt")}) {
        const Esito e = Esegui("risolvi " + args + " 2>/dev/null");
        EXPECT_EQ(e.stato, 2) << args;
        EXPECT_EQ(e.uscita, "") << args;
    }
}

// Switching techniques off shows in the counters of a shipped schema that needs them.
TEST_F(CliRisolvi, TecnicheSpente) {
    const std::string percorso = std::string(KELVARO_SORGENTI) + "/bench/schemi/5x_3.txt";
    const Esito e = Esegui("risolvi --tecniche 0 " + percorso + " 2>/dev/null");
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.uscita.substr(e.uscita.size() - 6), "0 0 0\n");
    EXPECT_EQ(e.uscita.find("Nella "), std::string::npos);
}

// The first schema has two solutions (R1C1 may be 1 or 2), the second none: neither is finished
// without a trial.
TEST_F(CliRisolvi, VerificaRiportaLivelloERisultato) {
    test::ScriviFile(tmp / "prova.txt", File("0034004334124321"));
    test::ScriviFile(tmp / "doppio.txt", File("1010000000000000"));
    const Esito e = Esegui("verifica " + (tmp / "prova.txt") + " " + (tmp / "doppio.txt") + " 2>/dev/null");
    EXPECT_NE(e.uscita.find(
                  "file: " + (tmp / "prova.txt") +
                  "\ndimensione: 4\ndati: 12\nvincoli: 0\ncheck: diverso (letto 000000, calcolato 662364)\n"
                  "livello: 0\ndifficolta: Diabolico\nrisolto: si\n"),
              std::string::npos)
        << e.uscita;
    EXPECT_NE(
        e.uscita.find("dati: 2\nvincoli: 0\ncheck: diverso (letto 000000, calcolato 662364)\nlivello: 0\n"
                      "difficolta: Diabolico\nrisolto: no\n"),
        std::string::npos)
        << e.uscita;
}

}  // namespace
}  // namespace kelvaro
