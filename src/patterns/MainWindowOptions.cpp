#include "patterns/MainWindowOptions.h"

namespace {
std::optional<OptionsForTesting>& TestOptions() {
  static std::optional<OptionsForTesting> options;
  return options;
}
}  // namespace

// Until the main window has its controls, the options read as their defaults.
bool ShowHelpIsOn() { return TestOptions() ? TestOptions()->showHelp : false; }
std::string FontSizeText() { return "12 pt."; }

void SetOptionsForTesting(std::optional<OptionsForTesting> options) { TestOptions() = std::move(options); }


namespace {
std::optional<std::int32_t> overscanListIndexForTesting;
}

std::int32_t OverscanListIndex() { return overscanListIndexForTesting.value_or(0); }

void SetOverscanListIndexForTesting(std::optional<std::int32_t> index) { overscanListIndexForTesting = index; }
