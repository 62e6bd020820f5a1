// The group commands, from the toolbar's group buttons and from the Test patterns menu's
// shortcuts: the group's page and title, the row its slider still holds, and the automatic
// switch to all monitors for Matching.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/Globals.h"
#include "command_helpers.h"
#include "control/PatternGroups.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/slider.h"
#include "framework/controls/static_text.h"
#include "text/localization.h"

namespace {

struct GroupRow {
  const char* name;
  std::int32_t group;
  std::int32_t tool;  // the toolbar button
  int key;            // Ctrl and this key
  fw::String (*title)();
};

constexpr GroupRow kGroups[] = {{"Colors", 0, kTbColors, Qt::Key_1, Localization::Colors},
                                {"Geometry", 1, kTbGeometry, Qt::Key_2, Localization::Geometry},
                                {"Matching", 2, kTbMatching, Qt::Key_3, Localization::Matching},
                                {"Video", 3, kTbVideo, Qt::Key_4, Localization::Video}};

// A way of choosing a group: its toolbar button or its menu shortcut.
enum class Way { kToolbar, kShortcut };

struct GroupCase {
  GroupRow row;
  Way way;
};

void PrintTo(const GroupCase& c, std::ostream* out) {
  *out << c.row.name << (c.way == Way::kToolbar ? " by toolbar" : " by shortcut");
}

class GroupCommandTest : public CommandTest {
protected:
  static void ChooseGroup(const GroupRow& row, Way way) {
    if (way == Way::kToolbar) ClickTool(row.tool);
    else TypeShortcut(row.key);
  }
  static void ChooseGroup(std::int32_t group, Way way = Way::kToolbar) { ChooseGroup(kGroups[group], way); }
};

class GroupCommand : public GroupCommandTest, public testing::WithParamInterface<GroupCase> {};

std::vector<GroupCase> AllGroupCases() {
  std::vector<GroupCase> cases;
  for (const GroupRow& row : kGroups)
    for (Way way : {Way::kToolbar, Way::kShortcut}) cases.push_back({row, way});
  return cases;
}

fw::Ref<fw::Slider> SliderOf(const PatternGroup& group) { return wMain().Find<fw::Slider>(std::string(group.slider)); }
std::string PreviewKind() { return wMain().Find<cPatternCanvas>("cvPattern")->Kind; }

}  // namespace

TEST_P(GroupCommand, ShowsTheGroupsPageAndTitleAndChoosesItsRowAgain) {
  const GroupCase& c = GetParam();
  const PatternGroup& group = PatternGroups()[static_cast<std::size_t>(c.row.group)];
  // A row other than the first, left in the group's slider while another group is shown.
  const std::int32_t row = std::min<std::int32_t>(3, static_cast<std::int32_t>(group.kinds.size()) - 1);
  const std::string kind(group.kinds[static_cast<std::size_t>(row)]);
  ChooseGroup(c.row, c.way);
  SliderOf(group)->Value(row);
  ASSERT_EQ(Globals::PatternKind, kind);
  const std::int32_t other = c.row.group == 0 ? 1 : 0;
  ChooseGroup(other, c.way);
  ASSERT_NE(Globals::PatternKind, kind);
  // From the About page, too.
  ClickTool(kTbInfo);
  ASSERT_EQ(MainPage(), 2);

  ChooseGroup(c.row, c.way);
  EXPECT_EQ(MainPage(), 0);
  EXPECT_EQ(GroupPage(), c.row.group);
  EXPECT_EQ(wMain().Title(), c.row.title());
  EXPECT_EQ(SliderOf(group)->Value(), row);
  EXPECT_EQ(Globals::PatternKind, kind);
  EXPECT_EQ(PreviewKind(), kind);
  EXPECT_TRUE(ToolItemAt(kTbHelp)->Enabled());
  EXPECT_TRUE(ToolButtonAt(kTbHelp)->isEnabled());

  // The same group again changes nothing.
  ChooseGroup(c.row, c.way);
  EXPECT_EQ(GroupPage(), c.row.group);
  EXPECT_EQ(Globals::PatternKind, kind);
}

