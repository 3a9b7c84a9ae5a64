// The window's project files: new, open, save, save as, the recent files, the question about
// unsaved changes, and the autosaved recovery copy.
#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "HostTexts.h"
#include "MainWindow.h"
#include "MainWindowParts.h"
#include "ProjectFile.h"
#include "Recovery.h"

namespace wcthrm::host {

using texts::T;

namespace {

constexpr int kMaxRecentFiles = 8;
const QString kRecentKey = QStringLiteral("recentFiles");
const QString kSuffix = QStringLiteral("wcthrm");

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString What(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace

QList<QAction*> MainWindow::CreateFileActions() {
  QStyle* st = style();
  auto make = [this](const char* text, const char* name, const QIcon& icon,
                     QKeySequence::StandardKey key, auto slot) {
    auto* a = new QAction(icon, T(text), this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QAction* newFile = make(texts::kNewFile, "actNewFile", st->standardIcon(QStyle::SP_FileIcon),
                          QKeySequence::New, &MainWindow::NewFile);
  QAction* open = make(texts::kOpenFile, "actOpenFile", st->standardIcon(QStyle::SP_DirOpenIcon),
                       QKeySequence::Open, [this] { OpenFile(); });
  QAction* save = make(texts::kSave, "actSave", st->standardIcon(QStyle::SP_DialogSaveButton),
                       QKeySequence::Save, [this] { Save(); });
  QAction* saveAs =
      make(texts::kSaveAs, "actSaveAs", QIcon(), QKeySequence::SaveAs, [this] { SaveAs(); });
  QAction* quit = make(texts::kQuit, "actQuit", QIcon(), QKeySequence::Quit, &QWidget::close);

  QMenu* file = menuBar()->addMenu(T(texts::kMenuFile));
  file->addActions({newFile, open, save, saveAs});
  file->addSeparator();
  recentMenu_ = file->addMenu(T(texts::kRecentFiles));
  recentMenu_->setObjectName(QStringLiteral("recentFilesMenu"));
  file->addSeparator();
  file->addAction(quit);
  UpdateRecentMenu();
  return {newFile, open, save};
}

// ---- the recent files -------------------------------------------------------------------

QStringList MainWindow::RecentFiles() const { return QSettings().value(kRecentKey).toStringList(); }

void MainWindow::SetRecent(const QStringList& paths) {
  QSettings().setValue(kRecentKey, paths.mid(0, kMaxRecentFiles));
  UpdateRecentMenu();
}

void MainWindow::AddRecent(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QStringList paths = RecentFiles();
  paths.removeAll(full);
  paths.prepend(full);
  SetRecent(paths);
}

void MainWindow::UpdateRecentMenu() {
  if (!recentMenu_) return;
  recentMenu_->clear();
  const QStringList paths = RecentFiles();
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    // "&1 name.wcthrm", the whole path as the tip.
    QAction* a =
        recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
    a->setObjectName(QStringLiteral("actRecent%1").arg(i + 1));
    a->setToolTip(Shown(path));
    a->setStatusTip(Shown(path));
    connect(a, &QAction::triggered, this, [this, path] { OpenFile(path); });
  }
  recentMenu_->setEnabled(!paths.isEmpty());
}

// ---- the project and its file ---------------------------------------------------------------

void MainWindow::SetFileName(const QString& path) {
  fileName_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
  const QString name = fileName_.isEmpty() ? T(texts::kUntitled) : QFileInfo(fileName_).fileName();
  setWindowTitle(name + QStringLiteral("[*] - ") + T(texts::kAppTitle));
}

void MainWindow::MarkSaved() {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    NodeOf(*it)->SetModified(0);
    RefreshText(*it);
  }
  if (mgr_) mgr_->SetModified(0);
  setWindowModified(false);
}

void MainWindow::ShowNewProject() {
  ClearTree();
  EnsureRecycleBin();
  NewProject();
  MarkSaved();
  SetFileName({});
  UpdateActions();
}

bool MainWindow::MaybeSave() {
  if (!isWindowModified()) return true;
  switch (AskSaveChanges()) {
    case SaveAnswer::Save:
      return Save();
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

void MainWindow::NewFile() {
  if (!MaybeSave()) return;
  ShowNewProject();
  RemoveRecovery();  // what it held was saved or given up
}

bool MainWindow::OpenFile() {
  if (!MaybeSave()) return false;
  const QString path = AskOpenPath();
  return !path.isEmpty() && LoadFile(path);
}

bool MainWindow::OpenFile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    QStringList paths = RecentFiles();
    if (paths.removeAll(QFileInfo(path).absoluteFilePath()) > 0) SetRecent(paths);
    Inform(T(texts::kRecentMissing).arg(Shown(path)));
    return false;
  }
  return MaybeSave() && LoadFile(path);
}

bool MainWindow::LoadFile(const QString& path) {
  Project project;
  try {
    project = LoadProjectFile(path);
  } catch (const ProjectFileError& e) {
    Inform(T(texts::kCannotOpen).arg(Shown(path), What(e)));
    return false;
  }
  ShowProject(project);
  MarkSaved();
  SetFileName(path);
  AddRecent(path);
  RemoveRecovery();
  return true;
}

bool MainWindow::Save() { return fileName_.isEmpty() ? SaveAs() : SaveTo(fileName_); }

bool MainWindow::SaveAs() {
  const QString path = AskSavePath();
  return !path.isEmpty() && SaveTo(path);
}

bool MainWindow::SaveTo(const QString& path) {
  try {
    SaveProjectFile(path, CurrentProject());
  } catch (const ProjectFileError& e) {
    Inform(T(texts::kCannotSave).arg(Shown(path), What(e)));
    return false;
  }
  MarkSaved();
  SetFileName(path);
  AddRecent(path);
  RemoveRecovery();
  return true;
}

// ---- autosave and recovery ------------------------------------------------------------------

void MainWindow::setAutosaveInterval(int milliseconds) { autosave_->setInterval(milliseconds); }

void MainWindow::Autosave() {
  if (!isWindowModified()) return;
  try {
    WriteRecovery(CurrentProject(), fileName_);
  } catch (const ProjectFileError& e) {
    AddLogEntry(T(texts::kAutosaveFailed).arg(What(e)), {});
  }
}

bool MainWindow::OfferRecovery() {
  if (!RecoveryExists()) return false;
  if (!Confirm(T(texts::kRecoveryQuestion))) {
    RemoveRecovery();
    return false;
  }
  QString origin;
  Project project;
  try {
    project = ReadRecovery(&origin);
  } catch (const ProjectFileError& e) {
    Inform(T(texts::kRecoveryBroken).arg(Shown(RecoveryFilePath()), What(e)));
    RemoveRecovery();
    return false;
  }
  ShowProject(project);
  SetFileName(origin);
  MarkChanged();  // recovered changes are still unsaved
  return true;
}

void MainWindow::Start(const QString& projectPath) {
  const bool recovered = OfferRecovery();
  if (!projectPath.isEmpty() && (recovered ? OpenFile(projectPath) : LoadFile(projectPath))) return;
  if (!recovered) ShowNewProject();
}

// ---- questions ------------------------------------------------------------------------------

MainWindow::SaveAnswer MainWindow::AskSaveChanges() {
  QMessageBox box(QMessageBox::Question, T(texts::kAppTitle), T(texts::kSaveChangesQuestion),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.button(QMessageBox::Save)->setText(T(texts::kSaveButton));
  box.button(QMessageBox::Discard)->setText(T(texts::kDiscardButton));
  box.button(QMessageBox::Cancel)->setText(T(texts::kCancelButton));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Cancel;
  }
}

QString MainWindow::AskOpenPath() {
  return QFileDialog::getOpenFileName(this, T(texts::kOpenFileTitle),
                                      fileName_.isEmpty() ? QString() : QFileInfo(fileName_).path(),
                                      T(texts::kFileFilter));
}

QString MainWindow::AskSavePath() {
  QFileDialog dialog(this, T(texts::kSaveAsTitle), fileName_, T(texts::kFileFilter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(kSuffix);
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
             ? dialog.selectedFiles().constFirst()
             : QString();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!MaybeSave()) {
    event->ignore();
    return;
  }
  RemoveRecovery();  // a clean exit: nothing to recover next time
  event->accept();
}

}  // namespace wcthrm::host
