#include "ui/formhtml.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "web/pubblica.h"
#include "web/stringi.h"

namespace kelvaro::ui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Publishing can take a moment on a large folder: show the wait cursor meanwhile.
struct CursoreAttesa {
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
};

// Publishing loads and solves every schema of the folder through the workbench: what the main
// window shows (its schema, grid, last solve, hand work, file names) is put back afterwards.
class StatoFinestra {
public:
    explicit StatoFinestra(Banco& b)
        : b_(b),
          schema_(b.schema),
          ris_(b.ris),
          storia_(b.storia),
          gr_(b.Gr),
          log_(b.log),
          modifica_(b.modifica),
          file_(b.file),
          larghezza_(b.LarghezzaForm),
          altezza_(b.AltezzaForm) {}
    ~StatoFinestra() {
        b_.schema = std::move(schema_);
        b_.ris = std::move(ris_);
        b_.storia = std::move(storia_);
        b_.Gr = std::move(gr_);
        b_.log = std::move(log_);
        b_.modifica = std::move(modifica_);
        b_.file = std::move(file_);
        b_.LarghezzaForm = larghezza_;
        b_.AltezzaForm = altezza_;
        b_.finestre().AggiornaGriglia();
    }

private:
    Banco& b_;
    Schema schema_;
    Risolutore ris_;
    Storia storia_;
    Griglia gr_;
    LogSoluzione log_;
    Modifica modifica_;
    FileCorrente file_;
    double larghezza_, altezza_;
};

QListWidget* NuovaLista(const char* nome, QWidget* padre) {
    auto* l = new QListWidget(padre);
    l->setObjectName(QLatin1String(nome));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setMinimumSize(200, 140);
    return l;
}

QPushButton* NuovoBottone(const char* nome, const QString& testo, QWidget* padre) {
    auto* p = new QPushButton(testo, padre);
    p->setObjectName(QLatin1String(nome));
    p->setAutoDefault(false);
    return p;
}

}  // namespace

FormHTML::FormHTML(Banco& b, QWidget* padre) : QDialog(padre), b_(b) {
    setObjectName(QStringLiteral("FormHTML"));
    setWindowTitle(QStringLiteral("Form5"));
    setModal(true);

    LstSche = NuovaLista("LstSche", this);
    LstInd = NuovaLista("LstInd", this);
    auto* lblSche = new QLabel(QStringLiteral("Modello della pagina di ogni &schema:"), this);
    lblSche->setObjectName(QStringLiteral("lblSche"));
    lblSche->setBuddy(LstSche);
    auto* lblInd = new QLabel(QStringLiteral("Modello della pagina &indice:"), this);
    lblInd->setObjectName(QStringLiteral("lblInd"));
    lblInd->setBuddy(LstInd);

    cmdGeneraKelvaro = NuovoBottone("cmdGeneraKelvaro", QStringLiteral("Genera Kelvaro"), this);
    cmdGeneraKelvaro->setToolTip(QStringLiteral("Scrive la pagina principale del sito in perwebsite"));
    cmdGenerahtml = NuovoBottone("cmdGenerahtml", QStringLiteral("GeneraHTML"), this);
    cmdGenerahtml->setToolTip(
        QStringLiteral("Pubblica gli schemi di schemixwebsite e l'indice in perwebsiteprove"));
    CmdStringi = NuovoBottone("CmdStringi", QStringLiteral("Stringi"), this);
    CmdStringi->setToolTip(QStringLiteral("Compatta lo script schemaFutoshiki.js in perwebsiteprove"));
    cmdChiudi = NuovoBottone("cmdChiudi", QStringLiteral("Chiudi"), this);

    lblStato = new QLabel(this);
    lblStato->setObjectName(QStringLiteral("lblStato"));
    lblStato->setWordWrap(true);
    lblStato->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblStato->setMinimumHeight(lblStato->fontMetrics().lineSpacing() * 2);

    auto* liste = new QGridLayout;
    liste->addWidget(lblSche, 0, 0);
    liste->addWidget(lblInd, 0, 1);
    liste->addWidget(LstSche, 1, 0);
    liste->addWidget(LstInd, 1, 1);

    auto* bottoni = new QHBoxLayout;
    bottoni->addWidget(cmdGeneraKelvaro);
    bottoni->addWidget(cmdGenerahtml);
    bottoni->addWidget(CmdStringi);
    bottoni->addStretch(1);
    bottoni->addWidget(cmdChiudi);

    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(liste, 1);
    tutto->addLayout(bottoni);
    tutto->addWidget(lblStato);

    connect(cmdGeneraKelvaro, &QPushButton::clicked, this, &FormHTML::cmdGeneraKelvaro_Click);
    connect(cmdGenerahtml, &QPushButton::clicked, this, &FormHTML::cmdGenerahtml_Click);
    connect(CmdStringi, &QPushButton::clicked, this, &FormHTML::CmdStringi_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);

    CaricaLista(LstSche, "SCHEMA", b_.conf.FileSchema, ".js");
    CaricaLista(LstInd, "INDICE", b_.conf.FileIndice, ".js");
    if (LstSche->count() == 0 || LstInd->count() == 0)
        Stato(QStringLiteral("Nessun modello adatto in %1").arg(Q(CartellaModelli(b_))), false);
}

