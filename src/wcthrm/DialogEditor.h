// The project manager's way to the dialogs: each edit makes the kind's dialog over the host's
// application window, shows it modally and destroys it. A host without a Qt application
// gets one made for it, kept until the library is unloaded; a host with one keeps its own.
#pragma once

#include <memory>

#include "model/uBaseClass.h"

namespace wcthrm {

std::unique_ptr<IItemEditor> MakeDialogEditor();

}  // namespace wcthrm
