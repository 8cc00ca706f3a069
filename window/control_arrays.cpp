#include "window/control_arrays.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "window/range_list.h"

namespace stereona::window {
namespace {

QString MemberName(const char* array, std::size_t index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

template <typename Widget, std::size_t N>
void FindMembers(const QWidget& window, const char* array, std::array<Widget*, N>& members) {
  for (std::size_t i = 0; i < N; ++i) {
    members[i] = window.findChild<Widget*>(MemberName(array, i));
  }
}

}  // namespace

ControlArrays ControlArrays::Find(const QWidget& window) {
  ControlArrays controls;
  FindMembers(window, "Option1", controls.option1);
  FindMembers(window, "Option2", controls.option2);
  FindMembers(window, "Text2", controls.text2);
  FindMembers(window, "Command1", controls.command1);
  FindMembers(window, "Label1", controls.label1);
  controls.diapazon = window.findChild<RangeList*>(MemberName("Diapazon", 0));
  controls.text1 = window.findChild<QPlainTextEdit*>(MemberName("Text1", 0));
  return controls;
}

}  // namespace stereona::window
