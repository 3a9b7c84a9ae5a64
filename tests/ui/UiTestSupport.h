// Small fixtures the dialog tests share: a host folder of their own and an item that
// records what its defaults operations did.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "model/uBaseClass.h"

namespace wcthrm::ui::test {

// Points the host folder at a fresh temporary folder while it lives.
class TempHostFolder {
 public:
  TempHostFolder() : old_(qgetenv("WCTHRM_HOST_FOLDER")) {
    qputenv("WCTHRM_HOST_FOLDER", dir_.path().toLocal8Bit());
  }
  ~TempHostFolder() {
    if (old_.isEmpty()) {
      qunsetenv("WCTHRM_HOST_FOLDER");
    } else {
      qputenv("WCTHRM_HOST_FOLDER", old_);
    }
  }
  TempHostFolder(const TempHostFolder&) = delete;
  TempHostFolder& operator=(const TempHostFolder&) = delete;

  // Writes data to a file under the folder, creating its folders.
  void Write(const QString& relativePath, const QByteArray& data) const {
    const QString path = dir_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(data);
  }

 private:
  QTemporaryDir dir_;
  QByteArray old_;
};

// An item with one value; its defaults live in the object instead of update.ini.
class FakeItem : public TKxObj {
 public:
  std::string value = "1.00";
  std::string defaults = "9.00";

  void LoadDefaultData() override { value = defaults; }
  void SaveDefaultData() override { defaults = value; }
};

}  // namespace wcthrm::ui::test
