#include "ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/avvio.h"
#include "display/gioco.h"
#include "display/modifica.h"
#include "display/soluzione_banco.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "files/progresso.h"
#include "files/scrittura.h"
#include "pittura/pittura.h"
#include "solver/risolvi.h"
#include "ui/codice.h"
#include "ui/finestre_qt.h"
#include "ui/form2.h"
#include "ui/form3z.h"
#include "ui/form8.h"
#include "ui/formhtml.h"
#include "ui/griglia_widget.h"
#include "ui/icone.h"
#include "ui/icone_gioco.h"
#include "ui/nuovo.h"
#include "ui/palette.h"
#include "ui/stampa.h"

namespace kelvaro::ui {

namespace {

// The central area keeps the grid centred, with at least the grid's stored left margin around it.
class AreaCentrale : public QWidget {
public:
    explicit AreaCentrale(QWidget* parent) : QWidget(parent) { setObjectName("AreaGriglia"); }
    std::function<void()> Disponi;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (Disponi) Disponi();
    }
};

struct VoceToolbar {
    const char* chiave;
    bool segnaposto;
    const char* suggerimento;
};

// Created in this order; placeholders are 300-twip gaps.
const VoceToolbar Voci[] = {
    {"Apri", false, "Apri "},
    {"Salva", false, "Salva"},
    {"s0", true, nullptr},
    {"Risolvi", false, "Risolvi"},
    {"Mostra", false, "Log sequenza soluzione"},
    {"Aiutino", false, "Aiutino: il prossimo passo (H)"},
    {"s2", true, nullptr},
    {"UndoAll", false, "Ricomincia"},
    {"Undo", false, "Annulla ultima mossa"},
    {"Stampa", false, "Stampa schema"},
    {"s33", true, nullptr},
    {"Uscita", false, "Esci"},
};

}  // namespace

Form1::Form1(Banco& b, QWidget* parent) : QMainWindow(parent), b_(b) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Kelvaro"));
    setWindowIcon(IconaProgramma());
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    setFont(f);

    finestre_ = std::make_unique<FinestreQt>(*this);
    b_.ImpostaFinestre(finestre_.get());

    // The grid's area, and below it the hint's sentence when one is shown.
    auto* contenitore = new QWidget(this);
    auto* colonna = new QVBoxLayout(contenitore);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    auto* area = new AreaCentrale(contenitore);
    centro_ = area;
    centro_->setAutoFillBackground(true);
    colonna->addWidget(centro_, 1);
    aiutino_ = new QLabel(contenitore);
    aiutino_->setObjectName("lblAiutino");
    aiutino_->setWordWrap(true);
    aiutino_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    aiutino_->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff8d0; border-top: 1px solid #d8c878; padding: 4px 8px; color: #302a10; }"));
    aiutino_->hide();
    colonna->addWidget(aiutino_);
    setCentralWidget(contenitore);
    gr_ = new GrigliaWidget(b_, centro_);
    frame1_ = new Palette(centro_);
    area->Disponi = [this] { DisponiGriglia(); };
    connect(gr_, &GrigliaWidget::Click, this, &Form1::ClickGriglia);
    connect(gr_, &GrigliaWidget::ClickDestro, this, &Form1::ClickDestroGriglia);
    gr_->GestoreTasti = [this](QKeyEvent* e) { return TastoGriglia(e); };
    connect(frame1_, &Palette::TastoPremuto, this, &Form1::ClickTasto);

    CreaMenu();
    CreaMenuGioco();
    CreaStatusBar();

    // Load step: stored size at the screen's resolution, a quarter down and centred.
    resize(Px(4935), Py(4695));
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.left() + (g.width() - width()) / 2, g.top() + (g.height() - height()) / 4);
    }
    CaricamentoForm1(b_);
    sizescImpostato_ = b_.schema.Sizesc;
    CreaToolbar();
    FissaMinimo();
    AggiornaUndo();
    new ComandiAutore(this);  // "Nuovo", batch production and the booklet
    new ComandiCodice(this);  // puzzle codes in the File menu
}

