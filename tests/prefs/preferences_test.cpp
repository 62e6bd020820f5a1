#include "prefs/cPreferences.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "support/file_size_limit.h"
#include "support/prefs_bytes.h"
#include "support/read_only.h"

namespace {

const std::string kH = Bytes().Record("H", 1).s;
const std::string kLoaded = "Preferences: Loaded successfully";
const std::string kNoFile = "Preferences: Could not open file! Defaults are used.";
const std::string kWrong = "Preferences: Wrong format! Defaults are used.";

fw::Ref<fw::Dictionary> Defaults() {
  auto d = fw::New<fw::Dictionary>();
  d->Value("AllTests", false);
  d->Value("ShowHelp", true);
  d->Value("FontSize", std::int32_t{12});
  d->Value("OverscanUsePixels", false);
  d->Value("Sound", true);
  return d;
}

// Each record as "key=<type letter><value> ...", so that types and key order show too.
std::vector<std::string> Dump(const cPreferences& prefs) {
  std::vector<std::string> out;
  for (std::size_t r = 0; r < prefs.PrefData.size(); ++r) {
    const auto d = prefs.PrefData[r];
    std::string line;
    for (std::int32_t i = 0; i < d->Count(); ++i) {
      const fw::Variant& v = d->Value(d->Key(i));
      line += (i ? " " : "") + d->Key(i) + "=" + "idsbc"[v.index()] + fw::VariantToString(v);
    }
    out.push_back(line);
  }
  return out;
}

class PrefsTest : public testing::Test {
protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", dir.path().toStdString().c_str(), 1); }
  std::string File() const {
    std::ifstream in(Path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void File(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
  std::string Path() const { return dir.path().toStdString() + "/Quarvel"; }

  QTemporaryDir dir;
};

TEST_F(PrefsTest, FirstStartLogsAndWritesTheDefaultsIn108Bytes) {
  cPreferences prefs("Quarvel");
  EXPECT_FALSE(prefs.GetData("Global"));
  prefs.SetAndSave("Global", Defaults());
  EXPECT_EQ(prefs.Info, kNoFile + "\rPreferences: Can't find key <Global>\rPreferences: Creating key <Global>");
  EXPECT_EQ(File(), kDefaultsFile);
  EXPECT_EQ(File().size(), 108u);

  prefs.GetData("Global")->Value("FontSize", 18.0);
  prefs.Save();
  EXPECT_EQ(File().size(), 112u);
  cPreferences again("Quarvel");
  EXPECT_EQ(again.Info, kLoaded);
  EXPECT_EQ(Dump(again), std::vector<std::string>{"PrefType=sGlobal AllTests=bFalse ShowHelp=bTrue FontSize=d18 "
                                                  "OverscanUsePixels=bFalse Sound=bTrue"});
}

struct LoadCase {
  const char* name;
  std::string file;  // "-": no file
  std::string info;
  std::vector<std::string> records;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadTest : public PrefsTest, public testing::WithParamInterface<LoadCase> {};

// Each row must also end at once: a loader that trusts a count would loop or wait.
TEST_P(LoadTest, ReadsWhatTheFileHoldsAndStopsAtItsEnd) {
  if (GetParam().file != "-") File(GetParam().file);
  cPreferences prefs("Quarvel");
  EXPECT_EQ(prefs.Info, GetParam().info);
  EXPECT_EQ(Dump(prefs), GetParam().records);
  EXPECT_FALSE(prefs.PrefStream);
}

INSTANTIATE_TEST_SUITE_P(
    , LoadTest,
    testing::Values(
        LoadCase{"NoFile", "-", kNoFile, {}}, LoadCase{"EmptyFile", "", kNoFile, {}},
        LoadCase{"SaveNotFinished", Bytes().Str("just starting").Raw(kH).s, kWrong, {}},
        LoadCase{"HeaderCutShort", Bytes().U8(13).Raw("QVL. fin").s, kWrong, {}},
        LoadCase{"HeaderOnly", kFinished, kLoaded, {}},
        LoadCase{"BooleanByteTwo", kFinished + Bytes().Record("G", 2).Bool("B", 2).s, kLoaded, {"PrefType=sG B=bTrue"}},
        LoadCase{"CountOne", kFinished + kH + kH, kLoaded, {"PrefType=sH", "PrefType=sH"}},
        LoadCase{"UnknownTypeCode",
                 kFinished + Bytes().Record("G", 4).Bool("A", 1).Str("X").U8(7).Str("C").U8(16).U8(1).U8(2).U8(3).s,
                 kLoaded, {"PrefType=sG A=bTrue C=c66051"}},
        LoadCase{"ManyEmptyRecords", kFinished + std::string(7 * 3, '\0'), kLoaded,
                 {"PrefType=s", "PrefType=s", "PrefType=s"}},
        // Written back, 3 MB of empty records would outgrow the longest file the store loads.
        LoadCase{"RecordsTooLongAsWritten", kFinished + std::string(3 << 20, '\0'), kWrong, {}},
        LoadCase{"CountBeyondTheEntries", kFinished + Bytes().Record("G", 0x7FFFFFFF).Bool("A", 1).s, kLoaded,
                 {"PrefType=sG A=bTrue"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrefsTest, AFileCutAnywhereLoadsOnlyValuesThatWereSaved) {
  const auto saved = Defaults();
  for (std::size_t length = kFinished.size(); length < kDefaultsFile.size(); ++length) {
    File(kDefaultsFile.substr(0, length));
    cPreferences prefs("Quarvel");
    ASSERT_LE(prefs.PrefData.size(), 1u) << length;
    for (std::size_t r = 0; r < prefs.PrefData.size(); ++r) {
      const auto record = prefs.PrefData[r];
      for (std::int32_t i = 1; i < record->Count(); ++i)
        EXPECT_EQ(record->Value(record->Key(i)), saved->Value(record->Key(i))) << length;
    }
  }
}

TEST_F(PrefsTest, AnEmptyStoreSavesTheHeaderAlone) {
  cPreferences("Quarvel").Save();
  EXPECT_EQ(File(), kFinished);
  EXPECT_EQ(cPreferences("Quarvel").Info, kLoaded);
}

TEST_F(PrefsTest, ASaveAfterARefusedFileLeavesNothingOfIt) {
  File(Bytes().Str("just starting").Raw(std::string(500, '\x07')).s);
  cPreferences("Quarvel").SetAndSave("Global", Defaults());
  EXPECT_EQ(File(), kDefaultsFile);
}

TEST_F(PrefsTest, TheSharedRecordAndSetDataReachTheNextSave) {
  File(kFinished + Bytes().Record("G", 2).Bool("A", 1).s + Bytes().Record("G", 2).Bool("A", 0).s);
  cPreferences prefs("Quarvel");
  prefs.GetData("G")->Value("A", false);
  auto data = fw::New<fw::Dictionary>();
  data->Value("New", std::int32_t{1});
  data->Value("A", true);
  prefs.SetAndSave("G", data);
  auto own = fw::New<fw::Dictionary>();
  own->Value("K", 1.5);
  prefs.SetAndSave("F", own);
  own->Value("K", 2.5);  // the caller's dictionary is not the record
  prefs.Save();
  EXPECT_EQ(Dump(cPreferences("Quarvel")),
            (std::vector<std::string>{"PrefType=sG A=bTrue New=i1", "PrefType=sG A=bFalse", "PrefType=sF K=d1.5"}));
}

// Records nobody asked for go out as the file had them when they are in the store's layout (a
// key twice included), and in that layout otherwise; the one asked for and changed between
// them is written from its Dictionary.
TEST_F(PrefsTest, ASaveWritesTheRecordAskedForBetweenTheOthersAsTheyWere) {
  const std::string twice = Bytes().Record("A", 3).Bool("K", 1).Bool("K", 0).s;
  const std::string odd = Bytes().Str("").Str("C").Str("").I32(2).Bool("B", 2).s;
  File(kFinished + twice + Bytes().Record("Global", 2).Bool("Sound", 1).s + odd);
  cPreferences prefs("Quarvel");
  prefs.GetData("Global")->Value("Sound", false);
  prefs.Save();
  EXPECT_EQ(File(), kFinished + twice + Bytes().Record("Global", 2).Bool("Sound", 0).s +
                        Bytes().Record("C", 2).Bool("B", 1).s);
  EXPECT_EQ(Dump(cPreferences("Quarvel")),
            (std::vector<std::string>{"PrefType=sA K=bFalse", "PrefType=sGlobal Sound=bFalse", "PrefType=sC B=bTrue"}));
}

// A save either stores the changed options or leaves the file as it stood, byte for byte, and
// the store as it was; nothing else is left in the folder.
struct SaveCase {
  const char* name;
  bool folderReadOnly;
  bool fileReadOnly;
  rlim_t sizeLimit;  // 0: none
  bool saved;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class SaveTest : public PrefsTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveTest, KeepsTheNewOptionsOrTheOldFileWhole) {
  cPreferences("Quarvel").SetAndSave("Global", Defaults());
  cPreferences prefs("Quarvel");
  prefs.GetData("Global")->Value("Sound", false);
  prefs.GetData("Global")->Value("Note", std::string(200, 'n'));  // the new file outgrows the old one
  {
    std::optional<ReadOnly> file, folder;
    if (GetParam().fileReadOnly) file.emplace(Path());
    if (GetParam().folderReadOnly) folder.emplace(dir.path().toStdString());
    if ((file && !file->Holds()) || (folder && !folder->Holds())) GTEST_SKIP() << "cannot make it read-only here";
    std::optional<FileSizeLimit> limit;
    if (GetParam().sizeLimit) limit.emplace(GetParam().sizeLimit);
    prefs.Save();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Quarvel"});
  EXPECT_FALSE(std::get<bool>(prefs.GetData("Global")->Value("Sound")));
  if (GetParam().saved) {
    EXPECT_EQ(prefs.Info, kLoaded);
    cPreferences again("Quarvel");
    EXPECT_EQ(Dump(again), Dump(prefs));
  } else {
    EXPECT_EQ(prefs.Info, kLoaded + "\rPreferences: Failed to save!");
    EXPECT_EQ(File(), kDefaultsFile);
  }
}

INSTANTIATE_TEST_SUITE_P(, SaveTest,
                         testing::Values(SaveCase{"WritableFolder", false, false, 0, true},
                                         SaveCase{"ReadOnlyFolderWritableFile", true, false, 0, true},
                                         SaveCase{"ReadOnlyFile", false, true, 0, false},
                                         SaveCase{"ReadOnlyFolderAndFile", true, true, 0, false},
                                         SaveCase{"WriteFailsHalfway", false, false, 200, false},
                                         SaveCase{"InPlaceWriteFailsHalfway", true, false, 200, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A killed save leaves its new file under a hidden name of the program's own; only such names
// are removed, and the user's files beside the preferences stay byte for byte, however their
// names look.
TEST_F(PrefsTest, SavesRemoveTheirOwnLeftoversAndNothingOfTheUsers) {
  const QStringList users = {"Quarvel.backup", "Quarvel.bak001", "Quarvel.a1b2c3", "Quarvel.k3Xy9Z",
                             ".Quarvel.saving-AbC12", ".Quarvel.saving-AbC12z.bak", ".Other.saving-AbC12z"};
  for (const QString& name : users + QStringList{".Quarvel.saving-AbC12z", ".Quarvel.saving-zzzzzz"}) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(("the user's " + name).toUtf8());
  }
  QDir(dir.path()).mkdir(".Quarvel.saving-Folder");
  cPreferences("Quarvel").SetAndSave("Global", Defaults());
  for (int save = 0; save < 20; ++save) cPreferences("Quarvel").SetAndSave("Global", Defaults());
  QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
  QStringList expected = users + QStringList{"Quarvel", ".Quarvel.saving-Folder"};
  left.sort();
  expected.sort();
  EXPECT_EQ(left, expected);
  for (const QString& name : users) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), ("the user's " + name).toUtf8());
  }
  EXPECT_EQ(File(), kDefaultsFile);
}

// A file too long for any real store is refused unread (sparse here, so it costs no disk),
// also when the folder takes no new file, and the next save writes a sound one.
TEST_F(PrefsTest, AFileLongerThanAnyRealOneIsRefusedAndReplaced) {
  for (const bool folderReadOnly : {false, true}) {
    File(kDefaultsFile);
    ASSERT_EQ(truncate(Path().c_str(), 2LL << 30), 0);
    cPreferences prefs("Quarvel");
    EXPECT_EQ(prefs.Info, kWrong);
    EXPECT_EQ(prefs.PrefData.size(), 0u);
    {
      std::optional<ReadOnly> folder;
      if (folderReadOnly) folder.emplace(dir.path().toStdString());
      if (folder && !folder->Holds()) GTEST_SKIP() << "cannot make the folder read-only here";
      prefs.SetAndSave("Global", Defaults());
    }
    EXPECT_EQ(File(), kDefaultsFile) << folderReadOnly;
  }
}

}  // namespace
