#pragma once
// The one way the core reaches the user: message boxes, questions, file dialogs, the log window.
// Implemented by the Qt windows, by a headless variant (stderr, no questions) for the command
// line and the unattended modes, and by scripted variants in the tests.
#include <string>

#include "model/risposte.h"

namespace kelvaro {

class LogSoluzione;

class Finestre {
public:
    virtual ~Finestre() = default;

    // Message box with an OK button; dettaglio (the file concerned, say) is shown below the text.
    virtual void Messaggio(const std::string& testo, const std::string& dettaglio = "") = 0;
    // Yes/No question: RispostaSi or RispostaNo.
    virtual int ChiediSiNo(const std::string& testo) = 0;
    // Yes/No/Cancel question: RispostaSi, RispostaNo or RispostaAnnulla.
    virtual int ChiediSiNoAnnulla(const std::string& testo) = 0;
    // Open dialog (filter "File Futoshiki" on *.txt and *.xml): the chosen path, "" if cancelled.
    virtual std::string Apri() = 0;
    // Save dialog pre-filled with the proposed name, asking before overwriting; "" if cancelled.
    virtual std::string Salva(const std::string& nomeProposto) = 0;

    // Log mode of the solver: shows the log window modally with the given lines; with
    // nascondiAggiorna the "Aggiorna situazione" button is hidden for this showing.
    // Returns ComandoLog: 1 continue, 2 interrupt, 3 update; 0 when closed otherwise.
    virtual int MostraFinestraLog(const LogSoluzione& log, bool nascondiAggiorna) = 0;
    // Places the main window at the left edge and the log window beside it.
    virtual void PosizionaFormLog() = 0;
    // Horizontal position of the main window (twips), so that a solve can put it back.
    virtual int LeftPrincipale() = 0;
    virtual void SpostaPrincipale(int left) = 0;
    // The display grid model changed: repaint it (and resize the main window to it).
    virtual void AggiornaGriglia() = 0;
    // Unattended progress line (batch production captions); ignored by windows that show it.
    virtual void Avanzamento(const std::string& testo) { (void)testo; }
    // A short note for the main window's status bar (something done differently than asked,
    // not worth a message box); windows without a status bar ignore it.
    virtual void Stato(const std::string& testo) { (void)testo; }
};

// For kelvaro-cli and the unattended modes without a display: messages go to stderr,
// questions answer No, dialogs are cancelled, the log window "continues".
class FinestreSenzaSchermo : public Finestre {
public:
    void Messaggio(const std::string& testo, const std::string& dettaglio = "") override;
    int ChiediSiNo(const std::string& testo) override;
    int ChiediSiNoAnnulla(const std::string& testo) override;
    std::string Apri() override { return ""; }
    std::string Salva(const std::string&) override { return ""; }
    int MostraFinestraLog(const LogSoluzione&, bool) override { return 1; }
    void PosizionaFormLog() override {}
    int LeftPrincipale() override { return left_; }
    void SpostaPrincipale(int left) override { left_ = left; }
    void AggiornaGriglia() override {}
    void Avanzamento(const std::string& testo) override;

private:
    int left_ = 0;
};

}  // namespace kelvaro
