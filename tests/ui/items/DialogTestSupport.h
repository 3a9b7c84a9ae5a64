// What the item dialog tests share: a dialog shown over an example item with its messages
// recorded, driven by mouse and keys; the book its pane shows as mark-up lines; and the book
// the command line computes for an item.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "../UiTestSupport.h"
#include "Examples.h"
#include "calc/FormCommon.h"
#include "cli/CalcMain.h"
#include "model/Defaults.h"
#include "model/KxItem.h"
#include "ui/KxEdit.h"
#include "ui/KxGrid.h"
#include "ui/MessageService.h"

namespace wcthrm::ui::test {

// A book as lines of text in which every subscript run is wrapped in "$" and every
// superscript run in "#": the pane's formatting written back as the book's mark-up.
inline std::vector<std::string> PaneBook(const QTextEdit* pane) {
  std::vector<std::string> lines;
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
    lines.push_back(line.toStdString());
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// A mark-up line as the pane's plain text shows it.
inline QString PlainLine(const std::string& line) {
  return QString::fromStdString(line).remove(u'$').remove(u'#');
}

// A book as the pane's plain text shows it, lines joined by line breaks.
inline QString PlainBook(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) out << PlainLine(line);
  return out.join(u'\n');
}

// The book of tab that wcthrm-calc prints for the item's values, as mark-up lines.
inline std::vector<std::string> CliBook(TKxItem& item, const char* kind, int tab) {
  QTemporaryDir folder;
  const std::string saved = DefaultsFolder();
  SetDefaultsFolder((folder.path() + u'/').toStdString());  // with its separator
  item.SaveDefaultData();
  SetDefaultsFolder(saved);
  std::istringstream in;
  std::ostringstream out, err;
  const std::string path = QDir(folder.path()).filePath(QStringLiteral("update.ini")).toStdString();
  cli::Main({kind, std::to_string(tab), path}, in, out, err);
  std::vector<std::string> lines;
  std::istringstream text(out.str() + err.str());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

// One showing of an item dialog, active and with the focus, over the kind's example (or a
// blank item) that adjust may change first. Its defaults and host folders are its own, and
// every message box is recorded.
template <class Dialog, class Item>
class DialogFixture {
 public:
  explicit DialogFixture(const std::function<void(Item&)>& adjust = {}, bool example = true)
      : saved_(DefaultsFolder()) {
    SetDefaultsFolder((folder.path() + u'/').toStdString());  // with its separator
    if (example) FillExample(item);
    if (adjust) adjust(item);
    dialog.CurItem = &item;
    dialog.show();
    const bool exposed = QTest::qWaitForWindowExposed(&dialog);
    dialog.activateWindow();
    ok = exposed && QTest::qWaitForWindowActive(&dialog);  // focus needs it
    QVERIFY2(exposed, "dialog not shown");
    QVERIFY2(ok, "dialog not active");
  }
  ~DialogFixture() { SetDefaultsFolder(saved_); }
  DialogFixture(const DialogFixture&) = delete;
  DialogFixture& operator=(const DialogFixture&) = delete;

  template <class W = TKxEdit>
  W* Find(const char* name) {
    W* w = dialog.template findChild<W*>(QString::fromLatin1(name));
    if (!w) qWarning("no control %s", name);
    return w;
  }
  void ClickTab(int tab) {
    QTabBar* bar = dialog.RzPageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QCoreApplication::processEvents();
  }
  // Types text over an edit's text; the focus stays in it.
  void Type(const char* edit, const QString& text) {
    QLineEdit* e = Find<QLineEdit>(edit);
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
  }
  // Types text over an edit's text and leaves it with Tab.
  void TypeAndLeave(const char* edit, const QString& text) {
    Type(edit, text);
    QTest::keyClick(Find<QLineEdit>(edit), Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  // Opens the editor of a cell; returns the editor's widget of that name.
  QWidget* OpenCell(KxGrid* grid, int col, int row, const char* part) {
    // A closed editor goes later; it must not be found in place of the new one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    grid->setFocus();
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    QCoreApplication::processEvents();
    return grid->findChild<QWidget*>(QString::fromLatin1(part));
  }
  // Types text into a cell's numeric editor, which has the focus, and commits it with Return.
  void TypeCell(KxGrid* grid, int col, int row, const char* editor, const QString& text) {
    auto* e = qobject_cast<QLineEdit*>(OpenCell(grid, col, row, editor));
    QVERIFY2(e, editor);
    QVERIFY2(e->hasFocus(), editor);
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  QString DefaultsFile() const { return QString::fromStdString(DefaultsFilePath()); }

  TempHostFolder host;
  QTemporaryDir folder;
  RecordingMessageService messages;
  ScopedMessageService scoped{messages};
  Item item;
  Dialog dialog;
  bool ok = false;  // shown and active

 private:
  std::string saved_;
};

}  // namespace wcthrm::ui::test
