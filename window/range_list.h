#pragma once

#include <QListWidget>

class QMouseEvent;

namespace stereona::window {

// The range list. A press that moves the selection already reports the new
// item, and the release that follows reports a click on it; the student made
// one choice, so it must draw random values once. chosen() therefore fires
// once for every change of the current item (from code, the keyboard or the
// mouse) and once for a click on the item that was already current.
class RangeList : public QListWidget {
  Q_OBJECT

 public:
  explicit RangeList(QWidget* parent = nullptr);

 signals:
  void chosen();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OnCurrentRowChanged(int row);
  void OnClicked();

  bool changedSincePress_ = false;
};

}  // namespace stereona::window
