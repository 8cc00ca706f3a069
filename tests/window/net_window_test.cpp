// «Развивка» opened from the real main window through its menu item and
// followed as the pupil changes the main window; the PDF of its net sheet
// measured on the page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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

  // Every button and buddy label has an Alt letter of its own.
  QStringList captions;
  for (const auto* button : net_->findChildren<QAbstractButton*>()) captions << button->text();
  for (const auto* label : net_->findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) captions << label->text();
  }
  QSet<QKeySequence> letters;
  for (const QString& caption : captions) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    EXPECT_FALSE(letter.isEmpty()) << caption.toStdString();
    EXPECT_FALSE(letters.contains(letter)) << caption.toStdString();
    letters.insert(letter);
  }
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
}

TEST_F(NetWindowTest, TheUnitChangesTheLabels) {
  Pose(4, 0, {QString(), QStringLiteral("10"), QStringLiteral("5"), QString()});
  EXPECT_TRUE(Labels(net_->View().net).contains(QStringLiteral("R = 5 см")));
  Click(Get<QRadioButton>("NetUnit1"));
  EXPECT_TRUE(Labels(net_->View().net).contains(QStringLiteral("R = 5 дм")));
  EXPECT_TRUE(Labels(net_->View().solid).contains(QStringLiteral("H = 10 дм")));
  EXPECT_TRUE(net_->Sheet().contains(QStringLiteral(" дм")));
}

}  // namespace
}  // namespace stereona::window::testing
