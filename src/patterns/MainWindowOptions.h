#pragma once
// The main window's options that the patterns read, by control name on the main window.
#include <cstdint>
#include <string>

bool ShowHelpIsOn();               // check box cbShowHelp
std::string FontSizeText();        // pop-up pmFontSize, the chosen row's text ("12 pt.")
std::int32_t OverscanListIndex();  // pop-up pmOverscan: 0 percent, 1 pixels
