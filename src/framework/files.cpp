#include "framework/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace fw {

namespace {
QString ToQt(const String& path) { return QString::fromStdString(path); }

// A save's new file is hidden and carries a fixed word, so that its name cannot be taken for
// one of the user's files: ".Quarvel.saving-" and six letters or digits.
constexpr int kRandomLetters = 6;
QString SavingPrefix(const QFileInfo& target) { return "." + target.fileName() + ".saving-"; }

// The new file beside the target, made with the target's permissions (a new target gets the
// usual ones less the umask); nil when the folder takes no new file.
std::unique_ptr<QFile> CreateSavingFile(const QFileInfo& target) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  const QFileDevice::Permissions permissions =
      target.exists() ? target.permissions()
                      : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
  for (int attempt = 0; attempt < 100; ++attempt) {
    QString name = SavingPrefix(target);
    for (int i = 0; i < kRandomLetters; ++i)
      name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    auto file = std::make_unique<QFile>(target.dir().filePath(name));
    if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions)) {
      if (target.exists()) file->setPermissions(permissions);
      return file;
    }
    // Another name is worth a try only when this one was taken.
    if (!QFileInfo::exists(file->fileName())) return nullptr;
  }
  return nullptr;
}

// A save killed before its new file took the old one's place leaves that file behind. Only
// names the save itself gives are removed, and only regular files.
void RemoveLeftoverSaves(const QFileInfo& target) {
  const QRegularExpression leftover(QRegularExpression::anchoredPattern(
      QRegularExpression::escape(SavingPrefix(target)) + QString("[A-Za-z0-9]{%1}").arg(kRandomLetters)));
  const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
  for (const QFileInfo& entry : entries)
    if (leftover.match(entry.fileName()).hasMatch()) QFile::remove(entry.filePath());
}

// A folder that takes no new file (made read-only by its owner) can still hold a file that may
// be written: then the file itself is rewritten, and its old content is kept to put back unless
// it is longer than keepUpTo bytes.
Ref<BinaryStream> RewriteInPlace(const QString& path, std::int64_t keepUpTo) {
  if (!QFileInfo(path).isFile()) return nullptr;
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return nullptr;
  BinaryStream::Replacing replacing{{}, true, std::nullopt, {}};
  if (file->size() <= keepUpTo) {
    String previous(static_cast<std::size_t>(file->size()), '\0');
    if (file->read(previous.data(), file->size()) != file->size()) return nullptr;
    replacing.previous = std::move(previous);
  }
  if (!file->seek(0)) return nullptr;
  return New<BinaryStream>(std::move(file), std::move(replacing));
}
}  // namespace

Ref<FolderItem> FolderItem::Child(const String& name) const { return New<FolderItem>(path_ + "/" + name); }

bool FolderItem::Exists() const { return QFileInfo::exists(ToQt(path_)); }

Ref<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite) const {
  if (!QFileInfo(ToQt(path_)).isFile()) return nullptr;
  auto file = std::make_unique<QFile>(ToQt(path_));
  const QIODevice::OpenMode mode = readWrite ? QIODevice::ReadWrite | QIODevice::ExistingOnly : QIODevice::ReadOnly;
  if (!file->open(mode)) return nullptr;
  return New<BinaryStream>(std::move(file));
}

Ref<BinaryStream> FolderItem::CreateBinaryFile(const String& /*type*/, std::int64_t keepUpTo) const {
  const QString path = ToQt(path_);
  QFileInfo target(path);
  if (target.exists() && (!target.isFile() || !target.isWritable())) return nullptr;
  // Through a link, the file it leads to is replaced and the link stays.
  if (target.isSymLink() && target.exists()) target = QFileInfo(target.canonicalFilePath());
  if (auto file = CreateSavingFile(target))
    return New<BinaryStream>(std::move(file), BinaryStream::Replacing{target.filePath().toStdString(), false,
                                                                      std::nullopt,
                                                                      [target] { RemoveLeftoverSaves(target); }});
  return RewriteInPlace(path, keepUpTo);
}

Ref<FolderItem> PreferencesFolder() {
  QString path = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (path.isEmpty() || QDir::isRelativePath(path)) path = QDir::homePath() + "/.config";
  path = QDir::cleanPath(path);
  if (!QFileInfo::exists(path) && QDir().mkpath(path))
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return New<FolderItem>(path.toStdString());
}

}  // namespace fw
