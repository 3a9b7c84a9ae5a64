// Small pieces the window's files share: the tree items' data roles, the GBK edge of the
// library's texts, and the icons of the node kinds.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

#include "wcthrm/wcthrm.h"

namespace wcthrm::host {

enum Role {
  kNodeRole = Qt::UserRole + 1,  // the IKxObj*, as quintptr
  kCaptionRole,                  // the caption without the modified mark
};

QByteArray ToGbk(const QString& text);
QString FromGbk(const char* text);
QString CaptionOf(IKxObj* node);

// Caption of a calculation item kind, or nullptr for any other type identifier.
const char* KindCaption(int32_t typeId);

// Drawn, so the program needs no image files.
QIcon IconOf(int32_t typeId);

}  // namespace wcthrm::host
