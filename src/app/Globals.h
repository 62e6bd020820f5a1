#pragma once
// The state that the main window, the pattern windows, the canvases and the explanation window
// share. Plain program-wide variables; everything runs on the event loop's thread.
#include <cstdint>
#include <string>

#include "framework/dictionary.h"
#include "framework/ref.h"

class cPreferences;

namespace Globals {

extern std::string PatternKind;     // the kind shown or previewed; "ColWhite" once the main window opened
extern std::string OldPatternKind;  // the kind current when the last run started
extern std::int32_t ActiveScreen;   // the monitor chosen in the main window; 0 with all monitors on
extern fw::Ref<cPreferences> Prefs;       // the one preferences store
extern fw::Ref<fw::Dictionary> GlobalPrefs;  // its record "Global"
extern std::int32_t TitelDuration;  // ticks the help title stays: 120 per line of the last title built

// Shut-down: releases GlobalPrefs, Prefs, PatternKind and OldPatternKind, in this order.
void Release();

}  // namespace Globals
