// The host window's project files against the built library: save and open again unchanged,
// the question about unsaved changes, recent files, autosave and recovery after a crash, bad
// files that open nothing, and targets that cannot be written. Qt's test mode keeps the
// settings and the recovery file away from the user's own folders.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

#include "HostLibrary.h"
#include "HostTexts.h"
#include "HostTestSupport.h"
#include "MainWindow.h"
#include "ProjectFile.h"
#include "Recovery.h"

using namespace wcthrm::host;
using namespace wcthrm::host::test;

namespace {




// A project holding a folder holding one item of each kind; the transport item is current.
void Build(MainWindow& w) {
  Trigger(w, "actNewProject");
  Trigger(w, "actNewFolder");
  QTreeWidgetItem* folder = w.tree()->currentItem();
  for (const KindText& k : kKindTexts) {
    w.tree()->setCurrentItem(folder);
    Trigger(w, k.action);
  }
}

// The current item's dialog, a value typed into one of its edits, and the dialog closed.
void TypeIntoCurrent(MainWindow& w, const char* edit, const QString& text) {
  QTimer poll;
  poll.setInterval(10);
  bool handled = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || handled) return;
    handled = true;
    auto* line = dialog->findChild<QLineEdit*>(QString::fromLatin1(edit));
    if (line) {
      line->selectAll();
      QTest::keyClicks(line, text);
    }
    dialog->findChild<QPushButton*>(QStringLiteral("btnExit"))->click();
  });
  poll.start();
  Trigger(w, "actOpen");
  QVERIFY(handled);
}

// The tree as the user sees it: depth, shown text and kind of every item, in order.
QStringList Shape(MainWindow& w) {
  QStringList out;
  for (QTreeWidgetItemIterator it(w.tree()); *it; ++it) {
    int depth = 0;
    for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
    out << QStringLiteral("%1|%2|%3")
               .arg(depth)
               .arg((*it)->text(0))
               .arg(w.NodeOf(*it)->GetTypeId());
  }
  return out;
}

bool AnyNodeModified(MainWindow& w) {
  for (QTreeWidgetItemIterator it(w.tree()); *it; ++it)
    if (w.NodeOf(*it)->GetModified() || (*it)->text(0).endsWith(QStringLiteral(" *"))) return true;
  return false;
}

QString Title(const char* name) { return U(name) + QStringLiteral("[*] - ") + U(texts::kAppTitle); }

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}

}  // namespace

class HostFilesTest : public QObject {
  Q_OBJECT
  QTemporaryDir host_, settings_, files_;
  HostLibrary library_;

  QString File(const char* name) const { return files_.filePath(QString::fromLatin1(name)); }

  // A window with a saved project of every kind, then one more change left unsaved.
  void SavedThenChanged(TestWindow& w, const QString& path) {
    Build(w);
    QVERIFY(w.SaveTo(path));
    Trigger(w, "actNewProject");
    QVERIFY(w.isWindowModified());
  }

