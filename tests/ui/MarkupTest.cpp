// Labels and formula pictures from the book's mark-up.
#include <QLabel>
#include <QtTest>

#include "ui/Markup.h"

using namespace wcthrm::ui;

class MarkupTest : public QObject {
  Q_OBJECT

 private slots:
  void RunsBecomeSubAndSuperscripts_data() {
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("html");
    const QString f = QStringLiteral("<span style=\"font-family:'Times New Roman'\">");
    QTest::newRow("plain") << "T（℃）：" << "T（℃）：";
    QTest::newRow("subscript") << "T$1$=" << "T" + f + "<sub>1</sub></span>=";
    QTest::newRow("superscript") << "m#3#" << "m" + f + "<sup>3</sup></span>";
    QTest::newRow("both") << "h$SH$ 10#-6#"
                          << "h" + f + "<sub>SH</sub></span> 10" + f + "<sup>-6</sup></span>";
    QTest::newRow("other_mark_inside_dropped") << "a$b#c$" << "a" + f + "<sub>bc</sub></span>";
    QTest::newRow("unclosed_mark_shows_nothing") << "a$b" << "ab";
    QTest::newRow("empty_run") << "a$$b" << "a" + f + "<sub></sub></span>b";
    QTest::newRow("escaped_and_line_break") << "a<b\nc&d" << "a&lt;b<br>c&amp;d";
  }
  void RunsBecomeSubAndSuperscripts() {
    QFETCH(QString, markup);
    QFETCH(QString, html);
    QCOMPARE(MarkupHtml(markup), html);
  }

  void ALabelShowsTheTextWithoutMarks() {
    QLabel* label = MarkupLabel(QStringLiteral("加热前材料温度T$1$（℃）："), nullptr, "lbl");
    QCOMPARE(label->objectName(), QStringLiteral("lbl"));
    QCOMPARE(label->textFormat(), Qt::RichText);
    QTextDocument doc;
    doc.setHtml(label->text());
    QCOMPARE(doc.toPlainText(), QStringLiteral("加热前材料温度T1（℃）："));
    delete label;
  }
};

QTEST_MAIN(MarkupTest)
#include "MarkupTest.moc"
