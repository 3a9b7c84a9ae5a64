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

#include "LoadedLibrary.h"
#include "wcthrm/wcthrm.h"

namespace {

namespace fs = std::filesystem;

using hostside::ErrorWindow;
using hostside::Host;
using hostside::kKindsConfig;

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
    Host host(kConfig);
    ASSERT_TRUE(host.loaded());
    ErrorWindow window;
    IKxPrjMgr* mgr = host.Connect(window);
    IKxObj* missing = reinterpret_cast<IKxObj*>(1);
    mgr->CreateItem(&missing, -1);  // the item kinds are missing from the config: -1 is none
    EXPECT_EQ(missing, nullptr);
    IKxObj* node = nullptr;
    mgr->CreateItem(&node, 31);
    ASSERT_NE(node, nullptr);
    IKxObj* clone = nullptr;
    node->CloneNode(&clone);
    IKxObj* owned = nullptr;
    mgr->CreateNode(&owned);
    mgr->SetDllDescription("changed");
    EXPECT_TRUE(host.Unload());
  }
  Host again(kConfig);
  ASSERT_TRUE(again.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = again.Connect(window);
  EXPECT_STREQ(mgr->GetDllDescription(), "3.5.0.12");  // a fresh library after the unload
  IKxObj* node = nullptr;
  mgr->CreateItem(&node, 32);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->GetInnerIndex(), 0);
}

// The value of a named entry after WriteToList, as text ("" when absent).
std::string ListValue(IKxObj* node, const char* name) {
  node->WriteToList();
  KxValue v{};
  if (!node->GetValueList()->Find(name, &v)) return "<absent>";
  switch (v.tag) {
    case KX_VT_TEXT: return v.asText;
    case KX_VT_DOUBLE: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%g", v.asDouble);
      return buffer;
    }
    case KX_VT_INT32: return std::to_string(v.asInt32);
    case KX_VT_BOOL: return v.asBool ? "True" : "False";
    default: return "";
  }
}

// The kinds' keys in GBK, written as escapes: a host test includes only the public header.
const char* kDefaults =
    "[ConcreteHeat information]\r\nClbr=7.5\r\n"
    "[ConcreteConserve information]\r\nMyTemp=12\r\n"
    "[DepthOfSoil information]\r\nDjxs1=2.25\r\n"
    "[TongTransitIrrigate information]\r\nCjwd=17.5\r\n";

TEST(HostInterface, CreateItemMakesEachKindWithItsDefaults) {
  Host host(kKindsConfig, kDefaults);
  ASSERT_TRUE(host.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = host.Connect(window);
  const struct {
    int32_t typeId;
    const char* key;
    const char* value;
  } kinds[] = {{100, "Clbr", "7.5"}, {101, "MyTemp", "12"}, {102, "Djxs1", "2.25"},
               {103, "Cjwd", "17.5"}};
  int32_t expectedIndex = 0;
  for (const auto& k : kinds) {
    IKxObj* item = nullptr;
    mgr->CreateItem(&item, k.typeId);
    ASSERT_NE(item, nullptr) << k.typeId;
    EXPECT_EQ(item->GetTypeId(), k.typeId);
    EXPECT_EQ(item->GetInnerIndex(), expectedIndex++);
    EXPECT_EQ(ListValue(item, k.key), k.value) << k.typeId;
    // A list written and read back restores the item.
    EXPECT_EQ(item->ReadFromList(), 1) << k.typeId;
  }
  IKxObj* plain = nullptr;
  mgr->CreateItem(&plain, 2);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(ListValue(plain, "Clbr"), "<absent>");
  EXPECT_TRUE(window.texts.empty());
}

TEST(HostInterface, FactoryOrderDecidesSharedIdentifiers) {
  // Heating and curing share 100: the heating row comes first. The transport kind shares 2
  // with the project node: host nodes are compared first.
  std::string config = kKindsConfig;
  config.replace(config.find("=101"), 4, "=100");
  config.replace(config.find("=103"), 4, "=2");
  Host host(config, kDefaults);
  ASSERT_TRUE(host.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = host.Connect(window);
  IKxObj* shared = nullptr;
  mgr->CreateItem(&shared, 100);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(ListValue(shared, "Clbr"), "7.5");
  EXPECT_EQ(ListValue(shared, "MyTemp"), "<absent>");
  IKxObj* node = nullptr;
  mgr->CreateItem(&node, 2);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(ListValue(node, "Cjwd"), "<absent>");
}

TEST(HostInterface, CorruptDefaultsReportToTheHostWindow) {
  Host host(kKindsConfig, "[ConcreteConserve information]\r\nMyTimes=abc\r\n"
                          "[DepthOfSoil information]\r\nCount1=99999\r\n");
  ASSERT_TRUE(host.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = host.Connect(window);
  for (int32_t typeId : {101, 102}) {
    IKxObj* item = reinterpret_cast<IKxObj*>(1);
    mgr->CreateItem(&item, typeId);
    EXPECT_EQ(item, nullptr) << typeId;
  }
  ASSERT_EQ(window.texts.size(), 2u);
  EXPECT_EQ(window.texts[0].rfind(
                "'MyTimes' in [ConcreteConserve information]: 'abc' is not a valid integer value$", 0), 0u) << window.texts[0];
  EXPECT_EQ(window.sizes[0], window.texts[0].size() + 1);
  // The host goes on: other kinds are still made, numbered from where the list stands.
  IKxObj* heat = nullptr;
  mgr->CreateItem(&heat, 100);
  ASSERT_NE(heat, nullptr);
  EXPECT_EQ(heat->GetInnerIndex(), 0);

}

TEST(HostInterface, CorruptProjectListIsReportedAndTheItemStaysUsable) {
  Host host(kKindsConfig, kDefaults);
  ASSERT_TRUE(host.loaded());
  ErrorWindow window;
  IKxPrjMgr* mgr = host.Connect(window);
  IKxObj* curing = nullptr;
  mgr->CreateItem(&curing, 101);
  ASSERT_NE(curing, nullptr);
  IKxValueList* list = curing->GetValueList();
  list->Clear();
  KxValue bad{};
  bad.tag = KX_VT_TEXT;
  bad.asText = "many";
  list->Add("MyTimes", &bad);
  EXPECT_EQ(curing->ReadFromList(), 0);
  ASSERT_EQ(window.texts.size(), 1u);
  EXPECT_EQ(window.texts[0].rfind("'MyTimes': 'many' is not a valid integer value$", 0), 0u);
  // Values before the bad count were read (absent: 0), those after it kept; the item answers.
  EXPECT_EQ(ListValue(curing, "MyTemp"), "0");
  EXPECT_EQ(ListValue(curing, "Dlsj"), "100");
}

}  // namespace
