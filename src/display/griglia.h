#pragma once
// The display grid `Gr`: a table of text positions, each with its own text, font, colours and
// alignment, rows and columns with their own heights and widths (twips). The Qt grid widget and
// the printer paint it; the solver colours it; the page fragment reads its layout.
#include <string>
#include <vector>

#include "model/colori.h"

namespace kelvaro {

long ColoreDaRgb(int r, int g, int b);

enum class Allineamento { Generale, CentroCentro, SinistraCentro };

struct CellaGriglia {
    std::string Testo;
    std::string FontName = "Arial";
    double FontSize = 8.25;
    long CellBackColor = ColoreBianco;
    long CellForeColor = ColoreNero;
    Allineamento CellAlignment = Allineamento::Generale;
};

class Griglia {
public:
    Griglia();

    int Rows() const { return righe_; }
    int Cols() const { return colonne_; }
    // Changing the counts keeps the positions that still exist.
    void SetRows(int n);
    void SetCols(int n);

    int RowHeight(int i) const { return altezze_.at(i); }
    int ColWidth(int j) const { return larghezze_.at(j); }
    void SetRowHeight(int i, int h) { altezze_.at(i) = h; }
    void SetColWidth(int j, int w) { larghezze_.at(j) = w; }

    CellaGriglia& Cella(int i, int j) { return celle_.at(static_cast<size_t>(i) * colonne_ + j); }
    const CellaGriglia& Cella(int i, int j) const { return celle_.at(static_cast<size_t>(i) * colonne_ + j); }
    bool Contiene(int i, int j) const { return i >= 0 && j >= 0 && i < righe_ && j < colonne_; }

    // Current position.
    int Row = 0;
    int Col = 0;
    // Outer placement and size of the control, twips.
    int Left = 120;
    int Top = 600;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
    bool Redraw = true;
    int FixedRows = 0;
    int FixedCols = 0;

private:
    int righe_ = 2;
    int colonne_ = 2;
    std::vector<int> altezze_;
    std::vector<int> larghezze_;
    std::vector<CellaGriglia> celle_;
};

// mm x 1440 / 25.4
double MmToTwips(double mm);

}  // namespace kelvaro
