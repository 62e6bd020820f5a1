#pragma once
// What an installed program finds beside its install prefix, and how it names itself to the
// desktop. Framework-internal: it speaks Qt.
#include <QIcon>
#include <QString>

namespace fw {

// The data folder (share/) of the prefix the program is installed under, found relative to the
// program's own folder, so an install under any prefix works.
QString InstalledDataFolder();

// The program's icon from its resources: the pictures installed into the icon theme, every size,
// so that a window shows it wherever the program was started from.
QIcon ProgramIcon();

// Gives Qt the desktop entry's name (the window's application id on Wayland) and the program's
// icon as every window's icon.
void IntroduceToDesktop();

}  // namespace fw
