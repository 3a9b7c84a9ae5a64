#include "HostLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QWidget>

#include "HostTexts.h"

namespace wcthrm::host {

namespace {

// tmp/ under the host folder, whatever its case; "tmp" when there is none yet.
QString TmpChild(const QString& hostFolder) {
  const QStringList dirs = QDir(hostFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& d : dirs)
    if (d.compare(QLatin1String("tmp"), Qt::CaseInsensitive) == 0) return d;
  return QStringLiteral("tmp");
}

QString UserFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

}  // namespace

QString ChooseHostFolder(const QString& executableFolder) {
  const QByteArray over = qgetenv("WCTHRM_HOST_FOLDER");
  if (!over.isEmpty()) return QString::fromLocal8Bit(over);
  const QString tree = QDir(QStringLiteral(WCTHRM_BUILD_TREE)).canonicalPath();
  const QString exe = QDir(executableFolder).canonicalPath();
  const bool inBuildTree = !tree.isEmpty() && (exe == tree || exe.startsWith(tree + u'/'));
  if (inBuildTree && QFileInfo(exe).isWritable()) return exe;
  return UserFolder();
}

QByteArray ConfigText() {
  QString text = QStringLiteral("[projectInfo]\r\nRecycleBinTypeId=%1\r\nKxPrjTypeId=%2\r\n"
                                "KxfolderTypeId=%3\r\n[wcthrm]\r\n")
                     .arg(kRecycleBinTypeId)
                     .arg(kProjectTypeId)
                     .arg(kFolderTypeId);
  for (const KindText& k : kKindTexts)
    text += QString::fromUtf8(k.configKey) + u'=' + QString::number(k.typeId) + QStringLiteral("\r\n");
  QStringEncoder gbk("GB18030");
  return gbk.encode(text);
}

bool EnsureConfig(const QString& hostFolder, QString* configPath) {
  const QString tmp = QDir(hostFolder).filePath(TmpChild(hostFolder));
  const QString path = QDir(tmp).filePath(QStringLiteral("config.ini"));
  if (configPath) *configPath = path;
  if (QFileInfo::exists(path)) return true;  // the user's own identifiers stay
  if (!QDir().mkpath(tmp)) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(ConfigText());
  return file.commit();
}

QStringList LibraryCandidates(const QString& executableFolder) {
  const QString name = QStringLiteral(WCTHRM_LIBRARY_FILE_NAME);
  const QDir exe(executableFolder);
  return {QDir::cleanPath(exe.filePath(name)),
          QDir::cleanPath(exe.filePath(QStringLiteral(WCTHRM_INSTALLED_LIBRARY_DIR "/") + name)),
          QStringLiteral(WCTHRM_BUILD_LIBRARY)};
}

HostLibrary::HostLibrary() {
  record_.context = this;
  record_.send = &HostLibrary::Receive;
}

HostLibrary::~HostLibrary() {
  // The library stays loaded to the end of the process: its dialogs live in this process's Qt,
  // and nothing may call into unloaded code. Only the error record goes.
  if (getPrjMgr_) {
    IKxPrjMgr* mgr = nullptr;
    getPrjMgr_(&mgr, 0, 0);
  }
  delete library_;
}

bool HostLibrary::Load() {
  const QString exeFolder = QCoreApplication::applicationDirPath();
  hostFolder_ = ChooseHostFolder(exeFolder);
  QString config;
  if (!EnsureConfig(hostFolder_, &config)) {
    // A folder we may not write to: the user's own data folder, unless the user named one.
    if (!qEnvironmentVariableIsEmpty("WCTHRM_HOST_FOLDER") || hostFolder_ == UserFolder() ||
        !EnsureConfig(UserFolder(), &config)) {
      error_ = texts::T(texts::kNoHostFolder).arg(QDir::toNativeSeparators(config));
      return false;
    }
    hostFolder_ = UserFolder();
  }
  // The library reads its host folder when it is loaded.
  qputenv("WCTHRM_HOST_FOLDER", QDir::toNativeSeparators(hostFolder_).toLocal8Bit());

  const QStringList candidates = LibraryCandidates(exeFolder);
  for (const QString& path : candidates) {
    if (!QFileInfo::exists(path)) continue;
    library_ = new QLibrary(path);
    libraryPath_ = path;
    if (!library_->load()) {
      error_ = texts::T(texts::kLibraryBroken).arg(QDir::toNativeSeparators(path),
                                                   library_->errorString());
      return false;
    }
    getPrjMgr_ = reinterpret_cast<GetPrjMgrFn>(library_->resolve("GetPrjMgr"));
    if (!getPrjMgr_) {
      error_ = texts::T(texts::kNoEntry).arg(QDir::toNativeSeparators(path),
                                             library_->errorString());
      return false;
    }
    return true;
  }
  QLibrary probe(candidates.last());
  probe.load();  // only for Qt's words on why nothing was found
  QStringList shown;
  for (const QString& c : candidates) shown << QDir::toNativeSeparators(c);
  error_ = texts::T(texts::kLibraryMissing).arg(shown.join(u'\n'), probe.errorString());
  return false;
}

IKxPrjMgr* HostLibrary::Connect(QWidget* window) {
  if (!getPrjMgr_) return nullptr;
  if (connected_ == window && manager_) return manager_;
  connected_ = window;
  // Off Windows the error window is the address of our record; the library calls it back.
  getPrjMgr_(&manager_, window ? static_cast<uintptr_t>(window->winId()) : 0,
             reinterpret_cast<uintptr_t>(&record_));
  return manager_;
}

void HostLibrary::Disconnect(QWidget* window) {
  if (connected_ != window || !getPrjMgr_) return;
  connected_ = nullptr;
  getPrjMgr_(&manager_, 0, reinterpret_cast<uintptr_t>(&record_));
}

intptr_t KX_CALL HostLibrary::Receive(void* context, uintptr_t, const KxCopyData* data) {
  auto* self = static_cast<HostLibrary*>(context);
  if (!data || !data->lpData) return 0;
  // cbData counts the terminating zero; never read past it even if the zero is missing.
  const auto* bytes = static_cast<const char*>(data->lpData);
  const auto n = qsizetype(qstrnlen(bytes, data->cbData));
  QStringDecoder gbk("GB18030");
  const QString text = gbk.decode(QByteArrayView(bytes, n));
  emit self->ErrorReceived(self->connected_, text);
  return 1;
}

}  // namespace wcthrm::host
