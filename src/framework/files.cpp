#include "framework/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fw {

namespace {
QString ToQt(const String& path) { return QString::fromStdString(path); }
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
  auto file = std::make_unique<QSaveFile>(ToQt(path_));
  if (!file->open(QIODevice::WriteOnly)) return nullptr;
  return New<BinaryStream>(std::move(file));
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
