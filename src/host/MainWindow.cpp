#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QAbstractButton>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "HostLibrary.h"
#include "HostTexts.h"
#include "MainWindowParts.h"

namespace wcthrm::host {

using texts::T;

namespace {

// In-place renaming edits the caption alone, without the modified mark the item shows.
class CaptionDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
      line->setText(index.data(kCaptionRole).toString());
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
      model->setData(index, line->text(), kCaptionRole);
  }
};

bool IsContainer(int32_t typeId) { return typeId == kProjectTypeId || typeId == kFolderTypeId; }

// Every item of a subtree, the root first.
template <class F>
void ForSubtree(QTreeWidgetItem* item, const F& f) {
  f(item);
  for (int i = 0; i < item->childCount(); ++i) ForSubtree(item->child(i), f);
}

}  // namespace

MainWindow::MainWindow(HostLibrary& library, QWidget* parent)
    : QMainWindow(parent), library_(library) {
  SetFileName({});

  tree_ = new ProjectTree(this);
  tree_->setObjectName(QStringLiteral("projectTree"));
  tree_->setHeaderHidden(true);
  tree_->setItemDelegate(new CaptionDelegate(tree_));
  // Double-click and Enter open an item; renaming is F2 or the command.
  tree_->setEditTriggers(QAbstractItemView::EditKeyPressed);
  tree_->setContextMenuPolicy(Qt::ActionsContextMenu);
  setCentralWidget(tree_);
  tree_->canMove = [this](const QTreeWidgetItem* item, const QTreeWidgetItem* parent) {
    return CanMove(item, parent);
  };
  connect(tree_, &ProjectTree::MoveRequested, this, &MainWindow::MoveNode);

  log_ = new QTreeWidget(this);
  log_->setObjectName(QStringLiteral("errorLog"));
  log_->setHeaderLabels({T(texts::kLogTime), T(texts::kLogMessage)});
  log_->setWordWrap(true);
  log_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  logDock_ = new QDockWidget(T(texts::kErrorLog), this);
  logDock_->setObjectName(QStringLiteral("errorLogDock"));
  logDock_->setWidget(log_);
  addDockWidget(Qt::BottomDockWidgetArea, logDock_);

  connect(&library_, &HostLibrary::ErrorReceived, this,
          [this](QWidget* receiver, const QString& text) {
            if (receiver == this) AddError(text);
          });
  mgr_ = library_.Connect(this);

  CreateActions();
  EnsureRecycleBin();
  connect(tree_, &QTreeWidget::itemActivated, this, [this] { OpenCurrent(); });
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { UpdateActions(); });
  connect(tree_, &QTreeWidget::itemChanged, this,
          [this](QTreeWidgetItem* item) { CaptionEdited(item); });
  UpdateActions();
  // While the project has unsaved changes, a copy goes to the recovery file now and then.
  autosave_ = new QTimer(this);
  autosave_->setObjectName(QStringLiteral("autosaveTimer"));
  autosave_->setInterval(3 * 60 * 1000);
  connect(autosave_, &QTimer::timeout, this, &MainWindow::Autosave);
  autosave_->start();
  resize(960, 640);
}

MainWindow::~MainWindow() {
  ClearTree();
  library_.Disconnect(this);
}

void MainWindow::changeEvent(QEvent* event) {
  // The library's dialogs open over, and report to, the window the user works in.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) mgr_ = library_.Connect(this);
  QMainWindow::changeEvent(event);
}

