#include "window/print/svg_objects.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <utility>
#include <vector>

namespace stereona::window {
namespace {

constexpr double kMillimetresPerInch = 25.4;
const QString kImagePrefix = QStringLiteral("stereona-svg:");
constexpr int kSvgObject = QTextFormat::UserObject + 1;
enum SvgProperty { kSvgData = QTextFormat::UserProperty + 1, kSvgWidth, kSvgHeight };

// The root element's width and height in millimetres, else its viewBox's.
QSizeF MillimetresOf(const QByteArray& svg) {
  const QString root = QString::fromUtf8(svg.left(svg.indexOf('>') + 1));
  static const QRegularExpression width(QStringLiteral("\\swidth=\"([0-9.]+)mm\""));
  static const QRegularExpression height(QStringLiteral("\\sheight=\"([0-9.]+)mm\""));
  static const QRegularExpression viewBox(
      QStringLiteral("viewBox=\"[-0-9.]+ [-0-9.]+ ([0-9.]+) ([0-9.]+)\""));
  const auto w = width.match(root), h = height.match(root);
  if (w.hasMatch() && h.hasMatch()) return {w.captured(1).toDouble(), h.captured(1).toDouble()};
  const auto box = viewBox.match(root);
  return {box.captured(1).toDouble(), box.captured(2).toDouble()};
}

// Qt SVG keeps one font style per element: a text's own text-anchor
// replaces the font its class gives it in the style sheet, and the text is
// drawn in the painter's font, many times too large. Each text element is
// given its class's font as attributes of its own, which the style sheet
// still overrides wherever CSS is read in full.
QByteArray WithClassFontsOnTexts(const QByteArray& svg) {
  QString text = QString::fromUtf8(svg);
  static const QRegularExpression rule(QStringLiteral("\\.([-\\w]+)\\s*\\{([^}]*)\\}"));
  static const QRegularExpression font(QStringLiteral("(font-[-a-z]+)\\s*:\\s*([^;]+)"));
  for (auto rules = rule.globalMatch(text); rules.hasNext();) {
    const QRegularExpressionMatch found = rules.next();
    QString attributes;
    for (auto fonts = font.globalMatch(found.captured(2)); fonts.hasNext();) {
      const QRegularExpressionMatch declaration = fonts.next();
      attributes += QStringLiteral(" %1=\"%2\"")
                        .arg(declaration.captured(1), declaration.captured(2).trimmed());
    }
    if (attributes.isEmpty()) continue;
    const QString opening = QStringLiteral("<text class=\"%1\"").arg(found.captured(1));
    text.replace(opening, opening + attributes);
  }
  return text.toUtf8();
}

class SvgPainter : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  using QObject::QObject;

  QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    const double perMillimetre = (device ? device->logicalDpiX() : 96) / kMillimetresPerInch;
    return {format.doubleProperty(kSvgWidth) * perMillimetre,
            format.doubleProperty(kSvgHeight) * perMillimetre};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    QSvgRenderer renderer(format.property(kSvgData).toByteArray());
    renderer.render(painter, rect);
  }
};

}  // namespace

SvgSplit SplitSvg(const QString& html) {
  SvgSplit split;
  static const QRegularExpression element(QStringLiteral("<svg[\\s>].*?</svg>"),
                                          QRegularExpression::DotMatchesEverythingOption);
  qsizetype from = 0;
  for (auto it = element.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    split.html += QStringView(html).mid(from, match.capturedStart() - from);
    split.html += QStringLiteral("<img src=\"%1%2\">").arg(kImagePrefix).arg(split.svgs.size());
    split.svgs << match.captured().toUtf8();
    from = match.capturedEnd();
  }
  split.html += QStringView(html).mid(from);
  return split;
}

void PlaceSvgObjects(QTextDocument& document, const QList<QByteArray>& svgs) {
  document.documentLayout()->registerHandler(kSvgObject, new SvgPainter(&document));
  // Found first, changed after: a changed format may merge fragments.
  std::vector<std::pair<int, qsizetype>> places;  // position, index of the SVG
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QString name = fragment.charFormat().toImageFormat().name();
      if (!fragment.charFormat().isImageFormat() || !name.startsWith(kImagePrefix)) continue;
      const qsizetype index = name.mid(kImagePrefix.size()).toLongLong();
      if (index < 0 || index >= svgs.size()) continue;
      for (int k = 0; k < fragment.length(); ++k)
        places.emplace_back(fragment.position() + k, index);
    }
  }
  for (const auto& [position, index] : places) {
    QTextCharFormat object;
    object.setObjectType(kSvgObject);
    object.setProperty(kSvgData, WithClassFontsOnTexts(svgs[index]));
    const QSizeF size = MillimetresOf(svgs[index]);
    object.setProperty(kSvgWidth, size.width());
    object.setProperty(kSvgHeight, size.height());
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    cursor.setCharFormat(object);
  }
}

}  // namespace stereona::window

#include "svg_objects.moc"
