#include "files/progresso.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "display/gioco.h"
#include "display/modifica.h"
#include "display/visualizza.h"
#include "model/testo.h"
#include "supporto/finestre_finte.h"
#include "supporto/supporto.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

std::string Leggi(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A 5 x 5 schema on the grid (givens R1C1 = 2, R3C4 = 5) said to come from a file in a fresh folder.
class Progresso : public ::testing::Test {
protected:
    void SetUp() override {
        cartella = fs::temp_directory_path() / ("kelvaro_progresso_" + std::to_string(::getpid()));
        fs::remove_all(cartella);
        fs::create_directories(cartella);
        schema = (cartella / "prova.txt").string();
        Mostra();
        b.ImpostaFinestre(&finte);
    }
    void TearDown() override { fs::remove_all(cartella); }
    void Mostra() {
        test::MostraSchemaPiccolo(b);
        SvuotaMosse(b);
        b.modifica.InGioco = true;
        b.modifica.FileSchema = schema;
    }
    fs::path cartella;
    std::string schema;
    test::FinestreFinte finte;
    Banco b;
};

TEST_F(Progresso, FileScrittoAManoERiletto) {
    ScriviCella(b, 1, 2, 4);
    CommutaNota(b, 2, 1, 1);
    CommutaNota(b, 2, 1, 3);
    CommutaNota(b, 5, 5, 5);
    ASSERT_TRUE(SalvaProgresso(b, schema));
    const std::string atteso = std::string(
                                   "<PARTITA>1\r\n<SIZE>5\r\n<DATI>2000000000000500000000000\r\n"
                                   "<CIFRE>0400000000000000000000000\r\n<NOTE>") +
                               // 25 groups: R2C1 is the sixth, R5C5 the last.
                               std::string(5, '.') + "13" + std::string(19, '.') + "5\r\n";
    EXPECT_EQ(Leggi(cartella / "prova.txt.partita"), atteso);
    EXPECT_FALSE(b.modifica.NonSalvata);
    // Reopened: the grid shows the givens only until the progress comes back.
    Mostra();
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "");
    ASSERT_TRUE(RipristinaProgresso(b, schema));
    EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "4");
    EXPECT_EQ(b.modifica.Note[2][1], (1u << 1) | (1u << 3));
    EXPECT_EQ(b.modifica.Note[5][5], 1u << 5);
    EXPECT_EQ(b.Gr.Cella(1, 1).Testo, "2");
    // Nothing to undo: the restored position is the start.
    EXPECT_EQ(b.modifica.NumMosse(), 0);
}

// A saved game that does not fit the schema is left alone, and the status bar says why.
TEST_F(Progresso, FileCheNonCorrispondeIgnorato) {
    const std::string buono =
        "<PARTITA>1\r\n<SIZE>5\r\n<DATI>2000000000000500000000000\r\n<CIFRE>0400000000000000000000000\r\n";
    struct Caso {
        const char* nome;
        std::string testo;
        std::string motivo;  // "" when restored
    } casi[] = {
        {"buono, senza note", buono, ""},
        {"altri dati",
         "<PARTITA>1\n<SIZE>5\n<DATI>3000000000000500000000000\n<CIFRE>0400000000000000000000000\n",
         "è di uno schema diverso da questo"},
        {"altra dimensione",
         "<PARTITA>1\n<SIZE>6\n<DATI>2000000000000500000000000\n<CIFRE>04000000000000000000000\n",
         "è di uno schema diverso da questo"},
        {"cifra su un dato",
         "<PARTITA>1\n<SIZE>5\n<DATI>2000000000000500000000000\n<CIFRE>1000000000000000000000000\n",
         "una cifra sopra un dato iniziale"},
        {"cifra oltre N",
         "<PARTITA>1\n<SIZE>5\n<DATI>2000000000000500000000000\n<CIFRE>0600000000000000000000000\n",
         "una cifra non valida per questo schema"},
        {"cifre corte", "<PARTITA>1\n<SIZE>5\n<DATI>2000000000000500000000000\n<CIFRE>04\n",
         "cifre incomplete"},
        {"note in numero sbagliato", buono + "<NOTE>1.2\r\n", "note incomplete"},
        {"nota su un dato", buono + "<NOTE>1" + std::string(24, '.') + "\r\n",
         "una nota non valida per questo schema"},
        {"versione ignota",
         "<PARTITA>2\n<SIZE>5\n<DATI>2000000000000500000000000\n<CIFRE>0400000000000000000000000\n",
         "formato sconosciuto"},
        {"vuoto", "", "formato sconosciuto"},
    };
    for (const Caso& c : casi) {
        Mostra();
        finte.stati.clear();
        ASSERT_TRUE(ScriviFileSicuro(PercorsoProgresso(schema), c.testo));
        const bool ripristinato = c.motivo.empty();
        EXPECT_EQ(RipristinaProgresso(b, schema), ripristinato) << c.nome;
        EXPECT_EQ(b.Gr.Cella(1, 3).Testo, ripristinato ? "4" : "") << c.nome;
        for (int r = 1; r <= 5; ++r)
            for (int k = 1; k <= 5; ++k) EXPECT_EQ(b.modifica.Note[r][k], 0) << c.nome;
        if (ripristinato) {
            EXPECT_TRUE(finte.stati.empty()) << c.nome;
        } else {
            ASSERT_EQ(finte.stati.size(), 1u) << c.nome;
            EXPECT_EQ(finte.stati[0],
                      "Partita salvata non ripresa: " + PercorsoProgresso(schema) + " (" + c.motivo + ")");
        }
        // The file stays as it was: the player may still want it.
        EXPECT_TRUE(fs::exists(PercorsoProgresso(schema))) << c.nome;
    }
    fs::remove(PercorsoProgresso(schema));
    finte.stati.clear();
    EXPECT_FALSE(RipristinaProgresso(b, schema));
    EXPECT_TRUE(finte.stati.empty());
}

