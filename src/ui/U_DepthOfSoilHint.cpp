#include "ui/U_DepthOfSoilHint.h"

#include <QLayout>

#include "support/Errors.h"

namespace wcthrm::ui {

namespace {

QStringList Row(const QString& head, const char* cells) {
  return QStringList{head} + QString::fromLatin1(cells).split(u' ');
}

const char* const kFreezingIndexes = "100 200 300 400 500 600 700 800 900 1000 1500 2000";

RefTable FreezingCoefficientTable() {
  RefTable t;
  t.title = QStringLiteral("冻结系数A值");
  t.rows = {
      Row(QStringLiteral("P"), kFreezingIndexes),
      Row(QStringLiteral("粘性土"), "0.63 0.68 0.70 0.75 0.83 0.92 1.00 1.08 1.17 1.25 1.25 1.25"),
      Row(QStringLiteral("砂类土"), "0.76 0.82 0.84 0.90 1.00 1.10 1.20 1.30 1.40 1.50 1.50 1.50"),
  };
  return t;
}

RefTable FrostCoefficientTable() {
  RefTable t;
  t.title = QStringLiteral("土的防冻计算系数α");
  t.rows = {
      Row(QStringLiteral("P"), kFreezingIndexes),
      Row(QStringLiteral("翻松耙平 25～30cm"), "15 16 17 18 20 22 24 26 28 30 30 30"),
  };
  return t;
}

RefTable InfluenceCoefficientTable() {
  RefTable t;
  t.title = QStringLiteral("各种材料对土壤冻结影响系数β");
  t.rows = {
      QStringList{QString(), QStringLiteral("树叶"), QStringLiteral("刨花"), QStringLiteral("锯末"),
                  QStringLiteral("干炉渣"), QStringLiteral("茅草"), QStringLiteral("膨胀珍珠岩"),
                  QStringLiteral("炉渣"), QStringLiteral("芦苇"), QStringLiteral("草帘"),
                  QStringLiteral("泥炭土"), QStringLiteral("松散土"), QStringLiteral("密实土"),
                  QStringLiteral("钢筋混凝土"), QStringLiteral("素混凝土")},
      Row(QStringLiteral("砂土"), "3.3 3.2 2.8 2.0 2.5 3.8 1.6 2.1 2.5 2.8 1.4 1.12 1.18 1.40"),
      Row(QStringLiteral("粉土"), "3.1 3.1 2.7 1.9 2.4 3.6 1.6 2.04 2.4 2.9 1.3 1.08 1.14 1.36"),
      Row(QStringLiteral("粉质粘土"),
          "2.7 2.6 2.3 1.6 2.0 3.5 1.3 1.7 2.0 2.31 1.2 1.06 0.96 1.14"),
      Row(QStringLiteral("粘土"), "2.1 2.1 1.9 1.3 1.6 3.5 1.1 1.4 1.6 1.9 1.2 1.00 0.80 0.95"),
  };
  t.note = QStringLiteral(
      "注：1.表中数值适用于地下水位低于1m以下；2当地下水位较高时（饱和水的）其值可取1。");
  // Long material names take two lines so the fourteen columns stay narrow.
  t.wrapChars.assign(15, 3);
  t.wrapChars[0] = 0;
  return t;
}

}  // namespace

Tfrm_DepthOfSoilHint::Tfrm_DepthOfSoilHint(QWidget* parent) : THintForm(parent) {
  setObjectName(QStringLiteral("frm_DepthOfSoilHint"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  Image1 = AddTable("Image1", FreezingCoefficientTable());
  Image2 = AddTable("Image2", FrostCoefficientTable());
  Image3 = AddTable("Image3", InfluenceCoefficientTable());
}

void Tfrm_DepthOfSoilHint::ShowPicture(int picture) {
  if (picture < 1 || picture > 3) throw RangeError("no hint table " + std::to_string(picture));
  Image1->setVisible(picture == 1);
  Image2->setVisible(picture == 2);
  Image3->setVisible(picture == 3);
  layout()->activate();
  adjustSize();
}

void ShowDepthOfSoilHint(int picture) {
  Tfrm_DepthOfSoilHint hint;
  hint.ShowPicture(picture);
  hint.exec();
}

}  // namespace wcthrm::ui
