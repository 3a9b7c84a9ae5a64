// The host window against the built library: the tree of projects, folders and the four kinds,
// opening an item's dialog, the recycle bin, the tree to host::Project and back, and the
// error log. The library is loaded once, from a temporary host folder, as the program loads it.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "HostLibrary.h"
#include "HostTexts.h"
#include "HostTestSupport.h"
#include "MainWindow.h"
#include "MainWindowParts.h"

using namespace wcthrm::host;
using namespace wcthrm::host::test;

namespace {




bool Enabled(MainWindow& w, const char* action) {
  auto* a = w.findChild<QAction*>(QString::fromLatin1(action));
  return a && a->isEnabled();
}

QTreeWidgetItem* Select(MainWindow& w, QTreeWidgetItem* item) {
  w.tree()->setCurrentItem(item);
  return item;
}

// A project holding a folder holding one item of each kind, in the order of the kinds.
struct Built {
  QTreeWidgetItem* project = nullptr;
  QTreeWidgetItem* folder = nullptr;
  QList<QTreeWidgetItem*> items;
};

Built Build(MainWindow& w) {
  Built b;
  Trigger(w, "actNewProject");
  b.project = w.tree()->currentItem();
  Trigger(w, "actNewFolder");
  b.folder = w.tree()->currentItem();
  for (const KindText& k : kKindTexts) {
    Select(w, b.folder);
    Trigger(w, k.action);
    b.items << w.tree()->currentItem();
  }
  return b;
}

// EditItem through the "打开" command, with the dialog found and worked as a user would.
QString OpenAndDo(MainWindow& w, const std::function<void(QWidget&)>& action) {
  QString caption;
  QTimer poll;
  poll.setInterval(10);
  bool handled = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || handled) return;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      qWarning("unexpected message: %s", qPrintable(box->text()));
      box->done(QMessageBox::Ok);
      return;
    }
    handled = true;
    caption = dialog->windowTitle();
    if (action) action(*dialog);
    dialog->findChild<QPushButton*>(QStringLiteral("btnExit"))->click();
  });
  poll.start();
  Trigger(w, "actOpen");
  return caption;
}

Value Int(int32_t v) {
  Value out;
  out.type = Value::Type::Int;
  out.asInt = v;
  return out;
}

Value Text(const char* utf8) {
  Value out;
  out.type = Value::Type::Text;
  out.asText = utf8;
  return out;
}

// Where two trees differ, for a failure's message.
QString Difference(const ProjectNode& a, const ProjectNode& b, const QString& at) {
  if (a.typeId != b.typeId) return at + QStringLiteral(": typeid %1 / %2").arg(a.typeId).arg(b.typeId);
  if (a.values.size() != b.values.size())
    return at + QStringLiteral(": %1 / %2 values").arg(a.values.size()).arg(b.values.size());
  for (size_t i = 0; i < a.values.size(); ++i)
    if (!(a.values[i] == b.values[i]))
      return at + QStringLiteral(": value %1 %2").arg(i).arg(QString::fromStdString(a.values[i].name));
  if (a.children.size() != b.children.size()) return at + QStringLiteral(": children");
  for (size_t i = 0; i < a.children.size(); ++i) {
    QString d = Difference(a.children[i], b.children[i], at + u'/' + QString::number(i));
    if (!d.isEmpty()) return d;
  }
  return {};
}

QString Difference(const Project& a, const Project& b) {
  if (a.roots.size() != b.roots.size()) return QStringLiteral("roots");
  for (size_t i = 0; i < a.roots.size(); ++i) {
    QString d = Difference(a.roots[i], b.roots[i], QString::number(i));
    if (!d.isEmpty()) return d;
  }
  return {};
}

