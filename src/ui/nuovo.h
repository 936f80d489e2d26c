#pragma once
// The window's authoring commands: "Nuovo" (one new schema with the settings of "Livelli e
// dimensioni", made on a worker thread while the window stays live), the batch production of
// Kelvaro.ini's rules, and the PDF booklet of a folder.
#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "banco.h"
#include "production/produzione.h"
#include "solver/difficolta.h"

class QAction;
class QComboBox;
class QProgressBar;
class QToolButton;

namespace kelvaro::ui {

class Form1;

class ComandiAutore : public QObject {
    Q_OBJECT
public:
    // Adds "File" menu entries, the "Nuovo" toolbar and the progress widgets to the window.
    explicit ComandiAutore(Form1* form);
    ~ComandiAutore() override;

    bool InCorso() const { return inCorso_; }
    QAction* AzioneNuovo() const { return nuovo_; }
    QAction* AzioneFerma() const { return ferma_; }
    // The difficulty "Nuovo" asks for: none (any), or one of the names the generator makes.
    QComboBox* SceltaDifficolta() const { return difficolta_; }

public slots:
    // Starts a new schema; does nothing while one is being made.
    void Nuovo();
    // Stops waiting for the schema being made: the window stays as it was, and whatever the
    // worker still finishes is thrown away.
    void Ferma();
    void Produzione();
    void Libretto();

signals:
    // The "Nuovo" command has ended: true when the new schema is in the window.
    void NuovoFinito(bool fatto);

private:
    void Ricevi(int turno);
    void MostraInCorso(bool si);

    Form1* form_;
    Banco& b_;
    QAction* nuovo_ = nullptr;
    QAction* ferma_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QToolButton* pulsanteFerma_ = nullptr;
    QComboBox* difficolta_ = nullptr;
    bool inCorso_ = false;
    int turno_ = 0;  // the run whose result the window still wants
    QFutureWatcher<std::optional<SchemaGenerato>> osservatore_;
};

}  // namespace kelvaro::ui
