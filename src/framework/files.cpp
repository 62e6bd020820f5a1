#include "framework/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace fw {

namespace {
QString ToQt(const String& path) { return QString::fromStdString(path); }

// A save killed before its new file took the old one's place leaves that file behind, named
// as QSaveFile names it: the file's own name, a dot and six letters or digits. Only such
// names are removed, and only regular files.
void RemoveLeftoverSaves(const QString& path) {
  const QFileInfo target(path);
  const QRegularExpression leftover(
      QRegularExpression::anchoredPattern(QRegularExpression::escape(target.fileName()) + "\\.[A-Za-z0-9]{6}"));
  const QFileInfoList entries = target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
  for (const QFileInfo& entry : entries)
    if (leftover.match(entry.fileName()).hasMatch()) QFile::remove(entry.filePath());
}

// A folder that takes no new file (made read-only by its owner) can still hold a file that may
// be written: then the file itself is rewritten, and its old content is kept to put back.
Ref<BinaryStream> RewriteInPlace(const QString& path) {
  if (!QFileInfo(path).isFile()) return nullptr;
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return nullptr;
  const QByteArray previous = file->readAll();
  if (file->error() != QFileDevice::NoError || !file->seek(0)) return nullptr;
  return New<BinaryStream>(std::move(file), BinaryStream::Replacing{previous.toStdString(), {}});
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

Ref<BinaryStream> FolderItem::CreateBinaryFile(const String& /*type*/) const {
  const QString path = ToQt(path_);
  auto file = std::make_unique<QSaveFile>(path);
  if (!file->open(QIODevice::WriteOnly)) return RewriteInPlace(path);
  return New<BinaryStream>(std::move(file), BinaryStream::Replacing{{}, [path] { RemoveLeftoverSaves(path); }});
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
