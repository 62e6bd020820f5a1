#pragma once
// The main window's options that the patterns read, by control name on the main window.
#include <cstdint>
#include <optional>
#include <string>

bool ShowHelpIsOn();               // check box cbShowHelp
std::string FontSizeText();        // pop-up pmFontSize, the chosen row's text ("12 pt.")
std::int32_t OverscanListIndex();  // pop-up pmOverscan: 0 percent, 1 pixels

// Tests: options that take the place of the main window's controls; nullopt gives them back.
struct OptionsForTesting {
  bool showHelp = false;
};
void SetOptionsForTesting(std::optional<OptionsForTesting> options);

// Tests only: OverscanListIndex reports index instead of the main window's choice, until
// called with nullopt.
void SetOverscanListIndexForTesting(std::optional<std::int32_t> index);

// Tests only: FontSizeText reports text instead of the main window's choice, until called
// with nullopt.
void SetFontSizeTextForTesting(std::optional<std::string> text);
