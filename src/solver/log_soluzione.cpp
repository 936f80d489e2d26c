#include "solver/log_soluzione.h"

namespace kelvaro {

std::string& LogSoluzione::NuovaRiga() {
    if (libere_.empty()) {
        righe_.emplace_back();
    } else {
        righe_.push_back(std::move(libere_.back()));
        libere_.pop_back();
        righe_.back().clear();
    }
    allineatoSinistra_ = false;
    return righe_.back();
}

void LogSoluzione::Aggiungi(const std::string& testo) {
    NuovaRiga() = testo;
}

int LogSoluzione::Riserva() {
    NuovaRiga();
    return static_cast<int>(righe_.size()) - 1;
}

void LogSoluzione::Scrivi(int indice, const std::string& testo) {
    if (indice >= 0 && indice < static_cast<int>(righe_.size())) righe_[indice] = testo;
}

void LogSoluzione::Svuota() {
    for (std::string& r : righe_) libere_.push_back(std::move(r));
    righe_.clear();
    allineatoSinistra_ = false;
}

void LogSoluzione::Situazione() {
    righe_.assign(1, "Situazione aggiornata");
    allineatoSinistra_ = false;
}

}  // namespace kelvaro
