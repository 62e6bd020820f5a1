#include "control/wMain.h"

void wMain::PatternGroupChange(std::int32_t) {}
void wMain::ShowAbout() {}
void wMain::MyToolbar_Action(fw::ToolItem&) {}
void wMain::AddMenuHandlers() {}
void wMain::Event_EnableMenuItems() {}
bool wMain::_AppleAbout_Action() { return false; }
bool wMain::_PatternsColors_Action() { return false; }
bool wMain::_PatternsGeometry_Action() { return false; }
bool wMain::_PatternsMatching_Action() { return false; }
bool wMain::_HelpExplanations_Action() { return false; }
bool wMain::_PatternsVideo_Action() { return false; }
fw::Ref<fw::MenuItem> wMain::HelpMenu() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::AppleAbout() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::HelpExplanations() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::TestPatternMenu() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::PatternsVideo() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::PatternsMatching() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::PatternsGeometry() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::PatternsColors() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditMenu() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditClear() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditPaste() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditCopy() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditCut() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::UntitledMenu0() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::EditUndo() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::FileMenu() const { return nullptr; }
fw::Ref<fw::MenuItem> wMain::FileQuit() const { return nullptr; }
