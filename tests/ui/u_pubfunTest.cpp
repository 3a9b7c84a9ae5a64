// The book writer, the pane copy, the message functions and the small input helpers.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "support/Errors.h"
#include "ui/MessageService.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"

using namespace wcthrm;
using namespace wcthrm::ui;

namespace {

QTextCharFormat FormatOf(QTextDocument* doc, int position) {
  QTextCursor c(doc);
  c.setPosition(position + 1);  // a cursor reports the format of the character before it
  return c.charFormat();
}

// One letter per character of a line: n normal, B subscript, P superscript; lower case means
// the face is 宋体, upper case Times New Roman.
QString Shape(QTextDocument* doc, int line) {
  const QTextBlock block = doc->findBlockByNumber(line);
  QString shape;
  for (int i = 0; i < block.length() - 1; ++i) {
    const QTextCharFormat f = FormatOf(doc, block.position() + i);
    QChar letter = u'n';
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) letter = u'b';
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) letter = u'p';
    const QString family = f.fontFamilies().toStringList().value(0);
    if (family == QStringLiteral("Times New Roman")) {
      letter = letter.toUpper();
    } else if (family != QStringLiteral("宋体")) {
      letter = u'?';
    }
    shape += letter;
  }
  return shape;
}

QString Runs(const TextStyles& runs) {
  QStringList parts;
  for (const TextStyle& r : runs) {
    parts << QStringLiteral("%1:%2:%3").arg(r.start).arg(r.length).arg(r.kind);
    if (r.font != QStringLiteral("Times New Roman")) parts << QStringLiteral("bad font");
  }
  return parts.join(u',');
}

}  // namespace

class BookWriterTest : public QObject {
  Q_OBJECT