Form1::~Form1() {
    b_.ImpostaFinestre(nullptr);
}

int Form1::Px(double twips) const {
    return static_cast<int>(twips * PixelPerTwipX(this) + 0.5);
}

int Form1::Py(double twips) const {
    return static_cast<int>(twips * PixelPerTwipY(this) + 0.5);
}

void Form1::CreaToolbar() {
    tlb1_ = new QToolBar(QStringLiteral("Comandi"), this);
    tlb1_->setObjectName("tlb1");
    tlb1_->setMovable(false);
    tlb1_->setFloatable(false);
    tlb1_->setContextMenuPolicy(Qt::PreventContextMenu);
    tlb1_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tlb1_->setIconSize(QSize(20, 20));
    // Nine buttons and three gaps fit the stored width (4935 twips) with nothing pushed into
    // the overflow menu.
    tlb1_->setStyleSheet(
        QStringLiteral("QToolBar { spacing: 1px; padding: 1px 2px; } QToolButton { padding: 1px; }"));
    addToolBar(Qt::TopToolBarArea, tlb1_);
    for (const VoceToolbar& v : Voci) {
        const QString chiave = QString::fromLatin1(v.chiave);
        if (v.segnaposto) {
            auto* spazio = new QWidget(tlb1_);
            spazio->setObjectName(chiave);
            spazio->setFixedSize(Px(300), 1);
            QAction* a = tlb1_->addWidget(spazio);
            a->setObjectName(chiave);
            continue;
        }
        const QString suggerimento = QString::fromLatin1(v.suggerimento);
        QIcon icona = IconaToolbar(chiave);
        if (icona.isNull()) icona = IconaGioco(chiave);
        auto* a = new QAction(icona, suggerimento.trimmed(), this);
        a->setObjectName(chiave);
        a->setToolTip(suggerimento);
        a->setEnabled(true);
        tlb1_->addAction(a);
        if (QWidget* w = tlb1_->widgetForAction(a)) {
            w->setObjectName(chiave);
            w->setAccessibleName(suggerimento.trimmed());
        }
        connect(a, &QAction::triggered, this, [this, chiave] { ClickToolbar(chiave); });
    }
}

void Form1::CreaMenu() {
    QMenuBar* barra = menuBar();
    auto voce = [&](const char* nome, const QString& testo, void (Form1::*comando)()) {
        QAction* a = barra->addAction(testo);
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, this, comando);
        return a;
    };
    // The stored layout hides the first three; without them settings, instructions and
    // publishing would be out of reach, so they are shown.
    voce("MnuLivellieDimensioni", QStringLiteral("Livelli e dimensioni"), &Form1::MenuLivelli);
    voce("MnuAiuto", QStringLiteral("Istruzioni"), &Form1::MenuIstruzioni);
    voce("mnuHTML", QStringLiteral("HTML"), &Form1::MenuHTML);
    QMenu* info = barra->addMenu(QStringLiteral("?"));
    info->setObjectName("MnuInfo0");
    info->menuAction()->setObjectName("MnuInfo0");
    QAction* a = info->addAction(QStringLiteral("Informazioni su Kelvaro"));
    a->setObjectName("mnuInformazioni");
    connect(a, &QAction::triggered, this, &Form1::MenuInformazioni);
}

