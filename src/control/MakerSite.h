#pragma once
// The maker's web site, opened from the About page, and the button's caption built from it.
#include <string>

inline constexpr const char* kMakerSite = "https://quarvel.org";
inline std::string MakerSiteCaption() { return std::string("quarvel.org") + "\xE2\x80\xA6"; }
