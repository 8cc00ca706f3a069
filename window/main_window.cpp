#include "window/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>

#include "documents/solution_document.h"
#include "qt_bridge/qt_text.h"
#include "window/document_files.h"
#include "window/sheet_dialog.h"

namespace stereona::window {
namespace {

QAction* AddAction(QMenu& menu, const QString& name, const QString& text,
                   const QKeySequence& shortcut = {}) {
  QAction* action = menu.addAction(text);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

QMenu* AddMenu(QMenuBar& bar, const QString& name, const QString& title) {
  QMenu* menu = bar.addMenu(title);
  menu->setObjectName(name);
  menu->setAccessibleName(QString(title).remove(QLatin1Char('&')));
  return menu;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), calc_(new StereoCalc) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(calc_->windowTitle());
  setWindowIcon(calc_->windowIcon());
  setWindowFlags(calc_->windowFlags());
  setCentralWidget(calc_);  // from here on a child: its frame is this window's
  BuildMenus();
  setFixedSize(calc_->width(), calc_->height() + menuBar()->sizeHint().height());
  // Centred like the window alone; there may be no window manager to do it.
  if (const QScreen* display = screen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    display->availableGeometry()));
  }
  calc_->setFocus();
}

void MainWindow::BuildMenus() {
  QMenuBar& bar = *menuBar();
  bar.setObjectName(QStringLiteral("MenuBar"));
  bar.setAccessibleName(QStringLiteral("Меню"));
  QMenu& file = *AddMenu(bar, QStringLiteral("FileMenu"), QStringLiteral("&Файл"));
  connect(AddAction(file, QStringLiteral("PrintSolution"), QStringLiteral("&Печат на решението…"),
                    QKeySequence(Qt::CTRL | Qt::Key_P)),
          &QAction::triggered, this, &MainWindow::PrintSolution);
  connect(AddAction(file, QStringLiteral("SolutionAsPdf"), QStringLiteral("Решението като P&DF…"),
                    QKeySequence(Qt::CTRL | Qt::Key_S)),
          &QAction::triggered, this, &MainWindow::SaveSolutionAsPdf);
  connect(
      AddAction(file, QStringLiteral("PracticeSheets"), QStringLiteral("&Листове за упражнения…")),
      &QAction::triggered, this, &MainWindow::OpenPracticeSheets);
  file.addSeparator();
  connect(AddAction(file, QStringLiteral("Quit"), QStringLiteral("&Изход"),
                    QKeySequence(Qt::CTRL | Qt::Key_Q)),
          &QAction::triggered, this, &QWidget::close);

  QMenu& help = *AddMenu(bar, QStringLiteral("HelpMenu"), QStringLiteral("&Помощ"));
  connect(AddAction(help, QStringLiteral("About"), QStringLiteral("&За Стереона")),
          &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::PrintSolution() {
  PrintWithPreview(*this, ToQString(documents::SolutionDocument(calc_->Form())));
}

void MainWindow::SaveSolutionAsPdf() {
  SavePdfAs(*this, ToQString(documents::SolutionDocument(calc_->Form())),
            QStringLiteral("решение"));
}

void MainWindow::OpenPracticeSheets() {
  auto* dialog = new SheetDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void MainWindow::ShowAbout() {
  QMessageBox::about(
      this, QStringLiteral("За Стереона"),
      QStringLiteral("<h3>Стереона %1</h3>"
                     "<p>Обеми на конус, пресечен конус, пирамида, пресечена пирамида, "
                     "цилиндър и паралелепипед, решени стъпка по стъпка.</p>"
                     "<p>Свободен софтуер под лиценза MIT.</p>")
          .arg(QStringLiteral(STEREONA_VERSION)));
}

}  // namespace stereona::window
