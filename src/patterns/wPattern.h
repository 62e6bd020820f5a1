#pragma once
// The full-screen window that shows a test pattern on one monitor during a run. It draws
// Globals::PatternKind whenever it is painted and hands every click and key to the main
// window, which steps or ends the run; showing, hiding and stopping it are the run's doing.
#include <cstdint>
#include <string>

#include "framework/window.h"

class wPattern : public fw::Window {
public:
  std::int32_t ScreenNo = 0;  // the screen the window covers; read on every paint

  void tiRefresh_Action();

protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  bool Event_MouseDown(std::int32_t x, std::int32_t y) override;
  bool Event_KeyDown(const std::string& key) override;
  void Event_Close() override;
  void Event_Paint() override;

private:
  void _CreateControls0();
};

// The default pattern window, made and constructed on the first call (screen 0's window).
class wPattern& wPattern();
