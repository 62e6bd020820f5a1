#include "control/wMain.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "app/Globals.h"
#include "control/PatternGroups.h"
#include "framework/application.h"
#include "framework/controls/check_box.h"
#include "framework/controls/page_panel.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "patterns/wPattern.h"

// TestWindow holds the windows made for the screens attached at start-up, while screens may
// come and go afterwards. A run reaches window i only while both the window and screen i
// exist; ending a run hides every window made at start-up, whatever the screens do.
namespace {

using Windows = std::vector<fw::Ref<class wPattern>>;

bool Reachable(const Windows& windows, std::int32_t i) {
  return i >= 0 && i < fw::ScreenCount() && static_cast<std::size_t>(i) < windows.size() &&
         windows[static_cast<std::size_t>(i)];
}

void ShowFullScreen(class wPattern& window) {
  window.FullScreen(false);
  window.FullScreen(true);
  window.Show();
}

void StopWindow(class wPattern& window) {
  window.Hide();
  window.Find<fw::Timer>("tiRefresh")->Mode(0);
}

void EndRun(const Windows& windows) {
  for (const auto& window : windows)
    if (window) StopWindow(*window);
}

}  // namespace

void wMain::pbRun_Action() {
  // A run that would show nothing (its monitor has gone) is no run: the kinds stay as they are.
  const std::int32_t first = AllMonitorsSync ? 0 : Globals::ActiveScreen;
  if (!Reachable(TestWindow, first)) return;

  Globals::OldPatternKind = Globals::PatternKind;
  if (Find<fw::CheckBox>("cbAllTests")->Value())
    if (const PatternGroup* group = GroupOnPage(Find<fw::PagePanel>("ppTestKind")->Value()))
      Globals::PatternKind = std::string(group->kinds.front());

  if (!AllMonitorsSync) {
    ShowFullScreen(*TestWindow[static_cast<std::size_t>(first)]);
    return;
  }
  for (std::int32_t i = 0; Reachable(TestWindow, i); ++i) ShowFullScreen(*TestWindow[static_cast<std::size_t>(i)]);
}

void wMain::NextPattern(const std::string& key) {
  if (key == fw::Chr(27)) {
    Globals::PatternKind = Globals::OldPatternKind;
    EndRun(TestWindow);
    return;
  }
  if (!Find<fw::CheckBox>("cbAllTests")->Value()) {
    EndRun(TestWindow);
    return;
  }

  // Read now, not when the run started: the user may switch the group during a run. A kind of
  // another group stays and is shown again.
  if (const PatternGroup* group = GroupOnPage(Find<fw::PagePanel>("ppTestKind")->Value())) {
    const auto at = std::find(group->kinds.begin(), group->kinds.end(), Globals::PatternKind);
    if (at != group->kinds.end()) {
      if (std::next(at) != group->kinds.end()) {
        Globals::PatternKind = std::string(*std::next(at));
      } else {
        Globals::PatternKind = Globals::OldPatternKind;
        EndRun(TestWindow);
      }
    }
  }

  for (std::int32_t i = 0; Reachable(TestWindow, i); ++i) TestWindow[static_cast<std::size_t>(i)]->Refresh(true);
  // A window whose screen has gone cannot render its pattern any more; it leaves the run.
  for (std::size_t i = static_cast<std::size_t>(std::max(fw::ScreenCount(), 0)); i < TestWindow.size(); ++i)
    if (TestWindow[i] && TestWindow[i]->Visible()) StopWindow(*TestWindow[i]);
}

void wMain::Event_Close() { fw::Quit(0); }
