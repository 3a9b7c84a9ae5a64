// A host's view of the library: loaded with dlopen, reached only through the public header.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "wcthrm/wcthrm.h"

namespace {

namespace fs = std::filesystem;

// What the host's error window received.
struct ErrorWindow {
  std::vector<std::string> texts;
  std::vector<uint32_t> sizes;
  KxHostWindow record{this, [](void* ctx, uintptr_t, const KxCopyData* d) -> intptr_t {
                        auto* w = static_cast<ErrorWindow*>(ctx);
                        w->texts.emplace_back(static_cast<const char*>(d->lpData));
                        w->sizes.push_back(d->cbData);
                        return 1;
                      }};
  uintptr_t handle() { return reinterpret_cast<uintptr_t>(&record); }
};

// A host folder with its tmp/config.ini, and the library loaded from it.
class Host {
 public:
  explicit Host(const std::string& config) {
    folder_ = fs::temp_directory_path() / ("wcthrm_abi_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "tmp");
    std::ofstream(folder_ / "tmp" / "config.ini", std::ios::binary) << config;
    ::setenv("WCTHRM_HOST_FOLDER", folder_.c_str(), 1);
    handle_ = ::dlopen(WCTHRM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (handle_) getPrjMgr_ = reinterpret_cast<GetPrjMgrFn>(::dlsym(handle_, "GetPrjMgr"));
  }
  ~Host() {
    if (handle_) ::dlclose(handle_);
    fs::remove_all(folder_);
  }
  bool loaded() const { return getPrjMgr_ != nullptr; }
  IKxPrjMgr* Connect(ErrorWindow& window) {
    IKxPrjMgr* mgr = nullptr;
    getPrjMgr_(&mgr, 0, window.handle());
    return mgr;
  }
  bool Unload() {
    bool ok = ::dlclose(handle_) == 0;
    handle_ = nullptr;
    return ok;
  }

 private:
  fs::path folder_;
  void* handle_ = nullptr;
  GetPrjMgrFn getPrjMgr_ = nullptr;
};

const char* kConfig =
    "[projectInfo]\r\nRecycleBinTypeId=0x1F\r\nKxPrjTypeId=$20\r\nKxfolderTypeId=33\r\n";

std::string Caption(IKxObj* node) {
  const char* text = nullptr;
  node->GetCaption(&text);
  return text ? text : "<null>";
}

TEST(HostInterface, ManagerNodesListsAndErrorReports) {
  Host host(kConfig);
  ASSERT_TRUE(host.loaded()) << dlerror();
  ErrorWindow first, second;
  IKxPrjMgr* mgr = host.Connect(first);
  ASSERT_NE(mgr, nullptr);
  EXPECT_EQ(host.Connect(second), mgr);  // one manager; errors now go to the second window

  // Manager values.
  EXPECT_STREQ(mgr->GetDllDescription(), "3.5.0.12");
  {
    std::string mine = "my description";
    mgr->SetDllDescription(mine.c_str());
    mine.assign(mine.size(), 'x');  // the library copied it
    EXPECT_STREQ(mgr->GetDllDescription(), "my description");
  }
  EXPECT_EQ(mgr->AddRef(), -1);
  EXPECT_EQ(mgr->Release(), -1);
  mgr->SetModified(1);
  EXPECT_EQ(mgr->GetModified(), 1);
  void* out = nullptr;
  EXPECT_EQ(mgr->QueryInterface(&IID_IKxPrjMgr, &out), KX_S_OK);
  EXPECT_EQ(out, mgr);
  EXPECT_EQ(mgr->QueryInterface(&IID_IKxObj, &out), KX_E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);

  // Host node identifiers from the config: 0x1F, $20, 33.
  IKxObj* bin = nullptr;
  IKxObj* prj = nullptr;
  IKxObj* none = reinterpret_cast<IKxObj*>(1);
  mgr->CreateItem(&bin, 31);
  mgr->CreateItem(&none, 12345);
  mgr->CreateItem(&prj, 32);
  ASSERT_TRUE(bin && prj);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(bin->GetInnerIndex(), 0);
  EXPECT_EQ(prj->GetInnerIndex(), 1);
  EXPECT_EQ(prj->GetTypeId(), 32);

  // A plain node from CreateNode, its list written, read and refilled by the host.
  IKxObj* node = nullptr;
  mgr->CreateNode(&node);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->QueryInterface(&IID_IKxObj, &out), KX_S_OK);
  node->SetIndex(5);
  node->SetP_index(6);
  node->SetTypeId(33);
  node->SetCaption("node");
  EXPECT_EQ(node->WriteToList(), 1);
  IKxValueList* list = node->GetValueList();
  ASSERT_EQ(list->Count(), 4);
  const char* names[] = {"caption", "index", "P_index", "typeid"};
  for (int i = 0; i < 4; ++i) EXPECT_STREQ(list->NameAt(i), names[i]);
  KxValue v{};
  ASSERT_EQ(list->ValueAt(0, &v), 1);
  EXPECT_EQ(v.tag, KX_VT_TEXT);
  EXPECT_STREQ(v.asText, "node");
  ASSERT_EQ(list->ValueAt(1, &v), 1);
  EXPECT_EQ(v.tag, KX_VT_INT32);
  EXPECT_EQ(v.asInt32, 5);
  EXPECT_EQ(list->NameAt(4), nullptr);

  list->Clear();
  KxValue text{};
  text.tag = KX_VT_TEXT;
  text.asText = "restored";
  list->Add("CAPTION", &text);
  KxValue number{};
  number.tag = KX_VT_TEXT;
  number.asText = "not a number";  // stops the read after the caption
  list->Add("index", &number);
  EXPECT_EQ(node->ReadFromList(), 1);
  EXPECT_EQ(Caption(node), "restored");
  EXPECT_EQ(node->GetIndex(), 5);
  ASSERT_EQ(list->Find(" caption ", &v), 1);
  EXPECT_STREQ(v.asText, "restored");

  // Clones and project names.
  IKxObj* clone = nullptr;
  node->CloneNode(&clone);
  ASSERT_NE(clone, nullptr);
  EXPECT_NE(clone, node);
  EXPECT_EQ(Caption(clone), "restored");
  EXPECT_EQ(clone->GetTypeId(), 33);
  EXPECT_EQ(clone->GetInnerIndex(), 0);
  EXPECT_EQ(clone->GetValueList()->Count(), 0);
  const uint8_t prjName[] = {2, 'p', 'n'};
  node->SetPrjName(prjName);

  // Purge: the dropped node keeps answering.
  bin->SetInnerDel(1);
  mgr->PurgeDeleted();
  EXPECT_EQ(bin->GetInnerDel(), 1);
  EXPECT_EQ(bin->WriteToList(), 1);
  IKxObj* next = nullptr;
  mgr->CreateItem(&next, 33);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->GetInnerIndex(), 2);  // numbers never go back
  mgr->EditItem(bin);                     // no dialog for a plain node; returns at once
  mgr->ReservedItemCall(0, node);

