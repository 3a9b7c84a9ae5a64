// What the host window tests share: a window whose questions are answered from fields and
// whose notices are recorded, never a modal box, and triggering a command by its action.
#pragma once

#include <QAction>
#include <QString>
#include <QStringList>
#include <QTest>

#include "MainWindow.h"

namespace wcthrm::host::test {

class TestWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  bool answer = true;
  SaveAnswer saveAnswer = SaveAnswer::Cancel;
  QString openPath, savePath;
  QStringList questions, notices;
  int saveQuestions = 0, savePathQuestions = 0;

 protected:
  bool Confirm(const QString& text) override {
    questions << text;
    return answer;
  }
  void Inform(const QString& text) override { notices << text; }
  SaveAnswer AskSaveChanges() override {
    ++saveQuestions;
    return saveAnswer;
  }
  QString AskOpenPath() override { return openPath; }
  QString AskSavePath() override {
    ++savePathQuestions;
    return savePath;
  }
};

inline QString U(const char* s) { return QString::fromUtf8(s); }

inline void Trigger(MainWindow& w, const char* action) {
  auto* a = w.findChild<QAction*>(QString::fromLatin1(action));
  QVERIFY2(a, action);
  a->trigger();
}

}  // namespace wcthrm::host::test