INSTANTIATE_TEST_SUITE_P(Groups, GroupCommand, testing::ValuesIn(AllGroupCases()),
                         [](const testing::TestParamInfo<GroupCase>& info) {
                           return std::string(info.param.row.name) +
                                  (info.param.way == Way::kToolbar ? "Toolbar" : "Shortcut");
                         });

TEST_F(GroupCommandTest, TheFirstChoiceOfAGroupShowsItsFirstRow) {
  ChooseGroup(3, Way::kShortcut);
  EXPECT_EQ(Globals::PatternKind, "VideoSmpteColAnalog");
  ChooseGroup(1, Way::kToolbar);
  EXPECT_EQ(Globals::PatternKind, "GeoGeometry");
  EXPECT_EQ(PreviewKind(), "GeoGeometry");
}

// ---- All monitors and the Matching group -----------------------------------------------

namespace {

fw::Ref<fw::CheckBox> AllMonitorsBox() { return wMain().Find<fw::CheckBox>("cbAllMonitors"); }
fw::Ref<fw::PopupMenu> MonitorMenu() { return wMain().Find<fw::PopupMenu>("pmMonitor"); }
std::string MonitorInfo() { return wMain().Find<fw::StaticText>("stMonitorInfo")->Text(); }

// Counts the box's Action events, passing each on to the window's handler.
int* CountBoxActions() {
  static int count;
  count = 0;
  const fw::Ref<fw::CheckBox> box = AllMonitorsBox();
  box->Action = [handler = box->Action] {
    ++count;
    handler();
  };
  return &count;
}

class TwoScreenGroups : public TwoScreenCommandTest {
protected:
  void SetUp() override {
    TwoScreenCommandTest::SetUp();
    ASSERT_EQ(fw::ScreenCount(), 2);
    ASSERT_TRUE(AllMonitorsBox()->Enabled());
    // The second monitor chosen, so that switching back shows where ActiveScreen comes from.
    MonitorMenu()->ListIndex(1);
    ASSERT_EQ(Globals::ActiveScreen, 1);
  }
  static void ChooseGroup(std::int32_t group, Way way = Way::kToolbar) {
    if (way == Way::kToolbar) ClickTool(kGroups[group].tool);
    else TypeShortcut(kGroups[group].key);
  }
  static void ExpectAllMonitorsOn() {
    EXPECT_TRUE(AllMonitorsBox()->Value());
    EXPECT_TRUE(wMain().AllMonitorsSync);
    EXPECT_FALSE(MonitorMenu()->Enabled());
    EXPECT_EQ(Globals::ActiveScreen, 0);
  }
  static void ExpectAllMonitorsOff() {
    EXPECT_FALSE(AllMonitorsBox()->Value());
    EXPECT_FALSE(wMain().AllMonitorsSync);
    EXPECT_FALSE(wMain().AllMonitorsSyncChange);
    EXPECT_TRUE(MonitorMenu()->Enabled());
    EXPECT_EQ(Globals::ActiveScreen, 1) << "taken from the monitor menu again";
  }
};

struct LeaveCase {
  const char* name;
  std::int32_t group;
  Way way;
};

void PrintTo(const LeaveCase& c, std::ostream* out) { *out << c.name; }

class LeavingMatching : public TwoScreenGroups, public testing::WithParamInterface<LeaveCase> {};

}  // namespace

TEST_F(GroupCommandTest, WithOneScreenMatchingLeavesAllMonitorsOff) {
  ASSERT_EQ(fw::ScreenCount(), 1);
  int* actions = CountBoxActions();
  ChooseGroup(2, Way::kToolbar);
  ChooseGroup(2, Way::kShortcut);
  EXPECT_EQ(GroupPage(), 2);
  EXPECT_FALSE(AllMonitorsBox()->Value());
  EXPECT_FALSE(wMain().AllMonitorsSync);
  EXPECT_FALSE(wMain().AllMonitorsSyncChange);
  EXPECT_EQ(Globals::ActiveScreen, 0);
  ChooseGroup(0);
  EXPECT_FALSE(AllMonitorsBox()->Value());
  EXPECT_EQ(*actions, 0);
}

