// The host's window: the project tree of library nodes (projects, folders, calculation items
// and the one recycle bin), the commands on it, and the error log of what the library reports.
// Every tree item carries the IKxObj it stands for; the tree's order and nesting are the
// project's, and each node's P_index follows its parent's index.
#pragma once

#include <QHash>
#include <QSet>
#include <QMainWindow>
#include <QStringList>

#include "ProjectData.h"
#include "ProjectTree.h"
#include "wcthrm/wcthrm.h"

class QAction;
class QMenu;
class QTimer;
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
  // Whether the user may move item into parent (nullptr: the top level) by drag and drop.
  bool CanMove(const QTreeWidgetItem* item, const QTreeWidgetItem* parent) const;
  // Moves item into parent at position (-1: the end), as a drop does; false when not allowed.
  bool MoveNode(QTreeWidgetItem* item, QTreeWidgetItem* parent, int position = -1);
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

  // Project files. The commands that replace the project ask first whether to save its
  // changes; false when nothing was done (cancelled, or the file could not be read or written,
  // which was reported). A file that cannot be opened changes nothing.
  void NewFile();
  bool OpenFile();                        // asks for the file
  bool OpenFile(const QString& path);     // a recent file, or one given otherwise
  bool Save();                            // to the current file, or as a new one
  bool SaveAs();
  bool SaveTo(const QString& path);
  const QString& fileName() const { return fileName_; }
  QStringList RecentFiles() const;

  // At start: the recovery question when the last run left an autosaved project, then the
  // project of the command line, else a new project.
  void Start(const QString& projectPath);
  // Writes the recovery file now if the project has unsaved changes.
  void Autosave();
  void setAutosaveInterval(int milliseconds);

  enum class SaveAnswer { Save, Discard, Cancel };

 protected:
  // Questions and notices to the user; a test answers them without a modal box.
  virtual bool Confirm(const QString& text);
  virtual void Inform(const QString& text);
  virtual SaveAnswer AskSaveChanges();
  // The file to open or to save to; empty when the user cancelled.
  virtual QString AskOpenPath();
  virtual QString AskSavePath();
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  QList<QAction*> CreateFileActions();
  void UpdateRecentMenu();
  void AddRecent(const QString& path);
  void SetRecent(const QStringList& paths);
  bool MaybeSave();
  bool LoadFile(const QString& path);
  bool OfferRecovery();
  void ShowNewProject();
  void SetFileName(const QString& path);
  void MarkSaved();
  void UpdateActions();
  void AddError(const QString& text);
  void AddLogEntry(const QString& message, const QString& report);
  void MarkChanged();

  // Tree items and their nodes.
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, IKxObj* node, int position = -1);
  IKxObj* MakeNode(int32_t typeId, const char* captionUtf8);
  // A new node of typeId in the container of the current node, made current.
  void AddToContainer(int32_t typeId, const char* captionUtf8);
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
  ProjectTree* tree_ = nullptr;
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

  QString fileName_;  // empty: untitled
  QMenu* recentMenu_ = nullptr;
  QTimer* autosave_ = nullptr;
};

}  // namespace wcthrm::host
