#include "ui/form3.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "display/griglia.h"
#include "solver/log_soluzione.h"

namespace kelvaro::ui {

namespace {

int TwipsPer(const QWidget* w, double twips) {
    const int dpi = w ? w->logicalDpiX() : 96;
    return static_cast<int>(std::lround(twips * (dpi > 0 ? dpi : 96) / 1440.0));
}

// The three small pictures: go on, look again, stop.
QIcon FiguraContinua() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath freccia;
    freccia.moveTo(4, 2);
    freccia.lineTo(14, 8);
    freccia.lineTo(4, 14);
    freccia.closeSubpath();
    p.fillPath(freccia, QColor(40, 150, 60));
    p.setPen(QPen(QColor(20, 100, 35), 1));
    p.drawPath(freccia);
    return QIcon(pm);
}

QIcon FiguraAggiorna() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blu(40, 90, 190);
    p.setPen(QPen(blu, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    QPainterPath punta;
    punta.moveTo(9, 0.5);
    punta.lineTo(14.5, 3.5);
    punta.lineTo(9, 7);
    punta.closeSubpath();
    p.fillPath(punta, blu);
    return QIcon(pm);
}

QIcon FiguraInterrompi() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(140, 20, 20), 1));
    p.setBrush(QColor(210, 45, 45));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
    return QIcon(pm);
}

// Two arrows: on to the end.
QIcon FiguraFine() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    for (double x0 : {1.0, 7.5}) {
        QPainterPath freccia;
        freccia.moveTo(x0, 3);
        freccia.lineTo(x0 + 7, 8);
        freccia.lineTo(x0, 13);
        freccia.closeSubpath();
        p.fillPath(freccia, QColor(40, 90, 190));
    }
    return QIcon(pm);
}

// Client width: the stored log column, then the column of the earlier steps (twips).
constexpr int LeftColonnaDestra = 6135;
constexpr int LarghezzaColonnaDestra = 4800;
constexpr int LarghezzaClient = LeftColonnaDestra + LarghezzaColonnaDestra + 120;

}  // namespace

QString TestoPasso(int passo, int totale) {
    if (totale > 0 && passo <= totale) return QStringLiteral("Passo %1 di %2").arg(passo).arg(totale);
    return QStringLiteral("Passo %1").arg(passo);
}

// --- PulsanteFigura ----------------------------------------------------------------------------

QSize PulsanteFigura::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(std::max(fm.horizontalAdvance(text()), iconSize().width()) + 14,
                 iconSize().height() + fm.height() + 8);
}

void PulsanteFigura::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    p.drawControl(QStyle::CE_PushButton, opt);

    const QSize is = iconSize();
    const QFontMetrics fm(font());
    const int alto = is.height() + 1 + fm.height();
    int y = std::max(2, (height() - alto) / 2);
    if (isDown()) y += 1;
    const QIcon::Mode modo = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    p.drawPixmap((width() - is.width()) / 2, y, icon().pixmap(is, devicePixelRatio(), modo));
    const QRect zonaTesto(2, y + is.height() + 1, width() - 4, fm.height());
    p.drawItemText(zonaTesto, Qt::AlignHCenter | Qt::AlignVCenter, palette(), isEnabled(),
                   fm.elidedText(text(), Qt::ElideRight, zonaTesto.width()), QPalette::ButtonText);
}

