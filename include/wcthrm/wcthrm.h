// wcthrm host interface.
//
// A host loads the library, calls GetPrjMgr once or more, and reaches everything else
// through IKxPrjMgr (the project manager) and IKxObj (one per project node).
//
// Rules for every method below:
// - Texts are zero-terminated GBK bytes. A text handed in is copied before the call
//   returns. A text handed out stays valid until the same value is changed or its object
//   is destroyed; the host never frees it.
// - Booleans are KxBool: 0 is false, any other value true; the library answers 0 or 1.
// - No exception leaves a method. An error inside one is reported to the host's error
//   window (see KxHostWindow) and the method returns its neutral value (0, false, nullptr).
// - AddRef and Release do nothing and return -1: objects live as the ownership notes say,
//   not by reference count.
// - Slot order is part of the contract; never reorder the methods.
#ifndef WCTHRM_WCTHRM_H
#define WCTHRM_WCTHRM_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define KX_CALL __stdcall
#else
#define KX_CALL
#endif

#if defined(_WIN32)
#define KX_EXPORT __declspec(dllexport)
#else
#define KX_EXPORT __attribute__((visibility("default")))
#endif

typedef int32_t KxBool;
typedef int32_t KxResult;

enum : KxResult { KX_S_OK = 0, KX_E_NOINTERFACE = static_cast<KxResult>(0x80004002u) };

struct KxGuid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};
static_assert(sizeof(KxGuid) == 16, "KxGuid is 16 bytes");

inline bool KxSameGuid(const KxGuid& a, const KxGuid& b) {
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.data4[i] != b.data4[i]) return false;
  return true;
}

// 00000000-0000-0000-C000-000000000046
inline constexpr KxGuid IID_IKxUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// 6E11CD8F-027F-4732-B403-17A7FE4FF68A
inline constexpr KxGuid IID_IKxPrjMgr = {
    0x6E11CD8F, 0x027F, 0x4732, {0xB4, 0x03, 0x17, 0xA7, 0xFE, 0x4F, 0xF6, 0x8A}};
// 5C8E4C91-AE83-47E6-82DB-61B6396A877D
inline constexpr KxGuid IID_IKxObj = {
    0x5C8E4C91, 0xAE83, 0x47E6, {0x82, 0xDB, 0x61, 0xB6, 0x39, 0x6A, 0x87, 0x7D}};

// A named value's value, tagged as an OLE variant is.
enum KxValueTag : uint16_t {
  KX_VT_EMPTY = 0,
  KX_VT_INT32 = 3,
  KX_VT_DOUBLE = 5,
  KX_VT_BOOL = 11,
  KX_VT_TEXT = 0x100,
};

struct KxValue {
  uint16_t tag;  // a KxValueTag
  uint16_t reserved[3];
  union {
    int32_t asInt32;
    double asDouble;
    KxBool asBool;
    const char* asText;  // GBK; see the lifetime rule of the method that hands it out
  };
};
static_assert(sizeof(KxValue) == 16, "KxValue keeps the 16-byte variant layout");

// A node's named-value list, worked on in place by the host (store: WriteToList, then read;
// restore: Clear, Add the stored entries, then ReadFromList). Names are GBK texts of at most
// 255 bytes (longer ones are cut); lookups fold a-z and ignore surrounding blanks, and see the
// last entry of a name. Texts handed out stay valid until the list is next changed.
class IKxValueList {
 public:
  virtual int32_t KX_CALL Count() = 0;
  // Name at 0 <= pos < Count(); nullptr outside.
  virtual const char* KX_CALL NameAt(int32_t pos) = 0;
  // Value at pos into *out; false (and *out untouched) outside 0..Count()-1.
  virtual KxBool KX_CALL ValueAt(int32_t pos, KxValue* out) = 0;
  // Appends a copy of name and value; an unknown tag is stored as empty.
  virtual void KX_CALL Add(const char* name, const KxValue* value) = 0;
  virtual void KX_CALL Clear() = 0;
  // The last entry of that name into *out; false (and *out untouched) when there is none.
  virtual KxBool KX_CALL Find(const char* name, KxValue* out) = 0;
};

class IKxUnknown {
 public:
  virtual KxResult KX_CALL QueryInterface(const KxGuid* iid, void** out) = 0;
  virtual int32_t KX_CALL AddRef() = 0;   // -1
  virtual int32_t KX_CALL Release() = 0;  // -1
};

