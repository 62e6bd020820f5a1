// The main window's start-up with the preferences file (first start, stored records, a record
// of an older version, damaged files) and the option controls, each of which saves at once.
#include <QComboBox>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Globals.h"
#include "control/MakerSite.h"
#include "framework/application.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/static_text.h"
#include "framework/msgbox.h"
#include "main_window_fixture.h"
#include "prefs/cPreferences.h"
#include "support/prefs_bytes.h"
#include "run_helpers.h"
#include "text/localization.h"

namespace {

// The record "Global" as "key=<type letter><value> ...": types and key order show too.
std::string Dump(const fw::Dictionary& d) {
  std::string line;
  for (std::int32_t i = 0; i < d.Count(); ++i) {
    const fw::Variant& v = d.Value(d.Key(i));
    line += (i ? " " : "") + d.Key(i) + "=" + "idsbc"[v.index()] + fw::VariantToString(v);
  }
  return line;
}

// The record as a fresh store reads it from the file now.
std::string StoredGlobal() {
  cPreferences prefs("Quarvel");
  const fw::Ref<fw::Dictionary> global = prefs.GetData("Global");
  return global ? Dump(*global) : "(none)";
}

// The file's inode: a save writes a new file in the old one's place.
ino_t Inode(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

bool Box(const char* name) { return wMain().Find<fw::CheckBox>(name)->Value(); }
fw::Ref<fw::PopupMenu> Menu(const char* name) { return wMain().Find<fw::PopupMenu>(name); }
// Chooses a row as the user does, through the pop-up's own list.
void ChooseRow(const char* name, int row) { static_cast<QComboBox*>(MainControl(name))->setCurrentIndex(row); }

// What the option controls show.
struct Shown {
  bool allTests, showHelp, sound;
  std::int32_t overscanRow;
  const char* fontSize;
};

void ExpectShown(const Shown& s) {
  EXPECT_EQ(Box("cbAllTests"), s.allTests);
  EXPECT_EQ(Box("cbShowHelp"), s.showHelp);
  EXPECT_EQ(Box("cbSound"), s.sound);
  EXPECT_EQ(Menu("pmOverscan")->ListIndex(), s.overscanRow);
  EXPECT_EQ(Menu("pmFontSize")->Text(), s.fontSize);
}

constexpr Shown kDefaultsShown{false, true, true, 0, "12 pt."};

}  // namespace

// ---- First start ------------------------------------------------------------------------

TEST_F(MainWindowTest, AFirstStartWritesTheDefaultsOnceIn108BytesAndShowsThem) {
  EXPECT_EQ(PrefsBytes(), kDefaultsFile);
  EXPECT_EQ(PrefsBytes().size(), 108u) << "FontSize still the integer 12: nothing saved after the defaults";
  EXPECT_EQ(Globals::Prefs->Info, "Preferences: Could not open file! Defaults are used.\r"
                                  "Preferences: Can't find key <Global>\rPreferences: Creating key <Global>");
  ExpectShown(kDefaultsShown);
  EXPECT_EQ(Menu("pmOverscan")->Text(), Localization::Percent());
  EXPECT_EQ(Globals::PatternKind, "ColWhite");
  EXPECT_EQ(wMain().Find<fw::Timer>("tiRefresh")->Mode(), 2);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainWindowTest, TheVersionLineIsVDotAndTheProjectsShortVersionAndNothingElse) {
  EXPECT_EQ(wMain().Find<fw::StaticText>("stVersion")->Text(), "V. " QUARVEL_PROJECT_SHORT_VERSION);
  EXPECT_EQ(fw::ShortVersion(), QUARVEL_PROJECT_SHORT_VERSION);
}

TEST_F(MainWindowTest, TheMakersButtonOpensItsSite) {
  std::vector<std::string> opened;
  fw::SetShowURLHandler([&](const std::string& url) { opened.push_back(url); });
  wMain().Find<fw::PagePanel>("ppMain")->Value(2);
  Settle();
  Click(MainControl("pbVelostra"), 10, 10);
  EXPECT_EQ(opened, std::vector<std::string>{kMakerSite});
  fw::SetShowURLHandler([](const std::string&) {});
}

// ---- Every change saves at once ---------------------------------------------------------

TEST_F(MainWindowTest, EveryOptionChangeRewritesTheFileAtOnce) {
  const std::string allDefaults = "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue";
  ASSERT_EQ(StoredGlobal(), allDefaults);
  struct Step {
    const char* what;
    std::int32_t page;  // the group page the control is on (-1: the test page itself)
    void (*act)();
    const char* stored;
  } const steps[] = {
      {"All tests on", -1, [] { Click(MainControl("cbAllTests"), 5, 5); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bTrue FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue"},
      {"Help off", -1, [] { Click(MainControl("cbShowHelp"), 5, 5); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue"},
      {"Sound off", 1, [] { Click(MainControl("cbSound"), 5, 5); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=i12 OverscanUsePixels=bFalse Sound=bFalse"},
      {"Pixels", 3, [] { ChooseRow("pmOverscan", 1); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=i12 OverscanUsePixels=bTrue Sound=bFalse"},
      {"24 pt.", 1, [] { ChooseRow("pmFontSize", 8); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=d24 OverscanUsePixels=bTrue Sound=bFalse"},
      {"Percent", 3, [] { ChooseRow("pmOverscan", 0); },
       "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=d24 OverscanUsePixels=bFalse Sound=bFalse"},
      {"All tests off", -1, [] { Click(MainControl("cbAllTests"), 5, 5); },
       "PrefType=sGlobal AllTests=bFalse ShowHelp=bFalse FontSize=d24 OverscanUsePixels=bFalse Sound=bFalse"},
      {"Sound on", 1, [] { Click(MainControl("cbSound"), 5, 5); },
       "PrefType=sGlobal AllTests=bFalse ShowHelp=bFalse FontSize=d24 OverscanUsePixels=bFalse Sound=bTrue"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.page >= 0) ShowGroup(step.page);
    Settle();
    const ino_t before = Inode(PrefsPath());
    step.act();
    EXPECT_EQ(StoredGlobal(), step.stored);
    EXPECT_NE(Inode(PrefsPath()), before) << "written anew";
  }
  EXPECT_EQ(Menu("pmFontSize")->Text(), "24 pt.");
  EXPECT_EQ(PrefsBytes().size(), 112u) << "FontSize a Double";
  EXPECT_TRUE(messages_.empty());
}

// ---- A stored record --------------------------------------------------------------------

namespace {

using Keys = std::vector<std::pair<std::string, fw::Variant>>;

struct StoredCase {
  const char* name;
  Keys keys;  // the record "Global" in the file, after its name
  Shown shown;
  const char* completed;  // the record in memory after the start
};

void PrintTo(const StoredCase& c, std::ostream* out) { *out << c.name; }

class StoredStart : public MainWindowTest, public testing::WithParamInterface<StoredCase> {
protected:
  void BeforeStart() override {
    cPreferences prefs("Quarvel");
    auto record = fw::New<fw::Dictionary>();
    for (const auto& [key, value] : GetParam().keys) record->Value(key, value);
    prefs.SetAndSave("Global", record);
    stored_ = PrefsBytes();
    ASSERT_FALSE(stored_.empty());
    inode_ = Inode(PrefsPath());
  }

  std::string stored_;
  ino_t inode_ = 0;
};

const Keys kAll = {{"AllTests", false}, {"ShowHelp", true}, {"FontSize", std::int32_t{12}},
                   {"OverscanUsePixels", false}, {"Sound", true}};

Keys With(Keys keys, const std::string& key, fw::Variant value) {
  for (auto& [k, v] : keys)
    if (k == key) v = std::move(value);
  return keys;
}
Keys Without(Keys keys, const std::string& key) {
  std::erase_if(keys, [&](const auto& kv) { return kv.first == key; });
  return keys;
}

const Keys kTurned = {{"AllTests", true}, {"ShowHelp", false}, {"FontSize", 9.0}, {"OverscanUsePixels", true},
                      {"Sound", false}};

}  // namespace

// The start only reads: the file is neither rewritten nor changed, whatever the controls raise
// while they are set.
TEST_P(StoredStart, ShowsTheRecordAndLeavesTheFileAlone) {
  ExpectShown(GetParam().shown);
  EXPECT_EQ(Dump(*Globals::GlobalPrefs), GetParam().completed);
  EXPECT_EQ(PrefsBytes(), stored_);
  EXPECT_EQ(Inode(PrefsPath()), inode_) << "the start saved";
  EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, StoredStart,
    testing::Values(
        StoredCase{"Defaults", kAll, kDefaultsShown,
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"FontSizeDouble18", With(kAll, "FontSize", 18.0), {false, true, true, 0, "18 pt."},
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=d18 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"FontSizeDouble36", With(kAll, "FontSize", 36.0), {false, true, true, 0, "36 pt."},
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=d36 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"FontSizeInteger8", With(kAll, "FontSize", std::int32_t{8}), {false, true, true, 0, "8 pt."},
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=i8 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"FontSize15MatchesNoRow", With(kAll, "FontSize", std::int32_t{15}), {false, true, true, 0, "8 pt."},
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=i15 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"FontSize18Point5MatchesNoRow", With(kAll, "FontSize", 18.5), {false, true, true, 0, "8 pt."},
                   "PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=d18.5 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"EveryOptionTurned", kTurned, {true, false, false, 1, "9 pt."},
                   "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=d9 OverscanUsePixels=bTrue Sound=bFalse"},
        // An older version's record has no Sound: it gets 12 points, percent and sound, the
        // rest as stored, in memory only.
        StoredCase{"OldRecord", Without(kTurned, "Sound"), {true, false, true, 0, "12 pt."},
                   "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue"},
        StoredCase{"OldRecordWithOnlyItsName", {}, kDefaultsShown,
                   "PrefType=sGlobal FontSize=i12 OverscanUsePixels=bFalse Sound=bTrue AllTests=bFalse ShowHelp=bTrue"},
        // A record with Sound that lacks another key: that key's default, and the start goes on.
        StoredCase{"LacksFontSize", Without(kTurned, "FontSize"), {true, false, false, 1, "12 pt."},
                   "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse OverscanUsePixels=bTrue Sound=bFalse FontSize=i12"},
        StoredCase{"LacksAllTests", Without(kTurned, "AllTests"), {false, false, false, 1, "9 pt."},
                   "PrefType=sGlobal ShowHelp=bFalse FontSize=d9 OverscanUsePixels=bTrue Sound=bFalse AllTests=bFalse"},
        StoredCase{"LacksShowHelp", Without(kTurned, "ShowHelp"), {true, true, false, 1, "9 pt."},
                   "PrefType=sGlobal AllTests=bTrue FontSize=d9 OverscanUsePixels=bTrue Sound=bFalse ShowHelp=bTrue"},
        StoredCase{"LacksOverscan", Without(kTurned, "OverscanUsePixels"), {true, false, false, 0, "9 pt."},
                   "PrefType=sGlobal AllTests=bTrue ShowHelp=bFalse FontSize=d9 Sound=bFalse OverscanUsePixels=bFalse"},
        // Values of another type read as the framework converts them.
        StoredCase{"OtherTypes", {{"AllTests", std::int32_t{1}}, {"ShowHelp", std::string("x")}, {"FontSize", std::string("14")},
                                  {"OverscanUsePixels", 2.0}, {"Sound", std::int32_t{0}}},
                   {true, false, false, 1, "14 pt."},
                   "PrefType=sGlobal AllTests=i1 ShowHelp=sx FontSize=s14 OverscanUsePixels=d2 Sound=i0"}),
    [](const testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

// ---- Damaged files ----------------------------------------------------------------------

namespace {

struct DamagedCase {
  const char* name;
  std::string bytes;  // "/": the path is a folder, so that nothing can be read or written
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class DamagedStart : public MainWindowTest, public testing::WithParamInterface<DamagedCase> {
protected:
  void BeforeStart() override {
    if (GetParam().bytes == "/") {
      std::filesystem::create_directory(PrefsPath());
      return;
    }
    std::ofstream(PrefsPath(), std::ios::binary) << GetParam().bytes;
  }
};

}  // namespace

TEST_P(DamagedStart, StartsWithTheDefaultsWithoutAMessage) {
  ExpectShown(kDefaultsShown);
  EXPECT_TRUE(messages_.empty());
  if (GetParam().bytes == "/") {
    EXPECT_TRUE(std::filesystem::is_directory(PrefsPath()));
    // An option change cannot save either, and goes on all the same.
    Click(MainControl("cbAllTests"), 5, 5);
    EXPECT_TRUE(Box("cbAllTests"));
    EXPECT_NE(Globals::Prefs->Info.find("Preferences: Failed to save!"), std::string::npos);
  } else {
    EXPECT_EQ(PrefsBytes(), kDefaultsFile) << "the defaults replace the damaged file";
  }
  EXPECT_TRUE(messages_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedStart,
    testing::Values(DamagedCase{"Empty", ""}, DamagedCase{"Garbage", "\x07garbage\x01\xff\xfe and more of it\n"},
                    DamagedCase{"OneByte", "\x0d"},
                    DamagedCase{"SaveCutShort", Bytes().Str("just starting").Record("Global", 6).Bool("AllTests", 1).s},
                    DamagedCase{"RecordCutOff", kFinished + Bytes().Str("PrefType").Str("Glo").s},
                    DamagedCase{"EntryCutOff", kFinished + Bytes().Record("Global", 6).Str("AllTests").U8(11).s},
                    DamagedCase{"Folder", "/"}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });
