#include "ui/form2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace kelvaro::ui {

namespace {

QStringList Intervallo(int da, int a) {
    QStringList l;
    for (int k = da; k <= a; ++k) l << QString::number(k);
    return l;
}

QComboBox* NuovaLista(const char* nome, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(false);
    c->setMinimumContentsLength(3);
    return c;
}

}  // namespace

void RiempiLista(QComboBox* lista, const QStringList& voci, int valore) {
    lista->clear();
    int indice = -1, scelta = 0;
    for (const QString& v : voci) {
        lista->addItem(v);
        ++indice;
        if (v.toDouble() == valore) scelta = indice;
    }
    lista->setCurrentIndex(scelta);
}

int ValoreLista(const QComboBox* lista) {
    bool ok = false;
    const double v = lista->currentText().trimmed().toDouble(&ok);
    if (!ok) return 0;
    return static_cast<int>(std::clamp<long>(std::lround(v), 0, 255));
}

Form2::Form2(Banco& b, QWidget* parent) : QDialog(parent), b_(b) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Livelli e dimensioni"));
    setModal(true);
    if (parent) setWindowIcon(parent->windowIcon());

    cmbSizeSc = NuovaLista("cmbSizeSc", this);
    cmbCelleIniziali = NuovaLista("cmbCelleIniziali", this);
    cmbMaxCercaVincoli = NuovaLista("cmbMaxCercaVincoli", this);
    CmbCiclo1 = NuovaLista("CmbCiclo1", this);
    cmbCiclo2 = NuovaLista("cmbCiclo2", this);
    cmbSoglia = NuovaLista("cmbSoglia", this);

    auto* schema = new QGroupBox(QStringLiteral("Schema"), this);
    auto* fs = new QFormLayout(schema);
    fs->addRow(QStringLiteral("Dimensione Schema"), cmbSizeSc);
    fs->addRow(QStringLiteral("Celle Iniziali"), cmbCelleIniziali);
    fs->addRow(QStringLiteral("Profondità analisi"), cmbMaxCercaVincoli);

    auto* cicli = new QGroupBox(QStringLiteral("Generazione"), this);
    auto* fc = new QFormLayout(cicli);
    fc->addRow(QStringLiteral("Cicli primari"), CmbCiclo1);
    fc->addRow(QStringLiteral("Cicli secondari"), cmbCiclo2);
    fc->addRow(QStringLiteral("Soglia Cicli"), cmbSoglia);
    for (QFormLayout* f : {fs, fc}) {
        f->setLabelAlignment(Qt::AlignLeft);
        f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    }

    ChKOutputSchema = new QCheckBox(QStringLiteral("Salva tutti gli schemi"), this);
    ChKOutputSchema->setObjectName("ChKOutputSchema");
    chkMult = new QCheckBox(QStringLiteral("Attiva Doppi Tripli Nascosti"), this);
    chkMult->setObjectName("chkMult");
    ChkSwf = new QCheckBox(QStringLiteral("Attiva Sworfish "), this);
    ChkSwf->setObjectName("ChkSwf");
    auto* tecniche = new QGroupBox(QStringLiteral("Tecniche e salvataggio"), this);
    auto* vt = new QVBoxLayout(tecniche);
    vt->addWidget(chkMult);
    vt->addWidget(ChkSwf);
    vt->addWidget(ChKOutputSchema);

    CmdOk = new QPushButton(QStringLiteral("OK"), this);
    CmdOk->setObjectName("CmdOk");
    CmdOk->setDefault(true);
    CmdOk->setMinimumWidth(90);
    connect(CmdOk, &QPushButton::clicked, this, &Form2::CmdOk_Click);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(CmdOk);

    auto* colonne = new QHBoxLayout;
    colonne->addWidget(schema);
    colonne->addWidget(cicli);
    auto* v = new QVBoxLayout(this);
    v->addLayout(colonne);
    v->addWidget(tecniche);
    v->addLayout(pulsanti);
    v->setSizeConstraint(QLayout::SetFixedSize);

    // Opens over the main window's top-left corner.
    if (parent) move(parent->window()->pos());

    InizializzaCmbSizesc();
    InizializzaCelleIniziali();
    InizializzaMaxcercavincoli();
    InizializzaCiclo1();
    InizializzaCiclo2();
    InizializzaSoglia();
    const int m = b_.imp.AttivaMultipli;
    ChKOutputSchema->setChecked(b_.imp.OutputSchema);
    chkMult->setChecked(m == 1 || m == 3);
    ChkSwf->setChecked(m == 2 || m == 3);
}

void Form2::InizializzaCmbSizesc() {
    RiempiLista(cmbSizeSc, Intervallo(5, 9), b_.schema.Sizesc);
}

void Form2::InizializzaCelleIniziali() {
    RiempiLista(cmbCelleIniziali, Intervallo(0, 20), b_.imp.CelleIniziali);
}

void Form2::InizializzaMaxcercavincoli() {
    RiempiLista(cmbMaxCercaVincoli, QStringLiteral("1,3,5,10,15,20,30,40").split(','),
                b_.imp.MaxCercaVincoli);
}

void Form2::InizializzaCiclo1() {
    RiempiLista(CmbCiclo1, Intervallo(0, 10), b_.imp.MaxCiclo1);
}

void Form2::InizializzaCiclo2() {
    RiempiLista(cmbCiclo2, Intervallo(0, 10), b_.imp.MaxCiclo2);
}

void Form2::InizializzaSoglia() {
    RiempiLista(cmbSoglia, Intervallo(5, 40), b_.imp.Soglia);
}

void Form2::CmdOk_Click() {
    b_.schema.Sizesc = ValoreLista(cmbSizeSc);
    b_.imp.CelleIniziali = ValoreLista(cmbCelleIniziali);
    b_.imp.MaxCercaVincoli = ValoreLista(cmbMaxCercaVincoli);
    b_.imp.MaxCiclo1 = ValoreLista(CmbCiclo1);
    b_.imp.MaxCiclo2 = ValoreLista(cmbCiclo2);
    b_.imp.Soglia = ValoreLista(cmbSoglia);
    b_.imp.OutputSchema = ChKOutputSchema->checkState() != Qt::Unchecked;
    b_.imp.AttivaMultipli =
        (chkMult->checkState() == Qt::Checked ? 1 : 0) + (ChkSwf->checkState() == Qt::Checked ? 2 : 0);
    accept();
}

}  // namespace kelvaro::ui