void MainWindow::CreateActions() {
  QStyle* st = style();
  auto make = [this](const char* text, const char* name, const QIcon& icon, auto slot) {
    auto* a = new QAction(icon, T(text), this);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  newProject_ = make(texts::kNewProject, "actNewProject", IconOf(kProjectTypeId),
                     &MainWindow::NewProject);
  newFolder_ = make(texts::kNewFolder, "actNewFolder", IconOf(kFolderTypeId),
                    &MainWindow::NewFolder);
  for (const KindText& k : kKindTexts) {
    const int32_t id = k.typeId;
    QAction* a = make(k.caption, k.action, IconOf(id), [this, id] { NewItem(id); });
    a->setIconText(T(k.shortName));
    a->setToolTip(T(k.caption));
    newItems_ << a;
  }
  open_ = make(texts::kOpen, "actOpen", st->standardIcon(QStyle::SP_DialogOpenButton),
               &MainWindow::OpenCurrent);
  rename_ = make(texts::kRename, "actRename", QIcon(), &MainWindow::RenameCurrent);
  rename_->setShortcut(Qt::Key_F2);
  delete_ = make(texts::kDelete, "actDelete", st->standardIcon(QStyle::SP_TrashIcon),
                 &MainWindow::DeleteCurrent);
  delete_->setShortcut(QKeySequence::Delete);
  restore_ = make(texts::kRestore, "actRestore", st->standardIcon(QStyle::SP_ArrowBack),
                  &MainWindow::RestoreCurrent);
  emptyBin_ = make(texts::kEmptyBin, "actEmptyBin",
                   st->standardIcon(QStyle::SP_DialogDiscardButton), &MainWindow::EmptyRecycleBin);
  about_ = make(texts::kAbout, "actAbout", st->standardIcon(QStyle::SP_MessageBoxInformation),
                &MainWindow::About);
  const QList<QAction*> fileBar = CreateFileActions();

  QMenu* project = menuBar()->addMenu(T(texts::kMenuProject));
  project->addAction(newProject_);
  project->addAction(newFolder_);
  QMenu* newMenu = project->addMenu(T(texts::kMenuNew));
  newMenu->addActions(newItems_);
  project->addSeparator();
  project->addActions({open_, rename_, delete_});
  project->addSeparator();
  project->addActions({restore_, emptyBin_});
  menuBar()->addMenu(T(texts::kMenuView))->addAction(logDock_->toggleViewAction());
  menuBar()->addMenu(T(texts::kMenuHelp))->addAction(about_);

  QToolBar* bar = addToolBar(T(texts::kToolBar));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->addActions(fileBar);
  bar->addSeparator();
  bar->addActions({newProject_, newFolder_});
  bar->addSeparator();
  bar->addActions(newItems_);
  bar->addSeparator();
  bar->addActions({open_, delete_, restore_});

  auto separator = [this] {
    auto* s = new QAction(this);
    s->setSeparator(true);
    return s;
  };
  tree_->addActions({newProject_, newFolder_});
  tree_->addActions(newItems_);
  tree_->addActions({separator(), open_, rename_, delete_, separator(), restore_, emptyBin_});
  // The tree's shortcuts act on the tree only, so typing elsewhere is never taken for them.
  for (QAction* a : {rename_, delete_}) a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
}

void MainWindow::UpdateActions() {
  QTreeWidgetItem* item = tree_->currentItem();
  IKxObj* node = NodeOf(item);
  const bool live = node && item != bin_ && !InBin(item);
  const bool container = ContainerForNew() != nullptr;
  newFolder_->setEnabled(container);
  for (QAction* a : newItems_) a->setEnabled(container);
  open_->setEnabled(live && KindCaption(node->GetTypeId()));
  rename_->setEnabled(live);
  delete_->setEnabled(live);
  restore_->setEnabled(item && item->parent() == bin_ && bin_);
  emptyBin_->setEnabled(bin_ && bin_->childCount() > 0);
}

IKxObj* MainWindow::NodeOf(const QTreeWidgetItem* item) const {
  return item ? reinterpret_cast<IKxObj*>(item->data(0, kNodeRole).value<quintptr>()) : nullptr;
}

IKxObj* MainWindow::MakeNode(int32_t typeId, const char* captionUtf8) {
  if (!mgr_) return nullptr;
  IKxObj* node = nullptr;
  mgr_->CreateItem(&node, typeId);
  if (!node) return nullptr;  // the library reported why, if it was a fault
  node->SetIndex(nextIndex_++);
  node->SetCaption(ToGbk(T(captionUtf8)).constData());
  return node;
}

QTreeWidgetItem* MainWindow::AddNode(QTreeWidgetItem* parent, IKxObj* node, int position) {
  auto* item = new QTreeWidgetItem;
  item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
  item->setIcon(0, IconOf(node->GetTypeId()));
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  if (parent)
    parent->insertChild(position < 0 ? parent->childCount() : position, item);
  else
    tree_->insertTopLevelItem(position < 0 ? tree_->topLevelItemCount() : position, item);
  RefreshText(item);
  return item;
}

void MainWindow::RefreshText(QTreeWidgetItem* item) const {
  IKxObj* node = NodeOf(item);
  if (!node) return;
  const QString caption = CaptionOf(node);
  const QSignalBlocker quiet(tree_);  // a shown text is no edit of the caption
  item->setData(0, kCaptionRole, caption);
  item->setText(0, node->GetModified() ? caption + QStringLiteral(" *") : caption);
}

QTreeWidgetItem* MainWindow::ContainerForNew() const {
  QTreeWidgetItem* item = tree_->currentItem();
  IKxObj* node = NodeOf(item);
  if (!node || item == bin_ || InBin(item)) return nullptr;
  if (IsContainer(node->GetTypeId())) return item;
  QTreeWidgetItem* parent = item->parent();  // beside an item, in its folder
  return parent && IsContainer(NodeOf(parent)->GetTypeId()) ? parent : nullptr;
}

bool MainWindow::InBin(const QTreeWidgetItem* item) const {
  for (const QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
    if (p == bin_) return true;
  return false;
}

QTreeWidgetItem* MainWindow::FindByIndex(int32_t index) const {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if (*it == bin_ || InBin(*it)) continue;
    if (NodeOf(*it)->GetIndex() == index) return *it;
  }
  return nullptr;
}

void MainWindow::MarkChanged() {
  setWindowModified(true);
  if (mgr_) mgr_->SetModified(1);
}

void MainWindow::NewProject() {
  IKxObj* node = MakeNode(kProjectTypeId, texts::kNewProjectCaption);
  if (!node) return;
  node->SetP_index(0);
  // Projects stay above the recycle bin.
  QTreeWidgetItem* item = AddNode(nullptr, node, bin_ ? tree_->indexOfTopLevelItem(bin_) : -1);
  tree_->setCurrentItem(item);
  MarkChanged();
}

void MainWindow::NewFolder() { AddToContainer(kFolderTypeId, texts::kNewFolderCaption); }

void MainWindow::NewItem(int32_t typeId) {
  if (const char* caption = KindCaption(typeId)) AddToContainer(typeId, caption);
}

void MainWindow::AddToContainer(int32_t typeId, const char* captionUtf8) {
  QTreeWidgetItem* container = ContainerForNew();
  if (!container) return;
  IKxObj* node = MakeNode(typeId, captionUtf8);
  if (!node) return;
  node->SetP_index(NodeOf(container)->GetIndex());
  QTreeWidgetItem* item = AddNode(container, node);
  container->setExpanded(true);
  tree_->setCurrentItem(item);
  MarkChanged();
}

void MainWindow::OpenCurrent() {
  QTreeWidgetItem* item = tree_->currentItem();
  IKxObj* node = NodeOf(item);
  if (!node || item == bin_ || InBin(item) || !KindCaption(node->GetTypeId())) return;
  mgr_ = library_.Connect(this);
  const bool wasModified = node->GetModified();
  mgr_->EditItem(node);  // modal: returns when the user has closed the dialog
  RefreshText(item);
  if (!wasModified && node->GetModified()) MarkChanged();
}

void MainWindow::RenameCurrent() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!NodeOf(item) || item == bin_ || InBin(item)) return;
  tree_->editItem(item, 0);
}

