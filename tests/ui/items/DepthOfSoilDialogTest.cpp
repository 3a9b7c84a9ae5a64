// The freezing depth dialog driven as a user drives it: typing, tabs, boxes, radio buttons,
// the table editors and their menus, "计算", "退出" and "保存默认值"; books compared with the
// form's and the command line's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <sstream>

#include "cli/CalcMain.h"
#include "model/Defaults.h"
#include "support/Gbk.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/items/U_DepthOfSoil.h"
#include "../UiTestSupport.h"

using namespace wcthrm;
using namespace wcthrm::ui;
namespace ds = wcthrm::calc::depthofsoil;

// What a case does to the open dialog before it is checked.
using Setup = std::function<void(Tfrm_DepthOfSoil&)>;
Q_DECLARE_METATYPE(Setup)

namespace {

std::vector<std::string> Gbk(std::initializer_list<const char*> cells) {
  std::vector<std::string> out;
  for (const char* c : cells) out.push_back(ToGbk(c));
  return out;
}

// An item whose every tab calculates: two day rows (30, 5.5), (20, 10), the unknown layer in
// row 2.
void MakeValid(TDepthOfSoil& item) {
  item.Count1 = item.Count2 = item.Count3 = item.Count4 = 2;
  item.slOneNoHeatSoil = item.slTwoNoHeatSoil = item.slThreeNoHeatSoil = item.slFourNoHeatSoil =
      Gbk({"30", "5.5", "20", "10"});
  item.Djxs1 = 2.5;
  item.SumTemp = 20;
  item.Djxs2 = 3;
  item.Fdjsxs = 20;
  item.Xdpjrdxs = 0.5;
  item.Xdpjfgxs = 10;
  item.Yxxs = 2;
  item.Count5 = 2;
  item.slFiveNoHeatSoil = Gbk({"已知项,10", "1.6", "求解项", "3.2"});
}

QString Strip(const std::string& line) {
  return QString::fromStdString(line).remove(u'$').remove(u'#');
}

QString PlainBook(const calc::BookLines& lines) {
  QStringList out;
  for (const std::string& line : lines) out << Strip(line);
  return out.join(u'\n');
}

// One letter per character: n normal, b subscript, p superscript; lines joined by '|'.
QString ShapeOfLines(const calc::BookLines& lines) {
  QStringList out;
  for (const std::string& line : lines) {
    QString shape;
    QChar mode = u'n';
    for (QChar c : QString::fromStdString(line)) {
      if (c == u'$' || c == u'#') {
        const QChar run = c == u'$' ? u'b' : u'p';
        mode = mode == run ? u'n' : run;
        continue;
      }
      shape += mode;
    }
    out << shape;
  }
  return out.join(u'|');
}

QString ShapeOfPane(QTextDocument* doc) {
  QStringList out;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    QString shape;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const auto align = f.charFormat().verticalAlignment();
      const QChar letter = align == QTextCharFormat::AlignSubScript     ? u'b'
                           : align == QTextCharFormat::AlignSuperScript ? u'p'
                                                                        : u'n';
      shape += QString(f.length(), letter);
    }
    out << shape;
  }
  return out.join(u'|');
}

// wcthrm-calc's book of tab for the item saved as defaults.
QString CliBook(TDepthOfSoil& item, int tab) {
  item.SaveDefaultData();
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cli::Main({"DepthOfSoil", std::to_string(tab), DefaultsFilePath()}, in, out,
                               err);
  if (status != 0) return QStringLiteral("status %1: %2").arg(status).arg(err.str().c_str());
  return QString::fromStdString(out.str()).trimmed();
}

template <class T>
T* Find(QWidget& dialog, const char* name) {
  T* w = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no control %s", name);
  return w;
}

void ClickTab(Tfrm_DepthOfSoil& dialog, int tab) {
  QTabBar* bar = dialog.RzPageControl1->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
  QCOMPARE(dialog.RzPageControl1->currentIndex(), tab);
}

// Replaces an edit's text by typing, then leaves it.
void Type(QWidget& dialog, const char* name, const QString& text) {
  auto* edit = Find<TKxEdit>(dialog, name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Tab);
}

// Opens the editor of a cell; the editor's widget of that name then has the focus.
QWidget* OpenCell(KxGrid* grid, int col, int row, const char* part) {
  // A closed editor goes later; it must not be found in place of the new one.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  grid->setFocus();
  grid->setCurrentCell(row, col);
  grid->editItem(grid->item(row, col));
  QApplication::processEvents();
  return grid->findChild<QWidget*>(QString::fromLatin1(part));
}

// Types text into the cell's numeric editor and commits it with Return.
void TypeCell(KxGrid* grid, int col, int row, const char* editor, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(OpenCell(grid, col, row, editor));
  QVERIFY(edit);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
  QApplication::processEvents();
}

