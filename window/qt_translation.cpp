#include "window/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace stereona::window {

QString QtTranslationsDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool LoadQtBulgarian(QTranslator& translator, const QString& directory) {
  // Only qtbase: the window uses no other Qt module's texts.
  return translator.load(QStringLiteral("qtbase_bg"), directory);
}

void UseQtBulgarian(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (LoadQtBulgarian(*translator, QtTranslationsDirectory())) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace stereona::window
