#include "control/wMain.h"

void wMain::pmMonitor_Open() {}
void wMain::pmMonitor_Change() {}
void wMain::cbAllMonitors_Open() {}
void wMain::cbAllMonitors_Action() {}
void wMain::UpdateMonitorInfo(std::int32_t) {}
