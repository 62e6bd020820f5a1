#include "app/Menu.h"

#include "text/localization.h"

namespace {

fw::Ref<class Menu>& Shared() {
  static fw::Ref<class Menu> menu;
  return menu;
}

template <class Item = fw::MenuItem>
fw::Ref<fw::MenuItem> MakeItem(const std::string& name, bool autoEnable, const std::string& text,
                               const std::string& shortcut) {
  fw::Ref<fw::MenuItem> item = fw::New<Item>();
  item->Name = name;
  item->AutoEnable = autoEnable;
  item->Text(text);
  item->KeyboardShortcut(shortcut);
  return item;
}

fw::Ref<fw::MenuItem> MakeSeparator(const std::string& name) {
  fw::Ref<fw::MenuItem> item = fw::New<fw::MenuItem>();
  item->Name = name;
  item->AutoEnable = false;
  item->Text("-");
  return item;
}

}  // namespace

Menu::Menu() {
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled1() {
  Append(MakeItem("FileMenu", false, Localization::File(), ""));
  Child("FileMenu")->Append(MakeItem<fw::QuitMenuItem>("FileQuit", true, Localization::Quit(), "Cmd+Q"));
}

void Menu::Untitled2() {
  Append(MakeItem("EditMenu", false, Localization::Edit(), ""));
  Child("EditMenu")->Append(MakeItem("EditUndo", false, Localization::Undo(), "Cmd+Z"));
  Child("EditMenu")->Append(MakeSeparator("UntitledMenu0"));
  Child("EditMenu")->Append(MakeItem("EditCut", false, Localization::Cut(), "Cmd+X"));
  Child("EditMenu")->Append(MakeItem("EditCopy", false, Localization::Copy(), "Cmd+C"));
  Child("EditMenu")->Append(MakeItem("EditPaste", false, Localization::Paste(), "Cmd+V"));
  Child("EditMenu")->Append(MakeItem("EditClear", false, Localization::Clear(), ""));
}

void Menu::Untitled3() {
  Append(MakeItem("TestPatternMenu", false, Localization::TestPatterns(), ""));
  Child("TestPatternMenu")->Append(MakeItem("PatternsColors", true, Localization::Colors(), "Cmd+1"));
  Child("TestPatternMenu")->Append(MakeItem("PatternsGeometry", true, Localization::Geometry(), "Cmd+2"));
  Child("TestPatternMenu")->Append(MakeItem("PatternsMatching", true, Localization::Matching(), "Cmd+3"));
  Child("TestPatternMenu")->Append(MakeItem("PatternsVideo", true, Localization::Video(), "Cmd+4"));
}

void Menu::Untitled4() {
  Append(MakeItem("HelpMenu", true, Localization::Help(), ""));
  Child("HelpMenu")->Append(MakeItem("HelpExplanations", false, Localization::ShowExplanations(), "Cmd+H"));
  Child("HelpMenu")->Append(MakeItem<fw::AppleMenuItem>("AppleAbout", false, Localization::AboutQuarvel(), ""));
}

fw::Ref<class Menu> Menu() {
  if (!Shared()) Shared() = fw::New<class Menu>();
  return Shared();
}

void ReleaseMenu() { Shared().Reset(); }
