#include "control/wMain.h"

#include "app/Globals.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/static_text.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "text/localization.h"

namespace {

// The depth part of the monitor line. 24 bits, the usual depth of Linux screens, has as
// many colours as 32.
std::string DepthText(std::int32_t depth) {
  switch (depth) {
    case -1: return "- " + Localization::OfColors();
    case 1: return "2 " + Localization::OfColors();
    case 4: return "16 " + Localization::OfColors();
    case 8: return "256 " + Localization::OfColors();
    case 16: return Localization::Thousands() + " " + Localization::OfColors();
    case 24:
    case 32: return Localization::Millions() + " " + Localization::OfColors();
    default: return std::string();
  }
}

std::string Part(std::int32_t value) { return value == -1 ? "-" : fw::Str(value); }

}  // namespace

void wMain::pmMonitor_Open() {
  const fw::Ref<fw::PopupMenu> monitor = Find<fw::PopupMenu>("pmMonitor");
  for (std::int32_t n = 1; n <= fw::ScreenCount(); ++n) monitor->AddRow(fw::Str(n));
  monitor->ListIndex(0);
  UpdateMonitorInfo(0);
}

void wMain::pmMonitor_Change() {
  Globals::ActiveScreen = Find<fw::PopupMenu>("pmMonitor")->ListIndex();
  UpdateMonitorInfo(Globals::ActiveScreen);
}

void wMain::cbAllMonitors_Open() { AllMonitorsSync = false; }

void wMain::cbAllMonitors_Action() {
  const fw::Ref<fw::PopupMenu> monitor = Find<fw::PopupMenu>("pmMonitor");
  if (Find<fw::CheckBox>("cbAllMonitors")->Value()) {
    monitor->Enabled(false);
    AllMonitorsSync = true;
    Globals::ActiveScreen = 0;
    UpdateMonitorInfo(-1);
    return;
  }
  monitor->Enabled(true);
  AllMonitorsSync = false;
  Globals::ActiveScreen = monitor->ListIndex();
  UpdateMonitorInfo(Globals::ActiveScreen);
}

void wMain::UpdateMonitorInfo(std::int32_t screenIndex) {
  // A screen that has gone since the rows were made (or none at all) reads as unknown.
  const std::int32_t count = fw::ScreenCount();
  std::int32_t w = -1, h = -1, d = -1;
  const std::int32_t first = screenIndex == -1 ? 0 : screenIndex;
  if (first >= 0 && first < count) {
    const fw::ScreenInfo s = fw::Screen(first);
    w = s.Width, h = s.Height, d = s.Depth;
  }
  if (screenIndex == -1) {
    for (std::int32_t j = 1; j < count; ++j) {
      const fw::ScreenInfo s = fw::Screen(j);
      if (d != s.Depth) d = -1;
      if (w != s.Width) w = -1;
      if (h != s.Height) h = -1;
    }
  }
  const std::string text = Part(w) + Localization::Width_SC() + " * " + Part(h) + Localization::Height_SC() + ", " +
                           DepthText(d);
  Find<fw::StaticText>("stMonitorInfo")->Text(text);
}
