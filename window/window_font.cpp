#include "window/window_font.h"

#include "drawings/drawing_style.h"

namespace stereona::window {

QFont WindowFont() { return drawings::LayoutFont(); }

QFont ControlFont(form::FontKind kind) {
  QFont font = WindowFont();
  if (kind == form::FontKind::List) font.setPointSizeF(form::kListFontPoints);
  if (kind == form::FontKind::Bold) font.setBold(true);
  return font;
}

}  // namespace stereona::window
