// Faults injected into the built library through its test hook: whatever entry point fails,
// the host sees a report in its error window and a neutral answer, never an exception, and
// goes on calling. Loaded with dlopen and reached through the public header only.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "LoadedLibrary.h"
#include "wcthrm/wcthrm.h"

namespace {

namespace fs = std::filesystem;

using hostside::ErrorWindow;
using hostside::Host;
const char* const kConfig = hostside::kKindsConfig;

// An object of the host's that counts what the library calls on it.
struct HostObject final : IKxUnknown {
  int addRefs = 0;
  int releases = 0;
  KxResult KX_CALL QueryInterface(const KxGuid*, void** out) override {
    if (out) *out = nullptr;
    return KX_E_NOINTERFACE;
  }
  int32_t KX_CALL AddRef() override { return ++addRefs; }
  int32_t KX_CALL Release() override { return ++releases; }
};

// Stands where a failed slot must put nullptr; never dereferenced.
char g_sentinel;
template <class T>
T* Sentinel() {
  return reinterpret_cast<T*>(&g_sentinel);
}
bool Untouched(const void* p) { return p == &g_sentinel; }

std::string Text(const char* text) { return text ? text : "null"; }

// Names what an out-parameter or result points at: the object expected, nothing or another.
std::string Which(const void* got, const void* expected, const char* name) {
  if (Untouched(got)) return "untouched";
  return got == expected ? name : got ? "other" : "null";
}

std::string Result(KxResult r) {
  if (r == KX_S_OK) return "S_OK";
  if (r == KX_E_NOINTERFACE) return "E_NOINTERFACE";
  return std::to_string(r);
}

std::string ValueText(const KxValue& v) {
  switch (v.tag) {
    case KX_VT_INT32:
      return "int:" + std::to_string(v.asInt32);
    case KX_VT_TEXT:
      return "text:" + Text(v.asText);
    default:
      return "tag:" + std::to_string(v.tag);
  }
}

KxValue IntValue(int32_t i) {
  KxValue v{};
  v.tag = KX_VT_INT32;
  v.asInt32 = i;
  return v;
}

KxValue TextValue(const char* text) {
  KxValue v{};
  v.tag = KX_VT_TEXT;
  v.asText = text;
  return v;
}

std::string Caption(IKxObj* node) {
  const char* text = nullptr;
  node->GetCaption(&text);
  return Text(text);
}

// A connected library with a small project: the recycle bin (inner index 0), a heating item
// (1) and a plain node whose fields and list differ from what their setters, ReadFromList and
// WriteToList would make of them, so a slot that did its work shows in Snapshot.
struct Session {
  ErrorWindow window;  // outlives the library
  Host host{kConfig};
  HostObject object;
  IKxPrjMgr* mgr = nullptr;
  IKxObj* bin = nullptr;
  IKxObj* item = nullptr;
  IKxObj* node = nullptr;
  IKxValueList* list = nullptr;

  bool Open() {
    if (!host.loaded()) return false;
    host.GetPrjMgr(&mgr, window.handle());
    if (!mgr) return false;
    mgr->SetModified(1);
    mgr->CreateItem(&bin, 1);
    mgr->CreateItem(&item, 100);
    mgr->CreateNode(&node);
    if (!bin || !item || !node) return false;
    node->SetIndex(5);
    node->SetP_index(6);
    node->SetCaption("node");
    node->SetTypeId(33);
    node->SetDeleted(1);
    node->SetModified(1);
    node->SetIsScheme(1);
    node->SetInnerDel(1);
    list = node->GetValueList();
    if (!list) return false;
    const KxValue caption = TextValue("from list");
    const KxValue index = IntValue(77);
    list->Add("caption", &caption);
    list->Add("index", &index);
    return window.texts.empty();
  }

