// «Развивка» opened from the real main window through its menu item and
// followed as the pupil changes the main window; the PDF of its net sheet
// measured on the page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPolygonF>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

#include "documents/net_captions.h"
#include "drawings/figure_style.h"
#include "drawings/paper_scale.h"
#include "qt_bridge/qt_text.h"
#include "tests/window/window_fixture.h"
#include "window/figure_view.h"
#include "window/net_window.h"

namespace stereona::window::testing {
namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72;

class NetWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_EQ(frame_->findChild<NetWindow*>(), nullptr) << "made before it is asked for";
    auto* item = frame_->MenuBar().findChild<QAction*>(QStringLiteral("Net"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Развивка…"));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    item->trigger();
    net_ = frame_->findChild<NetWindow*>();
    ASSERT_NE(net_, nullptr);
    ASSERT_TRUE(net_->isVisible());
  }

  template <typename Widget>
  Widget* Get(const char* name) const {
    auto* widget = net_->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Working() const { return Get<QPlainTextEdit>("NetWorking")->toPlainText(); }
  // Every text written on the solid's drawing, or on the net.
  static QString Labels(const figures::Figure& figure) {
    QStringList texts;
    for (const figures::Label& label : figure.labels) texts << ToQString(label.text);
    return texts.join(QLatin1Char(';'));
  }

  NetWindow* net_ = nullptr;
};

// The size in millimetres of each shape a page of the PDF fills with the
// colour of a net's pieces, read from its drawing commands as poppler's
// pdftocairo writes them out as SVG (in points).
std::vector<QSizeF> PieceSizes(const QString& pdf, int page) {
  QProcess cairo;
  cairo.start(QStringLiteral("pdftocairo"),
              {QStringLiteral("-svg"), QStringLiteral("-f"), QString::number(page),
               QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
  EXPECT_TRUE(cairo.waitForFinished(20000)) << "pdftocairo (Debian poppler-utils)";
  const QColor pieceFill(QLatin1String(figures::kPieceFill.data(), figures::kPieceFill.size()));
  static const QRegularExpression fill(
      QStringLiteral("fill:rgb\\(([0-9.]+)%,([0-9.]+)%,([0-9.]+)%\\)"));
  static const QRegularExpression number(QStringLiteral("-?[0-9]+(?:\\.[0-9]+)?"));
  std::vector<QSizeF> sizes;
  for (QXmlStreamReader svg(cairo.readAllStandardOutput()); !svg.atEnd();) {
    if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != QLatin1String("path"))
      continue;
    const QRegularExpressionMatch colour = fill.match(svg.attributes().value("style"));
    const auto channel = [&colour](int k) { return qRound(colour.captured(k).toDouble() * 2.55); };
    if (!colour.hasMatch() || QColor(channel(1), channel(2), channel(3)) != pieceFill) continue;
    QList<double> matrix = {1, 0, 0, 1, 0, 0};
    const QString transform = svg.attributes().value("transform").toString();
    if (!transform.isEmpty()) {
      matrix.clear();
      for (auto it = number.globalMatch(transform); it.hasNext();)
        matrix << it.next().captured().toDouble();
    }
    QPolygonF points;
    QList<double> xy;
    for (auto it = number.globalMatch(svg.attributes().value("d")); it.hasNext();) {
      xy << it.next().captured().toDouble();
      if (xy.size() == 2) {
        points << QPointF(matrix[0] * xy[0] + matrix[2] * xy[1] + matrix[4],
                          matrix[1] * xy[0] + matrix[3] * xy[1] + matrix[5]);
        xy.clear();
      }
    }
    const QRectF box = points.boundingRect();
    sizes.emplace_back(box.width() * kMillimetresPerPoint, box.height() * kMillimetresPerPoint);
  }
  return sizes;
}

// The PDF's text, through poppler's pdftotext.
QString PdfText(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(pdftotext.waitForFinished(20000)) << "pdftotext (Debian poppler-utils)";
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Sides in millimetres, the longer first, in order: one way to compare
// shapes whatever way round and in whatever order they are drawn.
std::vector<std::pair<double, double>> Sorted(const std::vector<QSizeF>& sizes) {
  std::vector<std::pair<double, double>> sides;
  sides.reserve(sizes.size());
  for (const QSizeF& size : sizes)
    sides.emplace_back(std::max(size.width(), size.height()),
                       std::min(size.width(), size.height()));
  std::sort(sides.begin(), sides.end());
  return sides;
}

QAccessibleInterface* Face(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

TEST_F(NetWindowTest, OpensBesideTheWindowWithEveryControlNamed) {
  EXPECT_FALSE(net_->isModal());
  const std::pair<const char*, QString> names[] = {
      {"NetWorking", QStringLiteral("Повърхнина")},
      {"NetUnit", QStringLiteral("Мерна единица")},
      {"NetUnit0", QStringLiteral("см")},
      {"NetUnit1", QStringLiteral("дм")},
      {"NetUnit2", QStringLiteral("м")},
      {"NetPrint", QStringLiteral("Печат…")},
      {"NetSavePdf", QStringLiteral("Запази като PDF…")},
      {"NetClose", QStringLiteral("Затвори")},
      {"NetSolid", QStringLiteral("Тялото по мерките")},
      {"NetFigure", QStringLiteral("Развивка")},
  };
  for (const auto& [name, said] : names)
    EXPECT_EQ(Face(Get<QWidget>(name))->text(QAccessible::Name), said) << name;
  EXPECT_EQ(net_->focusWidget(), Get<QWidget>("NetWorking"));
  EXPECT_TRUE(Get<QPlainTextEdit>("NetWorking")->isReadOnly());

  // The drawings are pictures that say what they show, piece by piece.
  Pose(0, 0, {QString(), QStringLiteral("8"), QStringLiteral("6"), QString()});
  for (const auto& [name, figure] :
       {std::pair{"NetSolid", &net_->View().solid}, std::pair{"NetFigure", &net_->View().net}}) {
    QAccessibleInterface* face = Face(Get<QWidget>(name));
    EXPECT_EQ(face->role(), QAccessible::Graphic) << name;
    EXPECT_EQ(face->text(QAccessible::Description), ToQString(figures::TextAlternative(*figure)))
        << name;
  }
  EXPECT_TRUE(Face(Get<QWidget>("NetFigure"))
                  ->text(QAccessible::Description)
                  .contains(QStringLiteral("l = 10 см")));

  ExpectOwnAltLetters(*net_);
}

// The cone of V = 264 and H = 7 asks for R: «?» until «Изчисли» finds 6,
// and again once a value the calculation read is changed.
TEST_F(NetWindowTest, FollowsTheValuesTypedAndTheCalculation) {
  Pose(0, 2, {QStringLiteral("264"), QStringLiteral("7"), QString(), QString()});
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("R = ?")));
  EXPECT_TRUE(net_->View().net.pieces.empty());
  EXPECT_EQ(Working(), ToQString(net_->View().working.message));

  Click(Command(0));
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("R = 6 см")))
      << Labels(net_->View().solid).toStdString();
  EXPECT_FALSE(net_->View().net.pieces.empty());
  EXPECT_TRUE(Working().contains(QStringLiteral("l = sqrt(H*H + R*R)"))) << Working().toStdString();

  Type(1, QStringLiteral("8"));
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("R = ?")));
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("H = 8 см")));

  // A value too large to read is the window's fault, said where the working stands.
  Type(1, QStringLiteral("1E+400"));
  EXPECT_TRUE(Working().startsWith(QStringLiteral("Грешка 6"))) << Working().toStdString();
}

