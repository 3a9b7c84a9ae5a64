// The curing dialog driven as a user drives it: typing and leaving edits, the radio choice,
// tab clicks, the add/delete menu, cell editors, "计算", "保存默认值" and "退出", with its books
// compared to the form's and the command line's.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <sstream>

#include <QTemporaryDir>
#include "calc/ConcreteConserveForm.h"
#include "cli/CalcMain.h"
#include "model/Defaults.h"
#include "support/Gbk.h"
#include "ui/KxEdit.h"
#include "ui/KxGrid.h"
#include "ui/MessageService.h"
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

std::vector<std::string> Gbk(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const auto& s : utf8) out.push_back(ToGbk(s));
  return out;
}

// A curing item as a user leaves it: three readings, two periods, equivalent time.
void Realistic(TConcreteConserve& item) {
  item.MyTemp = 20;
  item.MyInterval = 2;
  item.MyTimes = 3;
  item.slPjwd = Gbk({"18", "16.5", "15"});
  item.CalTime = true;
  item.Dlwd = 20;
  item.Dlsj = 100;
  item.MyTimes2 = 2;
  item.slDlwdsj = Gbk({"20", "24", "10", "48"});
}

using Adjust = std::function<void(TConcreteConserve&)>;

// The pane's document written back as mark-up: subscript runs in $…$, superscript in #…#.
QStringList PaneMarkup(const QTextEdit* pane) {
  QStringList lines;
  for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
    QString line;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const auto align = f.charFormat().verticalAlignment();
      const QString mark = align == QTextCharFormat::AlignSubScript     ? QStringLiteral("$")
                           : align == QTextCharFormat::AlignSuperScript ? QStringLiteral("#")
                                                                        : QString();
      line += mark + f.text() + mark;
    }
    // Runs split over fragments read as one run.
    line.replace(QStringLiteral("$$"), QString()).replace(QStringLiteral("##"), QString());
    lines << line;
  }
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

QStringList Lines(const calc::BookLines& book) {
  QStringList lines;
  for (const auto& l : book) lines << QString::fromStdString(l);
  return lines;
}

QString Plain(QString markup) {
  return markup.remove(QLatin1Char('$')).remove(QLatin1Char('#'));
}

QStringList Column(const KxGrid* grid, int col) {
  QStringList texts;
  for (int r = 1; r < grid->rowCount(); ++r)
    texts << (grid->item(r, col) ? grid->item(r, col)->text() : QString());
  return texts;
}

// One showing of the dialog over an item, with every message recorded.
struct Shown {
  explicit Shown(const Adjust& adjust = nullptr) : guard(messages) {
    Realistic(item);
    if (adjust) adjust(item);
    dialog.CurItem = &item;
    dialog.show();
    dialog.activateWindow();
    ok = QTest::qWaitForWindowExposed(&dialog) && QTest::qWaitForWindowActive(&dialog);
  }