 private slots:
  void scanRuns_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("mark");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("runs");
    QTest::newRow("subscript after base") << "T$2$＝5.5" << QChar(u'$') << 10 << "11:1:1";
    QTest::newRow("two subscripts") << "H$1$β$2$" << QChar(u'$') << 5 << "6:1:1,8:1:1";
    QTest::newRow("subscript spans superscript") << "$a#b#c$" << QChar(u'$') << 0 << "0:3:1";
    QTest::newRow("superscript ignores dollars") << "$a#b#c$" << QChar(u'#') << 0 << "1:1:2";
    QTest::newRow("empty run") << "a$$b" << QChar(u'$') << 0 << "1:0:1";
    QTest::newRow("unclosed run") << "$abc" << QChar(u'$') << 0 << "";
    QTest::newRow("closed then unclosed") << "#2#x#3" << QChar(u'#') << 0 << "0:1:2";
  }
  void scanRuns() {
    QFETCH(QString, text);
    QFETCH(QChar, mark);
    QFETCH(int, base);
    QFETCH(QString, runs);
    QCOMPARE(Runs(ScanRuns(text, mark, base)), runs);
  }

  // Every case is the second line of a book, so run positions count the first line too.
  void writeBookLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("shape");
    QTest::newRow("subscript") << "T$2$＝5.5"
                               << "T2＝5.5"
                               << "nBnnnn";
    QTest::newRow("superscript unit") << "每m#3#"
                                      << "每m3"
                                      << "nnP";
    QTest::newRow("negative exponent") << "10#-6#×5"
                                       << "10-6×5"
                                       << "nnPPnn";
    QTest::newRow("superscript inside subscript") << "$a#b#c$"
                                                  << "abc"
                                                  << "BPB";
    QTest::newRow("unclosed run") << "$abc"
                                  << "abc"
                                  << "nnn";
    QTest::newRow("empty run") << "a$$b"
                               << "ab"
                               << "nn";
    QTest::newRow("no marks") << "Q＝cρV"
                              << "Q＝cρV"
                              << "nnnnn";
    QTest::newRow("ends in a run") << "t$do$"
                                   << "tdo"
                                   << "nBB";
  }
  void writeBookLine() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, shape);
    QTextEdit pane;
    WriteBookLine(&pane, QStringLiteral("第一行"), 3);
    WriteBookLine(&pane, text, 3);

    QCOMPARE(pane.toPlainText(), QStringLiteral("第一行\n") + shown + u'\n');
    QCOMPARE(Shape(pane.document(), 0), QStringLiteral("nnn"));
    QCOMPARE(Shape(pane.document(), 1), shape);
    const QTextBlock line = pane.document()->findBlockByNumber(1);
    for (int i = 0; i < line.length() - 1; ++i) {
      const QTextCharFormat f = FormatOf(pane.document(), line.position() + i);
      QCOMPARE(f.fontPointSize(), 12.0);
      QCOMPARE(f.foreground().color(), QColor(0, 0, 0));
      QCOMPARE(f.fontWeight(), int(QFont::Normal));
    }
    // The caret waits after the line, in normal position, with nothing selected.
    const QTextCursor caret = pane.textCursor();
    QVERIFY(!caret.hasSelection());
    QVERIFY(caret.atEnd());
    QCOMPARE(pane.currentCharFormat().verticalAlignment(), QTextCharFormat::AlignNormal);
    WriteBookLine(&pane, QStringLiteral("x"), 3);
    QCOMPARE(Shape(pane.document(), 2), QStringLiteral("n"));
  }

  // Text that ends without a line break (set by other means) does not swallow the next line.
  void lineAfterTextWithoutBreak() {
    QTextEdit pane;
    pane.setPlainText(QStringLiteral("旧的内容"));
    WriteBookLine(&pane, QStringLiteral("T$2$＝5"), 3);
    QCOMPARE(pane.toPlainText(), QStringLiteral("旧的内容\nT2＝5\n"));
    QCOMPARE(Shape(pane.document(), 1), QStringLiteral("nBnn"));
  }

  void bookStyles_data() {
    QTest::addColumn<int>("before");  // style of an earlier line, -1 for none
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("bold");
    const QColor black(0, 0, 0), green(0, 128, 0), red(255, 0, 0);
    QTest::newRow("style 0") << -1 << 0 << 22.0 << black << true;
    QTest::newRow("style 1") << -1 << 1 << 16.0 << black << true;
    QTest::newRow("style 2") << -1 << 2 << 12.0 << green << false;
    QTest::newRow("style 3") << -1 << 3 << 12.0 << black << false;
    QTest::newRow("style 4") << -1 << 4 << 14.0 << black << true;
    QTest::newRow("style 5") << -1 << 5 << 12.0 << red << false;
    QTest::newRow("style 6") << -1 << 6 << 14.0 << black << false;
    QTest::newRow("style 7") << -1 << 7 << 14.0 << red << true;
    QTest::newRow("unknown style keeps size and colour") << 7 << 9 << 14.0 << red << false;
  }
  void bookStyles() {
    QFETCH(int, before);
    QFETCH(int, style);
    QFETCH(double, points);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);
    QTextEdit pane;
    if (before >= 0) WriteBookLine(&pane, QStringLiteral("a"), before);
    pane.setFontItalic(true);
    pane.setFontUnderline(true);
    WriteBookLine(&pane, QStringLiteral("x"), style);

    const int at = pane.document()->findBlockByNumber(before >= 0 ? 1 : 0).position();
    const QTextCharFormat f = FormatOf(pane.document(), at);
    QCOMPARE(f.fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
    QCOMPARE(f.fontPointSize(), points);
    QCOMPARE(f.foreground().color(), colour);
    QCOMPARE(f.fontWeight() == QFont::Bold, bold);
    QVERIFY(!f.fontItalic());
    QVERIFY(!f.fontUnderline());
    QVERIFY(!f.fontStrikeOut());
  }

  void pasteKeepsFormattingAndClipboard() {
    QGuiApplication::clipboard()->setText(QStringLiteral("用户的剪贴板"));
    QTextEdit source, target;
    WriteBookLine(&source, QStringLiteral("T$2$＝5.5"), 3);
    WriteBookLine(&source, QStringLiteral("警告10#-6#"), 7);
    WriteBookLine(&source, QStringLiteral("H$fg$"), 3);
    target.setPlainText(QStringLiteral("旧的内容"));
    target.clear();

    PasteEditText(&source, &target);

    QCOMPARE(target.toPlainText(), source.toPlainText());
    for (int line = 0; line < 3; ++line)
      QCOMPARE(Shape(target.document(), line), Shape(source.document(), line));
    for (int p = 0; p < source.document()->characterCount() - 1; ++p) {
      const QTextCharFormat s = FormatOf(source.document(), p), t = FormatOf(target.document(), p);
      QCOMPARE(t.fontPointSize(), s.fontPointSize());
      QCOMPARE(t.foreground().color(), s.foreground().color());
      QCOMPARE(t.fontWeight(), s.fontWeight());
    }
    QVERIFY(!target.textCursor().hasSelection());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("用户的剪贴板"));
  }

  void comboIndexOf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::newRow("trimmed both sides") << " b " << QStringList{"a", "b "} << 1;
    QTest::newRow("control characters trimmed") << "\tb\x01" << QStringList{"a", "b"} << 1;
    QTest::newRow("first of equal items") << "求解项" << QStringList{"求解项", "求解项"} << 0;
    QTest::newRow("case matters") << "B" << QStringList{"a", "b"} << -1;
    QTest::newRow("no match") << "c" << QStringList{"a", "b"} << -1;
    QTest::newRow("empty list") << "a" << QStringList{} << -1;
  }
  void comboIndexOf() {
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QFETCH(int, index);
    QComboBox combo;
    combo.addItems(items);
    QCOMPARE(ComboIndexOf(text, &combo), index);
  }

  void editValueText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("expected");  // or the conversion error's message
    QTest::newRow("rounded to two decimals") << "12.3456" << 1.0 << "12.35";
    QTest::newRow("no trailing zeros") << "3.00" << 1.0 << "3";
    QTest::newRow("percentage as fraction") << "50" << 0.01 << "0.5";
    QTest::newRow("negative") << "-3.456" << 1.0 << "-3.46";
    QTest::newRow("not a number") << "abc" << 1.0 << "'abc' is not a valid floating point value";
    QTest::newRow("chinese text quoted intact")
        << "数据" << 1.0 << "'数据' is not a valid floating point value";
  }
  void editValueText() {
    QFETCH(QString, text);
    QFETCH(double, factor);
    QFETCH(QString, expected);
    QLineEdit edit(text);
    QString result;
    try {
      result = EditValueText(&edit, factor);
    } catch (const ConversionError& e) {
      result = QString::fromUtf8(e.what());
    }
    QCOMPARE(result, expected);
  }

  void messagesGoThroughTheService() {
    RecordingMessageService recorder;
    ScopedMessageService installed(recorder);
    recorder.answers = {kAnswerYes, kAnswerNo};
    // A dialog that has come and gone leaves nothing behind that the boxes would use.
    delete new TfrmKxEditForm();

    ShowInfo(QStringLiteral("请输入数值"));
    QCOMPARE(AskChoice(QStringLiteral("继续吗？")), 6);
    QCOMPARE(AskChoice(QStringLiteral("继续吗？")), 7);

    QCOMPARE(recorder.shown.size(), size_t(3));
    QCOMPARE(recorder.shown[0].caption, QStringLiteral("提示信息"));
    QCOMPARE(recorder.shown[0].text, QStringLiteral("请输入数值"));
    QVERIFY(recorder.shown[0].icon == MessageIcon::Information);
    QVERIFY(!recorder.shown[0].question);
    QCOMPARE(recorder.shown[1].caption, QStringLiteral("请选择下一步操作"));
    QVERIFY(recorder.shown[1].question);
  }

  void reportBadEditShowsItsPage() {
    RecordingMessageService recorder;
    ScopedMessageService installed(recorder);
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget(), QStringLiteral("一"));
    auto* page = new QWidget();
    auto* edit = new QLineEdit(QStringLiteral("120"), page);
    (new QVBoxLayout(page))->addWidget(edit);
    tabs->addTab(page, QStringLiteral("二"));
    window.show();
    QCOMPARE(tabs->currentIndex(), 0);

    ReportBadEdit(edit, QStringLiteral("请输入 0 (包含) 到 100 (包含) 之间的实数！"));

    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(window.focusWidget(), edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("120"));
    QCOMPARE(recorder.Texts(), QStringList{"请输入 0 (包含) 到 100 (包含) 之间的实数！"});
  }
};

QTEST_MAIN(BookWriterTest)
#include "u_pubfunTest.moc"