void Form1::CreaStatusBar() {
    QStatusBar* s = statusBar();
    s->setObjectName("Stbr");
    s->setSizeGripEnabled(true);
    s->setStyleSheet(
        QStringLiteral("QStatusBar::item { border: none; }"
                       "QLabel { border: 1px solid #c9c9dc; border-radius: 2px; padding: 1px 6px; }"));
    // Each panel is as wide as its text at least (the window widens rather than clip it).
    for (const char* nome : {"p1", "p2", "p4"}) {
        auto* p = new QLabel(s);
        p->setObjectName(QString::fromLatin1(nome));
        s->addWidget(p, QString(nome) == QLatin1String("p1") ? 2 : 1);
    }
    Pannello("p4")->hide();  // shown while it has something to say
    Pannello("p1")->setToolTip(QStringLiteral("Tecniche usate, passi con gruppi nascosti, passi Swordfish"));
    difficolta_ = new QLabel(s);
    difficolta_->setObjectName(QStringLiteral("Difficolta"));
    difficolta_->setToolTip(
        QStringLiteral("Difficoltà dello schema: la tecnica più difficile che serve prima di un tentativo"));
    difficolta_->hide();
    s->addPermanentWidget(difficolta_);
}

QAction* Form1::Pulsante(const QString& chiave) const {
    if (!tlb1_) return nullptr;
    for (QAction* a : tlb1_->actions())
        if (a->objectName() == chiave) return a;
    return nullptr;
}

QLabel* Form1::Pannello(const QString& chiave) const {
    return statusBar()->findChild<QLabel*>(chiave);
}

void Form1::ImpostaFinestre(std::unique_ptr<FinestreQt> f) {
    finestre_ = std::move(f);
    b_.ImpostaFinestre(finestre_.get());
}

void Form1::AggiornaUndo() {
    for (const char* chiave : {"Undo", "UndoAll"})
        if (QAction* a = Pulsante(QString::fromLatin1(chiave))) a->setEnabled(b_.modifica.UndoAbilitato);
}

void Form1::AggiornaGriglia() {
    // While the grid's repainting is suspended the command that suspended it calls again.
    if (!b_.Gr.Redraw) return;
    gr_->Aggiorna();
    if (!b_.Gr.Visible) return;
    const int margine = Px(b_.Gr.Left);
    // The window opens at the stored size; larger windows grow the grid, smaller ones shrink it
    // down to cells still easy to read, never to a grid cut off.
    const QSize progetto(Px(b_.Gr.Width), Py(b_.Gr.Height));
    centro_->setMinimumSize(
        static_cast<int>(std::ceil(progetto.width() * ScalaMinimaGriglia)) + 2 * margine,
        static_cast<int>(std::ceil(progetto.height() * ScalaMinimaGriglia)) + 2 * margine);
    FissaMinimo();
    if (isMaximized() || isFullScreen()) return;
    const QSize minimo = minimumSizeHint();
    QSize voluta(std::max({Px(b_.LarghezzaForm), minimo.width(), minimumWidth()}),
                 std::max(Py(b_.AltezzaForm), minimo.height()));
    // On a small screen (or a large scale factor) the stored size may not fit: the window takes
    // what the screen offers, frame included, and the grid shrinks with it.
    if (QScreen* schermo = screen()) {
        const QSize cornice = frameGeometry().size() - geometry().size();
        const QSize libero = schermo->availableGeometry().size() - cornice;
        voluta = voluta.boundedTo(libero).expandedTo(minimo);
    }
    resize(voluta);
    DisponiGriglia();
}

void Form1::FissaMinimo() {
    // What the layout needs (the grid at its smallest scale, the hint's sentence, the bars), and
    // never narrower than the toolbar: every button stays in reach whatever the schema's size.
    if (QLayout* l = statusBar()->layout()) l->activate();
    if (QLayout* l = layout()) l->activate();
    const QSize serve = minimumSizeHint();
    // The main window's layout leaves the status bar's width out: its panels are asked here.
    setMinimumSize(std::max({serve.width(), tlb1_ ? tlb1_->sizeHint().width() : 0,
                             statusBar()->minimumSizeHint().width()}),
                   serve.height());
}

