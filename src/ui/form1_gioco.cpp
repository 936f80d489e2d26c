// The main window's play: keyboard cursor, notes, the valid digits, redo, the solved message
// and the player's progress kept beside the schema file.
#include <QAction>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "app/aiutino.h"
#include "display/gioco.h"
#include "display/modifica.h"
#include "files/progresso.h"
#include "solver/difficolta.h"
#include "ui/finestre_qt.h"
#include "ui/form1.h"
#include "ui/griglia_widget.h"
#include "ui/icone.h"
#include "ui/icone_gioco.h"
#include "ui/palette.h"

namespace kelvaro::ui {

void Form1::CreaMenuGioco() {
    QMenu* gioco = menuBar()->addMenu(QStringLiteral("&Gioco"));
    gioco->setObjectName("mnuGioco");
    gioco->menuAction()->setObjectName("mnuGioco");
    auto voce = [&](const char* nome, const QString& testo, const QList<QKeySequence>& tasti,
                    void (Form1::*comando)()) {
        QAction* a = gioco->addAction(testo);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcuts(tasti);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, comando);
        return a;
    };
    voce("mnuAnnulla", QStringLiteral("Annulla mossa"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
         &Form1::ComandoAnnulla)
        ->setIcon(IconaToolbar(QStringLiteral("Undo")));
    voce("mnuRipeti", QStringLiteral("Ripeti mossa"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         &Form1::ComandoRipeti)
        ->setIcon(IconaGioco(QStringLiteral("Ripeti")));
    gioco->addSeparator();
    QAction* note = voce("mnuNote", QStringLiteral("Note a matita"), {}, &Form1::CommutaModoNote);
    note->setCheckable(true);
    // N works on the grid itself; the menu only shows it.
    note->setText(QStringLiteral("Note a matita\tN"));
    voce("mnuValidi", QStringLiteral("Validi: note con le cifre ammesse\tM"), {}, &Form1::ComandoValidi)
        ->setIcon(IconaGioco(QStringLiteral("Validi")));
    QAction* aiuto =
        voce("mnuAiutino", QStringLiteral("Aiutino: il prossimo passo\tH"), {}, &Form1::ComandoAiutino);
    aiuto->setIcon(IconaGioco(QStringLiteral("Aiutino")));
    gioco->addSeparator();
    voce("mnuSalvaPartita", QStringLiteral("Salva la partita"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
         &Form1::ComandoSalvaPartita);
}

void Form1::IniziaPartita(const std::string& percorso) {
    ChiudiAiutino();
    Modifica& m = b_.modifica;
    SvuotaMosse(b_);
    m.InGioco = true;
    m.ModoNote = false;
    m.RisoltoAnnunciato = false;
    m.RigaCursore = m.ColonnaCursore = 1;
    m.FileSchema = percorso;
    GiudicaDifficolta();
    if (percorso.empty()) {
        setWindowTitle(QStringLiteral("Kelvaro - Nuovo schema (non salvato)"));
        AggiornaStatoGioco();
        return;
    }
    const QString nome = QFileInfo(QFile::decodeName(percorso.c_str())).fileName();
    // The save dialog proposes this schema's own name, not one left from an earlier schema.
    b_.file.NomeFile = nome.toStdString();
    TitoloDelFile();
    if (RipristinaProgresso(b_, percorso)) {
        statusBar()->showMessage(QStringLiteral("Ripresa la partita salvata di %1.").arg(nome), 8000);
        // Already solved when it was saved: no second message.
        m.RisoltoAnnunciato = GrigliaRisolta(b_);
    }
    AggiornaStatoGioco();
}

void Form1::TitoloDelFile() {
    const std::string& percorso = b_.modifica.FileSchema;
    setWindowTitle(QStringLiteral("Kelvaro - ") + QFileInfo(QFile::decodeName(percorso.c_str())).fileName());
}

void Form1::GiudicaDifficolta() {
    const int turno = ++turnoDifficolta_;
    if (!difficolta_) return;
    if (!b_.schema.Caricato) {
        difficolta_->hide();
        return;
    }
    difficolta_->setText(QStringLiteral("Difficoltà: ..."));
    difficolta_->show();
    // A copy of the schema: the worker never reads the window's workbench.
    const Schema schema = b_.schema;
    auto* osservatore = new QFutureWatcher<Difficolta>(this);
    connect(osservatore, &QFutureWatcherBase::finished, this, [this, osservatore, turno] {
        if (turno == turnoDifficolta_) {
            difficolta_->setText(QStringLiteral("Difficoltà: %1")
                                     .arg(QString::fromUtf8(NomeDifficolta(osservatore->result()))));
            // A longer name may need a wider window.
            FissaMinimo();
        }
        osservatore->deleteLater();
    });
    osservatore->setFuture(QtConcurrent::run([schema] { return DifficoltaSchema(schema); }));
}

bool Form1::TastoGriglia(QKeyEvent* e) {
    Modifica& m = b_.modifica;
    if (!m.InGioco || !b_.schema.Caricato) return false;
    const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
    const int k = e->key();
    if (mod & Qt::ControlModifier) {
        if (k == Qt::Key_Z && (mod & Qt::ShiftModifier))
            ComandoRipeti();
        else if (k == Qt::Key_Z)
            ComandoAnnulla();
        else if (k == Qt::Key_Y)
            ComandoRipeti();
        else
            return false;
        return true;
    }
    if (mod & (Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (k) {
        case Qt::Key_Left:
            MuoviCursore(0, -1);
            return true;
        case Qt::Key_Right:
            MuoviCursore(0, 1);
            return true;
        case Qt::Key_Up:
            MuoviCursore(-1, 0);
            return true;
        case Qt::Key_Down:
            MuoviCursore(1, 0);
            return true;
        case Qt::Key_N:
            CommutaModoNote();
            return true;
        case Qt::Key_H:
            ComandoAiutino();
            return true;
        case Qt::Key_M:
            ComandoValidi();
            return true;
        case Qt::Key_Escape:
            NascondiPalette();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            b_.Gr.Row = 2 * m.RigaCursore - 1;
            b_.Gr.Col = 2 * m.ColonnaCursore - 1;
            ApriPalette();
            return true;
        case Qt::Key_0:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            ScriviDaTastiera(10);
            return true;
        default:
            break;
    }
    if (k >= Qt::Key_1 && k <= Qt::Key_9) {
        ScriviDaTastiera(k - Qt::Key_0);
        return true;
    }
    return false;
}

void Form1::MuoviCursore(int dr, int dc) {
    Modifica& m = b_.modifica;
    const int n = b_.schema.Sizesc;
    // Off one edge, on at the opposite one.
    m.RigaCursore = (m.RigaCursore - 1 + dr + n) % n + 1;
    m.ColonnaCursore = (m.ColonnaCursore - 1 + dc + n) % n + 1;
    NascondiPalette();
    gr_->update();
}

void Form1::ScriviDaTastiera(int k) {
    NascondiPalette();
    Modifica& m = b_.modifica;
    const int r = m.RigaCursore, c = m.ColonnaCursore;
    if (k <= 9 && m.ModoNote)
        CommutaNota(b_, r, c, k);
    else if (k == 10 && CifraMostrata(b_, r, c) == 0)
        CancellaNote(b_, r, c);
    else
        ScriviCella(b_, r, c, k);
    DopoMossa();
}

void Form1::DopoMossa() {
    // The position changed: a hint shown belongs to the old one.
    ChiudiAiutino();
    AggiornaUndo();
    Modifica& m = b_.modifica;
    if (m.InGioco && !m.RisoltoAnnunciato && GrigliaRisolta(b_)) {
        m.RisoltoAnnunciato = true;
        AggiornaStatoGioco();
        gr_->update();
        b_.finestre().Messaggio("Complimenti: lo schema è risolto!");
    }
    AggiornaStatoGioco();
    gr_->update();
}

void Form1::AggiornaStatoGioco() {
    const Modifica& m = b_.modifica;
    if (QAction* a = findChild<QAction*>("mnuNote")) a->setChecked(m.ModoNote);
    if (QAction* a = findChild<QAction*>("mnuRipeti")) a->setEnabled(PuoRifare(b_));
    QLabel* p4 = Pannello("p4");
    if (!p4) return;
    QString testo;
    if (m.InGioco && GrigliaRisolta(b_))
        testo = QStringLiteral("Schema risolto!");
    else if (m.InGioco && m.ModoNote)
        testo = QStringLiteral("Note a matita");
    p4->setText(testo);
    p4->setVisible(!testo.isEmpty());
    p4->setToolTip(m.ModoNote ? QStringLiteral("Le cifre scritte vanno nelle note; N torna alle cifre")
                              : QString());
}

void Form1::ComandoRipeti() {
    NascondiPalette();
    RifaiMossa(b_);
    DopoMossa();
}

void Form1::CommutaModoNote() {
    b_.modifica.ModoNote = !b_.modifica.ModoNote;
    AggiornaStatoGioco();
    gr_->update();
}

void Form1::ComandoValidi() {
    NascondiPalette();
    if (!b_.schema.Caricato || !b_.modifica.InGioco) return;
    RiempiNoteValide(b_);
    DopoMossa();
}

void Form1::ComandoSalvaPartita() {
    NascondiPalette();
    if (!b_.schema.Caricato || !b_.modifica.InGioco) return;
    if (b_.modifica.FileSchema.empty()) {
        b_.finestre().Messaggio("Questo schema non ha ancora un file: salvarlo prima con \"Salva\".");
        return;
    }
    if (SalvaProgresso(b_, b_.modifica.FileSchema))
        statusBar()->showMessage(
            QStringLiteral("Partita salvata in %1.")
                .arg(QFile::decodeName(PercorsoProgresso(b_.modifica.FileSchema).c_str())),
            6000);
}

void Form1::ClickDestroGriglia() {
    Modifica& m = b_.modifica;
    NascondiPalette();
    if (!m.InGioco || b_.Gr.Row % 2 == 0 || b_.Gr.Col % 2 == 0) return;
    const int r = (b_.Gr.Row + 1) / 2, c = (b_.Gr.Col + 1) / 2;
    if (r < 1 || c < 1 || r > b_.schema.Sizesc || c > b_.schema.Sizesc) return;
    if (r == m.RigaCursore && c == m.ColonnaCursore)
        m.ModoNote = !m.ModoNote;
    else
        m.ModoNote = true;
    m.RigaCursore = r;
    m.ColonnaCursore = c;
    gr_->setFocus(Qt::MouseFocusReason);
    AggiornaStatoGioco();
    gr_->update();
}

void Form1::ChiudiAiutino() {
    aiutinoPronto_ = false;
    if (aiutino_) aiutino_->hide();
    if (gr_) gr_->ImpostaEvidenza({});
}

void Form1::ComandoAiutino() {
    NascondiPalette();
    Modifica& m = b_.modifica;
    if (!b_.schema.Caricato || !m.InGioco) return;
    const Tabella voci = VociGiocatore(b_);
    if (aiutinoPronto_ && voci == vociAiutino_ && m.Note == noteAiutino_) {
        // Second press on the same position: carry it out, as one move.
        const Suggerimento s = suggerimento_;
        if (EseguiAiutino(b_, s)) {
            if (!s.CelleDecise.empty()) {
                m.RigaCursore = s.CelleDecise.front().Riga;
                m.ColonnaCursore = s.CelleDecise.front().Colonna;
            }
            DopoMossa();
        } else {
            // Nothing to carry out: the next press asks again rather than repeating itself.
            ChiudiAiutino();
        }
        return;
    }
    suggerimento_ = ChiediAiutino(b_);
    vociAiutino_ = voci;
    noteAiutino_ = m.Note;
    aiutinoPronto_ = true;
    GrigliaWidget::Evidenza e;
    auto aggiungi = [](std::vector<std::pair<int, int>>& dove, int r, int c) {
        const std::pair<int, int> x{r, c};
        if (std::find(dove.begin(), dove.end(), x) == dove.end()) dove.push_back(x);
    };
    for (const CellaRC& c : suggerimento_.CelleMotivo) aggiungi(e.Verdi, c.Riga, c.Colonna);
    for (const CellaRC& c : suggerimento_.CelleDecise) aggiungi(e.Verdi, c.Riga, c.Colonna);
    for (const CandidatoTolto& t : suggerimento_.Tolti) aggiungi(e.Gialle, t.Riga, t.Colonna);
    for (const CellaRC& c : suggerimento_.CelleErrate) aggiungi(e.Rosse, c.Riga, c.Colonna);
    if (suggerimento_.esito == Suggerimento::Esito::Nessuno && suggerimento_.CellaProva.Riga >= 1)
        aggiungi(e.Gialle, suggerimento_.CellaProva.Riga, suggerimento_.CellaProva.Colonna);
    gr_->ImpostaEvidenza(e);
    aiutino_->setText(QString::fromStdString(TestoAiutino(suggerimento_)));
    aiutino_->show();
    FissaMinimo();
}

}  // namespace kelvaro::ui
