// The host's interfaces over the model objects. Every method runs its body under the crash
// reporter's guard, named "Interface::Method" for fault injection, so no exception reaches the
// host; on an error it returns a neutral value and out-parameters hold nullptr.
#include "support/CrashReporter.h"
#include "support/Gbk.h"
#include "model/uBaseClass.h"

namespace wcthrm {

namespace {

KxBool ToKx(bool b) { return b ? 1 : 0; }

void Require(const void* p, const char* what) {
  if (!p) throw std::invalid_argument(std::string(what) + ": a null pointer was passed");
}

KxValue ToKxValue(const Variant& v) {
  KxValue out{};
  switch (v.kind()) {
    case Variant::Kind::Empty: out.tag = KX_VT_EMPTY; break;
    case Variant::Kind::Int: out.tag = KX_VT_INT32; out.asInt32 = v.ToInt(); break;
    case Variant::Kind::Double: out.tag = KX_VT_DOUBLE; out.asDouble = v.ToDouble(); break;
    case Variant::Kind::Bool: out.tag = KX_VT_BOOL; out.asBool = ToKx(v.ToBool()); break;
    case Variant::Kind::Text: out.tag = KX_VT_TEXT; out.asText = v.TextData(); break;
  }
  return out;
}

Variant FromKxValue(const KxValue& v) {
  switch (v.tag) {
    case KX_VT_INT32: return Variant(v.asInt32);
    case KX_VT_DOUBLE: return Variant(v.asDouble);
    case KX_VT_BOOL: return Variant(v.asBool != 0);
    case KX_VT_TEXT: return Variant(std::string(v.asText ? v.asText : ""));
    default: return Variant();
  }
}

KxResult Query(const KxGuid* iid, void** out, const KxGuid& own, void* self) {
  if (!out) return KX_E_NOINTERFACE;
  if (iid && (KxSameGuid(*iid, IID_IKxUnknown) || KxSameGuid(*iid, own))) {
    *out = self;
    return KX_S_OK;
  }
  *out = nullptr;
  return KX_E_NOINTERFACE;
}

}  // namespace

// ---- the value list ----

class TMyList::Iface final : public IKxValueList {
 public:
  explicit Iface(TMyList& list) : list_(list) {}

  int32_t KX_CALL Count() override {
    return RunGuarded({"IKxValueList::Count"}, 0, [&] { return list_.Count(); });
  }

  const char* KX_CALL NameAt(int32_t pos) override {
    return RunGuarded<const char*>({"IKxValueList::NameAt"}, nullptr, [&]() -> const char* {
      if (pos < 0 || pos >= list_.Count()) return nullptr;
      return list_.NameAt(pos).data();  // zero-terminated in the list's storage
    });
  }

  KxBool KX_CALL ValueAt(int32_t pos, KxValue* out) override {
    return RunGuarded<KxBool>({"IKxValueList::ValueAt"}, 0, [&]() -> KxBool {
      Require(out, "ValueAt");
      if (pos < 0 || pos >= list_.Count()) return 0;
      *out = ToKxValue(list_.EntryAt(pos).value);
      return 1;
    });
  }

  void KX_CALL Add(const char* name, const KxValue* value) override {
    RunGuarded({"IKxValueList::Add"}, [&] {
      Require(name, "Add");
      list_.Add(name, value ? FromKxValue(*value) : Variant());
    });
  }

  void KX_CALL Clear() override {
    RunGuarded({"IKxValueList::Clear"}, [&] { list_.Clear(); });
  }

  KxBool KX_CALL Find(const char* name, KxValue* out) override {
    return RunGuarded<KxBool>({"IKxValueList::Find"}, 0, [&]() -> KxBool {
      Require(name, "Find");
      Require(out, "Find");
      const TMyrecord* r = list_.Find(name);
      if (!r) return 0;
      *out = ToKxValue(r->value);
      return 1;
    });
  }

 private:
  TMyList& list_;
};

TMyList::TMyList() : iface_(std::make_unique<Iface>(*this)) {}
TMyList::~TMyList() = default;

IKxValueList* TMyList::Interface() { return iface_.get(); }

// ---- the node ----

class TKxObj::Iface final : public IKxObj {
 public:
  explicit Iface(TKxObj& node) : node_(node) {}
  TKxObj& node() { return node_; }

