#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "control/wHelp.h"
#include "framework/application.h"
#include "framework/controls/popup_menu.h"
#include "framework/screens.h"
#include "main_window_fixture.h"
#include "run_helpers.h"
#include "support/screen_harness.h"

namespace {

// One input in a pattern window: a click, or a key with its text.
struct Input {
  const char* name;
  int key;  // 0: a click
  const char* text;
};

constexpr Input kClick{"click", 0, ""};
constexpr Input kInputs[] = {kClick,
                             {"x", Qt::Key_X, "x"},
                             {"space", Qt::Key_Space, " "},
                             {"return", Qt::Key_Return, "\r"},
                             {"up", Qt::Key_Up, ""},
                             {"down", Qt::Key_Down, ""},
                             {"a", Qt::Key_A, "a"},
                             {"pagedown", Qt::Key_PageDown, ""},
                             {"F1", Qt::Key_F1, ""}};

class RunTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_FALSE(wMain().TestWindow.empty());
  }

  static void AllTests(bool on) {
    if (wMain().Find<fw::CheckBox>("cbAllTests")->Value() != on) Click(MainControl("cbAllTests"), 5, 5);
    ASSERT_EQ(wMain().Find<fw::CheckBox>("cbAllTests")->Value(), on);
  }
  static void AllMonitors(bool on) {
    if (wMain().Find<fw::CheckBox>("cbAllMonitors")->Value() != on) Click(MainControl("cbAllMonitors"), 5, 5);
    ASSERT_EQ(wMain().AllMonitorsSync, on);
  }
  static void Choose(const std::string& label) { Click(MainControl(label), 3, 3); }
  static void PushTest() { Click(MainControl("pbRun"), 10, 10); }

  static void Give(std::size_t window, const Input& input) {
    if (input.key == 0) {
      Click(PatternWindow(window).Find<cPatternCanvas>("cvPattern")->Widget(), 200, 100);
      return;
    }
    Press(PatternWindow(window).Widget(), input.key, QString::fromUtf8(input.text));
  }
  static void Escape(std::size_t window) { Press(PatternWindow(window).Widget(), Qt::Key_Escape, "\x1b"); }
};

struct GroupWalk {
  const char* name;
  std::int32_t page;
  std::vector<std::string> kinds;
};

class AllTestsWalk : public RunTest, public testing::WithParamInterface<GroupWalk> {};

void PrintTo(const GroupWalk& walk, std::ostream* out) { *out << walk.name; }

}  // namespace

TEST_P(AllTestsWalk, StepsThroughTheVisibleGroupAndRestoresTheKindAfterItsLast) {
  const GroupWalk& walk = GetParam();
  Choose("stColBlue");
  ASSERT_EQ(Globals::PatternKind, "ColBlue");
  AllTests(true);
  ShowGroup(walk.page);
  // The group's own page choice leaves the preview's kind alone here; the run starts from it.
  Globals::PatternKind = "ColBlue";

  PushTest();
  ASSERT_TRUE(PatternWindow(0).Visible());
  EXPECT_TRUE(PatternWindow(0).FullScreen());
  EXPECT_EQ(Globals::OldPatternKind, "ColBlue");
  for (std::size_t step = 0; step < walk.kinds.size(); ++step) {
    EXPECT_EQ(Globals::PatternKind, walk.kinds[step]) << "step " << step;
    EXPECT_EQ(ShownKind(0), walk.kinds[step]) << "step " << step;
    EXPECT_TRUE(PatternWindow(0).Visible());
    EXPECT_TRUE(TimerOn(0));
    // Every kind of input steps alike.
    Give(0, kInputs[step % std::size(kInputs)]);
  }
  EXPECT_EQ(Globals::PatternKind, "ColBlue") << "no wrap-around: the kind from before the run is back";
  EXPECT_FALSE(AnyPatternWindowActive());
}

INSTANTIATE_TEST_SUITE_P(
    Groups, AllTestsWalk,
    testing::Values(GroupWalk{"Colors", 0, {"ColWhite", "ColBlack", "ColRed", "ColGreen", "ColBlue", "ColGrayShades", "ColColorShades"}},
                    GroupWalk{"Geometry", 1, {"GeoGeometry", "GeoMargins", "GeoConvergency", "GeoResolution1", "GeoResolution2",
                                              "GeoPumpEffect", "GeoClockPhase", "GeoTracing", "GeoInvTracing"}},
                    GroupWalk{"Matching", 2, {"MatchWhite", "MatchGray25", "MatchGray50", "MatchGray75", "MatchBlack",
                                              "MatchGrayGraduations", "MatchRedGraduations", "MatchGreenGraduations",
                                              "MatchBlueGraduations"}},
                    GroupWalk{"Video", 3, {"VideoSmpteColAnalog", "VideoSmpteColDigital", "VideoOverscan"}}),
    [](const testing::TestParamInfo<GroupWalk>& info) { return std::string(info.param.name); });

class SingleTest : public RunTest, public testing::WithParamInterface<Input> {};

