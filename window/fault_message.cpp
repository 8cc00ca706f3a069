#include "window/fault_message.h"

#include <QMessageBox>

#include "core/fault.h"

namespace stereona::window {

void ShowFaultMessage(QWidget& window, const FloatingPointFault& fault) {
  // what() is the fault's own report: its number followed by its description.
  auto* box = new QMessageBox(QMessageBox::Critical, window.windowTitle(),
                              QString::fromUtf8(fault.what()), QMessageBox::Ok, &window);
  box->setObjectName(QLatin1String(kFaultMessageName));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace stereona::window
