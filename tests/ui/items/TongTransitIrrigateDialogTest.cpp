// The transport and placing dialog driven as a user drives it: typing, leaving edits, tabs,
// "计算", "保存默认值" and "退出", with the books compared against the form's and the command
// line's.
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "DialogTestSupport.h"
#include "calc/TongTransitIrrigateForm.h"
#include "ui/items/U_TongTransitIrrigate.h"

using namespace wcthrm;
using namespace wcthrm::ui;
namespace tt = wcthrm::calc::tongtransitirrigate;

namespace {

// The shown dialog over the example, or over a new item: no update.ini in its folder.
struct Fixture : test::DialogFixture<Tfrm_TongTransitIrrigate, TTongTransitIrrigate> {
  explicit Fixture(bool example = true)
      : DialogFixture(
            [example](TTongTransitIrrigate& item) {
              if (!example) item.LoadDefaultData();
            },
            example) {}
};

}  // namespace

class TongTransitIrrigateDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void EachTabsBookIsTheFormsAndTheCommandLines() {
    Fixture f;
    for (int tab : {tt::kPlacingTab, tt::kTransportTab}) {
      f.ClickTab(tab);
      QCOMPARE(f.dialog.RzPageControl1->currentIndex(), tab);
      f.dialog.btnCalculate->click();
      const auto shown = test::PaneBook(f.dialog.rxrePutout);
      QCOMPARE(shown, tt::Book(f.dialog.Gather(), tab));
      QCOMPARE(shown, test::CliBook(f.item, "TongTransitIrrigate", tab));
    }
    QVERIFY(f.messages.shown.empty());
  }

  void SwitchingTabsShowsEachTabsStoredBookAndItsPageHeight() {
    Fixture f;
    f.dialog.btnCalculate->click();
    const auto transport = test::PaneBook(f.dialog.rxrePutout);
    QVERIFY(f.dialog.RzPageControl1->height() >= 180);
    f.ClickTab(tt::kPlacingTab);
    QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());  // not yet calculated
    QVERIFY(f.dialog.RzPageControl1->height() >= 217);
    QVERIFY(f.dialog.rxrePutout->isReadOnly());
    f.ClickTab(tt::kTransportTab);
    QCOMPARE(test::PaneBook(f.dialog.rxrePutout), transport);
  }

  void AFailingCheckShowsItsEditOrCellOnItsTab_data() {
    QTest::addColumn<int>("activeTab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("control");  // the edit typed into, or the cell "col,row"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("calculate_edit") << 0 << "btnCalculate" << "kxedtCjwd" << "4"
                                    << "请输入 5 (包含) 到 100 (包含) 之间的实数！";
    QTest::newRow("save_defaults_edit_on_other_tab")
        << 0 << "BitBtn2" << "kxedtHntbrr" << "11" << "请输入 0 (不包含) 到 10 (包含) 之间的实数！";
    QTest::newRow("save_defaults_cell_on_other_tab")
        << 0 << "BitBtn2" << "1,2" << "abc"
        << QString::fromStdString(tt::Check([] {
             TTongTransitIrrigate i;
             test::FillExample(i);
             tt::Form form = tt::Load(i);
             form.advsgTmpOfFinish.At(1, 2) = "abc";
             return form;
           }(), 1)->message);
  }
  void AFailingCheckShowsItsEditOrCellOnItsTab() {
    QFETCH(int, activeTab);
    QFETCH(QString, button);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Fixture f;
    const bool cell = control.contains(u',');
    if (cell) {
      const QStringList at = control.split(u',');
      f.dialog.advsgTmpOfFinish->item(at[1].toInt(), at[0].toInt())->setText(text);
    } else {
      f.Type(control.toLatin1().constData(), text);
    }
    f.dialog.RzPageControl1->setCurrentIndex(activeTab);
    f.dialog.findChild<QPushButton*>(button)->click();
    QCOMPARE(f.messages.Texts(), QStringList{message});
    if (cell) {
      const QStringList at = control.split(u',');
      QCOMPARE(f.dialog.RzPageControl1->currentWidget(), f.dialog.tsTongTemp);
      QCOMPARE(f.dialog.advsgTmpOfFinish->currentRow(), at[1].toInt());
      QCOMPARE(f.dialog.advsgTmpOfFinish->currentColumn(), at[0].toInt());
      QCOMPARE(f.dialog.advsgTmpOfFinish->selectedItems().size(), 1);
    } else {
      QLineEdit* edit = f.Find(control.toLatin1().constData());
      QVERIFY(f.dialog.RzPageControl1->currentWidget()->isAncestorOf(edit));
      QCOMPARE(QApplication::focusWidget(), edit);
      QCOMPARE(edit->selectedText(), edit->text());
    }
    QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());
  }

  void ExitStoresWhatIsOnScreenAndItemChangedOnlyForTyping() {
    {
      Fixture f;
      f.Type("kxedtCjwd", "25");
      f.dialog.advsgTmpOfFinish->item(3, 1)->setText("-5");
      f.dialog.btnExit->click();
      QVERIFY(!f.dialog.isVisible());
      QCOMPARE(f.item.Cjwd, 25.0);
      QCOMPARE(f.item.Tf, std::string("-5"));
      QVERIFY(f.dialog.ItemChanged);
    }
    {
      Fixture f;
      f.dialog.advsgTmpOfFinish->item(3, 1)->setText("-5");
      f.dialog.btnExit->click();
      QCOMPARE(f.item.Tf, std::string("-5"));
      QVERIFY(!f.dialog.ItemChanged);  // a table change is not typing into an edit
    }
  }

  void ANewItemWithoutDefaultsShowsZerosAndTheFirstRangeMessage() {
    Fixture f(false);
    for (const auto& e : tt::kEdits) QCOMPARE(f.Find(e.control)->text(), QStringLiteral("0"));
    QCOMPARE(f.dialog.advsgTmpOfFinish->item(1, 1)->text(), QString());
    f.messages.shown.clear();
    f.dialog.btnCalculate->click();
    QCOMPARE(f.messages.Texts(),
             QStringList{QStringLiteral("请输入 5 (包含) 到 100 (包含) 之间的实数！")});
  }

  void SaveDefaultsWritesTheValuesOnScreen() {
    Fixture f;
    f.Type("kxedtHjwd", "-15");
    f.messages.answers.push_back(kAnswerYes);
    f.dialog.BitBtn2->click();
    TTongTransitIrrigate next;
    next.LoadDefaultData();
    QCOMPARE(next.Hjwd, -15.0);
    QCOMPARE(next.ms, std::string("80"));
  }
};

QTEST_MAIN(TongTransitIrrigateDialogTest)
#include "TongTransitIrrigateDialogTest.moc"
