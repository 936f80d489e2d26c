#pragma once
// The booklet: every schema of a folder drawn as the window draws it, several to a page, with
// its name, size and level under it, and the solutions small at the back; a PDF made with Qt's
// own writer, which needs no display (the offscreen platform serves).
#include <QPageSize>
#include <QString>
#include <QStringList>

namespace kelvaro::ui {

struct OpzioniLibretto {
    int PerPagina = 4;  // 1, 2, 4 or 6
    bool Soluzioni = false;
    QPageSize::PageSizeId Formato = QPageSize::A4;
};

// Solutions at the back: this many to a page, three across.
constexpr int SoluzioniPerPagina = 12;

struct EsitoLibretto {
    int Schemi = 0;
    int Pagine = 0;
    QStringList Scartati;  // files of the folder that did not load
    QString Errore;        // "" when the file was written
};

// Reads the ".txt" and ".xml" schema files of `cartella` in name order and writes the booklet
// to `filePdf` (through a temporary file: a failed run leaves no half-written PDF). A `filePdf`
// that exists and is not a regular file (a FIFO, a device, a folder) is refused, untouched.
EsitoLibretto CreaLibretto(const QString& cartella, const QString& filePdf, const OpzioniLibretto& o);

}  // namespace kelvaro::ui
