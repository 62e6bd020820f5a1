// The picture and sound assets: each loads from its resource with its size, once; a failed
// load is tried again; masks and the logo's transparency are applied once, when loaded; and
// shut-down releases every asset in its order.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Assets.h"
#include "framework/picture.h"
#include "framework/sound.h"

namespace {

namespace fs = std::filesystem;
using PictureAccessor = fw::Ref<fw::Picture> (*)();

struct PictureRow {
  const char* name;
  PictureAccessor accessor;
  int id;
  int width;
  int height;
  PictureAccessor mask;  // drawn into the picture when it is loaded
};

// The sizes their users fix: the explanation window's title canvas (270 x 32), the logo's
// 62 x 24 that fall inside it, the About page's 370 x 300; the sprites fit the 121 x 97 preview
// (or a full screen) with room to spare; the toolbar's icons are 32 x 32 like their masks.
const PictureRow kPictures[] = {
    {"TitelBG", TitelBG, 168, 270, 32, TitelBGMask},
    {"TitelBGMask", TitelBGMask, 169, 270, 32, nullptr},
    {"velostralogosmall", velostralogosmall, 170, 62, 24, nullptr},
    {"SpriteSmall", SpriteSmall, 171, 16, 16, nullptr},
    {"SpriteBig", SpriteBig, 172, 64, 64, nullptr},
    {"SpriteBigInverse", SpriteBigInverse, 173, 64, 64, nullptr},
    {"SpriteSmallInverse", SpriteSmallInverse, 174, 16, 16, nullptr},
    {"AboutBox", AboutBox, 175, 370, 300, nullptr},
    {"ColorShadesIcon", ColorShadesIcon, 176, 32, 32, ColorShadesIconMask},
    {"ColorShadesIconMask", ColorShadesIconMask, 177, 32, 32, nullptr},
    {"GeometryIcon", GeometryIcon, 178, 32, 32, GeometryIconMask},
    {"GeometryIconMask", GeometryIconMask, 179, 32, 32, nullptr},
    {"HelpIconOn", HelpIconOn, 180, 32, 32, HelpIconOnMask},
    {"HelpIconOnMask", HelpIconOnMask, 181, 32, 32, nullptr},
    {"InfoIcon", InfoIcon, 182, 32, 32, InfoIconMask},
    {"InfoIconMask", InfoIconMask, 183, 32, 32, nullptr},
    {"MatchingIcon", MatchingIcon, 184, 32, 32, MatchingIconMask},
    {"MatchingIconMask", MatchingIconMask, 185, 32, 32, nullptr},
    {"VideoIcon", VideoIcon, 186, 32, 32, VideoIconMask},
    {"VideoIconMask", VideoIconMask, 187, 32, 32, nullptr},
};

void PrintTo(const PictureRow& row, std::ostream* out) { *out << row.name; }

std::uint32_t Rgb(const fw::Picture& picture, int x, int y) { return picture.Image().pixel(x, y) & 0xFFFFFFu; }

bool SamePixels(const fw::Picture& a, const fw::Picture& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (Rgb(a, x, y) != Rgb(b, x, y)) return false;
  return true;
}

class Assets : public testing::Test {
protected:
  void SetUp() override {
    ReleaseAssets();
    folder_ = fs::temp_directory_path() / ("quarvel_assets_test_" + std::to_string(::getpid()));
    fs::create_directories(folder_ / "pictures");
    fs::create_directories(folder_ / "sounds");
  }
  void TearDown() override {
    ReleaseAssets();
    SetAssetFolder(":/");
    fs::remove_all(folder_);
  }

  // Reads the assets from a folder of the test's own, empty until Put fills it.
  void UseFolder() { SetAssetFolder(folder_.string() + "/"); }
  void Put(const std::string& kind, int id) {
    const std::string file = kind + "/" + std::to_string(id) + (kind == "pictures" ? ".png" : ".wav");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(":/" + file), QString::fromStdString((folder_ / file).string())));
  }
  void Take(const std::string& kind, int id) {
    fs::remove(folder_ / kind / (std::to_string(id) + (kind == "pictures" ? ".png" : ".wav")));
  }

  fs::path folder_;
};