TEST_F(Progresso, SenzaLavoroAManoIlFileSparisce) {
    ScriviCella(b, 1, 2, 4);
    ASSERT_TRUE(SalvaProgresso(b, schema));
    ASSERT_TRUE(fs::exists(PercorsoProgresso(schema)));
    AnnullaMossa(b);
    ASSERT_TRUE(SalvaProgresso(b, schema));
    EXPECT_FALSE(fs::exists(PercorsoProgresso(schema)));
}

TEST_F(Progresso, CartellaNonScrivibileLoDice) {
    ScriviCella(b, 1, 2, 4);
    const std::string altrove = (cartella / "manca" / "prova.txt").string();
    EXPECT_FALSE(SalvaProgresso(b, altrove));
    ASSERT_EQ(finte.messaggi.size(), 1u);
    EXPECT_NE(finte.messaggi[0].find(PercorsoProgresso(altrove)), std::string::npos);
    EXPECT_TRUE(b.modifica.NonSalvata);
}

// A saved game that is there but cannot be read: the schema opens without it, the status bar says
// why and names the file; the file is left as it was. No saved game at all says nothing.
TEST_F(Progresso, FileIlleggibileDettoNellaBarraDiStato) {
    const std::string partita = PercorsoProgresso(schema);
    struct Caso {
        const char* nome;
        std::function<bool()> prepara;  // false: the case cannot be made here
        std::string motivo;             // "" when nothing is said
    } casi[] = {
        {"nessun file", [] { return true; }, ""},
        {"FIFO", [&] { return ::mkfifo(partita.c_str(), 0600) == 0; }, "non è un file normale"},
        {"dispositivo",
         [&] {
             std::error_code ec;
             fs::create_symlink("/dev/zero", partita, ec);
             return !ec;
         },
         "non è un file normale"},
        {"cartella", [&] { return fs::create_directory(partita); }, "è una cartella, non un file"},
        {"troppo grande",
         [&] { return ScriviFileSicuro(partita, "<PARTITA>1\r\n" + std::string(200 * 1024, 'x')); },
         "file troppo grande (oltre 64 KB)"},
        {"senza permesso di lettura",
         [&] {
             if (::geteuid() == 0) return false;  // root reads it anyway
             return ScriviFileSicuro(partita, "<PARTITA>1\r\n") && ::chmod(partita.c_str(), 0) == 0;
         },
         "lettura non permessa"},
    };
    for (const Caso& c : casi) {
        Mostra();
        fs::remove_all(partita);
        finte.stati.clear();
        if (!c.prepara()) {
            std::cout << "[ saltato ] " << c.nome << "\n";
            continue;
        }
        EXPECT_FALSE(RipristinaProgresso(b, schema)) << c.nome;
        EXPECT_EQ(b.Gr.Cella(1, 3).Testo, "") << c.nome;
        EXPECT_TRUE(finte.messaggi.empty()) << c.nome;
        if (c.motivo.empty()) {
            EXPECT_TRUE(finte.stati.empty()) << c.nome;
            continue;
        }
        ASSERT_EQ(finte.stati.size(), 1u) << c.nome;
        EXPECT_EQ(finte.stati[0].rfind("Partita salvata non ripresa: " + partita + " (" + c.motivo, 0), 0u)
            << c.nome << ": " << finte.stati[0];
        EXPECT_TRUE(fs::exists(fs::symlink_status(partita))) << c.nome;
    }
    fs::remove_all(partita);
}

TEST_F(Progresso, DomandaPrimaDiPerdereIlLavoro) {
    struct Caso {
        const char* nome;
        bool lavoro;
        bool conFile;
        int risposta;
        bool avanti;
        bool fileScritto;
    } casi[] = {
        {"niente a mano: nessuna domanda", false, true, RispostaAnnulla, true, false},
        {"Sì salva e va avanti", true, true, RispostaSi, true, true},
        {"No va avanti senza salvare", true, true, RispostaNo, true, false},
        {"Annulla si ferma", true, true, RispostaAnnulla, false, false},
        {"senza file: Sì va avanti", true, false, RispostaSi, true, false},
        {"senza file: No si ferma", true, false, RispostaNo, false, false},
    };
    for (const Caso& c : casi) {
        Mostra();
        fs::remove(PercorsoProgresso(schema));
        finte.messaggi.clear();
        finte.risposte = {c.risposta};
        if (!c.conFile) b.modifica.FileSchema.clear();
        if (c.lavoro) CommutaNota(b, 2, 2, 3);
        EXPECT_EQ(ConfermaAbbandono(b), c.avanti) << c.nome;
        EXPECT_EQ(finte.messaggi.size(), c.lavoro ? 1u : 0u) << c.nome;
        EXPECT_EQ(fs::exists(PercorsoProgresso(schema)), c.fileScritto) << c.nome;
    }
    // Once saved, nothing is lost: no second question.
    Mostra();
    CommutaNota(b, 2, 2, 3);
    finte.risposte = {RispostaSi};
    ASSERT_TRUE(ConfermaAbbandono(b));
    finte.messaggi.clear();
    EXPECT_TRUE(ConfermaAbbandono(b));
    EXPECT_TRUE(finte.messaggi.empty());
}

}  // namespace
}  // namespace kelvaro
