#include "app/Globals.h"

#include "prefs/cPreferences.h"

namespace Globals {

std::string PatternKind;
std::string OldPatternKind;
std::int32_t ActiveScreen = 0;
fw::Ref<cPreferences> Prefs;
fw::Ref<fw::Dictionary> GlobalPrefs;
std::int32_t TitelDuration = 0;

void Release() {
  GlobalPrefs.Reset();
  Prefs.Reset();
  PatternKind.clear();
  PatternKind.shrink_to_fit();
  OldPatternKind.clear();
  OldPatternKind.shrink_to_fit();
}

}  // namespace Globals