 private slots:
  void initTestCase() {
    QVERIFY(host_.isValid() && settings_.isValid() && files_.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("wcthrm-test"));
    QCoreApplication::setApplicationName(QStringLiteral("HostFilesTest"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, settings_.path());
    qputenv("WCTHRM_HOST_FOLDER", host_.path().toLocal8Bit());
    QVERIFY2(library_.Load(), qPrintable(library_.error()));
    QVERIFY(RecoveryFilePath().contains(QStringLiteral("wcthrm-test")));
  }

  void init() {
    RemoveRecovery();
    QSettings().clear();
  }

  void cleanupTestCase() { RemoveRecovery(); }

  void aSavedProjectOpensAgainEqualInANewWindow() {
    const QString path = File("site.wcthrm");
    Project saved;
    QStringList shape;
    {
      TestWindow w(library_);
      w.show();
      Build(w);
      TypeIntoCurrent(w, "kxedtCjwd", QStringLiteral("12.5"));
      QVERIFY(AnyNodeModified(w));
      QCOMPARE(w.windowTitle(), Title("未命名"));

      w.savePath = path;
      Trigger(w, "actSave");  // untitled: saving asks where
      QCOMPARE(w.savePathQuestions, 1);
      QVERIFY(QFileInfo(path).isFile());
      QVERIFY(ReadAll(path).contains("12.5"));
      QVERIFY(!w.isWindowModified());
      QVERIFY(!AnyNodeModified(w));
      QCOMPARE(w.windowTitle(), Title("site.wcthrm"));
      QCOMPARE(w.fileName(), QFileInfo(path).absoluteFilePath());
      QCOMPARE(w.RecentFiles(), QStringList{w.fileName()});
      QVERIFY(w.notices.isEmpty());

      // Saving again goes to the same file without asking.
      Trigger(w, "actSave");
      QCOMPARE(w.savePathQuestions, 1);
      saved = w.CurrentProject();
      shape = Shape(w);
      QVERIFY(w.close());  // nothing unsaved: no question
      QCOMPARE(w.saveQuestions, 0);
    }
    TestWindow again(library_);
    again.openPath = path;
    Trigger(again, "actOpenFile");
    QVERIFY(again.notices.isEmpty());
    const Project opened = again.CurrentProject();
    QVERIFY(opened == saved);
    QCOMPARE(Shape(again), shape);
    QCOMPARE(again.fileName(), QFileInfo(path).absoluteFilePath());
    QVERIFY(!again.isWindowModified());
    QCOMPARE(again.windowTitle(), Title("site.wcthrm"));
  }

  void theShippedSampleSavesBackByteForByte() {
    const QString sample = QStringLiteral(WCTHRM_SAMPLE_PROJECT);
    const QString copy = File("sample-again.wcthrm");
    TestWindow w(library_);
    QVERIFY(w.OpenFile(sample));
    QVERIFY(w.notices.isEmpty());
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.SaveTo(copy));
    QCOMPARE(ReadAll(copy), ReadAll(sample));
    // One project with a folder per kind, each holding its item.
    QCOMPARE(w.tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* project = w.tree()->topLevelItem(0);
    QCOMPARE(project->childCount(), 4);
    for (int i = 0; i < project->childCount(); ++i) QCOMPARE(project->child(i)->childCount(), 1);
  }

  void closingAsksAboutUnsavedChanges() {
    struct Row {
      const char* name;
      MainWindow::SaveAnswer answer;
      const char* savePath;  // nullptr: the user cancels the file dialog
      bool closed, written;
    } rows[] = {
        {"cancel", MainWindow::SaveAnswer::Cancel, "x.wcthrm", false, false},
        {"discard", MainWindow::SaveAnswer::Discard, "x.wcthrm", true, false},
        {"save", MainWindow::SaveAnswer::Save, "x.wcthrm", true, true},
        {"save, file dialog cancelled", MainWindow::SaveAnswer::Save, nullptr, false, false},
        {"save, cannot write", MainWindow::SaveAnswer::Save, "blocker.txt/x.wcthrm", false, false},
    };
    WriteAll(File("blocker.txt"), "a file, not a folder");
    for (const Row& r : rows) {
      const QString path = r.savePath ? File(r.savePath) : QString();
      QFile::remove(File("x.wcthrm"));
      TestWindow w(library_);
      w.show();
      Build(w);
      w.Autosave();
      QVERIFY2(RecoveryExists(), r.name);
      w.saveAnswer = r.answer;
      w.savePath = path;
      QCOMPARE(w.close(), r.closed);
      QVERIFY2(w.saveQuestions == 1, r.name);
      QVERIFY2(w.isVisible() == !r.closed, r.name);
      QVERIFY2(QFile::exists(File("x.wcthrm")) == r.written, r.name);
      QVERIFY2(w.isWindowModified() == !r.written, r.name);
      // A clean exit leaves nothing to recover; an open window keeps its copy.
      QVERIFY2(RecoveryExists() == !r.closed, r.name);
      if (r.written) QVERIFY(LoadProjectFile(path) == w.CurrentProject());
    }
    // Nothing unsaved: no question.
    TestWindow clean(library_);
    clean.show();
    QVERIFY(clean.close());
    QCOMPARE(clean.saveQuestions, 0);
  }

  void newAndOpenAskFirstAndCancelKeepsTheProject() {
    const QString other = File("other.wcthrm");
    {
      TestWindow w(library_);
      Build(w);
      QVERIFY(w.SaveTo(other));
    }
    TestWindow w(library_);
    Build(w);
    const Project before = w.CurrentProject();
    w.openPath = other;
    w.saveAnswer = MainWindow::SaveAnswer::Cancel;
    for (const char* action : {"actNewFile", "actOpenFile"}) {
      Trigger(w, action);
      QVERIFY2(w.CurrentProject() == before, action);
      QVERIFY2(w.isWindowModified(), action);
    }
    QVERIFY(!w.OpenFile(other));  // the recent file's way
    QCOMPARE(w.saveQuestions, 3);
    QVERIFY(w.CurrentProject() == before);

    // Discarded: 新建 gives the fresh tree, one project and the bin.
    w.saveAnswer = MainWindow::SaveAnswer::Discard;
    Trigger(w, "actNewFile");
    QCOMPARE(Shape(w), (QStringList{QStringLiteral("0|新项目|2"), QStringLiteral("0|回收站|1")}));
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.fileName().isEmpty());
    QCOMPARE(w.windowTitle(), Title("未命名"));
  }

