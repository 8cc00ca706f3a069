#include "window/option_group.h"

#include <QAbstractButton>
#include <utility>

namespace stereona::window {

OptionGroup::OptionGroup(QObject* parent) : QButtonGroup(parent) {
  connect(this, &QButtonGroup::idToggled, this, [this](int id, bool selected) {
    if (selected) emit chosen(id);
  });
  connect(this, &QButtonGroup::idPressed, this,
          [this](int id) { pressedWhileSelected_ = button(id)->isChecked(); });
  connect(this, &QButtonGroup::idClicked, this, [this](int id) {
    if (std::exchange(pressedWhileSelected_, false)) emit chosen(id);
  });
}

}  // namespace stereona::window