void MainWindow::CaptionEdited(QTreeWidgetItem* item) {
  IKxObj* node = NodeOf(item);
  if (!node) return;
  const QString wanted = item->data(0, kCaptionRole).toString().trimmed();
  if (wanted == CaptionOf(node)) return;
  if (wanted.isEmpty()) {
    RefreshText(item);
    Inform(T(texts::kEmptyCaption));
    return;
  }
  node->SetCaption(ToGbk(wanted).constData());
  RefreshText(item);
  MarkChanged();
}

void MainWindow::SetDeletedBelow(QTreeWidgetItem* item, bool deleted) {
  ForSubtree(item, [&](QTreeWidgetItem* i) { NodeOf(i)->SetDeleted(deleted ? 1 : 0); });
}

void MainWindow::DeleteCurrent() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (!NodeOf(item) || item == bin_ || InBin(item)) return;
  QTreeWidgetItem* parent = item->parent();
  if (parent)
    parent->removeChild(item);
  else
    tree_->takeTopLevelItem(tree_->indexOfTopLevelItem(item));
  // A node in the bin keeps the index of the parent it came from in P_index, so that it can
  // go back there, also after the project was saved and opened again.
  bin_->addChild(item);
  SetDeletedBelow(item, true);
  tree_->setCurrentItem(parent ? parent : bin_);
  MarkChanged();
  UpdateActions();
}

