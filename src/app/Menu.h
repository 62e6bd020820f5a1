#pragma once
// The program's one menu bar, shared by the application object and the main window.
#include "framework/menubar.h"

class Menu : public fw::MenuBar {
public:
  Menu();
};

// The shared menu bar, built on the first call.
fw::Ref<class Menu> Menu();
// Shut-down: drops the shared instance.
void ReleaseMenu();
