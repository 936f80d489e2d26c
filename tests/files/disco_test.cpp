// Reading small files safely, creating new files under a free name, removing what killed runs left.
#include "model/disco.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <thread>

#include "files/scrittura.h"
#include "model/testo.h"
#include "supporto/finestre_finte.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

using test::CartellaTemporanea;
using test::LeggiFile;
using test::ScriviFile;
namespace fs = std::filesystem;

struct CasoRifiuto {
    const char* nome;
    std::string percorso;  // "@" stands for the temporary folder
    std::string motivo;
};

class LetturaRifiutata : public ::testing::TestWithParam<CasoRifiuto> {};

TEST_P(LetturaRifiutata, SenzaAttesaESenzaLeggereOltre) {
    CartellaTemporanea dir;
    ScriviFile(dir / "piccolo.txt", std::string(100, 'x'));
    ScriviFile(dir / "grande.txt", std::string(101, 'x'));
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir.percorso() / "cartella");
    std::string percorso = GetParam().percorso;
    if (percorso[0] == '@') percorso = dir.percorso().string() + percorso.substr(1);
    const FileLetto f = LeggiFilePiccolo(percorso, 100);
    EXPECT_FALSE(f.Dati.has_value());
    EXPECT_EQ(f.Motivo, GetParam().motivo);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, LetturaRifiutata,
    ::testing::Values(CasoRifiuto{"Inesistente", "@/manca.txt", "il file non esiste"},
                      CasoRifiuto{"SottoUnFile", "@/piccolo.txt/x", "il file non esiste"},
                      CasoRifiuto{"Vuoto", "", "il file non esiste"},
                      CasoRifiuto{"Cartella", "@/cartella", "è una cartella, non un file"},
                      CasoRifiuto{"Fifo", "@/fifo", "non è un file normale"},
                      CasoRifiuto{"DevZero", "/dev/zero", "non è un file normale"},
                      CasoRifiuto{"DevUrandom", "/dev/urandom", "non è un file normale"},
                      CasoRifiuto{"TroppoGrande", "@/grande.txt", "file troppo grande (oltre 100 byte)"}),
    test::NomeDelCaso());

// Lines of progress files and templates come from the same bounded reader: a FIFO or a device
// gives no text instead of a wait without end; a byte order mark and CRs never reach the lines.
TEST(LetturaPiccola, LeRigheNonAspettanoFifoODispositivi) {
    CartellaTemporanea dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    ScriviFile(dir / "righe.txt", "\xEF\xBB\xBFuno\r\ndue\n");
    EXPECT_FALSE(LeggiFilePiccolo(dir / "fifo", LimiteModello).Dati.has_value());
    EXPECT_FALSE(LeggiFilePiccolo("/dev/zero", LimiteModello).Dati.has_value());
    EXPECT_FALSE(LeggiFilePiccolo(dir.percorso().string(), LimiteModello).Dati.has_value());
    const FileLetto letto = LeggiFilePiccolo(dir / "righe.txt", LimiteModello);
    ASSERT_TRUE(letto.Dati);
    EXPECT_EQ(DividiRighe(SenzaBom(*letto.Dati)), (std::vector<std::string>{"uno", "due"}));
}

TEST(LetturaPiccola, FinoAlLimiteCompresoByteQualsiasi) {
    CartellaTemporanea dir;
    std::string dati(100, '\0');
    for (size_t k = 0; k < dati.size(); ++k) dati[k] = static_cast<char>(k * 7);
    ScriviFile(dir / "a.bin", dati);
    ScriviFile(dir / "vuoto", "");
    const FileLetto f = LeggiFilePiccolo(dir / "a.bin", 100);
    ASSERT_TRUE(f.Dati.has_value()) << f.Motivo;
    EXPECT_EQ(*f.Dati, dati);
    EXPECT_EQ(f.Motivo, "");
    EXPECT_EQ(LeggiFilePiccolo(dir / "vuoto", 100).Dati, std::optional<std::string>(""));
    EXPECT_EQ(LeggiFilePiccolo(dir / "a.bin", 64 * 1024 * 1024 - 1).Dati, dati);
}

