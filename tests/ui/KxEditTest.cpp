// The numeric edit: its key filter, the exit check with its messages, and its properties.
#include <QApplication>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "ui/KxEdit.h"
#include "ui/MessageService.h"

using namespace wcthrm::ui;

namespace {

const QString kBadData = QStringLiteral("数据非法！");
constexpr char kDelete = 127;

struct CheckCase {
  const char* name;
  bool real;
  double min, max;
  const char* limits;  // L/l lower bound included or not, U/u the upper, "-" no upper bound
  bool canNegative;
  const char* text;
  const char* after;
  const char* message;  // empty when accepted
};

// clang-format off
const CheckCase kChecks[] = {
  {"real rounded onto upper bound", true, 0, 100, "LU", false, "100.004", "100.004", ""},
  {"real above upper", true, 0, 100, "LU", false, "100.006", "100.006", "请输入 0 (包含) 到 100 (包含) 之间的实数！"},
  {"real on excluded lower", true, 0, 100, "lU", false, "0", "0", "请输入 0 (不包含) 到 100 (包含) 之间的实数！"},
  {"real on excluded upper", true, 0, 100, "Lu", false, "100", "100", "请输入 0 (包含) 到 100 (不包含) 之间的实数！"},
  {"real both excluded", true, 0, 100, "lu", false, "100", "100", "请输入 0 (不包含) 到 100 (不包含) 之间的实数！"},
  {"real bounds rounded in message", true, 0.125, 9.999, "LU", false, "0.1", "0.1", "请输入 0.12 (包含) 到 10 (包含) 之间的实数！"},
  {"real inside", true, 0, 100, "lu", false, "55.5", "55.5", ""},
  {"int on excluded upper", false, 1, 10, "Lu", false, "10", "10", "请输入 1 (包含) 到 10 (不包含) 之间的整数，包含最小值，不包含最大值！"},
  {"int below lower", false, 1, 10, "LU", false, "0", "0", "请输入 1 (包含) 到 10 (包含) 之间的整数！"},
  {"int on excluded lower", false, 1, 10, "lU", false, "1", "1", "请输入 1 (不包含) 到 10 (包含) 之间的整数！"},
  {"int both excluded", false, 1, 10, "lu", false, "10", "10", "请输入 1 (不包含) 到 10 (不包含) 之间的整数！"},
  {"int bounds truncated, shown rounded", false, 1.9, 10.7, "LU", false, "11", "11", "请输入 2 (包含) 到 11 (包含) 之间的整数！"},
  {"int truncated lower accepts", false, 1.9, 10.7, "LU", false, "1", "1", ""},
  {"lower only, real", true, 0, 1, "L-", false, "0", "0", "请输入大于 0 的实数！"},
  {"lower only, int", false, 0, 1, "L-", false, "0", "0", "请输入大于 0 的整数！"},
  {"lower only ignores upper", true, 0, 1, "Lu-", false, "5", "5", ""},
  {"lower only with equal bounds", true, 0, 0, "L-", true, "-5", "-5", ""},
  {"emptied real", true, 0, 0, "LU", false, "", "0.0", ""},
  {"emptied int", false, 0, 0, "LU", false, " ", "0", ""},
  {"lone point", true, 0, 0, "LU", true, ".", "0.0", ""},
  {"lone minus not allowed", true, 0, 0, "LU", false, "-", "0.0", ""},
  {"lone minus allowed, no range", true, 0, 0, "LU", true, "-", "-", ""},
  {"lone minus allowed, range", true, -5, 5, "LU", true, "-", "0", "数据非法！"},
  {"no number, range", true, 0, 10, "LU", false, "1-2", "0", "数据非法！"},
  {"no number, int range", false, 0, 10, "LU", false, "1.5", "0", "数据非法！"},
  {"no number, no range", true, 0, 0, "LU", false, "1-2", "1-2", ""},
};
// clang-format on

}  // namespace

class KxEditTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { recorder_.shown.clear(); }

  void exitCheck_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kChecks)); ++i) QTest::newRow(kChecks[i].name) << i;
  }
  void exitCheck() {
    QFETCH(int, row);
    const CheckCase& c = kChecks[row];
    const QString message = QString::fromUtf8(c.message);
    const QString limits = QString::fromLatin1(c.limits);
    TKxEdit edit;
    edit.SetEditType(c.real ? TNumEditType::EditFloat : TNumEditType::EditInt);
    edit.MinValue = c.min;
    edit.MaxValue = c.max;
    edit.IncludeLowerLimitValue = limits.contains(u'L');
    edit.IncludeUpperLimitValue = limits.contains(u'U');
    edit.SetMaxValue = !limits.contains(u'-');
    edit.CanNegative = c.canNegative;
    edit.IsCheckDataValidatiy = true;
    edit.setText(QString::fromUtf8(c.text));
    QSignalSpy exits(&edit, &TKxEdit::OnExit);

    edit.DoExit();

    QCOMPARE(edit.text(), QString::fromUtf8(c.after));
    QCOMPARE(recorder_.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(edit.CheckFailed(), !message.isEmpty());
    if (!message.isEmpty()) {
      QCOMPARE(recorder_.shown[0].caption, QStringLiteral("提示信息"));
      QVERIFY(recorder_.shown[0].icon == MessageIcon::Warning);  // no skin given
    }
    if (!message.isEmpty() && message != kBadData) QCOMPARE(edit.selectedText(), edit.text());
    QCOMPARE(exits.count(), message == kBadData ? 0 : 1);
  }

  void checkSwitches() {
    TKxEdit edit;
    edit.MinValue = 0;
    edit.MaxValue = 10;
    edit.setText(QStringLiteral("20"));
    QSignalSpy exits(&edit, &TKxEdit::OnExit);
    edit.DoExit();  // IsCheckDataValidatiy is off: nothing at all
    QVERIFY(recorder_.shown.empty());
    QCOMPARE(exits.count(), 0);

    edit.IsCheckDataValidatiy = true;
    edit.ShowError = false;
    edit.setText(QString());
    edit.DoExit();  // no normalisation, no range check, but the exit event
    QCOMPARE(edit.text(), QString());
    QCOMPARE(exits.count(), 1);

    edit.ShowError = true;
    edit.setText(QStringLiteral("20"));
    edit.DoExit();
    QVERIFY(edit.CheckFailed());
    edit.MaxValue = 0;  // without a range the flag keeps its value
    edit.DoExit();
    QVERIFY(edit.CheckFailed());

    edit.MaxValue = 100;
    edit.Skindate = &edit;  // a skin makes the box an information box
    edit.setText(QStringLiteral("200"));
    recorder_.shown.clear();
    edit.DoExit();
    QVERIFY(recorder_.shown.at(0).icon == MessageIcon::Information);
  }

  void formatNumPoint_data() {
    QTest::addColumn<int>("mydec");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::newRow("rounded to two") << 2 << "3.14159"
                                    << "3.14";
    QTest::newRow("half rounds up") << 2 << "2.675"
                                    << "2.68";
    QTest::newRow("padded to three") << 3 << "1.5"
                                     << "1.500";
    QTest::newRow("whole number") << 2 << "7"
                                  << "7.00";
    QTest::newRow("tiny negative") << 2 << "-0.001"
                                   << "0.00";
    QTest::newRow("negative") << 1 << "-2.35"
                              << "-2.4";
    QTest::newRow("eight whole digits keep their decimals") << 2 << "12345678.91"
                                                            << "12345678.91";
    QTest::newRow("carry past nine whole digits") << 2 << "999999999.996"
                                                  << "1E9";
    QTest::newRow("beyond nine whole digits") << 2 << "12345678901"
                                              << "1.23456789E10";
    QTest::newRow("not a number") << 2 << "1-2"
                                  << "0";
  }
  void formatNumPoint() {
    QFETCH(int, mydec);
    QFETCH(QString, text);
    QFETCH(QString, after);
    TKxEdit edit;
    edit.FormatNumPoint = true;
    edit.SetMydec(mydec);
    edit.IsCheckDataValidatiy = true;
    edit.setText(text);
    edit.DoExit();
    QCOMPARE(edit.text(), after);
  }

  void keyFilter_data() {
    QTest::addColumn<bool>("real");
    QTest::addColumn<bool>("canNegative");
    QTest::addColumn<QString>("before");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("digit") << true << false << "1" << '2' << "12";
    QTest::newRow("backspace") << true << false << "12" << '\b' << "1";
    QTest::newRow("minus clears the text") << true << true << "12" << '-' << "-";
    QTest::newRow("minus into empty") << false << true << "" << '-' << "-";
    QTest::newRow("minus not allowed") << true << false << "12" << '-' << "12";
    QTest::newRow("first point") << true << false << "15" << '.' << "15.";
    QTest::newRow("second point") << true << false << "1.5" << '.' << "1.5";
    QTest::newRow("point in integer") << false << false << "15" << '.' << "15";
    QTest::newRow("comma") << true << false << "1" << ',' << "1";
    QTest::newRow("letter") << true << false << "1" << 'e' << "1";
    QTest::newRow("plus") << true << false << "1" << '+' << "1";
    QTest::newRow("ninth character") << true << false << "12345678" << '9' << "12345678";
    QTest::newRow("delete key") << true << false << "|123" << kDelete << "23";
  }
  void keyFilter() {
    QFETCH(bool, real);
    QFETCH(bool, canNegative);
    QFETCH(QString, before);
    QFETCH(char, key);
    QFETCH(QString, after);
    TKxEdit edit;
    edit.SetEditType(real ? TNumEditType::EditFloat : TNumEditType::EditInt);
    edit.CanNegative = canNegative;
    const qsizetype caret = before.indexOf(u'|');  // where the caret stands; none: at the end
    before.remove(u'|');
    edit.setText(before);
    edit.setCursorPosition(caret < 0 ? int(before.size()) : int(caret));
    if (key == kDelete) {  // as the X11 platform reports it: with the character 127
      QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Delete, QStringLiteral("\x7f"),
                          Qt::NoModifier);
    } else {
      QTest::keyClick(&edit, key);
    }
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.isModified(), after != before);
  }

  // What an input method commits is typed as well, one character at a time.
  void inputMethod_data() {
    QTest::addColumn<bool>("canNegative");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("digits") << false << "1" << "25" << "125";
    QTest::newRow("full-width point") << false << "1" << "。" << "1";
    QTest::newRow("full-width digit") << false << "1" << "５" << "1";
    QTest::newRow("second point") << false << "1" << "..5" << "1.5";
    QTest::newRow("minus clears the text") << true << "12" << "-3" << "-3";
    QTest::newRow("minus not allowed") << false << "12" << "-3" << "123";
    QTest::newRow("ninth character") << false << "12345678" << "9" << "12345678";
    // clang-format on
  }
  void inputMethod() {
    QFETCH(bool, canNegative);
    QFETCH(QString, before);
    QFETCH(QString, committed);
    QFETCH(QString, after);
    TKxEdit edit;
    edit.CanNegative = canNegative;
    edit.setText(before);
    edit.end(false);
    QInputMethodEvent event;
    event.setCommitString(committed);
    QApplication::sendEvent(&edit, &event);
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.isModified(), after != before);
  }

  void properties() {
    TKxEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("0.00"));
    QCOMPARE(edit.Version, QStringLiteral("20070412"));
    edit.SetMydec(0);
    QCOMPARE(edit.Mydec(), 2);
    edit.SetMydec(-3);
    QCOMPARE(edit.Mydec(), 2);

    edit.FormatNumPoint = true;
    edit.setText(QStringLiteral(" 1.5 "));
    edit.SetMydec(3);
    QCOMPARE(edit.text(), QStringLiteral("1.500"));
    QCOMPARE(edit.PadDecimals(QStringLiteral("1.23456")), QStringLiteral("1.23456"));
    QCOMPARE(edit.PadDecimals(QStringLiteral("5")), QStringLiteral("5.000"));
    QCOMPARE(edit.PadDecimals(QString()), QString());

    edit.SetEditType(TNumEditType::EditInt);
    QCOMPARE(edit.text(), QStringLiteral("0"));
    edit.setText(QStringLiteral("5"));
    edit.SetEditType(TNumEditType::EditFloat);
    QCOMPARE(edit.text(), QStringLiteral("5.000"));

    // A stored number shows in full, beyond what the user may type.
    edit.SetNumb(0.1f);
    QCOMPARE(edit.text(), QStringLiteral("0.100000001490116"));
    QVERIFY(!edit.isModified());
    edit.end(false);
    QTest::keyClick(&edit, '\b');
    QCOMPARE(edit.text(), QStringLiteral("0.10000000149011"));

    edit.setText(QStringLiteral("2.5"));
    QCOMPARE(edit.Numb(), 2.5f);
    edit.setText(QStringLiteral("abc"));
    QCOMPARE(edit.Numb(), 0.0f);
    QCOMPARE(edit.text(), QString());
  }

  // Leaving the edit runs the check; the focus comes back, and the edit it was taken from is
  // not checked in turn even when it is as bad.
  void leavingRunsTheCheckOnce() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    TKxEdit* edits[2];
    for (TKxEdit*& e : edits) {
      e = new TKxEdit(&window);
      e->MinValue = 0;
      e->MaxValue = 10;
      e->IsCheckDataValidatiy = true;
      e->setText(QStringLiteral("50"));
      layout->addWidget(e);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edits[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), edits[0]);

    edits[1]->setFocus();

    QCOMPARE(recorder_.Texts(), QStringList{"请输入 0 (包含) 到 10 (包含) 之间的实数！"});
    QCOMPARE(QApplication::focusWidget(), edits[0]);
    QVERIFY(edits[0]->CheckFailed());
    QVERIFY(!edits[1]->CheckFailed());
  }

 private:
  RecordingMessageService recorder_;
  ScopedMessageService installed_{recorder_};
};

QTEST_MAIN(KxEditTest)
#include "KxEditTest.moc"
