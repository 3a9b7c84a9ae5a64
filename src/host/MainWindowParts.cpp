#include "MainWindowParts.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStringDecoder>
#include <QStringEncoder>

#include "HostTexts.h"

namespace wcthrm::host {

QByteArray ToGbk(const QString& text) {
  QStringEncoder gbk("GB18030");  // a superset of GBK: no typed character is lost
  return gbk.encode(text);
}

QString FromGbk(const char* text) {
  if (!text) return {};
  QStringDecoder gbk("GB18030");
  return gbk.decode(QByteArrayView(text));
}

QString CaptionOf(IKxObj* node) {
  const char* caption = nullptr;
  node->GetCaption(&caption);
  return FromGbk(caption);
}

const char* KindCaption(int32_t typeId) {
  for (const KindText& k : kKindTexts)
    if (k.typeId == typeId) return k.caption;
  return nullptr;
}

namespace {

struct Look {
  QColor fill;
  const char* glyph;  // one character naming the kind
};

Look LookOf(int32_t typeId) {
  switch (typeId) {
    case kProjectTypeId: return {QColor(0x2b, 0x57, 0x9a), "项"};
    case kConcreteHeatTypeId: return {QColor(0xc0, 0x39, 0x2b), "热"};
    case kConcreteConserveTypeId: return {QColor(0x27, 0x8e, 0x4f), "养"};
    case kDepthOfSoilTypeId: return {QColor(0x1f, 0x78, 0xb4), "冻"};
    case kTongTransitIrrigateTypeId: return {QColor(0xd3, 0x7a, 0x10), "运"};
    default: return {QColor(0x80, 0x80, 0x80), "?"};
  }
}

QPixmap Badge(const Look& look, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(look.fill.darker(130));
  p.setBrush(look.fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
  QFont f = p.font();
  f.setPixelSize(size * 3 / 4);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::fromUtf8(look.glyph));
  return pm;
}

QPixmap Folder(int size, bool bin) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  if (bin) {
    // A waste basket: lid and a tapered body with ribs.
    p.setPen(QPen(QColor(0x55, 0x5f, 0x6b), s / 16));
    p.setBrush(QColor(0xb8, 0xc2, 0xcc));
    QPainterPath body;
    body.moveTo(s * 0.22, s * 0.28);
    body.lineTo(s * 0.78, s * 0.28);
    body.lineTo(s * 0.70, s * 0.94);
    body.lineTo(s * 0.30, s * 0.94);
    body.closeSubpath();
    p.drawPath(body);
    p.drawRect(QRectF(s * 0.14, s * 0.16, s * 0.72, s * 0.10));
    p.drawRect(QRectF(s * 0.40, s * 0.06, s * 0.20, s * 0.10));
    for (qreal x : {0.40, 0.50, 0.60}) p.drawLine(QPointF(s * x, s * 0.38), QPointF(s * x, s * 0.84));
  } else {
    p.setPen(QPen(QColor(0xa0, 0x7a, 0x10), s / 16));
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    QPainterPath path;
    path.moveTo(s * 0.06, s * 0.20);
    path.lineTo(s * 0.40, s * 0.20);
    path.lineTo(s * 0.48, s * 0.30);
    path.lineTo(s * 0.94, s * 0.30);
    path.lineTo(s * 0.94, s * 0.86);
    path.lineTo(s * 0.06, s * 0.86);
    path.closeSubpath();
    p.drawPath(path);
  }
  return pm;
}

}  // namespace

QIcon IconOf(int32_t typeId) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) {
    if (typeId == kFolderTypeId || typeId == kRecycleBinTypeId)
      icon.addPixmap(Folder(size, typeId == kRecycleBinTypeId));
    else
      icon.addPixmap(Badge(LookOf(typeId), size));
  }
  return icon;
}

}  // namespace wcthrm::host
