#pragma once
// What the run and choice tests do as a user would: buttons, labels and check boxes of the
// main window clicked, keys and clicks sent to the pattern windows; and what they look at.
#include <QWidget>

#include <string>

#include "control/wMain.h"
#include "framework/controls/check_box.h"
#include "framework/controls/page_panel.h"
#include "framework/timer.h"
#include "patterns/cPatternCanvas.h"
#include "patterns/wPattern.h"

inline class wPattern& PatternWindow(std::size_t i) { return *wMain().TestWindow.at(i); }
inline std::string ShownKind(std::size_t i) { return PatternWindow(i).Find<cPatternCanvas>("cvPattern")->Kind; }
inline bool TimerOn(std::size_t i) { return PatternWindow(i).Find<fw::Timer>("tiRefresh")->Mode() != 0; }
inline QWidget* MainControl(const std::string& name) { return wMain().Find<fw::RectControl>(name)->Widget(); }
inline void ShowGroup(std::int32_t page) { wMain().Find<fw::PagePanel>("ppTestKind")->Value(page); }

// Any pattern window shown, or any timer running.
inline bool AnyPatternWindowActive() {
  for (std::size_t i = 0; i < wMain().TestWindow.size(); ++i)
    if (PatternWindow(i).Visible() || TimerOn(i)) return true;
  return false;
}
