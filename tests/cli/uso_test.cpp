// What kelvaro-cli says when asked how to use it: the command list, each command's help, the
// version; every one on standard output with exit status 0.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using test::EseguiCli;

TEST(CliUso, ElencoDeiComandi) {
    const auto e = EseguiCli("--help");
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.uscita.rfind("Uso: kelvaro-cli COMANDO [OPZIONI] ...\n", 0), 0u) << e.uscita;
    for (const char* comando :
         {"verifica", "risolvi", "pubblica", "stringi", "genera", "libretto", "aiuto", "importa", "esporta"})
        EXPECT_NE(e.uscita.find(std::string("\n  ") + comando + " "), std::string::npos) << comando;
    EXPECT_NE(e.uscita.find("--version"), std::string::npos);
    // Without a command it is a mistake: the same list, on standard error, status 2.
    const auto vuoto = EseguiCli("");
    EXPECT_EQ(vuoto.stato, 2);
    EXPECT_EQ(vuoto.uscita, "");
}

TEST(CliUso, Versione) {
    const auto e = EseguiCli("--version");
    EXPECT_EQ(e.stato, 0);
    EXPECT_TRUE(std::regex_search(e.uscita, std::regex("^kelvaro-cli [0-9]+\\.[0-9]+\n"))) << e.uscita;
}

// Each command's help, however it is asked: it runs nothing.
TEST(CliUso, AiutoDiOgniComando) {
    struct Caso {
        const char* argomenti;
        const char* inizio;
    };
    for (const Caso& c : {
             Caso{"verifica --help", "Uso: kelvaro-cli verifica FILE...\n"},
             Caso{"verifica -h", "Uso: kelvaro-cli verifica FILE...\n"},
             Caso{"risolvi --help", "Uso: kelvaro-cli risolvi [--tecniche K] FILE\n"},
             Caso{"risolvi nessuno.txt --help", "Uso: kelvaro-cli risolvi [--tecniche K] FILE\n"},
             Caso{"aiuto --help", "Uso: kelvaro-cli aiuto FILE [--griglia CIFRE] [--tecniche K]\n"},
             Caso{"pubblica --help",
                  "Uso: kelvaro-cli pubblica [--cartella DIR] [--principale] [--stringi]\n"},
             Caso{"stringi --help", "Uso: kelvaro-cli stringi [--cartella DIR]\n"},
             Caso{"genera --help", "Uso: kelvaro-cli genera [OPZIONI]\n"},
             Caso{"libretto --help", "Uso: kelvaro-cli libretto "},
             Caso{"importa --help", "Uso: kelvaro-cli importa CODICE FILE\n"},
             Caso{"importa '3:0,0,0,0,0,0,0,0,0,' f.txt -h", "Uso: kelvaro-cli importa CODICE FILE\n"},
             Caso{"esporta --help", "Uso: kelvaro-cli esporta FILE\n"},
         }) {
        const auto e = EseguiCli(c.argomenti);
        EXPECT_EQ(e.stato, 0) << c.argomenti;
        EXPECT_EQ(e.uscita.rfind(c.inizio, 0), 0u) << c.argomenti << "\n" << e.uscita;
    }
}

// The help of the commands that work in the program directory says which one that is: for a
// build, the executable's own folder.
TEST(CliUso, CartellaDelProgrammaNellAiuto) {
    const std::string cartella = std::filesystem::canonical(KELVARO_BIN).string();
    for (const char* comando : {"pubblica", "stringi"}) {
        const auto e = EseguiCli(std::string(comando) + " --help");
        EXPECT_NE(e.uscita.find("\nCartella del programma: " + cartella + "\n"), std::string::npos)
            << e.uscita;
    }
}

}  // namespace
}  // namespace kelvaro
