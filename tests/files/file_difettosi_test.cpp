// kelvaro-cli on files that are not schemas, or are written by another run at the same moment:
// a clear refusal naming the file, quickly and in little memory; nothing overwritten.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>

#include "files/caricamento.h"
#include "files/scrittura.h"
#include "supporto/nomi_casi.h"
#include "supporto/supporto.h"

extern char** environ;

namespace kelvaro {
namespace {

using test::CartellaTemporanea;
using test::ScriviFile;
namespace fs = std::filesystem;

const std::string Bin = std::string(KELVARO_BIN) + "/kelvaro-cli";

// Starts kelvaro-cli with standard output and error into `uscita`; its process id, or -1.
pid_t Lancia(std::vector<std::string> argomenti, const std::string& uscita) {
    argomenti.insert(argomenti.begin(), Bin);
    std::vector<char*> argv;
    for (auto& a : argomenti) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_addopen(&azioni, 1, uscita.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&azioni, 1, 2);
    pid_t pid;
    const bool partito = posix_spawn(&pid, Bin.c_str(), &azioni, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&azioni);
    return partito ? pid : -1;
}

// Runs kelvaro-cli to its end: exit status, output, peak memory.
struct Esecuzione {
    int stato = -1;
    std::string uscita;
    long piccoKb = 0;
};

Esecuzione Esegui(const std::vector<std::string>& argomenti, const fs::path& uscita) {
    Esecuzione e;
    const pid_t pid = Lancia(argomenti, uscita.string());
    if (pid > 0) {
        int st = 0;
        struct rusage uso {};
        ::wait4(pid, &st, 0, &uso);
        e.stato = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        e.piccoKb = uso.ru_maxrss;
    }
    e.uscita = test::LeggiFile(uscita);
    return e;
}

const std::string Esempio4 =
    "<?xml version=\"1.0\" ?>\r\n<FUTOSHIKI SIZE=\"4\">\r\n<SCHEMA>0000300000000020</SCHEMA>\r\n"
    "<SOLUTION>1234341221434321</SOLUTION>\r\n<CONSTRAINT>1211|3444</CONSTRAINT>\r\n"
    "<CHECK>662364</CHECK>\r\n</FUTOSHIKI>\r\n";

struct CasoDifettoso {
    const char* nome;
    std::string file;  // "@" stands for the temporary folder
    std::string motivo;
};

class FileDifettoso : public ::testing::TestWithParam<CasoDifettoso> {
protected:
    static void SetUpTestSuite() {
        dir_ = new CartellaTemporanea;
        fs::create_directory(dir_->percorso() / "cartella");
        ::mkfifo((*dir_ / "fifo.txt").c_str(), 0600);
        // 20 MB of bars inside the constraints of a schema that is otherwise whole.
        std::ofstream f(*dir_ / "barre.txt", std::ios::binary);
        f << "<FUTOSHIKI SIZE='4'><SCHEMA>0000300000000020</SCHEMA>"
             "<SOLUTION>1234341221434321</SOLUTION><CONSTRAINT>";
        const std::string barre(1 << 20, '|');
        for (int k = 0; k < 20; ++k) f << barre;
        f << "</CONSTRAINT></FUTOSHIKI>\r\n";
        f.close();
        ScriviFile(*dir_ / "rotto.txt", "<F SIZE='4'><SCHEMA>0000300000000020</SCHEMA><SOLUTION>12");
        ScriviFile(*dir_ / "cifra.txt", Sostituisci(Esempio4, "<SCHEMA>00003", "<SCHEMA>00007"));
        ScriviFile(*dir_ / "buono.txt", Esempio4);
        // What a run on a good schema takes (more under the sanitizers): the measure to compare with.
        base_ = Esegui({"verifica", *dir_ / "buono.txt"}, dir_->percorso() / "uscita").piccoKb;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static std::string Percorso(const std::string& f) {
        return f[0] == '@' ? dir_->percorso().string() + f.substr(1) : f;
    }
    static CartellaTemporanea* dir_;
    static long base_;
    static std::string Sostituisci(std::string s, const std::string& da, const std::string& a) {
        s.replace(s.find(da), da.size(), a);
        return s;
    }
};
CartellaTemporanea* FileDifettoso::dir_ = nullptr;
long FileDifettoso::base_ = 0;

TEST_P(FileDifettoso, VerificaLoRifiutaNominandolo) {
    const std::string file = Percorso(GetParam().file);
    const Esecuzione e = Esegui({"verifica", file}, dir_->percorso() / "uscita");
    EXPECT_EQ(e.stato, 1);
    EXPECT_EQ(e.uscita, "file: " + file + "\nerrore: File inesistente o dati errati: " + file + " (" +
                            GetParam().motivo + ")\n");
    // Refused before anything big is read: far below the 20 MB of the largest file.
    EXPECT_GT(base_, 0);
    EXPECT_LT(e.piccoKb, base_ + 4 * 1024) << GetParam().nome;
}

TEST_P(FileDifettoso, RisolviLoRifiutaNominandolo) {
    const std::string file = Percorso(GetParam().file);
    const Esecuzione e = Esegui({"risolvi", file}, dir_->percorso() / "uscita");
    EXPECT_EQ(e.stato, 2);
    EXPECT_EQ(e.uscita, "errore: File inesistente o dati errati: " + file + " (" + GetParam().motivo + ")\n");
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileDifettoso,
    ::testing::Values(CasoDifettoso{"Inesistente", "@/manca.txt", "il file non esiste"},
                      CasoDifettoso{"Cartella", "@/cartella", "è una cartella, non un file"},
                      CasoDifettoso{"Fifo", "@/fifo.txt", "non è un file normale"},
                      CasoDifettoso{"DevZero", "/dev/zero", "non è un file normale"},
                      CasoDifettoso{"DevUrandom", "/dev/urandom", "non è un file normale"},
                      CasoDifettoso{"VentiMegaDiBarre", "@/barre.txt", "file troppo grande (oltre 64 KB)"},
                      CasoDifettoso{"SenzaFineSoluzione", "@/rotto.txt", "manca </SOLUTION>"},
                      CasoDifettoso{"CifraOltreLaDimensione", "@/cifra.txt",
                                    "carattere '7' in <SCHEMA> (cifre da 0 a 4)"}),
    test::NomeDelCaso());

// Old Mac line ends: the CHECK is found on its own line.
TEST(FineRigaSoloCr, CheckLettoDallaSuaRiga) {
    CartellaTemporanea dir;
    std::string testo = Esempio4;
    for (size_t k; (k = testo.find("\r\n")) != std::string::npos;) testo.erase(k + 1, 1);
    ScriviFile(dir / "mac.txt", testo);
    const auto letto = LeggiSchemaFile(dir / "mac.txt");
    ASSERT_TRUE(letto.has_value());
    EXPECT_EQ(letto->CheckLetto, "662364");
    EXPECT_EQ(letto->schema.NumVincoli(), 2);
    const Esecuzione e = Esegui({"verifica", dir / "mac.txt"}, dir.percorso() / "uscita");
    EXPECT_NE(e.uscita.find("\ncheck: ok\n"), std::string::npos) << e.uscita;
}

// Two runs of genera writing into one folder in the same seconds: every schema of both ends in
// its own complete file.
TEST(GenerazioniContemporanee, OgniSchemaNelSuoFile) {
    constexpr int Giri = 3, Numero = 300;
    for (int giro = 0; giro < Giri; ++giro) {
        CartellaTemporanea dir;
        const std::string cartella = (dir.percorso() / "schemi").string();
        std::vector<pid_t> figli;
        for (int k = 0; k < 2; ++k) {
            figli.push_back(Lancia(
                {"genera", "--dimensione", "4", "--numero", std::to_string(Numero), "--cartella", cartella},
                "/dev/null"));
            ASSERT_GT(figli.back(), 0);
        }
        for (pid_t p : figli) {
            int st = 0;
            ::waitpid(p, &st, 0);
            EXPECT_TRUE(WIFEXITED(st) && WEXITSTATUS(st) == 0) << "giro " << giro;
        }
        int file = 0, riepiloghi = 0;
        for (const auto& e : fs::directory_iterator(cartella)) {
            const std::string nome = e.path().filename().string();
            // Each run keeps its own batch report, even when both end in the same second.
            if (e.path().extension() == ".csv") {
                ++riepiloghi;
                continue;
            }
            ++file;
            EXPECT_EQ(e.path().extension(), ".TXT") << nome;
            const auto letto = LeggiSchemaFile(e.path().string());
            ASSERT_TRUE(letto.has_value()) << nome;
            EXPECT_EQ(letto->CheckLetto, CreaPwd(letto->schema.tblSoluzione, letto->schema.Sizesc)) << nome;
        }
        EXPECT_EQ(file, 2 * Numero) << "giro " << giro;
        EXPECT_EQ(riepiloghi, 2) << "giro " << giro;
    }
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// A run killed while writing leaves at most a temporary file; the next run into the folder
// removes it and leaves only schemas.
TEST(RunUcciso, IlGiroDopoTogliITemporanei) {
    CartellaTemporanea dir;
    const std::string cartella = (dir.percorso() / "schemi").string();
    fs::create_directory(cartella);
    // What a kill -9 in the middle of a save leaves, whatever the timing of the real kill below.
    const pid_t finto = Lancia({"--help"}, "/dev/null");
    ASSERT_GT(finto, 0);
    ::waitpid(finto, nullptr, 0);
    ScriviFile(cartella + "/.kelvaro-" + std::to_string(finto) + "-7.tmp", "");
    const pid_t pid =
        Lancia({"genera", "--dimensione", "4", "--numero", "30000", "--cartella", cartella}, "/dev/null");
    ASSERT_GT(pid, 0);
    ::usleep(300 * 1000);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const Esecuzione e =
        Esegui({"genera", "--dimensione", "4", "--cartella", cartella}, dir.percorso() / "uscita");
    EXPECT_EQ(e.stato, 0) << e.uscita;
    for (const auto& f : fs::directory_iterator(cartella)) {
        if (f.path().extension() == ".csv") continue;  // the finished run's batch report
        EXPECT_EQ(f.path().extension(), ".TXT") << f.path();
        EXPECT_TRUE(LeggiSchemaFile(f.path().string()).has_value()) << f.path();
    }
}

}  // namespace
}  // namespace kelvaro
