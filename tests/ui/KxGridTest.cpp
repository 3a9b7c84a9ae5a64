// The input table and the page control of the item dialogs: the table in grid numbering, the
// cell-select event before the move, the exit event, in-cell editors that are not committed
// half-way, and tab changes refused while an edit's check keeps the focus.
#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/KxEdit.h"
#include "ui/KxGrid.h"
#include "ui/MessageService.h"
#include "ui/PageControl.h"

using namespace wcthrm;
using namespace wcthrm::ui;

namespace {

// A window with a page control: a bounded numeric edit and a table on page 0, a button
// on page 1.
struct Window {
  Window() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(pages);
    QWidget* first = pages->AddSheet("tsFirst", QStringLiteral("一"));
    QWidget* second = pages->AddSheet("tsSecond", QStringLiteral("二"));
    auto* firstLayout = new QVBoxLayout(first);
    edit = new TKxEdit(first);
    edit->setObjectName(QStringLiteral("kxedtBounded"));
    calc::EditSettings bounded;
    bounded.lower = {0, true};
    bounded.upper = {10, true};
    ConfigureEdit(*edit, bounded);
    grid = new KxGrid("advsgTest", first);
    calc::Table table = calc::Table::Sized(3, 3);
    table.At(1, 0) = "甲";
    table.At(0, 1) = "1";
    table.At(1, 1) = "a";
    table.At(2, 2) = "d";
    grid->SetTable(table);
    grid->SetColumnEditor(2, NumericCellEditor("kxedtCell", bounded, {148, 21}));
    firstLayout->addWidget(edit);
    firstLayout->addWidget(grid);
    auto* secondLayout = new QVBoxLayout(second);
    secondLayout->addWidget(new QPushButton(QStringLiteral("b"), second));
    window.show();
    window.activateWindow();
  }
  QWidget window;
  TRzPageControl* pages = new TRzPageControl(&window);
  TKxEdit* edit;
  KxGrid* grid;
  RecordingMessageService messages;
  ScopedMessageService scoped{messages};
};

void ClickCell(KxGrid* grid, int row, int col) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(row, col)).center());
}

}  // namespace

class KxGridTest : public QObject {
  Q_OBJECT

 private slots:
  void TheTableReadsBackWithItsFixedCellsAndSelection() {
    Window w;
    calc::Table table = w.grid->Table();
    QCOMPARE(table.At(1, 0), std::string("甲"));
    QCOMPARE(table.At(2, 2), std::string("d"));
    QVERIFY(!(w.grid->item(0, 1)->flags() & Qt::ItemIsEditable));  // header row
    QVERIFY(!(w.grid->item(1, 0)->flags() & Qt::ItemIsEditable));  // row numbers
    QVERIFY(w.grid->item(1, 1)->flags() & Qt::ItemIsEditable);
    table.selection = {1, 1, 2, 2};
    w.grid->SetTable(table);
    QCOMPARE(w.grid->Table(), table);
    table.cells.pop_back();  // one data row less
    table.selection = {1, 1, 1, 1};
    w.grid->SetTable(table);
    QCOMPARE(w.grid->rowCount(), 2);
    QCOMPARE(w.grid->Table(), table);
  }

  void SelectCellRunsBeforeTheMoveAndExitWhenTheFocusLeaves() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.grid->SelectOnly(1, 1);  // the program's own move raises nothing
    QStringList events;
    QObject::connect(w.grid, &KxGrid::SelectCell, [&](int col, int row) {
      // The current cell is still the old one.
      events << QStringLiteral("select %1,%2 from %3,%4")
                    .arg(col).arg(row).arg(w.grid->currentColumn()).arg(w.grid->currentRow());
    });
    QObject::connect(w.grid, &KxGrid::Exit, [&] { events << QStringLiteral("exit"); });
    w.grid->setFocus();
    ClickCell(w.grid, 2, 1);
    w.edit->setFocus();
    QCOMPARE(events, (QStringList{"select 1,2 from 1,1", "exit"}));
  }

  void AnEditorWhoseCheckFailsStaysOpenUntilItsValueIsAccepted() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.grid->editItem(w.grid->item(1, 2));
    auto* editor = w.grid->findChild<TKxEdit*>(QStringLiteral("kxedtCell"));
    QVERIFY(editor);
    QTRY_COMPARE(QApplication::focusWidget(), editor);
    QCOMPARE(editor->text(), QString());
    QTest::keyClicks(editor, QStringLiteral("20"));
    w.edit->setFocus(Qt::TabFocusReason);  // leaving with a value above 10
    QCOMPARE(w.messages.Texts(),
             QStringList{QStringLiteral("请输入 0 (包含) 到 10 (包含) 之间的实数！")});
    QApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), editor);  // kept, and the cell not written
    QCOMPARE(w.grid->item(1, 2)->text(), QString());
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("5"));
    w.edit->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(w.grid->item(1, 2)->text(), QStringLiteral("5"));
  }

  void ATabChangeWaitsForTheFocusedEditsCheck() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTabBar* bar = w.pages->tabBar();
    w.edit->setFocus();
    w.edit->selectAll();
    QTest::keyClicks(w.edit, QStringLiteral("11"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(w.pages->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), w.edit);
    QCOMPARE(w.messages.shown.size(), size_t{1});
    w.edit->selectAll();
    QTest::keyClicks(w.edit, QStringLiteral("9"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(w.pages->currentIndex(), 1);
    QCOMPARE(w.messages.shown.size(), size_t{1});
    // The selected tab's text is blue.
    QCOMPARE(bar->tabTextColor(1), QColor(0, 0, 255));
    QVERIFY(bar->tabTextColor(0) != QColor(0, 0, 255));
  }
};

QTEST_MAIN(KxGridTest)
#include "KxGridTest.moc"
