// What the four item dialogs share above the base dialog: the form state they are a view of,
// the copies between widgets and form, the calculate sequence, "保存默认值" with its checks,
// the tab switch with its book stores, and the numeric edits made from their descriptions.
//
// Kind names the form's functions:
//   using Form; using Item; static constexpr ItemKind kKind; static constexpr int kTabs;
//   static constexpr const auto& kEdits;          the form's numeric edits
//   static constexpr const auto& kCellEdits;      its tables' numeric cell editors (or an
//                                                 empty span)
//   static Form Load(const Item&);                 the dialog as it is once shown
//   static void Reload(const Item&, Form&);       LoadFromItem on the controls as they stand
//   static void Store(const Form&, Item&);        SaveToItem
//   static calc::CheckResult Check(const Form&, int tab);
//   static calc::CheckResult CheckForSaveDefaults(const Form&);
//   static calc::BookLines Book(const Form&, int tab);
//   static int PageHeight(const Form&, int tab);
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <functional>

#include "calc/EditDescription.h"
#include "model/ItemKinds.h"
#include "support/Errors.h"
#include "ui/FormBinding.h"
#include "ui/Guarded.h"
#include "ui/Hint.h"
#include "ui/PageControl.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"

namespace wcthrm::ui {

template <class Kind>
class FormDialog : public TfrmKxEditForm {
 public:
  using Form = typename Kind::Form;
  using KindItem = typename Kind::Item;

  explicit FormDialog(QWidget* parent = nullptr) : TfrmKxEditForm(parent) {
    // The kind registry names the dialog and gives its caption.
    const ItemKindInfo& info = InfoOf(Kind::kKind);
    setObjectName(QString::fromLatin1(info.dialogClass + 1));
    setWindowTitle(QString::fromUtf8(info.caption));
    RzPageControl1 = new TRzPageControl(this);
    CreateTabBooks(Kind::kTabs);
    binding_.Tab(RzPageControl1, &Form::activeTab);
    connect(RzPageControl1, &QTabWidget::currentChanged, this,
            Guarded([this] { RzPageControl1TabClick(); }));
    connect(btnCalculate, &QPushButton::clicked, this, Guarded([this] { btnCalculateClick(); }));
  }

  TRzPageControl* RzPageControl1;

  // The controls as the form state holds them.
  Form Gather() const {
    Form form = shown_;
    binding_.Read(form);
    return form;
  }

  void LoadFromItem() override {
    TfrmKxEditForm::LoadFromItem();
    Form form = Gather();
    Kind::Reload(TheItem(), form);
    Present(form);
  }

  void SaveToItem() override {
    TfrmKxEditForm::SaveToItem();
    if (!InputInvalid) Kind::Store(Gather(), TheItem());
  }

  void BitBtn2Click() override {
    if (calc::CheckResult fault = Kind::CheckForSaveDefaults(Gather())) {
      ReportFault(this, *fault);
      return;
    }
    TfrmKxEditForm::BitBtn2Click();
  }

  // "计算": the active tab's checks, then its book in the pane and in the tab's store.
  void btnCalculateClick() {
    const Form form = Gather();
    if (calc::CheckResult fault = Kind::Check(form, form.activeTab)) {
      ReportFault(this, *fault);
      return;
    }
    WriteTabBook(form.activeTab, Kind::Book(form, form.activeTab));
  }

  // The page changed (and at show time): the page height, then the tab's stored book.
  void RzPageControl1TabClick() {
    const Form form = Gather();
    RzPageControl1->SetHeight(Kind::PageHeight(form, form.activeTab));
    ShowTabBook(form.activeTab);
  }

 protected:
  // Shows form: every bound control, then what the dialog derives from it (visibility).
  void Present(const Form& form) {
    shown_ = form;
    binding_.Write(form);
    PresentMore(form);
  }
  // Visible and enabled states that follow the form; the base has none.
  virtual void PresentMore(const Form&) {}

  // Runs handler on the controls' state and shows the outcome.
  void Apply(const std::function<void(Form&)>& handler) {
    Form form = Gather();
    handler(form);
    Present(form);
  }

  void AfterShow() override {
    Present(Kind::Load(TheItem()));
    RzPageControl1TabClick();
    rxrePutout->setReadOnly(true);
  }

  KindItem& TheItem() const {
    auto* item = dynamic_cast<KindItem*>(&Item());
    if (!item) throw Error("the dialog's item is of another kind");
    return *item;
  }

  // A numeric edit made from its description and bound to its field.
  TKxEdit* MakeEdit(const calc::EditDescription<Form>& description, QWidget* parent) {
    auto* edit = new TKxEdit(parent);
    edit->setObjectName(QString::fromLatin1(description.control));
    ConfigureEdit(*edit, description.settings);
    edit->Skindate = this;
    binding_.Text(edit, description.text);
    return edit;
  }

  // The numeric edit of that name in the form's table, in the dialogs' one edit width.
  TKxEdit* MakeEdit(const char* name, QWidget* parent) {
    TKxEdit* edit = MakeEdit(calc::FindEdit(Kind::kEdits, name), parent);
    edit->setFixedWidth(90);
    return edit;
  }

  // A table bound to its field, shaped as the dialogs' tables are (KxGrid::Shape), with rows
  // rows until the form fills it.
  KxGrid* MakeGrid(const char* name, calc::Table Form::*field, const std::vector<int>& widths,
                   int rows, int visibleRows, bool growing, QWidget* parent) {
    auto* grid = new KxGrid(name, parent);
    grid->setRowCount(rows);
    grid->Shape(widths, visibleRows, growing);
    binding_.Grid(grid, field);
    return grid;
  }

  // The numeric cell editors the form describes for grid's columns.
  void AttachCellEditors(KxGrid* grid) {
    for (const calc::CellEditDescription& e : Kind::kCellEdits)
      if (grid->objectName() == QLatin1String(e.table))
        grid->SetColumnEditor(e.col, NumericCellEditor(e.editor, e.settings, {e.width, e.height}));
  }

  FormBinding<Form> binding_;

 private:
  Form shown_{};
};

}  // namespace wcthrm::ui
