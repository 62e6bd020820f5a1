#include "control/wMain.h"

#include "framework/application.h"

void wMain::pbRun_Action() {}
void wMain::NextPattern(const std::string&) {}
void wMain::Event_Close() { fw::Quit(0); }
