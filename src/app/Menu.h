#pragma once
// The program's one menu bar, shared by the application object and the main window: File,
// Edit, Test patterns and Help. The main window finds the items by their names.
#include "framework/menubar.h"

class Menu : public fw::MenuBar {
public:
  Menu();

  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Test patterns
  void Untitled4();  // Help
};

// The shared menu bar, built on the first call.
fw::Ref<class Menu> Menu();
// Shut-down: drops the shared instance.
void ReleaseMenu();
