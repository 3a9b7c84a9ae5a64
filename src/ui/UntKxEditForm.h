// The base of the four item dialogs: the window with its output pane and button bar, the
// host's background colour and skin, the link to the item being edited, closing with its
// checks, the default-value buttons, and the dialog's own forwarding of error reports.
//
// A derived dialog builds its page control in its constructor and hands it to
// PlacePageControl, sets its size there (showing fixes it; setFixedSize changes it later),
// binds btnCalculate's clicked signal to its calculation through Guarded, and overrides
// LoadFromItem and SaveToItem (calling the base versions first) and, to test its inputs
// first, BitBtn2Click.
#pragma once

#include <QDialog>

#include <vector>

#include "calc/FormCommon.h"
#include "support/CrashReporter.h"

class QFrame;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

namespace wcthrm {
class TKxObj;
}

namespace wcthrm::ui {

class TfrmKxEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmKxEditForm(QWidget* parent = nullptr);
  ~TfrmKxEditForm() override;

  // The item being edited, set before the dialog is shown; not owned.
  TKxObj* CurItem = nullptr;
  // The user typed into a numeric edit during this showing.
  bool ItemChanged = false;
  // The last SaveToItem met invalid input: the next close request is refused once.
  bool InputInvalid = false;

  // Copies CurItem into the controls. The base has nothing to copy.
  virtual void LoadFromItem();
  // Checks the inputs of Panel1 (InputInvalid) and, in a derived dialog, copies the controls
  // into CurItem when they are valid.
  virtual void SaveToItem();

  // "退出": SaveToItem, then the close request.
  void Act_SaveExecute();
  // Every close request: records a typed edit in ItemChanged; false refuses the close.
  bool FormCloseQuery();
  // "调取默认值"
  void BitBtn1Click();
  // "保存默认值"
  virtual void BitBtn2Click();

  QFrame* Panel1;
  QTextEdit* rxrePutout;
  QFrame* Panel2;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* btnCalculate;
  QPushButton* btnExit;

  void done(int result) override;

  // One hidden rich-text store per tab, holding the tab's last book during this showing.
  std::vector<QTextEdit*> TabBooks;

 protected:
  // Puts a derived dialog's page control into Panel1 above the output pane.
  void PlacePageControl(QWidget* pages);
  // CurItem, or an error when the dialog was shown without one.
  TKxObj& Item() const;

  // Creates the tabs' book stores, empty.
  void CreateTabBooks(int tabs);
  // A tab was selected: the pane shows that tab's stored book, read-only.
  void ShowTabBook(int tab);
  // "计算" passed its checks: the pane shows lines as the book, which becomes the tab's store.
  void WriteTabBook(int tab, const calc::BookLines& lines);

  // Runs when the dialog is shown, after LoadFromItem and the reset of ItemChanged.
  virtual void AfterShow() {}

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void BuildControls();

  QVBoxLayout* panel1Layout_ = nullptr;
  ScopedCrashListener crashListener_;
};

}  // namespace wcthrm::ui