class EveryPicture : public Assets, public testing::WithParamInterface<PictureRow> {};

TEST_P(EveryPicture, LoadsOnceWithItsSize) {
  const PictureRow& row = GetParam();
  const fw::Ref<fw::Picture> picture = row.accessor();
  ASSERT_TRUE(picture) << row.name;
  EXPECT_EQ(picture->Width(), row.width);
  EXPECT_EQ(picture->Height(), row.height);
  EXPECT_EQ(row.accessor(), picture) << "the cached object comes back";
  UseFolder();
  EXPECT_EQ(row.accessor(), picture) << "a cached asset does not go back to the resources";
}

TEST_P(EveryPicture, IsReadFromItsOwnIdAndTriedAgainAfterAFailedLoad) {
  const PictureRow& row = GetParam();
  UseFolder();
  EXPECT_FALSE(row.accessor());
  EXPECT_FALSE(row.accessor());
  Put("pictures", row.id);
  const fw::Ref<fw::Picture> picture = row.accessor();
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), row.width);
  EXPECT_EQ(picture->Height(), row.height);
}

TEST_P(EveryPicture, GetsItsMaskDrawnInWhenLoaded) {
  const PictureRow& row = GetParam();
  const fw::Ref<fw::Picture> picture = row.accessor();
  ASSERT_TRUE(picture);
  if (!row.mask) {
    EXPECT_FALSE(picture->HasMask());
    return;
  }
  ASSERT_TRUE(picture->HasMask());
  EXPECT_TRUE(SamePixels(*picture->Mask(), *row.mask()));
  // A masked picture is white wherever its mask leaves it out, so that nothing of it shows
  // where it is drawn without the mask either.
  const fw::Ref<fw::Picture> mask = row.mask();
  int opaque = 0;
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = 0; x < mask->Width(); ++x) {
      const std::uint32_t m = Rgb(*mask, x, y);
      ASSERT_TRUE(m == 0 || m == 0xFFFFFFu) << "a mask is black or white";
      if (m == 0) {
        ++opaque;
        continue;
      }
      EXPECT_EQ(Rgb(*picture, x, y), 0xFFFFFFu) << x << "," << y;
    }
  EXPECT_GT(opaque, mask->Width() * mask->Height() / 2);
  EXPECT_LT(opaque, mask->Width() * mask->Height()) << "the mask leaves something out";
}

INSTANTIATE_TEST_SUITE_P(Assets, EveryPicture, testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Assets, SpritesShowTheirFieldAroundTheirFourPoints) {
  struct Sprite {
    PictureAccessor accessor;
    std::uint32_t field;
  };
  for (const Sprite& s : {Sprite{SpriteSmall, 0xFFFFFF}, Sprite{SpriteBig, 0xFFFFFF}, Sprite{SpriteSmallInverse, 0},
                          Sprite{SpriteBigInverse, 0}}) {
    const fw::Ref<fw::Picture> sprite = s.accessor();
    ASSERT_TRUE(sprite);
    const int w = sprite->Width(), h = sprite->Height();
    for (int x = 0; x < w; ++x) {
      EXPECT_EQ(Rgb(*sprite, x, 0), s.field);
      EXPECT_EQ(Rgb(*sprite, x, h - 1), s.field);
    }
    EXPECT_EQ(Rgb(*sprite, w / 2, h / 2), s.field);
    const std::uint32_t point = s.field ^ 0xFFFFFFu;
    EXPECT_EQ(Rgb(*sprite, w / 6, h / 6), point);
    EXPECT_EQ(Rgb(*sprite, w - 1 - w / 6, h / 6), point);
    EXPECT_EQ(Rgb(*sprite, w / 6, h - 1 - h / 6), point);
    EXPECT_EQ(Rgb(*sprite, w - 1 - w / 6, h - 1 - h / 6), point);
  }
}

