// The host's link to the calculation module: picks the host folder and writes its
// tmp/config.ini, loads libwcthrm at run time, resolves GetPrjMgr, and turns the error reports
// the library sends into Qt signals for the window connected last. One per process; it outlives
// every window, because the library may report to its error record until it is re-pointed.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "wcthrm/wcthrm.h"

class QLibrary;
class QWidget;

namespace wcthrm::host {

// Where tmp/config.ini lives, decided before the library is loaded (it reads the file at load).
// A folder named in WCTHRM_HOST_FOLDER wins; a program run from the build tree uses its own
// folder if it can write there; an installed one uses the user's application data folder.
QString ChooseHostFolder(const QString& executableFolder);

// Writes <hostFolder>/tmp/config.ini with the host's type identifiers unless a config file is
// already there (tmp/ looked up ignoring case). False when it cannot be written.
bool EnsureConfig(const QString& hostFolder, QString* configPath);

// The config file's bytes: GBK, CRLF lines.
QByteArray ConfigText();

// The library files looked for, in order: beside the executable, the installed layout, the
// build tree's.
QStringList LibraryCandidates(const QString& executableFolder);

class HostLibrary : public QObject {
  Q_OBJECT
 public:
  HostLibrary();
  ~HostLibrary() override;

  // Chooses the host folder, writes the config, loads the library. On failure error() says
  // why, in words for the user.
  bool Load();
  const QString& error() const { return error_; }
  const QString& libraryPath() const { return libraryPath_; }
  const QString& hostFolder() const { return hostFolder_; }

  // GetPrjMgr with window as the owner of the library's dialogs; its reports are emitted with
  // window as receiver until another window connects.
  IKxPrjMgr* Connect(QWidget* window);
  // The window is going away: the library reports to nobody until the next Connect.
  void Disconnect(QWidget* window);

 signals:
  // text: the whole GBK message decoded; receiver: the window connected when it came.
  void ErrorReceived(QWidget* receiver, const QString& text);

 private:
  static intptr_t KX_CALL Receive(void* context, uintptr_t, const KxCopyData* data);

  QLibrary* library_ = nullptr;
  GetPrjMgrFn getPrjMgr_ = nullptr;
  IKxPrjMgr* manager_ = nullptr;
  QWidget* connected_ = nullptr;
  KxHostWindow record_{};
  QString error_;
  QString libraryPath_;
  QString hostFolder_;
};

}  // namespace wcthrm::host
