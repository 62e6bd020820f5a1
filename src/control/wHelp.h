#pragma once
// The explanation window: the title and the long explanation of the current pattern kind,
// attached beside the main window. It opens hidden; the main window's commands show it, and
// its texts follow every pattern choice, shown or hidden.
#include <string>

#include "framework/window.h"

namespace fw {
class Graphics;
}

class wHelp : public fw::Window {
public:
  void Set(const std::string& kind);

  void cvTitel_Paint(fw::Graphics& g);
  void stText_TextChange();

protected:
  void Layout() override;
  void CreateControls() override;
  void Event_Paint() override;
  void Event_Open() override;
};

// The one explanation window, made (hidden) on the first call.
class wHelp& wHelp();
