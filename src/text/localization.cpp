#include "text/localization.h"

#include "framework/localized.h"

namespace Localization {

// Each accessor is exactly the lookup of its key with its default, and its result unchanged.
#define LOCALIZED_TEXT(name, englishDefault) \
  fw::String name() { return fw::_GetLocalizedString("Localization." #name, englishDefault); }
#include "text/localization.def"
#undef LOCALIZED_TEXT

namespace {

#define LOCALIZED_TEXT(name, englishDefault) {#name, "Localization." #name, englishDefault, &name},
constexpr TextEntry kTexts[] = {
#include "text/localization.def"
};
#undef LOCALIZED_TEXT

}  // namespace

std::span<const TextEntry> AllTexts() { return kTexts; }

}  // namespace Localization
