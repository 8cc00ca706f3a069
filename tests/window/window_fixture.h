#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <array>
#include <string>

#include "window/stereo_calc.h"

namespace stereona::window::testing {

// A shown window and the student's ways of using it: clicks, keys, typing.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;

  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    auto* widget = window_.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  QRadioButton* Body(int v) const;
  QRadioButton* Unknown(int k) const;
  QLineEdit* Input(int k) const;
  QPushButton* Command(int index) const;
  QListWidget* Ranges() const;
  QString Output() const;
  std::array<QString, 4> InputTexts() const;

  void Click(QRadioButton* button);
  void Click(QPushButton* button);
  void ClickRange(int row);
  void Type(int k, const QString& text);
  // Selects a body and an unknown and types the known values (empty: skip).
  void Pose(int body, int unknown, const std::array<QString, 4>& known);

  StereoCalc window_;
};

}  // namespace stereona::window::testing
