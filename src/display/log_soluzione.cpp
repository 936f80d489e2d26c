#include "display/log_soluzione.h"

namespace kelvaro {

void LogSoluzione::Aggiungi(const std::string& testo) {
    righe_.push_back(testo);
    allineatoSinistra_ = false;
}

int LogSoluzione::Riserva() {
    righe_.emplace_back();
    allineatoSinistra_ = false;
    return static_cast<int>(righe_.size()) - 1;
}

void LogSoluzione::Scrivi(int indice, const std::string& testo) {
    if (indice >= 0 && indice < static_cast<int>(righe_.size())) righe_[indice] = testo;
}

void LogSoluzione::Svuota() {
    righe_.clear();
    allineatoSinistra_ = false;
}

void LogSoluzione::Situazione() {
    righe_.assign(1, "Situazione aggiornata");
    allineatoSinistra_ = false;
}

}  // namespace kelvaro
