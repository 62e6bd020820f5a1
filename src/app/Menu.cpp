#include "app/Menu.h"

namespace {
fw::Ref<class Menu>& Shared() {
  static fw::Ref<class Menu> menu;
  return menu;
}
}  // namespace

Menu::Menu() = default;

fw::Ref<class Menu> Menu() {
  if (!Shared()) Shared() = fw::New<class Menu>();
  return Shared();
}

void ReleaseMenu() { Shared().Reset(); }
