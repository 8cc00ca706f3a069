#include "window/range_list.h"

#include <QMouseEvent>

namespace stereona::window {
namespace {

bool IsOtherButtonThanLeft(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return static_cast<const QMouseEvent&>(event).button() != Qt::LeftButton;
    default:
      return false;
  }
}

}  // namespace

RangeList::RangeList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, &RangeList::OnCurrentRowChanged);
  connect(this, &QListWidget::clicked, this, &RangeList::OnClicked);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &RangeList::OnSelectionChanged);
}

bool RangeList::viewportEvent(QEvent* event) {
  // Taken here, the event reaches neither the list nor the window behind it.
  if (IsOtherButtonThanLeft(*event)) return true;
  return QListWidget::viewportEvent(event);
}

void RangeList::mousePressEvent(QMouseEvent* event) {
  changedSincePress_ = false;
  QListWidget::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags RangeList::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (!command.testFlag(QItemSelectionModel::Deselect)) return command;
  // Ctrl on the selected row would deselect it and leave no range chosen.
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void RangeList::OnCurrentRowChanged(int row) {
  changedSincePress_ = true;
  if (row >= 0) emit chosen();  // losing the current item is no choice
}

void RangeList::OnSelectionChanged(const QItemSelection& selected) {
  for (const QModelIndex& index : selected.indexes()) {
    if (index.row() != currentRow()) {
      setCurrentRow(index.row());  // selects that row alone
      return;
    }
  }
  if (!selectionModel()->hasSelection() && currentRow() >= 0) setCurrentRow(currentRow());
}

void RangeList::OnClicked() {
  if (!changedSincePress_) emit chosen();
}

}  // namespace stereona::window
