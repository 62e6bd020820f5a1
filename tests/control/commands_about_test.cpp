// The About page and the explanation toggle, from the toolbar and the Help menu: what the
// page, the toolbar and the Help menu show, and how the explanation window comes back after
// the About page.
#include <gtest/gtest.h>

#include <string>

#include "app/Globals.h"
#include "command_helpers.h"
#include "framework/application.h"
#include "framework/controls/static_text.h"
#include "framework/strings.h"
#include "text/localization.h"

namespace {

enum class AboutWay { kToolbar, kMenu };
enum class ToggleWay { kToolbar, kShortcut, kMenu };

class AboutTest : public CommandTest {
protected:
  static void ShowAbout(AboutWay way = AboutWay::kToolbar) {
    if (way == AboutWay::kToolbar) ClickTool(kTbInfo);
    else ChooseFromMenu("HelpMenu", "AppleAbout");
  }
  static void ToggleExplanations(ToggleWay way = ToggleWay::kToolbar) {
    switch (way) {
      case ToggleWay::kToolbar: ClickTool(kTbHelp); break;
      case ToggleWay::kShortcut: TypeShortcut(Qt::Key_H); break;
      case ToggleWay::kMenu: ChooseFromMenu("HelpMenu", "HelpExplanations"); break;
    }
  }
  static void ChooseColors() { ClickTool(kTbColors); }
  // What the Help menu's explanations item says, in the model and on screen.
  static void ExpectHelpItemText(const char* text) {
    EXPECT_EQ(HelpItemText(), text);
    ASSERT_NE(MenuAction("HelpExplanations"), nullptr);
    EXPECT_EQ(MenuAction("HelpExplanations")->text().toStdString(), text);
  }
};

void PrintTo(AboutWay way, std::ostream* out) { *out << (way == AboutWay::kToolbar ? "toolbar" : "menu"); }
void PrintTo(ToggleWay way, std::ostream* out) {
  *out << (way == ToggleWay::kToolbar ? "toolbar" : way == ToggleWay::kShortcut ? "shortcut" : "menu");
}

class AboutCommand : public AboutTest, public testing::WithParamInterface<AboutWay> {};
class ExplanationToggle : public AboutTest, public testing::WithParamInterface<ToggleWay> {};

std::string AboutWayName(const testing::TestParamInfo<AboutWay>& info) {
  return info.param == AboutWay::kToolbar ? "Toolbar" : "Menu";
}
std::string ToggleWayName(const testing::TestParamInfo<ToggleWay>& info) {
  switch (info.param) {
    case ToggleWay::kToolbar: return "Toolbar";
    case ToggleWay::kShortcut: return "Shortcut";
    case ToggleWay::kMenu: return "Menu";
  }
  return "";
}

}  // namespace

TEST_P(AboutCommand, ShowsTheAboutPageAndMakesTheExplanationsUnavailable) {
  ClickTool(kTbGeometry);
  ASSERT_TRUE(ShownEnabled("HelpMenu", "HelpExplanations"));
  ShowAbout(GetParam());
  EXPECT_EQ(wMain().Title(), Localization::About());
  EXPECT_EQ(MainPage(), 2);
  EXPECT_EQ(GroupPage(), 1) << "the group page stays as it was";
  EXPECT_EQ(wMain().Find<fw::StaticText>("stVersion")->Text(), "V. " + fw::ShortVersion());
  EXPECT_EQ(wMain().Find<fw::StaticText>("stVersion")->Text().substr(0, 3), "V. ");

  EXPECT_FALSE(ToolItemAt(kTbHelp)->Enabled());
  EXPECT_FALSE(ToolButtonAt(kTbHelp)->isEnabled());
  for (std::int32_t i : {kTbColors, kTbGeometry, kTbMatching, kTbVideo, kTbInfo}) {
    EXPECT_TRUE(ToolItemAt(i)->Enabled()) << i;
    EXPECT_TRUE(ToolButtonAt(i)->isEnabled()) << i;
  }
  // The Help menu as it opens: no explanations, About as always.
  EXPECT_FALSE(ShownEnabled("HelpMenu", "HelpExplanations"));
  EXPECT_TRUE(ShownEnabled("HelpMenu", "AppleAbout"));
  EXPECT_FALSE(wMain().HelpExplanations()->Enabled()) << "after the enabling pass";
  EXPECT_TRUE(wMain().AppleAbout()->Enabled());

  // About again, from either place, stays on the page.
  ShowAbout(AboutWay::kToolbar);
  ShowAbout(AboutWay::kMenu);
  EXPECT_EQ(MainPage(), 2);
  EXPECT_EQ(wMain().Title(), Localization::About());
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutCommand, testing::Values(AboutWay::kToolbar, AboutWay::kMenu), AboutWayName);

TEST_F(AboutTest, OnTheAboutPageNeitherTheShortcutNorTheDisabledButtonShowsExplanations) {
  ShowAbout();
  TypeShortcut(Qt::Key_H);
  ClickTool(kTbHelp);
  EXPECT_FALSE(wHelp().Visible());
  ExpectHelpItemText("Show explanations");
  EXPECT_EQ(MainPage(), 2);
}