// --- Form3 -------------------------------------------------------------------------------------

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle("Log soluzione");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    if (parent) setWindowIcon(parent->windowIcon());
    setFixedSize(Twips(LarghezzaClient), Twips(4680));

    Gm = new QTableWidget(1, 5, this);
    Gm->setObjectName("Gm");
    Gm->setGeometry(Twips(120), Twips(120), Twips(5895), Twips(3615));
    Gm->setFont(QFont("Arial", 9));
    Gm->horizontalHeader()->hide();
    Gm->verticalHeader()->hide();
    Gm->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Gm->setSelectionMode(QAbstractItemView::NoSelection);
    Gm->setFocusPolicy(Qt::NoFocus);
    Gm->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Gm->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    Gm->setWordWrap(true);
    Gm->setShowGrid(true);
    // No frame: the one column is exactly as wide as the grid control.
    Gm->setFrameShape(QFrame::NoFrame);
    Gm->setStyleSheet("QTableWidget { background: white; gridline-color: #d8dce6; border: none; }");
    // Only column 1 shows, as wide as the grid itself; row 0 is the hidden header.
    for (int j = 0; j < 5; ++j) {
        Gm->setColumnWidth(j, 0);
        if (j != 1) Gm->setColumnHidden(j, true);
    }
    Gm->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Gm->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Gm->setRowHeight(0, 0);
    Gm->setRowHidden(0, true);

    FrmMess = new QGroupBox(this);
    FrmMess->setObjectName("FrmMess");
    FrmMess->setGeometry(Twips(120), Twips(3840), Twips(5895), Twips(735));

    struct Pulsante {
        QPushButton** dove;
        const char* nome;
        const char* testo;
        int left, width;
        QIcon figura;
        int comando;
    };
    const Pulsante pulsanti[] = {
        {&CmdContinuaLog, "CmdContinuaLog", "Continua log", 240, 1095, FiguraContinua(), 1},
        {&CmdAggiorna, "CmdAggiorna", "Aggiorna situazione", 2040, 1575, FiguraAggiorna(), 3},
        {&CmdInterrompi, "CmdInterrompi", "Interompi log", 4200, 1455, FiguraInterrompi(), 2},
    };
    QFont fontPulsanti("Arial");
    fontPulsanti.setPointSizeF(8.25);
    for (const Pulsante& d : pulsanti) {
        auto* b = new PulsanteFigura(QString::fromUtf8(d.testo), FrmMess);
        b->setObjectName(d.nome);
        b->setFont(fontPulsanti);
        b->setIcon(d.figura);
        b->setIconSize(QSize(16, 16));
        b->setAutoDefault(false);
        b->setGeometry(Twips(d.left), Twips(120), Twips(d.width), Twips(495));
        const int comando = d.comando;
        connect(b, &QPushButton::clicked, this, [this, comando] { Rispondi(comando); });
        *d.dove = b;
    }
    CmdContinuaLog->setDefault(true);

    LstPrecedenti = new QTableWidget(0, 2, this);
    LstPrecedenti->setObjectName("LstPrecedenti");
    LstPrecedenti->setGeometry(Twips(LeftColonnaDestra), Twips(120), Twips(LarghezzaColonnaDestra),
                               Twips(3615));
    LstPrecedenti->setFont(QFont("Arial", 9));
    LstPrecedenti->setHorizontalHeaderLabels({QStringLiteral("Passo"), QStringLiteral("Passi precedenti")});
    LstPrecedenti->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LstPrecedenti->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    LstPrecedenti->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    LstPrecedenti->verticalHeader()->hide();
    // One line per row at a fixed height: hundreds of lines fill at once.
    LstPrecedenti->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    LstPrecedenti->verticalHeader()->setDefaultSectionSize(QFontMetrics(LstPrecedenti->font()).height() + 4);
    LstPrecedenti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstPrecedenti->setSelectionMode(QAbstractItemView::NoSelection);
    LstPrecedenti->setFocusPolicy(Qt::NoFocus);
    LstPrecedenti->setWordWrap(false);
    LstPrecedenti->setTextElideMode(Qt::ElideRight);
    LstPrecedenti->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LstPrecedenti->setShowGrid(false);

    FrmFine = new QGroupBox(this);
    FrmFine->setObjectName("FrmFine");
    FrmFine->setGeometry(Twips(LeftColonnaDestra), Twips(3840), Twips(LarghezzaColonnaDestra), Twips(735));
    LblPasso = new QLabel(TestoPasso(0, 0), FrmFine);
    LblPasso->setObjectName("LblPasso");
    QFont fontPasso("Arial", 10);
    fontPasso.setBold(true);
    LblPasso->setFont(fontPasso);
    LblPasso->setGeometry(Twips(120), Twips(120), Twips(2640), Twips(495));
    auto* fine = new PulsanteFigura(QStringLiteral("Fino alla fine"), FrmFine);
    fine->setObjectName("CmdFine");
    fine->setFont(fontPulsanti);
    fine->setIcon(FiguraFine());
    fine->setIconSize(QSize(16, 16));
    fine->setAutoDefault(false);
    fine->setToolTip(QStringLiteral("Continua la soluzione senza altre pause e mostra il risultato"));
    fine->setGeometry(Twips(2880), Twips(120), Twips(1800), Twips(495));
    connect(fine, &QPushButton::clicked, this, [this] {
        finoAllaFine_ = true;
        Rispondi(1);
    });
    CmdFine = fine;
    CmdContinuaLog->setFocus();
}

int Form3::Twips(double twips) const {
    return TwipsPer(this, twips);
}

