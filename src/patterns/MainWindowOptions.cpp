#include "patterns/MainWindowOptions.h"

// Until the main window has its controls, the options read as their defaults.
bool ShowHelpIsOn() { return false; }
std::string FontSizeText() { return "12 pt."; }

namespace {
std::optional<std::int32_t> overscanListIndexForTesting;
}

std::int32_t OverscanListIndex() { return overscanListIndexForTesting.value_or(0); }

void SetOverscanListIndexForTesting(std::optional<std::int32_t> index) { overscanListIndexForTesting = index; }
