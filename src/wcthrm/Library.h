// The loaded library's state: folders, identifiers, the one project manager.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/uBaseClass.h"

namespace wcthrm {

class Library {
 public:
  static Library& Instance();

  // GetPrjMgr's steps after it has adopted the error window: remember the application window,
  // make the manager once, hand it out.
  IKxPrjMgr* Connect(uintptr_t appWindow);

  const std::string& hostFolder() const { return hostFolder_; }
  const std::string& tmpFolder() const { return tmpFolder_; }
  const TypeIds& ids() const { return ids_; }
  uintptr_t appWindow() const { return appWindow_; }

  // How the manager gets its dialogs; set before the first Connect.
  void SetEditorFactory(std::function<std::unique_ptr<IItemEditor>()> factory) {
    editorFactory_ = std::move(factory);
  }

 private:
  Library();
  ~Library();

  std::string hostFolder_;
  std::string tmpFolder_;
  TypeIds ids_;
  uintptr_t appWindow_ = 0;
  int forwarder_ = 0;
  std::function<std::unique_ptr<IItemEditor>()> editorFactory_;
  std::unique_ptr<IItemEditor> editor_;
  std::unique_ptr<TKxObjAdapter> manager_;  // after editor_: destroyed first
};

}  // namespace wcthrm
