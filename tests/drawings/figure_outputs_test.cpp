// The SVG and the QPainter outputs of a figure draw the same geometry: the
// same pieces, tabs, lines and labels, at the same places. The SVG is read
// back as XML (which also proves it well-formed), the painter's calls are
// recorded by a paint engine of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <QTextItem>
#include <QXmlStreamReader>

#include "drawings/figure_painter.h"
#include "drawings/nets.h"
#include "drawings/solid_to_scale.h"
#include "drawings/svg_writer.h"

namespace stereona::figures {
namespace {

struct Drawn {
  int paths = 0;  // pieces and arcs
  int polygons = 0;
  std::vector<QLineF> lines;
  QStringList texts;
};

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  Type type() const override { return QPaintEngine::User; }
  void drawPath(const QPainterPath&) override { ++drawn.paths; }
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++drawn.polygons; }
  void drawLines(const QLineF* lines, int count) override {
    drawn.lines.insert(drawn.lines.end(), lines, lines + count);
  }
  void drawTextItem(const QPointF&, const QTextItem& item) override { drawn.texts << item.text(); }

  Drawn drawn;
};

class RecordingDevice : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable RecordingEngine engine;

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
      case PdmHeight:
        return 4000;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 1;
    }
  }
};

Drawn Painted(const Figure& figure, const Sheet& sheet) {
  RecordingDevice device;
  {
    QPainter painter(&device);
    drawings::PaintFigure(painter, figure, sheet, 1);
  }
  return device.engine.drawn;
}

// The SVG's pieces, and its lines split into what each subpath draws: an arc
// or circle, a tab's outline, a line in millimetres. Its texts and its text
// alternative.
struct Written {
  int pieces = 0, arcs = 0, polygons = 0;
  std::vector<QLineF> lines;
  QStringList texts;
  QString title, desc;
  QString width;
};

void ReadStrokes(QStringView data, Written& written) {
  static const QRegularExpression subpath(QStringLiteral("M[^M]*"));
  static const QRegularExpression number(QStringLiteral("-?[0-9.]+"));
  for (auto it = subpath.globalMatch(data); it.hasNext();) {
    const QString drawn = it.next().captured();
    if (drawn.contains(u'A')) {
      ++written.arcs;
    } else if (drawn.endsWith(u'Z')) {
      ++written.polygons;
    } else {
      QList<double> ends;
      for (auto n = number.globalMatch(drawn); n.hasNext();) ends << n.next().captured().toDouble();
      EXPECT_EQ(ends.size(), 4) << drawn.toStdString();
      if (ends.size() == 4) written.lines.emplace_back(ends[0], ends[1], ends[2], ends[3]);
    }
  }
}

Written Read(const std::string& svg) {
  Written written;
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    const auto attributes = xml.attributes();
    if (name == u"svg") written.width = attributes.value(QStringLiteral("width")).toString();
    if (name == u"path" && attributes.value(QStringLiteral("class")) == u"piece")
      ++written.pieces;
    else if (name == u"path")
      ReadStrokes(attributes.value(QStringLiteral("d")), written);
    if (name == u"text") written.texts << xml.readElementText();
    if (name == u"title") written.title = xml.readElementText();
    if (name == u"desc") written.desc = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return written;
}

// Each line of one output is a line of the other, within 0.01 mm: the SVG
// groups them by kind, the painter draws them in the figure's order.
void ExpectSameLines(std::vector<QLineF> written, const std::vector<QLineF>& painted) {
  ASSERT_EQ(written.size(), painted.size());
  for (const QLineF& line : painted) {
    const auto same = std::find_if(written.begin(), written.end(), [&line](const QLineF& other) {
      return QLineF(line.p1(), other.p1()).length() < 0.01 &&
             QLineF(line.p2(), other.p2()).length() < 0.01;
    });
    ASSERT_NE(same, written.end()) << line.x1() << " " << line.y1();
    written.erase(same);
  }
}

std::vector<Figure> Examples() {
  return {Net(ConeNet{6, 10}, {"R = 6", "l = 10", "α = 216°", "B = 113,14", "S1 = 188,57"}),
          Net(TruncatedConeNet{6, 3, 5},
              {"R1 = 6", "R2 = 3", "l = 5", "L1 = 10", "L2 = 5", "α = 216°", "B1", "B2", "S1 < S"}),
          Net(CylinderNet{3, 8}, {"R = 3", "H = 8", "2·pi·R", "B", "S1 & S"}),
          Net(PyramidNet{6, 5}, {"a = 6", "k = 5", "B = 36", "30"}),
          Net(TruncatedPyramidNet{8, 4, 3.6}, {"a = 8", "b = 4", "k", "B1", "B2", "21"}),
          Net(BoxNet{4, 3, 5}, {"a = 4", "b = 3", "c = 5", "12", "15", "20"}),
          SolidToScale({BodyIndex::Cone, {0, 8, 6, 0}, {"V = ?", "H = 8", "R = 6", ""}})};
}

TEST(FigureOutputs, SvgAndPainterDrawTheSamePiecesLinesAndLabels) {
  for (const Figure& figure : Examples()) {
    SCOPED_TRACE(figure.title);
    const Sheet sheet(figure.bounds, 10);
    const Written svg = Read(SvgOnPaper(figure, 10));
    const Drawn painted = Painted(figure, sheet);
    EXPECT_EQ(svg.pieces, int(figure.pieces.size()));
    EXPECT_EQ(svg.pieces + svg.arcs, painted.paths);
    EXPECT_EQ(svg.polygons, painted.polygons);
    EXPECT_EQ(svg.texts, painted.texts);
    ExpectSameLines(svg.lines, painted.lines);
  }
}

TEST(FigureOutputs, SvgIsTrueToTheScaleAndDescribesEveryPiece) {
  const Figure net = Net(BoxNet{4, 3, 5}, {"a = 4", "b = 3", "c = 5", "12", "15", "20"});
  for (const double scale : {10.0, 2.0}) {
    const Written svg = Read(SvgOnPaper(net, scale));
    // The cross is 2·3 + 2·5 = 16 units tall and as long on paper.
    EXPECT_EQ(svg.width, QString::number((2 * 5 + 4) * scale + 2 * kLabelMargin, 'f', 2) + "mm");
    for (const QLineF& line : svg.lines)
      EXPECT_TRUE(std::abs(line.length() - 3 * scale) < 0.01 ||
                  std::abs(line.length() - 4 * scale) < 0.01 ||
                  std::abs(line.length() - 5 * scale) < 0.01)
          << line.length();
    EXPECT_EQ(svg.title, QStringLiteral("Развивка на паралелепипед"));
    EXPECT_EQ(svg.desc.count(QStringLiteral("правоъгълник")), 6);
    for (const char* size : {"a = 4", "b = 3", "c = 5"}) EXPECT_TRUE(svg.desc.contains(size));
  }
}

}  // namespace
}  // namespace stereona::figures
