// The monitor choice and its information line, and the pattern windows made for the screens,
// under screen lists set before the program starts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Globals.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/static_text.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "main_window_fixture.h"
#include "run_helpers.h"
#include "text/localization.h"

namespace {

using Screens = std::vector<fw::ScreenInfo>;

fw::ScreenInfo At(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t depth = 32) {
  return {left, top, width, height, depth, 1.0};
}

// The line as built from the texts: width, height and the depth part.
std::string Line(const std::string& width, const std::string& height, const std::string& depth) {
  return width + Localization::Width_SC() + " * " + height + Localization::Height_SC() + ", " + depth;
}
std::string Colours(const std::string& count) { return count + Localization::OfColors(); }
std::string Millions() { return Localization::Millions() + " " + Localization::OfColors(); }
std::string Thousands() { return Localization::Thousands() + " " + Localization::OfColors(); }

std::string InfoLine() { return wMain().Find<fw::StaticText>("stMonitorInfo")->Text(); }
fw::Ref<fw::PopupMenu> Monitor() { return wMain().Find<fw::PopupMenu>("pmMonitor"); }
fw::Ref<fw::CheckBox> AllMonitorsBox() { return wMain().Find<fw::CheckBox>("cbAllMonitors"); }

std::vector<std::string> Rows(const fw::PopupMenu& menu) {
  std::vector<std::string> rows;
  for (std::int32_t i = 0; i < menu.ListCount(); ++i) rows.push_back(menu.List(i));
  return rows;
}

// The program started with these screens.
class ScreensTest : public MainWindowTest {
protected:
  explicit ScreensTest(Screens screens) : screens_(std::move(screens)) {}
  void BeforeStart() override { fw::SetScreensForTesting(screens_); }
  Screens screens_;
};

struct InfoCase {
  const char* name;
  Screens screens;
  bool allMonitors;  // the box checked
  std::string (*expected)();
};

void PrintTo(const InfoCase& c, std::ostream* out) { *out << c.name; }

class MonitorInfo : public ScreensTest, public testing::WithParamInterface<InfoCase> {
protected:
  MonitorInfo() : ScreensTest(GetParam().screens) {}
};

}  // namespace

