// The freezing depth dialog driven as a user drives it: typing, tabs, boxes, radio buttons,
// the table editors and their menus, "计算", "退出" and "保存默认值"; books compared with the
// form's and the command line's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "DialogTestSupport.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/items/U_DepthOfSoil.h"

using namespace wcthrm;
using namespace wcthrm::ui;
namespace ds = wcthrm::calc::depthofsoil;

namespace {

// The shown dialog over the example, or over what adjust makes; a tab click must show its tab.
struct Fixture : test::DialogFixture<Tfrm_DepthOfSoil, TDepthOfSoil> {
  explicit Fixture(const std::function<void(TDepthOfSoil&)>& adjust = {}, bool example = true)
      : DialogFixture(adjust, example) {}
  void ClickTab(int tab) {
    DialogFixture::ClickTab(tab);
    QCOMPARE(dialog.RzPageControl1->currentIndex(), tab);
  }
};

// A new item, as the factory makes it without saved defaults.
void AsNew(TDepthOfSoil& item) { item.LoadDefaultData(); }

}  // namespace

// What a case does to the open dialog before it is checked.
using Setup = std::function<void(Fixture&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

QString Cell(KxGrid* grid, int col, int row) { return grid->item(row, col)->text(); }

class DepthOfSoilDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void newItemOpens() {
    Fixture f(AsNew, false);
    Tfrm_DepthOfSoil& d = f.dialog;
    QCOMPARE(d.windowTitle(), QStringLiteral("土壤冻结深度计算"));
    QCOMPARE(d.RzPageControl1->currentIndex(), 0);
    for (int tab = 0; tab < ds::kTabCount; ++tab) {
      KxGrid* g = d.dayTables[tab];
      QCOMPARE(g->rowCount(), 2);
      QCOMPARE(Cell(g, 0, 0), QStringLiteral("序号"));
      QCOMPARE(Cell(g, 1, 0), QStringLiteral("冻结的天数t（d）"));
      QCOMPARE(Cell(g, 2, 0), QStringLiteral("平均日负气温T（℃）"));
      QCOMPARE(Cell(g, 0, 1) + Cell(g, 1, 1) + Cell(g, 2, 1), QStringLiteral("100"));
      QCOMPARE(d.pFields[tab]->text(), QStringLiteral("0"));
      QVERIFY(d.autoCals[tab]->isChecked());
    }
    QCOMPARE(d.advsgFgbwtr2->rowCount(), 3);
    QCOMPARE(Cell(d.advsgFgbwtr2, 1, 0), QStringLiteral("保温材料的铺设厚度hi(cm)"));
    QCOMPARE(Cell(d.advsgFgbwtr2, 2, 0), QStringLiteral("对土壤冻结影响系数βi"));
    QCOMPARE(Cell(d.advsgFgbwtr2, 1, 1) + Cell(d.advsgFgbwtr2, 1, 2), QString());
    QCOMPARE(f.Find<TKxEdit>("kxedtYxxs")->text(), QStringLiteral("0"));
    QCOMPARE(d.rxrePutout->toPlainText(), QString());
    QVERIFY(d.rxrePutout->isReadOnly());
  }

  void countsOutsideTheRangeKeepTheRows_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("zero") << 0 << 2;
    QTest::newRow("150") << 150 << 2;
    QTest::newRow("three") << 3 << 3;
  }
  void countsOutsideTheRangeKeepTheRows() {
    QFETCH(int, count);
    QFETCH(int, rows);
    Fixture f([count](TDepthOfSoil& item) { item.Count1 = count; });
    Tfrm_DepthOfSoil& d = f.dialog;
    QCOMPARE(d.dayTables[0]->rowCount() - 1, rows);
  }

  void eachTabCalculatesItsBook() {
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    TDepthOfSoil& item = f.item;
    QStringList panes;
    for (int tab = 0; tab < ds::kTabCount; ++tab) {
      f.ClickTab(tab);
      QCOMPARE(d.rxrePutout->toPlainText(), QString());  // never calculated yet
      ds::Form form = ds::Load(item);
      form.activeTab = tab;
      QCOMPARE(ds::Check(form, tab), std::nullopt);
      const calc::BookLines book = ds::Book(form, tab);
      QVERIFY(!book.empty());
      QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
      QVERIFY2(f.messages.shown.empty(), qPrintable(f.messages.Texts().join(u'\n')));
      // Every book line ends with its line break.
      QCOMPARE(d.rxrePutout->toPlainText(), test::PlainBook(book) + u'\n');
      QCOMPARE(test::PaneBook(d.rxrePutout), book);
      QCOMPARE(test::CliBook(item, "DepthOfSoil", tab), book);
      panes << d.rxrePutout->toPlainText();
    }
    QCOMPARE(panes.removeDuplicates(), 0);
    // Tab 1 -> 3 -> 1: each shows its own book.
    for (int tab : {0, 2, 0}) {
      f.ClickTab(tab);
      QCOMPARE(d.rxrePutout->toPlainText(), panes[tab]);
      QVERIFY(d.rxrePutout->isReadOnly());
    }
  }

  void failingCheckPointsAtItsControl_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<Setup>("setup");
    QTest::newRow("AAbove30") << 0 << Setup([](Fixture& f) {
      f.TypeAndLeave("kxedtDjxs", QStringLiteral("31"));
    });
    QTest::newRow("AlphaBelow10") << 1 << Setup([](Fixture& f) {
      QTest::mouseClick(f.dialog.RadioButton2, Qt::LeftButton);
      f.TypeAndLeave("kxedtFdjsxs", QStringLiteral("5"));
    });
    QTest::newRow("BetaAbove10") << 2 << Setup([](Fixture& f) {
      f.TypeAndLeave("kxedtYxxs", QStringLiteral("11"));
    });
    QTest::newRow("NoUnknownLayer") << 3 << Setup([](Fixture& f) {
      QWidget* combo = f.OpenCell(f.dialog.advsgFgbwtr2, 1, 2, "cbNumType");
      auto* box = qobject_cast<QComboBox*>(combo);
      box->setCurrentIndex(box->findText(QStringLiteral("已知项")));
      emit box->activated(box->currentIndex());
      QTest::keyClick(box, Qt::Key_Return);
    });
  }
  void failingCheckPointsAtItsControl() {
    QFETCH(int, tab);
    QFETCH(Setup, setup);
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    f.ClickTab(tab);
    setup(f);
    QVERIFY2(f.messages.shown.empty(), qPrintable(f.messages.Texts().join(u'\n')));
    const calc::CheckResult fault = ds::Check(d.Gather(), tab);
    QVERIFY(fault);
    QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
    QCOMPARE(f.messages.Texts(), QStringList{QString::fromStdString(fault->message)});
    QCOMPARE(d.RzPageControl1->currentIndex(), tab);
    if (fault->IsCell()) {
      auto* grid = f.Find<KxGrid>(fault->control.c_str());
      QCOMPARE(grid->currentRow(), fault->row);
      QCOMPARE(grid->currentColumn(), fault->col);
    } else {
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromStdString(fault->control));
    }
    QCOMPARE(d.rxrePutout->toPlainText(), QString());
  }

  void saveDefaultsStopsAtADayCellOfAnotherTab() {
    Fixture f([](TDepthOfSoil& item) {
      item.Zdlj4 = false;  // no sum at show time, so the 400 stays
      item.slFourNoHeatSoil = test::GbkList({"30", "5.5", "400", "5"});
    });
    Tfrm_DepthOfSoil& d = f.dialog;
    QCOMPARE(Cell(d.dayTables[3], 1, 2), QStringLiteral("400"));
    QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
    QCOMPARE(f.messages.Texts(),
             QStringList{QStringLiteral("表格中冻结天数必须为0（包括）～366（包括）之间的整数！")});
    QCOMPARE(d.RzPageControl1->currentIndex(), 3);
    QCOMPARE(d.dayTables[3]->currentRow(), 2);
    QCOMPARE(d.dayTables[3]->currentColumn(), 1);
    QVERIFY(!QFile::exists(f.DefaultsFile()));
  }

  void autoCalFillsAndFreesThePField() {
    Fixture f([](TDepthOfSoil& item) {
      item.Zdlj1 = false;
      item.Djzs1 = 7;
    });
    Tfrm_DepthOfSoil& d = f.dialog;
    TKxEdit* p = f.Find<TKxEdit>("kxedtDjzs1");
    QCOMPARE(p->text(), QStringLiteral("7"));
    QVERIFY(p->isEnabled());
    QVERIFY(!d.dayTables[0]->isEnabled());
    QVERIFY(!f.Find<QLabel>("lblAutoCal1")->isEnabled());

    QTest::mouseClick(f.Find<QCheckBox>("cbAutoCal1"), Qt::LeftButton);
    QCOMPARE(p->text(), QStringLiteral("365"));
    QVERIFY(!p->isEnabled());
    QVERIFY(d.dayTables[0]->isEnabled());
    QVERIFY(f.Find<QLabel>("lblAutoCal1")->isEnabled());

    QTest::mouseClick(f.Find<QCheckBox>("cbAutoCal1"), Qt::LeftButton);
    QCOMPARE(p->text(), QStringLiteral("365"));
    QVERIFY(p->isEnabled());
    QCOMPARE(QApplication::focusWidget(), p);
    QVERIFY(!d.dayTables[0]->isEnabled());
  }

  void selectingACellRepairsTheDayCells() {
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    KxGrid* g = d.dayTables[0];
    f.TypeCell(g, 1, 1, "kxedtDays1", QStringLiteral("400"));
    QCOMPARE(Cell(g, 1, 1), QStringLiteral("400"));
    g->setCurrentCell(2, 2);  // another cell of the table
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 1), QStringLiteral("0"));
    QCOMPARE(f.Find<TKxEdit>("kxedtDjzs1")->text(), QStringLiteral("200"));
    QVERIFY(f.messages.shown.empty());
  }

  void dayRowsAddAndDeleteOnTheActiveTab() {
    Fixture f(AsNew, false);
    Tfrm_DepthOfSoil& d = f.dialog;
    f.ClickTab(2);
    f.Find<QAction>("NAdd")->trigger();
    QCOMPARE(d.dayTables[2]->rowCount(), 3);
    QCOMPARE(Cell(d.dayTables[2], 0, 2) + Cell(d.dayTables[2], 1, 2) + Cell(d.dayTables[2], 2, 2),
             QStringLiteral("200.00"));
    QCOMPARE(d.dayTables[2]->currentRow(), 2);
    QCOMPARE(d.dayTables[0]->rowCount(), 2);

    f.ClickTab(0);
    d.dayTables[0]->setCurrentCell(1, 1);
    f.Find<QAction>("NDlt")->trigger();
    QCOMPARE(d.dayTables[0]->rowCount(), 2);
    QCOMPARE(Cell(d.dayTables[0], 0, 1) + "|" + Cell(d.dayTables[0], 1, 1) + "|" +
                 Cell(d.dayTables[0], 2, 1),
             QStringLiteral("1|0|0.00"));
  }

  void deletingALayerKeepsTheUnknown_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("unknown");
    QTest::newRow("AboveMovesItUp") << 1 << 2;
    QTest::newRow("ItselfClearsIt") << 3 << -1;
    QTest::newRow("BelowKeepsIt") << 4 << 3;
  }
  void deletingALayerKeepsTheUnknown() {
    QFETCH(int, row);
    QFETCH(int, unknown);
    Fixture f([](TDepthOfSoil& item) {
      item.Count5 = 4;
      item.slFiveNoHeatSoil =
          test::GbkList({"已知项,1", "1", "已知项,2", "2", "求解项", "3", "已知项,4", "4"});
    });
    Tfrm_DepthOfSoil& d = f.dialog;
    f.ClickTab(3);
    QCOMPARE(d.Gather().UnknownRow, 3);
    d.advsgFgbwtr2->setCurrentCell(row, 1);
    f.Find<QAction>("NDlt2")->trigger();
    QCOMPARE(d.advsgFgbwtr2->rowCount(), 4);
    QCOMPARE(d.Gather().UnknownRow, unknown);
    if (unknown > 0) QCOMPARE(Cell(d.advsgFgbwtr2, 1, unknown), QStringLiteral("求解项"));
  }

  void thicknessEditorOffersOneUnknown() {
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    f.ClickTab(3);
    KxGrid* g = d.advsgFgbwtr2;
    // Another row: only "已知项", with its thickness.
    auto* combo = qobject_cast<QComboBox*>(f.OpenCell(g, 1, 1, "cbNumType"));
    QVERIFY(combo);
    QCOMPARE(QApplication::focusWidget(), combo);
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("已知项"));
    auto* days = g->findChild<TKxEdit*>(QStringLiteral("kxedtDays"));
    QCOMPARE(days->text(), QStringLiteral("10"));
    QVERIFY(days->isVisible());
    QTest::keyClick(combo, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 1), QStringLiteral("已知项,10"));

    // The unknown's own cell: both, "求解项" chosen; left unchanged it stays the unknown.
    combo = qobject_cast<QComboBox*>(f.OpenCell(g, 1, 2, "cbNumType"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("求解项"));
    QVERIFY(!g->findChild<TKxEdit*>(QStringLiteral("kxedtDays"))->isVisible());
    QTest::keyClick(combo, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 2), QStringLiteral("求解项"));
    QCOMPARE(d.Gather().UnknownRow, 2);
    QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
    QVERIFY2(f.messages.shown.empty(), qPrintable(f.messages.Texts().join(u'\n')));

    // Chosen known, the field shows and its thickness goes into the cell.
    combo = qobject_cast<QComboBox*>(f.OpenCell(g, 1, 2, "cbNumType"));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    days = g->findChild<TKxEdit*>(QStringLiteral("kxedtDays"));
    QVERIFY(days->isVisible());
    QTest::keyClicks(days, QStringLiteral("25"));
    QTest::keyClick(days, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 2), QStringLiteral("已知项,25"));
    QCOMPARE(d.Gather().UnknownRow, -1);
  }

  void betaEditorStaysOpenWhileItsHintIsUp() {
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    f.ClickTab(3);
    KxGrid* g = d.advsgFgbwtr2;
    auto* field = qobject_cast<TKxEdit*>(f.OpenCell(g, 2, 1, "kxedtPjrfqw"));
    QVERIFY(field);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->text(), QStringLiteral("1.6"));
    int shownPicture = 0;
    QTimer::singleShot(100, [&] {
      auto* hint = qobject_cast<Tfrm_DepthOfSoilHint*>(QApplication::activeModalWidget());
      if (!hint) return;
      shownPicture = hint->Image3->isVisible() && !hint->Image1->isVisible() ? 3 : -1;
      hint->close();
    });
    QTest::mouseClick(g->findChild<QPushButton*>(QStringLiteral("bsSkinButton4")), Qt::LeftButton);
    QCOMPARE(shownPicture, 3);
    QPointer<TKxEdit> open = field;
    QTest::qWait(150);
    QVERIFY(open && open->isVisible());
    field->activateWindow();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("2.4"));
    QTest::keyClick(field, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(Cell(g, 2, 1), QStringLiteral("2.4"));
  }

  void hintButtonsShowTheirPicture_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("picture");
    QTest::newRow("A") << QStringLiteral("bsSkinButton1") << 1;
    QTest::newRow("alpha") << QStringLiteral("bsSkinButton2") << 2;
    QTest::newRow("beta") << QStringLiteral("bsSkinButton3") << 3;
  }
  void hintButtonsShowTheirPicture() {
    QFETCH(QString, button);
    QFETCH(int, picture);
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    int shown = 0;
    QSize size;
    QTimer::singleShot(50, [&] {
      auto* hint = qobject_cast<Tfrm_DepthOfSoilHint*>(QApplication::activeModalWidget());
      if (!hint) return;
      TRefTableView* images[] = {hint->Image1, hint->Image2, hint->Image3};
      for (int i = 0; i < 3; ++i)
        if (images[i]->isVisible()) shown = shown ? -1 : i + 1;
      size = hint->size();
      hint->close();
    });
    d.findChild<QPushButton*>(button)->click();
    QCOMPARE(shown, picture);
    QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &d);
  }

  void radioButtonsShowTheirGroups() {
    Fixture f;
    Tfrm_DepthOfSoil& d = f.dialog;
    QVERIFY(d.GroupBox1->isVisible() && !d.GroupBox2->isVisible());
    const int tall = d.RzPageControl1->height();
    QTest::mouseClick(d.rbBzdjsd, Qt::LeftButton);
    QVERIFY(!d.GroupBox1->isVisible() && d.GroupBox2->isVisible());
    QVERIFY(d.RzPageControl1->height() < tall);
    QTest::mouseClick(d.rbNoHeatSoil, Qt::LeftButton);
    QCOMPARE(d.RzPageControl1->height(), tall);

    f.ClickTab(1);
    QVERIFY(d.GroupBox3->isVisible() && !d.GroupBox4->isVisible());
    QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
    QVERIFY(!d.GroupBox3->isVisible() && d.GroupBox4->isVisible());

    f.ClickTab(2);
    QVERIFY(d.kxedtXdpjfgxs->isEnabled() && d.lblXdpjfgxs->isEnabled());
    QTest::mouseClick(d.RadioButton4, Qt::LeftButton);
    QVERIFY(!d.kxedtXdpjfgxs->isEnabled() && !d.lblXdpjfgxs->isEnabled());

    QTest::mouseClick(d.btnExit, Qt::LeftButton);
    QVERIFY(f.item.NoHeatSoil1);
    QVERIFY(!f.item.NoHeatSoil2);
    QVERIFY(!f.item.CalDjsd);
  }

  void exitStoresAndTellsWhatWasTyped() {
    {
      Fixture f;
      Tfrm_DepthOfSoil& d = f.dialog;
      f.TypeAndLeave("kxedtDjxs", QStringLiteral("3"));
      QTest::mouseClick(d.btnExit, Qt::LeftButton);
      QVERIFY(!d.isVisible());
      QCOMPARE(f.item.Djxs1, 3.0);
      QVERIFY(d.ItemChanged);
    }
    {
      Fixture f;
      Tfrm_DepthOfSoil& d = f.dialog;
      f.ClickTab(3);
      f.TypeCell(d.dayTables[3], 2, 1, "kxedtPjrfqw1", QStringLiteral("7"));
      f.Find<QAction>("NAdd2")->trigger();
      QTest::mouseClick(d.btnExit, Qt::LeftButton);
      QVERIFY(!d.isVisible());
      QCOMPARE(f.item.slFourNoHeatSoil, test::GbkList({"30", "7", "20", "10"}));
      QCOMPARE(f.item.Count5, 3);
      QCOMPARE(f.item.slFiveNoHeatSoil,
               test::GbkList({"已知项,10", "1.6", "求解项", "3.2", "", "0.00"}));
      QVERIFY(!d.ItemChanged);
    }
  }
};

}  // namespace

QTEST_MAIN(DepthOfSoilDialogTest)
#include "DepthOfSoilDialogTest.moc"
