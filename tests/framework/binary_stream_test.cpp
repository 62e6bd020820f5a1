#include "framework/binary_stream.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "framework/files.h"
#include "support/file_size_limit.h"
#include "support/read_only.h"

namespace {

class BinaryStreamTest : public testing::Test {
protected:
  std::string Bytes() const {
    std::ifstream in(file->NativePath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Bytes(const std::string& bytes) const { std::ofstream(file->NativePath(), std::ios::binary) << bytes; }
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir dir;
  fw::FolderItem folder{dir.path().toStdString()};
  fw::Ref<fw::FolderItem> file = folder.Child("f");
};

TEST_F(BinaryStreamTest, NumbersAreBigEndianAndStringsCarryALengthByte) {
  auto out = file->CreateBinaryFile("pref");
  out->WriteInt32(0x01020304);
  out->WriteInt32(-2);
  out->WriteDouble(1.0);
  out->WritePString("ab");
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(Bytes(), std::string("\x01\x02\x03\x04\xFF\xFF\xFF\xFE\x3F\xF0\0\0\0\0\0\0\x02" "ab", 19));

  auto in = file->OpenAsBinaryFile(false);
  EXPECT_EQ(in->ReadInt32(), 0x01020304);
  EXPECT_EQ(in->ReadInt32(), -2);
  EXPECT_EQ(in->ReadDouble(), 1.0);
  EXPECT_EQ(in->ReadPString(), "ab");
  EXPECT_TRUE(in->Eof());
  EXPECT_FALSE(in->PastEnd());
}

TEST_F(BinaryStreamTest, ALongStringIsCutAt255BytesWithoutSplittingACharacter) {
  const std::string euro = "\xE2\x82\xAC";
  std::string text = "x";
  for (int i = 0; i < 85; ++i) text += euro;  // 256 bytes, the 85th euro across byte 255
  auto out = file->CreateBinaryFile("pref");
  out->WritePString(std::string(300, 'a'));
  out->WritePString(text);
  ASSERT_TRUE(out->Close());
  EXPECT_EQ(Bytes(), "\xFF" + std::string(255, 'a') + "\xFD" + text.substr(0, 253));
}

TEST_F(BinaryStreamTest, ReadsPastTheEndYieldZerosAndEmptyStrings) {
  Bytes("\x0A" "abc");
  auto in = file->OpenAsBinaryFile(true);
  EXPECT_EQ(in->ReadPString(), "");
  EXPECT_TRUE(in->PastEnd());
  EXPECT_TRUE(in->Eof());
  EXPECT_EQ(in->ReadInt32(), 0);
  EXPECT_EQ(in->ReadDouble(), 0.0);
  in->Close();
  EXPECT_EQ(in->ReadUInt8(), 0);
}

TEST_F(BinaryStreamTest, OpeningWhatIsNoFileGivesNilAndCreatesNothing) {
  EXPECT_FALSE(file->OpenAsBinaryFile(true));
  EXPECT_FALSE(file->Exists());
  EXPECT_FALSE(folder.OpenAsBinaryFile(false));
  EXPECT_FALSE(folder.CreateBinaryFile("pref"));
  EXPECT_FALSE(file->Child("inside")->CreateBinaryFile("pref"));
}

TEST_F(BinaryStreamTest, ANewFileReplacesTheOldOneOnlyWhenClosed) {
  Bytes("old");
  file->CreateBinaryFile("pref")->WritePString("dropped unclosed");
  EXPECT_EQ(Bytes(), "old");
  auto out = file->CreateBinaryFile("pref");
  out->WriteUInt8('N');
  EXPECT_EQ(Bytes(), "old");
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Bytes(), "N");
  EXPECT_EQ(Files(), QStringList{"f"});
}

// The last buffered bytes reach the file only on Close; their failure must not count as saved.
TEST_F(BinaryStreamTest, AWriteThatFailsOnClosingKeepsTheOldFile) {
  Bytes("old");
  auto out = file->CreateBinaryFile("pref");
  out->WritePString(std::string(100, 'x'));
  bool closed = true;
  {
    FileSizeLimit limit(60);
    closed = out->Close();
  }
  EXPECT_FALSE(closed);
  EXPECT_EQ(Bytes(), "old");
  EXPECT_EQ(Files(), QStringList{"f"});
}

// In a folder that takes no new file the old content is kept to put back only up to the
// limit given; a longer file that a rewrite drops is left as far as it was written.
TEST_F(BinaryStreamTest, AnInPlaceRewriteKeepsTheOldContentOnlyUpToTheLimit) {
  for (const std::int64_t limit : {11, 10}) {
    Bytes("old content");
    ReadOnly readOnly(dir.path().toStdString());
    if (!readOnly.Holds()) GTEST_SKIP() << "cannot make the folder read-only here";
    file->CreateBinaryFile("pref", limit)->WriteBytes("new");
    EXPECT_EQ(Bytes(), limit == 11 ? "old content" : "new content") << limit;
  }
}

struct FolderCase {
  const char* name;
  const char* xdg;       // nullptr: unset; one starting with '/' lies in the temp home
  const char* expected;  // in the temp home
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class PreferencesFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(PreferencesFolderTest, IsTheXdgConfigFolderAndIsMadeWhenMissing) {
  QTemporaryDir home;
  const std::string root = home.path().toStdString();
  const char* xdg = GetParam().xdg;
  setenv("HOME", root.c_str(), 1);
  if (!xdg) unsetenv("XDG_CONFIG_HOME");
  else setenv("XDG_CONFIG_HOME", (xdg[0] == '/' ? root + xdg : std::string(xdg)).c_str(), 1);
  const auto folder = fw::PreferencesFolder();
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(folder->NativePath(), root + GetParam().expected);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(folder->NativePath())).isDir());
}

INSTANTIATE_TEST_SUITE_P(, PreferencesFolderTest,
                         testing::Values(FolderCase{"Set", "/a/b", "/a/b"}, FolderCase{"Unset", nullptr, "/.config"},
                                         FolderCase{"Empty", "", "/.config"},
                                         FolderCase{"Relative", "rel", "/.config"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