TEST_F(Assets, TheBounceSoundLoadsOnceAndIsSound168NotPicture168) {
  const fw::Ref<fw::Sound> sound = Rums();
  ASSERT_TRUE(sound);
  EXPECT_EQ(Rums(), sound);
  ReleaseAssets();

  UseFolder();
  Put("pictures", 168);
  EXPECT_FALSE(Rums()) << "picture 168 is no sound";
  EXPECT_TRUE(TitelBG());
  Take("pictures", 168);
  Put("sounds", 168);
  ReleaseAssets();
  EXPECT_FALSE(TitelBG()) << "sound 168 is no picture";
  ASSERT_TRUE(Rums());
  Take("sounds", 168);
  EXPECT_TRUE(Rums()) << "kept once loaded";
}

TEST_F(Assets, TheLogoIsTransparentOnEveryCall) {
  ASSERT_TRUE(velostralogosmall());
  EXPECT_EQ(velostralogosmall()->Transparent(), 1);
  EXPECT_EQ(velostralogosmall()->Transparent(), 1);
  for (PictureAccessor other : {SpriteBig, AboutBox, TitelBG}) EXPECT_EQ(other()->Transparent(), 0);
}

TEST_F(Assets, AMaskIsDrawnIntoItsIconOnceOnly) {
  const fw::Ref<fw::Picture> icon = ColorShadesIcon();
  ASSERT_TRUE(icon && icon->HasMask());
  icon->Mask()->Image().fill(0xFFFFFFFFu);
  ASSERT_TRUE(ColorShadesIconMask());
  EXPECT_EQ(ColorShadesIcon(), icon);
  EXPECT_EQ(Rgb(*icon->Mask(), 16, 16), 0xFFFFFFu) << "the later calls left the icon's mask alone";
}

TEST_F(Assets, AnIconThatFailsStillLoadsItsMask) {
  UseFolder();
  Put("pictures", 179);
  EXPECT_FALSE(GeometryIcon());
  const fw::Ref<fw::Picture> mask = GeometryIconMask();
  ASSERT_TRUE(mask);
  Take("pictures", 179);
  EXPECT_EQ(GeometryIconMask(), mask) << "the icon's load cached its mask";
  Put("pictures", 178);
  const fw::Ref<fw::Picture> icon = GeometryIcon();
  ASSERT_TRUE(icon && icon->HasMask());
  EXPECT_TRUE(SamePixels(*icon->Mask(), *mask));
}

TEST_F(Assets, AnIconWhoseMaskFailsStaysWithoutOne) {
  UseFolder();
  Put("pictures", 186);
  const fw::Ref<fw::Picture> icon = VideoIcon();
  ASSERT_TRUE(icon);
  EXPECT_FALSE(icon->HasMask());
  EXPECT_FALSE(VideoIconMask());
  Put("pictures", 187);
  EXPECT_EQ(VideoIcon(), icon);
  EXPECT_FALSE(icon->HasMask()) << "a mask that loads later is not drawn in";
  EXPECT_TRUE(VideoIconMask());
}

TEST_F(Assets, ShutDownReleasesEachAssetInItsOrder) {
  const std::vector<std::string> order = {
      "TitelBG",         "TitelBGMask",     "velostralogosmall",   "SpriteSmall",  "SpriteBig",
      "SpriteBigInverse", "SpriteSmallInverse", "Rums",             "AboutBox",     "ColorShadesIcon",
      "ColorShadesIconMask", "GeometryIcon", "GeometryIconMask",    "HelpIconOn",   "HelpIconOnMask",
      "InfoIcon",        "InfoIconMask",    "MatchingIcon",        "MatchingIconMask", "VideoIcon",
      "VideoIconMask"};
  ASSERT_EQ(AllAssets().size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(AllAssets()[i].name, order[i]);

  // Loaded in the same order, the caches holding the only references.
  std::vector<std::weak_ptr<void>> held;
  for (const std::string& name : order) {
    if (name == "Rums") {
      held.push_back(Rums().shared());
      continue;
    }
    for (const PictureRow& row : kPictures)
      if (row.name == name) held.push_back(row.accessor().shared());
  }
  ASSERT_EQ(held.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    ASSERT_FALSE(held[i].expired()) << order[i];
    AllAssets()[i].release();
    EXPECT_TRUE(held[i].expired()) << order[i] << " released by its own row";
    if (i + 1 < order.size()) {
      EXPECT_FALSE(held[i + 1].expired()) << order[i + 1] << " kept until its turn";
    }
  }
}

}  // namespace
