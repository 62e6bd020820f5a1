#include "control/wMain.h"

#include "control/PatternGroups.h"
#include "control/QV_Toolbar.h"
#include "control/wHelp.h"
#include "framework/controls/check_box.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/slider.h"
#include "framework/controls/static_text.h"
#include "framework/screens.h"
#include "text/localization.h"

namespace {

// The window's title while each group's page shows, in page order.
std::string (*const kGroupTitles[])() = {Localization::Colors, Localization::Geometry, Localization::Matching,
                                         Localization::Video};

// The explanations button, item 5 of the toolbar: its state also says whether the
// explanations command is available.
fw::Ref<fw::ToolItem> HelpButton(const class wMain& window) {
  return window.Find<QV_Toolbar>("MyToolbar")->Item(5);
}

}  // namespace

void wMain::PatternGroupChange(std::int32_t group) {
  Find<fw::PagePanel>("ppMain")->Value(0);
  Find<fw::PagePanel>("ppTestKind")->Value(group);
  if (const PatternGroup* g = GroupOnPage(group)) {
    Title(kGroupTitles[group]());
    SetPattern(g->base + Find<fw::Slider>(std::string(g->slider))->Value());
  }
  if (group == 2) {
    if (!AllMonitorsSync && fw::ScreenCount() > 1) {
      AllMonitorsSyncChange = true;
      Find<fw::CheckBox>("cbAllMonitors")->Value(true);
    }
  } else if (AllMonitorsSyncChange) {
    Find<fw::CheckBox>("cbAllMonitors")->Value(false);
    AllMonitorsSyncChange = false;
  }
  HelpButton(*this)->Enabled(true);
  if (HelpStateChanged) {
    wHelp().ShowWithin(*this, 2);
    HelpStateChanged = false;
    Find<fw::PagePanel>("ppTestKind")->Refresh(true);
  }
}

void wMain::ShowAbout() {
  Title(Localization::About());
  Find<fw::PagePanel>("ppMain")->Value(2);
  if (wHelp().Visible()) {
    wHelp().Hide();
    HelpStateChanged = true;
  }
  HelpButton(*this)->Enabled(false);
  Find<fw::StaticText>("stVersion")->Refresh(true);
}

namespace {

// Shows or hides the explanation window, with the menu item's text to match.
void ToggleExplanations(class wMain& window) {
  const fw::Ref<fw::MenuItem> item = window.HelpExplanations();
  if (wHelp().Visible()) {
    wHelp().Hide();
    item->Text(Localization::ShowExplanations());
    return;
  }
  wHelp().ShowWithin(window, 2);
  item->Text(Localization::HideExplanations());
}

}  // namespace

void wMain::MyToolbar_Action(fw::ToolItem& item) {
  if (item.Name == "tbColors") PatternGroupChange(0);
  else if (item.Name == "tbGeometry") PatternGroupChange(1);
  else if (item.Name == "tbMatching") PatternGroupChange(2);
  else if (item.Name == "tbVideo") PatternGroupChange(3);
  else if (item.Name == "tbHelp") ToggleExplanations(*this);
  else if (item.Name == "tbInfo") ShowAbout();
}

void wMain::AddMenuHandlers() {
  AddMenuHandler("AppleAbout", [this] { return _AppleAbout_Action(); });
  AddMenuHandler("PatternsColors", [this] { return _PatternsColors_Action(); });
  AddMenuHandler("PatternsGeometry", [this] { return _PatternsGeometry_Action(); });
  AddMenuHandler("PatternsMatching", [this] { return _PatternsMatching_Action(); });
  AddMenuHandler("HelpExplanations", [this] { return _HelpExplanations_Action(); });
  AddMenuHandler("PatternsVideo", [this] { return _PatternsVideo_Action(); });
}

void wMain::Event_EnableMenuItems() {
  AppleAbout()->Enable();
  if (HelpButton(*this)->Enabled()) HelpExplanations()->Enable();
}

bool wMain::_AppleAbout_Action() {
  ShowAbout();
  return false;
}

bool wMain::_PatternsColors_Action() {
  PatternGroupChange(0);
  return false;
}

bool wMain::_PatternsGeometry_Action() {
  PatternGroupChange(1);
  return false;
}

bool wMain::_PatternsMatching_Action() {
  PatternGroupChange(2);
  return false;
}

bool wMain::_HelpExplanations_Action() {
  ToggleExplanations(*this);
  return false;
}

bool wMain::_PatternsVideo_Action() {
  PatternGroupChange(3);
  return false;
}

namespace {
fw::Ref<fw::MenuItem> Item(const class wMain& window, const char* name) {
  const fw::Ref<fw::MenuItem> item = window.MenuBar()->Find(name);
  if (!item) throw fw::NilObjectException();
  return item;
}
}  // namespace

fw::Ref<fw::MenuItem> wMain::HelpMenu() const { return Item(*this, "HelpMenu"); }
fw::Ref<fw::MenuItem> wMain::AppleAbout() const { return Item(*this, "AppleAbout"); }
fw::Ref<fw::MenuItem> wMain::HelpExplanations() const { return Item(*this, "HelpExplanations"); }
fw::Ref<fw::MenuItem> wMain::TestPatternMenu() const { return Item(*this, "TestPatternMenu"); }
fw::Ref<fw::MenuItem> wMain::PatternsVideo() const { return Item(*this, "PatternsVideo"); }
fw::Ref<fw::MenuItem> wMain::PatternsMatching() const { return Item(*this, "PatternsMatching"); }
fw::Ref<fw::MenuItem> wMain::PatternsGeometry() const { return Item(*this, "PatternsGeometry"); }
fw::Ref<fw::MenuItem> wMain::PatternsColors() const { return Item(*this, "PatternsColors"); }
fw::Ref<fw::MenuItem> wMain::EditMenu() const { return Item(*this, "EditMenu"); }
fw::Ref<fw::MenuItem> wMain::EditClear() const { return Item(*this, "EditClear"); }
fw::Ref<fw::MenuItem> wMain::EditPaste() const { return Item(*this, "EditPaste"); }
fw::Ref<fw::MenuItem> wMain::EditCopy() const { return Item(*this, "EditCopy"); }
fw::Ref<fw::MenuItem> wMain::EditCut() const { return Item(*this, "EditCut"); }
fw::Ref<fw::MenuItem> wMain::UntitledMenu0() const { return Item(*this, "UntitledMenu0"); }
fw::Ref<fw::MenuItem> wMain::EditUndo() const { return Item(*this, "EditUndo"); }
fw::Ref<fw::MenuItem> wMain::FileMenu() const { return Item(*this, "FileMenu"); }
fw::Ref<fw::MenuItem> wMain::FileQuit() const { return Item(*this, "FileQuit"); }
