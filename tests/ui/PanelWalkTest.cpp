// The walks over a panel: which edits ValidatePanel checks and where it stops, and which
// edits PanelChanged sees.
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include "ui/KxEdit.h"
#include "ui/MessageService.h"
#include "ui/PanelWalk.h"

using namespace wcthrm::ui;

namespace {

// A checked edit on parent with the range 0..10.
TKxEdit* CheckedEdit(QWidget* parent, const char* name, const char* text) {
  auto* edit = new TKxEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->MinValue = 0;
  edit->MaxValue = 10;
  edit->IsCheckDataValidatiy = true;
  edit->setText(QString::fromLatin1(text));
  return edit;
}

}  // namespace

class PanelWalkTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { recorder_.shown.clear(); }

  void validateStopsAtFirstFailure() {
    QFrame panel;
    CheckedEdit(&panel, "ok", "5");
    CheckedEdit(&panel, "disabled", "50")->setEnabled(false);
    CheckedEdit(&panel, "hidden", "50")->hide();
    TKxEdit* bad = CheckedEdit(&panel, "bad", "20");
    bad->ShowError = false;
    TKxEdit* after = CheckedEdit(&panel, "after", "30");

    QVERIFY(!ValidatePanel(&panel));
    QCOMPARE(recorder_.Texts(), QStringList{"请输入 0 (包含) 到 10 (包含) 之间的实数！"});
    QVERIFY(bad->CheckFailed());
    QVERIFY(bad->ShowError);  // forced on, and left on
    QVERIFY(!after->CheckFailed());
  }

  void validateDescendsIntoPanelsOnly() {
    QFrame panel;
    new QTextEdit(&panel);
    auto* tabs = new QTabWidget(&panel);
    auto* page = new QWidget();
    CheckedEdit(page, "onPage", "50");
    tabs->addTab(page, QStringLiteral("一"));
    QVERIFY(ValidatePanel(&panel));  // a page control is not entered
    QVERIFY(recorder_.shown.empty());

    auto* group = new QGroupBox(&panel);
    auto* inner = new QFrame(group);
    TKxEdit* nested = CheckedEdit(inner, "nested", "50");
    QVERIFY(!ValidatePanel(&panel));
    QVERIFY(nested->CheckFailed());
  }

  void validateRunsPlainEditHandlersOnThePanelOnly() {
    QFrame panel;
    auto* direct = new QLineEdit(&panel);
    auto* group = new QGroupBox(&panel);
    auto* grouped = new QLineEdit(group);
    int directRuns = 0, groupedRuns = 0;
    connect(direct, &QLineEdit::editingFinished, this, [&] { ++directRuns; });
    connect(grouped, &QLineEdit::editingFinished, this, [&] { ++groupedRuns; });

    QVERIFY(ValidatePanel(&panel));
    QCOMPARE(directRuns, 1);
    QCOMPARE(groupedRuns, 0);
  }

  void panelChanged_data() {
    QTest::addColumn<QString>("typedInto");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nothing typed") << "" << false;
    QTest::newRow("edit on the panel") << "direct" << true;
    QTest::newRow("edit in a nested group") << "grouped" << true;
    QTest::newRow("edit on the page not shown") << "secondPage" << true;
    QTest::newRow("disabled edit") << "disabled" << true;
    QTest::newRow("hidden edit") << "hidden" << false;
    QTest::newRow("plain edit") << "plain" << false;
  }
  void panelChanged() {
    QFETCH(QString, typedInto);
    QFETCH(bool, changed);
    QWidget window;
    auto* panel = new QFrame(&window);
    CheckedEdit(panel, "direct", "1");
    (new QLineEdit(panel))->setObjectName(QStringLiteral("plain"));
    CheckedEdit(panel, "hidden", "1")->hide();
    CheckedEdit(panel, "disabled", "1")->setEnabled(false);
    auto* group = new QGroupBox(panel);
    CheckedEdit(new QFrame(group), "grouped", "1");
    auto* tabs = new QTabWidget(panel);
    tabs->addTab(new QWidget(), QStringLiteral("一"));
    auto* second = new QWidget();
    CheckedEdit(second, "secondPage", "1");
    tabs->addTab(second, QStringLiteral("二"));
    window.show();

    if (!typedInto.isEmpty()) window.findChild<QLineEdit*>(typedInto)->setModified(true);
    QCOMPARE(PanelChanged(panel), changed);
  }

 private:
  RecordingMessageService recorder_;
  ScopedMessageService installed_{recorder_};
};

QTEST_MAIN(PanelWalkTest)
#include "PanelWalkTest.moc"
