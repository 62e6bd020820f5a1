#include "patterns/MainWindowOptions.h"

// Until the main window has its controls, the options read as their defaults.
bool ShowHelpIsOn() { return false; }
std::string FontSizeText() { return "12 pt."; }
std::int32_t OverscanListIndex() { return 0; }
