#include "window/window_controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "window/qt_text.h"

namespace stereona::window {
namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

}  // namespace

std::string WindowControls::InputText(int k) const {
  return controls_.text2.at(At(k))->text().toStdString();
}

void WindowControls::SetInputText(int k, std::string_view text) {
  controls_.text2.at(At(k))->setText(ToQString(text));
}

bool WindowControls::IsUnknownSelected(int k) const {
  return controls_.option2.at(At(k))->isChecked();
}

bool WindowControls::IsBodySelected(int v) const {
  return controls_.option1.at(At(v))->isChecked();
}

void WindowControls::ShowOutput(std::string_view text) {
  controls_.text1->setPlainText(OutputLines(text));
}

}  // namespace stereona::window
