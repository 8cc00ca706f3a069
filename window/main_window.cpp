#include "window/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "documents/net_captions.h"
#include "documents/solution_document.h"
#include "form/control_arrays.h"
#include "practice/captions.h"
#include "qt_bridge/qt_text.h"
#include "window/centre_on_screen.h"
#include "window/document_files.h"
#include "window/net_window.h"
#include "window/practice_window.h"
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

// The menu bar drawn in the window above its client area: a desktop's
// global menu would take it out of the window and change the window's size.
QMenuBar* MenuBarInWindow(QWidget* window) {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  return new QMenuBar(window);
}

// The solution document of the form's last calculation, as its window shows it.
QString SolutionDocumentOf(const form::Form& form) {
  return ToQString(documents::SolutionDocument(form::kLayout[form::kLabel1[0]].text, form.Solved(),
                                               form.State(form::kOutputBox).text));
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), calc_(new StereoCalc), menuBar_(MenuBarInWindow(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(calc_->windowTitle());
  setWindowIcon(calc_->windowIcon());
  setWindowFlags(calc_->windowFlags());
  // A plain widget with a layout rather than a QMainWindow, whose layout
  // machinery for tool bars and docks costs start-up time and memory.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(calc_);  // from here on a child: its frame is this window's
  BuildMenus();
  setFixedSize(calc_->width(), calc_->height() + menuBar_->sizeHint().height());
  CentreOnScreen(*this);  // like the window alone
  calc_->FocusFirstControl();
}

void MainWindow::BuildMenus() {
  QMenuBar& bar = *menuBar_;
  bar.setObjectName(QStringLiteral("MenuBar"));
  // The window's font, which start-up has loaded already: another face for
  // the menus alone would cost start-up time and memory.
  bar.setFont(calc_->font());
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

  // The practice, on the bar itself: pupils use it more than anything in the menus.
  const practice::PracticeCaptions& practice = practice::kPracticeCaptions;
  QAction* practiceItem = bar.addAction(QLatin1Char('&') + ToQString(practice.menuItem));
  practiceItem->setObjectName(QStringLiteral("Practice"));
  practiceItem->setShortcut(
      QKeySequence::fromString(ToQString(practice.menuShortcut), QKeySequence::PortableText));
  connect(practiceItem, &QAction::triggered, this, &MainWindow::OpenPractice);

  // The net beside it: the same solid's surface, drawn to its numbers.
  const documents::NetCaptions& net = documents::kNetCaptions;
  QAction* netItem = bar.addAction(QLatin1Char('&') + ToQString(net.menuItem));
  netItem->setObjectName(QStringLiteral("Net"));
  netItem->setShortcut(
      QKeySequence::fromString(ToQString(net.menuShortcut), QKeySequence::PortableText));
  connect(netItem, &QAction::triggered, this, &MainWindow::OpenNet);

  QMenu& help = *AddMenu(bar, QStringLiteral("HelpMenu"), QStringLiteral("&Помощ"));
  connect(AddAction(help, QStringLiteral("About"), QStringLiteral("&За Стереона")),
          &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::PrintSolution() { PrintWithPreview(*this, SolutionDocumentOf(calc_->Form())); }

void MainWindow::SaveSolutionAsPdf() {
  SavePdfAs(*this, SolutionDocumentOf(calc_->Form()), QStringLiteral("решение"));
}

void MainWindow::OpenPracticeSheets() {
  auto* dialog = new SheetDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void MainWindow::OpenPractice() {
  if (practice_ == nullptr) practice_ = new PracticeWindow(*calc_, this);
  practice_->Open(*this);
}

void MainWindow::OpenNet() {
  if (net_ == nullptr) net_ = new NetWindow(*calc_, this);
  net_->Open(*this);
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
