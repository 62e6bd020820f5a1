// The main window's toolbar as it stands and as it is clicked, its separator, and the
// window's menu items by name with the handlers it registers for them.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <string>

#include "app/Assets.h"
#include "app/Globals.h"
#include "command_helpers.h"
#include "framework/localized.h"
#include "framework/picture.h"
#include "framework/toolbar.h"
#include "text/localization.h"

namespace {

struct ToolRow {
  const char* name;
  std::int32_t style;
  fw::Ref<fw::Picture> (*icon)();  // nullptr: none
};

const ToolRow kTools[] = {{"tbColors", 0, ColorShadesIcon}, {"tbGeometry", 0, GeometryIcon},
                          {"tbMatching", 0, MatchingIcon},  {"tbVideo", 0, VideoIcon},
                          {"tbSeparator1", 1, nullptr},      {"tbHelp", 0, HelpIconOn},
                          {"tbInfo", 0, InfoIcon}};

fw::Ref<fw::ToolButton> ButtonAt(std::int32_t index) { return fw::RefCast<fw::ToolButton>(ToolItemAt(index)); }

QImage ShownIcon(std::int32_t index) { return ToolButtonAt(index)->icon().pixmap(QSize(32, 32)).toImage(); }

// What a command could have changed.
struct Snapshot {
  std::int32_t mainPage, groupPage;
  std::string title, kind;
  bool helpShown, helpStateChanged, helpButton;
  std::string helpItemText;

  static Snapshot Take() {
    return {MainPage(),        GroupPage(),
            wMain().Title(),   Globals::PatternKind,
            wHelp().Visible(), wMain().HelpStateChanged,
            ToolItemAt(kTbHelp)->Enabled(), HelpItemText()};
  }
  bool operator==(const Snapshot&) const = default;
};

void PrintTo(const Snapshot& s, std::ostream* out) {
  *out << "page " << s.mainPage << "/" << s.groupPage << ", \"" << s.title << "\", " << s.kind << ", help "
       << s.helpShown << s.helpStateChanged << s.helpButton << " \"" << s.helpItemText << "\"";
}

using ToolbarTest = CommandTest;

}  // namespace

TEST_F(ToolbarTest, HoldsItsSevenItemsInOrder) {
  const fw::Ref<QV_Toolbar> bar = MainToolbar();
  ASSERT_EQ(bar->Count(), 7);
  const std::string captions[] = {Localization::Colors(), Localization::Geometry(), Localization::Matching(),
                                  Localization::Video(),  "Untitled",               Localization::Help(),
                                  "Info"};
  for (std::int32_t i = 0; i < 7; ++i) {
    const ToolRow& row = kTools[i];
    const fw::Ref<fw::ToolButton> button = ButtonAt(i);
    ASSERT_TRUE(button) << i;
    EXPECT_EQ(button->Name, row.name);
    EXPECT_EQ(button->Style(), row.style) << row.name;
    EXPECT_EQ(button->Caption(), captions[i]) << row.name;
    EXPECT_TRUE(button->Enabled()) << row.name;
    EXPECT_EQ(button->HelpTag(), "") << row.name;
    if (row.icon) {
      EXPECT_EQ(button->Icon().get(), row.icon().get()) << row.name;
      QToolButton* shown = ToolButtonAt(i);
      ASSERT_NE(shown, nullptr) << row.name;
      EXPECT_EQ(shown->text().toStdString(), captions[i]);
      EXPECT_FALSE(shown->icon().isNull()) << row.name;
      EXPECT_TRUE(shown->isEnabled()) << row.name;
    } else {
      EXPECT_FALSE(button->Icon()) << row.name;
      EXPECT_TRUE(bar->ActionOf(*button)->isSeparator());
    }
  }
  EXPECT_EQ(bar->tbHelp.get(), ButtonAt(kTbHelp).get());
  EXPECT_EQ(bar->tbInfo.get(), ButtonAt(kTbInfo).get());
  EXPECT_EQ(bar->tbSeparator1.get(), ButtonAt(kTbSeparator1).get());
}

TEST_F(ToolbarTest, TheHelpButtonKeepsItsIconShownOrHidden) {
  const QImage before = ShownIcon(kTbHelp);
  ClickTool(kTbHelp);
  ASSERT_TRUE(wHelp().Visible());
  EXPECT_EQ(ButtonAt(kTbHelp)->Icon().get(), HelpIconOn().get());
  EXPECT_EQ(ShownIcon(kTbHelp), before);
  EXPECT_EQ(ToolButtonAt(kTbHelp)->text().toStdString(), Localization::Help());
  ClickTool(kTbHelp);
  ASSERT_FALSE(wHelp().Visible());
  EXPECT_EQ(ButtonAt(kTbHelp)->Icon().get(), HelpIconOn().get());
  EXPECT_EQ(ShownIcon(kTbHelp), before);
}

TEST_F(ToolbarTest, TheSeparatorDoesNothing) {
  // Once in the ordinary state and once with the About page hiding the explanation window.
  for (int round = 0; round < 2; ++round) {
    if (round == 1) {
      ClickTool(kTbHelp);
      ClickTool(kTbInfo);
      ASSERT_TRUE(wMain().HelpStateChanged);
    }
    const Snapshot before = Snapshot::Take();
    ClickTool(kTbSeparator1);
    EXPECT_EQ(Snapshot::Take(), before) << "clicked";
    MainToolbar()->ActionOf(*ButtonAt(kTbSeparator1))->trigger();
    Settle();
    EXPECT_EQ(Snapshot::Take(), before) << "its action triggered";
    wMain().MyToolbar_Action(*ButtonAt(kTbSeparator1));
    Settle();
    EXPECT_EQ(Snapshot::Take(), before) << "handed to the window";
  }
}

namespace {

// The toolbar's captions follow the language the program starts in.
class GermanToolbarTest : public CommandTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(fw::LoadTranslations(QCoreApplication::applicationDirPath().toStdString() + "/../translations", {"de"}));
    CommandTest::SetUp();
  }
  void TearDown() override {
    CommandTest::TearDown();
    fw::UnloadTranslations();
  }
};

}  // namespace

TEST_F(GermanToolbarTest, CaptionsFollowTheLanguageButInfo) {
  ASSERT_NE(Localization::Colors(), "Colors") << "a German text to tell apart";
  EXPECT_EQ(ButtonAt(kTbColors)->Caption(), Localization::Colors());
  EXPECT_EQ(ButtonAt(kTbGeometry)->Caption(), Localization::Geometry());
  EXPECT_EQ(ButtonAt(kTbHelp)->Caption(), Localization::Help());
  EXPECT_EQ(ButtonAt(kTbInfo)->Caption(), "Info");
  EXPECT_EQ(ButtonAt(kTbSeparator1)->Caption(), "Untitled");
  EXPECT_EQ(ToolButtonAt(kTbColors)->text().toStdString(), Localization::Colors());
  // The window title of a group and of the About page follows too.
  TypeShortcut(Qt::Key_1);
  EXPECT_EQ(wMain().Title(), Localization::Colors());
  ClickTool(kTbInfo);
  EXPECT_EQ(wMain().Title(), Localization::About());
}

// ---- Menu items by name -------------------------------------------------------------------

namespace {

enum class ItemClass { kPlain, kQuit, kAbout };

struct AccessorRow {
  const char* name;
  fw::Ref<fw::MenuItem> (wMain::*accessor)() const;
  ItemClass cls;
  bool handled;  // the window registers a handler for it
};

const AccessorRow kAccessors[] = {
    {"HelpMenu", &wMain::HelpMenu, ItemClass::kPlain, false},
    {"AppleAbout", &wMain::AppleAbout, ItemClass::kAbout, true},
    {"HelpExplanations", &wMain::HelpExplanations, ItemClass::kPlain, true},
    {"TestPatternMenu", &wMain::TestPatternMenu, ItemClass::kPlain, false},
    {"PatternsVideo", &wMain::PatternsVideo, ItemClass::kPlain, true},
    {"PatternsMatching", &wMain::PatternsMatching, ItemClass::kPlain, true},
    {"PatternsGeometry", &wMain::PatternsGeometry, ItemClass::kPlain, true},
    {"PatternsColors", &wMain::PatternsColors, ItemClass::kPlain, true},
    {"EditMenu", &wMain::EditMenu, ItemClass::kPlain, false},
    {"EditClear", &wMain::EditClear, ItemClass::kPlain, false},
    {"EditPaste", &wMain::EditPaste, ItemClass::kPlain, false},
    {"EditCopy", &wMain::EditCopy, ItemClass::kPlain, false},
    {"EditCut", &wMain::EditCut, ItemClass::kPlain, false},
    {"UntitledMenu0", &wMain::UntitledMenu0, ItemClass::kPlain, false},
    {"EditUndo", &wMain::EditUndo, ItemClass::kPlain, false},
    {"FileMenu", &wMain::FileMenu, ItemClass::kPlain, false},
    {"FileQuit", &wMain::FileQuit, ItemClass::kQuit, false},
};

void PrintTo(const AccessorRow& row, std::ostream* out) { *out << row.name; }

class MenuAccessor : public CommandTest, public testing::WithParamInterface<AccessorRow> {};

}  // namespace

TEST_P(MenuAccessor, ReturnsTheMenuBarsItemOfItsName) {
  const AccessorRow& row = GetParam();
  const fw::Ref<fw::MenuItem> item = (wMain().*row.accessor)();
  ASSERT_TRUE(item);
  EXPECT_EQ(item->Name, row.name);
  EXPECT_EQ(item.get(), wMain().MenuBar()->Find(row.name).get());
  EXPECT_EQ(item.get(), (wMain().*row.accessor)().get()) << "the same item every time";
  EXPECT_EQ(dynamic_cast<fw::QuitMenuItem*>(item.get()) != nullptr, row.cls == ItemClass::kQuit);
  EXPECT_EQ(dynamic_cast<fw::AppleMenuItem*>(item.get()) != nullptr, row.cls == ItemClass::kAbout);
  EXPECT_EQ(wMain().HasMenuHandler(row.name), row.handled);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuAccessor, testing::ValuesIn(kAccessors),
                         [](const testing::TestParamInfo<AccessorRow>& info) { return std::string(info.param.name); });

TEST_F(CommandTest, TheEditItemsStayDisabledWhenTheirMenuOpens) {
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
    EXPECT_FALSE(ShownEnabled("EditMenu", name)) << name;
  for (const char* name : {"PatternsColors", "PatternsGeometry", "PatternsMatching", "PatternsVideo"})
    EXPECT_TRUE(ShownEnabled("TestPatternMenu", name)) << name;
}
