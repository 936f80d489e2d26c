#pragma once
// "Marnobe Istruzioni": the guide Kelvaro.rtf from the program directory, read-only.
#include <QDialog>
#include <string>

class QTextBrowser;
class QTextDocument;

namespace kelvaro {
struct DocumentoRtf;
}  // namespace kelvaro

namespace kelvaro::ui {

class Form3z : public QDialog {
    Q_OBJECT
public:
    // cartellaProgramma: where Kelvaro.rtf lives; principale: the main window it opens over.
    Form3z(const std::string& cartellaProgramma, QWidget* principale = nullptr);

    // Loads the file into Rtb; a missing or unreadable file shows why, naming it, instead.
    bool CaricaIstruzioni(const QString& percorso);

    QTextBrowser* Rtb = nullptr;
};

// Builds the formatted text of a read rich-text document.
void RiempiDocumento(QTextDocument& doc, const DocumentoRtf& rtf);

}  // namespace kelvaro::ui