TEST(LetturaPiccola, FileNonLeggibile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    CartellaTemporanea dir;
    ScriviFile(dir / "chiuso.txt", "x");
    fs::permissions(dir.percorso() / "chiuso.txt", fs::perms::none);
    EXPECT_EQ(LeggiFilePiccolo(dir / "chiuso.txt", 100).Motivo, "lettura non permessa");
}

struct CasoRighe {
    const char* nome;
    std::string testo;
    std::vector<std::string> righe;
};

class RigheOgniFine : public ::testing::TestWithParam<CasoRighe> {};

TEST_P(RigheOgniFine, Divide) {
    EXPECT_EQ(DividiRigheOgniFine(GetParam().testo), GetParam().righe);
}

INSTANTIATE_TEST_SUITE_P(Casi, RigheOgniFine,
                         ::testing::Values(CasoRighe{"Vuoto", "", {}}, CasoRighe{"Lf", "a\nb\n", {"a", "b"}},
                                           CasoRighe{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                                           CasoRighe{"SoloCr", "a\rb\r", {"a", "b"}},
                                           CasoRighe{"Misti", "a\r\rb\nc", {"a", "", "b", "c"}},
                                           CasoRighe{"RigaVuotaLf", "\n\nx", {"", "", "x"}}),
                         test::NomeDelCaso());

TEST(FileNuovo, NomeLiberoOppureIlSuccessivo) {
    CartellaTemporanea dir;
    ScriviFile(dir / "s.TXT", "vecchio");
    ScriviFile(dir / "s_3.TXT", "vecchio");
    EXPECT_EQ(ScriviFileNuovo(dir / "n.TXT", "uno"), std::optional<std::string>(dir / "n.TXT"));
    EXPECT_EQ(ScriviFileNuovo(dir / "s.TXT", "due"), std::optional<std::string>(dir / "s_2.TXT"));
    EXPECT_EQ(ScriviFileNuovo(dir / "s.TXT", "tre"), std::optional<std::string>(dir / "s_4.TXT"));
    EXPECT_EQ(LeggiFile(dir / "s.TXT"), "vecchio");
    EXPECT_EQ(LeggiFile(dir / "s_3.TXT"), "vecchio");
    EXPECT_EQ(LeggiFile(dir / "n.TXT"), "uno");
    EXPECT_EQ(LeggiFile(dir / "s_2.TXT"), "due");
    EXPECT_EQ(LeggiFile(dir / "s_4.TXT"), "tre");
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir.percorso())) (void)e, ++file;
    EXPECT_EQ(file, 5);  // no temporary file left
    EXPECT_FALSE(ScriviFileNuovo(dir / "manca/x.TXT", "x").has_value());
}

// Many writers asking for the same name at once: every text ends in its own complete file.
TEST(FileNuovo, ScrittoriContemporaneiNonSiSovrascrivono) {
    CartellaTemporanea dir;
    constexpr int Scrittori = 6, Ciascuno = 40;
    std::vector<std::thread> fili;
    for (int t = 0; t < Scrittori; ++t)
        fili.emplace_back([&dir, t] {
            for (int i = 0; i < Ciascuno; ++i)
                ScriviFileNuovo(dir / "5_0000_260101120000.TXT",
                                std::string(500, 'a' + t) + std::to_string(i) + "\r\n");
        });
    for (auto& f : fili) f.join();
    std::set<std::string> contenuti;
    int file = 0;
    for (const auto& e : fs::directory_iterator(dir.percorso())) {
        ++file;
        EXPECT_EQ(e.path().extension(), ".TXT") << e.path();
        contenuti.insert(LeggiFile(e.path()));
    }
    EXPECT_EQ(file, Scrittori * Ciascuno);
    EXPECT_EQ(contenuti.size(), static_cast<size_t>(Scrittori * Ciascuno));
    for (const std::string& c : contenuti) {
        EXPECT_GE(c.size(), 503u);
        EXPECT_EQ(c.substr(c.size() - 2), "\r\n");
    }
}

