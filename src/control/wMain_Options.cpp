#include "control/wMain.h"

void wMain::Event_Open() {}
bool wMain::OldPreferences() { return false; }
void wMain::EnableDisable() {}
void wMain::cbAllTests_Action() {}
void wMain::cbShowHelp_Action() {}
void wMain::cbSound_Action() {}
void wMain::pmOverscan_Change() {}
void wMain::pmFontSize_Change() {}
void wMain::stVersion_Open() {}
void wMain::pbVelostra_Action() {}
