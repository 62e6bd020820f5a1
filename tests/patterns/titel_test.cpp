// The help title: which text each kind gets, how it is wrapped and laid out, how long it
// stays, and what happens when its pictures cannot be made.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "framework/msgbox.h"
#include "framework/picture.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "patterns/MainWindowOptions.h"
#include "support/canvas_fixture.h"
#include "text/localization.h"

namespace {

using fw::Int;

// A graphics of the given width with the title's font, as the title measures its lines.
fw::Ref<fw::Picture> MeasuringPicture(int width, int textSize) {
  fw::Ref<fw::Picture> p = fw::NewPicture(width, 40, 32);
  p->Graphics()->TextSize(textSize);
  p->Graphics()->TextFont("System");
  return p;
}

std::vector<std::string> Split(cPatternCanvas& canvas, const std::string& text, fw::Graphics& g) {
  std::vector<std::string> lines;
  canvas.SplitLine(text, g, lines);
  return lines;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  for (std::int32_t k = 1; k <= fw::CountFields(text, " "); ++k)
    if (const std::string w = fw::NthField(text, " ", k); !w.empty()) words.push_back(w);
  return words;
}

class TitelTest : public testing::Test {
protected:
  void SetUp() override {
    fw::SetMsgBoxHandler([this](const std::string& text) { messages.push_back(text); });
  }
  void TearDown() override {
    fw::SetMsgBoxHandler({});
    SetOptionsForTesting(std::nullopt);
    Globals::TitelDuration = 0;
  }
  std::vector<std::string> messages;
};

// ---- SplitLine ----------------------------------------------------------------------------

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class SplitLineTest : public TitelTest, public testing::WithParamInterface<SplitCase> {};

// Wide enough for "aa bb cc" but not for "aa bb cc dd" (checked below).
constexpr int kSplitWidth = 120;
constexpr int kSplitSize = 20;

TEST_P(SplitLineTest, Wraps) {
  CanvasFixture f(1024, 768);
  auto p = MeasuringPicture(kSplitWidth, kSplitSize);
  fw::Graphics& g = *p->Graphics();
  ASSERT_LT(g.StringWidth("aa bb cc") * 1.2, kSplitWidth);
  ASSERT_GE(g.StringWidth("aa bb cc dd") * 1.2, kSplitWidth);
  ASSERT_GE(g.StringWidth("wwwwwwwwww") * 1.2, kSplitWidth);
  EXPECT_EQ(Split(*f.canvas, GetParam().text, g), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitLineTest,
    testing::Values(SplitCase{"Empty", "", {""}}, SplitCase{"BlanksOnly", "   ", {""}},
                    SplitCase{"OneWord", "aa", {"aa"}}, SplitCase{"FillsOneLine", "aa bb cc", {"aa bb cc"}},
                    SplitCase{"WrapsBeforeTheWordThatDoesNotFit", "aa bb cc dd ee", {"aa bb cc", "dd ee"}},
                    SplitCase{"BlanksInARowAreOne", "aa  bb   cc", {"aa bb cc"}},
                    SplitCase{"BlanksAtTheEnds", "  aa bb ", {"aa bb"}},
                    SplitCase{"WideFirstWordStandsAlone", "wwwwwwwwww aa", {"wwwwwwwwww", "aa"}},
                    SplitCase{"WideWordInsideStandsAlone", "aa wwwwwwwwww bb", {"aa", "wwwwwwwwww", "bb"}},
                    SplitCase{"WordsAfterDoubleBlankStillLaidOut", "aa bb cc  dd ee", {"aa bb cc", "dd ee"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TitelTest, SplitLineAppendsToTheLinesItIsGiven) {
  CanvasFixture f(1024, 768);
  auto p = MeasuringPicture(kSplitWidth, kSplitSize);
  std::vector<std::string> lines{"before"};
  f.canvas->SplitLine("aa bb cc dd", *p->Graphics(), lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"before", "aa bb cc", "dd"}));
}

// A line whose width times 1.2 is exactly the measuring width does not take the word.
TEST_F(TitelTest, SplitLineNeedsStrictlyLessThanTheWidth) {
  CanvasFixture f(1024, 768);
  for (int size = 6; size <= 80; ++size) {
    auto probe = MeasuringPicture(10, size);
    const double w = probe->Graphics()->StringWidth("ii ii") * 1.2;
    if (w != std::floor(w)) continue;
    auto exact = MeasuringPicture(static_cast<int>(w), size);
    EXPECT_EQ(Split(*f.canvas, "ii ii", *exact->Graphics()), (std::vector<std::string>{"ii", "ii"})) << size;
    auto wider = MeasuringPicture(static_cast<int>(w) + 1, size);
    EXPECT_EQ(Split(*f.canvas, "ii ii", *wider->Graphics()), (std::vector<std::string>{"ii ii"})) << size;
    return;
  }
  GTEST_SKIP() << "no text size gives a whole-pixel width for the probe";
}

// Every help text at every title width: the lines hold all the words in order, joined by
// single blanks; a line of several words fits; the next line's first word would not have.
TEST_F(TitelTest, SplitLineIsGreedyAndLosesNoWord) {
  CanvasFixture f(1024, 768);
  for (const auto& entry : Localization::AllTexts()) {
    if (!entry.name.starts_with("Ht")) continue;
    const std::string text = entry.accessor();
    for (const int height : {97, 480, 768, 1024, 1440, 2160}) {
      const int width = height * 4 / 3 / 2;
      auto p = MeasuringPicture(width, Int(height / 30.0));
      fw::Graphics& g = *p->Graphics();
      const auto lines = Split(*f.canvas, text, g);
      std::vector<std::string> laidOut;
      for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto words = Words(lines[i]);
        ASSERT_FALSE(words.empty()) << entry.name << " line " << i;
        EXPECT_EQ(fw::CountFields(lines[i], " "), static_cast<std::int32_t>(words.size())) << lines[i];
        if (words.size() > 1) {
          EXPECT_LT(g.StringWidth(lines[i]) * 1.2, width) << lines[i];
        }
        if (i + 1 < lines.size()) {
          EXPECT_GE(g.StringWidth(lines[i] + " " + Words(lines[i + 1]).front()) * 1.2, width) << lines[i];
        }
        laidOut.insert(laidOut.end(), words.begin(), words.end());
      }
      EXPECT_EQ(laidOut, Words(text)) << entry.name << " at " << width;
    }
  }
}

// ---- MakeTitel ----------------------------------------------------------------------------

struct KindText {
  std::string kind;
  fw::String (*text)();
};

void PrintTo(const KindText& k, std::ostream* os) { *os << '"' << k.kind << '"'; }

fw::String Empty() { return {}; }

class TitelTextTest : public TitelTest, public testing::WithParamInterface<KindText> {};

// The title drawn as its description says: a light-gray rounded box over white, each line
// centred on its own width with its baseline at Int(L * (i + 1.25)).
QImage ExpectedTitel(cPatternCanvas& canvas, const fw::ScreenInfo& s, const std::string& text, int& lineCount) {
  auto measure = MeasuringPicture(Int(s.Width / 2.0), Int(s.Height / 30.0));
  const auto lines = Split(canvas, text, *measure->Graphics());
  lineCount = static_cast<int>(lines.size());
  const int L = measure->Graphics()->TextHeight();
  auto p = fw::NewPicture(Int(s.Width / 2.0), L * (lineCount + 1), 32);
  fw::Graphics& g = *p->Graphics();
  g.TextSize(Int(s.Height / 30.0));
  g.TextFont("System");
  g.ForeColor(0xDCDCDC);
  g.FillRoundRect(0, 0, p->Width(), p->Height(), 10, 10);
  g.ForeColor(0x000000);
  for (int i = 0; i < lineCount; ++i)
    g.DrawString(lines[i], Int(p->Width() / 2.0 - g.StringWidth(lines[i]) / 2.0), Int(L * (i + 1.25)));
  return p->Image();
}

TEST_P(TitelTextTest, DrawsTheKindsHelpText) {
  for (const auto& [w, h] : {std::pair{1280, 1024}, std::pair{1366, 768}}) {
    CanvasFixture f(w, h);
    f.canvas->MakeTitel(0, GetParam().kind);
    int n = 0;
    const QImage expected = ExpectedTitel(*f.canvas, fw::Screen(0), GetParam().text(), n);
    ASSERT_TRUE(f.canvas->Titel);
    EXPECT_EQ(f.canvas->Titel->Image(), expected) << w << " x " << h;
    EXPECT_EQ(Globals::TitelDuration, 120 * n);
    EXPECT_EQ(f.canvas->TitelSprite->Image(), f.canvas->Titel);
    EXPECT_FALSE(f.canvas->TitelVisible);
  }
}

// The next title of the same size is drawn into the picture of the last one, white again only
// at the corners: the pixels of a title of its own. At 3840 x 2160 its text is drawn as outlines.
TEST_F(TitelTest, NextTitleOfTheSameSizeInThePictureOfTheLast) {
  for (const auto& [w, h] : {std::pair{1280, 1024}, std::pair{3840, 2160}}) {
    CanvasFixture f(w, h);
    f.canvas->MakeTitel(0, "ColRed");
    const std::int64_t made = fw::PicturesMade();
    f.canvas->MakeTitel(0, "ColGreen");
    EXPECT_EQ(fw::PicturesMade(), made) << w << " x " << h;
    int n = 0;
    const QImage expected = ExpectedTitel(*f.canvas, fw::Screen(0), Localization::HtColGreen(), n);
    EXPECT_EQ(f.canvas->Titel->Image(), expected) << w << " x " << h;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TitelTextTest,
    testing::Values(
        KindText{"ColWhite", Localization::HtColWhite}, KindText{"ColBlack", Localization::HtColBlack},
        KindText{"ColRed", Localization::HtColRed}, KindText{"ColGreen", Localization::HtColGreen},
        KindText{"ColBlue", Localization::HtColBlue}, KindText{"ColGrayShades", Localization::HtColGrayShades},
        KindText{"ColColorShades", Localization::HtColColorShades},
        KindText{"GeoGeometry", Localization::HtGeoGeometry}, KindText{"GeoMargins", Localization::HtGeoMargins},
        KindText{"GeoConvergency", Localization::HtGeoConvergency},
        KindText{"GeoResolution1", Localization::HtGeoResolution1},
        KindText{"GeoResolution2", Localization::HtGeoResolution2},
        KindText{"GeoPumpEffect", Localization::HtGeoPumpEffect},
        KindText{"GeoClockPhase", Localization::HtGeoClockPhase},
        KindText{"GeoTracing", Localization::HtGeoTracing},
        KindText{"GeoInvTracing", Localization::HtGeoInvTracing},
        KindText{"MatchWhite", Localization::HtMatching}, KindText{"MatchGray25", Localization::HtMatching},
        KindText{"MatchGray50", Localization::HtMatching}, KindText{"MatchGray75", Localization::HtMatching},
        KindText{"MatchBlack", Localization::HtMatching},
        KindText{"MatchGrayGraduations", Localization::HtMatching},
        KindText{"MatchRedGraduations", Localization::HtMatching},
        KindText{"MatchGreenGraduations", Localization::HtMatching},
        KindText{"MatchBlueGraduations", Localization::HtMatching},
        KindText{"VideoSmpteColAnalog", Localization::HtVideoSmpteColAnalog},
        KindText{"VideoSmpteColDigital", Localization::HtVideoSmpteColDigital},
        KindText{"VideoOverscan", Localization::HtVideoOverscanCheck}, KindText{"Unknown", Empty},
        KindText{"", Empty}, KindText{"colwhite", Empty}),
    [](const auto& info) { return info.param.kind.empty() ? std::string("EmptyKind") : info.param.kind; });

// 1280 x 1024: text size 34, a 640-pixel box; an unknown kind gives one empty line, 2 L high.
TEST_F(TitelTest, WorkedExampleAndTheEmptyTitle) {
  CanvasFixture f(1280, 1024);
  f.canvas->MakeTitel(0, "NoSuchKind");
  auto measure = MeasuringPicture(640, 34);
  const int L = measure->Graphics()->TextHeight();
  EXPECT_EQ(f.canvas->Titel->Width(), 640);
  EXPECT_EQ(f.canvas->Titel->Height(), 2 * L);
  EXPECT_EQ(Globals::TitelDuration, 120);

  f.canvas->MakeTitel(0, "GeoGeometry");
  const auto lines = Split(*f.canvas, Localization::HtGeoGeometry(), *measure->Graphics());
  EXPECT_EQ(f.canvas->Titel->Height(), L * static_cast<int>(lines.size() + 1));
  EXPECT_EQ(Globals::TitelDuration, 120 * static_cast<int>(lines.size()));
}

TEST_F(TitelTest, MakeWithHelpOnShowsTheTitleCentred) {
  SetOptionsForTesting(OptionsForTesting{true});
  CanvasFixture f(1024, 768);
  const QImage shown = f.Render("ColBlack");
  ASSERT_TRUE(f.canvas->TitelVisible);
  const auto& t = f.canvas->Titel;
  EXPECT_EQ(f.canvas->TitelSprite->X(), Int(1024 / 2.0 - t->Width() / 2.0));
  EXPECT_EQ(f.canvas->TitelSprite->Y(), Int(768 / 2.0 - t->Height() / 2.0));
  const int x = f.canvas->TitelSprite->X(), y = f.canvas->TitelSprite->Y();
  EXPECT_EQ(shown.pixel(x + 6, y + 6) & 0xFFFFFF, 0xDCDCDCu);
  EXPECT_EQ(shown.pixel(x - 1, y + 6) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(shown.pixel(x + t->Width(), y + 6) & 0xFFFFFF, 0x000000u);

  // The next pattern's title replaces it: exactly one title on the canvas.
  f.Render("ColWhite");
  EXPECT_EQ(std::count(f.canvas->Sprites().begin(), f.canvas->Sprites().end(), f.canvas->TitelSprite), 1);
  EXPECT_EQ(f.canvas->Sprites().size(), 1u);
}

// The preview builds its title from the chosen screen and sets the duration, but never shows it.
TEST_F(TitelTest, PreviewBuildsButNeverShowsTheTitle) {
  SetOptionsForTesting(OptionsForTesting{true});
  CanvasFixture f(121, 97);
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 768, 32, 1.0}, {1024, 0, 1920, 1080, 24, 1.0}});
  f.canvas->Make(1, "ColRed");
  EXPECT_FALSE(f.canvas->TitelVisible);
  EXPECT_TRUE(f.canvas->Sprites().empty());
  ASSERT_TRUE(f.canvas->Titel);
  EXPECT_EQ(f.canvas->Titel->Width(), 960);
  EXPECT_EQ(f.canvas->Titel->Depth(), 24);
  EXPECT_GE(Globals::TitelDuration, 120);
}

// A screen 14 pixels high leaves no room for the measuring picture: the message, and the
// previous pattern's title is neither kept on screen nor shown over the new pattern.
TEST_F(TitelTest, NoMeasuringPictureShowsNoTitle) {
  SetOptionsForTesting(OptionsForTesting{true});
  CanvasFixture f(1024, 768);
  f.Render("ColWhite");
  ASSERT_TRUE(f.canvas->TitelVisible);
  const std::int32_t duration = Globals::TitelDuration;
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 14, 32, 1.0}});
  f.Render("ColBlack");
  EXPECT_EQ(messages, std::vector<std::string>{Localization::NotEnoughMem()});
  EXPECT_FALSE(f.canvas->TitelVisible);
  EXPECT_TRUE(f.canvas->Sprites().empty());
  EXPECT_EQ(Globals::TitelDuration, duration);
}

// A title taller than a picture may be (each word of a long text on a line of its own at a
// 1000-pixel font): the message; the duration is already the new one; no title exists.
TEST_F(TitelTest, NoTitlePicture) {
  CanvasFixture f(1024, 768);
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 30000, 32, 1.0}});
  f.canvas->MakeTitel(0, "GeoConvergency");
  EXPECT_EQ(messages, std::vector<std::string>{Localization::NotEnoughMem()});
  EXPECT_FALSE(f.canvas->Titel);
  ASSERT_TRUE(f.canvas->TitelSprite);
  EXPECT_FALSE(f.canvas->TitelSprite->Image());
  EXPECT_EQ(Globals::TitelDuration, 120 * static_cast<int>(Words(Localization::HtGeoConvergency()).size()));
}

}  // namespace
