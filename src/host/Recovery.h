// The autosaved copy of an unsaved project, kept in the user's application data folder while
// the program runs and removed on a clean exit; finding it at start means the last run ended
// without the user closing the window. Beside the project it keeps the path of the file the
// project came from, if any.
#pragma once

#include <QString>

#include "ProjectData.h"

namespace wcthrm::host {

QString RecoveryFilePath();    // <AppDataLocation>/recovery.wcthrm
QString RecoveryOriginPath();  // <AppDataLocation>/recovery.origin: the original file's path

bool RecoveryExists();

// Both files written atomically, the project first. Throws ProjectFileError.
void WriteRecovery(const Project& project, const QString& originalPath);

// Throws ProjectFileError as LoadProjectFile does; originalPath is empty when none was kept.
Project ReadRecovery(QString* originalPath);

void RemoveRecovery();

}  // namespace wcthrm::host
