#include "framework/installed.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

// The build gives the desktop entry's id and the path from the program's folder to the data
// folder (GNUInstallDirs: bin/ to share/).
#if !defined(QUARVEL_APP_ID) || !defined(QUARVEL_DATA_FROM_BIN)
#error "QUARVEL_APP_ID and QUARVEL_DATA_FROM_BIN must come from the build"
#endif

namespace fw {

QString InstalledDataFolder() {
  return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(QUARVEL_DATA_FROM_BIN));
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) icon.addFile(size.filePath());
  return icon;
}

void IntroduceToDesktop() {
  QGuiApplication::setDesktopFileName(QStringLiteral(QUARVEL_APP_ID));
  QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace fw
