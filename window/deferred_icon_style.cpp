#include "window/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <utility>

namespace stereona::window {
namespace {

// An icon that asks for the real one when it is first used, and from then
// on answers from it.
class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  bool isNull() override { return Icon().isNull(); }
  QString key() const override { return QStringLiteral("stereona.deferred"); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (make_) {
      icon_ = make_();
      make_ = nullptr;
    }
    return icon_;
  }

  std::function<QIcon()> make_;
  QIcon icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton) {
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  // Neither the caller's option nor its widget need last until the first
  // paint: the arrow depends only on the direction, taken now.
  QStyleOption direction;
  direction.direction = option   ? option->direction
                        : widget ? widget->layoutDirection()
                                 : QApplication::layoutDirection();
  QPointer<QStyle> base(baseStyle());
  return QIcon(new DeferredIconEngine(
      [base, direction, icon] { return base ? base->standardIcon(icon, &direction) : QIcon(); }));
}

void DeferStyleIcons() {
  if (dynamic_cast<DeferredIconStyle*>(QApplication::style()) != nullptr) return;
  // The proxy takes the style over; the application owns the proxy, as it
  // owns a style it made itself.
  auto* style = new DeferredIconStyle(QApplication::style());
  style->setParent(QCoreApplication::instance());
  QApplication::setStyle(style);
}

}  // namespace stereona::window
