#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Globals.h"
#include "control/wHelp.h"
#include "framework/controls/slider.h"
#include "framework/controls/static_text.h"
#include "framework/picture.h"
#include "main_window_fixture.h"
#include "run_helpers.h"
#include "text/localization.h"

namespace {

struct LabelRow {
  const char* label;
  std::int32_t page;
  const char* slider;
  std::int32_t row;
  const char* kind;
  fw::String (*title)();  // the explanation window's title for the kind
};

void PrintTo(const LabelRow& row, std::ostream* out) { *out << row.label; }

fw::Ref<fw::Slider> SliderOf(const char* name) { return wMain().Find<fw::Slider>(name); }
fw::Ref<cPatternCanvas> Preview() { return wMain().Find<cPatternCanvas>("cvPattern"); }
std::string HelpTitle() { return wHelp().Find<fw::StaticText>("stTitel")->Text(); }
// The preview's middle pixel, as 0xRRGGBB.
unsigned Middle() {
  const QImage& image = Preview()->Backdrop()->Image();
  return image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFFu;
}

class LabelChoice : public MainWindowTest, public testing::WithParamInterface<LabelRow> {};

}  // namespace

TEST_P(LabelChoice, AClickOnTheLabelMovesItsSliderAndChoosesItsPattern) {
  const LabelRow& r = GetParam();
  ShowGroup(r.page);
  // Start elsewhere in the group, so that the click is a change.
  SliderOf(r.slider)->Value(r.row == 0 ? 1 : 0);
  ASSERT_FALSE(wHelp().Visible());

  Click(MainControl(r.label), 4, 4);
  EXPECT_EQ(SliderOf(r.slider)->Value(), r.row);
  EXPECT_EQ(Globals::PatternKind, r.kind);
  EXPECT_EQ(Preview()->Kind, r.kind);
  EXPECT_EQ(HelpTitle(), r.title()) << "the hidden explanation window follows";

  // The same label again: the same pattern.
  Click(MainControl(r.label), 4, 4);
  EXPECT_EQ(Globals::PatternKind, r.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelChoice,
    testing::Values(LabelRow{"stColWhite", 0, "slColor", 0, "ColWhite", Localization::White},
                    LabelRow{"stColBlack", 0, "slColor", 1, "ColBlack", Localization::Black},
                    LabelRow{"stColRed", 0, "slColor", 2, "ColRed", Localization::Red},
                    LabelRow{"stColGreen", 0, "slColor", 3, "ColGreen", Localization::Green},
                    LabelRow{"stColBlue", 0, "slColor", 4, "ColBlue", Localization::Blue},
                    LabelRow{"stColGrayShades", 0, "slColor", 5, "ColGrayShades", Localization::GrayShades},
                    LabelRow{"stColColorShades", 0, "slColor", 6, "ColColorShades", Localization::ColorShades},
                    LabelRow{"stGeoGeometry", 1, "slGeometry", 0, "GeoGeometry", Localization::Geometry},
                    LabelRow{"stGeoMargins", 1, "slGeometry", 1, "GeoMargins", Localization::Margins},
                    LabelRow{"stGeoConvergency", 1, "slGeometry", 2, "GeoConvergency", Localization::Convergency},
                    LabelRow{"stGeoResolution1", 1, "slGeometry", 3, "GeoResolution1", Localization::Resolution1},
                    LabelRow{"stGeoResolution2", 1, "slGeometry", 4, "GeoResolution2", Localization::Resolution2},
                    LabelRow{"stGeoPumpEffect", 1, "slGeometry", 5, "GeoPumpEffect", Localization::PumpEffect},
                    LabelRow{"stGeoPhase", 1, "slGeometry", 6, "GeoClockPhase", Localization::ClockPhase},
                    LabelRow{"stGeoTracing", 1, "slGeometry", 7, "GeoTracing", Localization::Tracing},
                    LabelRow{"stGeoInvTracing", 1, "slGeometry", 8, "GeoInvTracing", Localization::InvTracing},
                    LabelRow{"stMatchWhite", 2, "slMatching", 0, "MatchWhite", Localization::Matching},
                    LabelRow{"stMatchGray25", 2, "slMatching", 1, "MatchGray25", Localization::Matching},
                    LabelRow{"stMatchGray50", 2, "slMatching", 2, "MatchGray50", Localization::Matching},
                    LabelRow{"stMatchGray75", 2, "slMatching", 3, "MatchGray75", Localization::Matching},
                    LabelRow{"stMatchBlack", 2, "slMatching", 4, "MatchBlack", Localization::Matching},
                    LabelRow{"stMatchGrayGraduations", 2, "slMatching", 5, "MatchGrayGraduations", Localization::Matching},
                    LabelRow{"stMatchRedGraduations", 2, "slMatching", 6, "MatchRedGraduations", Localization::Matching},
                    LabelRow{"stMatchGreenGraduations", 2, "slMatching", 7, "MatchGreenGraduations", Localization::Matching},
                    LabelRow{"stMatchBlueGraduations", 2, "slMatching", 8, "MatchBlueGraduations", Localization::Matching},
                    LabelRow{"stVideoSmpteColAnalog", 3, "slVideo", 0, "VideoSmpteColAnalog", Localization::SmpteColorsAnalog},
                    LabelRow{"stVideoSmpteColDigital", 3, "slVideo", 1, "VideoSmpteColDigital", Localization::SmpteColorsDigital},
                    LabelRow{"stVideoOverscan", 3, "slVideo", 2, "VideoOverscan", Localization::OverscanCheck}),
    [](const testing::TestParamInfo<LabelRow>& info) { return std::string(info.param.label); });

TEST_F(MainWindowTest, ThePreviewShowsTheChosenColour) {
  ShowGroup(0);
  struct {
    const char* label;
    unsigned rgb;
  } const rows[] = {{"stColRed", 0xFF0000}, {"stColGreen", 0x00FF00}, {"stColBlue", 0x0000FF},
                    {"stColBlack", 0x000000}, {"stColWhite", 0xFFFFFF}};
  for (const auto& row : rows) {
    Click(MainControl(row.label), 4, 4);
    EXPECT_EQ(Middle(), row.rgb) << row.label;
    EXPECT_EQ(Preview()->Backdrop()->Width(), 121);
  }
}

TEST_F(MainWindowTest, DraggingTheSliderChoosesEachRowItPasses) {
  ShowGroup(0);
  QWidget* slider = MainControl("slColor");
  ASSERT_EQ(slider->height(), 140);
  std::vector<std::string> chosen;
  auto at = [&](int row) { return QPointF(slider->width() / 2.0, 20 * row + 10); };
  QMouseEvent press(QEvent::MouseButtonPress, at(0), slider->mapToGlobal(at(0)), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(slider, &press);
  for (int row = 1; row <= 4; ++row) {
    QMouseEvent move(QEvent::MouseMove, at(row), slider->mapToGlobal(at(row)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    chosen.push_back(Globals::PatternKind);
  }
  QMouseEvent release(QEvent::MouseButtonRelease, at(4), slider->mapToGlobal(at(4)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(slider, &release);
  EXPECT_EQ(chosen, (std::vector<std::string>{"ColBlack", "ColRed", "ColGreen", "ColBlue"}));
  EXPECT_EQ(Middle(), 0x0000FFu);
}

TEST_F(MainWindowTest, ArrowKeysStepTheVisibleGroupWithinItsRows) {
  QWidget* window = wMain().Widget();
  ShowGroup(3);
  Press(window, Qt::Key_Down);
  EXPECT_EQ(Globals::PatternKind, "VideoSmpteColDigital");
  Press(window, Qt::Key_Down);
  Press(window, Qt::Key_Down);  // past the last row: the slider stays
  EXPECT_EQ(Globals::PatternKind, "VideoOverscan");
  EXPECT_EQ(SliderOf("slVideo")->Value(), 2);
  Press(window, Qt::Key_Up);
  EXPECT_EQ(Globals::PatternKind, "VideoSmpteColDigital");

  // Keys reach the window also while a check box has the focus.
  ShowGroup(1);
  MainControl("cbShowHelp")->setFocus();
  Press(MainControl("cbShowHelp"), Qt::Key_Down);
  EXPECT_EQ(SliderOf("slGeometry")->Value(), 1);
  EXPECT_EQ(Globals::PatternKind, "GeoMargins");
  Press(window, Qt::Key_Up);
  Press(window, Qt::Key_Up);
  EXPECT_EQ(SliderOf("slGeometry")->Value(), 0);
  EXPECT_EQ(Globals::PatternKind, "GeoGeometry");
}

TEST_F(MainWindowTest, OnlyTheTwoArrowsAreTheMainWindowsKeys) {
  ShowGroup(0);
  Click(MainControl("stColRed"), 4, 4);
  for (const char* key : {"x", " ", "\x1c", "\x1d", "\x1b", ""}) {
    EXPECT_FALSE(wMain().DeliverKeyDown(key)) << int(key[0]);
    EXPECT_EQ(Globals::PatternKind, "ColRed");
  }
  // At the ends the arrows still count as handled.
  ShowGroup(2);
  EXPECT_TRUE(wMain().DeliverKeyDown(fw::Chr(30)));
  EXPECT_EQ(SliderOf("slMatching")->Value(), 0);
}

TEST_F(MainWindowTest, ThePreviewTimerRunsWhileTheMainWindowIsActiveAndDrawsNothingOnTheAboutPage) {
  const fw::Ref<fw::Timer> timer = wMain().Find<fw::Timer>("tiRefresh");
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(wMain().Widget(), &deactivate);
  EXPECT_EQ(timer->Mode(), 0);
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(wMain().Widget(), &activate);
  EXPECT_EQ(timer->Mode(), 2);
  EXPECT_EQ(timer->Period(), 17);

  // The tracing sprite moves at each firing, except while the About page is up.
  ShowGroup(1);
  Click(MainControl("stGeoTracing"), 4, 4);
  ASSERT_TRUE(Preview()->MovingSprite);
  auto where = [] { return std::pair(Preview()->MovingSprite->X(), Preview()->MovingSprite->Y()); };
  const auto before = where();
  timer->Fire();
  const auto moved = where();
  EXPECT_NE(moved, before);
  wMain().Find<fw::PagePanel>("ppMain")->Value(2);
  timer->Fire();
  timer->Fire();
  EXPECT_EQ(where(), moved);
  // The arrows still choose on the About page.
  Press(wMain().Widget(), Qt::Key_Down);
  EXPECT_EQ(Globals::PatternKind, "GeoInvTracing");
}

TEST_F(MainWindowTest, TheHiddenExplanationWindowShowsTheLastChoiceWhenItOpens) {
  ShowGroup(1);
  Click(MainControl("stGeoConvergency"), 4, 4);
  ASSERT_FALSE(wHelp().Visible());
  EXPECT_EQ(HelpTitle(), Localization::Convergency());
  wHelp().ShowWithin(wMain(), 2);
  Settle();
  EXPECT_EQ(HelpTitle(), Localization::Convergency());
  Press(wMain().Widget(), Qt::Key_Down);
  EXPECT_EQ(HelpTitle(), Localization::Resolution1());
}
