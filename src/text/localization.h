#pragma once
// Localization: every text the user sees, one accessor per text, named after the text's role
// (Localization::White(), Localization::NotEnoughMem()). English is built in as the defaults;
// each call asks the framework for the user's language again, nothing is kept.
//
// The accessors and their English defaults are listed in text/localization.def.
#include <span>
#include <string_view>

#include "framework/strings.h"

namespace Localization {

#define LOCALIZED_TEXT(name, englishDefault) fw::String name();
#include "text/localization.def"
#undef LOCALIZED_TEXT

// One row per accessor, in the order of text/localization.def: what a check of all texts
// (a test, a translator's tool) walks.
struct TextEntry {
  std::string_view name;            // "White"
  std::string_view key;             // "Localization.White"
  std::string_view englishDefault;  // "White"
  fw::String (*accessor)();         // Localization::White
};

std::span<const TextEntry> AllTexts();

}  // namespace Localization
