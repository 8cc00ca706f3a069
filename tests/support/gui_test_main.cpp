// Every window and drawing test runs inside one QApplication, on the offscreen
// platform unless told otherwise; each test makes and ends its own widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace {

// A widget that outlives its test is a leak LeakSanitizer cannot see: Qt keeps
// every widget reachable from its list of all widgets. So the widgets are counted
// here. Qt's one tooltip window is its own and lives on between tests.
class LeftWidgetCheck : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo& /*test*/) override { before_ = Alive(); }

  void OnTestEnd(const ::testing::TestInfo& /*test*/) override {
    QStringList left;
    for (QWidget* widget : Alive()) {
      if (!before_.contains(widget)) left << Describe(*widget);
    }
    EXPECT_TRUE(left.isEmpty()) << "widgets left alive: " << left.join(", ").toStdString();
  }

 private:
  static QSet<QWidget*> Alive() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QSet<QWidget*> alive;
    for (QWidget* widget : QApplication::allWidgets()) {
      if (widget->window()->windowType() != Qt::ToolTip) alive.insert(widget);
    }
    return alive;
  }

  static QString Describe(const QWidget& widget) {
    const QString name = widget.objectName();
    const QString kind = QString::fromLatin1(widget.metaObject()->className());
    return name.isEmpty() ? kind : QStringLiteral("%1 \"%2\"").arg(kind, name);
  }

  QSet<QWidget*> before_;
};

}  // namespace

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this too, without the tests' environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef STEREONA_TEST_SCALE_FACTOR
  // Stands in for a high-DPI screen, which the offscreen platform lacks.
  qputenv("QT_SCALE_FACTOR", QByteArray::number(STEREONA_TEST_SCALE_FACTOR));
#endif
  QApplication application(argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new LeftWidgetCheck);
  return RUN_ALL_TESTS();
}
