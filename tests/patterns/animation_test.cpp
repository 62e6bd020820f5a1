// The frame event: the pumping effect's toggles, the tracing sprite's bounces and sound, and
// the end of the help title, on a clock the tests drive.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Assets.h"
#include "app/Globals.h"
#include "framework/clock.h"
#include "framework/dictionary.h"
#include "framework/msgbox.h"
#include "framework/screens.h"
#include "framework/sound.h"
#include "patterns/MainWindowOptions.h"
#include "support/canvas_fixture.h"

namespace {

class AnimationTest : public testing::Test {
protected:
  void SetUp() override {
    fw::SetTicksSource([this] { return now; });
    fw::SetMsgBoxHandler([](const std::string&) {});
    Globals::GlobalPrefs = fw::New<fw::Dictionary>();
    Globals::GlobalPrefs->Value("Sound", true);
  }
  void TearDown() override {
    fw::SetTicksSource({});
    fw::SetMsgBoxHandler({});
    SetOptionsForTesting(std::nullopt);
    Globals::GlobalPrefs.Reset();
    Globals::TitelDuration = 0;
  }
  std::int32_t now = 1000;
};

// ---- Pumping effect ------------------------------------------------------------------------

// The picture as rings from the edge inward: each ring's width and colour, the last one
// filling the rest.
struct Ring {
  int width;
  QRgb color;
};

testing::AssertionResult HasRings(const QImage& image, const std::vector<Ring>& rings) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      int d = std::min({x, y, image.width() - 1 - x, image.height() - 1 - y});
      std::size_t r = 0;
      while (r + 1 < rings.size() && d >= rings[r].width) d -= rings[r++].width;
      if ((image.pixel(x, y) & 0xFFFFFF) != rings[r].color)
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                           << (image.pixel(x, y) & 0xFFFFFF) << ", ring " << r << " wants "
                                           << rings[r].color;
    }
  return testing::AssertionSuccess();
}

constexpr QRgb kBlack = 0x000000, kWhite = 0xFFFFFF;

struct PumpCase {
  const char* name;
  int width, height;
  std::vector<Ring> phase0, phase1;
};

// Make's pumping set-up leaves phase 0 due, and the pen at the thick size; said again here so
// that these tests check the frames alone.
void MakePumpEffect(cPatternCanvas& canvas) {
  canvas.Make(0, "GeoPumpEffect");
  canvas.LastColor = 0;
  canvas.g->PenWidth(canvas.PenSizeFat);
  canvas.g->PenHeight(canvas.PenSizeFat);
  canvas.time = fw::Ticks() - 1;
}

