// The reference tables of the hint dialogs: their content, one table at a time, and a window
// that fits the table it shows.
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "support/Errors.h"
#include "ui/U_ConcreteHeatHint.h"
#include "ui/U_DepthOfSoilHint.h"

using namespace wcthrm;
using namespace wcthrm::ui;

namespace {

// Rows joined by "\n", cells by "|".
QString Cells(const RefTable& t) {
  QStringList rows;
  for (const QStringList& r : t.rows) rows << r.join(u'|');
  return rows.join(u'\n');
}

std::unique_ptr<THintForm> MakeHint(const QString& dialog) {
  if (dialog == u"heat") return std::make_unique<Tfrm_ConcreteHeatHint>();
  return std::make_unique<Tfrm_DepthOfSoilHint>();
}

}  // namespace

class HintDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void tableContent_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QString>("note");
    QTest::newRow("heating temperatures")
        << "heat"
        << "Image1"
        << "拌和水及骨料加热最高温度"
        << "水泥种类|拌和水（℃）|骨料（℃）|混凝土自搅拌机中卸出时（℃）\n"
           "标号小于 525 号的普通硅酸盐水泥、矿渣硅酸盐水泥|80|60|40\n"
           "标号大于等于 525 号的硅酸盐水泥、普通硅酸盐水泥|60|40|35"
        << "注：当水、骨料达到规定温度仍不能满足热工计算要求时，可提高水温到 100℃，但水泥不得与 "
           "80℃以上的水直接接触，投料顺序应先投入骨料和已加热的水，然后再投入水泥。";
    QTest::newRow("freezing coefficient A")
        << "soil"
        << "Image1"
        << "冻结系数A值"
        << "P|100|200|300|400|500|600|700|800|900|1000|1500|2000\n"
           "粘性土|0.63|0.68|0.70|0.75|0.83|0.92|1.00|1.08|1.17|1.25|1.25|1.25\n"
           "砂类土|0.76|0.82|0.84|0.90|1.00|1.10|1.20|1.30|1.40|1.50|1.50|1.50"
        << "";
    QTest::newRow("frost coefficient alpha")
        << "soil"
        << "Image2"
        << "土的防冻计算系数α"
        << "P|100|200|300|400|500|600|700|800|900|1000|1500|2000\n"
           "翻松耙平 25～30cm|15|16|17|18|20|22|24|26|28|30|30|30"
        << "";
    QTest::newRow("influence coefficients beta")
        << "soil"
        << "Image3"
        << "各种材料对土壤冻结影响系数β"
        << "|树叶|刨花|锯末|干炉渣|茅草|膨胀珍珠岩|炉渣|芦苇|草帘|泥炭土|松散土|密实土|钢筋混凝土|"
           "素混凝土\n"
           "砂土|3.3|3.2|2.8|2.0|2.5|3.8|1.6|2.1|2.5|2.8|1.4|1.12|1.18|1.40\n"
           "粉土|3.1|3.1|2.7|1.9|2.4|3.6|1.6|2.04|2.4|2.9|1.3|1.08|1.14|1.36\n"
           "粉质粘土|2.7|2.6|2.3|1.6|2.0|3.5|1.3|1.7|2.0|2.31|1.2|1.06|0.96|1.14\n"
           "粘土|2.1|2.1|1.9|1.3|1.6|3.5|1.1|1.4|1.6|1.9|1.2|1.00|0.80|0.95"
        << "注：1.表中数值适用于地下水位低于1m以下；2当地下水位较高时（饱和水的）其值可取1。";
  }
  void tableContent() {
    QFETCH(QString, dialog);
    QFETCH(QString, image);
    QFETCH(QString, title);
    QFETCH(QString, cells);
    QFETCH(QString, note);
    auto hint = MakeHint(dialog);
    auto* view = hint->findChild<TRefTableView*>(image);
    QVERIFY(view);
    QCOMPARE(view->Table().title, title);
    QCOMPARE(Cells(view->Table()), cells);
    QCOMPARE(view->Table().note, note);
  }

  // Each opening shows one table in a window of its size, whatever an earlier one showed.
  void onePictureAtATime_data() {
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("picture");
    QTest::newRow("A") << 0 << 1;
    QTest::newRow("alpha") << 0 << 2;
    QTest::newRow("beta after A") << 1 << 3;
    QTest::newRow("A after beta") << 3 << 1;
  }
  void onePictureAtATime() {
    QFETCH(int, earlier);
    QFETCH(int, picture);
    Tfrm_DepthOfSoilHint hint;
    if (earlier) {
      hint.ShowPicture(earlier);
      hint.show();
    }
    hint.ShowPicture(picture);
    hint.show();
    TRefTableView* images[] = {hint.Image1, hint.Image2, hint.Image3};
    for (int i = 0; i < 3; ++i) QCOMPARE(images[i]->isVisible(), i + 1 == picture);
    const TRefTableView* shown = images[picture - 1];
    QCOMPARE(shown->size(), shown->sizeHint());
    QVERIFY(shown->TextFits());
    QCOMPARE(hint.width(), shown->width() + 10);
    QVERIFY(hint.height() > shown->height() + hint.btnClose->height());
    QVERIFY(hint.height() < shown->height() + hint.btnClose->height() + 30);
  }

  void heatingTableFitsItsWindow() {
    Tfrm_ConcreteHeatHint hint;
    hint.show();
    QVERIFY(hint.Image1->TextFits());
    QCOMPARE(hint.width(), hint.Image1->width() + 10);
  }

  void windowAndClosing_data() {
    QTest::addColumn<QString>("dialog");
    QTest::newRow("heat") << "heat";
    QTest::newRow("soil") << "soil";
  }
  void windowAndClosing() {
    QFETCH(QString, dialog);
    auto hint = MakeHint(dialog);
    QCOMPARE(hint->windowTitle(), QStringLiteral("提示"));
    QVERIFY(!(hint->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(hint->palette().color(QPalette::Window), QColor(226, 226, 226));
    hint->show();
    QVERIFY(hint->btnClose->isVisible());
    hint->btnClose->click();
    QVERIFY(!hint->isVisible());
    QCOMPARE(hint->result(), int(QDialog::Accepted));
  }

  void unknownPictureIsAnError() {
    Tfrm_DepthOfSoilHint hint;
    QVERIFY_THROWS_EXCEPTION(RangeError, hint.ShowPicture(4));
  }
};

QTEST_MAIN(HintDialogsTest)
#include "HintDialogsTest.moc"