  // Everything the host can read without changing it.
  std::string Snapshot() {
    std::string s = "manager modified=" + std::to_string(mgr->GetModified()) +
                    " description=" + Text(mgr->GetDllDescription());
    s += " | item typeid=" + std::to_string(item->GetTypeId()) +
         " inner=" + std::to_string(item->GetInnerIndex());
    s += " | node index=" + std::to_string(node->GetIndex()) +
         " p_index=" + std::to_string(node->GetP_index()) + " caption=" + Caption(node) +
         " deleted=" + std::to_string(node->GetDeleted()) +
         " modified=" + std::to_string(node->GetModified()) +
         " typeid=" + std::to_string(node->GetTypeId()) +
         " inner=" + std::to_string(node->GetInnerIndex()) +
         " scheme=" + std::to_string(node->GetIsScheme()) +
         " innerdel=" + std::to_string(node->GetInnerDel());
    s += " | list";
    for (int32_t i = 0; i < list->Count(); ++i) {
      KxValue v{};
      list->ValueAt(i, &v);
      s += " " + Text(list->NameAt(i)) + "=" + ValueText(v);
    }
    s += " | host object addref=" + std::to_string(object.addRefs) +
         " release=" + std::to_string(object.releases);
    return s;
  }
};

// One slot: a call of it as a host makes it (reading back through other slots what it set),
// what the host sees when the slot fails, and what it sees when the slot works.
struct Slot {
  const char* entry;
  std::function<std::string(Session&)> call;
  std::string neutral;
  std::string working;
};

std::string Int(int32_t i) { return std::to_string(i); }

// Every entry point, in slot order.
std::vector<Slot> Slots() {
  return {
      {"GetPrjMgr",
       [](Session& s) {
         IKxPrjMgr* m = Sentinel<IKxPrjMgr>();
         s.host.GetPrjMgr(&m, s.window.handle());
         return Which(m, s.mgr, "manager");
       },
       "null", "manager"},

      {"IKxPrjMgr::QueryInterface",
       [](Session& s) {
         void* out = Sentinel<void>();
         const KxResult r = s.mgr->QueryInterface(&IID_IKxPrjMgr, &out);
         return Result(r) + " " + Which(out, s.mgr, "manager");
       },
       "E_NOINTERFACE null", "S_OK manager"},
      {"IKxPrjMgr::AddRef", [](Session& s) { return Int(s.mgr->AddRef()); }, "-1", "-1"},
      {"IKxPrjMgr::Release", [](Session& s) { return Int(s.mgr->Release()); }, "-1", "-1"},
      {"IKxPrjMgr::GetModified", [](Session& s) { return Int(s.mgr->GetModified()); }, "0", "1"},
      {"IKxPrjMgr::SetModified",
       [](Session& s) {
         s.mgr->SetModified(0);
         return Int(s.mgr->GetModified());
       },
       "1", "0"},
      {"IKxPrjMgr::SetProjectInfoMemo",
       [](Session& s) {
         s.mgr->SetProjectInfoMemo(42);  // stored, never read back
         return std::string("returned");
       },
       "returned", "returned"},
      {"IKxPrjMgr::GetDllDescription", [](Session& s) { return Text(s.mgr->GetDllDescription()); },
       "null", "3.5.0.12"},
      {"IKxPrjMgr::SetDllDescription",
       [](Session& s) {
         s.mgr->SetDllDescription("changed");
         return Text(s.mgr->GetDllDescription());
       },
       "3.5.0.12", "changed"},
      {"IKxPrjMgr::CreateNode",
       [](Session& s) {
         IKxObj* n = Sentinel<IKxObj>();
         s.mgr->CreateNode(&n);
         if (Untouched(n)) return std::string("untouched");
         return n ? "node typeid=" + Int(n->GetTypeId()) : std::string("null");
       },
       "null", "node typeid=1"},
      {"IKxPrjMgr::CreateItem",
       [](Session& s) {
         IKxObj* n = Sentinel<IKxObj>();
         s.mgr->CreateItem(&n, 101);
         if (Untouched(n)) return std::string("untouched");
         // The inner index shows that the failed call used up no number.
         return n ? "item typeid=" + Int(n->GetTypeId()) + " inner=" + Int(n->GetInnerIndex())
                  : std::string("null");
       },
       "null", "item typeid=101 inner=2"},
      {"IKxPrjMgr::EditItem",
       [](Session& s) {
         // A deleted item opens no dialog, so the call returns at once either way.
         s.item->SetDeleted(1);
         s.mgr->EditItem(s.item);
         s.item->SetDeleted(0);
         return "item modified=" + Int(s.item->GetModified());
       },
       "item modified=0", "item modified=0"},
      {"IKxPrjMgr::ReservedItemCall",
       [](Session& s) {
         s.mgr->ReservedItemCall(0, &s.object);
         return "addref=" + Int(s.object.addRefs) + " release=" + Int(s.object.releases);
       },
       "addref=0 release=0", "addref=1 release=1"},
      {"IKxPrjMgr::PurgeDeleted",
       [](Session& s) {
         s.mgr->PurgeDeleted();  // the item list is not visible to the host
         return std::string("returned");
       },
       "returned", "returned"},

      {"IKxObj::QueryInterface",
       [](Session& s) {
         void* out = Sentinel<void>();
         const KxResult r = s.node->QueryInterface(&IID_IKxObj, &out);
         return Result(r) + " " + Which(out, s.node, "node");
       },
       "E_NOINTERFACE null", "S_OK node"},
      {"IKxObj::AddRef", [](Session& s) { return Int(s.node->AddRef()); }, "-1", "-1"},
      {"IKxObj::Release", [](Session& s) { return Int(s.node->Release()); }, "-1", "-1"},
      {"IKxObj::ReservedCall",
       [](Session& s) {
         s.node->ReservedCall(3);
         return std::string("returned");
       },
       "returned", "returned"},
      {"IKxObj::GetIndex", [](Session& s) { return Int(s.node->GetIndex()); }, "0", "5"},
      {"IKxObj::SetIndex",
       [](Session& s) {
         s.node->SetIndex(99);
         return Int(s.node->GetIndex());
       },
       "5", "99"},
      {"IKxObj::GetP_index", [](Session& s) { return Int(s.node->GetP_index()); }, "0", "6"},
      {"IKxObj::SetP_index",
       [](Session& s) {
         s.node->SetP_index(99);
         return Int(s.node->GetP_index());
       },
       "6", "99"},
      {"IKxObj::GetCaption",
       [](Session& s) {
         const char* text = Sentinel<const char>();
         s.node->GetCaption(&text);
         return Untouched(text) ? "untouched" : Text(text);
       },
       "null", "node"},
      {"IKxObj::SetCaption",
       [](Session& s) {
         s.node->SetCaption("changed");
         return Caption(s.node);
       },
       "node", "changed"},
      {"IKxObj::GetDeleted", [](Session& s) { return Int(s.node->GetDeleted()); }, "0", "1"},
      {"IKxObj::SetDeleted",
       [](Session& s) {
         s.node->SetDeleted(0);
         return Int(s.node->GetDeleted());
       },
       "1", "0"},
      {"IKxObj::GetModified", [](Session& s) { return Int(s.node->GetModified()); }, "0", "1"},
      {"IKxObj::SetModified",
       [](Session& s) {
         s.node->SetModified(0);
         return Int(s.node->GetModified());
       },
       "1", "0"},
      {"IKxObj::GetTypeId", [](Session& s) { return Int(s.node->GetTypeId()); }, "0", "33"},
      {"IKxObj::SetTypeId",
       [](Session& s) {
         s.node->SetTypeId(99);
         return Int(s.node->GetTypeId());
       },
       "33", "99"},
      {"IKxObj::GetInnerIndex", [](Session& s) { return Int(s.item->GetInnerIndex()); }, "0", "1"},
      {"IKxObj::CloneNode",
       [](Session& s) {
         IKxObj* clone = Sentinel<IKxObj>();
         s.node->CloneNode(&clone);
         if (Untouched(clone)) return std::string("untouched");
         return clone ? "clone caption=" + Caption(clone) : std::string("null");
       },
       "null", "clone caption=node"},
      {"IKxObj::GetValueList",
       [](Session& s) {
         IKxValueList* l = s.node->GetValueList();
         return l == s.list ? "list count=" + Int(l->Count()) : l ? "other" : std::string("null");
       },
       "null", "list count=2"},
      {"IKxObj::ReadFromList",
       [](Session& s) {
         const KxBool ok = s.node->ReadFromList();
         return Int(ok) + " caption=" + Caption(s.node) + " index=" + Int(s.node->GetIndex());
       },
       "0 caption=node index=5", "1 caption=from list index=77"},
      {"IKxObj::WriteToList",
       [](Session& s) {
         const KxBool ok = s.node->WriteToList();
         return Int(ok) + " count=" + Int(s.list->Count());
       },
       "0 count=2", "1 count=4"},
      {"IKxObj::GetIsScheme", [](Session& s) { return Int(s.node->GetIsScheme()); }, "0", "1"},
      {"IKxObj::SetIsScheme",
       [](Session& s) {
         s.node->SetIsScheme(0);
         return Int(s.node->GetIsScheme());
       },
       "1", "0"},
      {"IKxObj::GetInnerDel", [](Session& s) { return Int(s.node->GetInnerDel()); }, "0", "1"},
      {"IKxObj::SetInnerDel",
       [](Session& s) {
         s.node->SetInnerDel(0);
         return Int(s.node->GetInnerDel());
       },
       "1", "0"},
      {"IKxObj::SetPrjName",
       [](Session& s) {
         const uint8_t name[] = {2, 'p', 'n'};  // the host cannot read it back
         s.node->SetPrjName(name);
         return std::string("returned");
       },
       "returned", "returned"},

      {"IKxValueList::Count", [](Session& s) { return Int(s.list->Count()); }, "0", "2"},
      {"IKxValueList::NameAt", [](Session& s) { return Text(s.list->NameAt(1)); }, "null", "index"},
      {"IKxValueList::ValueAt",
       [](Session& s) {
         KxValue v = IntValue(-12345);  // left alone when the slot fails
         const KxBool ok = s.list->ValueAt(0, &v);
         return Int(ok) + " " + ValueText(v);
       },
       "0 int:-12345", "1 text:from list"},
      {"IKxValueList::Add",
       [](Session& s) {
         const KxValue one = IntValue(1);
         s.list->Add("extra", &one);
         return Int(s.list->Count());
       },
       "2", "3"},
      {"IKxValueList::Clear",
       [](Session& s) {
         s.list->Clear();
         return Int(s.list->Count());
       },
       "2", "0"},
      {"IKxValueList::Find",
       [](Session& s) {
         KxValue v = IntValue(-12345);  // left alone when the slot fails
         const KxBool ok = s.list->Find(" INDEX ", &v);
         return Int(ok) + " " + ValueText(v);
       },
       "0 int:-12345", "1 int:77"},
  };
}

// Fails one slot in a fresh library and checks what the host sees; its own function, so a
// failed assertion ends only this slot's check.
void CheckSlot(const Slot& slot) {
  Session s;
  ASSERT_TRUE(s.Open()) << dlerror();
  const std::string before = s.Snapshot();

  s.host.Inject(slot.entry);
  const std::string failed = slot.call(s);
  s.host.Inject(nullptr);

  EXPECT_EQ(failed, slot.neutral);
  ASSERT_EQ(s.window.texts.size(), 1u);
  const std::string& text = s.window.texts[0];
  const std::string head = "injected fault in " + std::string(slot.entry) + "$";
  EXPECT_EQ(text.rfind(head, 0), 0u) << text;
  EXPECT_GT(text.size(), head.size()) << "the report follows the message";
  EXPECT_EQ(s.window.sizes[0], std::strlen(text.c_str()) + 1);
  EXPECT_EQ(s.Snapshot(), before);

  // The host goes on calling: the same slot does its work, and nothing more is reported.
  EXPECT_EQ(slot.call(s), slot.working);
  EXPECT_EQ(s.window.texts.size(), 1u);
}

TEST(FaultInjection, EveryEntryPointReportsAnswersNeutrallyAndWorksAgain) {
  for (const Slot& slot : Slots()) {
    SCOPED_TRACE(slot.entry);
    CheckSlot(slot);
  }
}

// A host's short session, as the text of what it got back.
std::string ShortSession(Session& s) {
  std::string got = "modified=" + std::to_string(s.mgr->GetModified());
  IKxObj* made = Sentinel<IKxObj>();
  s.mgr->CreateItem(&made, 102);
  got += Untouched(made) ? " untouched" : made ? " item" : " no item";
  got += " caption=" + Caption(s.node);
  got += " write=" + std::to_string(s.node->WriteToList());
  got += " count=" + std::to_string(s.list->Count());
  IKxPrjMgr* again = Sentinel<IKxPrjMgr>();
  s.host.GetPrjMgr(&again, s.window.handle());
  got += " " + Which(again, s.mgr, "manager");
  return got;
}

TEST(FaultInjection, StarFailsEveryEntryPointOfASessionInTurn) {
  Session s;
  ASSERT_TRUE(s.Open()) << dlerror();
  const std::string before = s.Snapshot();

  s.host.Inject("*");
  EXPECT_EQ(ShortSession(s), "modified=0 no item caption=null write=0 count=0 null");
  s.host.Inject(nullptr);  // the hook itself is no entry point: "*" cannot lock it

  std::vector<std::string> messages;
  for (const std::string& text : s.window.texts) messages.push_back(text.substr(0, text.find('$')));
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "injected fault in IKxPrjMgr::GetModified",
                          "injected fault in IKxPrjMgr::CreateItem",
                          "injected fault in IKxObj::GetCaption",
                          "injected fault in IKxObj::WriteToList",
                          "injected fault in IKxValueList::Count",
                          "injected fault in GetPrjMgr",
                      }));
  for (size_t i = 0; i < s.window.texts.size(); ++i)
    EXPECT_EQ(s.window.sizes[i], s.window.texts[i].size() + 1) << messages[i];
  EXPECT_EQ(s.Snapshot(), before);

  const size_t reports = s.window.texts.size();
  EXPECT_EQ(ShortSession(s), "modified=1 item caption=node write=1 count=4 manager");
  EXPECT_EQ(s.window.texts.size(), reports);
}

