#pragma once
// Pictures of the play commands ("Validi", "Aiutino", "Ripeti"), drawn like the toolbar's.
#include <QIcon>
#include <QString>

namespace kelvaro::ui {

// An empty icon for other keys.
QIcon IconaGioco(const QString& chiave);

}  // namespace kelvaro::ui