void MainWindow::RestoreCurrent() {
  QTreeWidgetItem* item = tree_->currentItem();
  IKxObj* node = NodeOf(item);
  if (!node || !bin_ || item->parent() != bin_) return;
  const int32_t origin = node->GetP_index();
  QTreeWidgetItem* target = origin > 0 ? FindByIndex(origin) : nullptr;
  if (origin > 0 && !target) {
    Inform(T(texts::kRestoreNoPlace).arg(CaptionOf(node)));
    return;
  }
  bin_->removeChild(item);
  if (target) {
    target->addChild(item);
    target->setExpanded(true);
  } else {
    tree_->insertTopLevelItem(tree_->indexOfTopLevelItem(bin_), item);
  }
  node->SetP_index(target ? NodeOf(target)->GetIndex() : 0);
  SetDeletedBelow(item, false);
  tree_->setCurrentItem(item);
  MarkChanged();
  UpdateActions();
}

void MainWindow::EmptyRecycleBin() {
  if (!bin_ || bin_->childCount() == 0 || !mgr_) return;
  int count = -1;  // the bin itself is not counted
  ForSubtree(bin_, [&](QTreeWidgetItem*) { ++count; });
  if (!Confirm(T(texts::kEmptyBinQuestion).arg(count))) return;
  for (int i = 0; i < bin_->childCount(); ++i)
    ForSubtree(bin_->child(i), [&](QTreeWidgetItem* it) {
      NodeOf(it)->SetInnerDel(1);
      foreignValues_.remove(it);
    });
  mgr_->PurgeDeleted();
  qDeleteAll(bin_->takeChildren());
  tree_->setCurrentItem(bin_);
  MarkChanged();
  UpdateActions();
}

void MainWindow::About() {
  const QString version = mgr_ ? FromGbk(mgr_->GetDllDescription()) : QString();
  QMessageBox::about(this, T(texts::kAboutTitle),
                     T(texts::kAboutText)
                         .arg(version, QDir::toNativeSeparators(library_.libraryPath())));
}

