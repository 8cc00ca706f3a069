#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace stereona::window {

// Where Debian's qt6-translations-l10n puts Qt's own translations.
QString QtTranslationsDirectory();

// Loads Qt's own Bulgarian texts (the Undo, Cut, Copy, Paste and Select All
// of the text boxes' context menus, a message box's button) from `directory`.
// False when the file is not there.
bool LoadQtBulgarian(QTranslator& translator, const QString& directory);

// The whole interface is Bulgarian, so Qt's texts are too, whatever the
// user's locale. Without the translation Qt keeps its English texts.
void UseQtBulgarian(QCoreApplication& application);

}  // namespace stereona::window
