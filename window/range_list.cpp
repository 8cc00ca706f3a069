#include "window/range_list.h"

namespace stereona::window {

RangeList::RangeList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, &RangeList::OnCurrentRowChanged);
  connect(this, &QListWidget::clicked, this, &RangeList::OnClicked);
}

void RangeList::mousePressEvent(QMouseEvent* event) {
  changedSincePress_ = false;
  QListWidget::mousePressEvent(event);
}

void RangeList::OnCurrentRowChanged(int row) {
  changedSincePress_ = true;
  if (row >= 0) emit chosen();  // losing the current item is no choice
}

void RangeList::OnClicked() {
  if (!changedSincePress_) emit chosen();
}

}  // namespace stereona::window
