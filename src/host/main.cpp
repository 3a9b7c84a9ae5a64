// wcthrm-host: the program a site engineer starts. It loads the calculation module and shows
// the project window.
#include <QApplication>
#include <QMessageBox>

#include "HostLibrary.h"
#include "HostTexts.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("wcthrm-host"));
  QApplication::setOrganizationName(QStringLiteral("wcthrm"));
  QApplication::setApplicationDisplayName(wcthrm::host::texts::T(wcthrm::host::texts::kAppTitle));

  wcthrm::host::HostLibrary library;
  if (!library.Load()) {
    QMessageBox::critical(nullptr, wcthrm::host::texts::T(wcthrm::host::texts::kLoadTitle),
                          library.error());
    return 1;
  }
  wcthrm::host::MainWindow window(library);
  window.show();
  return QApplication::exec();
}