TEST_P(SingleTest, AnyInputButEscapeEndsASingleTestKeepingTheKind) {
  AllTests(false);
  Choose("stColGreen");
  PushTest();
  ASSERT_TRUE(PatternWindow(0).Visible());
  EXPECT_EQ(ShownKind(0), "ColGreen");
  // Another pattern picked in the main window meanwhile is the one the run leaves behind.
  Choose("stColGrayShades");
  Give(0, GetParam());
  EXPECT_EQ(Globals::PatternKind, "ColGrayShades");
  EXPECT_FALSE(AnyPatternWindowActive());
}

INSTANTIATE_TEST_SUITE_P(Inputs, SingleTest, testing::ValuesIn(kInputs),
                         [](const testing::TestParamInfo<Input>& info) { return std::string(info.param.name); });

TEST_F(RunTest, ThePatternWindowClosedByTheDesktopEndsTheRunAsEscape) {
  AllTests(true);
  Choose("stColRed");
  PushTest();
  ASSERT_TRUE(PatternWindow(0).Visible());
  ASSERT_EQ(ShownKind(0), "ColWhite");
  ASSERT_NE(PatternWindow(0).Widget()->windowHandle(), nullptr);
  PatternWindow(0).Widget()->windowHandle()->close();
  Settle();
  EXPECT_FALSE(AnyPatternWindowActive());
  EXPECT_EQ(Globals::PatternKind, "ColRed");
  // Shown again by the next run, as always.
  PushTest();
  EXPECT_TRUE(PatternWindow(0).Visible());
  Escape(0);
}

TEST_F(RunTest, AMenuShortcutInAPatternWindowIsAKeyOfTheRun) {
  AllTests(true);
  PushTest();
  ASSERT_TRUE(PatternWindow(0).Visible());
  ASSERT_EQ(ShownKind(0), "ColWhite");
  PatternWindow(0).Widget()->activateWindow();
  Settle();
  // Ctrl+H (explanations) steps the run instead of showing the explanation window.
  QTest::keyClick(PatternWindow(0).Widget(), Qt::Key_H, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(ShownKind(0), "ColBlack");
  EXPECT_FALSE(wHelp().Visible());
  // Ctrl+2 (Geometry) neither changes the main window's group nor leaves the run's.
  QTest::keyClick(PatternWindow(0).Widget(), Qt::Key_2, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(ShownKind(0), "ColRed");
  EXPECT_EQ(wMain().Find<fw::PagePanel>("ppTestKind")->Value(), 0);
  Escape(0);
  EXPECT_FALSE(AnyPatternWindowActive());
}

TEST_F(RunTest, EscapeEndsAtOnceAndPutsBackTheKindFromBeforeTheRun) {
  for (const bool allTests : {false, true}) {
    AllTests(allTests);
    ShowGroup(0);
    Choose("stColRed");
    PushTest();
    if (allTests) {
      Give(0, kClick);
      Give(0, kClick);
      EXPECT_EQ(ShownKind(0), "ColRed");
    }
    Choose("stColBlue");  // picked in the main window during the run: escape still restores
    Escape(0);
    EXPECT_EQ(Globals::PatternKind, "ColRed") << "all tests " << allTests;
    EXPECT_FALSE(AnyPatternWindowActive());
  }
}

TEST_F(RunTest, AKindOfAnotherGroupIsShownAgainUntilEscape) {
  AllTests(true);
  ShowGroup(0);
  Choose("stColBlack");
  PushTest();
  EXPECT_EQ(ShownKind(0), "ColWhite");
  ShowGroup(1);  // switched during the run: "ColWhite" is not a Geometry kind
  for (int i = 0; i < 3; ++i) {
    Give(0, kClick);
    EXPECT_EQ(Globals::PatternKind, "ColWhite");
    EXPECT_TRUE(PatternWindow(0).Visible());
  }
  // Back on its own group the run goes on from where it stands.
  ShowGroup(0);
  Give(0, kClick);
  EXPECT_EQ(ShownKind(0), "ColBlack");
  Escape(0);
  EXPECT_EQ(Globals::PatternKind, "ColBlack");
  EXPECT_FALSE(AnyPatternWindowActive());
}

TEST_F(RunTest, UntickingAllTestsDuringARunMakesTheNextInputEndIt) {
  AllTests(true);
  ShowGroup(3);
  PushTest();
  Give(0, kClick);
  EXPECT_EQ(ShownKind(0), "VideoSmpteColDigital");
  AllTests(false);
  Give(0, kClick);
  EXPECT_EQ(Globals::PatternKind, "VideoSmpteColDigital");
  EXPECT_FALSE(AnyPatternWindowActive());
}

TEST_F(RunTest, ClosingTheMainWindowQuitsWithZero) {
  wMain().Close();
  EXPECT_EQ(fw::RunEventLoop(), 0);
}

// ---- Three screens ----------------------------------------------------------------------

namespace {

// Records the order in which windows show.
class ShowOrder : public QObject {
public:
  std::vector<std::size_t> shown;

  void Watch() {
    for (std::size_t i = 0; i < wMain().TestWindow.size(); ++i) PatternWindow(i).Widget()->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    for (std::size_t i = 0; i < wMain().TestWindow.size(); ++i)
      if (PatternWindow(i).Widget() == watched) shown.push_back(i);
    return false;
  }
};

using ThreeScreenRun = RunTest;

void ChooseMonitor(std::int32_t row) { wMain().Find<fw::PopupMenu>("pmMonitor")->ListIndex(row); }

const std::vector<fw::ScreenInfo> kThree = {{0, 0, 1024, 768, 32, 1.0}, {1024, 0, 1280, 1024, 32, 1.0}, {2304, 0, 800, 600, 32, 1.0}};

}  // namespace

TEST_F(ThreeScreenRun, AllMonitorsShowsEveryWindowInOrderAndStepsThemTogether) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(wMain().TestWindow.size(), 3u);
  AllMonitors(true);
  AllTests(true);
  ShowGroup(0);
  ShowOrder order;
  order.Watch();
  PushTest();
  EXPECT_EQ(order.shown, (std::vector<std::size_t>{0, 1, 2}));
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(PatternWindow(i).Visible() && PatternWindow(i).FullScreen()) << i;
    EXPECT_EQ(ShownKind(i), "ColWhite") << i;
    // Each renders for its own screen.
    EXPECT_EQ(PatternWindow(i).Find<cPatternCanvas>("cvPattern")->Backdrop()->Width(), fw::Screen(static_cast<std::int32_t>(i)).Width);
  }
  Give(1, kClick);
  Give(2, kInputs[1]);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(ShownKind(i), "ColRed") << i;
  Escape(0);
  EXPECT_FALSE(AnyPatternWindowActive());
  EXPECT_EQ(Globals::PatternKind, "ColWhite");
}