// One node of the project tree. Nodes from IKxPrjMgr::CreateItem live until the library is
// unloaded; nodes from CreateNode live as long as the manager; a clone lives as long as the
// node it was cloned from.
class IKxObj : public IKxUnknown {
 public:
  virtual void KX_CALL ReservedCall(int32_t value) = 0;  // 3: no effect
  virtual int32_t KX_CALL GetIndex() = 0;                 // 4
  virtual void KX_CALL SetIndex(int32_t value) = 0;       // 5
  virtual int32_t KX_CALL GetP_index() = 0;               // 6
  virtual void KX_CALL SetP_index(int32_t value) = 0;     // 7
  // 8: *out receives the caption, valid until the caption changes.
  virtual void KX_CALL GetCaption(const char** out) = 0;
  virtual void KX_CALL SetCaption(const char* text) = 0;  // 9: nullptr is an error
  virtual KxBool KX_CALL GetDeleted() = 0;                // 10
  virtual void KX_CALL SetDeleted(KxBool value) = 0;      // 11
  virtual KxBool KX_CALL GetModified() = 0;               // 12
  virtual void KX_CALL SetModified(KxBool value) = 0;     // 13
  virtual int32_t KX_CALL GetTypeId() = 0;                // 14
  virtual void KX_CALL SetTypeId(int32_t value) = 0;      // 15
  virtual int32_t KX_CALL GetInnerIndex() = 0;            // 16
  // 17: *out receives a new plain node copying index, parent index, modified flag, type
  // identifier, caption and deleted flag; it lives as long as this node.
  virtual void KX_CALL CloneNode(IKxObj** out) = 0;
  // 18: the node's list itself; it lives as long as the node.
  virtual IKxValueList* KX_CALL GetValueList() = 0;
  virtual KxBool KX_CALL ReadFromList() = 0;              // 19
  virtual KxBool KX_CALL WriteToList() = 0;               // 20
  virtual KxBool KX_CALL GetIsScheme() = 0;               // 21
  virtual void KX_CALL SetIsScheme(KxBool value) = 0;     // 22
  virtual KxBool KX_CALL GetInnerDel() = 0;               // 23
  virtual void KX_CALL SetInnerDel(KxBool value) = 0;     // 24
  // 25: a length byte followed by that many bytes; nullptr is an error.
  virtual void KX_CALL SetPrjName(const uint8_t* text) = 0;
};

// The library's project manager; one per loaded library.
class IKxPrjMgr : public IKxUnknown {
 public:
  virtual KxBool KX_CALL GetModified() = 0;                      // 3
  virtual void KX_CALL SetModified(KxBool value) = 0;            // 4
  virtual void KX_CALL SetProjectInfoMemo(intptr_t value) = 0;   // 5: stored, never read
  virtual const char* KX_CALL GetDllDescription() = 0;           // 6: valid until changed
  virtual void KX_CALL SetDllDescription(const char* text) = 0;  // 7: copied; nullptr is ""
  // 8: *out receives a new plain node owned by the manager.
  virtual void KX_CALL CreateNode(IKxObj** out) = 0;
  // 9: *out receives the node of that type identifier with its kind's saved defaults, or
  // nullptr when the identifier is none of the configured ones.
  virtual void KX_CALL CreateItem(IKxObj** out, int32_t typeId) = 0;
  // 10: opens the item's dialog modally over the application window and returns when the
  // user has closed it; Modified is then set when the user typed into an input and was not
  // already set. A deleted node, a node the manager's item list does not hold and a node of
  // no item kind open nothing. Call it on the thread that runs the host's Qt application.
  virtual void KX_CALL EditItem(IKxObj* item) = 0;
  virtual void KX_CALL ReservedItemCall(int32_t value, IKxUnknown* object) = 0;  // 11
  // 12: drops the nodes marked with SetInnerDel from the item list; they stay usable.
  virtual void KX_CALL PurgeDeleted() = 0;
};

// Off Windows the error-window argument of GetPrjMgr is the address of this record, owned by
// the host and valid until the next GetPrjMgr call or unload. On Windows it is a window handle
// and the library sends WM_COPYDATA to it.
struct KxCopyData {
  uintptr_t dwData;    // carries nothing
  uint32_t cbData;     // bytes of lpData including the terminating zero
  const void* lpData;  // "message$report" in GBK, valid only during the call
};

typedef intptr_t(KX_CALL* KxSendCopyData)(void* context, uintptr_t wParam,
                                          const KxCopyData* data);

struct KxHostWindow {
  void* context;        // handed back to send
  KxSendCopyData send;  // called synchronously on the calling thread
};

extern "C" {
// Stores the one project manager into *manager (nullptr is ignored). appWindow becomes the
// owner of the library's dialogs: on Windows a window handle; elsewhere the native window id
// of the host's main window (QWidget::winId() in a Qt host), 0 for none. A host without a Qt
// application gets one made by the library for its dialogs. errorWindow receives error reports
// (0: none).
KX_EXPORT void KX_CALL GetPrjMgr(IKxPrjMgr** manager, uintptr_t appWindow, uintptr_t errorWindow);
typedef void(KX_CALL* GetPrjMgrFn)(IKxPrjMgr**, uintptr_t, uintptr_t);
}

#endif  // WCTHRM_WCTHRM_H
