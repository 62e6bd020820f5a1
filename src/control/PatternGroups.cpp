#include "control/PatternGroups.h"

namespace {

constexpr std::string_view kColors[] = {"ColWhite", "ColBlack",      "ColRed",        "ColGreen",
                                        "ColBlue",  "ColGrayShades", "ColColorShades"};
constexpr std::string_view kGeometry[] = {"GeoGeometry",   "GeoMargins",    "GeoConvergency",
                                          "GeoResolution1", "GeoResolution2", "GeoPumpEffect",
                                          "GeoClockPhase", "GeoTracing",    "GeoInvTracing"};
constexpr std::string_view kMatching[] = {"MatchWhite",           "MatchGray25",          "MatchGray50",
                                          "MatchGray75",          "MatchBlack",           "MatchGrayGraduations",
                                          "MatchRedGraduations",  "MatchGreenGraduations", "MatchBlueGraduations"};
constexpr std::string_view kVideo[] = {"VideoSmpteColAnalog", "VideoSmpteColDigital", "VideoOverscan"};

constexpr PatternGroup kGroups[] = {
    {"slColor", 0, kColors},
    {"slGeometry", 20, kGeometry},
    {"slMatching", 40, kMatching},
    {"slVideo", 60, kVideo},
};

}  // namespace

std::span<const PatternGroup> PatternGroups() { return kGroups; }

const PatternGroup* GroupOnPage(std::int32_t page) {
  if (page < 0 || page >= static_cast<std::int32_t>(std::size(kGroups))) return nullptr;
  return &kGroups[page];
}

std::string_view KindOfNumber(std::int32_t number) {
  for (const PatternGroup& group : kGroups) {
    const std::int32_t row = number - group.base;
    if (row >= 0 && row < static_cast<std::int32_t>(group.kinds.size())) return group.kinds[static_cast<std::size_t>(row)];
  }
  return {};
}