  KxResult KX_CALL QueryInterface(const KxGuid* iid, void** out) override {
    ClearOut(out);
    return RunGuarded<KxResult>({"IKxObj::QueryInterface"}, KX_E_NOINTERFACE, [&] {
      return Query(iid, out, IID_IKxObj, static_cast<IKxObj*>(this));
    });
  }
  int32_t KX_CALL AddRef() override {
    return RunGuarded({"IKxObj::AddRef"}, -1, [] { return -1; });
  }
  int32_t KX_CALL Release() override {
    return RunGuarded({"IKxObj::Release"}, -1, [] { return -1; });
  }

  void KX_CALL ReservedCall(int32_t value) override {
    RunGuarded({"IKxObj::ReservedCall"}, [&] { node_.ReservedCall(value); });
  }
  int32_t KX_CALL GetIndex() override {
    return RunGuarded({"IKxObj::GetIndex"}, 0, [&] { return node_.Index; });
  }
  void KX_CALL SetIndex(int32_t value) override {
    RunGuarded({"IKxObj::SetIndex"}, [&] { node_.Index = value; });
  }
  int32_t KX_CALL GetP_index() override {
    return RunGuarded({"IKxObj::GetP_index"}, 0, [&] { return node_.P_index; });
  }
  void KX_CALL SetP_index(int32_t value) override {
    RunGuarded({"IKxObj::SetP_index"}, [&] { node_.P_index = value; });
  }
  void KX_CALL GetCaption(const char** out) override {
    ClearOut(out);
    RunGuarded({"IKxObj::GetCaption"}, [&] {
      Require(out, "GetCaption");
      *out = node_.Caption.c_str();
    });
  }
  void KX_CALL SetCaption(const char* text) override {
    RunGuarded({"IKxObj::SetCaption"}, [&] {
      Require(text, "SetCaption");
      node_.Caption = text;
    });
  }
  KxBool KX_CALL GetDeleted() override {
    return RunGuarded({"IKxObj::GetDeleted"}, 0, [&] { return ToKx(node_.deleted); });
  }
  void KX_CALL SetDeleted(KxBool value) override {
    RunGuarded({"IKxObj::SetDeleted"}, [&] { node_.deleted = value != 0; });
  }
  KxBool KX_CALL GetModified() override {
    return RunGuarded({"IKxObj::GetModified"}, 0, [&] { return ToKx(node_.Modified); });
  }
  void KX_CALL SetModified(KxBool value) override {
    RunGuarded({"IKxObj::SetModified"}, [&] { node_.Modified = value != 0; });
  }
  int32_t KX_CALL GetTypeId() override {
    return RunGuarded({"IKxObj::GetTypeId"}, 0, [&] { return node_.TypeId; });
  }
  void KX_CALL SetTypeId(int32_t value) override {
    RunGuarded({"IKxObj::SetTypeId"}, [&] { node_.TypeId = value; });
  }
  int32_t KX_CALL GetInnerIndex() override {
    return RunGuarded({"IKxObj::GetInnerIndex"}, 0, [&] { return node_.InnerIndex; });
  }
  void KX_CALL CloneNode(IKxObj** out) override {
    ClearOut(out);
    RunGuarded({"IKxObj::CloneNode"}, [&] {
      Require(out, "CloneNode");
      *out = node_.CloneNode().Interface();
    });
  }
  IKxValueList* KX_CALL GetValueList() override {
    return RunGuarded<IKxValueList*>({"IKxObj::GetValueList"}, nullptr,
                                     [&] { return node_.ValueList.Interface(); });
  }
  KxBool KX_CALL ReadFromList() override {
    return RunGuarded({"IKxObj::ReadFromList"}, 0, [&] { return ToKx(node_.ReadFromList()); });
  }
  KxBool KX_CALL WriteToList() override {
    return RunGuarded({"IKxObj::WriteToList"}, 0, [&] { return ToKx(node_.WriteToList()); });
  }
  KxBool KX_CALL GetIsScheme() override {
    return RunGuarded({"IKxObj::GetIsScheme"}, 0, [&] { return ToKx(node_.IsScheme); });
  }
  void KX_CALL SetIsScheme(KxBool value) override {
    RunGuarded({"IKxObj::SetIsScheme"}, [&] { node_.IsScheme = value != 0; });
  }
  KxBool KX_CALL GetInnerDel() override {
    return RunGuarded({"IKxObj::GetInnerDel"}, 0, [&] { return ToKx(node_.innerDel); });
  }
  void KX_CALL SetInnerDel(KxBool value) override {
    RunGuarded({"IKxObj::SetInnerDel"}, [&] { node_.innerDel = value != 0; });
  }
  void KX_CALL SetPrjName(const uint8_t* text) override {
    RunGuarded({"IKxObj::SetPrjName"}, [&] {
      Require(text, "SetPrjName");
      node_.SetPrjName(text);
    });
  }

