// The base item dialog: its window, colours and skin, closing with its checks, the
// default-value buttons and the forwarding of error reports.
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "support/CrashReporter.h"
#include "support/Errors.h"
#include "support/Gbk.h"
#include "support/HostWindow.h"
#include "ui/KxEdit.h"
#include "ui/MessageService.h"
#include "UiTestSupport.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"

using namespace wcthrm;
using namespace wcthrm::ui;
using test::FakeItem;
using test::TempHostFolder;

namespace {

const QString kLoadQuestion = QStringLiteral("将当前的各项数据恢复到上次保存的默认值吗？");
const QString kSaveQuestion = QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？");

// A dialog built as the item dialogs are: a page control with numeric edits on two tabs and
// a table, the item's one value in the first edit. With a panel edit, a checked edit sits
// directly on Panel1 as well.
class TestDialog : public TfrmKxEditForm {
 public:
  explicit TestDialog(bool panelEdit = false) {
    auto* tabs = new QTabWidget();
    tabs->setObjectName(QStringLiteral("RzPageControl1"));
    auto* first = new QWidget();
    kxedtA = new TKxEdit(first);
    kxedtA->setObjectName(QStringLiteral("kxedtA"));
    auto* hintButton = new QPushButton(QStringLiteral("…"), first);
    hintButton->move(0, 40);
    connect(hintButton, &QPushButton::clicked, this, [] { ShowInfo(QStringLiteral("提示")); });
    tabs->addTab(first, QStringLiteral("一"));
    auto* second = new QWidget();
    auto* kxedtB = new TKxEdit(second);
    kxedtB->setObjectName(QStringLiteral("kxedtB"));
    auto* table = new QTableWidget(2, 2, second);
    table->setObjectName(QStringLiteral("advsgT"));
    auto* layout = new QVBoxLayout(second);
    layout->addWidget(kxedtB);
    layout->addWidget(table);
    tabs->addTab(second, QStringLiteral("二"));
    PlacePageControl(tabs);
    if (panelEdit) {
      kxedtPanel = new TKxEdit(Panel1);
      kxedtPanel->setObjectName(QStringLiteral("kxedtPanel"));
      kxedtPanel->MinValue = 0;
      kxedtPanel->MaxValue = 10;
      kxedtPanel->IsCheckDataValidatiy = true;
    }
  }

  void LoadFromItem() override {
    TfrmKxEditForm::LoadFromItem();
    kxedtA->setText(QString::fromStdString(FromGbk(Fake().value)));
  }
  void SaveToItem() override {
    TfrmKxEditForm::SaveToItem();
    if (!InputInvalid) Fake().value = ToGbk(kxedtA->text().toStdString());
  }

  TKxEdit* kxedtA;
  TKxEdit* kxedtPanel = nullptr;

 private:
  FakeItem& Fake() { return dynamic_cast<FakeItem&>(Item()); }
};

struct Captured {
  std::vector<std::string> texts;
};

intptr_t KX_CALL Capture(void* context, uintptr_t, const KxCopyData* data) {
  static_cast<Captured*>(context)->texts.emplace_back(static_cast<const char*>(data->lpData),
                                                      data->cbData - 1);
  return 0;
}

}  // namespace

class UntKxEditFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { recorder_.shown.clear(); }

  void windowAndButtonBar() {
    TfrmKxEditForm dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("基类窗体"));
    QVERIFY(!(dlg.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dlg.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(dlg.findChild<QTextEdit*>(QStringLiteral("rxrePutout")));
    const struct {
      const char* name;
      const char* caption;
    } buttons[] = {{"BitBtn1", "调取默认值"},
                   {"BitBtn2", "保存默认值"},
                   {"btnCalculate", "计算"},
                   {"btnExit", "退出"}};
    for (const auto& b : buttons) {
      auto* button = dlg.findChild<QPushButton*>(QString::fromLatin1(b.name));
      QVERIFY2(button, b.name);
      QCOMPARE(button->text(), QString::fromUtf8(b.caption));
      QVERIFY(!button->autoDefault());
    }
    dlg.show();
    QCOMPARE(dlg.Panel2->height(), 41);
    QVERIFY(dlg.BitBtn1->x() < dlg.BitBtn2->x());
    QVERIFY(dlg.BitBtn2->x() < dlg.btnCalculate->x());
    QVERIFY(dlg.btnCalculate->x() < dlg.btnExit->x());
    QVERIFY(dlg.rxrePutout->geometry().bottom() < dlg.Panel2->geometry().top());
    QCOMPARE(dlg.btnCalculate->nextInFocusChain(), dlg.btnExit);
    QCOMPARE(dlg.btnExit->nextInFocusChain(), dlg.BitBtn1);
    QCOMPARE(dlg.BitBtn1->nextInFocusChain(), dlg.BitBtn2);
    // A fixed frame: the user cannot resize it.
    QCOMPARE(dlg.minimumSize(), dlg.size());
    QCOMPARE(dlg.maximumSize(), dlg.size());
  }

  // Escape keeps the dialog and its inputs; Return in an edit presses no button.
  void escapeAndReturnKeepTheDialog() {
    FakeItem item;
    TestDialog dlg;
    dlg.CurItem = &item;
    dlg.show();
    QTest::keyClick(dlg.kxedtA, Qt::Key_Return);
    QTest::keyClick(dlg.kxedtA, Qt::Key_Escape);
    QVERIFY(dlg.isVisible());
    QVERIFY(recorder_.shown.empty());
  }

  void backgroundFromParaIni_data() {
    QTest::addColumn<QByteArray>("paraIni");  // empty: no file
    QTest::addColumn<QColor>("colour");
    const QColor grey(226, 226, 226);
    QTest::newRow("no para.ini") << QByteArray() << grey;
    QTest::newRow("red") << QByteArray("[Mainskin]\r\nbgcolor=255\r\n") << QColor(255, 0, 0);
    QTest::newRow("hexadecimal blue")
        << QByteArray("[mainskin]\nBGCOLOR=$FF0000\n") << QColor(0, 0, 255);
    QTest::newRow("not a number") << QByteArray("[Mainskin]\nbgcolor=grey\n") << grey;
    QTest::newRow("other section") << QByteArray("[Skin]\nbgcolor=255\n") << grey;
    QTest::newRow("system colour") << QByteArray("[Mainskin]\nbgcolor=-16777201\n") << grey;
  }
  void backgroundFromParaIni() {
    QFETCH(QByteArray, paraIni);
    QFETCH(QColor, colour);
    TempHostFolder host;
    if (!paraIni.isEmpty()) host.Write(QStringLiteral("para.ini"), paraIni);
    TfrmKxEditForm dlg;
    QCOMPARE(dlg.palette().color(QPalette::Window), colour);
    for (QWidget* panel : {dlg.Panel1, dlg.Panel2}) {
      QVERIFY(panel->autoFillBackground());
      QCOMPARE(panel->palette().color(QPalette::Window), colour);
    }
  }

  void skinFile() {
    TempHostFolder host;
    const QByteArray sheet("QPushButton { color: #102030; font: 20pt \"Courier\"; }");
    host.Write(QStringLiteral("skin/kxskin.skn"), sheet);
    {
      TfrmKxEditForm skinned;
      QCOMPARE(skinned.styleSheet(), QString::fromLatin1(sheet));
      skinned.show();
      // The buttons take the skin's colours but keep the dialog's font.
      QCOMPARE(skinned.btnExit->palette().color(QPalette::ButtonText), QColor(0x10, 0x20, 0x30));
      QCOMPARE(skinned.btnExit->font().family(), QStringLiteral("宋体"));
      QCOMPARE(skinned.btnExit->font().pointSize(), 9);
    }
    host.Write(QStringLiteral("skin/kxskin.skn"), QByteArray("SKN\0\x01\x02", 6));
    QCOMPARE(TfrmKxEditForm().styleSheet(), QString());  // a binary skin of another kind
  }

  void closeRefusedOnceWhenInputInvalid() {
    TfrmKxEditForm dlg;
    dlg.show();
    dlg.InputInvalid = true;
    QVERIFY(!dlg.close());
    QVERIFY(dlg.isVisible());
    QVERIFY(!dlg.InputInvalid);
    QVERIFY(dlg.close());
    QVERIFY(!dlg.isVisible());
  }

  void exitRefusedWhileAPanelEditIsInvalid() {
    FakeItem item;
    TestDialog dlg(true);
    dlg.CurItem = &item;
    dlg.show();
    dlg.kxedtPanel->setText(QStringLiteral("20"));
    dlg.kxedtA->setText(QStringLiteral("3.00"));
    for (int i = 0; i < 2; ++i) {
      dlg.btnExit->click();
      QVERIFY(dlg.isVisible());
      QCOMPARE(item.value, std::string("1.00"));  // nothing copied while invalid
    }
    QCOMPARE(recorder_.shown.size(), size_t(2));
    dlg.kxedtPanel->setText(QStringLiteral("5"));
    dlg.btnExit->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(item.value, std::string("3.00"));
  }

  // A click on a button that takes the focus from a rejected edit shows the edit's message
  // and does not press the button; the next click does.
  void clickFromARejectedEdit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left");    // the edit's text after the check
    QTest::addColumn<bool>("focusBack");  // the check took the focus back
    QTest::newRow("out of range") << "50"
                                  << "请输入 0 (包含) 到 10 (包含) 之间的实数！"
                                  << "50" << true;
    QTest::newRow("not a number") << "1-2"
                                  << "数据非法！"
                                  << "0" << false;
  }
  void clickFromARejectedEdit() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, left);
    QFETCH(bool, focusBack);
    FakeItem item;
    TestDialog dlg;
    dlg.CurItem = &item;
    dlg.kxedtA->MinValue = 0;
    dlg.kxedtA->MaxValue = 10;
    dlg.kxedtA->IsCheckDataValidatiy = true;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.kxedtA->setFocus();
    dlg.kxedtA->setText(typed);

    QTest::mouseClick(dlg.btnExit, Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(recorder_.Texts(), QStringList{message});
    QCOMPARE(dlg.kxedtA->text(), left);
    QCOMPARE(QApplication::focusWidget(),
             focusBack ? static_cast<QWidget*>(dlg.kxedtA) : dlg.btnExit);
    QCOMPARE(item.value, std::string("1.00"));

    if (focusBack) dlg.kxedtA->setText(QStringLiteral("5"));
    QTest::mouseClick(dlg.btnExit, Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(QString::fromStdString(item.value), focusBack ? QStringLiteral("5") : left);
  }

  void itemChanged_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nothing done") << "" << false;
    QTest::newRow("typed on the shown tab") << "kxedtA" << true;
    QTest::newRow("typed on the other tab") << "kxedtB" << true;
    QTest::newRow("table cell changed") << "table" << false;
    QTest::newRow("text set by the program") << "program" << false;
  }
  void itemChanged() {
    QFETCH(QString, action);
    QFETCH(bool, changed);
    FakeItem item;
    TestDialog dlg;
    dlg.CurItem = &item;
    dlg.show();
    QCOMPARE(dlg.kxedtA->text(), QStringLiteral("1.00"));  // shown from the item
    if (action.startsWith(u'k')) {
      QTest::keyClicks(dlg.findChild<TKxEdit*>(action), QStringLiteral("5"));
    } else if (action == u"table") {
      dlg.findChild<QTableWidget*>()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("7")));
    } else if (action == u"program") {
      dlg.kxedtA->setText(QStringLiteral("2.00"));
    }
    dlg.btnExit->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.ItemChanged, changed);
  }

  void loadDefaults_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("answered no") << kAnswerNo << "1.00";
    QTest::newRow("answered yes") << kAnswerYes << "9.00";
  }
  void loadDefaults() {
    QFETCH(int, answer);
    QFETCH(QString, shown);
    FakeItem item;
    TestDialog dlg;
    dlg.CurItem = &item;
    dlg.show();
    recorder_.answers = {answer};
    dlg.BitBtn1->click();
    QCOMPARE(recorder_.Texts(), QStringList{kLoadQuestion});
    QCOMPARE(recorder_.shown[0].caption, QStringLiteral("请选择下一步操作"));
    QCOMPARE(dlg.kxedtA->text(), shown);
    QCOMPARE(QString::fromStdString(item.value), shown);
    QVERIFY(!dlg.ItemChanged);  // the program set the texts
  }

  void saveDefaults_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("defaults");
    QTest::newRow("answered no") << kAnswerNo << "9.00";
    QTest::newRow("answered yes saves what is on screen") << kAnswerYes << "1.005";
  }
  void saveDefaults() {
    QFETCH(int, answer);
    QFETCH(QString, defaults);
    FakeItem item;
    TestDialog dlg;
    dlg.CurItem = &item;
    dlg.show();
    QTest::keyClicks(dlg.kxedtA, QStringLiteral("5"));
    recorder_.answers = {answer};
    dlg.BitBtn2->click();
    QCOMPARE(recorder_.Texts(), QStringList{kSaveQuestion});
    QCOMPARE(QString::fromStdString(item.defaults), defaults);
  }

  // While the dialog exists its report goes out first and whole, then the library's without
  // its first line; afterwards only the library's.
  void errorReportsForwarded() {
    Captured captured;
    KxHostWindow window{&captured, &Capture};
    SetHostWindow(reinterpret_cast<uintptr_t>(&window));
    const int library = CrashReporter::Instance().AddListener([](const CrashReport& r) {
      SendErrorText(ErrorReportText(r.message, r.report, kReportHeader.size()));
    });
    {
      TfrmKxEditForm dlg;  // shown without an item: loading defaults fails
      recorder_.answers = {kAnswerYes};
      dlg.BitBtn1->click();
    }
    CrashReporter::Instance().Guard([] { throw Error("after the dialog"); });
    CrashReporter::Instance().RemoveListener(library);
    SetHostWindow(0);

    QCOMPARE(captured.texts.size(), size_t(3));
    const std::string& whole = captured.texts[0];
    const std::string& shortened = captured.texts[1];
    QVERIFY(whole.starts_with("the dialog has no item to edit$wcthrm report\r\n"));
    QCOMPARE(shortened, "the dialog has no item to edit$" + whole.substr(whole.find('$') + 16));
    QVERIFY(captured.texts[2].starts_with("after the dialog$exception class"));
  }

 private:
  RecordingMessageService recorder_;
  ScopedMessageService installed_{recorder_};
};

QTEST_MAIN(UntKxEditFormTest)
#include "UntKxEditFormTest.moc"