  template <class W = TKxEdit>
  W* Find(const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
  }
  // Types text over an edit's text; the focus stays in it.
  void Type(const char* edit, const QString& text) {
    TKxEdit* e = Find(edit);
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    QTest::keyClicks(e, text);
  }
  // Types and leaves the edit for the tab's table.
  void TypeAndLeave(const char* edit, const QString& text, QWidget* next) {
    Type(edit, text);
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
  }
  void ClickTab(int index) {
    QTabBar* bar = dialog.RzPageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCoreApplication::processEvents();
  }
  void Calculate() { QTest::mouseClick(dialog.btnCalculate, Qt::LeftButton); }
  void Menu(const char* action) { Find<QAction>(action)->trigger(); }
  // Opens the cell's editor, types text and moves on with Return.
  void EditCell(KxGrid* grid, int col, int row, const char* editor, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    QCoreApplication::processEvents();
    auto* e = grid->findChild<TKxEdit*>(QString::fromLatin1(editor));
    QVERIFY2(e, editor);
    QVERIFY(e->hasFocus());
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  int CheckedRadio() {
    return dialog.RadioGroup1->findChild<QButtonGroup*>()->checkedId();
  }

  TConcreteConserve item;
  RecordingMessageService messages;
  ScopedMessageService guard;
  Tfrm_ConcreteConserve dialog;
  bool ok = false;
};

// The command line's book of tab for the item saved as the defaults of its kind.
QStringList CliBook(TConcreteConserve& item, int tab) {
  item.SaveDefaultData();
  QFile file(QString::fromStdString(DefaultsFilePath()));
  if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("no defaults file")};
  std::istringstream in(file.readAll().toStdString());
  std::ostringstream out, err;
  const int status = cli::Main({"ConcreteConserve", std::to_string(tab)}, in, out, err);
  if (status != 0) return {QString::fromStdString("status " + std::to_string(status) + err.str())};
  QStringList lines = QString::fromStdString(out.str()).split(QLatin1Char('\n'));
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

class ConcreteConserveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetDefaultsFolder(dir_.path().toStdString() + "/");
    QFile::remove(dir_.filePath(QStringLiteral("update.ini")));
  }

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
    const QStringList book0 = Lines(cc::Book(d.Gather(), 0));
    QVERIFY(book0.size() > 1);
    QVERIFY(book0.join(QString()).contains(QLatin1Char('$')));  // subscript runs to compare
    QCOMPARE(PaneMarkup(d.rxrePutout), book0);
    QCOMPARE(d.rxrePutout->toPlainText().split('\n').front(), Plain(book0.front()));

    s.ClickTab(1);
    QVERIFY(d.rxrePutout->toPlainText().isEmpty());
    s.Calculate();
    const QStringList book1 = Lines(cc::Book(d.Gather(), 1));
    QCOMPARE(PaneMarkup(d.rxrePutout), book1);

    s.ClickTab(0);
    QCOMPARE(PaneMarkup(d.rxrePutout), book0);
    s.ClickTab(1);
    QCOMPARE(PaneMarkup(d.rxrePutout), book1);
    QVERIFY(s.messages.Texts().isEmpty());

    QTest::mouseClick(d.btnExit, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(CliBook(s.item, 0), book0);
    QCOMPARE(CliBook(s.item, 1), book1);
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
        {"TempOutOfRange", 0, [](Shown& s) { s.Type("kxedtTemp", "3"); }, false, 0, "kxedtTemp",
         -1, -1, kTempRange},
        {"AddedRowIsEmpty", 0, [](Shown& s) { s.Menu("NAdd2"); }, false, 0, "advsgTemp", 1, 4,
         kReadingEmpty},
        {"ReadingOnHiddenTabForDefaults", 1,
         [](Shown& s) { s.dialog.advsgTemp->item(3, 1)->setText(QString()); }, true, 0,
         "advsgTemp", 1, 3, kReadingEmpty},
        {"DlwdOnHiddenTabForDefaults", 0, [](Shown& s) { s.Find("kxedtDlwd")->setText("90"); },
         true, 1, "kxedtDlwd", -1, -1, kDlwdRange},
        {"PeriodTime", 1, [](Shown& s) { s.EditCell(s.dialog.advsgTemp2, 2, 2, "KxEdtLink3", "0"); },
         false, 1, "advsgTemp2", 2, 2, kTimeRange},
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
      QVERIFY2(!QFile::exists(dir_.filePath(QStringLiteral("update.ini"))), c.name);
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
      s.TypeAndLeave("kxedtTimes", c.typed, s.dialog.advsgTemp);
      QCOMPARE_EQ(Column(s.dialog.advsgTemp, 0), c.numbers);
      QCOMPARE_EQ(Column(s.dialog.advsgTemp, 1), c.readings);
    }
    // And back: 5, then 2 removes rows 3 to 5.
    Shown s([](TConcreteConserve& i) {
        i.MyTimes = 2;
      });
    QVERIFY(s.ok);
    s.TypeAndLeave("kxedtTimes", "5", s.dialog.advsgTemp);
    s.TypeAndLeave("kxedtTimes", "2", s.dialog.advsgTemp);
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
    s.EditCell(d.advsgTemp, 1, 2, "KxEdtLink1", "17.25");
    QCOMPARE(d.advsgTemp->item(2, 1)->text(), QStringLiteral("17.25"));
    s.Calculate();
    const cc::Form form = d.Gather();
    QCOMPARE(form.advsgTemp.Cell(1, 2), std::string("17.25"));
    QVERIFY(d.rxrePutout->toPlainText().contains(QStringLiteral("17.25")));
    QCOMPARE(PaneMarkup(d.rxrePutout), Lines(cc::Book(form, 0)));

    s.ClickTab(1);
    s.EditCell(d.advsgTemp2, 1, 1, "KxEdtLink2", "30");
    s.EditCell(d.advsgTemp2, 2, 1, "KxEdtLink3", "12");
    QCOMPARE(Column(d.advsgTemp2, 1), (QStringList{"30", "10"}));
    QCOMPARE(Column(d.advsgTemp2, 2), (QStringList{"12", "48"}));
    s.Calculate();
    QCOMPARE(PaneMarkup(d.rxrePutout), Lines(cc::Book(d.Gather(), 1)));
    QVERIFY(s.messages.Texts().isEmpty());
  }

  // "退出" stores the controls: readings by the count, periods by the rows; ItemChanged says
  // whether a numeric edit was typed into.
  void ExitStoresTheItem() {
    {
      Shown s([](TConcreteConserve& i) {
        i.MyTimes = 5;
        i.slPjwd = Gbk({"1", "2", "3", "4", "5"});
      });
      QVERIFY(s.ok);
      s.Type("kxedtTimes", "3");  // not left: the table keeps its five rows
      QCOMPARE(s.dialog.advsgTemp->rowCount(), 6);
      s.dialog.btnExit->click();
      QVERIFY(!s.dialog.isVisible());
      QVERIFY(s.dialog.ItemChanged);
      QCOMPARE(s.item.MyTimes, 3);
      QCOMPARE(s.item.slPjwd, Gbk({"1", "2", "3"}));
      QCOMPARE(s.item.MyTimes2, 2);
      QCOMPARE(s.item.slDlwdsj, Gbk({"20", "24", "10", "48"}));
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
      QCOMPARE(s.item.slPjwd, Gbk({"18", "16.5", "15", ""}));
      QCOMPARE(s.item.MyTimes2, 3);
      QCOMPARE(s.item.slDlwdsj, Gbk({"20", "24", "10", "48", "", ""}));
    }
  }

  // "调取默认值" loads the defaults onto the controls as they stand: the tab stays, and a
  // stored count outside 1 … 100 keeps the rows on screen.
  void LoadDefaultsKeepsTheStandingControls() {
    TConcreteConserve defaults;
    Realistic(defaults);
    defaults.MyTemp = 30;
    defaults.MyTimes = 0;
    defaults.slPjwd.clear();
    defaults.CalTime = false;
    defaults.SaveDefaultData();

    Shown s;
    QVERIFY(s.ok);
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

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(ConcreteConserveDialogTest)
#include "ConcreteConserveDialogTest.moc"
