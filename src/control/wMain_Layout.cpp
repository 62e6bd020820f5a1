#include "control/wMain.h"

#include "app/Menu.h"

void wMain::Layout() {
  MenuBar(Menu());
  Title("Quarvel");
  Resizeable(false);
  Width(400);
  Height(359);
  Visible(true);
}

void wMain::CreateControls() {
  _CreateControls0();
  _CreateControls1();
}

void wMain::_CreateControls0() {}
void wMain::_CreateControls1() {}