TEST_F(TwoScreenGroups, MatchingSwitchesAllMonitorsOn) {
  const std::string oneMonitor = MonitorInfo();
  ChooseGroup(2, Way::kShortcut);
  ExpectAllMonitorsOn();
  EXPECT_TRUE(wMain().AllMonitorsSyncChange);
  EXPECT_NE(MonitorInfo(), oneMonitor) << "the combined information of both monitors";
  EXPECT_EQ(MonitorInfo().substr(0, 1), "-") << "the two widths differ";
  EXPECT_EQ(Globals::PatternKind, "MatchWhite");
}

TEST_P(LeavingMatching, SwitchesAllMonitorsOffAgain) {
  const LeaveCase& c = GetParam();
  ChooseGroup(2);
  ExpectAllMonitorsOn();
  ChooseGroup(c.group, c.way);
  EXPECT_EQ(GroupPage(), c.group);
  ExpectAllMonitorsOff();
}

INSTANTIATE_TEST_SUITE_P(Groups, LeavingMatching,
                         testing::Values(LeaveCase{"ColorsToolbar", 0, Way::kToolbar},
                                         LeaveCase{"GeometryToolbar", 1, Way::kToolbar},
                                         LeaveCase{"VideoToolbar", 3, Way::kToolbar},
                                         LeaveCase{"ColorsShortcut", 0, Way::kShortcut},
                                         LeaveCase{"GeometryShortcut", 1, Way::kShortcut},
                                         LeaveCase{"VideoShortcut", 3, Way::kShortcut}),
                         [](const testing::TestParamInfo<LeaveCase>& info) { return std::string(info.param.name); });

TEST_F(TwoScreenGroups, ABoxTheUserSwitchedOnStaysOnAfterMatching) {
  Click(MainControl("cbAllMonitors"), 5, 5);
  ASSERT_TRUE(wMain().AllMonitorsSync);
  int* actions = CountBoxActions();
  ChooseGroup(2);
  EXPECT_FALSE(wMain().AllMonitorsSyncChange);
  ChooseGroup(0);
  ExpectAllMonitorsOn();
  EXPECT_FALSE(wMain().AllMonitorsSyncChange);
  EXPECT_EQ(*actions, 0) << "the box is never touched";

  // Switched off by the user after all, it stays off on leaving Matching.
  Click(MainControl("cbAllMonitors"), 5, 5);
  ChooseGroup(1);
  ExpectAllMonitorsOff();
}

TEST_F(TwoScreenGroups, MatchingTwiceThenLeavingSwitchesOffOnce) {
  int* actions = CountBoxActions();
  ChooseGroup(2, Way::kToolbar);
  ChooseGroup(2, Way::kShortcut);
  EXPECT_EQ(*actions, 1);
  ExpectAllMonitorsOn();
  EXPECT_TRUE(wMain().AllMonitorsSyncChange);
  ChooseGroup(3);
  EXPECT_EQ(*actions, 2);
  ExpectAllMonitorsOff();
  // Nothing more to switch back.
  ChooseGroup(0);
  ChooseGroup(1, Way::kShortcut);
  EXPECT_EQ(*actions, 2);
  ExpectAllMonitorsOff();
}

TEST_F(TwoScreenGroups, TheUserSwitchingTheBoxOffWhileInMatchingIsNotUndone) {
  ChooseGroup(2);
  ASSERT_TRUE(wMain().AllMonitorsSyncChange);
  Click(MainControl("cbAllMonitors"), 5, 5);
  ASSERT_FALSE(wMain().AllMonitorsSync);
  int* actions = CountBoxActions();
  ChooseGroup(0);
  // The box is already off: switching it off again raises no Action, and the flag goes.
  EXPECT_EQ(*actions, 0);
  ExpectAllMonitorsOff();
  ChooseGroup(2);
  ExpectAllMonitorsOn();
  EXPECT_TRUE(wMain().AllMonitorsSyncChange);
}

TEST_F(TwoScreenGroups, AboutInBetweenKeepsTheAutomaticSwitch) {
  ChooseGroup(2);
  ClickTool(kTbInfo);
  ExpectAllMonitorsOn();
  EXPECT_TRUE(wMain().AllMonitorsSyncChange);
  ChooseGroup(0, Way::kShortcut);
  EXPECT_EQ(MainPage(), 0);
  ExpectAllMonitorsOff();
}
