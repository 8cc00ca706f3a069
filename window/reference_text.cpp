#include "window/reference_text.h"

#include <QFile>

namespace stereona::window {

const std::string& ReferenceText() {
  static const std::string text = [] {
    QFile file(QStringLiteral(":/stereona/reference_text.txt"));
    if (!file.open(QIODevice::ReadOnly)) return std::string{};  // a build without the resource
    return file.readAll().toStdString();
  }();
  return text;
}

}  // namespace stereona::window
