#pragma once
// The Qt side of kelvaro::Finestre: message boxes, questions, file dialogs, the grid repaint.
// Tests derive from it to answer the dialogs themselves.
#include <QString>
#include <string>
#include <vector>

#include "display/finestre.h"
#include "ui/form3.h"

namespace kelvaro {
struct Banco;
}

namespace kelvaro::ui {

class Form1;

class FinestreQt : public Finestre {
public:
    explicit FinestreQt(Form1& form);

    void Messaggio(const std::string& testo, const std::string& dettaglio = "") override;
    int ChiediSiNo(const std::string& testo) override;
    int ChiediSiNoAnnulla(const std::string& testo) override;
    std::string Apri() override;
    std::string Salva(const std::string& nomeProposto) override;
    int MostraFinestraLog(const LogSoluzione& log, bool nascondiAggiorna) override;
    void PosizionaFormLog() override;
    int LeftPrincipale() override;
    void SpostaPrincipale(int left) override;
    void AggiornaGriglia() override;
    void Stato(const std::string& testo) override;

    // "File Futoshiki" on both extensions, in either letter case (automatic names end in ".TXT").
    static QString FiltroFile();

protected:
    Form1& form_;

private:
    // Folder the next file dialog starts in: that of the last file chosen, at first the
    // program's schema folder.
    QString CartellaIniziale() const;
    void RicordaCartella(const QString& file);
    QString ultimaCartella_;
    // Where the next log window goes, as PosizionaFormLog left it.
    PosizioneFormLog posizioneLog_;

    // The step-by-step solve under way: its total of steps (0 when not known), the lines of
    // the steps already shown, and whether the user asked to run to the end without pauses.
    void IniziaLog();
    int totalePassi_ = 0;
    std::vector<RighePasso> precedenti_;
    bool finoAllaFine_ = false;
};

// Steps a solve of b's schema carries out with b's settings, counted by a silent solve on a
// copy; the random draws are left as they were, so the real solve tries the same values.
int ContaPassiSoluzione(const Banco& b);

}  // namespace kelvaro::ui
