#include "ui/Skin.h"

#include <QFile>

#include "support/Folders.h"
#include "support/IniFile.h"

namespace wcthrm::ui {

QColor BgrColor(int32_t value) {
  if (value < 0 || value > 0xFFFFFF) value = kDefaultBackground;
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor DialogBackground() {
  const std::string host = HostFolder();
  const IniFile ini(host + ChildIgnoringCase(host, "para.ini"));
  if (!ini.Find("Mainskin", "bgcolor")) return BgrColor(kDefaultBackground);
  return BgrColor(ini.ReadInteger("Mainskin", "bgcolor"));
}

QString SkinStyleSheet() {
  const std::string host = HostFolder();
  const std::string skinFolder = host + ChildIgnoringCase(host, "skin") + "/";
  QFile file(QString::fromStdString(skinFolder + ChildIgnoringCase(skinFolder, "kxskin.skn")));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const QByteArray data = file.readAll();
  if (data.contains('\0')) return QString();
  return QString::fromUtf8(data);
}

}  // namespace wcthrm::ui
