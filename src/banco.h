#pragma once
// The workbench: the one object that owns the state of a running Kelvaro (what the main window
// and the module-level variables hold). One per process; the windows hold a reference to it.
// Plain data grouped by subsystem; the procedures live in their subsystems and take a Banco&.
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "app/configurazione.h"
#include "display/finestre.h"
#include "display/griglia.h"
#include "display/mosse.h"
#include "display/storia.h"
#include "model/tabelle.h"
#include "model/testo.h"
#include "production/impostazioni.h"
#include "solver/log_soluzione.h"
#include "solver/passo.h"

namespace kelvaro {

struct FileCorrente {
    std::string NomeFileAperto;  // path the loader reads; "" asks with the open dialog
    std::string NomeFile;        // current file name: save dialog default, automatic name
    bool Salvato = false;
    std::string PercorsoSalvato;   // where the last save that succeeded wrote the schema
    std::string CartellaRipulita;  // last folder cleared of the temporary files of killed runs
};

struct Pubblicazione {
    std::string IdSchema;
    std::string DataRiferimento = "01/01/2009";  // dd/mm/yyyy, fixed
    // The schema fragment of the page being published (what the work file "tmp.txt" held), CR LF lines.
    std::string Frammento;
};

struct Banco {
    Schema schema;
    Impostazioni imp;
    Cicli cicli;
    Risolutore ris;
    Storia storia;
    Griglia Gr;
    LogSoluzione log;
    Modifica modifica;
    FileCorrente file;
    Configurazione conf;
    Pubblicazione web;

    long ComandoLog = 0;
    int32_t ChiaveCifre = 418207;

    // Directory of the running executable (never the current directory), without a trailing '/'.
    std::string CartellaProgramma = ".";

    // Size the last grid display asks of the main window (twips).
    double LarghezzaForm = 4935;
    double AltezzaForm = 4695;

    // Local time used for the automatic file names; tests replace it.
    std::function<std::tm()> Orologio;

    // Who takes a schema the generation step has confirmed (in the tables, named, graded by the
    // step solver): when empty it is written at once (CmdSalvaxml_Click); batch production checks
    // it first, the window's "Nuovo" keeps it unsaved.
    std::function<void(Banco&)> ConsegnaSchema;

    Finestre& finestre() { return *finestre_; }
    // The caller keeps ownership; nullptr goes back to the headless windows.
    void ImpostaFinestre(Finestre* f) { finestre_ = f ? f : &senzaSchermo_; }

    Banco();

private:
    FinestreSenzaSchermo senzaSchermo_;
    Finestre* finestre_ = &senzaSchermo_;
};

}  // namespace kelvaro
