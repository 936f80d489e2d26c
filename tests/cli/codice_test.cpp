// kelvaro-cli importa CODICE FILE and esporta FILE.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::EseguiCli;

std::string Leggi(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The schema of the file-format example (solution 1234 / 3412 / 2143 / 4321, R1C2 > R1C1,
// R3C4 > R4C4) with enough givens to have that one solution.
const std::string CodiceEsempio = "4:0,0L,0,4,3,0,0,0,0,0,4,0D,0,0,2,0,";
const std::string FileEsempio =
    "<?xml version=\"1.0\" ?>\r\n"
    "<FUTOSHIKI SIZE=\"4\">\r\n"
    "<SCHEMA>0004300000400020</SCHEMA>\r\n"
    "<SOLUTION>1234341221434321</SOLUTION>\r\n"
    "<CONSTRAINT>1211|3444</CONSTRAINT>\r\n"
    "<CHECK>662364</CHECK>\r\n"
    "</FUTOSHIKI>\r\n";

TEST(CliCodice, ImportaScriveLoSchemaComeSalva) {
    test::CartellaTemporanea tmp;
    const std::string file = tmp / "esempio.txt";
    const auto e = EseguiCli("importa '" + CodiceEsempio + "' " + file);
    EXPECT_EQ(e.stato, 0);
    EXPECT_EQ(e.uscita, "scritto: " + file + "\n");
    EXPECT_EQ(Leggi(file), FileEsempio);
    // A regular file already there is replaced, whole.
    test::ScriviFile(file, std::string(5000, 'x'));
    EXPECT_EQ(EseguiCli("importa '" + CodiceEsempio + "' " + file).stato, 0);
    EXPECT_EQ(Leggi(file), FileEsempio);
    // And back: the code of the file, as Unequal writes it.
    const auto x = EseguiCli("esporta " + file);
    EXPECT_EQ(x.stato, 0);
    EXPECT_EQ(x.uscita, CodiceEsempio + "\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.percorso()), fs::directory_iterator()), 1);
}

// Refused codes and wrong arguments (%F stands for the file asked for): the message on standard
// error, the exit status, and no file (nor a temporary one) left behind.
TEST(CliCodice, ImportaRifiuta) {
    struct Caso {
        std::string argomenti;
        int stato;
        std::string errore;
    };
    for (const Caso& c : {
             Caso{"'4:0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,' %F", 1,
                  "errore: il codice ha più di una soluzione (uno schema ne deve avere una sola); %F non "
                  "scritto\n"},
             Caso{"'3:1,1,0,0,0,0,0,0,0,' %F", 1,
                  "errore: il codice non ha soluzioni (uno schema ne deve avere una sola); %F non scritto\n"},
             Caso{
                 "'5a:0RD,0L,3,0RD,0L,0U,0D,0,0U,2D,0,0UR,0DL,0RD,0UL,0D,0D,0UR,0UL,0,0UR,0URL,0RL,0L,0,' %F",
                 1,
                 "errore: codice non valido: codice della variante Adjacent (segni di vicinanza tra celle): "
                 "Kelvaro gestisce solo i segni di disuguaglianza; %F non scritto\n"},
             Caso{"'4:0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,' %F", 1,
                  "errore: codice non valido: celle attese 16 (4 x 4), trovate 15; %F non scritto\n"},
             Caso{"'3:0,0,0,0,7,0,0,0,0,' %F", 1,
                  "errore: codice non valido: cella R2C2: cifra 7 oltre la dimensione 3; %F non scritto\n"},
             Caso{"'' %F", 1, "errore: codice non valido: codice vuoto; %F non scritto\n"},
             Caso{"", 2, "Uso: kelvaro-cli importa CODICE FILE\n"},
             Caso{"'3:0,0,0,0,0,0,0,0,0,'", 2, "Uso: kelvaro-cli importa CODICE FILE\n"},
             Caso{"'" + CodiceEsempio + "' %F G", 2, "Uso: kelvaro-cli importa CODICE FILE\n"},
             Caso{"'" + CodiceEsempio + "' --forza", 2, "Uso: kelvaro-cli importa CODICE FILE\n"},
         }) {
        test::CartellaTemporanea tmp;
        std::string argomenti = c.argomenti, errore = c.errore;
        for (std::string* t : {&argomenti, &errore})
            for (size_t k; (k = t->find("%F")) != std::string::npos;) t->replace(k, 2, tmp / "F.txt");
        const auto e = EseguiCli("importa " + argomenti + " 2>&1");
        EXPECT_EQ(e.stato, c.stato) << c.argomenti;
        EXPECT_EQ(e.uscita, errore) << c.argomenti;
        EXPECT_TRUE(fs::is_empty(tmp.percorso())) << c.argomenti;
    }
}

// What is in the way and is not a regular file stays as it was.
TEST(CliCodice, ImportaNonSovrascriveCioCheNonEUnFile) {
    test::CartellaTemporanea tmp;
    const std::string cartella = tmp / "cartella.txt";
    fs::create_directory(cartella);
    const std::string bersaglio = tmp / "bersaglio.txt";
    test::ScriviFile(bersaglio, "mio");
    const std::string link = tmp / "link.txt";
    fs::create_symlink(bersaglio, link);
    const std::string fifo = tmp / "fifo.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& p : {cartella, link, fifo}) {
        const auto e = EseguiCli("importa '" + CodiceEsempio + "' " + p + " 2>&1");
        EXPECT_EQ(e.stato, 1) << p;
        EXPECT_EQ(e.uscita, "errore: " + p + " esiste e non è un file normale: non viene sovrascritto\n");
    }
    EXPECT_TRUE(fs::is_directory(cartella));
    EXPECT_TRUE(fs::is_empty(cartella));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Leggi(bersaglio), "mio");
    EXPECT_TRUE(fs::is_fifo(fifo));
    // A folder that does not exist: nothing can be written, and it says so.
    const std::string manca = tmp / "manca/x.txt";
    const auto e = EseguiCli("importa '" + CodiceEsempio + "' " + manca + " 2>&1");
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.uscita.rfind("errore: impossibile scrivere " + manca, 0), 0u) << e.uscita;
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.percorso()), fs::directory_iterator()), 4);
}

