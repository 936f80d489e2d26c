#include "display/griglia.h"

namespace kelvaro {

long ColoreDaRgb(int r, int g, int b) {
    return static_cast<long>(b) * 65536 + g * 256 + r;
}

Griglia::Griglia() : altezze_(2, 240), larghezze_(2, 240), celle_(4) {}

void Griglia::SetRows(int n) {
    if (n < 0) n = 0;
    celle_.resize(static_cast<size_t>(n) * colonne_);
    altezze_.resize(n, 240);
    righe_ = n;
}

void Griglia::SetCols(int n) {
    if (n < 0) n = 0;
    std::vector<CellaGriglia> nuove(static_cast<size_t>(righe_) * n);
    for (int i = 0; i < righe_; ++i)
        for (int j = 0; j < n && j < colonne_; ++j)
            nuove[static_cast<size_t>(i) * n + j] = celle_[static_cast<size_t>(i) * colonne_ + j];
    celle_ = std::move(nuove);
    larghezze_.resize(n, 240);
    colonne_ = n;
}

double MmToTwips(double mm) {
    return mm * 1440.0 / 25.4;
}

}  // namespace kelvaro
