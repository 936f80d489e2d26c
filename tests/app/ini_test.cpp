#include "app/ini.h"

#include <gtest/gtest.h>

#include "app/programma.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using test::CartellaTemporanea;
using test::ScriviFile;

Configurazione Regole(const std::string& testo) {
    CartellaTemporanea dir;
    ScriviFile(dir / "Kelvaro.ini", testo);
    Configurazione conf;
    LeggiRegoleIni(dir / "Kelvaro.ini", conf);
    return conf;
}

TEST(RegoleIni, BlocchiEChiavi) {
    const auto conf = Regole(
        "FILESCHEMA=schema.html\r\n"
        "SCHEMI=99\r\n"
        "<REGOLA>\r\n"
        "DIR=uscita/cinque\r\n"
        "SCHEMI=10\r\n"
        "SIZESC=5\r\n"
        "  \t<regola>  \n"
        "dir=sette=oltre\n"
        "Schemi=5\n"
        "SIZESC=7\n"
        "SWORDFISH=1\n"
        "SIZESC =8\n"
        "CELLEINIZIALI= 3\n"
        "PROFONDITA=12abc\n"
        "MAXCICLO1=abc\n"
        "MAXCICLO2=2.5\n"
        "SOGLIA=3.5\n"
        "NASCOSTI=99999\n"
        "commento senza uguale\n"
        "<REGOLA>\n"
        "SCHEMI=-40000\n");
    EXPECT_EQ(conf.NumRegole, 3);
    EXPECT_EQ(conf.Regole[0].SCHEMI, 99);  // before the first block: never produced
    EXPECT_EQ(conf.Regole[1].DIR, "uscita/cinque");
    EXPECT_EQ(conf.Regole[1].SCHEMI, 10);
    EXPECT_EQ(conf.Regole[1].SIZESC, 5);
    const Regola& r = conf.Regole[2];
    EXPECT_EQ(r.DIR, "sette");  // cut at the second "="
    EXPECT_EQ(r.SCHEMI, 5);
    EXPECT_EQ(r.SIZESC, 7);  // "SIZESC " is no key
    EXPECT_EQ(r.SWORDFISH, 1);
    EXPECT_EQ(r.CELLEINIZIALI, 3);
    EXPECT_EQ(r.PROFONDITA, 12);
    EXPECT_EQ(r.MAXCICLO1, 0);
    EXPECT_EQ(r.MAXCICLO2, 2);  // halves to even
    EXPECT_EQ(r.SOGLIA, 4);
    EXPECT_EQ(r.NASCOSTI, 32767);  // clamped to 16 bits
    EXPECT_EQ(conf.Regole[3].DIR, "");
    EXPECT_EQ(conf.Regole[3].SCHEMI, -32768);
}

TEST(RegoleIni, OltreVentiBlocchiIgnorati) {
    std::string testo;
    for (int k = 1; k <= 23; ++k) testo += "<REGOLA>\nSCHEMI=" + std::to_string(k) + "\n";
    const auto conf = Regole(testo);
    EXPECT_EQ(conf.NumRegole, 20);
    EXPECT_EQ(conf.Regole[20].SCHEMI, 20);
}

TEST(RegoleIni, FileMancanteNessunaRegola) {
    Configurazione conf;
    conf.NumRegole = 4;
    LeggiRegoleIni("/nonesiste/Kelvaro.ini", conf);
    EXPECT_EQ(conf.NumRegole, 0);
}

TEST(FileIni, NomiDeiModelli) {
    CartellaTemporanea dir;
    ScriviFile(dir / "Kelvaro.ini",
               "FileSchema=primo.html\r\n"
               " FILEINDICE=ignorato.html\n"
               "FILEINDICE=indice.htm  \n"
               "FILESCHEMA=secondo.html\n"
               "FILESCHEMA\n");
    Configurazione conf;
    LeggiFileIni(dir / "Kelvaro.ini", conf);
    EXPECT_EQ(conf.FileSchema, "secondo.html");
    EXPECT_EQ(conf.FileIndice, "indice.htm  ");  // nothing trimmed
}

TEST(FileIni, LettoSoloDallaCartellaDelProgramma) {
    Banco b;
    b.CartellaProgramma = "/una/cartella";
    EXPECT_EQ(PercorsoIni(b), "/una/cartella/Kelvaro.ini");
}

struct CasoModo {
    std::string argomenti;
    Modo modo;
};

class SceltaDelModo : public ::testing::TestWithParam<CasoModo> {};

TEST_P(SceltaDelModo, ConfrontoEsatto) {
    EXPECT_EQ(SceltaModo(GetParam().argomenti), GetParam().modo);
}

INSTANTIATE_TEST_SUITE_P(Casi, SceltaDelModo,
                         ::testing::Values(CasoModo{"", Modo::Interattivo}, CasoModo{"/HTML", Modo::Html},
                                           CasoModo{"/html", Modo::Interattivo},
                                           CasoModo{"/prod", Modo::Produzione},
                                           CasoModo{"/Prod", Modo::Interattivo},
                                           CasoModo{"/prod x", Modo::Interattivo},
                                           CasoModo{" /HTML", Modo::Interattivo}));

}  // namespace
}  // namespace kelvaro
