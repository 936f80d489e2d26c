#include "ui/traduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvaro::ui {

bool CaricaTraduzioniQt(QCoreApplication& app) {
    // The program speaks Italian whatever the user's locale: Qt's dialogs follow.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* t = new QTranslator(&app);
    if (!t->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    return QCoreApplication::installTranslator(t);
}

}  // namespace kelvaro::ui