  // An exception inside an entry point reaches the host window, not the host.
  EXPECT_TRUE(first.texts.empty());
  EXPECT_TRUE(second.texts.empty());
  node->SetCaption(nullptr);
  ASSERT_EQ(second.texts.size(), 1u);
  EXPECT_TRUE(first.texts.empty());
  const std::string message = "SetCaption: a null pointer was passed";
  EXPECT_EQ(second.texts[0], message + "$exception class: std::invalid_argument\r\nmessage: " +
                                 message + "\r\n");
  EXPECT_EQ(second.sizes[0], second.texts[0].size() + 1);
  EXPECT_EQ(Caption(node), "restored");  // nothing changed, and the host goes on calling
  node->SetCaption("after");
  EXPECT_EQ(Caption(node), "after");
  node->SetPrjName(nullptr);
  EXPECT_EQ(second.texts.size(), 2u);
}

TEST(HostInterface, UnloadReleasesEverythingAndReloadStartsFresh) {
  {
    Host host("");
    ASSERT_TRUE(host.loaded());
    ErrorWindow window;
    IKxPrjMgr* mgr = host.Connect(window);
    IKxObj* node = nullptr;
    mgr->CreateItem(&node, -1);  // no config: every identifier is -1, a plain node
    ASSERT_NE(node, nullptr);
    IKxObj* clone = nullptr;
    node->CloneNode(&clone);
    IKxObj* owned = nullptr;
    mgr->CreateNode(&owned);
    mgr->SetDllDescription("changed");
    EXPECT_TRUE(host.Unload());
  }
  Host again("");
  ASSERT_TRUE(again.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = again.Connect(window);
  EXPECT_STREQ(mgr->GetDllDescription(), "3.5.0.12");  // a fresh library after the unload
  IKxObj* node = nullptr;
  mgr->CreateItem(&node, -1);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->GetInnerIndex(), 0);
}

}  // namespace
