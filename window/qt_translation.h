#pragma once

#include <QString>
#include <QTranslator>
#include <mutex>

class QCoreApplication;

namespace stereona::window {

// Where Debian's qt6-translations-l10n puts Qt's own translations.
QString QtTranslationsDirectory();

// Loads Qt's own Bulgarian texts (the Undo, Cut, Copy, Paste and Select All
// of the text boxes' context menus, a message box's button) from `directory`.
// False when the file is not there.
bool LoadQtBulgarian(QTranslator& translator, const QString& directory);

// Qt's Bulgarian texts, read the first time Qt asks for one of them. Qt's
// texts appear only in a context menu or the fault message, which most runs
// never open, so the window starts without the file in memory.
class QtBulgarianOnDemand : public QTranslator {
 public:
  explicit QtBulgarianOnDemand(QString directory, QObject* parent = nullptr);

  // Empty only when the file is missing: Qt's own files are never empty,
  // so the file need not be read to know.
  [[nodiscard]] bool isEmpty() const override;
  [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                  const char* disambiguation, int n) const override;

 private:
  const QTranslator& Texts() const;

  QString directory_;
  bool available_;
  mutable std::once_flag loading_;
  mutable QTranslator texts_;
};

// The whole interface is Bulgarian, so Qt's texts are too, whatever the
// user's locale. Without the translation Qt keeps its English texts. Once
// installed, it stays: a second call adds nothing.
void UseQtBulgarian(QCoreApplication& application);

}  // namespace stereona::window
