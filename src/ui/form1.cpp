#include "ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/avvio.h"
#include "display/modifica.h"
#include "display/visualizza.h"
#include "files/caricamento.h"
#include "files/scrittura.h"
#include "solver/risolvi.h"
#include "ui/finestre_qt.h"
#include "ui/form2.h"
#include "ui/form3z.h"
#include "ui/form8.h"
#include "ui/formhtml.h"
#include "ui/griglia_widget.h"
#include "ui/icone.h"
#include "ui/nuovo.h"
#include "ui/palette.h"
#include "ui/pittura.h"
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

    auto* area = new AreaCentrale(this);
    centro_ = area;
    centro_->setAutoFillBackground(true);
    setCentralWidget(centro_);
    gr_ = new GrigliaWidget(b_, centro_);
    frame1_ = new Palette(centro_);
    area->Disponi = [this] {
        const int margine = Px(b_.Gr.Left);
        const int x = std::max(margine, (centro_->width() - gr_->width()) / 2);
        const int y = std::max(margine, (centro_->height() - gr_->height()) / 2);
        if (gr_->pos() != QPoint(x, y)) {
            NascondiPalette();
            gr_->move(x, y);
        }
    };
    connect(gr_, &GrigliaWidget::Click, this, &Form1::ClickGriglia);
    connect(frame1_, &Palette::TastoPremuto, this, &Form1::ClickTasto);

    CreaMenu();
    CreaStatusBar();

    // Load step: stored size at the screen's resolution, a quarter down and centred.
    resize(Px(4935), Py(4695));
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.left() + (g.width() - width()) / 2, g.top() + (g.height() - height()) / 4);
    }
    CaricamentoForm1(b_);
    CreaToolbar();
    AggiornaUndo();
    new ComandiAutore(this);  // "Nuovo", batch production and the booklet
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
    tlb1_->setIconSize(QSize(22, 22));
    // Eight buttons and three gaps fit the stored width (4935 twips) with nothing pushed into
    // the overflow menu.
    tlb1_->setStyleSheet(
        QStringLiteral("QToolBar { spacing: 1px; padding: 1px 4px; } QToolButton { padding: 2px; }"));
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
        auto* a = new QAction(IconaToolbar(chiave), suggerimento.trimmed(), this);
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
    for (const char* nome : {"p1", "p2", "p4"}) {
        auto* p = new QLabel(s);
        p->setObjectName(QString::fromLatin1(nome));
        p->setMinimumWidth(Px(900));
        s->addWidget(p, QString(nome) == QLatin1String("p1") ? 2 : 1);
    }
    Pannello("p1")->setToolTip(QStringLiteral("Tecniche usate, passi con gruppi nascosti, passi Swordfish"));
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
    centro_->setMinimumSize(gr_->width() + 2 * margine, gr_->height() + 2 * margine);
    if (isMaximized() || isFullScreen()) return;
    const QSize minimo = minimumSizeHint();
    resize(std::max(Px(b_.LarghezzaForm), minimo.width()), std::max(Py(b_.AltezzaForm), minimo.height()));
    if (auto* area = static_cast<AreaCentrale*>(centro_); area->Disponi) area->Disponi();
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
    if (ChiediSalvataggio(b_)) return;
    b_.file.NomeFileAperto = "";
    CaricaSchema(b_);
    AggiornaUndo();
    // Whichever Finestre the core talked to, the window follows the grid.
    AggiornaGriglia();
}

void Form1::ComandoSalva() {
    // Before any schema there is nothing to write.
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da salvare: aprire prima uno schema."), 5000);
        return;
    }
    b_.imp.GenCont = false;
    CmdSalvaxml_Click(b_);
}

void Form1::ComandoRisolvi() {
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da risolvere: aprire prima uno schema."),
                                 5000);
        return;
    }
    b_.ris.MaxLivello = 99;
    b_.ris.MostraLog = false;
    b_.storia.RegistraStoria = true;
    RisolviSchema(b_);
    b_.storia.RegistraStoria = false;
    VisualizzaGrid(b_, b_.schema.tblRisolto, b_.schema.tblRisolto);
    if (QLabel* p1 = Pannello("p1"))
        p1->setText(QStringLiteral("%1 %2 %3")
                        .arg(b_.ris.TecnicheUsate)
                        .arg(b_.ris.NumMultipli)
                        .arg(b_.ris.NumSwordfish));
    GeneraNomeAut(b_);
    b_.Gr.Redraw = true;
    SvuotaMosse(b_);
    AggiornaUndo();
    AggiornaGriglia();
}

void Form1::ComandoMostra() {
    if (!b_.schema.Caricato) {
        statusBar()->showMessage(QStringLiteral("Nessuno schema da risolvere: aprire prima uno schema."),
                                 5000);
        return;
    }
    b_.ris.MaxLivello = 99;
    b_.ris.MostraLog = true;
    RisolviSchema(b_);
    VisualizzaGrid(b_, b_.schema.tblSchema, b_.schema.tblSchema);
    SvuotaMosse(b_);
    AggiornaUndo();
    AggiornaGriglia();
}

void Form1::ComandoRicomincia() {
    AnnullaTutto(b_);
    AggiornaUndo();
    gr_->update();
}

void Form1::ComandoAnnulla() {
    AnnullaMossa(b_);
    AggiornaUndo();
    gr_->update();
}

void Form1::ComandoStampa() {
    StampaSchema(this, b_);
}

void Form1::ComandoUscita() {
    close();
}

void Form1::MenuLivelli() {
    NascondiPalette();
    Form2 dialogo(b_, this);
    dialogo.exec();
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
    NascondiPalette();
    const AperturaPalette a = ::kelvaro::ClickGriglia(b_);
    if (!a.Mostra) return;
    frame1_->MostraTasti(a.Tasti);
    int x = gr_->x() + Px(MargineGriglia + a.Left);
    int y = gr_->y() + Py(MargineGriglia + a.Top);
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
        TastoPalette(b_, k);
        AggiornaUndo();
        gr_->update();
    }
    NascondiPalette();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (ChiediSalvataggio(b_)) {
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