// The id of a process that has ended.
long PidFinito() {
    const pid_t p = ::fork();
    if (p == 0) ::_exit(0);
    ::waitpid(p, nullptr, 0);
    return p;
}

TEST(TemporaneiOrfani, RimossiSoloQuelliDiProcessiFiniti) {
    CartellaTemporanea dir;
    const std::string morto = std::to_string(PidFinito()), vivo = std::to_string(::getpid());
    const std::vector<std::string> via = {"5_0000_260101120000.TXT.kelvaro-" + morto + ".tmp",
                                          ".kelvaro-" + morto + "-12345.tmp",
                                          "pagina.html.kelvaro-" + morto + ".tmp"};
    const std::vector<std::string> restano = {
        "5_0000_260101120000.TXT",  "a.TXT.kelvaro-" + vivo + ".tmp",  ".kelvaro-" + vivo + "-1.tmp",
        "a.kelvaro-x.tmp",          "a.kelvaro-" + morto + ".tmp.TXT", ".kelvaro-" + morto + "-.tmp",
        "kelvaro-" + morto + ".tmp"};
    for (const auto& n : via) ScriviFile(dir / n, "");
    for (const auto& n : restano) ScriviFile(dir / n, "");
    EXPECT_EQ(RimuoviTemporaneiOrfani(dir.percorso().string()), 3);
    for (const auto& n : via) EXPECT_FALSE(fs::exists(dir / n)) << n;
    for (const auto& n : restano) EXPECT_TRUE(fs::exists(dir / n)) << n;
    EXPECT_EQ(RimuoviTemporaneiOrfani((dir.percorso() / "manca").string()), 0);
}

TEST(TemporaneiOrfani, LaGenerazioneContinuaLiTogliePrimaDiScrivere) {
    CartellaTemporanea dir;
    const std::string orfano = "4_0000_090101000000.TXT.kelvaro-" + std::to_string(PidFinito()) + ".tmp";
    fs::create_directory(dir.percorso() / "uscita");
    ScriviFile(dir.percorso() / "uscita" / orfano, "");
    Banco b;
    test::FinestreFinte f;
    b.ImpostaFinestre(&f);
    b.schema.Sizesc = 1;
    b.schema.tblSoluzione[1][1] = "1";
    b.imp.GenCont = true;
    b.conf.Regole[1].DIR = (dir.percorso() / "uscita").string();
    b.conf.RegolaCorrente = 1;
    b.file.NomeFile = "4_0000_090101000000.TXT";
    CmdSalvaxml_Click(b);
    EXPECT_TRUE(b.file.Salvato);
    EXPECT_FALSE(fs::exists(dir.percorso() / "uscita" / orfano));
    EXPECT_TRUE(fs::exists(dir.percorso() / "uscita" / "4_0000_090101000000.TXT"));
}

// The folder lock keeps out whoever asks for it while it is held (flock locks belong to each
// opening, so a second opening in this process stands for another run) and lets go with the object.
TEST(BloccoCartella, EsclusivoFinoAllaFine) {
    test::CartellaTemporanea tmp;
    const int altro = ::open(tmp.percorso().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(altro, 0);
    {
        const BloccoCartella blocco(tmp.percorso().string());
        EXPECT_TRUE(blocco.Preso());
        EXPECT_NE(::flock(altro, LOCK_EX | LOCK_NB), 0);
        // nothing is written into the folder for it
        EXPECT_TRUE(fs::is_empty(tmp.percorso()));
    }
    EXPECT_EQ(::flock(altro, LOCK_EX | LOCK_NB), 0);
    ::close(altro);
    EXPECT_FALSE(BloccoCartella(tmp / "manca").Preso());
}

}  // namespace
}  // namespace kelvaro
