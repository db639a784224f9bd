#pragma once

class QCoreApplication;

namespace tavik::ui {

// Qt's own texts in French, like the program's: the text fields' context menus ("Annuler",
// "Copier"...), the standard dialogs' buttons. Returns whether Qt's French translations were
// found where Qt keeps them (Debian package qt6-translations-l10n); without them those texts
// stay English.
bool installe_traductions_qt(QCoreApplication& application);

} // namespace tavik::ui
