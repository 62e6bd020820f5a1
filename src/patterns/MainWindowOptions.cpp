#include "patterns/MainWindowOptions.h"

#include "control/wMain.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"

namespace {

std::optional<OptionsForTesting>& TestOptions() {
  static std::optional<OptionsForTesting> options;
  return options;
}

std::optional<std::int32_t> overscanListIndexForTesting;
std::optional<std::string> fontSizeTextForTesting;

// The main window once it exists; a canvas drawn without one (a tool, a test) reads the
// options as their defaults and never makes the main window itself.
class wMain* MainWindow() {
  return static_cast<class wMain*>(fw::FindDefaultWindow(typeid(class wMain)).get());
}

}  // namespace

bool ShowHelpIsOn() {
  if (TestOptions()) return TestOptions()->showHelp;
  class wMain* main = MainWindow();
  return main && main->Find<fw::CheckBox>("cbShowHelp")->Value();
}

std::string FontSizeText() {
  if (fontSizeTextForTesting) return *fontSizeTextForTesting;
  class wMain* main = MainWindow();
  return main ? main->Find<fw::PopupMenu>("pmFontSize")->Text() : "12 pt.";
}

std::int32_t OverscanListIndex() {
  if (overscanListIndexForTesting) return *overscanListIndexForTesting;
  class wMain* main = MainWindow();
  return main ? main->Find<fw::PopupMenu>("pmOverscan")->ListIndex() : 0;
}

void SetOptionsForTesting(std::optional<OptionsForTesting> options) { TestOptions() = std::move(options); }

void SetOverscanListIndexForTesting(std::optional<std::int32_t> index) { overscanListIndexForTesting = index; }

void SetFontSizeTextForTesting(std::optional<std::string> text) { fontSizeTextForTesting = std::move(text); }