TEST_P(MonitorInfo, DescribesTheChoice) {
  if (GetParam().allMonitors) {
    ASSERT_TRUE(AllMonitorsBox()->Enabled());
    Click(MainControl("cbAllMonitors"), 5, 5);
    ASSERT_TRUE(AllMonitorsBox()->Value());
  }
  EXPECT_EQ(InfoLine(), GetParam().expected());
  EXPECT_FALSE(wMain().Find<fw::StaticText>("stMonitorInfo")->Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, MonitorInfo,
    testing::Values(
        InfoCase{"Depth32", {At(0, 0, 1024, 768, 32)}, false, [] { return Line("1024", "768", Millions()); }},
        InfoCase{"Depth24", {At(0, 0, 1024, 768, 24)}, false, [] { return Line("1024", "768", Millions()); }},
        InfoCase{"Depth16", {At(0, 0, 800, 600, 16)}, false, [] { return Line("800", "600", Thousands()); }},
        InfoCase{"Depth8", {At(0, 0, 640, 480, 8)}, false, [] { return Line("640", "480", Colours("256 ")); }},
        InfoCase{"Depth4", {At(0, 0, 640, 480, 4)}, false, [] { return Line("640", "480", Colours("16 ")); }},
        InfoCase{"Depth1", {At(0, 0, 640, 480, 1)}, false, [] { return Line("640", "480", Colours("2 ")); }},
        InfoCase{"Depth30HasNoDepthPart", {At(0, 0, 2560, 1440, 30)}, false, [] { return Line("2560", "1440", ""); }},
        InfoCase{"TwoScreensTheFirst", {At(0, 0, 1024, 768, 32), At(1024, 0, 1280, 1024, 16)}, false,
                 [] { return Line("1024", "768", Millions()); }},
        InfoCase{"AllOfTheSameSizeAndDifferentDepths", {At(0, 0, 1024, 768, 32), At(1024, 0, 1024, 768, 16)}, true,
                 [] { return Line("1024", "768", Colours("- ")); }},
        InfoCase{"AllOfDifferentWidthsAndTheSameHeight", {At(0, 0, 1024, 768, 32), At(1024, 0, 1366, 768, 32)}, true,
                 [] { return Line("-", "768", Millions()); }},
        InfoCase{"AllDifferentInEverything", {At(0, 0, 1024, 768, 32), At(1024, 0, 800, 600, 32), At(1824, 0, 800, 480, 16)},
                 true, [] { return Line("-", "-", Colours("- ")); }},
        InfoCase{"AllAlike", {At(0, 0, 1920, 1080, 24), At(1920, 0, 1920, 1080, 24)}, true,
                 [] { return Line("1920", "1080", Millions()); }}),
    [](const testing::TestParamInfo<InfoCase>& info) { return std::string(info.param.name); });

namespace {

class OneScreen : public ScreensTest {
protected:
  OneScreen() : ScreensTest({At(0, 0, 1024, 768, 32)}) {}
};

class TwoScreens : public ScreensTest {
protected:
  TwoScreens() : ScreensTest({At(0, 0, 1024, 768, 32), At(1024, 0, 1280, 1024, 16)}) {}
};

class ThreeScreens : public ScreensTest {
protected:
  ThreeScreens() : ScreensTest({At(0, 0, 1024, 768), At(1024, 0, 1280, 1024), At(-800, 120, 800, 600)}) {}
};

}  // namespace

TEST_F(OneScreen, TheLineReadsInEnglishAsTheUserSeesIt) {
  if (Localization::Width_SC() != " (Width)") GTEST_SKIP() << "not the English texts";
  EXPECT_EQ(InfoLine(), "1024 (Width) * 768, Millions of colors");
}

TEST_F(OneScreen, OneRowAndNoChoiceOfAllMonitors) {
  EXPECT_EQ(Rows(*Monitor()), std::vector<std::string>{"1"});
  EXPECT_EQ(Monitor()->ListIndex(), 0);
  EXPECT_FALSE(AllMonitorsBox()->Enabled());
  EXPECT_FALSE(AllMonitorsBox()->Value());
  EXPECT_FALSE(wMain().AllMonitorsSync);
  EXPECT_EQ(Globals::ActiveScreen, 0);
}

TEST_F(TwoScreens, TheBoxChoosesScreenZeroAndGivesTheRowBackWhenUnchecked) {
  EXPECT_EQ(Rows(*Monitor()), (std::vector<std::string>{"1", "2"}));
  ASSERT_TRUE(AllMonitorsBox()->Enabled());
  Monitor()->ListIndex(1);
  EXPECT_EQ(Globals::ActiveScreen, 1);
  EXPECT_EQ(InfoLine(), Line("1280", "1024", Thousands()));

  Click(MainControl("cbAllMonitors"), 5, 5);
  EXPECT_TRUE(wMain().AllMonitorsSync);
  EXPECT_EQ(Globals::ActiveScreen, 0);
  EXPECT_FALSE(Monitor()->Enabled());
  EXPECT_EQ(Monitor()->ListIndex(), 1) << "keeps its row";
  EXPECT_EQ(InfoLine(), Line("-", "-", Colours("- ")));

  Click(MainControl("cbAllMonitors"), 5, 5);
  EXPECT_FALSE(wMain().AllMonitorsSync);
  EXPECT_EQ(Globals::ActiveScreen, 1);
  EXPECT_TRUE(Monitor()->Enabled());
  EXPECT_EQ(InfoLine(), Line("1280", "1024", Thousands()));

  // Set by code, as the Matching group does, the box acts the same.
  AllMonitorsBox()->Value(true);
  EXPECT_TRUE(wMain().AllMonitorsSync);
  EXPECT_EQ(Globals::ActiveScreen, 0);
  EXPECT_FALSE(Monitor()->Enabled());
  AllMonitorsBox()->Value(false);
  EXPECT_EQ(Globals::ActiveScreen, 1);
  EXPECT_TRUE(Monitor()->Enabled());

  Monitor()->ListIndex(0);
  EXPECT_EQ(Globals::ActiveScreen, 0);
  EXPECT_EQ(InfoLine(), Line("1024", "768", Millions()));
}

TEST_F(TwoScreens, AScreenThatHasGoneReadsAsUnknownAndStopsNothing) {
  Monitor()->ListIndex(1);
  fw::SetScreensForTesting(Screens{At(0, 0, 1024, 768, 32)});
  wMain().UpdateMonitorInfo(1);
  EXPECT_EQ(InfoLine(), Line("-", "-", Colours("- ")));
  EXPECT_EQ(Rows(*Monitor()), (std::vector<std::string>{"1", "2"})) << "the rows of the start stay";
}

TEST_F(OneScreen, TheDefaultPatternWindowIsTheOnlyOne) {
  ASSERT_EQ(wMain().TestWindow.size(), 1u);
  EXPECT_EQ(wMain().TestWindow[0].get(), &wPattern());
  EXPECT_EQ(PatternWindow(0).ScreenNo, 0);
  EXPECT_EQ(PatternWindow(0).Left(), 50);
  EXPECT_EQ(PatternWindow(0).Top(), 50);
  EXPECT_TRUE(PatternWindow(0).FullScreen());
  EXPECT_FALSE(PatternWindow(0).MenuBarVisible());
  EXPECT_FALSE(PatternWindow(0).Visible());
}

TEST_F(ThreeScreens, OneHiddenFullScreenWindowPerScreen50PixelsInsideItsCorner) {
  ASSERT_EQ(wMain().TestWindow.size(), 3u);
  EXPECT_EQ(wMain().TestWindow[0].get(), &wPattern());
  EXPECT_NE(wMain().TestWindow[1], wMain().TestWindow[2]);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const fw::ScreenInfo& screen = screens_[i];
    EXPECT_NE(wMain().TestWindow[i], nullptr);
    EXPECT_EQ(PatternWindow(i).ScreenNo, static_cast<std::int32_t>(i));
    EXPECT_EQ(PatternWindow(i).Left(), screen.Left + 50);
    EXPECT_EQ(PatternWindow(i).Top(), screen.Top + 50);
    EXPECT_TRUE(PatternWindow(i).FullScreen());
    EXPECT_FALSE(PatternWindow(i).MenuBarVisible());
    EXPECT_FALSE(PatternWindow(i).Visible());
  }
  EXPECT_EQ(Rows(*Monitor()), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(AllMonitorsBox()->Enabled());
}