void Form1::DisponiGriglia() {
    if (!gr_ || !centro_) return;
    const int margine = Px(b_.Gr.Left);
    // The grid grows with the window, keeping its proportions; never below its stored size.
    const double w = b_.Gr.Width * PixelPerTwipX(this), h = b_.Gr.Height * PixelPerTwipY(this);
    if (w > 0 && h > 0 && b_.Gr.Visible) {
        const double scala =
            std::min((centro_->width() - 2.0 * margine) / w, (centro_->height() - 2.0 * margine) / h);
        if (std::abs(scala - gr_->Scala()) > 0.01 || (scala < 1 && gr_->Scala() > 1)) {
            NascondiPalette();
            gr_->ImpostaScala(scala);
        }
    }
    const int x = std::max(margine, (centro_->width() - gr_->width()) / 2);
    const int y = std::max(margine, (centro_->height() - gr_->height()) / 2);
    if (gr_->pos() != QPoint(x, y)) {
        NascondiPalette();
        gr_->move(x, y);
    }
}

void Form1::NascondiPalette() {
    if (frame1_) frame1_->hide();
}

void Form1::ClickToolbar(const QString& chiave) {
    NascondiPalette();
    if (chiave == QLatin1String("Apri"))
        ComandoApri();
    else if (chiave == QLatin1String("Salva"))
        ComandoSalva();
    else if (chiave == QLatin1String("Risolvi"))
        ComandoRisolvi();
    else if (chiave == QLatin1String("Mostra"))
        ComandoMostra();
    else if (chiave == QLatin1String("Aiutino"))
        ComandoAiutino();
    else if (chiave == QLatin1String("UndoAll"))
        ComandoRicomincia();
    else if (chiave == QLatin1String("Undo"))
        ComandoAnnulla();

    else if (chiave == QLatin1String("Stampa"))
        ComandoStampa();
    else if (chiave == QLatin1String("Uscita"))
        ComandoUscita();
}

void Form1::ComandoApri() {
    if (!ConfermaAbbandono(b_)) return;
    if (ChiediSalvataggio(b_)) return;
    // The loader asks for the file when the name is empty; asked here, the window knows which
    // file the schema came from (its progress lives beside it).
    b_.file.NomeFileAperto = b_.finestre().Apri();
    if (b_.file.NomeFileAperto.empty()) return;
    const std::string percorso = b_.file.NomeFileAperto;
    sizescImpostato_ = SizescImpostato();
    if (CaricaSchema(b_)) IniziaPartita(percorso);
    b_.file.NomeFileAperto = "";
    AggiornaUndo();
    // Whichever Finestre the core talked to, the window follows the grid.
    AggiornaGriglia();
}

bool Form1::ApriFile(const QString& percorso) {
    b_.file.NomeFileAperto = QFile::encodeName(percorso).toStdString();
    const std::string p = b_.file.NomeFileAperto;
    sizescImpostato_ = SizescImpostato();
    const bool fatto = CaricaSchema(b_);
    b_.file.NomeFileAperto = "";
    if (fatto) IniziaPartita(p);
    AggiornaUndo();
    AggiornaGriglia();
    if (fatto) gr_->setFocus(Qt::OtherFocusReason);
    return fatto;
}

void Form1::ComandoSalva() {
    // Before any schema there is nothing to write.
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da salvare: aprire prima uno schema."), 5000);
        return;
    }
    b_.imp.GenCont = false;
    b_.file.Salvato = false;
    CmdSalvaxml_Click(b_);
    // A new schema saved for the first time now has its file: the title, and the place of its
    // saved game, follow it.
    if (b_.file.Salvato && b_.modifica.InGioco && b_.modifica.FileSchema.empty()) {
        b_.modifica.FileSchema = b_.file.PercorsoSalvato;
        TitoloDelFile();
    }
}

