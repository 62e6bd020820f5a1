#pragma once
// What an installed program finds beside its install prefix, and how it names itself to the
// desktop. Framework-internal: it speaks Qt.
#include <QString>

namespace fw {

// The data folder (share/) of the prefix the program is installed under, found relative to the
// program's own folder, so an install under any prefix works.
QString InstalledDataFolder();

// Gives Qt the desktop entry's name (the window's application id on Wayland) and the application
// icon from the icon theme, which also looks under the program's own data folder.
void IntroduceToDesktop();

}  // namespace fw