int TopLevelIndexOf(MainWindow& w, QTreeWidgetItem* item) {
  return w.tree()->indexOfTopLevelItem(item);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
  QTemporaryDir folder_;
  HostLibrary library_;

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    qputenv("WCTHRM_HOST_FOLDER", folder_.path().toLocal8Bit());
    QVERIFY2(library_.Load(), qPrintable(library_.error()));
  }

  void writesTheConfigOfTheSevenIdentifiersInGbk() {
    QFile config(folder_.filePath(QStringLiteral("tmp/config.ini")));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(),
             QByteArray("[projectInfo]\r\nRecycleBinTypeId=1\r\nKxPrjTypeId=2\r\nKxfolderTypeId=3\r\n"
                        "[wcthrm]\r\n"
                        "\xBB\xEC\xC4\xFD\xCD\xC1\xBC\xD3\xC8\xC8=100\r\n"
                        "\xBB\xEC\xC4\xFD\xCD\xC1\xD1\xF8\xBB\xA4\xD3\xB2\xBB\xAF\xCE\xC2\xB6\xC8"
                        "\xBC\xC6\xCB\xE3=101\r\n"
                        "\xCD\xC1\xC8\xC0\xB6\xB3\xBD\xE1\xC9\xEE\xB6\xC8\xBC\xC6\xCB\xE3=102\r\n"
                        "\xED\xC5\xD4\xCB\xCA\xE4\xBA\xCD\xBD\xBD\xB9\xE0\xB3\xC9\xD0\xCD\xCE\xC2"
                        "\xB6\xC8\xBC\xC6\xCB\xE3=103\r\n"));
    // An existing file is the user's and stays as it is.
    QString path;
    QVERIFY(EnsureConfig(folder_.path(), &path));
    QCOMPARE(path, config.fileName());
  }

  void aProjectHoldsAFolderAndOneItemOfEachKind() {
    TestWindow w(library_);
    w.show();
    QVERIFY(!w.isWindowModified());
    Built b = Build(w);
    QCOMPARE(w.tree()->topLevelItemCount(), 2);
    QCOMPARE(TopLevelIndexOf(w, b.project), 0);  // projects stay above the bin
    QCOMPARE(w.recycleBin()->text(0), U("回收站"));
    QCOMPARE(w.NodeOf(w.recycleBin())->GetTypeId(), int(kRecycleBinTypeId));
    QCOMPARE(b.project->text(0), U("新项目"));
    QCOMPARE(w.NodeOf(b.project)->GetTypeId(), int(kProjectTypeId));
    QCOMPARE(b.folder->parent(), b.project);
    QCOMPARE(w.NodeOf(b.folder)->GetTypeId(), int(kFolderTypeId));
    QCOMPARE(b.folder->childCount(), 4);
    QSet<int> indexes;
    for (QTreeWidgetItem* it : {w.recycleBin(), b.project, b.folder}) {
      indexes << w.NodeOf(it)->GetIndex();
      QVERIFY(!it->icon(0).isNull());
    }
    QCOMPARE(w.NodeOf(b.project)->GetP_index(), 0);
    QCOMPARE(w.NodeOf(b.folder)->GetP_index(), w.NodeOf(b.project)->GetIndex());
    for (int i = 0; i < 4; ++i) {
      const KindText& k = kKindTexts[i];
      QTreeWidgetItem* item = b.folder->child(i);
      IKxObj* node = w.NodeOf(item);
      QCOMPARE(item->text(0), U(k.caption));
      QCOMPARE(node->GetTypeId(), k.typeId);
      QCOMPARE(CaptionOf(node), U(k.caption));
      QCOMPARE(node->GetP_index(), w.NodeOf(b.folder)->GetIndex());
      QVERIFY(!item->icon(0).isNull());
      indexes << node->GetIndex();
    }
    QCOMPARE(indexes.size(), 7);  // every node its own index
    QVERIFY(w.isWindowModified());
  }

  void theCommandsFollowTheSelectedNode() {
    TestWindow w(library_);
    Built b = Build(w);
    Select(w, b.items[0]);
    Trigger(w, "actDelete");
    QTreeWidgetItem* binned = b.items[0];
    struct Row {
      const char* name;
      QTreeWidgetItem* item;
      bool newInside, open, rename, del, restore;
    } rows[] = {
        {"project", b.project, true, false, true, true, false},
        {"folder", b.folder, true, false, true, true, false},
        {"item", b.items[1], true, true, true, true, false},
        {"recycle bin", w.recycleBin(), false, false, false, false, false},
        {"node in the bin", binned, false, false, false, false, true},
    };
    for (const Row& r : rows) {
      Select(w, r.item);
      QVERIFY2(Enabled(w, "actNewFolder") == r.newInside, r.name);
      for (const KindText& k : kKindTexts) QVERIFY2(Enabled(w, k.action) == r.newInside, r.name);
      QVERIFY2(Enabled(w, "actOpen") == r.open, r.name);
      QVERIFY2(Enabled(w, "actRename") == r.rename, r.name);
      QVERIFY2(Enabled(w, "actDelete") == r.del, r.name);
      QVERIFY2(Enabled(w, "actRestore") == r.restore, r.name);
      QVERIFY2(Enabled(w, "actEmptyBin"), r.name);
      QVERIFY2(Enabled(w, "actNewProject"), r.name);
    }
  }

  void openingAnItemMarksItModifiedOnlyWhenTheUserTyped() {
    TestWindow w(library_);
    w.show();
    Built b = Build(w);
    QTreeWidgetItem* transport = Select(w, b.items[3]);
    w.setWindowModified(false);

    QCOMPARE(OpenAndDo(w, {}), U("砼运输和浇灌成型温度计算"));
    QCOMPARE(transport->text(0), U("砼运输和浇灌成型温度计算"));
    QVERIFY(!w.isWindowModified());

    OpenAndDo(w, [](QWidget& d) {
      auto* edit = d.findChild<QLineEdit*>(QStringLiteral("kxedtCjwd"));
      QVERIFY(edit);
      edit->selectAll();
      QTest::keyClicks(edit, QStringLiteral("7"));
    });
    QCOMPARE(w.NodeOf(transport)->GetModified(), 1);
    QCOMPARE(transport->text(0), U("砼运输和浇灌成型温度计算 *"));
    QVERIFY(w.isWindowModified());
    QVERIFY(w.errorLog()->topLevelItemCount() == 0);
  }

  void renamingInPlaceSetsTheCaptionInGbk() {
    TestWindow w(library_);
    w.show();
    Built b = Build(w);
    IKxObj* node = w.NodeOf(b.items[2]);
    node->SetModified(1);
    Select(w, b.items[2]);
    Trigger(w, "actRename");
    auto* editor = qobject_cast<QLineEdit*>(w.tree()->indexWidget(w.tree()->currentIndex()));
    QVERIFY(editor);
    QCOMPARE(editor->text(), U("土壤冻结深度计算"));  // the caption, without the mark
    editor->setText(U("一号楼 基础冻深"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the view commits the edit from its event queue
    const char* caption = nullptr;
    node->GetCaption(&caption);
    QCOMPARE(QByteArray(caption), QStringEncoder("GB18030").encode(U("一号楼 基础冻深")));
    QCOMPARE(b.items[2]->text(0), U("一号楼 基础冻深 *"));

    // An empty name is refused and the caption stays.
    Trigger(w, "actRename");
    editor = qobject_cast<QLineEdit*>(w.tree()->indexWidget(w.tree()->currentIndex()));
    QVERIFY(editor);
    editor->setText(QStringLiteral("  "));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the view commits the edit from its event queue
    QCOMPARE(CaptionOf(node), U("一号楼 基础冻深"));
    QCOMPARE(w.notices.size(), 1);
  }

  void deletedNodesGoToTheBinAndBackWhereTheyWere() {
    TestWindow w(library_);
    Built b = Build(w);
    IKxObj* folder = w.NodeOf(b.folder);
    IKxObj* heat = w.NodeOf(b.items[0]);

    // An item first, then its folder: both top-level entries of the bin, flagged deleted.
    Select(w, b.items[0]);
    Trigger(w, "actDelete");
    Select(w, b.folder);
    Trigger(w, "actDelete");
    QCOMPARE(b.items[0]->parent(), w.recycleBin());
    QCOMPARE(b.folder->parent(), w.recycleBin());
    QCOMPARE(b.project->childCount(), 0);
    QCOMPARE(heat->GetDeleted(), 1);
    QCOMPARE(folder->GetDeleted(), 1);
    QCOMPARE(w.NodeOf(b.items[1])->GetDeleted(), 1);  // what the folder held went with it
    QCOMPARE(heat->GetP_index(), folder->GetIndex());  // where it came from

    // Its folder is in the bin too: the item cannot go back before it.
    Select(w, b.items[0]);
    Trigger(w, "actRestore");
    QCOMPARE(b.items[0]->parent(), w.recycleBin());
    QCOMPARE(w.notices.size(), 1);
    QVERIFY(w.notices[0].contains(U("砼组成材料加热和拌和物温度计算")));

    Select(w, b.folder);
    Trigger(w, "actRestore");
    Select(w, b.items[0]);
    Trigger(w, "actRestore");
    QCOMPARE(b.folder->parent(), b.project);
    QCOMPARE(b.items[0]->parent(), b.folder);
    QCOMPARE(heat->GetDeleted(), 0);
    QCOMPARE(folder->GetDeleted(), 0);
    QCOMPARE(w.NodeOf(b.items[1])->GetDeleted(), 0);
    QCOMPARE(w.recycleBin()->childCount(), 0);

    // A project goes back to the root, above the bin.
    Select(w, b.project);
    Trigger(w, "actDelete");
    QCOMPARE(w.tree()->topLevelItemCount(), 1);
    Select(w, b.project);
    Trigger(w, "actRestore");
    QCOMPARE(TopLevelIndexOf(w, b.project), 0);
    QCOMPARE(TopLevelIndexOf(w, w.recycleBin()), 1);
  }

  void nodesMoveByDragAndDropOnlyWhereTheyBelong() {
    TestWindow w(library_);
    Built b = Build(w);
    Trigger(w, "actNewProject");
    QTreeWidgetItem* second = w.tree()->currentItem();
    Select(w, b.project);
    Trigger(w, "actNewFolder");
    QTreeWidgetItem* otherFolder = w.tree()->currentItem();
    Select(w, b.items[3]);
    Trigger(w, "actDelete");
    QTreeWidgetItem* binned = b.items[3];
    QTreeWidgetItem* const none = nullptr;
    struct Row {
      const char* name;
      QTreeWidgetItem* item;
      QTreeWidgetItem* parent;
      bool allowed;
    } rows[] = {
        {"item into another folder", b.items[0], otherFolder, true},
        {"item into another project", b.items[1], second, true},
        {"folder into another project", otherFolder, second, true},
        {"project to the top", second, none, true},
        {"item to the top", b.items[2], none, false},
        {"item into an item", b.items[2], b.items[1], false},
        {"project into a folder", second, b.folder, false},
        {"folder into itself", b.folder, b.folder, false},
        {"folder into what it holds", b.project, otherFolder, false},
        {"into the bin", b.items[2], w.recycleBin(), false},
        {"out of the bin", binned, b.folder, false},
        {"the bin itself", w.recycleBin(), b.project, false},
    };
    for (const Row& r : rows) {
      const QTreeWidgetItem* before = r.item->parent();
      const bool moved = w.MoveNode(r.item, r.parent);
      QVERIFY2(moved == r.allowed, r.name);
      IKxObj* node = w.NodeOf(r.item);
      if (moved) {
        QVERIFY2(r.item->parent() == r.parent, r.name);
        QVERIFY2(node->GetP_index() == (r.parent ? w.NodeOf(r.parent)->GetIndex() : 0), r.name);
      } else {
        QVERIFY2(r.item->parent() == before, r.name);
      }
    }
    // The bin stays the last top-level node, whatever moves to the top.
    QCOMPARE(TopLevelIndexOf(w, w.recycleBin()), w.tree()->topLevelItemCount() - 1);
    QVERIFY(w.MoveNode(second, nullptr, 0));
    QCOMPARE(TopLevelIndexOf(w, second), 0);
    QVERIFY(w.isWindowModified());
    // A move survives the way to a project and back.
    TestWindow again(library_);
    again.ShowProject(w.CurrentProject());
    QCOMPARE(Difference(again.CurrentProject(), w.CurrentProject()), QString());
  }

  void emptyingTheBinAsksAndDropsItsNodes() {
    TestWindow w(library_);
    Built b = Build(w);
    IKxObj* folder = w.NodeOf(b.folder);
    Select(w, b.folder);
    Trigger(w, "actDelete");

    w.answer = false;
    Trigger(w, "actEmptyBin");
    QCOMPARE(w.questions.size(), 1);
    QVERIFY(w.questions[0].contains(QStringLiteral("5")));  // the folder and its four items
    QCOMPARE(w.recycleBin()->childCount(), 1);
    QCOMPARE(folder->GetInnerDel(), 0);

    w.answer = true;
    Trigger(w, "actEmptyBin");
    QCOMPARE(w.recycleBin()->childCount(), 0);
    QCOMPARE(folder->GetInnerDel(), 1);
    QCOMPARE(CaptionOf(folder), U("新文件夹"));  // dropped from the list, still alive
    QVERIFY(!Enabled(w, "actEmptyBin"));
    QCOMPARE(b.project->childCount(), 0);
  }

  void theTreeGoesToAProjectAndBackUnchanged() {
    TestWindow first(library_);
    first.show();
    Built b = Build(first);
    Select(first, b.items[3]);
    OpenAndDo(first, [](QWidget& d) {
      auto* edit = d.findChild<QLineEdit*>(QStringLiteral("kxedtCjwd"));
      QVERIFY(edit);
      edit->selectAll();
      QTest::keyClicks(edit, QStringLiteral("12.5"));
    });
    Select(first, b.items[1]);
    Trigger(first, "actDelete");
    Project project = first.CurrentProject();

    QCOMPARE(project.roots.size(), size_t(2));
    const ProjectNode& p = project.roots[0];
    QCOMPARE(p.typeId, int(kProjectTypeId));
    QCOMPARE(p.values.size(), size_t(4));
    const char* identity[] = {"caption", "index", "P_index", "typeid"};
    for (int i = 0; i < 4; ++i) QCOMPARE(p.values[i].name, std::string(identity[i]));
    QCOMPARE(p.values[0].value.asText, std::string("新项目"));
    const ProjectNode& transport = p.children[0].children[2];
    QCOMPARE(transport.typeId, int(kTongTransitIrrigateTypeId));
    QVERIFY(transport.values.size() > 4);
    QCOMPARE(project.roots[1].children.size(), size_t(1));  // the bin holds the curing item

    // A node of a kind this library does not know is kept with all it holds.
    ProjectNode foreign;
    foreign.typeId = 999;
    foreign.values = {{"caption", Text("外来节点")}, {"index", Int(500)}, {"P_index", Int(0)},
                      {"typeid", Int(999)}, {"备注", Text("保留")}};
    project.roots[0].children.push_back(foreign);

    TestWindow second(library_);
    second.ShowProject(project);
    const Project shown = second.CurrentProject();
    QCOMPARE(shown.roots.size(), size_t(2));
    QVERIFY(shown.roots[0].children.size() == 2);
    // The foreign node's parent index follows its place in the tree.
    project.roots[0].children.back().values[2].value.asInt = p.values[1].value.asInt;
    QVERIFY2(shown == project, qPrintable(Difference(shown, project)));
    QVERIFY(!second.isWindowModified());
    QCOMPARE(second.recycleBin()->text(0), U("回收站"));
    QCOMPARE(second.NodeOf(second.recycleBin()->child(0))->GetDeleted(), 1);
    QCOMPARE(second.errorLog()->topLevelItemCount(), 1);
    QVERIFY(second.errorLog()->topLevelItem(0)->text(1).contains(U("外来节点")));
    QCOMPARE(second.tree()->topLevelItem(0)->child(1)->text(0), U("外来节点"));

    // What went into the bin comes back to its folder after the trip.
    Select(second, second.recycleBin()->child(0));
    Trigger(second, "actRestore");
    QCOMPARE(second.tree()->topLevelItem(0)->child(0)->childCount(), 4);
  }

  void aLibraryErrorShowsInTheLogWithItsReportFolded() {
    TestWindow w(library_);
    w.show();
    Built b = Build(w);
    library_.Connect(&w);
    w.NodeOf(b.items[0])->SetCaption(nullptr);  // an error the library reports
    QCOMPARE(w.errorLog()->topLevelItemCount(), 1);
    QTreeWidgetItem* entry = w.errorLog()->topLevelItem(0);
    QVERIFY(!entry->text(0).isEmpty());  // the time
    QVERIFY(!entry->text(1).isEmpty());
    QVERIFY(!entry->text(1).contains(u'$'));
    QCOMPARE(entry->childCount(), 1);
    QVERIFY(!entry->child(0)->text(1).isEmpty());
    QVERIFY(!entry->isExpanded());
    QCOMPARE(CaptionOf(w.NodeOf(b.items[0])), U("砼组成材料加热和拌和物温度计算"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