bool MainWindow::Confirm(const QString& text) {
  QMessageBox box(QMessageBox::Question, T(texts::kAppTitle), text,
                  QMessageBox::Yes | QMessageBox::No, this);
  box.button(QMessageBox::Yes)->setText(T(texts::kYes));
  box.button(QMessageBox::No)->setText(T(texts::kNo));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void MainWindow::Inform(const QString& text) {
  QMessageBox::information(this, T(texts::kAppTitle), text);
}

void MainWindow::AddError(const QString& text) {
  // "message$report": the report is folded under its message.
  const qsizetype dollar = text.indexOf(u'$');
  if (dollar < 0)
    AddLogEntry(text, {});
  else
    AddLogEntry(text.left(dollar), text.mid(dollar + 1));
}

void MainWindow::AddLogEntry(const QString& message, const QString& report) {
  auto* entry = new QTreeWidgetItem(log_);
  entry->setText(0, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
  entry->setText(1, message.isEmpty() ? T(texts::kLogNoMessage) : message);
  entry->setToolTip(1, message);
  if (!report.isEmpty()) {
    auto* detail = new QTreeWidgetItem(entry);
    detail->setText(0, T(texts::kLogReport));
    detail->setText(1, report);
    detail->setToolTip(1, report);
  }
  entry->setExpanded(false);
  log_->scrollToItem(entry);
  logDock_->show();
  logDock_->raise();
}

void MainWindow::ClearTree() {
  bool any = false;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    NodeOf(*it)->SetInnerDel(1);  // the manager's list forgets the nodes this tree drops
    any = true;
  }
  if (any && mgr_) mgr_->PurgeDeleted();
  tree_->clear();
  bin_ = nullptr;
  foreignValues_.clear();
  nextIndex_ = 1;
}

void MainWindow::EnsureRecycleBin() {
  if (bin_) return;
  IKxObj* node = MakeNode(kRecycleBinTypeId, texts::kRecycleBin);
  if (!node) return;
  node->SetP_index(0);
  bin_ = AddNode(nullptr, node);
  bin_->setFlags(bin_->flags() & ~Qt::ItemIsEditable);
}

}  // namespace wcthrm::host

namespace wcthrm::host {

bool MainWindow::CanMove(const QTreeWidgetItem* item, const QTreeWidgetItem* parent) const {
  IKxObj* node = NodeOf(item);
  // The bin and what it holds move only through delete and restore.
  if (!node || item == bin_ || InBin(item) || parent == bin_ || (parent && InBin(parent)))
    return false;
  // Projects stay at the top; everything else goes into a project or a folder.
  if (node->GetTypeId() == kProjectTypeId) return parent == nullptr;
  IKxObj* target = NodeOf(parent);
  return target && IsContainer(target->GetTypeId());
}

bool MainWindow::MoveNode(QTreeWidgetItem* item, QTreeWidgetItem* parent, int position) {
  if (!CanMove(item, parent)) return false;
  for (const QTreeWidgetItem* p = parent; p; p = p->parent())
    if (p == item) return false;  // never into itself
  QTreeWidgetItem* from = item->parent();
  const int fromRow = from ? from->indexOfChild(item) : tree_->indexOfTopLevelItem(item);
  // Taking the item out first shifts the places after it in the same parent by one.
  if (from == parent && position > fromRow) --position;
  const bool expanded = item->isExpanded();
  if (from) {
    from->takeChild(fromRow);
  } else {
    tree_->takeTopLevelItem(fromRow);
  }
  if (parent) {
    parent->insertChild(position < 0 ? parent->childCount() : position, item);
    parent->setExpanded(true);
  } else {
    // Projects stay above the recycle bin, which is the last top-level node.
    const int last = bin_ ? tree_->indexOfTopLevelItem(bin_) : tree_->topLevelItemCount();
    tree_->insertTopLevelItem(position < 0 || position > last ? last : position, item);
  }
  item->setExpanded(expanded);
  NodeOf(item)->SetP_index(parent ? NodeOf(parent)->GetIndex() : 0);
  tree_->setCurrentItem(item);
  UpdateActions();
  MarkChanged();
  return true;
}

}  // namespace wcthrm::host