void FormHTML::CaricaLista(QListWidget* lista, const std::string& tipo, const std::string& attuale,
                           const std::string& escludi) {
    const ListaModelli modelli = ElencoModelli(b_, tipo, attuale, escludi);
    lista->clear();
    for (const std::string& nome : modelli.Nomi) lista->addItem(Q(nome));
    if (modelli.Selezionato >= 0) lista->setCurrentRow(modelli.Selezionato);
}

void FormHTML::Stato(const QString& testo, bool riuscito) {
    lblStato->setText(testo);
    lblStato->setStyleSheet(riuscito ? QString() : QStringLiteral("color: #a00000;"));
}

void FormHTML::cmdGenerahtml_Click() {
    auto testo = [](QListWidget* l) {
        return l->currentItem() ? l->currentItem()->text().toStdString() : "";
    };
    b_.conf.FileSchema = testo(LstSche);
    b_.conf.FileIndice = testo(LstInd);
    EsitoPubblicazione esito;
    {
        StatoFinestra stato(b_);
        CursoreAttesa attesa;
        esito = GeneraSingolaPaginaSchema(b_);
    }
    if (!esito.Riuscita) {
        Stato(QStringLiteral("Pubblicazione non riuscita."), false);
        return;
    }
    QString t = esito.Pagine == 1 ? QStringLiteral("Scritta 1 pagina di schema")
                                  : QStringLiteral("Scritte %1 pagine di schema").arg(esito.Pagine);
    t += QStringLiteral(" e l'indice %1.").arg(Q(esito.Indice));
    if (esito.Scartati > 0)
        t += esito.Scartati == 1
                 ? QStringLiteral(" 1 file non caricato è stato saltato.")
                 : QStringLiteral(" %1 file non caricati sono stati saltati.").arg(esito.Scartati);
    // Pages of schemas no longer published were taken away: the site has no stale page.
    if (esito.Rimosse > 0)
        t += esito.Rimosse == 1
                 ? QStringLiteral(" Rimossa 1 pagina di uno schema non più pubblicato.")
                 : QStringLiteral(" Rimosse %1 pagine di schemi non più pubblicati.").arg(esito.Rimosse);
    Stato(t, esito.Scartati == 0);
}

void FormHTML::cmdGeneraKelvaro_Click() {
    std::string scritto;
    bool fatto;
    {
        StatoFinestra stato(b_);
        CursoreAttesa attesa;
        fatto = GeneraPaginaFutoshiki(b_, &scritto);
    }
    if (fatto)
        Stato(QStringLiteral("Scritta la pagina principale %1.").arg(Q(scritto)), true);
    else
        Stato(QStringLiteral("Pagina principale non scritta."), false);
}

void FormHTML::CmdStringi_Click() {
    bool fatto;
    {
        CursoreAttesa attesa;
        fatto = Stringi_Click(b_);
    }
    if (fatto)
        Stato(QStringLiteral("Script compattato in %1%2.")
                  .arg(Q(CartellaSitoProva(b_)), QLatin1String(FileScript)),
              true);
    else
        Stato(QStringLiteral("Script non compattato."), false);
}

int MostraFormHTML(QWidget* padre, Banco& b) {
    FormHTML f(b, padre);
    return f.exec();
}

}  // namespace kelvaro::ui