// A failing GetPrjMgr has already adopted the window it was given: the window of an earlier
// call may be gone, and the header promises it only until the next call. Its out-parameter is
// nullptr, as every out-parameter of a failed slot is, so the host cannot mistake the failure.
TEST(FaultInjection, FailingGetPrjMgrReportsToTheWindowItWasGivenAndHandsOutNothing) {
  ErrorWindow first, second;
  Host host(kConfig);
  ASSERT_TRUE(host.loaded()) << dlerror();
  host.Inject("GetPrjMgr");

  IKxPrjMgr* mgr = Sentinel<IKxPrjMgr>();
  host.GetPrjMgr(&mgr, first.handle());  // the very first call
  EXPECT_EQ(mgr, nullptr);
  ASSERT_EQ(first.texts.size(), 1u);
  EXPECT_EQ(first.texts[0].rfind("injected fault in GetPrjMgr$", 0), 0u) << first.texts[0];
  EXPECT_EQ(first.sizes[0], first.texts[0].size() + 1);

  host.GetPrjMgr(nullptr, first.handle());  // no variable: still reported, nothing stored
  EXPECT_EQ(first.texts.size(), 2u);

  // The host has replaced its first window; a report sent there would reach a dead record.
  first.record.send = [](void*, uintptr_t, const KxCopyData*) -> intptr_t {
    ADD_FAILURE() << "a report went to a window the host has replaced";
    return 0;
  };
  mgr = Sentinel<IKxPrjMgr>();
  host.GetPrjMgr(&mgr, second.handle());
  EXPECT_EQ(mgr, nullptr);
  ASSERT_EQ(second.texts.size(), 1u);
  EXPECT_EQ(second.texts[0].rfind("injected fault in GetPrjMgr$", 0), 0u) << second.texts[0];

  mgr = Sentinel<IKxPrjMgr>();
  host.GetPrjMgr(&mgr, 0);  // no error window: the report reaches nobody
  EXPECT_EQ(mgr, nullptr);
  EXPECT_EQ(second.texts.size(), 1u);

  host.Inject(nullptr);
  host.GetPrjMgr(&mgr, second.handle());
  ASSERT_NE(mgr, nullptr);
  IKxObj* node = nullptr;
  mgr->CreateNode(&node);
  ASSERT_NE(node, nullptr);
  node->SetCaption(nullptr);  // a real error of a later call goes to the same window
  ASSERT_EQ(second.texts.size(), 2u);
  EXPECT_EQ(second.texts[1].rfind("SetCaption: a null pointer was passed$", 0), 0u)
      << second.texts[1];
}

}  // namespace
