#pragma once
// The main window, the control window of the program.
#include "framework/window.h"

class wMain : public fw::Window {
protected:
  void Layout() override;
  void Event_Close() override;
};

// The main window's default instance, made and opened on the first call.
class wMain& wMain();
