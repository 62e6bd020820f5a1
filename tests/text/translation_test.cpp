#include <fstream>
#include <map>
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

namespace {

// One message of a translation source as written: its key, the attributes of its translation
// (type="unfinished" and the like) and the translation's text before XML decoding.
struct Message {
  std::string key, attributes, text;
};

std::string Between(std::string_view s, std::string_view open, std::string_view close) {
  const auto from = s.find(open);
  if (from == std::string_view::npos) return {};
  const auto to = s.find(close, from + open.size());
  return std::string(to == std::string_view::npos ? "" : s.substr(from + open.size(), to - from - open.size()));
}

std::string ShippedGermanSource() {
  std::ifstream in("../translations/quarvel_de.ts");
  std::stringstream ts;
  ts << in.rdbuf();
  return ts.str();
}

std::vector<Message> Messages(const std::string& ts) {
  std::vector<Message> messages;
  for (auto at = ts.find("<message>"); at != std::string::npos; at = ts.find("<message>", at + 1)) {
    const std::string block = Between(std::string_view(ts).substr(at), "<message>", "</message>");
    Message m{Between(block, "<source>", "</source>"), Between(block, "<translation", ">"), {}};
    if (m.attributes.ends_with('/')) m.attributes.pop_back();  // <translation type="unfinished"/>
    else m.text = Between(block, "<translation" + m.attributes + ">", "</translation>");
    messages.push_back(m);
  }
  return messages;
}

int Occurrences(std::string_view s, std::string_view what) {
  int n = 0;
  for (auto at = s.find(what); at != std::string_view::npos; at = s.find(what, at + what.size())) ++n;
  return n;
}

}  // namespace

// German is whole: every text of the program once, finished and not empty, no key the program
// lacks, all in the program's one context.
TEST_F(TranslationTest, ShippedGermanTranslatesEveryTextOnce) {
  const std::string ts = ShippedGermanSource();
  ASSERT_FALSE(ts.empty()) << "run from the tests folder";
  std::map<std::string, int> seen;
  for (const TextEntry& e : AllTexts()) seen[std::string(e.key)] = 0;
  for (const Message& m : Messages(ts)) {
    EXPECT_TRUE(seen.count(m.key)) << "unknown key " << m.key;
    ++seen[m.key];
    EXPECT_EQ(m.attributes, "") << m.key;
    EXPECT_FALSE(m.text.empty()) << m.key;
  }
  for (const auto& [key, count] : seen) EXPECT_EQ(count, 1) << key;
  EXPECT_EQ(Occurrences(ts, "<context>"), 1);
  EXPECT_EQ(Occurrences(ts, "<name>Quarvel</name>"), 1);
}

// What the program shows in German: every text German (but the words German shares), with the
// line breaks and paragraphs of the English text.
TEST_F(TranslationTest, ShippedGermanKeepsTheShapeOfEveryText) {
  ASSERT_TRUE(fw::LoadTranslations(ShippedFolder(), {"de-AT"}));
  EXPECT_EQ(Localization::White(), "Wei\xC3\x9F");
  EXPECT_EQ(Localization::Width_SC(), " (Breite)");
  const std::set<std::string_view> sameInGerman = {"Test", "Video"};
  for (const TextEntry& e : AllTexts()) {
    const fw::String text = e.accessor();
    EXPECT_FALSE(text.empty()) << e.name;
    EXPECT_EQ(text == e.englishDefault, sameInGerman.count(e.name) == 1) << e.name << ": " << text;
    EXPECT_EQ(Occurrences(text, "\r\r"), Occurrences(e.englishDefault, "\r\r")) << e.name << ": paragraphs";
    EXPECT_EQ(Occurrences(text, "\r"), Occurrences(e.englishDefault, "\r")) << e.name << ": line breaks";
    EXPECT_EQ(text.find('\n'), std::string::npos) << e.name;
  }
}