TEST_F(AboutTest, AGroupChoiceLeavesTheAboutPageAndMakesTheExplanationsAvailableAgain) {
  ShowAbout(AboutWay::kMenu);
  TypeShortcut(Qt::Key_4);
  EXPECT_EQ(MainPage(), 0);
  EXPECT_EQ(wMain().Title(), Localization::Video());
  EXPECT_TRUE(ToolItemAt(kTbHelp)->Enabled());
  EXPECT_TRUE(ToolButtonAt(kTbHelp)->isEnabled());
  EXPECT_TRUE(ShownEnabled("HelpMenu", "HelpExplanations"));
  EXPECT_TRUE(ShownEnabled("HelpMenu", "AppleAbout"));
  EXPECT_FALSE(wHelp().Visible()) << "it was not shown before the About page";
}

TEST_P(ExplanationToggle, ShowsAndHidesTheWindowWithTheMenuTextToMatch) {
  ExpectHelpItemText("Show explanations");
  ASSERT_FALSE(wHelp().Visible());
  ToggleExplanations(GetParam());
  EXPECT_TRUE(wHelp().Visible());
  ExpectHelpItemText("Hide explanations");
  EXPECT_EQ(HelpItemText(), Localization::HideExplanations());
  ToggleExplanations(GetParam());
  EXPECT_FALSE(wHelp().Visible());
  ExpectHelpItemText("Show explanations");
  EXPECT_EQ(HelpItemText(), Localization::ShowExplanations());
  // The page and the pattern stay as they were.
  EXPECT_EQ(MainPage(), 0);
  EXPECT_EQ(Globals::PatternKind, "ColWhite");
}

INSTANTIATE_TEST_SUITE_P(Ways, ExplanationToggle,
                         testing::Values(ToggleWay::kToolbar, ToggleWay::kShortcut, ToggleWay::kMenu), ToggleWayName);

TEST_F(AboutTest, TheWaysToggleOneAndTheSameState) {
  ToggleExplanations(ToggleWay::kShortcut);
  ASSERT_TRUE(wHelp().Visible());
  ToggleExplanations(ToggleWay::kToolbar);
  EXPECT_FALSE(wHelp().Visible());
  ToggleExplanations(ToggleWay::kMenu);
  EXPECT_TRUE(wHelp().Visible());
  ExpectHelpItemText("Hide explanations");
  ToggleExplanations(ToggleWay::kShortcut);
  EXPECT_FALSE(wHelp().Visible());
  ExpectHelpItemText("Show explanations");
}

TEST_F(AboutTest, AboutHidesAShownExplanationWindowAndTheNextGroupShowsItAgain) {
  ToggleExplanations();
  ASSERT_TRUE(wHelp().Visible());
  ShowAbout();
  EXPECT_FALSE(wHelp().Visible());
  EXPECT_TRUE(wMain().HelpStateChanged);
  ExpectHelpItemText("Hide explanations");  // the item is unavailable meanwhile

  ClickTool(kTbMatching);
  EXPECT_EQ(MainPage(), 0);
  EXPECT_TRUE(ToolItemAt(kTbHelp)->Enabled());
  EXPECT_TRUE(wHelp().Visible());
  EXPECT_FALSE(wMain().HelpStateChanged);
  ExpectHelpItemText("Hide explanations");
  EXPECT_EQ(wHelp().Find<fw::StaticText>("stTitel")->Text(), Localization::Matching());

  // And the toggle goes on from there.
  ToggleExplanations(ToggleWay::kShortcut);
  EXPECT_FALSE(wHelp().Visible());
  ExpectHelpItemText("Show explanations");
  ChooseColors();
  EXPECT_FALSE(wHelp().Visible()) << "shown again once only";
}

TEST_F(AboutTest, AboutTwiceStillShowsTheWindowAgainOnTheNextGroup) {
  ToggleExplanations(ToggleWay::kMenu);
  ShowAbout(AboutWay::kToolbar);
  ShowAbout(AboutWay::kMenu);
  EXPECT_TRUE(wMain().HelpStateChanged) << "the second About finds the window hidden and keeps the mark";
  TypeShortcut(Qt::Key_2);
  EXPECT_TRUE(wHelp().Visible());
  EXPECT_FALSE(wMain().HelpStateChanged);
}

TEST_F(AboutTest, AboutWhileTheExplanationsAreHiddenLeavesThemHidden) {
  ToggleExplanations();
  ToggleExplanations();
  ASSERT_FALSE(wHelp().Visible());
  ShowAbout();
  EXPECT_FALSE(wMain().HelpStateChanged);
  ChooseColors();
  EXPECT_FALSE(wHelp().Visible());
  EXPECT_FALSE(wMain().HelpStateChanged);
  ExpectHelpItemText("Show explanations");
}

TEST_F(AboutTest, TheShortcutsWorkFromTheExplanationWindowToo) {
  ToggleExplanations();
  ASSERT_TRUE(wHelp().Visible());
  wHelp().Widget()->activateWindow();
  Settle();
  ASSERT_TRUE(wHelp().Widget()->isActiveWindow());
  TypeShortcutInto(wHelp().Widget(), Qt::Key_2);
  EXPECT_EQ(GroupPage(), 1);
  EXPECT_EQ(wMain().Title(), Localization::Geometry());
  TypeShortcutInto(wHelp().Widget(), Qt::Key_H);
  EXPECT_FALSE(wHelp().Visible());
  ExpectHelpItemText("Show explanations");
}
