// The window's tree to and from host::Project: each node's named values as its WriteToList
// leaves them, texts in UTF-8; restoring fills the node's list and has it read the list.
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

#include "HostTexts.h"
#include "MainWindow.h"
#include "MainWindowParts.h"

namespace wcthrm::host {

namespace {

std::string Utf8(const QString& s) { return s.toStdString(); }

Value FromKx(const KxValue& v) {
  Value out;
  switch (v.tag) {
    case KX_VT_INT32: out.type = Value::Type::Int; out.asInt = v.asInt32; break;
    case KX_VT_DOUBLE: out.type = Value::Type::Double; out.asDouble = v.asDouble; break;
    case KX_VT_BOOL: out.type = Value::Type::Bool; out.asBool = v.asBool != 0; break;
    case KX_VT_TEXT:
      out.type = Value::Type::Text;
      out.asText = Utf8(FromGbk(v.asText));
      break;
    default: break;  // empty
  }
  return out;
}

// text keeps the GBK bytes alive until the list has copied them.
KxValue ToKx(const Value& v, QByteArray& text) {
  KxValue out{};
  switch (v.type) {
    case Value::Type::Empty: out.tag = KX_VT_EMPTY; break;
    case Value::Type::Int: out.tag = KX_VT_INT32; out.asInt32 = v.asInt; break;
    case Value::Type::Double: out.tag = KX_VT_DOUBLE; out.asDouble = v.asDouble; break;
    case Value::Type::Bool: out.tag = KX_VT_BOOL; out.asBool = v.asBool ? 1 : 0; break;
    case Value::Type::Text:
      text = ToGbk(QString::fromStdString(v.asText));
      out.tag = KX_VT_TEXT;
      out.asText = text.constData();
      break;
  }
  return out;
}

// The last value of that name, as the library's list looks names up.
const Value* Find(const ProjectNode& data, const char* name) {
  const Value* found = nullptr;
  for (const NamedValue& nv : data.values)
    if (QString::fromStdString(nv.name).trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
      found = &nv.value;
  return found;
}

}  // namespace

ProjectNode MainWindow::NodeData(const QTreeWidgetItem* item) const {
  ProjectNode data;
  IKxObj* node = NodeOf(item);
  data.typeId = node->GetTypeId();
  node->WriteToList();
  IKxValueList* list = node->GetValueList();
  const int32_t n = list ? list->Count() : 0;
  for (int32_t i = 0; i < n; ++i) {
    KxValue v{};
    list->ValueAt(i, &v);
    data.values.push_back({Utf8(FromGbk(list->NameAt(i))), FromKx(v)});
  }
  // A node of a kind the library does not know writes only its identity; the rest it came
  // with is kept as it was.
  if (auto it = foreignValues_.find(item); it != foreignValues_.end()) {
    for (const NamedValue& kept : *it) {
      bool written = false;
      for (const NamedValue& w : data.values)
        written = written || QString::fromStdString(w.name).compare(
                                 QString::fromStdString(kept.name), Qt::CaseInsensitive) == 0;
      if (!written) data.values.push_back(kept);
    }
  }
  for (int i = 0; i < item->childCount(); ++i) data.children.push_back(NodeData(item->child(i)));
  return data;
}

Project MainWindow::CurrentProject() const {
  Project project;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i)
    project.roots.push_back(NodeData(tree_->topLevelItem(i)));
  return project;
}

QTreeWidgetItem* MainWindow::BuildNode(QTreeWidgetItem* parent, const ProjectNode& data,
                                       QSet<int32_t>& used) {
  if (!parent && data.typeId == kRecycleBinTypeId && bin_) {
    // One bin per tree: what a second one holds goes into the first.
    for (const ProjectNode& child : data.children) BuildNode(bin_, child, used);
    return nullptr;
  }
  IKxObj* node = nullptr;
  mgr_->CreateItem(&node, data.typeId);
  const bool foreign = node == nullptr;
  if (foreign) mgr_->CreateNode(&node);
  if (!node) return nullptr;

  IKxValueList* list = node->GetValueList();
  list->Clear();
  for (const NamedValue& nv : data.values) {
    QByteArray text;
    const KxValue v = ToKx(nv.value, text);
    list->Add(ToGbk(QString::fromStdString(nv.name)).constData(), &v);
  }
  node->ReadFromList();
  // Some kinds read only their own values; the identity the host stored is set here for all.
  node->SetTypeId(data.typeId);  // the node's kind is the one it was created as
  if (const Value* caption = Find(data, "caption"); caption && caption->type == Value::Type::Text)
    node->SetCaption(ToGbk(QString::fromStdString(caption->asText)).constData());
  if (const Value* index = Find(data, "index"); index && index->type == Value::Type::Int)
    node->SetIndex(index->asInt);
  if (const Value* parentIndex = Find(data, "P_index");
      parentIndex && parentIndex->type == Value::Type::Int)
    node->SetP_index(parentIndex->asInt);

  int32_t index = node->GetIndex();
  if (index <= 0 || used.contains(index)) {
    index = nextIndex_;
    node->SetIndex(index);
  }
  used.insert(index);
  nextIndex_ = std::max(nextIndex_, index + 1);
  // Bin entries keep the parent they came from; everything else hangs where the tree says.
  if (!parent)
    node->SetP_index(0);
  else if (parent != bin_)
    node->SetP_index(NodeOf(parent)->GetIndex());

  QTreeWidgetItem* item = AddNode(parent, node);
  if (!parent && data.typeId == kRecycleBinTypeId) {
    bin_ = item;
    bin_->setFlags(bin_->flags() & ~Qt::ItemIsEditable);
  }
  if (foreign) {
    foreignValues_.insert(item, data.values);
    AddLogEntry(texts::T(texts::kUnknownNode).arg(data.typeId).arg(CaptionOf(node)), {});
  }
  for (const ProjectNode& child : data.children) BuildNode(item, child, used);
  return item;
}

void MainWindow::ShowProject(const Project& project) {
  ClearTree();
  if (!mgr_) return;
  QSet<int32_t> used;
  for (const ProjectNode& root : project.roots) BuildNode(nullptr, root, used);
  EnsureRecycleBin();
  if (bin_)
    for (int i = 0; i < bin_->childCount(); ++i) SetDeletedBelow(bin_->child(i), true);
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) RefreshText(*it);
  tree_->expandAll();
  if (bin_) bin_->setExpanded(false);
  tree_->setCurrentItem(tree_->topLevelItem(0));
  setWindowModified(false);
  mgr_->SetModified(0);
  UpdateActions();
}

}  // namespace wcthrm::host
