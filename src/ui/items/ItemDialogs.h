// From an item kind to its dialog: the edit dispatch's dialog table. The kind registry gives
// each dialog its class name and caption; this table only knows how to make one.
#pragma once

#include <memory>

#include "model/uBaseClass.h"
#include "ui/UntKxEditForm.h"

namespace wcthrm::ui {

// A new dialog of the kind, owned by the caller, parent (may be null) as its owner window.
std::unique_ptr<TfrmKxEditForm> MakeItemDialog(ItemKind kind, QWidget* parent);

}  // namespace wcthrm::ui