 private:
  TKxObj& node_;
};

TKxObj::TKxObj() : Caption(WCTHRM_GBK("施工安全")) {}
TKxObj::~TKxObj() = default;

IKxObj* TKxObj::Interface() {
  if (!iface_) iface_ = std::make_unique<Iface>(*this);
  return iface_.get();
}

TKxObj* TKxObj::FromInterface(IKxObj* iface) {
  auto* own = dynamic_cast<Iface*>(iface);
  return own ? &own->node() : nullptr;
}

// ---- the project manager ----

class TKxObjAdapter::Iface final : public IKxPrjMgr {
 public:
  explicit Iface(TKxObjAdapter& mgr) : mgr_(mgr) {}

  KxResult KX_CALL QueryInterface(const KxGuid* iid, void** out) override {
    ClearOut(out);
    return RunGuarded<KxResult>({"IKxPrjMgr::QueryInterface"}, KX_E_NOINTERFACE, [&] {
      return Query(iid, out, IID_IKxPrjMgr, static_cast<IKxPrjMgr*>(this));
    });
  }
  int32_t KX_CALL AddRef() override {
    return RunGuarded({"IKxPrjMgr::AddRef"}, -1, [] { return -1; });
  }
  int32_t KX_CALL Release() override {
    return RunGuarded({"IKxPrjMgr::Release"}, -1, [] { return -1; });
  }

  KxBool KX_CALL GetModified() override {
    return RunGuarded({"IKxPrjMgr::GetModified"}, 0, [&] { return ToKx(mgr_.Modified); });
  }
  void KX_CALL SetModified(KxBool value) override {
    RunGuarded({"IKxPrjMgr::SetModified"}, [&] { mgr_.Modified = value != 0; });
  }
  void KX_CALL SetProjectInfoMemo(intptr_t value) override {
    RunGuarded({"IKxPrjMgr::SetProjectInfoMemo"}, [&] { mgr_.ProjectInfo = value; });
  }
  const char* KX_CALL GetDllDescription() override {
    return RunGuarded<const char*>({"IKxPrjMgr::GetDllDescription"}, nullptr,
                                   [&] { return mgr_.Description().c_str(); });
  }
  void KX_CALL SetDllDescription(const char* text) override {
    RunGuarded({"IKxPrjMgr::SetDllDescription"}, [&] { mgr_.SetDescription(text ? text : ""); });
  }
  void KX_CALL CreateNode(IKxObj** out) override {
    ClearOut(out);
    RunGuarded({"IKxPrjMgr::CreateNode"}, [&] {
      Require(out, "CreateNode");
      *out = mgr_.CreateNode().Interface();
    });
  }
  void KX_CALL CreateItem(IKxObj** out, int32_t typeId) override {
    ClearOut(out);
    RunGuarded({"IKxPrjMgr::CreateItem"}, [&] {
      Require(out, "CreateItem");
      if (TKxObj* node = mgr_.CreateItem(typeId)) *out = node->Interface();
    });
  }
  void KX_CALL EditItem(IKxObj* item) override {
    RunGuarded({"IKxPrjMgr::EditItem"}, [&] {
      if (item) mgr_.EditItem(*item);
    });
  }
  void KX_CALL ReservedItemCall(int32_t, IKxUnknown* object) override {
    RunGuarded({"IKxPrjMgr::ReservedItemCall"}, [&] {
      if (object) {
        object->AddRef();
        object->Release();
      }
    });
  }
  void KX_CALL PurgeDeleted() override {
    RunGuarded({"IKxPrjMgr::PurgeDeleted"}, [&] { mgr_.PurgeDeleted(); });
  }

 private:
  TKxObjAdapter& mgr_;
};

TKxObjAdapter::TKxObjAdapter(TypeIds ids) : ids_(ids) {}

TKxObjAdapter::~TKxObjAdapter() {
  if (editor_) editor_->CloseAll();
}

IKxPrjMgr* TKxObjAdapter::Interface() {
  if (!iface_) iface_ = std::make_unique<Iface>(*this);
  return iface_.get();
}

}  // namespace wcthrm
