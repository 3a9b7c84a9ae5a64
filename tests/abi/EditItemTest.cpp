// The edit command through the host interface, as a Qt host drives it: EditItem opens the
// item's dialog modally (the test finds it, types and closes it as a user would), Modified
// follows what the user did, nodes that are no item open nothing, and every call starts from
// a fresh dialog. Only the public header of the library is included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "LoadedLibrary.h"

namespace {

using hostside::ErrorWindow;
using hostside::Host;
using hostside::kKindsConfig;

// What the test does with the dialog once it is up; the dialog is closed afterwards with
// "退出" unless the action closed it.
using DialogAction = std::function<void(QWidget& dialog)>;

struct Seen {
  int dialogs = 0;
  QString caption;
  QString objectName;
  bool ownedByHostWindow = false;
};

// Runs EditItem while a timer waits for the modal dialog, acts on it and presses "退出".
Seen Edit(IKxPrjMgr* mgr, IKxObj* item, const DialogAction& action = {},
          QWidget* hostWindow = nullptr) {
  Seen seen;
  QTimer poll;
  poll.setInterval(10);
  bool handled = false;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    // A message box no case expects is answered and fails the case, never hangs it.
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      ADD_FAILURE() << "unexpected message: " << box->text().toStdString();
      box->done(QMessageBox::Ok);
      return;
    }
    if (handled) return;
    handled = true;
    ++seen.dialogs;
    seen.caption = dialog->windowTitle();
    seen.objectName = dialog->objectName();
    seen.ownedByHostWindow = hostWindow && dialog->parentWidget() == hostWindow;
    if (action) action(*dialog);
    if (dialog->isVisible()) dialog->findChild<QPushButton*>(QStringLiteral("btnExit"))->click();
  });
  poll.start();
  mgr->EditItem(item);
  return seen;
}

void Type(QWidget& dialog, const char* edit, const char* text) {
  auto* e = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
  ASSERT_NE(e, nullptr) << edit;
  e->selectAll();
  QTest::keyClicks(e, QString::fromLatin1(text));
}

struct KindRow {
  const char* name;
  int32_t typeId;
  const char* caption;
  const char* objectName;
  const char* edit;  // a numeric edit of the first tab
};

const KindRow kKinds[] = {
    {"heating", 100, "砼组成材料加热和拌和物温度计算", "frm_ConcreteHeat", "kxedtClbr"},
    {"curing", 101, "混凝土养护硬化温度计算", "frm_ConcreteConserve", "kxedtTemp"},
    {"depth", 102, "土壤冻结深度计算", "frm_DepthOfSoil", "kxedtDjxs"},
    {"transport", 103, "砼运输和浇灌成型温度计算", "frm_TongTransitIrrigate", "kxedtCjwd"},
};

class EditItemTest : public ::testing::Test {
 protected:
  Host host{kKindsConfig};
  ErrorWindow errors;
  IKxPrjMgr* Manager(uintptr_t appWindow = 0) {
    IKxPrjMgr* mgr = nullptr;
    host.GetPrjMgr(&mgr, errors.handle(), appWindow);
    return mgr;
  }
  IKxObj* Item(IKxPrjMgr* mgr, int32_t typeId) {
    IKxObj* item = nullptr;
    mgr->CreateItem(&item, typeId);
    return item;
  }
};

TEST_F(EditItemTest, EachKindOpensItsDialogOverTheHostWindowAndModifiedFollowsTyping) {
  ASSERT_TRUE(host.loaded());
  QWidget hostWindow;
  hostWindow.show();
  IKxPrjMgr* mgr = Manager(static_cast<uintptr_t>(hostWindow.winId()));
  for (const KindRow& k : kKinds) {
    SCOPED_TRACE(k.name);
    IKxObj* item = Item(mgr, k.typeId);
    ASSERT_NE(item, nullptr);

    // Opened and left without typing: not modified.
    Seen seen = Edit(mgr, item, {}, &hostWindow);
    EXPECT_EQ(seen.dialogs, 1);
    EXPECT_EQ(seen.caption, QString::fromUtf8(k.caption));
    EXPECT_EQ(seen.objectName, QString::fromLatin1(k.objectName));
    EXPECT_TRUE(seen.ownedByHostWindow);
    EXPECT_EQ(item->GetModified(), 0);

    // Typed into: modified, and the item keeps what was typed.
    seen = Edit(mgr, item, [&](QWidget& d) { Type(d, k.edit, "7"); });
    EXPECT_EQ(seen.dialogs, 1);
    EXPECT_EQ(item->GetModified(), 1);
    QString shown;
    Edit(mgr, item, [&](QWidget& d) {
      shown = d.findChild<QLineEdit*>(QString::fromLatin1(k.edit))->text();
    });
    EXPECT_EQ(shown, QStringLiteral("7"));
    // An item already modified stays so, whatever happens in the dialog.
    EXPECT_EQ(item->GetModified(), 1);
  }
  EXPECT_TRUE(errors.texts.empty()) << errors.texts.front();
}

TEST_F(EditItemTest, NodesThatAreNoListedItemOpenNothing) {
  IKxPrjMgr* mgr = Manager();
  IKxObj* deleted = Item(mgr, 103);
  deleted->SetDeleted(1);
  IKxObj* plain = nullptr;
  mgr->CreateNode(&plain);  // a host node the item list does not hold
  plain->SetTypeId(103);
  IKxObj* item = Item(mgr, 100);
  IKxObj* clone = nullptr;
  item->CloneNode(&clone);  // a copy of the item's node fields, not the item
  IKxObj* bin = Item(mgr, 1);
  struct Row {
    const char* name;
    IKxObj* node;
  } rows[] = {{"deleted item", deleted}, {"plain node", plain}, {"clone", clone},
              {"recycle bin", bin}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ASSERT_NE(r.node, nullptr);
    EXPECT_EQ(Edit(mgr, r.node).dialogs, 0);
    EXPECT_EQ(r.node->GetModified(), 0);
  }
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(EditItemTest, EveryCallStartsFromAFreshDialog) {
  IKxPrjMgr* mgr = Manager();
  IKxObj* item = Item(mgr, 103);
  QString firstBook, secondBook;
  int secondTab = -1;
  Edit(mgr, item, [&](QWidget& d) {
    Type(d, "kxedtCjwd", "20");
    Type(d, "kxedtYsdjzdsj", "1");
    Type(d, "kxedtYzcs", "2");
    d.findChild<QPushButton*>(QStringLiteral("btnCalculate"))->click();
    firstBook = d.findChild<QTextEdit*>(QStringLiteral("rxrePutout"))->toPlainText();
    d.findChild<QTabWidget*>(QStringLiteral("RzPageControl1"))->setCurrentIndex(1);
  });
  Edit(mgr, item, [&](QWidget& d) {
    secondBook = d.findChild<QTextEdit*>(QStringLiteral("rxrePutout"))->toPlainText();
    secondTab = d.findChild<QTabWidget*>(QStringLiteral("RzPageControl1"))->currentIndex();
  });
  EXPECT_TRUE(firstBook.contains(QStringLiteral("℃"))) << firstBook.toStdString();
  EXPECT_TRUE(secondBook.isEmpty()) << secondBook.toStdString();
  EXPECT_EQ(secondTab, 0);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), 0) << "a dialog outlived its call";
}

}  // namespace

int main(int argc, char** argv) {
  // The host has its own Qt application; the library must use it and make no second one.
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
