// Sounds: what loads, the volume's range, and plays that are counted, heard or not. The test
// machine has no audio device, which is the case the sound must survive in silence.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/sound.h"

namespace {

namespace fs = std::filesystem;

void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A short 16-bit mono WAV file of silence.
std::string Wave(std::uint32_t frames) {
  std::string data(frames * 2, '\0');
  std::string out = "RIFF";
  PutLE(out, 36 + static_cast<std::uint32_t>(data.size()), 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);
  PutLE(out, 1, 2);       // PCM
  PutLE(out, 1, 2);       // mono
  PutLE(out, 22050, 4);   // frames a second
  PutLE(out, 44100, 4);   // bytes a second
  PutLE(out, 2, 2);       // bytes a frame
  PutLE(out, 16, 2);      // bits a sample
  out += "data";
  PutLE(out, static_cast<std::uint32_t>(data.size()), 4);
  return out + data;
}

class Sounds : public testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("quarvel_sound_test_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder_;
};

struct Unloadable {
  const char* name;
  std::string bytes;
};

void PrintTo(const Unloadable& row, std::ostream* out) { *out << row.name; }

class SoundsThatDoNotLoad : public Sounds, public testing::WithParamInterface<Unloadable> {};

TEST_P(SoundsThatDoNotLoad, AreNil) {
  const std::string path = Write("sound.wav", GetParam().bytes);
  EXPECT_FALSE(fw::Sound::Load(path));
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundsThatDoNotLoad,
                         testing::Values(Unloadable{"Empty", ""}, Unloadable{"ShortHeader", "RIFF\4\0\0\0WAV"},
                                         Unloadable{"Picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                                         Unloadable{"OtherRiff", "RIFF\4\0\0\0AVI LIST"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sounds, MissingFilesAndResourcesAreNil) {
  EXPECT_FALSE(fw::Sound::Load((folder_ / "none.wav").string()));
  EXPECT_FALSE(fw::Sound::Load(":/sounds/no-such-sound.wav"));
  EXPECT_FALSE(fw::Sound::Load(""));
  EXPECT_FALSE(fw::Sound::Load(folder_.string())) << "a folder is no sound";
}

TEST_F(Sounds, KeepTheVolumeWithinZeroToHundred) {
  const fw::Ref<fw::Sound> sound = fw::Sound::Load(Write("v.wav", Wave(100)));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->Volume(), 100);
  const std::vector<std::pair<std::int32_t, std::int32_t>> cases = {
      {50, 50}, {0, 0}, {100, 100}, {-1, 0}, {101, 100}, {INT32_MIN, 0}, {INT32_MAX, 100}};
  for (const auto& [given, kept] : cases) {
    sound->Volume(given);
    EXPECT_EQ(sound->Volume(), kept) << "Volume(" << given << ")";
  }
}

TEST_F(Sounds, PlayInSilenceWithoutADeviceAndCountEveryPlay) {
  const fw::Ref<fw::Sound> a = fw::Sound::Load(Write("a.wav", Wave(2205)));
  const fw::Ref<fw::Sound> b = fw::Sound::Load(Write("b.wav", Wave(2205)));
  ASSERT_TRUE(a && b);
  const std::int64_t before = fw::Sound::PlayCount();
  a->Volume(50);
  for (int i = 0; i < 200; ++i) {
    a->Play();  // faster than the sound lasts: each play starts it again
    if (i % 50 == 0) fw::ProcessEvents();
  }
  b->Volume(0);
  b->Play();
  fw::ProcessEvents();
  EXPECT_EQ(a->Plays(), 200);
  EXPECT_EQ(b->Plays(), 1);
  EXPECT_EQ(fw::Sound::PlayCount() - before, 201);
}

TEST_F(Sounds, OutliveTheirFileAndFolder) {
  const fw::Ref<fw::Sound> sound = fw::Sound::Load(Write("gone.wav", Wave(100)));
  ASSERT_TRUE(sound);
  fs::remove_all(folder_);
  sound->Play();
  fw::ProcessEvents();
  EXPECT_EQ(sound->Plays(), 1);
}

}  // namespace
