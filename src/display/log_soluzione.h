#pragma once
// The lines of the log window: row 0 is the hidden header, lines are rows 1, 2, ...
#include <string>
#include <vector>

namespace kelvaro {

class LogSoluzione {
public:
    // Appends a line (rows n -> n + 1, text into row n).
    void Aggiungi(const std::string& testo);
    // Reserves the next line and returns its index into Righe(); fill it with Scrivi.
    int Riserva();
    void Scrivi(int indice, const std::string& testo);
    // Only the hidden header row is left.
    void Svuota();
    // Rows = 2, line 1 = "Situazione aggiornata".
    void Situazione();
    // Every line gets left alignment; the current row goes back to 0.
    void AllineaSinistra() { allineatoSinistra_ = true; }

    const std::vector<std::string>& Righe() const { return righe_; }
    bool AllineatoSinistra() const { return allineatoSinistra_; }

private:
    std::vector<std::string> righe_;
    bool allineatoSinistra_ = false;
};

}  // namespace kelvaro