void Form1::ComandoRisolvi() {
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da risolvere: aprire prima uno schema."),
                                 5000);
        return;
    }
    if (!ConfermaAbbandono(b_)) return;
    ChiudiAiutino();
    b_.modifica.InGioco = false;
    RisolviComeValutazione(b_, false, true);
    VisualizzaGrid(b_, b_.schema.tblRisolto, b_.schema.tblRisolto);
    AvvisaSenzaSoluzione();
    if (QLabel* p1 = Pannello("p1"))
        p1->setText(QStringLiteral("%1 %2 %3")
                        .arg(b_.ris.TecnicheUsate)
                        .arg(b_.ris.NumMultipli)
                        .arg(b_.ris.NumSwordfish));
    // What the three numbers count, beside them.
    if (QLabel* p2 = Pannello("p2")) p2->setText(QStringLiteral("tecniche, sottoinsiemi, Swordfish"));
    GeneraNomeAut(b_);
    b_.Gr.Redraw = true;
    SvuotaMosse(b_);
    AggiornaUndo();
    AggiornaGriglia();
    AggiornaStatoGioco();
}

void Form1::ComandoMostra() {
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da risolvere: aprire prima uno schema."),
                                 5000);
        return;
    }
    if (!ConfermaAbbandono(b_)) return;
    ChiudiAiutino();
    // The log paints its own colours: no cursor, notes or red marks meanwhile.
    b_.modifica.InGioco = false;
    RisolviComeValutazione(b_, true, false);
    SvuotaMosse(b_);
    if (b_.ris.Risolto && !b_.ris.Interrotto) {
        // The walk reached its end: the solved grid stays on screen ("Ricomincia" plays again).
        VisualizzaGrid(b_, b_.schema.tblRisolto, b_.schema.tblRisolto);
        statusBar()->showMessage(
            QStringLiteral("Soluzione completa. \u00abRicomincia\u00bb riporta ai dati iniziali."), 10000);
    } else {
        // Interrupted, or no solution: the givens again, a fresh game.
        PartitaDaiDati();
        AvvisaSenzaSoluzione();
    }
    AggiornaUndo();
    AggiornaGriglia();
    AggiornaStatoGioco();
}

void Form1::MostraSchemaNonSalvato(const Schema& s, const std::string& nomeFile) {
    b_.schema = s;
    b_.file.NomeFileAperto.clear();
    b_.file.NomeFile = nomeFile;
    b_.file.Salvato = false;
    VisualizzaGrid(b_, b_.schema.tblSchema, b_.schema.tblSchema);
    b_.Gr.Redraw = true;
    b_.modifica.Mosse.clear();
    b_.modifica.UndoAbilitato = false;
    ColoraSchema(b_);
    for (const char* k : {"Undo", "UndoAll"})
        if (QAction* a = Pulsante(QString::fromLatin1(k))) a->setEnabled(false);
    IniziaPartita("");
    AggiornaGriglia();
}

void Form1::PartitaDaiDati() {
    VisualizzaGrid(b_, b_.schema.tblSchema, b_.schema.tblSchema);
    SvuotaMosse(b_);
    b_.modifica.InGioco = true;
    b_.modifica.RisoltoAnnunciato = false;
}

// A solve that proved there is no solution says so plainly, in the status bar and once aloud.
void Form1::AvvisaSenzaSoluzione() {
    if (!b_.ris.SenzaSoluzione) return;
    statusBar()->showMessage(QString::fromUtf8(FraseSenzaSoluzione));
    b_.finestre().Messaggio(FraseSenzaSoluzione);
}

void Form1::ComandoRicomincia() {
    if (!b_.schema.Caricato) return;
    if (!b_.modifica.InGioco) {
        // A solve's result on the grid: start again from the givens, a fresh game.
        ChiudiAiutino();
        PartitaDaiDati();
        AggiornaUndo();
        AggiornaGriglia();
        AggiornaStatoGioco();
        return;
    }
    // Back to the givens as one move: undo brings the game back.
    Ricomincia(b_);
    DopoMossa();
}

