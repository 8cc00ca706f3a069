#pragma once

#include <QProxyStyle>

namespace stereona::window {

// The desktop's style, with one difference at start-up: the arrow of the
// menu bar's extension button (shown only when the menus do not fit) is read
// from its picture the first time it is drawn or measured, not when the menu
// bar is built. Reading any picture loads every image-format plugin, which
// nothing on the window needs before its first paint.
class DeferredIconStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// Makes the application's style, the one the desktop or the command line
// chose, a DeferredIconStyle; once per application.
void DeferStyleIcons();

}  // namespace stereona::window
