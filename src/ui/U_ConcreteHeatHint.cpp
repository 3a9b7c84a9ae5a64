#include "ui/U_ConcreteHeatHint.h"

namespace wcthrm::ui {

namespace {

RefTable HeatingTable() {
  RefTable t;
  t.title = QStringLiteral("拌和水及骨料加热最高温度");
  t.rows = {
      {QStringLiteral("水泥种类"), QStringLiteral("拌和水（℃）"), QStringLiteral("骨料（℃）"),
       QStringLiteral("混凝土自搅拌机中卸出时（℃）")},
      {QStringLiteral("标号小于 525 号的普通硅酸盐水泥、矿渣硅酸盐水泥"), QStringLiteral("80"),
       QStringLiteral("60"), QStringLiteral("40")},
      {QStringLiteral("标号大于等于 525 号的硅酸盐水泥、普通硅酸盐水泥"), QStringLiteral("60"),
       QStringLiteral("40"), QStringLiteral("35")},
  };
  t.note = QStringLiteral(
      "注：当水、骨料达到规定温度仍不能满足热工计算要求时，可提高水温到 100℃，但水泥不得与 "
      "80℃以上的水直接接触，投料顺序应先投入骨料和已加热的水，然后再投入水泥。");
  t.wrapChars = {16, 0, 0, 8};
  return t;
}

}  // namespace

Tfrm_ConcreteHeatHint::Tfrm_ConcreteHeatHint(QWidget* parent) : THintForm(parent) {
  setObjectName(QStringLiteral("frm_ConcreteHeatHint"));
  setFont(QFont(QStringLiteral("宋体"), 9));
  Image1 = AddTable("Image1", HeatingTable());
}

void ShowConcreteHeatHint() {
  Tfrm_ConcreteHeatHint hint;
  hint.exec();
}

}  // namespace wcthrm::ui