TEST_F(ThreeScreenRun, ARunOnOneMonitorShowsItsWindowOnlyAndItsEndHidesThemAll) {
  SKIP_UNLESS_IN_HARNESS();
  AllTests(false);
  ChooseMonitor(1);
  ASSERT_EQ(Globals::ActiveScreen, 1);
  Choose("stColRed");
  PushTest();
  EXPECT_FALSE(PatternWindow(0).Visible());
  EXPECT_TRUE(PatternWindow(1).Visible());
  EXPECT_FALSE(PatternWindow(2).Visible());
  EXPECT_EQ(PatternWindow(1).Find<cPatternCanvas>("cvPattern")->Backdrop()->Width(), 1280);
  Give(1, kClick);
  EXPECT_FALSE(AnyPatternWindowActive());

  // A run begun on all monitors that the user narrows to one meanwhile still ends on all.
  AllMonitors(true);
  PushTest();
  AllMonitors(false);
  Give(2, kClick);
  EXPECT_FALSE(AnyPatternWindowActive());
}

TEST_F(ThreeScreenRun, ScreensThatGoLeaveTheRunAndAGoneMonitorStartsNothing) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(wMain().TestWindow.size(), 3u);
  AllTests(true);
  ShowGroup(0);
  AllMonitors(true);

  // One screen fewer before the run: its window stays out of it.
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>(kThree.begin(), kThree.begin() + 2));
  PushTest();
  EXPECT_TRUE(PatternWindow(0).Visible());
  EXPECT_TRUE(PatternWindow(1).Visible());
  EXPECT_FALSE(PatternWindow(2).Visible());

  // Another goes during the run: the next step repaints what is left and lets its window go.
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>(kThree.begin(), kThree.begin() + 1));
  Give(0, kClick);
  EXPECT_EQ(ShownKind(0), "ColBlack");
  EXPECT_EQ(ShownKind(1), "ColWhite") << "not repainted for a screen that is gone";
  EXPECT_FALSE(PatternWindow(1).Visible());
  EXPECT_FALSE(TimerOn(1));
  Escape(0);
  EXPECT_FALSE(AnyPatternWindowActive());

  // The chosen monitor has gone: Test shows nothing and changes no kind.
  AllMonitors(false);
  ChooseMonitor(2);
  Choose("stColGreen");
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>(kThree.begin(), kThree.begin() + 2));
  const std::string old = Globals::OldPatternKind;
  PushTest();
  EXPECT_FALSE(AnyPatternWindowActive());
  EXPECT_EQ(Globals::PatternKind, "ColGreen");
  EXPECT_EQ(Globals::OldPatternKind, old);

  // More screens than windows: a run covers the windows there are.
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{kThree[0], kThree[1], kThree[2], {3104, 0, 640, 480, 32, 1.0}});
  AllMonitors(true);
  PushTest();
  for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(PatternWindow(i).Visible()) << i;
  Give(2, kClick);
  Escape(1);
  EXPECT_FALSE(AnyPatternWindowActive());
}

TEST(RunsOnThreeScreens, InALayoutOfTheirOwn) {
  if (InHarness()) GTEST_SKIP();
  EXPECT_EQ(RunWithScreens({{0, 0, 1024, 768}, {1024, 0, 1280, 1024}, {2304, 0, 800, 600}}, "ThreeScreenRun.*"), 0);
}