TEST(CliCodice, EsportaErrori) {
    test::CartellaTemporanea tmp;
    const std::string manca = tmp / "manca.txt";
    auto e = EseguiCli("esporta " + manca + " 2>&1");
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.uscita, "errore: File inesistente o dati errati: " + manca + " (il file non esiste)\n");
    // A size Unequal cannot show.
    const std::string piccolo = tmp / "piccolo.txt";
    test::ScriviFile(piccolo,
                     "<F SIZE='2'><SCHEMA>1000</SCHEMA><SOLUTION>1221</SOLUTION>"
                     "<CONSTRAINT></CONSTRAINT>\n<CHECK>000000</CHECK>\n");
    e = EseguiCli("esporta " + piccolo + " 2>&1");
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.uscita, "errore: " + piccolo + ": dimensione 2 non gestita dai codici (da 3 a 9)\n");
    for (const char* a : {"", "a.txt b.txt", "--forza"}) {
        e = EseguiCli(std::string("esporta ") + a + " 2>&1");
        EXPECT_EQ(e.stato, 2) << a;
        EXPECT_EQ(e.uscita, "Uso: kelvaro-cli esporta FILE\n") << a;
    }
}

// Unequal's own codes at every level and size 4..9, imported: "verifica" finds the CHECK right
// and exactly one solution.
TEST(CliCodice, CodiciDiUnequalImportati) {
    std::ifstream in(std::string(KELVARO_FIXTURES) + "/codici/unequal.txt");
    ASSERT_TRUE(in);
    test::CartellaTemporanea tmp;
    std::string riga;
    int k = 0;
    while (std::getline(in, riga)) {
        if (riga.empty() || riga[0] == '#') continue;
        const std::string parametri = riga.substr(0, riga.find(' ')),
                          codice = riga.substr(riga.find(' ') + 1);
        const std::string file = tmp / (std::to_string(++k) + ".txt");
        ASSERT_EQ(EseguiCli("importa '" + codice + "' " + file).stato, 0) << parametri;
        const auto v = EseguiCli("verifica " + file);
        EXPECT_EQ(v.stato, 0) << parametri;
        EXPECT_NE(v.uscita.find("\ncheck: ok\n"), std::string::npos) << parametri << "\n" << v.uscita;
        EXPECT_NE(v.uscita.find("\nsoluzioni: 1\n"), std::string::npos) << parametri << "\n" << v.uscita;
        EXPECT_EQ(v.uscita.find("soluzione salvata"), std::string::npos) << parametri;
        const auto x = EseguiCli("esporta " + file);
        EXPECT_EQ(x.uscita, codice + "\n") << parametri;
    }
    EXPECT_EQ(k, 60);
}

}  // namespace
}  // namespace kelvaro
