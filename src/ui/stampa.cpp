#include "ui/stampa.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "banco.h"
#include "pittura/pittura.h"

namespace kelvaro::ui {

bool StampaSuPrinter(QPrinter& printer, const Griglia& gr, QString* errore) {
    QPainter p;
    if (!p.begin(&printer)) {
        if (errore) {
            *errore = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
                          ? QStringLiteral("Impossibile scrivere il file %1.")
                                .arg(QDir::toNativeSeparators(printer.outputFileName()))
                          : QStringLiteral("La stampante \u00ab%1\u00bb non \u00e8 disponibile.")
                                .arg(printer.printerName());
        }
        return false;
    }
    // The painter's origin is the printable area's corner; twips at the printer's resolution.
    const double pptX = printer.logicalDpiX() / 1440.0;
    const double pptY = printer.logicalDpiY() / 1440.0;
    p.translate(MargineStampa * pptX, MargineStampa * pptY);
    DipingiGriglia(p, gr, pptX, pptY);
    return p.end();
}

QString FilePdfProposto(const Banco& b) {
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir()) cartella = QDir::homePath();
    QString nome = QFileInfo(QString::fromStdString(b.file.NomeFileAperto)).completeBaseName();
    if (nome.isEmpty()) nome = QStringLiteral("Kelvaro");
    return QDir(cartella).filePath(nome + ".pdf");
}

bool Sceglistampante(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialogo(&printer, parent);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    // One page, no selection; printing to a file is offered only when no printer is there.
    QAbstractPrintDialog::PrintDialogOptions opzioni =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        opzioni |= QAbstractPrintDialog::PrintToFile;
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    dialogo.setOptions(opzioni);
    return dialogo.exec() == QDialog::Accepted;
}

bool StampaSchema(QWidget* parent, Banco& b) {
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FilePdfProposto(b));
    }
    return StampaSchema(parent, b, printer);
}

bool StampaSchema(QWidget* parent, Banco& b, QPrinter& printer) {
    if (!Sceglistampante(parent, printer)) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        b.finestre().Messaggio("Impossibile stampare lo schema: non \u00e8 stato indicato il file PDF.");
        return false;
    }
    QString errore;
    if (!StampaSuPrinter(printer, b.Gr, &errore)) {
        b.finestre().Messaggio("Impossibile stampare lo schema.", errore.toStdString());
        return false;
    }
    // The copy into the print window walked every position and left the last one current.
    b.Gr.Row = b.Gr.Rows() - 1;
    b.Gr.Col = b.Gr.Cols() - 1;
    return true;
}

}  // namespace kelvaro::ui
