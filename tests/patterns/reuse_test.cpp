// Make draws into the picture of the last Make while the screen keeps its size and depth, and
// keeps the help title while kind and screen stay. What shows must be what a new picture and a
// new title would show.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "framework/clock.h"
#include "framework/msgbox.h"
#include "framework/picture.h"
#include "framework/screens.h"
#include "patterns/MainWindowOptions.h"
#include "support/canvas_fixture.h"
#include "text/localization.h"

namespace {

const std::vector<std::string> kKinds{
    "ColWhite",       "ColBlack",       "ColRed",          "ColGreen",          "ColBlue",
    "ColGrayShades",  "ColColorShades", "GeoGeometry",     "GeoMargins",        "GeoConvergency",
    "GeoResolution1", "GeoResolution2", "GeoPumpEffect",   "GeoClockPhase",     "GeoTracing",
    "GeoInvTracing",  "MatchWhite",     "MatchGray25",     "MatchGray50",       "MatchGray75",
    "MatchBlack",     "MatchGrayGraduations", "MatchRedGraduations", "MatchGreenGraduations",
    "MatchBlueGraduations", "VideoSmpteColAnalog", "VideoSmpteColDigital", "VideoOverscan", "NoSuchKind"};

class ReuseTest : public testing::Test {
protected:
  void SetUp() override {
    fw::SetMsgBoxHandler([this](const std::string& text) { messages.push_back(text); });
    fw::SetTicksSource([] { return 1000; });
  }
  void TearDown() override {
    fw::SetMsgBoxHandler({});
    fw::SetTicksSource({});
    SetOptionsForTesting(std::nullopt);
  }
  std::vector<std::string> messages;
};

QImage Fresh(int width, int height, const std::string& kind) {
  CanvasFixture f(width, height);
  f.canvas->Make(0, kind);
  return f.canvas->Backdrop()->Image().copy();
}

// Kind B drawn over kind A's picture: every pixel as on a new picture. The kinds before leave
// colour everywhere, a fat pen, another text size (the pumping effect after its first frame
// has drawn, the overscan pattern).
TEST_F(ReuseTest, EveryKindOverAnUnlikeOneAsOnANewPicture) {
  for (const auto& [w, h] : {std::pair{643, 481}, std::pair{121, 97}}) {
    std::vector<QImage> fresh;
    for (const std::string& kind : kKinds) fresh.push_back(Fresh(w, h, kind));
    for (const std::string before : {"ColRed", "GeoPumpEffect", "VideoOverscan"}) {
      CanvasFixture f(w, h);
      for (std::size_t k = 0; k < kKinds.size(); ++k) {
        f.canvas->Make(0, before);
        f.canvas->Update();
        const fw::Picture* used = f.canvas->Backdrop().get();
        f.canvas->Make(0, kKinds[k]);
        ASSERT_EQ(f.canvas->Backdrop().get(), used) << "the picture was not used again";
        EXPECT_EQ(f.canvas->Backdrop()->Image(), fresh[k]) << kKinds[k] << " after " << before << " at " << w;
      }
    }
  }
}

// A new size (or depth) gets a new picture, drawn as on any new picture.
TEST_F(ReuseTest, ASizeChangeMakesANewPicture) {
  CanvasFixture f(1024, 768);
  for (const std::string kind : {"GeoClockPhase", "ColColorShades", "GeoPumpEffect"}) {
    f.canvas->Make(0, "ColRed");
    const fw::Picture* old = f.canvas->Backdrop().get();
    fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1366, 768, 32, 1.0}});
    f.canvas->Make(0, kind);
    EXPECT_NE(f.canvas->Backdrop().get(), old);
    EXPECT_EQ(f.canvas->Backdrop()->Image(), Fresh(1366, 768, kind)) << kind;
    fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1366, 768, 24, 1.0}});
    f.canvas->Make(0, kind);
    EXPECT_EQ(f.canvas->Backdrop()->Depth(), 24);
    fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 768, 32, 1.0}});
  }
}

// A Make like the one before makes no picture at all, with help on or off.
TEST_F(ReuseTest, RepeatedMakeMakesNoPicture) {
  for (const bool help : {false, true}) {
    SetOptionsForTesting(OptionsForTesting{help});
    CanvasFixture f(1024, 768);
    f.canvas->Make(0, "ColGrayShades");
    const std::int64_t made = fw::PicturesMade();
    f.canvas->Make(0, "ColGrayShades");
    f.canvas->Make(0, "ColGrayShades");
    EXPECT_EQ(fw::PicturesMade(), made) << "help " << help;
    EXPECT_EQ(f.canvas->TitelVisible, help);
  }
}

// The title over the pattern is the current kind's, whether it was kept, skipped while help
// was off, or made anew; it comes with help on and stays away with help off.
TEST_F(ReuseTest, TitleAppearsAndLeavesAsBefore) {
  CanvasFixture reference(1024, 768);
  const auto titleOf = [&](const std::string& kind) {
    reference.canvas->MakeTitel(0, kind);
    return reference.canvas->Titel->Image().copy();
  };
  struct Step {
    std::string kind;
    bool help;
  };
  const std::vector<Step> steps{{"ColWhite", true},     {"ColWhite", true},      {"GeoGeometry", false},
                                {"GeoGeometry", true},  {"MatchGray25", true},   {"MatchBlack", true},
                                {"VideoOverscan", false}, {"VideoOverscan", false}, {"ColWhite", true}};
  CanvasFixture f(1024, 768);
  for (const Step& step : steps) {
    SetOptionsForTesting(OptionsForTesting{step.help});
    f.canvas->Make(0, step.kind);
    const auto& sprites = f.canvas->Sprites();
    EXPECT_EQ(f.canvas->TitelVisible, step.help) << step.kind;
    EXPECT_EQ(sprites.size(), step.help ? 1u : 0u) << step.kind;
    if (!step.help) continue;
    EXPECT_EQ(sprites.front(), f.canvas->TitelSprite);
    EXPECT_EQ(f.canvas->TitelSprite->Image(), f.canvas->Titel);
    EXPECT_EQ(f.canvas->Titel->Image(), titleOf(step.kind)) << step.kind;
    const QImage shown = f.canvas->Composite();
    EXPECT_EQ(shown.pixel(f.canvas->TitelSprite->X() + 6, f.canvas->TitelSprite->Y() + 6) & 0xFFFFFF, 0xDCDCDCu);
  }
}

// A screen whose picture cannot be made: the message and no picture, however the picture of
// the Make before could have served; the next good screen gets its pattern again.
TEST_F(ReuseTest, PictureThatCannotBeMadeStillGivesTheMessage) {
  CanvasFixture f(1024, 768);
  f.canvas->Make(0, "GeoGeometry");
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 40000, 768, 32, 1.0}});
  f.canvas->Make(0, "GeoGeometry");
  EXPECT_EQ(messages, std::vector<std::string>{Localization::NotEnoughMem()});
  EXPECT_FALSE(f.canvas->Backdrop());
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 768, 32, 1.0}});
  f.canvas->Make(0, "GeoGeometry");
  ASSERT_TRUE(f.canvas->Backdrop());
  EXPECT_EQ(f.canvas->Backdrop()->Image(), Fresh(1024, 768, "GeoGeometry"));
}

}  // namespace
