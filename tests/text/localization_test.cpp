#include "text/localization.h"

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "framework/strings.h"
#include "translations.h"

using Localization::AllTexts;
using Localization::TextEntry;

namespace {

const TextEntry& Entry(std::string_view name) {
  const auto texts = AllTexts();
  const auto it = std::find_if(texts.begin(), texts.end(), [&](const TextEntry& e) { return e.name == name; });
  if (it == texts.end()) throw std::out_of_range(std::string(name));
  return *it;
}

std::size_t Count(std::string_view s, char c) { return static_cast<std::size_t>(std::count(s.begin(), s.end(), c)); }

}  // namespace

TEST(Localization, HundredAndFourTextsKeyedByTheirNames) {
  EXPECT_EQ(AllTexts().size(), 104u);
  std::set<std::string_view> names;
  for (const TextEntry& e : AllTexts()) {
    EXPECT_TRUE(names.insert(e.name).second) << "twice: " << e.name;
    EXPECT_EQ(e.key, "Localization." + std::string(e.name));
  }
  EXPECT_EQ(Entry("htAllTests").key, "Localization.htAllTests");
  EXPECT_EQ(Entry("HtAllMonitors").key, "Localization.HtAllMonitors");
}

TEST_F(TranslationTest, WithoutTranslationEveryAccessorGivesItsDefault) {
  for (const TextEntry& e : AllTexts()) EXPECT_EQ(e.accessor(), e.englishDefault) << e.name;
}

struct SpecialDefault {
  const char* name;
  const char* text;
};

void PrintTo(const SpecialDefault& d, std::ostream* os) { *os << d.name; }

class SpecialDefaults : public TranslationTest, public testing::WithParamInterface<SpecialDefault> {};

TEST_P(SpecialDefaults, ByteForByte) {
  EXPECT_EQ(Entry(GetParam().name).accessor(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Localization, SpecialDefaults, testing::Values(
    SpecialDefault{"Height_SC", ""},
    SpecialDefault{"Width_SC", " (Width)"},
    SpecialDefault{"AboutQuarvel", "About Quarvel\xE2\x80\xA6"},
    SpecialDefault{"About", "About Quarvel"},
    SpecialDefault{"HtGeoPumpEffect",
        "Check to see, what your CRT does when switching between high brightness contrasts. Does the overall "
        "size of the picture change? The outer white frame should keep it's position."},
    SpecialDefault{"HtVideoOverscanCheck", "Check the extend of the overscanning."},
    SpecialDefault{"NotEnoughMem",
        "Sorry, not enough free memory! Try to increase the program memory in the Finder info dialog."}),
    [](const auto& info) { return std::string(info.param.name); });

// The explanations are ours to word, but each fills the space it was given: about its length,
// and exactly its number of CR breaks.
struct Explanation {
  const char* name;
  std::int32_t length;
  std::size_t breaks;
};

void PrintTo(const Explanation& e, std::ostream* os) { *os << e.name; }

class Explanations : public testing::TestWithParam<Explanation> {};

TEST_P(Explanations, FillTheirSpaceWithCrBreaks) {
  const std::string_view text = Entry(GetParam().name).englishDefault;
  const std::int32_t length = fw::Len(std::string(text));
  EXPECT_NEAR(length, GetParam().length, GetParam().length / 20);
  EXPECT_EQ(Count(text, '\r'), GetParam().breaks);
  EXPECT_EQ(text.find("\r\r\r"), std::string_view::npos);
  EXPECT_NE(text.back(), '\r');
}

INSTANTIATE_TEST_SUITE_P(Localization, Explanations, testing::Values(
    Explanation{"HtLgDefectivePixels", 357, 0}, Explanation{"HtLgColWhite", 250, 0},
    Explanation{"HtLgColBlack", 228, 0}, Explanation{"HtLgColRed", 172, 0},
    Explanation{"HtLgColGreen", 176, 0}, Explanation{"HtLgColBlue", 174, 0},
    Explanation{"HtLgColGrayShades", 512, 4}, Explanation{"HtLgColColorShades", 220, 0},
    Explanation{"HtLgGeoGeometry", 807, 6}, Explanation{"HtLgGeoMargins", 640, 4},
    Explanation{"HtLgGeoConvergency", 1269, 7}, Explanation{"HtLgGeoResolution1", 532, 2},
    Explanation{"HtLgGeoResolution2", 128, 2}, Explanation{"HtLgGeoPumpEffect", 561, 4},
    Explanation{"HtLgGeoClockPhase", 599, 4}, Explanation{"HtLgGeoTracing", 549, 4},
    Explanation{"HtLgGeoInvTracing", 549, 4}, Explanation{"HtLgMatching", 978, 10},
    Explanation{"HtLgVideoSmpteColAnalog", 1686, 9}, Explanation{"HtLgVideoSmpteColDigital", 1686, 9},
    Explanation{"HtLgVideoOverscan", 942, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Localization, OnlyExplanationsBreakLinesAndOnlyWithCr) {
  for (const TextEntry& e : AllTexts()) {
    EXPECT_EQ(Count(e.englishDefault, '\n'), 0u) << e.name;
    if (!e.name.starts_with("HtLg")) {
      EXPECT_EQ(Count(e.englishDefault, '\r'), 0u) << e.name;
    }
  }
}

TEST(Localization, TwinExplanationsShareOneText) {
  EXPECT_EQ(Entry("HtLgGeoTracing").englishDefault, Entry("HtLgGeoInvTracing").englishDefault);
  EXPECT_EQ(Entry("HtLgVideoSmpteColAnalog").englishDefault, Entry("HtLgVideoSmpteColDigital").englishDefault);
}