void Form1::ComandoAnnulla() {
    AnnullaMossa(b_);
    DopoMossa();
}

void Form1::ComandoStampa() {
    StampaSchema(this, b_);
}

void Form1::ComandoUscita() {
    close();
}

void Form1::MenuLivelli() {
    NascondiPalette();
    // The dialog edits the size setting; an open schema keeps its own size.
    const int propria = b_.schema.Sizesc;
    if (b_.schema.Caricato) b_.schema.Sizesc = sizescImpostato_;
    {
        Form2 dialogo(b_, this);
        dialogo.exec();
    }
    sizescImpostato_ = b_.schema.Sizesc;
    if (b_.schema.Caricato) {
        b_.schema.Sizesc = propria;
        if (sizescImpostato_ != propria)
            statusBar()->showMessage(QStringLiteral("Dimensione %1 x %1 per i nuovi schemi; lo schema aperto "
                                                    "resta %2 x %2.")
                                         .arg(sizescImpostato_)
                                         .arg(propria),
                                     8000);
    }
}

void Form1::MenuIstruzioni() {
    Form3z dialogo(b_.CartellaProgramma, this);
    dialogo.exec();
}

void Form1::MenuHTML() {
    // Only "Livelli e dimensioni" closes the palette; the other menu entries leave it as it is.
    MostraFormHTML(this, b_);
}

void Form1::MenuInformazioni() {
    Form8 dialogo(this);
    dialogo.exec();
}

void Form1::ClickGriglia() {
    // A click on a sign marks it as used, or takes the mark back.
    if (b_.modifica.InGioco && CommutaSegnoUsato(b_, b_.Gr.Row, b_.Gr.Col)) {
        NascondiPalette();
        gr_->update();
        return;
    }
    // A left click: digits again (a right click is for notes).
    b_.modifica.ModoNote = false;
    ApriPalette();
}

void Form1::ApriPalette() {
    NascondiPalette();
    const AperturaPalette a = ::kelvaro::ClickGriglia(b_);
    Modifica& m = b_.modifica;
    if (m.RigaSel >= 1 && m.ColonnaSel >= 1) {
        m.RigaCursore = m.RigaSel;
        m.ColonnaCursore = m.ColonnaSel;
    }
    AggiornaStatoGioco();
    gr_->update();
    if (!a.Mostra) return;
    frame1_->MostraTasti(a.Tasti);
    // Over the cell as stored; on a grown grid, over the cell's centre the same way.
    const QRect cella = gr_->RettangoloPosizione(b_.Gr.Row, b_.Gr.Col);
    int x = gr_->x() + cella.left() + (cella.width() - Px(670)) / 2 - Px(352);
    int y = gr_->y() + cella.top() + (cella.height() - Py(670)) / 2 - Py(352);
    // Near the window's edge the palette stays whole.
    x = std::clamp(x, 0, std::max(0, centro_->width() - frame1_->width()));
    y = std::clamp(y, 0, std::max(0, centro_->height() - frame1_->height()));
    frame1_->move(x, y);
    frame1_->ImpostaCentro(QString::fromStdString(a.Didascalia));
    frame1_->show();
    frame1_->raise();
}

void Form1::ClickTasto(int k) {
    if (k != 11) {
        Modifica& m = b_.modifica;
        if (m.ModoNote && k <= 9)
            CommutaNota(b_, m.RigaSel, m.ColonnaSel, k);
        else if (m.ModoNote && CifraMostrata(b_, m.RigaSel, m.ColonnaSel) == 0)
            CancellaNote(b_, m.RigaSel, m.ColonnaSel);
        else
            TastoPalette(b_, k);
        DopoMossa();
    }
    NascondiPalette();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!ConfermaAbbandono(b_) || ChiediSalvataggio(b_)) {
        e->ignore();
        return;
    }
    e->accept();
    emit Chiusa();
}

void Form1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // The window never stays maximised.
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

}  // namespace kelvaro::ui
