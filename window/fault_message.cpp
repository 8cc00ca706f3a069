#include "window/fault_message.h"

#include <QMessageBox>

#include "qt_bridge/qt_text.h"

namespace stereona::window {

void ShowFaultMessage(QWidget& window, std::string_view message) {
  auto* box = new QMessageBox(QMessageBox::Critical, window.windowTitle(), ToQString(message),
                              QMessageBox::Ok, &window);
  box->setObjectName(QLatin1String(kFaultMessageName));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace stereona::window