QString Cell(KxGrid* grid, int col, int row) { return grid->item(row, col)->text(); }

class DepthOfSoilDialogTest : public QObject {
  Q_OBJECT

  test::TempHostFolder host_;
  RecordingMessageService messages_;
  ScopedMessageService scoped_{messages_};
  std::unique_ptr<Tfrm_DepthOfSoil> dialog_;
  std::unique_ptr<TDepthOfSoil> item_;

  // A dialog on a new item, as the factory makes it without saved defaults.
  Tfrm_DepthOfSoil& OpenNew() {
    return Open([](TDepthOfSoil& item) { item.LoadDefaultData(); }, false);
  }
  // A dialog on a valid item that adjust may change first.
  Tfrm_DepthOfSoil& Open(const std::function<void(TDepthOfSoil&)>& adjust = {},
                         bool valid = true) {
    dialog_.reset();
    item_ = std::make_unique<TDepthOfSoil>();
    if (valid) MakeValid(*item_);
    if (adjust) adjust(*item_);
    dialog_ = std::make_unique<Tfrm_DepthOfSoil>();
    dialog_->CurItem = item_.get();
    dialog_->show();
    if (!QTest::qWaitForWindowExposed(dialog_.get())) qFatal("dialog not shown");
    dialog_->activateWindow();
    return *dialog_;
  }

 private slots:
  void init() {
    messages_.shown.clear();
    QFile::remove(QString::fromStdString(DefaultsFilePath()));
  }
  void cleanup() {
    dialog_.reset();
    item_.reset();
  }

  void newItemOpens() {
    Tfrm_DepthOfSoil& d = OpenNew();
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
    QCOMPARE(Find<TKxEdit>(d, "kxedtYxxs")->text(), QStringLiteral("0"));
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
    Tfrm_DepthOfSoil& d = Open([count](TDepthOfSoil& item) { item.Count1 = count; });
    QCOMPARE(d.dayTables[0]->rowCount() - 1, rows);
  }

  void eachTabCalculatesItsBook() {
    Tfrm_DepthOfSoil& d = Open();
    TDepthOfSoil& item = *item_;
    QStringList panes;
    for (int tab = 0; tab < ds::kTabCount; ++tab) {
      ClickTab(d, tab);
      QCOMPARE(d.rxrePutout->toPlainText(), QString());  // never calculated yet
      ds::Form form = ds::Load(item);
      form.activeTab = tab;
      QCOMPARE(ds::Check(form, tab), std::nullopt);
      const calc::BookLines book = ds::Book(form, tab);
      QVERIFY(!book.empty());
      QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
      QVERIFY2(messages_.shown.empty(), qPrintable(messages_.Texts().join(u'\n')));
      // Every book line ends with its line break.
      QCOMPARE(d.rxrePutout->toPlainText(), PlainBook(book) + u'\n');
      QCOMPARE(ShapeOfPane(d.rxrePutout->document()), ShapeOfLines(book) + u'|');
      QCOMPARE(CliBook(item, tab), QString::fromStdString([&] {
                 std::string all;
                 for (const std::string& line : book) all += (all.empty() ? "" : "\n") + line;
                 return all;
               }()));
      panes << d.rxrePutout->toPlainText();
    }
    QCOMPARE(panes.removeDuplicates(), 0);
    // Tab 1 -> 3 -> 1: each shows its own book.
    for (int tab : {0, 2, 0}) {
      ClickTab(d, tab);
      QCOMPARE(d.rxrePutout->toPlainText(), panes[tab]);
      QVERIFY(d.rxrePutout->isReadOnly());
    }
  }

