// wcthrm-host: the program a site engineer starts. It loads the calculation module and shows
// the project window; `wcthrm-host [PROJECT]` opens PROJECT at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "HostLibrary.h"
#include "HostTexts.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
  using namespace wcthrm::host;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("wcthrm-host"));
  QApplication::setOrganizationName(QStringLiteral("wcthrm"));
  QApplication::setApplicationVersion(QStringLiteral(WCTHRM_HOST_VERSION));
  QApplication::setApplicationDisplayName(texts::T(texts::kAppTitle));

  QCommandLineParser parser;
  parser.setApplicationDescription(texts::T(texts::kCommandLineDescription));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(texts::T(texts::kProjectArgument),
                               texts::T(texts::kProjectArgumentHelp),
                               QStringLiteral("[%1]").arg(texts::T(texts::kProjectArgument)));
  parser.process(app);  // --help and --version print and leave here
  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() > 1) {
    parser.showHelp(1);
  }

  HostLibrary library;
  if (!library.Load()) {
    QMessageBox::critical(nullptr, texts::T(texts::kLoadTitle), library.error());
    return 1;
  }
  MainWindow window(library);
  window.show();
  window.Start(arguments.value(0));
  return QApplication::exec();
}
