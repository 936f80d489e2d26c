#pragma once
// Qt's own texts (file and print dialogs, standard buttons) in Italian.
class QCoreApplication;

namespace kelvaro::ui {

// Installs Qt's Italian translation (qtbase_it from Qt's translations folder) on app; false when
// it is not installed, and Qt then speaks English.
bool CaricaTraduzioniQt(QCoreApplication& app);

}  // namespace kelvaro::ui
