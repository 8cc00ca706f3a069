#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <memory>

#include "window/start_up.h"

namespace stereona::window::testing {

using Texts = std::array<QString, 4>;

// Runs `answer` on the next modal dialog of type Dialog as soon as it shows.
// The waiting ends with the answer, or when the returned timer is deleted.
template <typename Dialog, typename Answer>
QTimer* AnswerNextDialog(Answer answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      answer(*dialog);
    }
  });
  poll->start(10);
  return poll;
}

// Types the name into the file dialog's name box and accepts, as a user does:
// selectFile() may be undone when the dialog's folder finishes loading.
void TypeFileName(QFileDialog& files, const QString& name);

// Every button, check box and buddy label of a window has an Alt letter
// of its own.
void ExpectOwnAltLetters(const QWidget& window);

// Places on an option button's bar that Qt's own radio button would ignore:
// its last pixel column, and halfway between the caption's end and that.
enum class BarSpot { FarRight, EmptyMiddle };

// The program's window, started as the program starts it, and the student's
// ways of using it: clicks, keys, typing.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  void SetUp() override;

  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    auto* widget = window_.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  template <typename Widget>
  Widget* Member(const char* array, int index) const {
    return Find<Widget>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index));
  }
  QRadioButton* Body(int v) const { return Member<QRadioButton>("Option1", v); }
  QRadioButton* Unknown(int k) const { return Member<QRadioButton>("Option2", k); }
  QLineEdit* Input(int k) const { return Member<QLineEdit>("Text2", k); }
  QPushButton* Command(int i) const { return Member<QPushButton>("Command1", i); }
  QListWidget* Ranges() const { return Member<QListWidget>("Diapazon", 0); }
  QString Output() const { return Member<QPlainTextEdit>("Text1", 0)->toPlainText(); }
  Texts InputTexts() const;

  void Click(QRadioButton* button);
  void Click(QRadioButton* button, BarSpot spot);
  static QPoint PointOf(const QRadioButton& button, BarSpot spot);
  void Click(QPushButton* button);
  void ClickRange(int row, Qt::MouseButton mouseButton = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {});
  void Type(int k, const QString& text);
  // Selects a body and an unknown and types the known values (empty: skip).
  void Pose(int body, int unknown, const Texts& known);

  std::unique_ptr<MainWindow> frame_;  // with the menu bar
  StereoCalc& window_;                 // below it, with every control
};

}  // namespace stereona::window::testing