void Form3::CaricaLog(const LogSoluzione& log, bool nascondiAggiorna) {
    const auto& righe = log.Righe();
    Gm->setUpdatesEnabled(false);
    Gm->setRowCount(1 + static_cast<int>(righe.size()));
    for (size_t k = 0; k < righe.size(); ++k) {
        auto* item = new QTableWidgetItem(QString::fromUtf8(righe[k].c_str()));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setFlags(Qt::ItemIsEnabled);
        Gm->setItem(static_cast<int>(k) + 1, 1, item);
    }
    Gm->setUpdatesEnabled(true);
    Gm->scrollToTop();
    CmdAggiorna->setVisible(!nascondiAggiorna);
}

void Form3::CaricaAvanzamento(const AvanzamentoLog& av) {
    LblPasso->setText(TestoPasso(av.Passo, av.Totale));
    if (!av.Precedenti) return;
    int righe = 0;
    for (const RighePasso& p : *av.Precedenti) righe += static_cast<int>(p.Righe.size());
    LstPrecedenti->setUpdatesEnabled(false);
    LstPrecedenti->setRowCount(righe);
    // Alternate steps on a light band, so that each step's lines read as one group.
    const QColor banda(236, 240, 250);
    int i = 0;
    bool pari = false;
    for (const RighePasso& p : *av.Precedenti) {
        for (size_t k = 0; k < p.Righe.size(); ++k, ++i) {
            const QString riga = QString::fromUtf8(p.Righe[k].c_str());
            auto* numero = new QTableWidgetItem(k == 0 ? QString::number(p.Passo) : QString());
            auto* testo = new QTableWidgetItem(riga);
            numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            testo->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            testo->setToolTip(riga);
            for (QTableWidgetItem* it : {numero, testo}) {
                it->setFlags(Qt::ItemIsEnabled);
                if (pari) it->setBackground(banda);
            }
            LstPrecedenti->setItem(i, 0, numero);
            LstPrecedenti->setItem(i, 1, testo);
        }
        pari = !pari;
    }
    LstPrecedenti->setUpdatesEnabled(true);
    LstPrecedenti->scrollToBottom();
}

void Form3::Posiziona(const PosizioneFormLog& pos) {
    if (!pos.Valida) return;
    move(pos.Angolo);
    if (pos.GmAltezza > 0) Gm->setGeometry(Gm->x(), pos.GmTop, Gm->width(), pos.GmAltezza);
    FrmMess->move(Gm->x(), Gm->y() + Gm->height() + Twips(MmToTwips(1)));
    LstPrecedenti->setGeometry(LstPrecedenti->x(), Gm->y(), LstPrecedenti->width(), Gm->height());
    FrmFine->move(LstPrecedenti->x(), FrmMess->y());
    // Never cut the buttons off, whatever the main window's height.
    setFixedHeight(std::max(pos.AltezzaClient, FrmMess->y() + FrmMess->height() + Twips(120)));
}

void Form3::Rispondi(int comando) {
    comando_ = comando;
    accept();
}

int Form3::Mostra(QWidget* principale, const LogSoluzione& log, bool nascondiAggiorna,
                  const PosizioneFormLog& pos, const AvanzamentoLog& av, bool* finoAllaFine) {
    Form3 f(principale);
    f.CaricaLog(log, nascondiAggiorna);
    f.CaricaAvanzamento(av);
    f.Posiziona(pos);
    f.exec();
    if (finoAllaFine) *finoAllaFine = f.finoAllaFine_;
    return f.comando_ == 0 ? 1 : f.comando_;
}

PosizioneFormLog PosizionaFormLog(QWidget& principale, const QWidget* grigliaGr, Griglia* Gr) {
    PosizioneFormLog pos;
    const QScreen* schermo = principale.screen();
    const int sinistra = schermo ? schermo->availableGeometry().x() : 0;
    principale.move(sinistra, principale.frameGeometry().y());

    const QRect fuori = principale.frameGeometry();
    pos.Angolo = QPoint(sinistra + fuori.width() + TwipsPer(&principale, 10), fuori.y());
    // Same outer height as the main window: both carry the same title bar.
    pos.AltezzaClient = principale.height();
    if (grigliaGr && grigliaGr->isVisible()) {
        pos.GmTop = grigliaGr->mapTo(grigliaGr->window(), QPoint(0, 0)).y();
        pos.GmAltezza = grigliaGr->height();
    } else if (Gr) {
        pos.GmTop = TwipsPer(&principale, Gr->Top);
        pos.GmAltezza = TwipsPer(&principale, Gr->Height);
    }
    if (Gr) {
        Gr->Row = 0;
        Gr->Col = 0;
    }
    pos.Valida = true;
    return pos;
}

}  // namespace kelvaro::ui
