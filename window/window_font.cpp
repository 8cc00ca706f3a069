#include "window/window_font.h"

#include "qt_bridge/qt_text.h"

namespace stereona::window {

QFont WindowFont() {
  QFont font(ToQString(form::kFontFamily));
  font.setStyleHint(QFont::Serif);
  font.setPointSizeF(form::kFontPoints);
  return font;
}

QFont ControlFont(form::FontKind kind) {
  QFont font = WindowFont();
  if (kind == form::FontKind::List) font.setPointSizeF(form::kListFontPoints);
  if (kind == form::FontKind::Bold) font.setBold(true);
  return font;
}

}  // namespace stereona::window
