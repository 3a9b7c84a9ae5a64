// The curing dialog driven as a user drives it: typing and leaving edits, the radio choice,
// tab clicks, the add/delete menu, cell editors, "计算", "保存默认值" and "退出", with its books
// compared to the form's and the command line's.
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "DialogTestSupport.h"
#include "calc/ConcreteConserveForm.h"
#include "ui/items/U_ConcreteConserve.h"

using namespace wcthrm;
using namespace wcthrm::ui;
namespace cc = wcthrm::calc::concreteconserve;

namespace {

const QString kTempRange = QStringLiteral("请输入 5 (包含) 到 80 (包含) 之间的实数！");
const QString kDlwdRange = QStringLiteral("请输入 5 (包含) 到 80 (包含) 之间的实数！");
const QString kReadingEmpty =
    QStringLiteral("混凝土成型完成后按等间隔时间所测得的温度ti（℃）不能为空！");
const QString kTimeRange =
    QStringLiteral("时间ti（h或d）必须为 0 (不包含) 到 10000 (包含) 之间的实数！");

QStringList Column(const KxGrid* grid, int col) {
  QStringList texts;
  for (int r = 1; r < grid->rowCount(); ++r)
    texts << (grid->item(r, col) ? grid->item(r, col)->text() : QString());
  return texts;
}

using Adjust = std::function<void(TConcreteConserve&)>;

// The shown dialog with its buttons, menu, cell editors and radio choice.
struct Shown : test::DialogFixture<Tfrm_ConcreteConserve, TConcreteConserve> {
  explicit Shown(const Adjust& adjust = nullptr) : DialogFixture(adjust) {}

  void Calculate() { QTest::mouseClick(dialog.btnCalculate, Qt::LeftButton); }
  void Menu(const char* action) { Find<QAction>(action)->trigger(); }
  int CheckedRadio() { return dialog.RadioGroup1->findChild<QButtonGroup*>()->checkedId(); }
};

}  // namespace

class ConcreteConserveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void OpensTheItem() {
    Shown s([](TConcreteConserve& i) {
        i.CalTime = false;
      });
    QVERIFY(s.ok);
    Tfrm_ConcreteConserve& d = s.dialog;
    QCOMPARE(d.windowTitle(), QStringLiteral("混凝土养护硬化温度计算"));
    QCOMPARE(d.RzPageControl1->currentIndex(), 0);
    QCOMPARE(d.RzPageControl1->tabText(0), QStringLiteral("混凝土平均温度计算"));
    QCOMPARE(d.RzPageControl1->tabText(1), QStringLiteral("混凝土当量时间和温度计算"));
    QCOMPARE(s.Find("kxedtTemp")->text(), QStringLiteral("20"));
    QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("3"));
    QCOMPARE(Column(d.advsgTemp, 0), (QStringList{"1", "2", "3"}));
    QCOMPARE(Column(d.advsgTemp, 1), (QStringList{"18", "16.5", "15"}));
    QCOMPARE(d.advsgTemp->item(0, 1)->text(),
             QStringLiteral("混凝土成型完成后按等间隔时间所测得的温度ti（℃）"));
    // The periods fill the table two by two.
    QCOMPARE(Column(d.advsgTemp2, 1), (QStringList{"20", "10"}));
    QCOMPARE(Column(d.advsgTemp2, 2), (QStringList{"24", "48"}));
    // CalTime false: equivalent temperature, so t_do is asked for and T_do is not.
    QCOMPARE(s.CheckedRadio(), 1);
    s.ClickTab(1);
    QVERIFY(s.Find("kxedtDlsj")->isVisible());
    QVERIFY(!s.Find("kxedtDlwd")->isVisible());
    QVERIFY(d.rxrePutout->isReadOnly());
    QVERIFY(d.rxrePutout->toPlainText().isEmpty());

    // RadioGroup1Click: the other choice shows the other edit in the same place.
    auto* first = d.RadioGroup1->findChildren<QRadioButton*>().front();
    QCOMPARE(first->text(), QStringLiteral("混凝土养护硬化当量时间计算"));
    QTest::mouseClick(first, Qt::LeftButton);
    QCOMPARE(s.CheckedRadio(), 0);
    QVERIFY(s.Find("kxedtDlwd")->isVisible());
    QVERIFY(!s.Find("kxedtDlsj")->isVisible());
    QCOMPARE(s.Find("kxedtDlwd")->geometry().topLeft(), s.Find("kxedtDlsj")->geometry().topLeft());
  }

  // Each tab's book in the pane is the form's book of that tab and the command line's book
  // of the stored item, runs included; switching tabs shows each tab's stored book.
  void CalculatesEachTab() {
    Shown s;
    QVERIFY(s.ok);
    Tfrm_ConcreteConserve& d = s.dialog;
    s.Calculate();
    const calc::BookLines book0 = cc::Book(d.Gather(), 0);
    QVERIFY(book0.size() > 1);
    QVERIFY(std::ranges::any_of(book0, [](const std::string& l) {
      return l.find('$') != std::string::npos;
    }));  // subscript runs to compare
    QCOMPARE(test::PaneBook(d.rxrePutout), book0);
    QCOMPARE(d.rxrePutout->toPlainText().split('\n').front(), test::PlainLine(book0.front()));

    s.ClickTab(1);
    QVERIFY(d.rxrePutout->toPlainText().isEmpty());
    s.Calculate();
    const calc::BookLines book1 = cc::Book(d.Gather(), 1);
    QCOMPARE(test::PaneBook(d.rxrePutout), book1);

    s.ClickTab(0);
    QCOMPARE(test::PaneBook(d.rxrePutout), book0);
    s.ClickTab(1);
    QCOMPARE(test::PaneBook(d.rxrePutout), book1);
    QVERIFY(s.messages.Texts().isEmpty());

    QTest::mouseClick(d.btnExit, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(test::CliBook(s.item, "ConcreteConserve", 0), book0);
    QCOMPARE(test::CliBook(s.item, "ConcreteConserve", 1), book1);
  }

  // A failing check shows its tab, focuses the edit or selects the cell, shows the message
  // and writes no book.
  void FailingChecksPointAtTheirControl() {
    struct Case {
      const char* name;
      int tab;                               // active when the button is pressed
      std::function<void(Shown&)> spoil;     // makes one input bad
      bool saveDefaults;                     // "保存默认值" instead of "计算"
      int faultTab;
      const char* control;
      int col, row;
      QString message;
    };
    const Case cases[] = {
        {"TempOutOfRange", 0, [](Shown& s) { s.Type("kxedtTemp", "3"); }, false, 0, "kxedtTemp", -1,
         -1, kTempRange},
        {"AddedRowIsEmpty", 0, [](Shown& s) { s.Menu("NAdd2"); }, false, 0, "advsgTemp", 1, 4,
         kReadingEmpty},
        {"ReadingOnHiddenTabForDefaults", 1,
         [](Shown& s) { s.dialog.advsgTemp->item(3, 1)->setText(QString()); }, true, 0, "advsgTemp",
         1, 3, kReadingEmpty},
        {"DlwdOnHiddenTabForDefaults", 0, [](Shown& s) { s.Find("kxedtDlwd")->setText("90"); },
         true, 1, "kxedtDlwd", -1, -1, kDlwdRange},
        {"PeriodTime", 1,
         [](Shown& s) { s.TypeCell(s.dialog.advsgTemp2, 2, 2, "KxEdtLink3", "0"); }, false, 1,
         "advsgTemp2", 2, 2, kTimeRange},
    };
    for (const Case& c : cases) {
      Shown s;
      QVERIFY2(s.ok, c.name);
      s.ClickTab(c.tab);
      c.spoil(s);
      s.messages.shown.clear();
      if (c.saveDefaults) {
        QTest::mouseClick(s.dialog.BitBtn2, Qt::LeftButton);
      } else {
        s.Calculate();
      }
      QCOMPARE_EQ(s.messages.Texts(), QStringList{c.message});
      QCOMPARE_EQ(s.dialog.RzPageControl1->currentIndex(), c.faultTab);
      QVERIFY2(s.dialog.rxrePutout->toPlainText().isEmpty(), c.name);
      if (c.col < 0) {
        QVERIFY2(s.Find(c.control)->hasFocus(), c.name);
      } else {
        auto* grid = s.Find<KxGrid>(c.control);
        QCOMPARE_EQ(grid->currentRow(), c.row);
        QCOMPARE_EQ(grid->currentColumn(), c.col);
        QCOMPARE_EQ(grid->selectedItems().size(), 1);
      }
      QVERIFY2(!QFile::exists(s.DefaultsFile()), c.name);
    }
  }

  // Leaving the count edit sizes the readings table; a count outside 1 … 100 leaves it.
  void CountEditSizesTheReadings() {
    struct Case {
      const char* name;
      QString typed;
      QStringList numbers;
      QStringList readings;
    };
    const Case cases[] = {
        {"MoreRows", "5", {"1", "2", "3", "4", "5"}, {"18", "16.5", "", "", ""}},
        {"SameRows", "2", {"1", "2"}, {"18", "16.5"}},
        {"FewerRows", "1", {"1"}, {"18"}},
        {"Zero", "0", {"1", "2"}, {"18", "16.5"}},
        {"Empty", "", {"1", "2"}, {"18", "16.5"}},
        {"AboveHundred", "101", {"1", "2"}, {"18", "16.5"}},
    };
    for (const Case& c : cases) {
      Shown s([](TConcreteConserve& i) {
        i.MyTimes = 2;
      });
      QVERIFY2(s.ok, c.name);
      s.TypeAndLeave("kxedtTimes", c.typed);
      QCOMPARE_EQ(Column(s.dialog.advsgTemp, 0), c.numbers);
      QCOMPARE_EQ(Column(s.dialog.advsgTemp, 1), c.readings);
    }
    // And back: 5, then 2 removes rows 3 to 5.
    Shown s([](TConcreteConserve& i) {
        i.MyTimes = 2;
      });
    QVERIFY(s.ok);
    s.TypeAndLeave("kxedtTimes", "5");
    s.TypeAndLeave("kxedtTimes", "2");
    QCOMPARE(Column(s.dialog.advsgTemp, 1), (QStringList{"18", "16.5"}));
  }

  // "增加(&A)" / "删除(&D)" on the active tab's table; on tab 0 the count follows the rows.
  void MenuAddsAndDeletesRows() {
    {
      Shown s;
      QVERIFY(s.ok);
      s.Menu("NAdd2");
      QCOMPARE(Column(s.dialog.advsgTemp, 0), (QStringList{"1", "2", "3", "4"}));
      QCOMPARE(Column(s.dialog.advsgTemp, 1), (QStringList{"18", "16.5", "15", ""}));
      QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("4"));
      // Two selected rows of four go; the count is the rows that remain.
      s.dialog.advsgTemp->setCurrentCell(2, 1);
      s.dialog.advsgTemp->setRangeSelected(QTableWidgetSelectionRange(2, 1, 3, 1), true);
      s.Menu("NDlt2");
      QCOMPARE(Column(s.dialog.advsgTemp, 0), (QStringList{"1", "2"}));
      QCOMPARE(Column(s.dialog.advsgTemp, 1), (QStringList{"18", ""}));
      QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("2"));
      // Tab 1: the period table only.
      s.ClickTab(1);
      s.Menu("NAdd2");
      QCOMPARE(Column(s.dialog.advsgTemp2, 0), (QStringList{"1", "2", "3"}));
      QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("2"));
      QCOMPARE(s.dialog.advsgTemp->rowCount(), 3);
      s.dialog.advsgTemp2->setCurrentCell(1, 1);
      s.Menu("NDlt2");
      QCOMPARE(Column(s.dialog.advsgTemp2, 1), (QStringList{"10", ""}));
      QCOMPARE(Column(s.dialog.advsgTemp2, 0), (QStringList{"1", "2"}));
      QVERIFY(s.messages.Texts().isEmpty());
    }
    {
      // The last row is reset, never removed.
      Shown s([](TConcreteConserve& i) {
        i.MyTimes = 1;
        i.MyTimes2 = 1;
      });
      QVERIFY(s.ok);
      s.Menu("NDlt2");
      QCOMPARE(s.dialog.advsgTemp->rowCount(), 2);
      QCOMPARE(Column(s.dialog.advsgTemp, 0), QStringList{"1"});
      QCOMPARE(Column(s.dialog.advsgTemp, 1), QStringList{"0"});
      QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("1"));
      s.ClickTab(1);
      s.Menu("NDlt2");
      QCOMPARE(s.dialog.advsgTemp2->rowCount(), 2);
      QCOMPARE(Column(s.dialog.advsgTemp2, 2), QStringList{"0.00"});
    }
  }

  // A value typed into a cell editor reaches the cell and the book.
  void CellEditorsReachTheBook() {
    Shown s;
    QVERIFY(s.ok);
    Tfrm_ConcreteConserve& d = s.dialog;
    s.TypeCell(d.advsgTemp, 1, 2, "KxEdtLink1", "17.25");
    QCOMPARE(d.advsgTemp->item(2, 1)->text(), QStringLiteral("17.25"));
    s.Calculate();
    const cc::Form form = d.Gather();
    QCOMPARE(form.advsgTemp.Cell(1, 2), std::string("17.25"));
    QVERIFY(d.rxrePutout->toPlainText().contains(QStringLiteral("17.25")));
    QCOMPARE(test::PaneBook(d.rxrePutout), cc::Book(form, 0));

    s.ClickTab(1);
    s.TypeCell(d.advsgTemp2, 1, 1, "KxEdtLink2", "30");
    s.TypeCell(d.advsgTemp2, 2, 1, "KxEdtLink3", "12");
    QCOMPARE(Column(d.advsgTemp2, 1), (QStringList{"30", "10"}));
    QCOMPARE(Column(d.advsgTemp2, 2), (QStringList{"12", "48"}));
    s.Calculate();
    QCOMPARE(test::PaneBook(d.rxrePutout), cc::Book(d.Gather(), 1));
    QVERIFY(s.messages.Texts().isEmpty());
  }

  // "退出" stores the controls: readings by the count, periods by the rows; ItemChanged says
  // whether a numeric edit was typed into.
  void ExitStoresTheItem() {
    {
      Shown s([](TConcreteConserve& i) {
        i.MyTimes = 5;
        i.slPjwd = test::GbkList({"1", "2", "3", "4", "5"});
      });
      QVERIFY(s.ok);
      s.Type("kxedtTimes", "3");  // not left: the table keeps its five rows
      QCOMPARE(s.dialog.advsgTemp->rowCount(), 6);
      s.dialog.btnExit->click();
      QVERIFY(!s.dialog.isVisible());
      QVERIFY(s.dialog.ItemChanged);
      QCOMPARE(s.item.MyTimes, 3);
      QCOMPARE(s.item.slPjwd, test::GbkList({"1", "2", "3"}));
      QCOMPARE(s.item.MyTimes2, 2);
      QCOMPARE(s.item.slDlwdsj, test::GbkList({"20", "24", "10", "48"}));
    }
    {
      // Only table changes: stored, but not a typed edit.
      Shown s;
      QVERIFY(s.ok);
      s.Menu("NAdd2");
      s.ClickTab(1);
      s.Menu("NAdd2");
      QTest::mouseClick(s.dialog.btnExit, Qt::LeftButton);
      QVERIFY(!s.dialog.isVisible());
      QVERIFY(!s.dialog.ItemChanged);
      QCOMPARE(s.item.MyTimes, 4);
      QCOMPARE(s.item.slPjwd, test::GbkList({"18", "16.5", "15", ""}));
      QCOMPARE(s.item.MyTimes2, 3);
      QCOMPARE(s.item.slDlwdsj, test::GbkList({"20", "24", "10", "48", "", ""}));
    }
  }

  // "调取默认值" loads the defaults onto the controls as they stand: the tab stays, and a
  // stored count outside 1 … 100 keeps the rows on screen.
  void LoadDefaultsKeepsTheStandingControls() {
    Shown s;
    QVERIFY(s.ok);
    TConcreteConserve defaults;  // saved in the folder of the shown dialog
    test::FillExample(defaults);
    defaults.MyTemp = 30;
    defaults.MyTimes = 0;
    defaults.slPjwd.clear();
    defaults.CalTime = false;
    defaults.SaveDefaultData();
    s.ClickTab(1);
    s.messages.answers.push_back(kAnswerYes);
    QTest::mouseClick(s.dialog.BitBtn1, Qt::LeftButton);
    QCOMPARE(s.dialog.RzPageControl1->currentIndex(), 1);
    QCOMPARE(s.Find("kxedtTemp")->text(), QStringLiteral("30"));
    QCOMPARE(s.Find("kxedtTimes")->text(), QStringLiteral("0"));
    QCOMPARE(Column(s.dialog.advsgTemp, 0), (QStringList{"1", "2", "3"}));
    QCOMPARE(s.CheckedRadio(), 1);
    QVERIFY(s.Find("kxedtDlsj")->isVisible());
    QVERIFY(!s.Find("kxedtDlwd")->isVisible());
  }
};

QTEST_MAIN(ConcreteConserveDialogTest)
#include "ConcreteConserveDialogTest.moc"
