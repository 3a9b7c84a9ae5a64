// The concrete heating dialog driven as a user drives it: typing into edits and table cells,
// picking the heating method, tabs, "计算", "保存默认值", "调取默认值" and "退出", with the books
// compared against the form's and the command line's.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "DialogTestSupport.h"
#include "calc/ConcreteHeatForm.h"
#include "support/Gbk.h"
#include "ui/items/U_ConcreteHeat.h"

using namespace wcthrm;
using namespace wcthrm::ui;
namespace ch = wcthrm::calc::concreteheat;

namespace {

constexpr int kMixTab = 2;

// The shown dialog, with the mix table's cells typed through their in-place editor.
class Fixture : public test::DialogFixture<Tfrm_ConcreteHeat, TConcreteHeat> {
 public:
  explicit Fixture(bool example = true, const char* jrfs = nullptr)
      : DialogFixture(
            [jrfs](TConcreteHeat& item) {
              if (jrfs) item.Jrfs = ToGbk(jrfs);
            },
            example) {}
  // Types text over an edit's text on the edit's own tab.
  void Retype(const char* name, const QString& text) {
    ClickTab(TabOf(Find(name)));
    Type(name, text);
  }
  // Types text over cell (col,row) of the mix table through its in-place editor.
  void TypeCell(int col, int row, const QString& text) {
    ClickTab(kMixTab);
    KxGrid* grid = dialog.AdvStringGrid1;
    grid->setFocus();
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY2(editor && grid->isAncestorOf(editor), "no cell editor open");
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->item(row, col)->text(), text);  // the editor commits after the key
  }
  int TabOf(const QWidget* w) const {
    for (int tab = 0; tab < dialog.RzPageControl1->count(); ++tab)
      if (dialog.RzPageControl1->widget(tab)->isAncestorOf(w)) return tab;
    return -1;
  }
};

}  // namespace

class ConcreteHeatDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryEditSitsOnItsTabAsItsDescriptionSays() {
    Fixture f;
    for (const auto& e : ch::kEdits) {
      QLineEdit* edit = f.Find(e.control);
      QVERIFY2(edit, e.control);
      QCOMPARE(f.TabOf(edit), e.tab);
      QCOMPARE(qobject_cast<TKxEdit*>(edit)->MaxLength(), 8);
    }
    const QStringList captions = {"材料加热计算", "砼出厂温度计算", "拌合物温度计算", "出机温度计算"};
    const char* sheets[] = {"tsMaterialHeat", "tsTongTemp", "tsBlendTemp", "tsOfftrackTemp"};
    for (int tab = 0; tab < ch::kTabCount; ++tab) {
      QCOMPARE(f.dialog.RzPageControl1->tabText(tab), captions[tab]);
      QCOMPARE(f.dialog.RzPageControl1->widget(tab)->objectName(), QString::fromLatin1(sheets[tab]));
    }
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("砼组成材料加热和拌和物温度计算"));
    QCOMPARE(f.dialog.RzPageControl1->currentIndex(), 0);
    QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());
  }

  void EachTabsBookIsTheFormsAndTheCommandLines() {
    Fixture f;
    for (int tab : {3, 2, 1, 0}) {
      f.ClickTab(tab);
      QCOMPARE(f.dialog.RzPageControl1->currentIndex(), tab);
      f.dialog.btnCalculate->click();
      const auto shown = test::PaneBook(f.dialog.rxrePutout);
      QCOMPARE(shown, ch::Book(f.dialog.Gather(), tab));
      QCOMPARE(shown, test::CliBook(f.item, "ConcreteHeat", tab));
    }
    QVERIFY(f.messages.shown.empty());
  }

  void SwitchingTabsShowsEachTabsStoredBookAndItsPageHeight() {
    Fixture f;
    for (int tab = 0; tab < ch::kTabCount; ++tab) {
      f.ClickTab(tab);
      QVERIFY(f.dialog.RzPageControl1->height() >= ch::kPageHeights[tab]);
      QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());  // not yet calculated
    }
    f.ClickTab(kMixTab);
    f.dialog.btnCalculate->click();
    const auto mix = test::PaneBook(f.dialog.rxrePutout);
    QVERIFY(!mix.empty());
    f.ClickTab(3);
    QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());
    QVERIFY(f.dialog.RzPageControl1->height() >= 115);
    QVERIFY(f.dialog.rxrePutout->isReadOnly());
    f.ClickTab(kMixTab);
    QCOMPARE(test::PaneBook(f.dialog.rxrePutout), mix);
    QVERIFY(f.dialog.RzPageControl1->height() >= 265);
    QVERIFY(f.dialog.rxrePutout->isReadOnly());
  }

  void AFailingCheckShowsItsEditOrCellOnItsTab_data() {
    QTest::addColumn<int>("activeTab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("control");  // the edit typed into, or the cell "col,row"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString mass = QStringLiteral("表格中材料用量必须为0（包括）～5000（包括）之间的数值！");
    const QString temp = QStringLiteral("表格中材料温度必须为-50（包括）～100（包括）之间的数值！");
    QTest::newRow("calculate_edit") << 0 << "btnCalculate" << "kxedtSjlyxs" << "0"
                                    << "请输入 0 (不包含) 到 10 (包含) 之间的实数！";
    QTest::newRow("calculate_excluded_upper_end")
        << 2 << "btnCalculate" << "kxedtSzhsl" << "100"
        << "请输入 0 (包含) 到 100 (不包含) 之间的实数！";
    QTest::newRow("calculate_cell_two_points") << 2 << "btnCalculate" << "3,1" << "6.0.0" << mass;
    QTest::newRow("calculate_cell_above_bound") << 2 << "btnCalculate" << "1,2" << "101" << temp;
    QTest::newRow("save_defaults_edit_on_other_tab")
        << 0 << "BitBtn2" << "kxedtBhjpnwd" << "-51"
        << "请输入 -50 (包含) 到 100 (包含) 之间的实数！";
    QTest::newRow("save_defaults_cell_on_other_tab") << 0 << "BitBtn2" << "4,1" << ".5" << mass;
  }
  void AFailingCheckShowsItsEditOrCellOnItsTab() {
    QFETCH(int, activeTab);
    QFETCH(QString, button);
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Fixture f;
    const bool cell = control.contains(u',');
    const QStringList at = control.split(u',');
    if (cell) {
      f.TypeCell(at[0].toInt(), at[1].toInt(), text);
    } else {
      f.Retype(control.toLatin1().constData(), text);
    }
    f.ClickTab(activeTab);
    QCOMPARE(f.dialog.RzPageControl1->currentIndex(), activeTab);
    f.messages.answers.push_back(kAnswerYes);  // would save, if a question came
    f.dialog.findChild<QPushButton*>(button)->click();
    QCOMPARE(f.messages.Texts(), QStringList{message});
    if (cell) {
      QCOMPARE(f.dialog.RzPageControl1->currentWidget(), f.dialog.tsBlendTemp);
      QCOMPARE(f.dialog.AdvStringGrid1->currentRow(), at[1].toInt());
      QCOMPARE(f.dialog.AdvStringGrid1->currentColumn(), at[0].toInt());
      QCOMPARE(f.dialog.AdvStringGrid1->selectedItems().size(), 1);
      QCOMPARE(f.dialog.AdvStringGrid1->item(at[1].toInt(), at[0].toInt())->text(), text);
    } else {
      QLineEdit* edit = f.Find(control.toLatin1().constData());
      QVERIFY(f.dialog.RzPageControl1->currentWidget()->isAncestorOf(edit));
      QCOMPARE(QApplication::focusWidget(), edit);
      QCOMPARE(edit->selectedText(), edit->text());
    }
    QVERIFY(f.dialog.rxrePutout->toPlainText().isEmpty());
    QVERIFY(!QFile::exists(f.DefaultsFile()));  // no defaults written
  }

  void ExitStoresWhatIsOnScreenAndItemChangedOnlyForTyping() {
    {
      Fixture f;
      f.Retype("kxedtWjqw", "-20");
      f.TypeCell(1, 1, "abc");  // stored as typed, unchecked
      f.dialog.btnExit->click();
      QVERIFY(!f.dialog.isVisible());
      QCOMPARE(f.item.Wjqw, -20.0);
      QCOMPARE(f.item.mw, std::string("abc"));
      QCOMPARE(FromGbk(f.item.Jrfs), std::string("蓄热法"));
      QVERIFY(f.dialog.ItemChanged);
    }
    {
      Fixture f;
      f.TypeCell(4, 2, "-7");
      f.dialog.btnExit->click();
      QVERIFY(!f.dialog.isVisible());
      QCOMPARE(f.item.Tg, std::string("-7"));
      QVERIFY(!f.dialog.ItemChanged);  // a table change is not typing into an edit
    }
  }

  void AMethodThatMatchesNoEntryIsNoSelection_data() {
    QTest::addColumn<QString>("jrfs");
    QTest::newRow("empty") << QString();
    QTest::newRow("unmatched") << QStringLiteral("电热法");
  }
  void AMethodThatMatchesNoEntryIsNoSelection() {
    QFETCH(QString, jrfs);
    Fixture f(true, jrfs.toStdString().c_str());
    QCOMPARE(f.Find<QComboBox>("cbJrfs")->currentIndex(), -1);
    QCOMPARE(f.Find<QComboBox>("cbJrfs")->currentText(), QString());
    f.ClickTab(1);
    f.dialog.btnCalculate->click();
    const auto shown = test::PaneBook(f.dialog.rxrePutout);
    QCOMPARE(shown, ch::Book(f.dialog.Gather(), 1));
    QVERIFY(!shown.empty());
    QCOMPARE(shown.front(), std::string("混凝土拌和物出厂温度T$h$＝10－0.5×-10"));
    f.dialog.btnExit->click();
    QCOMPARE(f.item.Jrfs, std::string());
  }

  void TheMethodsFormulaFollowsTheSelectedMethod() {
    Fixture f(true, "人工加热法");
    auto* combo = f.Find<QComboBox>("cbJrfs");
    QCOMPARE(combo->currentIndex(), 1);
    f.ClickTab(1);
    // It opens on the formula of the method selected.
    QVERIFY(f.dialog.Image5->isVisible());
    QVERIFY(!f.dialog.Image4->isVisible());
    const QPoint place = f.dialog.Image5->geometry().topLeft();

    // The user picks "蓄热法": its formula, and the book uses 30.
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentIndex(), 0);
    QVERIFY(f.dialog.Image4->isVisible());
    QVERIFY(!f.dialog.Image5->isVisible());
    QTRY_COMPARE(f.dialog.Image4->geometry().topLeft(), place);  // the same place
    f.dialog.btnCalculate->click();
    QCOMPARE(test::PaneBook(f.dialog.rxrePutout).front(),
             std::string("混凝土拌和物出厂温度T$h$＝30－0.5×-10"));

    // "调取默认值" shows the saved values only: the page and the picture stay.
    f.item.Wjqw = -15;
    f.item.SaveDefaultData();
    f.messages.answers.push_back(kAnswerYes);
    f.dialog.BitBtn1->click();
    QCOMPARE(f.Find("kxedtWjqw")->text(), QStringLiteral("-15"));
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(f.dialog.RzPageControl1->currentIndex(), 1);
    QVERIFY(f.dialog.Image4->isVisible());
  }

  void TheMixTableShowsItsTextsAsStored() {
    Fixture f(false);  // the constructor's texts
    const QStringList texts[] = {{"材料用量（kg）", "mw", "mce", "msa", "mg"},
                                 {"材料温度（℃）", "Tw", "Tce", "Tsa", "Tg"}};
    const QStringList header = {"", "水", "水泥", "砂子", "石子"};
    KxGrid* grid = f.dialog.AdvStringGrid1;
    QCOMPARE(grid->columnCount(), 5);
    QCOMPARE(grid->rowCount(), 3);
    for (int c = 1; c <= 4; ++c) QCOMPARE(grid->item(0, c)->text(), header[c]);
    for (int r = 1; r <= 2; ++r)
      for (int c = 0; c <= 4; ++c) QCOMPARE(grid->item(r, c)->text(), texts[r - 1][c]);
    QCOMPARE(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
  }

  void SaveDefaultsWritesTheValuesOnScreen() {
    Fixture f;
    f.Retype("kxedtJrzgwd", "40");
    f.TypeCell(2, 2, "8");
    f.ClickTab(0);
    f.messages.answers.push_back(kAnswerYes);
    f.dialog.BitBtn2->click();
    QCOMPARE(f.messages.Texts(),
             QStringList{QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？")});
    TConcreteHeat next;
    next.LoadDefaultData();
    QCOMPARE(next.Jrzgwd, 40.0);
    QCOMPARE(next.Tce, std::string("8"));
    QCOMPARE(FromGbk(next.Snbh), std::string("≥525"));
  }

  void TheHintButtonShowsTheHeatingTableModally() {
    Fixture f;
    f.ClickTab(1);
    QString shown;
    QTimer::singleShot(0, [&shown] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        shown = modal->objectName();
        modal->close();
      }
    });
    QTest::mouseClick(f.Find<QPushButton>("bsSkinButton1"), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("frm_ConcreteHeatHint"));
    for (QWidget* w : QApplication::topLevelWidgets())
      QVERIFY(w->objectName() != QStringLiteral("frm_ConcreteHeatHint"));  // freed
    QVERIFY(f.dialog.isVisible());
  }
};

QTEST_MAIN(ConcreteHeatDialogTest)
#include "ConcreteHeatDialogTest.moc"
