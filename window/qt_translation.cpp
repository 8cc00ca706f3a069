#include "window/qt_translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <utility>

namespace stereona::window {
namespace {

// Only qtbase: the window uses no other Qt module's texts.
QString QtBulgarianFile(const QString& directory) {
  return directory + QLatin1String("/qtbase_bg.qm");
}

}  // namespace

QString QtTranslationsDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool LoadQtBulgarian(QTranslator& translator, const QString& directory) {
  return translator.load(QtBulgarianFile(directory));
}

QtBulgarianOnDemand::QtBulgarianOnDemand(QString directory, QObject* parent)
    : QTranslator(parent),
      directory_(std::move(directory)),
      available_(QFileInfo::exists(QtBulgarianFile(directory_))) {}

bool QtBulgarianOnDemand::isEmpty() const { return !available_; }

QString QtBulgarianOnDemand::translate(const char* context, const char* sourceText,
                                       const char* disambiguation, int n) const {
  if (!available_) return {};
  return Texts().translate(context, sourceText, disambiguation, n);
}

const QTranslator& QtBulgarianOnDemand::Texts() const {
  // Qt may ask from any thread.
  std::call_once(loading_, [this] { LoadQtBulgarian(texts_, directory_); });
  return texts_;
}

void UseQtBulgarian(QCoreApplication& application) {
  if (application.findChild<QtBulgarianOnDemand*>(QString(), Qt::FindDirectChildrenOnly)) return;
  auto* translator = new QtBulgarianOnDemand(QtTranslationsDirectory(), &application);
  if (!translator->isEmpty()) {
    // Qt asks a new translator which way the language runs; Bulgarian runs
    // left to right, and saying so keeps the file unread until a text is needed.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace stereona::window
