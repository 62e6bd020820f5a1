// The kinds with text (GeoResolution2, VideoOverscan and the labelled shades) keep what their text drew while everything it depends on
// stays the same. Shown again, after other kinds and after any change of screen, option or
// font in between, each must look as it does drawn afresh.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <string>
#include <vector>

#include "framework/picture.h"
#include "framework/pixel_overlay.h"
#include "framework/screens.h"
#include "patterns/MainWindowOptions.h"
#include "support/canvas_fixture.h"

namespace {

// Everything outside the canvas that the two kinds read.
struct Setting {
  int width = 1024, height = 768;
  std::string fontSize = "12 pt.";
  int overscan = 0;  // 0 per cent, 1 pixels
  const char* family = "DejaVu Sans";
};

void Apply(const Setting& s) {
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, s.width, s.height, 32, 1.0}});
  SetFontSizeTextForTesting(s.fontSize);
  SetOverscanListIndexForTesting(s.overscan);
  QApplication::setFont(QFont(s.family));
}

QImage Fresh(const std::string& kind, const Setting& s, int canvasWidth, int canvasHeight) {
  CanvasFixture f(canvasWidth, canvasHeight);
  Apply(s);
  f.canvas->Make(0, kind);
  return f.canvas->Backdrop()->Image().copy();
}

class KeptTest : public testing::Test {
protected:
  void TearDown() override {
    SetFontSizeTextForTesting(std::nullopt);
    SetOverscanListIndexForTesting(std::nullopt);
    SetOptionsForTesting(std::nullopt);
    QApplication::setFont(QFont("DejaVu Sans"));
  }
};

struct Step {
  std::string kind;
  Setting setting;
};

// One canvas through kinds, sizes, options and fonts; each showing of a kept kind is compared
// with the same kind drawn afresh. Every input changes once right after the kind was kept,
// where a key that left it out would paste the wrong picture.
TEST_F(KeptTest, ShownAgainAsDrawnAfresh) {
  const Setting plain;
  Setting wider = plain, font9 = plain, pixels = plain, serif = plain;
  wider.width = 1366;
  font9.fontSize = "9 pt.";
  pixels.overscan = 1;
  serif.family = "DejaVu Serif";
  for (const std::string kind : {"GeoResolution2", "VideoOverscan", "ColGrayShades", "ColColorShades"}) {
    const std::vector<Step> steps{
        {kind, plain},  {"ColRed", plain}, {kind, plain},  {"ColRed", plain},       {kind, plain},
        {kind, wider},  {kind, wider},     {kind, plain},  {kind, plain},           {kind, font9},
        {kind, plain},  {kind, plain},     {kind, pixels}, {kind, plain},           {kind, plain},
        {kind, serif},  {kind, serif},     {"GeoPumpEffect", serif}, {kind, serif}, {kind, plain}};
    CanvasFixture f(1024, 768);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      Apply(step.setting);
      f.canvas->Make(0, step.kind);
      f.canvas->Update();
      if (step.kind != kind) continue;
      const QImage shown = f.canvas->Backdrop()->Image().copy();
      EXPECT_EQ(shown, Fresh(kind, step.setting, 1024, 768)) << kind << " at step " << i;
    }
  }
}

// The preview draws at its own size, with its own text size and frame.
TEST_F(KeptTest, PreviewShownAgainAsDrawnAfresh) {
  for (const std::string kind : {"GeoResolution2", "VideoOverscan", "ColGrayShades", "ColColorShades"}) {
    const QImage fresh = Fresh(kind, Setting{}, 121, 97);
    CanvasFixture f(121, 97);
    for (int i = 0; i < 3; ++i) {
      f.canvas->Make(0, "ColBlack");
      f.canvas->Make(0, kind);
      EXPECT_EQ(f.canvas->Backdrop()->Image(), fresh) << kind << " shown " << i + 1 << " times";
    }
  }
}

// The settings above change what the kinds show; otherwise the test would prove nothing.
TEST_F(KeptTest, SettingsChangeThePictures) {
  Setting font9, pixels, serif;
  font9.fontSize = "9 pt.";
  pixels.overscan = 1;
  serif.family = "DejaVu Serif";
  const QImage text = Fresh("GeoResolution2", Setting{}, 1024, 768);
  EXPECT_NE(text, Fresh("GeoResolution2", font9, 1024, 768));
  EXPECT_NE(text, Fresh("GeoResolution2", serif, 1024, 768));
  EXPECT_NE(Fresh("VideoOverscan", Setting{}, 1024, 768), Fresh("VideoOverscan", pixels, 1024, 768));
}

// What a kind keeps is its text's pixels, not a screen: the labels a small part of it, the
// lines of GeoResolution2 less than all of it; and no start is kept from one Make to the next.
TEST_F(KeptTest, KeepsItsTextNotTheScreen) {
  const std::size_t screen = 1920 * 1080 * 4, before = fw::PixelOverlayBytes();
  Apply(Setting{1920, 1080});
  CanvasFixture f(1920, 1080);
  for (const std::string kind : {"ColGrayShades", "ColColorShades", "VideoOverscan", "GeoResolution2"}) {
    const std::size_t held = fw::PixelOverlayBytes();
    f.canvas->Make(0, kind);
    const std::size_t kept = fw::PixelOverlayBytes() - held;
    EXPECT_GT(kept, 0u) << kind;
    EXPECT_LT(kept, kind == "GeoResolution2" ? screen : screen / 4) << kind;
  }
  EXPECT_LT(fw::PixelOverlayBytes() - before, screen * 3 / 2) << "all four together";
}

// The help title follows a change of the application's font at the next Make.
TEST_F(KeptTest, TitleFollowsTheFont) {
  SetOptionsForTesting(OptionsForTesting{true});
  Setting serif;
  serif.family = "DejaVu Serif";
  CanvasFixture f(1024, 768);
  Apply(Setting{});
  f.canvas->Make(0, "ColRed");
  const QImage sans = f.canvas->Titel->Image().copy();
  Apply(serif);
  f.canvas->Make(0, "ColRed");
  CanvasFixture fresh(1024, 768);
  fresh.canvas->Make(0, "ColRed");
  EXPECT_EQ(f.canvas->Titel->Image(), fresh.canvas->Titel->Image());
  EXPECT_NE(f.canvas->Titel->Image(), sans);
}

}  // namespace
