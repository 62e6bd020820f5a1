#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/localized.h"
#include "text/localization.h"
#include "translations.h"

using Localization::AllTexts;
using Localization::TextEntry;

namespace {

// What the test translation (fixtures/quarvel_fr.ts) changes. Its empty "Black", and its "Red"
// in another context, change nothing.
const std::map<std::string_view, std::string> kFrench = {
    {"White", "Blanc"},
    {"Width_SC", " (largeur)"},
    {"Height_SC", " (hauteur)"},
    {"AboutQuarvel", "\xC3\x80 propos de Quarvel\xE2\x80\xA6"},
    // Written with line feeds in the file, and with CR LF as character references.
    {"HtLgGeoResolution2",
     "Ce motif remplit l\xE2\x80\x99\xC3\xA9" "cran de lignes de texte.\r\r"
     "Choisissez la taille du texte dans la fen\xC3\xAAtre principale."},
    {"HtLgGeoResolution1", "Premi\xC3\xA8re ligne\rdeuxi\xC3\xA8me ligne"},
};

std::string French() { return FixtureFolder() + "/quarvel_fr.qm"; }

}  // namespace

TEST_F(TranslationTest, PartialTranslationChangesOnlyItsTexts) {
  ASSERT_TRUE(fw::LoadTranslationFile(French()));
  for (const TextEntry& e : AllTexts()) {
    const auto it = kFrench.find(e.name);
    EXPECT_EQ(e.accessor(), it == kFrench.end() ? std::string(e.englishDefault) : it->second) << e.name;
  }
}

TEST_F(TranslationTest, EveryCallAsksAgain) {
  EXPECT_EQ(Localization::White(), "White");
  ASSERT_TRUE(fw::LoadTranslationFile(French()));
  EXPECT_EQ(Localization::White(), "Blanc");
  fw::UnloadTranslations();
  EXPECT_EQ(Localization::White(), "White");
}

TEST_F(TranslationTest, UnknownKeyGivesTheDefaultUnchanged) {
  ASSERT_TRUE(fw::LoadTranslationFile(French()));
  EXPECT_EQ(fw::_GetLocalizedString("Localization.NoSuchText", "a\rb\r\r"), "a\rb\r\r");
  EXPECT_EQ(fw::_GetLocalizedString("Localization.NoSuchText", ""), "");
  EXPECT_EQ(fw::_GetLocalizedString("", "default"), "default");
}

TEST_F(TranslationTest, FilesThatAreNoTranslationInstallNothing) {
  ASSERT_TRUE(fw::LoadTranslationFile(French()));
  EXPECT_FALSE(fw::LoadTranslationFile(FixtureFolder() + "/quarvel_xx.qm"));
  EXPECT_EQ(Localization::White(), "White");
  EXPECT_FALSE(fw::LoadTranslationFile(FixtureFolder()));
  EXPECT_FALSE(fw::LoadTranslationFile("text/fixtures/quarvel_fr.ts"));  // the source, not compiled
  EXPECT_FALSE(fw::LoadTranslationFile(""));
  EXPECT_EQ(Localization::White(), "White");
}

struct LanguageCase {
  const char* name;
  std::vector<fw::String> languages;
  bool french;
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

class Languages : public TranslationTest, public testing::WithParamInterface<LanguageCase> {};

// Each case starts with French installed: a search that finds nothing leaves English.
TEST_P(Languages, FirstLanguageWithAFileWins) {
  ASSERT_TRUE(fw::LoadTranslationFile(French()));
  EXPECT_EQ(fw::LoadTranslations(FixtureFolder(), GetParam().languages), GetParam().french);
  EXPECT_EQ(Localization::White(), GetParam().french ? "Blanc" : "White");
  EXPECT_EQ(Localization::Black(), "Black");
}

INSTANTIATE_TEST_SUITE_P(Translations, Languages, testing::Values(
    LanguageCase{"Exact", {"fr"}, true},
    LanguageCase{"RegionFallsBackToLanguage", {"fr-CA"}, true},
    LanguageCase{"PosixSpelling", {"fr_CA"}, true},
    LanguageCase{"UpperCase", {"FR-CA"}, true},
    LanguageCase{"ScriptAndRegion", {"fr-Latn-CH"}, true},
    LanguageCase{"LaterLanguage", {"ja-JP", "ja", "fr-FR"}, true},
    LanguageCase{"MissingLanguage", {"ja-JP", "ja"}, false},
    LanguageCase{"EnglishFirstIsBuiltIn", {"en-US", "fr-FR"}, false},
    LanguageCase{"CLocaleIsEnglish", {"C", "fr"}, false},
    LanguageCase{"NoLanguages", {}, false},
    LanguageCase{"EmptyTagsSkipped", {"", "fr"}, true},
    LanguageCase{"NoPrefixMatch", {"f"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TranslationTest, MissingFolderGivesEnglish) {
  EXPECT_FALSE(fw::LoadTranslations(FixtureFolder() + "/none", {"fr"}));
  EXPECT_EQ(Localization::White(), "White");
}

// The translations that ship name only keys the program has, and compile.
TEST_F(TranslationTest, ShippedGermanUsesKnownKeysAndLoads) {
  std::ifstream in("../translations/quarvel_de.ts");
  ASSERT_TRUE(in) << "run from the tests folder";
  std::stringstream ts;
  ts << in.rdbuf();
  const std::string text = ts.str();

  std::set<std::string> keys;
  for (const TextEntry& e : AllTexts()) keys.insert(std::string(e.key));
  const std::regex source("<source>([^<]*)</source>");
  std::set<std::string> translated;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), source); it != std::sregex_iterator(); ++it) {
    EXPECT_TRUE(keys.count((*it)[1])) << "unknown key " << (*it)[1];
    translated.insert((*it)[1]);
  }
  EXPECT_FALSE(translated.empty());
  // Every context of the file is the program's.
  const auto occurrences = [&](const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(occurrences("<context>"), occurrences("<name>Quarvel</name>"));

  ASSERT_TRUE(fw::LoadTranslations(ShippedFolder(), {"de-AT"}));
  EXPECT_EQ(Localization::White(), "Wei\xC3\x9F");
  EXPECT_EQ(Localization::Width_SC(), " (Breite)");
  for (const TextEntry& e : AllTexts()) {
    if (!translated.count(std::string(e.key))) {
      EXPECT_EQ(e.accessor(), e.englishDefault) << e.name;
    }
  }
}
