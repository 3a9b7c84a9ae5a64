// A host that is no Qt program: EditItem still shows the dialog, in a Qt application the
// library makes for it. The test reaches the dialog from a start-up routine that Qt runs when
// that application is made. Only the public header of the library is included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "LoadedLibrary.h"

namespace {

QString g_caption;
int g_dialogs = 0;

// Presses "退出" in the first modal dialog after typing into its first edit.
void CloseDialogsOnceTheLoopRuns() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [] {
        auto* poll = new QTimer(QCoreApplication::instance());
        QObject::connect(poll, &QTimer::timeout, [poll] {
          QWidget* dialog = QApplication::activeModalWidget();
          if (!dialog) return;
          ++g_dialogs;
          g_caption = dialog->windowTitle();
          auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("kxedtTemp"));
          edit->selectAll();
          QTest::keyClicks(edit, QStringLiteral("20"));
          dialog->findChild<QPushButton*>(QStringLiteral("btnExit"))->click();
          poll->stop();
        });
        poll->start(10);
      },
      Qt::QueuedConnection);
}

TEST(EditItemWithoutQt, TheLibraryMakesTheApplicationItsDialogNeeds) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  qAddPreRoutine(&CloseDialogsOnceTheLoopRuns);
  hostside::Host host(hostside::kKindsConfig);
  hostside::ErrorWindow errors;
  IKxPrjMgr* mgr = host.Connect(errors);
  IKxObj* item = nullptr;
  mgr->CreateItem(&item, 101);
  ASSERT_NE(item, nullptr);
  mgr->EditItem(item);
  EXPECT_EQ(g_dialogs, 1);
  EXPECT_EQ(g_caption, QStringLiteral("混凝土养护硬化温度计算"));
  EXPECT_EQ(item->GetModified(), 1);
  EXPECT_TRUE(errors.texts.empty());
  // The library keeps its application until it is unloaded, and unloads cleanly.
  EXPECT_NE(QCoreApplication::instance(), nullptr);
  EXPECT_TRUE(host.Unload());
}

}  // namespace