  void recentFilesKeepEightAndDropMissingOnes() {
    TestWindow w(library_);
    Build(w);
    QStringList saved;
    for (int i = 0; i < 10; ++i) {
      const QString path = files_.filePath(QStringLiteral("recent%1.wcthrm").arg(i));
      QVERIFY(w.SaveTo(path));
      saved.prepend(QFileInfo(path).absoluteFilePath());
    }
    QCOMPARE(w.RecentFiles(), saved.mid(0, 8));
    QVERIFY(w.SaveTo(saved[3]));  // again: to the top, once
    QCOMPARE(w.RecentFiles().size(), 8);
    QCOMPARE(w.RecentFiles().first(), saved[3]);
    auto* recent = w.findChild<QAction*>(QStringLiteral("actRecent1"));
    QVERIFY(recent);
    QVERIFY(recent->text().contains(QStringLiteral("recent6.wcthrm")));

    QVERIFY(QFile::remove(saved[5]));
    const QString current = w.fileName();
    QVERIFY(!w.OpenFile(saved[5]));
    QCOMPARE(w.notices.size(), 1);
    QVERIFY(w.notices[0].contains(QFileInfo(saved[5]).fileName()));
    QVERIFY(!w.RecentFiles().contains(saved[5]));
    QCOMPARE(w.RecentFiles().size(), 7);
    QCOMPARE(w.fileName(), current);

    // The menu opens what it names.
    TestWindow other(library_);
    other.findChild<QAction*>(QStringLiteral("actRecent1"))->trigger();
    QCOMPARE(other.fileName(), saved[3]);
  }

