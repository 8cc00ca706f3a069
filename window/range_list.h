#pragma once

#include <QListWidget>

class QMouseEvent;

namespace stereona::window {

// The range list. A press that moves the selection already reports the new
// item, and the release that follows reports a click on it; the student made
// one choice, so it must draw random values once. chosen() therefore fires
// once for every change of the current item (from code, the keyboard or the
// mouse) and once for a click on the item that was already current.
//
// Only the left button and the keyboard choose: a right or middle click is
// no choice and leaves the list alone. One range is always selected: a
// Ctrl+click on it chooses it again, as a plain click does, and Ctrl+Space
// leaves it selected, instead of either clearing the selection.
//
// A screen reader's toggle on an item selects its row without making it
// current (and on the selected row, deselects it). The list then makes the
// newly selected row current, or selects the current row again, so that the
// toggle chooses a range as a click does and one range stays selected.
class RangeList : public QListWidget {
  Q_OBJECT

 public:
  explicit RangeList(QWidget* parent = nullptr);

 signals:
  void chosen();

 protected:
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(
      const QModelIndex& index, const QEvent* event = nullptr) const override;

 private:
  void OnCurrentRowChanged(int row);
  void OnClicked();
  void OnSelectionChanged(const QItemSelection& selected);

  bool changedSincePress_ = false;
};

}  // namespace stereona::window
