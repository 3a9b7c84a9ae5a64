#include "Recovery.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "ProjectFile.h"

namespace wcthrm::host {

namespace {

QString Folder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

}  // namespace

QString RecoveryFilePath() { return Folder() + QStringLiteral("/recovery.wcthrm"); }

QString RecoveryOriginPath() { return Folder() + QStringLiteral("/recovery.origin"); }

bool RecoveryExists() { return QFile::exists(RecoveryFilePath()); }

void WriteRecovery(const Project& project, const QString& originalPath) {
  if (!QDir().mkpath(Folder()))
    throw ProjectFileError("cannot create the folder '" +
                           QDir::toNativeSeparators(Folder()).toStdString() + "'");
  SaveProjectFile(RecoveryFilePath(), project);
  if (originalPath.isEmpty()) {
    QFile::remove(RecoveryOriginPath());
    return;
  }
  QSaveFile origin(RecoveryOriginPath());
  if (!origin.open(QIODevice::WriteOnly) || origin.write(originalPath.toUtf8()) < 0 ||
      !origin.commit())
    throw ProjectFileError("cannot write '" + RecoveryOriginPath().toStdString() +
                           "': " + origin.errorString().toStdString());
}

Project ReadRecovery(QString* originalPath) {
  Project project = LoadProjectFile(RecoveryFilePath());
  if (originalPath) {
    originalPath->clear();
    QFile origin(RecoveryOriginPath());
    // A path without its project is no harm: the project is then untitled.
    if (origin.open(QIODevice::ReadOnly))
      *originalPath = QString::fromUtf8(origin.read(64 * 1024)).trimmed();
  }
  return project;
}

void RemoveRecovery() {
  QFile::remove(RecoveryFilePath());
  QFile::remove(RecoveryOriginPath());
}

}  // namespace wcthrm::host
