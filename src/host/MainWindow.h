// The host's window: the project tree of library nodes (projects, folders, calculation items
// and the one recycle bin), the commands on it, and the error log of what the library reports.
// Every tree item carries the IKxObj it stands for; the tree's order and nesting are the
// project's, and each node's P_index follows its parent's index.
#pragma once

#include <QHash>
#include <QSet>
#include <QMainWindow>

#include "ProjectData.h"
#include "wcthrm/wcthrm.h"

class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class QDockWidget;

namespace wcthrm::host {

class HostLibrary;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(HostLibrary& library, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The tree as the project file keeps it; ShowProject replaces the tree with one made from it.
  Project CurrentProject() const;
  void ShowProject(const Project& project);

  QTreeWidget* tree() const { return tree_; }
  QTreeWidgetItem* recycleBin() const { return bin_; }
  QTreeWidget* errorLog() const { return log_; }
  IKxObj* NodeOf(const QTreeWidgetItem* item) const;

  // The commands, on the current tree item.
  void NewProject();
  void NewFolder();
  void NewItem(int32_t typeId);
  void OpenCurrent();
  void RenameCurrent();
  void DeleteCurrent();
  void RestoreCurrent();
  void EmptyRecycleBin();
  void About();

 protected:
  // Questions and notices to the user; a test answers them without a modal box.
  virtual bool Confirm(const QString& text);
  virtual void Inform(const QString& text);
  void changeEvent(QEvent* event) override;

 private:
  void CreateActions();
  void UpdateActions();
  void AddError(const QString& text);
  void AddLogEntry(const QString& message, const QString& report);
  void MarkChanged();

  // Tree items and their nodes.
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, IKxObj* node, int position = -1);
  IKxObj* MakeNode(int32_t typeId, const char* captionUtf8);
  QTreeWidgetItem* ContainerForNew() const;
  bool InBin(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* FindByIndex(int32_t index) const;
  void RefreshText(QTreeWidgetItem* item) const;
  void SetDeletedBelow(QTreeWidgetItem* item, bool deleted);
  void CaptionEdited(QTreeWidgetItem* item);
  void ClearTree();
  void EnsureRecycleBin();
  ProjectNode NodeData(const QTreeWidgetItem* item) const;
  QTreeWidgetItem* BuildNode(QTreeWidgetItem* parent, const ProjectNode& data, QSet<int32_t>& used);

  HostLibrary& library_;
  IKxPrjMgr* mgr_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QTreeWidgetItem* bin_ = nullptr;
  QTreeWidget* log_ = nullptr;
  QDockWidget* logDock_ = nullptr;
  int32_t nextIndex_ = 1;
  // Values of nodes of a type the library did not know, kept so saving loses nothing.
  QHash<const QTreeWidgetItem*, std::vector<NamedValue>> foreignValues_;

  QAction* newProject_ = nullptr;
  QAction* newFolder_ = nullptr;
  QList<QAction*> newItems_;
  QAction* open_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* restore_ = nullptr;
  QAction* emptyBin_ = nullptr;
  QAction* about_ = nullptr;
};

}  // namespace wcthrm::host
