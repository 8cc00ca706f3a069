#include "window/window_font.h"

namespace stereona::window {
namespace {

constexpr double kWindowPoints = 12.0;
constexpr double kListPoints = 9.75;

}  // namespace

QFont WindowFont() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);  // where no such face is mapped, any serif
  font.setPointSizeF(kWindowPoints);
  return font;
}

QFont ControlFont(FontKind kind) {
  QFont font = WindowFont();
  if (kind == FontKind::List) font.setPointSizeF(kListPoints);
  if (kind == FontKind::Bold) font.setBold(true);
  return font;
}

}  // namespace stereona::window