TEST_F(NetWindowTest, TheUnitChangesTheLabels) {
  Pose(4, 0, {QString(), QStringLiteral("10"), QStringLiteral("5"), QString()});
  EXPECT_TRUE(Labels(net_->View().net).contains(QStringLiteral("R = 5 см")));
  Click(Get<QRadioButton>("NetUnit1"));
  EXPECT_TRUE(Labels(net_->View().net).contains(QStringLiteral("R = 5 дм")));
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("H = 10 дм")));
  EXPECT_TRUE(net_->Sheet().contains(QStringLiteral(" дм")));
}

// Saved through «Запази като PDF…» over an earlier file, which is replaced
// only when the pupil says so. The net's pieces on the page are the
// problem's lengths at the scale written there, within half a millimetre;
// the working follows it.
TEST_F(NetWindowTest, ThePdfHoldsTheNetAtItsScaleAndTheWorking) {
  struct Case {
    int body;
    Texts known;
    QString scale;
    std::vector<QSizeF> pieces;  // millimetres on paper
  };
  const double circumference = 2 * 22.0 / 7 * 5;  // the cylinder's, in cm
  const Case cases[] = {
      {5,
       {QString(), "4", "3", "2"},
       "Мащаб 1:1",
       {{40, 30}, {40, 30}, {40, 20}, {40, 20}, {30, 20}, {30, 20}}},
      {4,
       {QString(), "10", "5", QString()},
       "Мащаб 1:5",
       {{circumference * 10 / 5, 20}, {20, 20}, {20, 20}}},
  };
  for (const Case& problem : cases) {
    Pose(problem.body, 0, problem.known);
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      QTemporaryDir folder;
      const QString file = folder.filePath(QStringLiteral("развивка.pdf"));
      {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
      }
      AnswerNextDialog<QFileDialog>([&file](QFileDialog& files) { TypeFileName(files, file); });
      AnswerNextDialog<QMessageBox>([answer](QMessageBox& box) {
        box.button(answer)->click();
        if (answer == QMessageBox::No)
          AnswerNextDialog<QFileDialog>([](QFileDialog& files) { files.reject(); });
      });
      QTest::mouseClick(Get<QPushButton>("NetSavePdf"), Qt::LeftButton);
      QFile saved(file);
      ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
      if (answer == QMessageBox::No) {
        EXPECT_EQ(saved.readAll(), "earlier");
        continue;
      }
      const auto printed = Sorted(PieceSizes(file, 1));
      const auto expected = Sorted(problem.pieces);
      ASSERT_EQ(printed.size(), expected.size()) << problem.body;
      for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_NEAR(printed[i].first, expected[i].first, 0.5) << problem.body << " piece " << i;
        EXPECT_NEAR(printed[i].second, expected[i].second, 0.5) << problem.body << " piece " << i;
      }
      const QString text = PdfText(file);
      EXPECT_TRUE(text.contains(problem.scale)) << text.toStdString();
      for (const QString& line : Working().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(text.contains(line.trimmed())) << line.toStdString();
    }
  }
}

}  // namespace
}  // namespace stereona::window::testing