  void failingCheckPointsAtItsControl_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<Setup>("setup");
    QTest::newRow("AAbove30") << 0 << Setup([](auto& d) {
      Type(d, "kxedtDjxs", QStringLiteral("31"));
    });
    QTest::newRow("AlphaBelow10") << 1 << Setup([](auto& d) {
      QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
      Type(d, "kxedtFdjsxs", QStringLiteral("5"));
    });
    QTest::newRow("BetaAbove10") << 2 << Setup([](auto& d) {
      Type(d, "kxedtYxxs", QStringLiteral("11"));
    });
    QTest::newRow("NoUnknownLayer") << 3 << Setup([](auto& d) {
      QWidget* combo = OpenCell(d.advsgFgbwtr2, 1, 2, "cbNumType");
      auto* box = qobject_cast<QComboBox*>(combo);
      box->setCurrentIndex(box->findText(QStringLiteral("已知项")));
      emit box->activated(box->currentIndex());
      QTest::keyClick(box, Qt::Key_Return);
    });
  }
  void failingCheckPointsAtItsControl() {
    QFETCH(int, tab);
    QFETCH(Setup, setup);
    Tfrm_DepthOfSoil& d = Open();
    ClickTab(d, tab);
    setup(d);
    QVERIFY2(messages_.shown.empty(), qPrintable(messages_.Texts().join(u'\n')));
    const calc::CheckResult fault = ds::Check(d.Gather(), tab);
    QVERIFY(fault);
    QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
    QCOMPARE(messages_.Texts(), QStringList{QString::fromStdString(fault->message)});
    QCOMPARE(d.RzPageControl1->currentIndex(), tab);
    if (fault->IsCell()) {
      auto* grid = Find<KxGrid>(d, fault->control.c_str());
      QCOMPARE(grid->currentRow(), fault->row);
      QCOMPARE(grid->currentColumn(), fault->col);
    } else {
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromStdString(fault->control));
    }
    QCOMPARE(d.rxrePutout->toPlainText(), QString());
  }

  void saveDefaultsStopsAtADayCellOfAnotherTab() {
    Tfrm_DepthOfSoil& d = Open([](TDepthOfSoil& item) {
      item.Zdlj4 = false;  // no sum at show time, so the 400 stays
      item.slFourNoHeatSoil = Gbk({"30", "5.5", "400", "5"});
    });
    QCOMPARE(Cell(d.dayTables[3], 1, 2), QStringLiteral("400"));
    QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
    QCOMPARE(messages_.Texts(),
             QStringList{QStringLiteral("表格中冻结天数必须为0（包括）～366（包括）之间的整数！")});
    QCOMPARE(d.RzPageControl1->currentIndex(), 3);
    QCOMPARE(d.dayTables[3]->currentRow(), 2);
    QCOMPARE(d.dayTables[3]->currentColumn(), 1);
    QVERIFY(!QFile::exists(QString::fromStdString(DefaultsFilePath())));
  }

  void autoCalFillsAndFreesThePField() {
    Tfrm_DepthOfSoil& d = Open([](TDepthOfSoil& item) {
      item.Zdlj1 = false;
      item.Djzs1 = 7;
    });
    TKxEdit* p = Find<TKxEdit>(d, "kxedtDjzs1");
    QCOMPARE(p->text(), QStringLiteral("7"));
    QVERIFY(p->isEnabled());
    QVERIFY(!d.dayTables[0]->isEnabled());
    QVERIFY(!Find<QLabel>(d, "lblAutoCal1")->isEnabled());

    QTest::mouseClick(Find<QCheckBox>(d, "cbAutoCal1"), Qt::LeftButton);
    QCOMPARE(p->text(), QStringLiteral("365"));
    QVERIFY(!p->isEnabled());
    QVERIFY(d.dayTables[0]->isEnabled());
    QVERIFY(Find<QLabel>(d, "lblAutoCal1")->isEnabled());

    QTest::mouseClick(Find<QCheckBox>(d, "cbAutoCal1"), Qt::LeftButton);
    QCOMPARE(p->text(), QStringLiteral("365"));
    QVERIFY(p->isEnabled());
    QCOMPARE(QApplication::focusWidget(), p);
    QVERIFY(!d.dayTables[0]->isEnabled());
  }

  void selectingACellRepairsTheDayCells() {
    Tfrm_DepthOfSoil& d = Open();
    KxGrid* g = d.dayTables[0];
    TypeCell(g, 1, 1, "kxedtDays1", QStringLiteral("400"));
    QCOMPARE(Cell(g, 1, 1), QStringLiteral("400"));
    g->setCurrentCell(2, 2);  // another cell of the table
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 1), QStringLiteral("0"));
    QCOMPARE(Find<TKxEdit>(d, "kxedtDjzs1")->text(), QStringLiteral("200"));
    QVERIFY(messages_.shown.empty());
  }

  void dayRowsAddAndDeleteOnTheActiveTab() {
    Tfrm_DepthOfSoil& d = OpenNew();
    ClickTab(d, 2);
    Find<QAction>(d, "NAdd")->trigger();
    QCOMPARE(d.dayTables[2]->rowCount(), 3);
    QCOMPARE(Cell(d.dayTables[2], 0, 2) + Cell(d.dayTables[2], 1, 2) + Cell(d.dayTables[2], 2, 2),
             QStringLiteral("200.00"));
    QCOMPARE(d.dayTables[2]->currentRow(), 2);
    QCOMPARE(d.dayTables[0]->rowCount(), 2);

    ClickTab(d, 0);
    d.dayTables[0]->setCurrentCell(1, 1);
    Find<QAction>(d, "NDlt")->trigger();
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
    Tfrm_DepthOfSoil& d = Open([](TDepthOfSoil& item) {
      item.Count5 = 4;
      item.slFiveNoHeatSoil =
          Gbk({"已知项,1", "1", "已知项,2", "2", "求解项", "3", "已知项,4", "4"});
    });
    ClickTab(d, 3);
    QCOMPARE(d.Gather().UnknownRow, 3);
    d.advsgFgbwtr2->setCurrentCell(row, 1);
    Find<QAction>(d, "NDlt2")->trigger();
    QCOMPARE(d.advsgFgbwtr2->rowCount(), 4);
    QCOMPARE(d.Gather().UnknownRow, unknown);
    if (unknown > 0) QCOMPARE(Cell(d.advsgFgbwtr2, 1, unknown), QStringLiteral("求解项"));
  }

  void thicknessEditorOffersOneUnknown() {
    Tfrm_DepthOfSoil& d = Open();
    ClickTab(d, 3);
    KxGrid* g = d.advsgFgbwtr2;
    // Another row: only "已知项", with its thickness.
    auto* combo = qobject_cast<QComboBox*>(OpenCell(g, 1, 1, "cbNumType"));
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
    combo = qobject_cast<QComboBox*>(OpenCell(g, 1, 2, "cbNumType"));
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("求解项"));
    QVERIFY(!g->findChild<TKxEdit*>(QStringLiteral("kxedtDays"))->isVisible());
    QTest::keyClick(combo, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(Cell(g, 1, 2), QStringLiteral("求解项"));
    QCOMPARE(d.Gather().UnknownRow, 2);
    QTest::mouseClick(d.btnCalculate, Qt::LeftButton);
    QVERIFY2(messages_.shown.empty(), qPrintable(messages_.Texts().join(u'\n')));

    // Chosen known, the field shows and its thickness goes into the cell.
    combo = qobject_cast<QComboBox*>(OpenCell(g, 1, 2, "cbNumType"));
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
    Tfrm_DepthOfSoil& d = Open();
    ClickTab(d, 3);
    KxGrid* g = d.advsgFgbwtr2;
    auto* field = qobject_cast<TKxEdit*>(OpenCell(g, 2, 1, "kxedtPjrfqw"));
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
    Tfrm_DepthOfSoil& d = Open();
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
    Tfrm_DepthOfSoil& d = Open();
    QVERIFY(d.GroupBox1->isVisible() && !d.GroupBox2->isVisible());
    const int tall = d.RzPageControl1->height();
    QTest::mouseClick(d.rbBzdjsd, Qt::LeftButton);
    QVERIFY(!d.GroupBox1->isVisible() && d.GroupBox2->isVisible());
    QVERIFY(d.RzPageControl1->height() < tall);
    QTest::mouseClick(d.rbNoHeatSoil, Qt::LeftButton);
    QCOMPARE(d.RzPageControl1->height(), tall);

    ClickTab(d, 1);
    QVERIFY(d.GroupBox3->isVisible() && !d.GroupBox4->isVisible());
    QTest::mouseClick(d.RadioButton2, Qt::LeftButton);
    QVERIFY(!d.GroupBox3->isVisible() && d.GroupBox4->isVisible());

    ClickTab(d, 2);
    QVERIFY(d.kxedtXdpjfgxs->isEnabled() && d.lblXdpjfgxs->isEnabled());
    QTest::mouseClick(d.RadioButton4, Qt::LeftButton);
    QVERIFY(!d.kxedtXdpjfgxs->isEnabled() && !d.lblXdpjfgxs->isEnabled());

    QTest::mouseClick(d.btnExit, Qt::LeftButton);
    QVERIFY(item_->NoHeatSoil1);
    QVERIFY(!item_->NoHeatSoil2);
    QVERIFY(!item_->CalDjsd);
  }

  void exitStoresAndTellsWhatWasTyped() {
    {
      Tfrm_DepthOfSoil& d = Open();
      Type(d, "kxedtDjxs", QStringLiteral("3"));
      QTest::mouseClick(d.btnExit, Qt::LeftButton);
      QVERIFY(!d.isVisible());
      QCOMPARE(item_->Djxs1, 3.0);
      QVERIFY(d.ItemChanged);
    }
    {
      Tfrm_DepthOfSoil& d = Open();
      ClickTab(d, 3);
      TypeCell(d.dayTables[3], 2, 1, "kxedtPjrfqw1", QStringLiteral("7"));
      Find<QAction>(d, "NAdd2")->trigger();
      QTest::mouseClick(d.btnExit, Qt::LeftButton);
      QVERIFY(!d.isVisible());
      QCOMPARE(item_->slFourNoHeatSoil, Gbk({"30", "7", "20", "10"}));
      QCOMPARE(item_->Count5, 3);
      QCOMPARE(item_->slFiveNoHeatSoil, Gbk({"已知项,10", "1.6", "求解项", "3.2", "", "0.00"}));
      QVERIFY(!d.ItemChanged);
    }
  }
};

}  // namespace

QTEST_MAIN(DepthOfSoilDialogTest)
#include "DepthOfSoilDialogTest.moc"
