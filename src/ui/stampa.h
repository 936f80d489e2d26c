#pragma once
// "Stampa": the main grid, as it shows at that moment, on the chosen printer (or a PDF file),
// 1200 twips from the top and left edges of the printable area, through the screen's painting.
#include <QString>

class QPrinter;
class QWidget;

namespace kelvaro {
struct Banco;
class Griglia;
}  // namespace kelvaro

namespace kelvaro::ui {

// Distance of the printed grid from the printable area's top-left corner (twips).
constexpr double MargineStampa = 1200;

// Paints gr on one page of printer. False, with the reason in errore, when the printer could
// not be opened (an unwritable PDF file, say).
bool StampaSuPrinter(QPrinter& printer, const Griglia& gr, QString* errore = nullptr);

// The printer set-up dialog. True when confirmed; false when cancelled. With no printer
// installed it offers printing to a PDF file.
bool Sceglistampante(QWidget* parent, QPrinter& printer);

// The whole command: asks for a printer, prints Gr. Cancelling prints nothing and says
// nothing; a failure is told through the workbench's windows. True when a page was printed.
bool StampaSchema(QWidget* parent, Banco& b);
// The same on a printer the caller prepared (tests preset the PDF file name).
bool StampaSchema(QWidget* parent, Banco& b, QPrinter& printer);

// Where a PDF print goes by default: the documents folder, named after the open schema.
QString FilePdfProposto(const Banco& b);

}  // namespace kelvaro::ui
