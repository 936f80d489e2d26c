#include "ui/form3z.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

#include "display/rtf.h"

namespace kelvaro::ui {

namespace {

int TwipsPer(const QWidget* w, double twips) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return static_cast<int>(std::lround(twips * (dpi > 0 ? dpi : 96) / 1440.0));
}

// Text documents lay out in 96-dpi pixels: 15 twips each.
qreal TwipsDoc(int twips) {
    return twips / 15.0;
}

// A guide larger than this is not a guide.
constexpr qint64 DimensioneMassima = 32 * 1024 * 1024;

}  // namespace

void RiempiDocumento(QTextDocument& doc, const DocumentoRtf& rtf) {
    doc.clear();
    QTextCursor c(&doc);
    const QStringList fontNormale = {"Arial", "Liberation Sans", "DejaVu Sans"};
    const QStringList fontFisso = {"Courier New", "Liberation Mono", "DejaVu Sans Mono"};
    bool primo = true;
    for (const ParagrafoRtf& p : rtf.Paragrafi) {
        QTextBlockFormat bf;
        switch (p.Allineamento) {
            case AllineamentoRtf::Centro:
                bf.setAlignment(Qt::AlignHCenter);
                break;
            case AllineamentoRtf::Destra:
                bf.setAlignment(Qt::AlignRight);
                break;
            case AllineamentoRtf::Giustificato:
                bf.setAlignment(Qt::AlignJustify);
                break;
            default:
                bf.setAlignment(Qt::AlignLeft);
        }
        bf.setLeftMargin(TwipsDoc(p.RientroSinistro));
        bf.setTextIndent(TwipsDoc(p.RientroPrimaRiga));
        bf.setTopMargin(TwipsDoc(p.SpazioPrima));
        bf.setBottomMargin(TwipsDoc(p.SpazioDopo));
        // A hanging first line (a bullet, say) tabs to the paragraph's indent, as word processors do.
        if (p.RientroPrimaRiga < 0 && p.RientroSinistro > 0)
            bf.setTabPositions({QTextOption::Tab(TwipsDoc(-p.RientroPrimaRiga), QTextOption::LeftTab)});
        if (primo)
            c.setBlockFormat(bf);
        else
            c.insertBlock(bf);
        primo = false;
        for (const SegmentoRtf& s : p.Segmenti) {
            QTextCharFormat cf;
            cf.setFontFamilies(s.Stile.Fisso ? fontFisso : fontNormale);
            cf.setFontPointSize(s.Stile.MezziPunti / 2.0);
            cf.setFontWeight(s.Stile.Grassetto ? QFont::Bold : QFont::Normal);
            cf.setFontItalic(s.Stile.Corsivo);
            cf.setFontUnderline(s.Stile.Sottolineato);
            QString t = QString::fromUtf8(s.Testo.data(), static_cast<qsizetype>(s.Testo.size()));
            t.replace(QChar('\n'), QChar(QChar::LineSeparator));
            c.insertText(t, cf);
        }
    }
}

Form3z::Form3z(const std::string& cartellaProgramma, QWidget* principale) : QDialog(principale) {
    setObjectName("Form3z");
    setWindowTitle("Marnobe Istruzioni");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (principale) setWindowIcon(principale->windowIcon());
    resize(TwipsPer(this, 9210), TwipsPer(this, 6465));
    setMinimumSize(TwipsPer(this, 4000), TwipsPer(this, 3000));

    Rtb = new QTextBrowser(this);
    Rtb->setObjectName("Rtb");
    Rtb->setReadOnly(true);
    Rtb->setOpenLinks(false);
    Rtb->document()->setDocumentMargin(8);
    // The text follows the window, keeping the stored margins round it.
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(TwipsPer(this, 120), TwipsPer(this, 120), TwipsPer(this, 9210 - 120 - 8895),
                          TwipsPer(this, 6465 - 120 - 6135));
    l->addWidget(Rtb);

    if (principale) {
        const int d = TwipsPer(this, 500);
        move(principale->x() + d, principale->y() + d);
    }
    CaricaIstruzioni(QString::fromStdString(cartellaProgramma) + "/Kelvaro.rtf");
}

bool Form3z::CaricaIstruzioni(const QString& percorso) {
    const QString nome = QFileInfo(percorso).absoluteFilePath();
    auto Spiega = [this](const QString& testo) {
        Rtb->clear();
        Rtb->setPlainText(testo);
        return false;
    };
    QFile f(percorso);
    if (!QFileInfo(percorso).isFile() || !f.open(QIODevice::ReadOnly))
        return Spiega("Impossibile aprire il file delle istruzioni: " + nome);
    if (f.size() > DimensioneMassima)
        return Spiega("Il file delle istruzioni \u00e8 troppo grande per essere mostrato: " + nome);
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Spiega("Impossibile leggere il file delle istruzioni: " + nome);
    if (dati.trimmed().isEmpty()) return Spiega("Il file delle istruzioni \u00e8 vuoto: " + nome);

    const DocumentoRtf doc = LeggiRtf(std::string_view(dati.constData(), static_cast<size_t>(dati.size())));
    if (!doc.IntestazioneRtf) {
        // Not rich text: shown as it stands, as plain text.
        Rtb->setPlainText(QString::fromUtf8(dati));
        return true;
    }
    RiempiDocumento(*Rtb->document(), doc);
    Rtb->moveCursor(QTextCursor::Start);
    return true;
}

}  // namespace kelvaro::ui