  void badFilesOpenNothingAndSayWhy() {
    const QString good = File("good.wcthrm");
    {
      TestWindow w(library_);
      Build(w);
      QVERIFY(w.SaveTo(good));
    }
    const QByteArray bytes = ReadAll(good);
    QVERIFY(bytes.contains("\"version\": 1"));
    QByteArray newer = bytes;
    newer.replace("\"version\": 1", "\"version\": 99");
    struct Row {
      const char* name;
      QByteArray content;
    } rows[] = {
        {"corrupt.wcthrm", QByteArray("{\"format\": ???")},
        {"truncated.wcthrm", bytes.left(bytes.size() / 2)},
        {"empty.wcthrm", QByteArray()},
        {"foreign.wcthrm", QByteArray("PK\x03\x04 an archive, not a project")},
        {"other-json.wcthrm", QByteArray("{\"format\": \"something else\", \"version\": 1}")},
        {"newer.wcthrm", newer},
    };
    TestWindow w(library_);
    SavedThenChanged(w, File("current.wcthrm"));
    const Project before = w.CurrentProject();
    const QStringList shape = Shape(w);
    const QString name = w.fileName();
    w.saveAnswer = MainWindow::SaveAnswer::Discard;
    for (const Row& r : rows) {
      const QString path = File(r.name);
      WriteAll(path, r.content);
      w.notices.clear();
      w.openPath = path;
      Trigger(w, "actOpenFile");
      QVERIFY2(w.notices.size() == 1, r.name);
      QVERIFY2(w.notices[0].startsWith(U("无法打开项目文件“") + QDir::toNativeSeparators(path) +
                                       U("”：")),
               qPrintable(w.notices[0]));
      QVERIFY2(w.notices[0].size() > path.size() + 12, r.name);  // and why
      QVERIFY2(w.CurrentProject() == before, r.name);
      QVERIFY2(Shape(w) == shape, r.name);
      QVERIFY2(w.fileName() == name, r.name);
      QVERIFY2(w.isWindowModified(), r.name);
      QVERIFY2(!w.RecentFiles().contains(QFileInfo(path).absoluteFilePath()), r.name);
    }
    QVERIFY(w.notices[0].contains(QStringLiteral("newer")));
  }

  void anUnwritableTargetIsReportedAndTheProjectStaysModified() {
    WriteAll(File("plain.txt"), "a file, not a folder");
    const QString target = File("plain.txt") + QStringLiteral("/x.wcthrm");
    TestWindow w(library_);
    w.show();
    Build(w);
    QVERIFY(w.SaveTo(File("kept.wcthrm")));
    TypeIntoCurrent(w, "kxedtCjwd", QStringLiteral("8"));  // the transport item, marked
    QVERIFY(w.isWindowModified());
    const QByteArray kept = ReadAll(File("kept.wcthrm"));
    const Project before = w.CurrentProject();
    const QStringList shape = Shape(w);

    w.savePath = target;
    Trigger(w, "actSaveAs");
    QCOMPARE(w.notices.size(), 1);
    QVERIFY2(w.notices[0].startsWith(U("无法保存项目文件“") + QDir::toNativeSeparators(target)),
             qPrintable(w.notices[0]));
    QVERIFY(w.isWindowModified());
    QVERIFY(AnyNodeModified(w));
    QCOMPARE(Shape(w), shape);
    QVERIFY(w.CurrentProject() == before);
    QCOMPARE(w.fileName(), QFileInfo(File("kept.wcthrm")).absoluteFilePath());
    QCOMPARE(w.windowTitle(), Title("kept.wcthrm"));
    QCOMPARE(ReadAll(File("kept.wcthrm")), kept);  // the old file untouched
    QVERIFY(!w.RecentFiles().contains(target));
  }

