#include "app/ini.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "app/programma.h"
#include "production/produzione.h"
#include "supporto/nomi_casi.h"
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

// What the readers say on standard error while `fai` runs.
template <class F>
std::string ErroriDurante(F fai) {
    CartellaTemporanea dir;
    std::fflush(stderr);
    const int salvato = ::dup(2);
    const int f = ::open((dir / "errori").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(f, 2);
    ::close(f);
    fai();
    std::fflush(stderr);
    ::dup2(salvato, 2);
    ::close(salvato);
    return test::LeggiFile(dir / "errori");
}

struct CasoIniRifiutato {
    const char* nome;
    std::string motivo;
};

class IniRifiutato : public ::testing::TestWithParam<CasoIniRifiutato> {};

// A FIFO must not block the reader, and a 20 MB line must not be read at all.
TEST_P(IniRifiutato, NessunaRegolaENessunNomeConIlMotivo) {
    CartellaTemporanea dir;
    const std::string ini = dir / "Kelvaro.ini";
    if (std::string(GetParam().nome) == "Fifo") {
        ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    } else {
        std::ofstream f(ini, std::ios::binary);
        f << "FILESCHEMA=a.html\n<REGOLA>\nSCHEMI=3\nDIR=";
        const std::string riga(1 << 20, 'x');
        for (int k = 0; k < 20; ++k) f << riga;
        f << "\n";
    }
    Configurazione conf;
    conf.NumRegole = 4;
    const std::string errori = ErroriDurante([&] {
        LeggiRegoleIni(ini, conf);
        LeggiFileIni(ini, conf);
    });
    EXPECT_EQ(conf.NumRegole, 0);
    EXPECT_EQ(conf.FileSchema, "");
    const std::string riga = ini + ": file non letto: " + GetParam().motivo + "\n";
    EXPECT_EQ(errori, riga + riga);
}

INSTANTIATE_TEST_SUITE_P(Casi, IniRifiutato,
                         ::testing::Values(CasoIniRifiutato{"Fifo", "non è un file normale"},
                                           CasoIniRifiutato{"RigaDiVentiMega",
                                                            "file troppo grande (oltre 256 KB)"}),
                         test::NomeDelCaso());

TEST(RegoleIni, FileMancanteSenzaMessaggi) {
    Configurazione conf;
    EXPECT_EQ(ErroriDurante([&] { LeggiRegoleIni("/nonesiste/Kelvaro.ini", conf); }), "");
}

// A value no 16-bit field holds is reported as the user wrote it, and the rule is not produced.
TEST(RegoleIni, ValoreFuoriIntervalloRiportatoComeScritto) {
    const auto conf = Regole(
        "<REGOLA>\nSIZESC=5\nSCHEMI=3\n"
        "<REGOLA>\nSIZESC=99999999999\nSCHEMI=3\nSOGLIA=-77777\n"
        "<REGOLA>\nSCHEMI=3\nSIZESC=5\nSOGLIA=32767\nCELLEINIZIALI=-32768.4\n");
    EXPECT_EQ(conf.Regole[1].FuoriIntervallo, "");
    EXPECT_EQ(conf.Regole[2].FuoriIntervallo, "SIZESC=99999999999");
    EXPECT_EQ(ControllaRegola(conf.Regole[2]), "SIZESC=99999999999 fuori dai valori ammessi");
    EXPECT_EQ(conf.Regole[3].FuoriIntervallo, "");  // the 16-bit ends themselves fit
    EXPECT_EQ(conf.Regole[3].CELLEINIZIALI, -32768);
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

// An editor's UTF-8 byte order mark before the first line does not hide its key.
TEST(FileIni, MarcaUtf8AllInizioIgnorata) {
    CartellaTemporanea dir;
    ScriviFile(dir / "Kelvaro.ini", "\xEF\xBB\xBF<REGOLA>\r\nSCHEMI=3\r\n<REGOLA>\r\nSCHEMI=4\r\n");
    Configurazione conf;
    LeggiRegoleIni(dir / "Kelvaro.ini", conf);
    EXPECT_EQ(conf.NumRegole, 2);
    EXPECT_EQ(conf.Regole[1].SCHEMI, 3);
    EXPECT_EQ(conf.Regole[2].SCHEMI, 4);
    ScriviFile(dir / "Kelvaro.ini",
               "\xEF\xBB\xBF"
               "FILESCHEMA=pagina.html\r\n");
    LeggiFileIni(dir / "Kelvaro.ini", conf);
    EXPECT_EQ(conf.FileSchema, "pagina.html");
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
                                           CasoModo{" /HTML", Modo::Interattivo}),
                         test::NomeDa([](const CasoModo& c) { return c.argomenti; }));

}  // namespace
}  // namespace kelvaro