void PrintTo(const PumpCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

class PumpEffectTest : public AnimationTest, public testing::WithParamInterface<PumpCase> {};

// The first frame after Make draws phase 0 at once; the next toggle comes only on a frame
// after more than 60 ticks, and then phase 1; then phase 0 again.
TEST_P(PumpEffectTest, TogglesOnTheFirstFrameAndThenAfterMoreThan60Ticks) {
  const PumpCase& c = GetParam();
  CanvasFixture f(c.width, c.height);
  MakePumpEffect(*f.canvas);
  f.canvas->Update();
  EXPECT_TRUE(HasRings(f.canvas->Composite(), c.phase0));
  EXPECT_EQ(f.canvas->time, now + 60);

  now += 60;
  f.canvas->Update();
  EXPECT_TRUE(HasRings(f.canvas->Composite(), c.phase0)) << "toggled in the very tick of time";

  now += 1;
  f.canvas->Update();
  EXPECT_TRUE(HasRings(f.canvas->Composite(), c.phase1));

  now += 61;
  f.canvas->Update();
  EXPECT_TRUE(HasRings(f.canvas->Composite(), c.phase0));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PumpEffectTest,
    testing::Values(
        // PenSizeFat = Int(768 / 150) = 5.
        PumpCase{"Screen1024x768", 1024, 768, {{5, kWhite}, {1, kBlack}}, {{5, kWhite}, {5, kBlack}, {1, kWhite}}},
        PumpCase{"Screen1366x768", 1366, 768, {{5, kWhite}, {1, kBlack}}, {{5, kWhite}, {5, kBlack}, {1, kWhite}}},
        PumpCase{"Screen1280x1024", 1280, 1024, {{6, kWhite}, {1, kBlack}}, {{6, kWhite}, {6, kBlack}, {1, kWhite}}},
        // Lower than 150 pixels: PenSizeFat 1.
        PumpCase{"Screen400x97", 400, 97, {{1, kWhite}, {1, kBlack}}, {{1, kWhite}, {1, kBlack}, {1, kWhite}}},
        // The preview keeps its black outer ring; the white ring lies one pixel inside.
        PumpCase{"Preview", 121, 97, {{1, kBlack}, {1, kWhite}, {1, kBlack}},
                 {{1, kBlack}, {1, kWhite}, {1, kBlack}, {1, kWhite}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Tracing -------------------------------------------------------------------------------

constexpr int kSpriteW = 20, kSpriteH = 10;

// The tracing kind's own sprite is replaced by one of a known size at a known place.
void PlaceSprite(cPatternCanvas& canvas, int x, int y, int dx, int dy) {
  if (canvas.MovingSprite) canvas.MovingSprite->Close();
  auto image = fw::NewPicture(kSpriteW, kSpriteH, 32);
  image->Graphics()->ForeColor(0xFF0000);
  image->Graphics()->FillRect(0, 0, kSpriteW, kSpriteH);
  canvas.MovingSprite = fw::New<fw::Sprite>(image, x, y);
  canvas.SpriteDX = dx;
  canvas.SpriteDY = dy;
  canvas.Attach(canvas.MovingSprite);
}

struct StepCase {
  const char* name;
  int x, dx;         // along one axis, where the limits are 1 and 1024 - 20 - 1 = 1003
  int nextX, nextDx;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class TracingStepTest : public AnimationTest, public testing::WithParamInterface<StepCase> {};

// The horizontal case on a 1024-pixel-wide picture, and the same numbers vertically on a
// picture 1014 high (limit 1014 - 10 - 1 = 1003), so both axes meet the same limits.
TEST_P(TracingStepTest, TurnsAtTheLimitsWithoutClamping) {
  const StepCase& c = GetParam();
  {
    CanvasFixture f(1024, 768);
    f.canvas->Make(0, "GeoTracing");
    PlaceSprite(*f.canvas, c.x, 300, c.dx, 6);
    f.canvas->Update();
    EXPECT_EQ(f.canvas->MovingSprite->X(), c.nextX);
    EXPECT_EQ(f.canvas->SpriteDX, c.nextDx);
    EXPECT_EQ(f.canvas->MovingSprite->Y(), 306);
    EXPECT_EQ(f.canvas->SpriteDY, 6);
  }
  {
    CanvasFixture f(600, 1014);
    f.canvas->Make(0, "GeoInvTracing");
    PlaceSprite(*f.canvas, 300, c.x, 6, c.dx);
    f.canvas->Update();
    EXPECT_EQ(f.canvas->MovingSprite->Y(), c.nextX);
    EXPECT_EQ(f.canvas->SpriteDY, c.nextDx);
    EXPECT_EQ(f.canvas->SpriteDX, 6);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TracingStepTest,
    testing::Values(StepCase{"FivePixelsBeforeTheFarLimitTurns", 998, 6, 1004, -6},
                    StepCase{"ReachingTheFarLimitTurns", 997, 6, 1003, -6},
                    StepCase{"OneShortOfTheFarLimitGoesOn", 996, 6, 1002, 6},
                    StepCase{"ReachingTheNearLimitTurns", 7, -6, 1, 6},
                    StepCase{"OneShortOfTheNearLimitGoesOn", 8, -6, 2, -6},
                    StepCase{"PastTheNearLimitTurnsFromWhereItStands", 3, -6, -3, 6},
                    StepCase{"StepOfOneReachingTheFarLimit", 1002, 1, 1003, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct SoundCase {
  const char* name;
  int width, height;
  int x, y;                            // the sprite's start, moving right and down
  std::optional<fw::Variant> sound;    // nullopt: the record lacks the key
  bool prefs;                          // false: no record at all
  std::int64_t plays;
};

void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.name; }

class BounceSoundTest : public AnimationTest, public testing::WithParamInterface<SoundCase> {};

TEST_P(BounceSoundTest, PlaysOncePerBounceOnlyOnAFullScreenWithSoundOn) {
  const SoundCase& c = GetParam();
  ASSERT_TRUE(Rums()) << "the bounce sound is one of the program's assets";
  if (!c.prefs) Globals::GlobalPrefs.Reset();
  else if (!c.sound) Globals::GlobalPrefs->Remove("Sound");
  else Globals::GlobalPrefs->Value("Sound", *c.sound);
  CanvasFixture f(c.width, c.height);
  f.canvas->Make(0, "GeoTracing");
  PlaceSprite(*f.canvas, c.x, c.y, 6, 6);
  const std::int64_t before = fw::Sound::PlayCount();
  EXPECT_NO_THROW(f.canvas->Update());
  EXPECT_EQ(fw::Sound::PlayCount() - before, c.plays);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BounceSoundTest,
    testing::Values(SoundCase{"NoBounce", 1024, 768, 500, 300, true, true, 0},
                    SoundCase{"SideBounce", 1024, 768, 998, 300, true, true, 1},
                    SoundCase{"BottomBounce", 1024, 768, 500, 753, true, true, 1},
                    SoundCase{"CornerBouncePlaysTwice", 1024, 768, 998, 753, true, true, 2},
                    SoundCase{"SoundOff", 1024, 768, 998, 753, false, true, 0},
                    SoundCase{"SoundAsStoredText", 1024, 768, 998, 300, std::string("True"), true, 1},
                    SoundCase{"NoSoundKey", 1024, 768, 998, 753, std::nullopt, true, 0},
                    SoundCase{"NoPreferences", 1024, 768, 998, 753, true, false, 0},
                    // 121 - 20 - 1 = 100 and 97 - 10 - 1 = 86: a corner turn, silent.
                    SoundCase{"PreviewIsSilent", 121, 97, 95, 81, true, true, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnimationTest, SoundOptionIsReadAtEveryBounce) {
  ASSERT_TRUE(Rums());
  CanvasFixture f(1024, 768);
  f.canvas->Make(0, "GeoTracing");
  PlaceSprite(*f.canvas, 998, 300, 6, 6);
  const std::int64_t before = fw::Sound::PlayCount();
  f.canvas->Update();  // turns at the right
  Globals::GlobalPrefs->Value("Sound", false);
  PlaceSprite(*f.canvas, 7, 300, -6, 6);
  f.canvas->Update();  // turns at the left, silently now
  EXPECT_EQ(fw::Sound::PlayCount() - before, 1);
}

// A Make that found no memory leaves no picture; a sprite without its picture shows nothing.
// Neither has anything to animate, and the frames go on without failing.
TEST_F(AnimationTest, NothingToAnimateIsNoFailure) {
  {
    CanvasFixture f(1024, 768);
    fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 0, 768, 32, 1.0}});
    f.canvas->Make(0, "GeoPumpEffect");
    ASSERT_FALSE(f.canvas->Backdrop());
    EXPECT_NO_THROW(f.canvas->Update());
    f.canvas->Make(0, "GeoTracing");
    EXPECT_NO_THROW(f.canvas->Update());
  }
  {
    CanvasFixture f(1024, 768);
    f.canvas->Make(0, "GeoTracing");
    if (f.canvas->MovingSprite) f.canvas->MovingSprite->Close();
    f.canvas->MovingSprite = fw::New<fw::Sprite>(nullptr, 500, 300);
    f.canvas->Attach(f.canvas->MovingSprite);
    EXPECT_NO_THROW(f.canvas->Update());
    EXPECT_EQ(f.canvas->MovingSprite->X(), 500);
  }
}

// ---- The help title's end ------------------------------------------------------------------

bool Shows(const cPatternCanvas& canvas, const fw::Ref<fw::Sprite>& sprite) {
  return std::find(canvas.Sprites().begin(), canvas.Sprites().end(), sprite) != canvas.Sprites().end();
}

TEST_F(AnimationTest, TitleLeavesOnTheFirstFramePastItsDuration) {
  SetOptionsForTesting(OptionsForTesting{true});
  CanvasFixture f(1024, 768);
  const std::int32_t shown = now;
  f.canvas->Make(0, "ColGreen");
  const QImage pattern = f.canvas->Backdrop()->Image();
  ASSERT_TRUE(f.canvas->TitelVisible);
  ASSERT_EQ(f.canvas->TitelTime, shown);
  const std::int32_t duration = Globals::TitelDuration;
  ASSERT_GE(duration, 120);

  now = shown + duration;
  f.canvas->Update();
  EXPECT_TRUE(f.canvas->TitelVisible);
  EXPECT_TRUE(Shows(*f.canvas, f.canvas->TitelSprite));

  now += 1;
  f.canvas->Update();
  EXPECT_FALSE(f.canvas->TitelVisible);
  EXPECT_FALSE(Shows(*f.canvas, f.canvas->TitelSprite));
  // A static kind has only the title step: the pattern is untouched.
  EXPECT_EQ(f.canvas->Backdrop()->Image(), pattern);
  EXPECT_EQ(f.canvas->Composite().pixel(512, 384) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(AnimationTest, TitleStaysWithoutFrames) {
  SetOptionsForTesting(OptionsForTesting{true});
  CanvasFixture f(1024, 768);
  f.canvas->Make(0, "ColRed");
  now += 100000;
  EXPECT_TRUE(f.canvas->TitelVisible);
  EXPECT_TRUE(Shows(*f.canvas, f.canvas->TitelSprite));
  f.canvas->Update();
  EXPECT_FALSE(f.canvas->TitelVisible);
}

// One duration for all canvases: the title built last decides, also for a title of another
// length on another screen.
TEST_F(AnimationTest, CanvasesShareTheDurationOfTheLastTitle) {
  SetOptionsForTesting(OptionsForTesting{true});
  const std::vector<fw::ScreenInfo> screens{{0, 0, 1024, 768, 32, 1.0}, {1024, 0, 2560, 1440, 32, 1.0}};
  CanvasFixture narrow(1024, 768);
  CanvasFixture wide(2560, 1440);
  fw::SetScreensForTesting(screens);
  const std::int32_t shown = now;
  narrow.canvas->Make(0, "GeoPumpEffect");
  const std::int32_t narrowDuration = Globals::TitelDuration;
  wide.canvas->Make(1, "GeoPumpEffect");
  const std::int32_t later = Globals::TitelDuration;
  ASSERT_LT(later, narrowDuration) << "the wider screen's title should have fewer lines";

  now = shown + later;
  narrow.canvas->Update();
  wide.canvas->Update();
  EXPECT_TRUE(narrow.canvas->TitelVisible);
  EXPECT_TRUE(wide.canvas->TitelVisible);
  now += 1;
  narrow.canvas->Update();
  wide.canvas->Update();
  EXPECT_FALSE(narrow.canvas->TitelVisible);
  EXPECT_FALSE(wide.canvas->TitelVisible);
}

}  // namespace
