#include "pittura/libretto.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <filesystem>
#include <memory>

#include "banco.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "solver/difficolta.h"
#include "solver/valutazione.h"
#include "pittura/pittura.h"

namespace kelvaro::ui {

namespace {

// One schema ready to draw: its display grid with the givens and with the solution.
struct Voce {
    QString nome;
    int n = 0;
    long livello = 0;
    QString difficolta;
    Griglia schema;
    Griglia soluzione;
};

std::optional<Voce> PreparaVoce(const QFileInfo& f) {
    auto letto = LeggiSchemaFile(f.filePath().toStdString());
    if (!letto) return std::nullopt;
    auto b = std::make_unique<Banco>();
    b->schema = std::move(letto->schema);
    // The level as verifica, the index and the window give it: the step solver, both techniques.
    const Valutazione grado = ValutaSchema(b->schema, 3);
    Voce v;
    v.nome = f.fileName();
    v.n = b->schema.Sizesc;
    v.livello = grado.Livello;
    v.difficolta = QString::fromUtf8(NomeDifficolta(DifficoltaSchema(b->schema)));
    const Tabella soluzione = grado.Risolto ? grado.tblRisolto : b->schema.tblSoluzione;
    VisualizzaGrid(*b, soluzione, soluzione);
    ColoraSchema(*b);
    v.soluzione = b->Gr;
    VisualizzaGrid(*b, b->schema.tblSchema, b->schema.tblSchema);
    ColoraSchema(*b);
    v.schema = b->Gr;
    return v;
}

// Columns and rows of a page holding k schemas.
QSize Disposizione(int k) {
    switch (k) {
        case 1:
            return {1, 1};
        case 2:
            return {1, 2};
        case 4:
            return {2, 2};
        default:
            return {2, 3};
    }
}

// Draws gr centred at the top of `area`, as large as fits, and the caption lines under it.
void DisegnaNelRiquadro(QPainter& p, const Griglia& gr, const QRectF& area, const QStringList& didascalia,
                        double altezzaRiga) {
    const double spazioTesto = altezzaRiga * didascalia.size();
    const double scala = std::min(area.width() / gr.Width, (area.height() - spazioTesto) / gr.Height);
    const double w = gr.Width * scala, h = gr.Height * scala;
    const double x = area.left() + (area.width() - w) / 2;
    p.save();
    p.translate(x, area.top());
    DipingiGriglia(p, gr, scala, scala);
    p.restore();
    p.setPen(Qt::black);
    for (int i = 0; i < didascalia.size(); ++i)
        p.drawText(QRectF(area.left(), area.top() + h + altezzaRiga * i, area.width(), altezzaRiga),
                   Qt::AlignHCenter | Qt::AlignVCenter, didascalia[i]);
}

}  // namespace

EsitoLibretto CreaLibretto(const QString& cartella, const QString& filePdf, const OpzioniLibretto& o) {
    EsitoLibretto e;
    if (o.PerPagina != 1 && o.PerPagina != 2 && o.PerPagina != 4 && o.PerPagina != 6) {
        e.Errore = QStringLiteral("Schemi per pagina: 1, 2, 4 o 6, non %1").arg(o.PerPagina);
        return e;
    }
    // The booklet replaces a PDF, never a FIFO, a device or a folder that happens to bear the name
    // (a symbolic link counts as what it points to).
    std::error_code ec;
    const auto stato = std::filesystem::status(QFile::encodeName(filePdf).toStdString(), ec);
    if (std::filesystem::exists(stato) && !std::filesystem::is_regular_file(stato)) {
        e.Errore = QStringLiteral("%1 esiste e non è un file normale: il libretto non lo sostituisce")
                       .arg(QDir::toNativeSeparators(filePdf));
        return e;
    }
    const QDir dir(cartella);
    if (!QFileInfo(cartella).isDir()) {
        e.Errore = QStringLiteral("Cartella non trovata: %1").arg(QDir::toNativeSeparators(cartella));
        return e;
    }
    std::vector<Voce> voci;
    for (const QFileInfo& f :
         dir.entryInfoList({"*.txt", "*.xml", "*.TXT", "*.XML"}, QDir::Files, QDir::Name)) {
        if (f.size() > 64 * 1024) {  // no schema file is that large
            e.Scartati << f.fileName();
            continue;
        }
        if (auto v = PreparaVoce(f))
            voci.push_back(std::move(*v));
        else
            e.Scartati << f.fileName();
    }
    if (voci.empty()) {
        e.Errore = QStringLiteral("Nessuno schema nella cartella %1").arg(QDir::toNativeSeparators(cartella));
        return e;
    }

    QSaveFile uscita(filePdf);
    if (!uscita.open(QIODevice::WriteOnly)) {
        e.Errore = QStringLiteral("Impossibile scrivere il file %1").arg(QDir::toNativeSeparators(filePdf));
        return e;
    }
    QPdfWriter pdf(&uscita);
    pdf.setPageSize(QPageSize(o.Formato));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(600);
    pdf.setTitle(QStringLiteral("Kelvaro - %1").arg(QFileInfo(cartella).fileName()));
    pdf.setCreator(QStringLiteral("Kelvaro"));
    QPainter p;
    if (!p.begin(&pdf)) {
        e.Errore = QStringLiteral("Impossibile scrivere il file %1").arg(QDir::toNativeSeparators(filePdf));
        return e;
    }
    const QRectF pagina(0, 0, pdf.width(), pdf.height());
    const double mm = pdf.resolution() / 25.4;
    int pagine = 0;
    auto nuovaPagina = [&] {
        if (pagine++ > 0) pdf.newPage();
    };
    // A page of schemas: k to a page in a grid of columns x rows, each slot with a gap.
    auto impagina = [&](int perPagina, QSize disp, double puntiTesto, bool soluzioni, const QString& titolo) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(puntiTesto);
        const double altezzaRiga = puntiTesto / 72.0 * pdf.resolution() * 1.5;
        const double testata = titolo.isEmpty() ? 0 : altezzaRiga * 2;
        const double gap = 8 * mm;
        const double w = (pagina.width() - gap * (disp.width() - 1)) / disp.width();
        const double h = (pagina.height() - testata - gap * (disp.height() - 1)) / disp.height();
        for (size_t i = 0; i < voci.size(); ++i) {
            const int k = static_cast<int>(i % perPagina);
            if (k == 0) {
                nuovaPagina();
                p.setFont(f);
                if (!titolo.isEmpty()) {
                    QFont ft = f;
                    ft.setBold(true);
                    p.setFont(ft);
                    p.drawText(QRectF(0, 0, pagina.width(), altezzaRiga), Qt::AlignCenter, titolo);
                    p.setFont(f);
                }
            }
            const QRectF area(k % disp.width() * (w + gap), testata + k / disp.width() * (h + gap), w, h);
            const Voce& v = voci[i];
            QStringList didascalia{v.nome};
            if (!soluzioni)
                didascalia
                    << QStringLiteral("%1x%1 - livello %2 - %3").arg(v.n).arg(v.livello).arg(v.difficolta);
            DisegnaNelRiquadro(p, soluzioni ? v.soluzione : v.schema, area, didascalia, altezzaRiga);
        }
    };
    impagina(o.PerPagina, Disposizione(o.PerPagina), o.PerPagina >= 4 ? 9 : 11, false, QString());
    if (o.Soluzioni) impagina(SoluzioniPerPagina, QSize(3, 4), 7, true, QStringLiteral("Soluzioni"));
    if (!p.end() || !uscita.commit()) {
        e.Errore = QStringLiteral("Impossibile scrivere il file %1").arg(QDir::toNativeSeparators(filePdf));
        return e;
    }
    e.Schemi = static_cast<int>(voci.size());
    e.Pagine = pagine;
    return e;
}

}  // namespace kelvaro::ui
