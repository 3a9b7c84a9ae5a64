#include "wcthrm/DialogEditor.h"

#include <QApplication>
#include <QWidget>

#include "support/Errors.h"
#include "ui/items/ItemDialogs.h"
#include "wcthrm/Library.h"

namespace wcthrm {

namespace {

class DialogEditor : public IItemEditor {
 public:
  ~DialogEditor() override { ownApplication_.reset(); }

  bool Edit(ItemKind kind, TKxObj& item) override {
    EnsureApplication();
    // A Qt host hands in its main window's id; a window of another toolkit is not ours to own.
    QWidget* owner = QWidget::find(static_cast<WId>(Library::Instance().appWindow()));
    std::unique_ptr<ui::TfrmKxEditForm> dialog = ui::MakeItemDialog(kind, owner);
    if (!dialog) return false;
    dialog->setWindowIcon(QApplication::windowIcon());
    dialog->CurItem = &item;
    dialog->exec();
    return dialog->ItemChanged;
  }

  // Every dialog lives only within Edit, so none is left to close.
  void CloseAll() override {}

 private:
  void EnsureApplication() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
      if (!qobject_cast<QApplication*>(app))
        throw Error("the host's Qt application cannot show dialogs (it is no QApplication)");
      return;
    }
    static int argc = 1;
    static char name[] = "wcthrm";
    static char* argv[] = {name, nullptr};
    ownApplication_ = std::make_unique<QApplication>(argc, argv);
  }

  std::unique_ptr<QApplication> ownApplication_;
};

}  // namespace

std::unique_ptr<IItemEditor> MakeDialogEditor() { return std::make_unique<DialogEditor>(); }

}  // namespace wcthrm
