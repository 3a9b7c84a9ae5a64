#include "ui/UntKxEditForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "support/Errors.h"
#include "ui/Guarded.h"
#include "support/HostWindow.h"
#include "ui/PanelWalk.h"
#include "ui/Skin.h"
#include "model/uBaseClass.h"
#include "ui/u_pubfun.h"

namespace wcthrm::ui {

namespace {

QFont DialogFont() { return QFont(QString::fromUtf8(kBookFont), 9); }

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(DialogFont());
  // Return in an edit must not press a button, as in the platform's dialogs without a
  // default button.
  button->setAutoDefault(false);
  button->setMinimumWidth(90);
  return button;
}

}  // namespace

TfrmKxEditForm::TfrmKxEditForm(QWidget* parent)
    : QDialog(parent),
      // The dialog's own report goes out whole, before the library's shortened one.
      crashListener_(
          [](const CrashReport& r) { SendErrorText(ErrorReportText(r.message, r.report, 0)); }) {
  BuildControls();
  FormCreate();
}

TfrmKxEditForm::~TfrmKxEditForm() = default;

void TfrmKxEditForm::BuildControls() {
  setObjectName(QStringLiteral("frmKxEditForm"));
  setWindowTitle(QStringLiteral("基类窗体"));
  // A fixed dialog frame without system menu or close box; showEvent fixes the size.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFont(DialogFont());
  resize(640, 480);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::NoFrame);
  Panel1->setAutoFillBackground(true);
  panel1Layout_ = new QVBoxLayout(Panel1);
  panel1Layout_->setContentsMargins(0, 0, 0, 0);
  panel1Layout_->setSpacing(0);

  rxrePutout = new QTextEdit(Panel1);
  rxrePutout->setObjectName(QStringLiteral("rxrePutout"));
  rxrePutout->setFont(DialogFont());
  panel1Layout_->addWidget(rxrePutout, 1);

  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel2->setFixedHeight(41);
  Panel2->setAutoFillBackground(true);
  BitBtn1 = MakeButton(QStringLiteral("调取默认值"), "BitBtn1", Panel2);
  BitBtn2 = MakeButton(QStringLiteral("保存默认值"), "BitBtn2", Panel2);
  btnCalculate = MakeButton(QStringLiteral("计算"), "btnCalculate", Panel2);
  btnExit = MakeButton(QStringLiteral("退出"), "btnExit", Panel2);
  auto* bar = new QHBoxLayout(Panel2);
  bar->setContentsMargins(8, 4, 8, 4);
  bar->addWidget(BitBtn1);
  bar->addWidget(BitBtn2);
  bar->addStretch(1);
  bar->addWidget(btnCalculate);
  bar->addWidget(btnExit);
  setTabOrder(btnCalculate, btnExit);
  setTabOrder(btnExit, BitBtn1);
  setTabOrder(BitBtn1, BitBtn2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel1, 1);
  layout->addWidget(Panel2);

  connect(btnExit, &QPushButton::clicked, this, Guarded([this] { Act_SaveExecute(); }));
  connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
  connect(BitBtn2, &QPushButton::clicked, this, Guarded([this] { BitBtn2Click(); }));
}

void TfrmKxEditForm::FormCreate() {
  if (const QString skin = SkinStyleSheet(); !skin.isEmpty()) {
    setStyleSheet(skin);
    // The buttons keep the dialog font whatever font the skin gives buttons: a widget's own
    // sheet wins over the sheets of its parents.
    for (QPushButton* button : {BitBtn1, BitBtn2, btnCalculate, btnExit})
      button->setStyleSheet(QStringLiteral("font: 9pt \"%1\";").arg(QString::fromUtf8(kBookFont)));
  }
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, DialogBackground());
  setPalette(palette);
}

void TfrmKxEditForm::PlacePageControl(QWidget* pages) {
  pages->setParent(Panel1);
  panel1Layout_->insertWidget(0, pages);
}

TKxObj& TfrmKxEditForm::Item() const {
  if (!CurItem) throw Error("the dialog has no item to edit");
  return *CurItem;
}

void TfrmKxEditForm::LoadFromItem() {}

void TfrmKxEditForm::SaveToItem() { InputInvalid = !ValidatePanel(Panel1); }

void TfrmKxEditForm::FormShow() {
  LoadFromItem();
  ItemChanged = false;
  AfterShow();
}

void TfrmKxEditForm::CreateTabBooks(int tabs) {
  for (int i = 0; i < tabs; ++i) {
    auto* store = new QTextEdit(this);
    store->setObjectName(QStringLiteral("TabBooks%1").arg(i));
    store->hide();
    TabBooks.push_back(store);
  }
}

void TfrmKxEditForm::ShowTabBook(int tab) {
  rxrePutout->setReadOnly(false);
  rxrePutout->clear();
  if (tab >= 0 && tab < static_cast<int>(TabBooks.size())) PasteEditText(TabBooks[tab], rxrePutout);
  rxrePutout->setReadOnly(true);
}

void TfrmKxEditForm::WriteTabBook(int tab, const calc::BookLines& lines) {
  rxrePutout->setReadOnly(false);
  rxrePutout->clear();
  for (const std::string& line : lines)
    WriteBookLine(rxrePutout, QString::fromStdString(line), kBookLineStyle);
  if (tab >= 0 && tab < static_cast<int>(TabBooks.size())) {
    TabBooks[tab]->clear();
    PasteEditText(rxrePutout, TabBooks[tab]);
  }
  rxrePutout->setReadOnly(true);
}

void TfrmKxEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // the window coming back, not the dialog being shown
  // The user cannot resize the frame; the size is the one the item dialog gave it.
  setFixedSize(size());
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  RunGuarded([this] { FormShow(); });
}

void TfrmKxEditForm::keyPressEvent(QKeyEvent* event) {
  // Escape does not drop the user's inputs and Return presses no button.
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TfrmKxEditForm::Act_SaveExecute() {
  SaveToItem();
  done(QDialog::Accepted);
}

bool TfrmKxEditForm::FormCloseQuery() {
  if (PanelChanged(Panel1)) ItemChanged = true;
  if (InputInvalid) {
    InputInvalid = false;
    return false;
  }
  return true;
}

void TfrmKxEditForm::done(int result) {
  // A query that fails still lets the dialog close: a modal dialog must never trap the user.
  bool canClose = true;
  RunGuarded([&] { canClose = FormCloseQuery(); });
  if (canClose) QDialog::done(result);
}

void TfrmKxEditForm::BitBtn1Click() {
  if (AskChoice(QStringLiteral("将当前的各项数据恢复到上次保存的默认值吗？")) != kAnswerYes) return;
  Item().LoadDefaultData();
  LoadFromItem();
  if (PanelChanged(Panel1)) ItemChanged = true;
}

void TfrmKxEditForm::BitBtn2Click() {
  if (AskChoice(QStringLiteral("将当前的各项数据保存为下次添加时的默认值吗？")) != kAnswerYes)
    return;
  SaveToItem();
  Item().SaveDefaultData();
}

}  // namespace wcthrm::ui
