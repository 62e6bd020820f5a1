#include "control/wMain.h"

#include "app/Menu.h"
#include "framework/application.h"

void wMain::Layout() {
  MenuBar(Menu());
  Title("Quarvel");
  Resizeable(false);
  Width(400);
  Height(359);
  Visible(true);
}

void wMain::Event_Close() { fw::Quit(0); }

class wMain& wMain() { return fw::DefaultWindow<class wMain>(); }