  void aCrashLeavesACopyTheNextStartOffers() {
    struct Row {
      const char* name;
      bool saveFirst;  // the project had a file before the crash
      bool answer;
    } rows[] = {
        {"untitled, restored", false, true},
        {"with its file, restored", true, true},
        {"declined", true, false},
    };
    for (const Row& r : rows) {
      RemoveRecovery();
      Project lost;
      QStringList shape;
      QString origin;
      {
        auto* crashed = new TestWindow(library_);
        if (r.saveFirst)
          SavedThenChanged(*crashed, File("before-crash.wcthrm"));
        else
          Build(*crashed);
        origin = crashed->fileName();
        crashed->setAutosaveInterval(10);
        QTRY_VERIFY2(RecoveryExists(), r.name);  // the timer wrote it
        lost = crashed->CurrentProject();
        shape = Shape(*crashed);
        delete crashed;  // gone without closing, as in a crash
      }
      QVERIFY2(RecoveryExists(), r.name);

      TestWindow next(library_);
      next.answer = r.answer;
      next.Start({});
      QCOMPARE(next.questions, QStringList{U(texts::kRecoveryQuestion)});
      QVERIFY2(next.notices.isEmpty(), r.name);
      if (r.answer) {
        QVERIFY2(next.CurrentProject() == lost, r.name);
        QVERIFY2(next.isWindowModified(), r.name);
        QVERIFY2(next.fileName() == origin, r.name);
        QVERIFY2(RecoveryExists(), r.name);  // until the project is saved or given up
      } else {
        QVERIFY2(!RecoveryExists(), r.name);
        QCOMPARE(Shape(next),
                 (QStringList{QStringLiteral("0|新项目|2"), QStringLiteral("0|回收站|1")}));
        QVERIFY(!next.isWindowModified());
      }
    }
    // Without a copy there is no question.
    RemoveRecovery();
    TestWindow clean(library_);
    clean.Start({});
    QVERIFY(clean.questions.isEmpty());
  }

  void aBrokenRecoveryFileIsReportedAndRemoved() {
    for (const QByteArray& content : {QByteArray("{\"format\""), QByteArray("\0\1\2", 3)}) {
      QVERIFY(QDir().mkpath(QFileInfo(RecoveryFilePath()).path()));
      WriteAll(RecoveryFilePath(), content);
      TestWindow w(library_);
      w.Start({});
      QCOMPARE(w.questions.size(), 1);
      QCOMPARE(w.notices.size(), 1);
      QVERIFY2(w.notices[0].contains(QDir::toNativeSeparators(RecoveryFilePath())),
               qPrintable(w.notices[0]));
      QVERIFY(!RecoveryExists());
      QCOMPARE(w.tree()->topLevelItemCount(), 2);  // a new project
      QVERIFY(!w.isWindowModified());
    }
  }

  void autosaveWritesOnlyUnsavedChanges() {
    TestWindow w(library_);
    w.Start({});
    w.Autosave();
    QVERIFY(!RecoveryExists());  // nothing unsaved
    Build(w);
    w.Autosave();
    QVERIFY(RecoveryExists());
    QString origin = QStringLiteral("unset");
    QVERIFY(ReadRecovery(&origin) == w.CurrentProject());
    QVERIFY(origin.isEmpty());
    QVERIFY(w.SaveTo(File("autosaved.wcthrm")));
    QVERIFY(!RecoveryExists());  // saved: nothing left to recover
  }

  void theCommandLineProjectOpensAtStart() {
    const QString good = File("start.wcthrm");
    Project saved;
    {
      TestWindow w(library_);
      Build(w);
      QVERIFY(w.SaveTo(good));
      saved = w.CurrentProject();
    }
    TestWindow opened(library_);
    opened.Start(good);
    QVERIFY(opened.notices.isEmpty());
    QVERIFY(opened.CurrentProject() == saved);
    QCOMPARE(opened.fileName(), QFileInfo(good).absoluteFilePath());

    struct Row {
      const char* name;
      QString path;
    } rows[] = {{"missing", File("missing.wcthrm")}, {"bad", File("bad-start.wcthrm")}};
    WriteAll(File("bad-start.wcthrm"), "not a project");
    for (const Row& r : rows) {
      TestWindow w(library_);
      w.Start(r.path);
      QVERIFY2(w.notices.size() == 1, r.name);
      QVERIFY2(w.notices[0].contains(QDir::toNativeSeparators(r.path)), qPrintable(w.notices[0]));
      QCOMPARE(Shape(w), (QStringList{QStringLiteral("0|新项目|2"), QStringLiteral("0|回收站|1")}));
      QVERIFY2(w.fileName().isEmpty(), r.name);
      QVERIFY2(!w.isWindowModified(), r.name);
    }
  }
};

QTEST_MAIN(HostFilesTest)
#include "HostFilesTest.moc"
