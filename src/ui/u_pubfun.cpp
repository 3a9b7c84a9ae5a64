#include "ui/u_pubfun.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <string>

#include "calc/FormCommon.h"
#include "support/Gbk.h"
#include "ui/KxGrid.h"
#include "ui/MessageService.h"

namespace wcthrm::ui {

namespace {

constexpr QChar kSubMark = u'$';
constexpr QChar kSuperMark = u'#';

struct StyleRow {
  qreal points;
  QColor colour;
  bool bold;
};

const StyleRow kStyles[] = {
    {22, QColor(0, 0, 0), true},  {16, QColor(0, 0, 0), true},   {12, QColor(0, 128, 0), false},
    {12, QColor(0, 0, 0), false}, {14, QColor(0, 0, 0), true},   {12, QColor(255, 0, 0), false},
    {14, QColor(0, 0, 0), false}, {14, QColor(255, 0, 0), true},
};

}  // namespace

QString TrimControls(const QString& text) {
  qsizetype b = 0, e = text.size();
  while (b < e && text[b].unicode() <= 32) ++b;
  while (e > b && text[e - 1].unicode() <= 32) --e;
  return text.mid(b, e - b);
}

TextStyles ScanRuns(const QString& text, QChar mark, int32_t base) {
  QString copy = text;
  copy.remove(mark == kSubMark ? kSuperMark : kSubMark);
  const uint8_t kind = mark == kSubMark ? 1 : 2;
  TextStyles runs;
  bool inside = false;
  int32_t plainLength = 0, runLength = 0, runStart = 0;
  for (QChar c : copy) {
    if (c == mark) {
      inside = !inside;
      if (inside) {
        runStart = base + plainLength;
      } else {
        runs.push_back({runStart, runLength, kind, QString::fromUtf8(kRunFont)});
        runStart = 0;
        runLength = 0;
      }
    } else {
      if (inside) ++runLength;
      ++plainLength;
    }
  }
  return runs;
}

void SetBookStyle(QTextCharFormat& attributes, uint8_t style) {
  attributes.setFontFamilies(QStringList{QString::fromUtf8(kBookFont)});
  attributes.setFontWeight(QFont::Normal);
  attributes.setFontItalic(false);
  attributes.setFontUnderline(false);
  attributes.setFontStrikeOut(false);
  if (style >= std::size(kStyles)) return;
  const StyleRow& row = kStyles[style];
  attributes.setFontPointSize(row.points);
  attributes.setForeground(row.colour);
  attributes.setFontWeight(row.bold ? QFont::Bold : QFont::Normal);
}

void WriteBookLine(QTextEdit* pane, const QString& text, int style) {
  QTextCharFormat attributes = pane->currentCharFormat();
  SetBookStyle(attributes, static_cast<uint8_t>(style));
  pane->setCurrentCharFormat(attributes);
  AppendMarkedLine(pane, text);
}

void AppendMarkedLine(QTextEdit* pane, const QString& text) {
  QTextDocument* doc = pane->document();
  QTextCursor cursor(doc);
  cursor.movePosition(QTextCursor::End);
  // Every line ends with its own paragraph break, so the next one starts at the end; text
  // that ends without one (set by other means) gets one first, so the line is a line of its own.
  if (!cursor.block().text().isEmpty()) cursor.insertBlock();
  const int32_t base = cursor.position();

  TextStyles styles = ScanRuns(text, kSubMark, base);
  TextStyles superRuns = ScanRuns(text, kSuperMark, base);
  styles.insert(styles.end(), superRuns.begin(), superRuns.end());

  QString plain = text;
  plain.remove(kSubMark);
  plain.remove(kSuperMark);
  const QTextCharFormat lineFormat = pane->currentCharFormat();
  cursor.insertText(plain, lineFormat);
  cursor.insertBlock(QTextBlockFormat(), lineFormat);

  for (const TextStyle& run : styles) {
    if (run.length <= 0) continue;  // an empty run changes nothing
    QTextCursor selection(doc);
    selection.setPosition(run.start);
    selection.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
    QTextCharFormat runFormat;
    runFormat.setVerticalAlignment(run.kind == 1 ? QTextCharFormat::AlignSubScript
                                                 : QTextCharFormat::AlignSuperScript);
    runFormat.setFontFamilies(QStringList{run.font});
    selection.mergeCharFormat(runFormat);
  }

  pane->moveCursor(QTextCursor::End);
  QTextCharFormat normal;
  normal.setVerticalAlignment(QTextCharFormat::AlignNormal);
  pane->mergeCurrentCharFormat(normal);
}

QString EditValueText(const QLineEdit* control, double factor) {
  // The conversion quotes a bad text in its message from GBK, as the model holds it.
  return QString::fromStdString(calc::EditValueText(ToGbk(control->text().toStdString()), factor));
}

void PasteEditText(const QTextEdit* source, QTextEdit* target) {
  QTextCursor cursor = target->textCursor();
  cursor.insertFragment(QTextDocumentFragment(source->document()));
  cursor.clearSelection();
  target->setTextCursor(cursor);
}

void ShowInfo(const QString& message) {
  MessageService().Inform(nullptr, QStringLiteral("提示信息"), message, MessageIcon::Information);
}

int AskChoice(const QString& question) {
  return MessageService().Ask(nullptr, QStringLiteral("请选择下一步操作"), question);
}

int ComboIndexOf(const QString& text, const QComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
  return calc::IndexOfTrimmed(text.toStdString(), items);
}

void BringIntoView(QWidget* w) {
  for (; w && !w->isWindow(); w = w->parentWidget()) {
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (!stack) continue;
    if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
      tabs->setCurrentWidget(w);
    } else {
      stack->setCurrentWidget(w);
    }
  }
}

void ReportBadEdit(QLineEdit* edit, const QString& message) {
  // An edit on a page that is not shown cannot take the focus: show its pages first.
  BringIntoView(edit);
  edit->setFocus();
  edit->selectAll();
  ShowInfo(message);
}

void ReportFault(QWidget* dialog, const calc::Fault& fault) {
  const QString name = QString::fromStdString(fault.control);
  const QString message = QString::fromStdString(fault.message);
  if (fault.IsCell()) {
    if (auto* grid = dialog->findChild<KxGrid*>(name)) {
      BringIntoView(grid);
      grid->SelectOnly(fault.col, fault.row);
      grid->setFocus();
    }
    ShowInfo(message);
    return;
  }
  if (auto* edit = dialog->findChild<QLineEdit*>(name)) {
    ReportBadEdit(edit, message);
    return;
  }
  ShowInfo(message);
}

}  // namespace wcthrm::ui
