#pragma once
// The lines of the log window: row 0 is the hidden header, lines are rows 1, 2, ...
#include <string>
#include <vector>

namespace kelvaro {

class LogSoluzione {
public:
    // Appends a line (rows n -> n + 1, text into row n).
    void Aggiungi(const std::string& testo);
    // Appends an empty line and returns it to be written in place: the solver writes thousands
    // of lines, and the strings of emptied lines are used again.
    std::string& NuovaRiga();
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
    std::vector<std::string> libere_;  // emptied lines, kept for their storage
    bool allineatoSinistra_ = false;
};

}  // namespace kelvaro
