// The main window as laid out: its own properties, every control with its class, place and
// size, the pattern labels, the sliders' ranges, the pop-ups' rows and the state the controls
// are in before the window's Open event.
#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "control/QV_Toolbar.h"
#include "control/wMain.h"
#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image_well.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/separator.h"
#include "framework/controls/slider.h"
#include "framework/controls/static_text.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "main_window_fixture.h"
#include "patterns/cPatternCanvas.h"
#include "text/localization.h"

namespace {

using IsA = bool (*)(const fw::Control&);
template <class T>
bool Is(const fw::Control& c) {
  return dynamic_cast<const T*>(&c) != nullptr;
}

// A control of the window: class, innermost container ("" for the window) and its page, and
// its bounds in window coordinates. The timer has no place.
struct Placed {
  const char* name;
  IsA is;
  const char* container;
  std::int32_t page;
  std::int32_t left, top, width, height;
};

constexpr std::int32_t kNoPlace = -2;  // a control without a place (page -1: none)

// Every control in its order of creation (the pattern labels are checked on their own below,
// here only their class and place in the order).
const Placed kControls[] = {
    {"ppMain", Is<fw::PagePanel>, "", -1, 0, 0, 400, 358},
    {"ppTestKind", Is<fw::PagePanel>, "ppMain", 0, 160, 20, 232, 190},
    {"pbRun", Is<fw::PushButton>, "ppMain", 0, 260, 318, 120, 20},
    {"gbPreview", Is<fw::GroupBox>, "ppMain", 0, 15, 12, 133, 124},
    {"cvPattern", Is<cPatternCanvas>, "gbPreview", -1, 21, 31, 121, 97},
    {"tiRefresh", Is<fw::Timer>, "", kNoPlace, 0, 0, 0, 0},
    {"cbAllTests", Is<fw::CheckBox>, "ppMain", 0, 22, 165, 130, 20},
    {"stEscCancels", Is<fw::StaticText>, "ppMain", 0, 50, 182, 100, 16},
    {"cbShowHelp", Is<fw::CheckBox>, "ppMain", 0, 22, 145, 130, 20},
    {"pmMonitor", Is<fw::PopupMenu>, "ppMain", 0, 127, 257, 50, 20},
    {"slGeometry", Is<fw::Slider>, "ppTestKind", 1, 170, 24, 16, 180},
    {"stGeoMargins", Is<fw::StaticText>, "ppTestKind", 1, 195, 45, 120, 20},
    {"stGeoConvergency", Is<fw::StaticText>, "ppTestKind", 1, 195, 65, 120, 20},
    {"stGeoResolution1", Is<fw::StaticText>, "ppTestKind", 1, 195, 85, 120, 20},
    {"stGeoPumpEffect", Is<fw::StaticText>, "ppTestKind", 1, 195, 125, 120, 20},
    {"stGeoPhase", Is<fw::StaticText>, "ppTestKind", 1, 195, 145, 120, 20},
    {"stGeoTracing", Is<fw::StaticText>, "ppTestKind", 1, 195, 165, 110, 20},
    {"stGeoGeometry", Is<fw::StaticText>, "ppTestKind", 1, 195, 25, 120, 20},
    {"slMatching", Is<fw::Slider>, "ppTestKind", 2, 170, 24, 16, 180},
    {"stMatchGray25", Is<fw::StaticText>, "ppTestKind", 2, 195, 45, 120, 20},
    {"stMatchGray50", Is<fw::StaticText>, "ppTestKind", 2, 195, 65, 120, 20},
    {"stMatchGray75", Is<fw::StaticText>, "ppTestKind", 2, 195, 85, 120, 20},
    {"stMatchBlack", Is<fw::StaticText>, "ppTestKind", 2, 195, 105, 120, 20},
    {"stMatchGrayGraduations", Is<fw::StaticText>, "ppTestKind", 2, 195, 125, 120, 20},
    {"stMatchRedGraduations", Is<fw::StaticText>, "ppTestKind", 2, 195, 145, 120, 20},
    {"stMatchWhite", Is<fw::StaticText>, "ppTestKind", 2, 195, 25, 120, 20},
    {"slColor", Is<fw::Slider>, "ppTestKind", 0, 170, 24, 16, 140},
    {"stColBlack", Is<fw::StaticText>, "ppTestKind", 0, 195, 45, 120, 20},
    {"stColRed", Is<fw::StaticText>, "ppTestKind", 0, 195, 65, 120, 20},
    {"stColGreen", Is<fw::StaticText>, "ppTestKind", 0, 195, 85, 120, 20},
    {"stColBlue", Is<fw::StaticText>, "ppTestKind", 0, 195, 105, 120, 20},
    {"stColGrayShades", Is<fw::StaticText>, "ppTestKind", 0, 195, 125, 120, 20},
    {"stColColorShades", Is<fw::StaticText>, "ppTestKind", 0, 195, 145, 120, 20},
    {"stColWhite", Is<fw::StaticText>, "ppTestKind", 0, 195, 25, 120, 20},
    {"stMatchGreenGraduations", Is<fw::StaticText>, "ppTestKind", 2, 195, 165, 120, 20},
    {"stMatchBlueGraduations", Is<fw::StaticText>, "ppTestKind", 2, 195, 185, 120, 20},
    {"iwAbout", Is<fw::ImageWell>, "ppMain", 2, 15, 13, 370, 300},
    {"pbVelostra", Is<fw::PushButton>, "ppMain", 2, 15, 325, 140, 20},
    {"stVersion", Is<fw::StaticText>, "iwAbout", -1, 198, 282, 106, 16},
    {"cbAllMonitors", Is<fw::CheckBox>, "ppMain", 0, 22, 231, 182, 18},
    {"stGeoInvTracing", Is<fw::StaticText>, "ppTestKind", 1, 195, 185, 120, 20},
    {"Separator1", Is<fw::Separator>, "ppMain", 0, 15, 215, 370, 4},
    {"stCheck", Is<fw::StaticText>, "ppMain", 0, 22, 257, 100, 20},
    {"stMonitorInfo", Is<fw::StaticText>, "ppMain", 0, 22, 287, 316, 12},
    {"stVideoSmpteColAnalog", Is<fw::StaticText>, "ppTestKind", 3, 195, 25, 160, 20},
    {"slVideo", Is<fw::Slider>, "ppTestKind", 3, 170, 24, 16, 60},
    {"stVideoSmpteColDigital", Is<fw::StaticText>, "ppTestKind", 3, 195, 45, 160, 20},
    {"stVideoOverscan", Is<fw::StaticText>, "ppTestKind", 3, 195, 65, 110, 20},
    {"MyToolbar", Is<QV_Toolbar>, "", -1, 0, 370, 400, 60},
    {"pmOverscan", Is<fw::PopupMenu>, "ppTestKind", 3, 310, 66, 70, 20},
    {"stGeoResolution2", Is<fw::StaticText>, "ppTestKind", 1, 195, 105, 120, 20},
    {"pmFontSize", Is<fw::PopupMenu>, "ppTestKind", 1, 316, 106, 64, 20},
    {"cbSound", Is<fw::CheckBox>, "ppTestKind", 1, 316, 165, 64, 20},
};

void PrintTo(const Placed& p, std::ostream* out) { *out << p.name; }

class ControlPlace : public MainWindowTest, public testing::WithParamInterface<Placed> {};

// A pattern label: its group's page, its row, its text and help tag.
struct LabelRow {
  const char* name;
  std::int32_t page, row;
  fw::String (*text)();
  fw::String (*help)();
};

using namespace Localization;
const LabelRow kLabels[] = {
    {"stColWhite", 0, 0, White, HtColWhite},
    {"stColBlack", 0, 1, Black, HtColBlack},
    {"stColRed", 0, 2, Red, HtColRed},
    {"stColGreen", 0, 3, Green, HtColGreen},
    {"stColBlue", 0, 4, Blue, HtColBlue},
    {"stColGrayShades", 0, 5, GrayShades, HtColGrayShades},
    {"stColColorShades", 0, 6, ColorShades, HtColColorShades},
    {"stGeoGeometry", 1, 0, Geometry, HtGeoGeometry},
    {"stGeoMargins", 1, 1, Margins, HtGeoMargins},
    {"stGeoConvergency", 1, 2, Convergency, HtGeoConvergency},
    {"stGeoResolution1", 1, 3, Resolution1, HtGeoResolution1},
    {"stGeoResolution2", 1, 4, Resolution2, HtGeoResolution2},
    {"stGeoPumpEffect", 1, 5, PumpEffect, HtGeoPumpEffect},
    {"stGeoPhase", 1, 6, ClockPhase, HtGeoClockPhase},
    {"stGeoTracing", 1, 7, Tracing, HtGeoTracing},
    {"stGeoInvTracing", 1, 8, InvTracing, HtGeoInvTracing},
    {"stMatchWhite", 2, 0, White, HtMatching},
    {"stMatchGray25", 2, 1, Gray25, HtMatching},
    {"stMatchGray50", 2, 2, Gray50, HtMatching},
    {"stMatchGray75", 2, 3, Gray75, HtMatching},
    {"stMatchBlack", 2, 4, Black, HtMatching},
    {"stMatchGrayGraduations", 2, 5, GrayGraduations, HtMatching},
    {"stMatchRedGraduations", 2, 6, RedGraduations, HtMatching},
    {"stMatchGreenGraduations", 2, 7, GreenGraduations, HtMatching},
    {"stMatchBlueGraduations", 2, 8, BlueGraduations, HtMatching},
    {"stVideoSmpteColAnalog", 3, 0, SmpteColorsAnalog, HtVideoSmpteColAnalog},
    {"stVideoSmpteColDigital", 3, 1, SmpteColorsDigital, HtVideoSmpteColDigital},
    {"stVideoOverscan", 3, 2, OverscanCheck, HtVideoOverscanCheck},
};

void PrintTo(const LabelRow& r, std::ostream* out) { *out << r.name; }

class PatternLabel : public MainWindowTest, public testing::WithParamInterface<LabelRow> {};

template <class T>
fw::Ref<T> Get(const std::string& name) {
  return wMain().Find<T>(name);
}

std::string ContainerName(const fw::RectControl& c) { return c.Container() ? c.Container()->Name : ""; }

std::vector<std::string> Rows(const fw::PopupMenu& menu) {
  std::vector<std::string> rows;
  for (std::int32_t i = 0; i < menu.ListCount(); ++i) rows.push_back(menu.List(i));
  return rows;
}

}  // namespace

TEST_F(MainWindowTest, TheWindowIs400By359NotResizeableAndTitledQuarvel) {
  EXPECT_EQ(wMain().Title(), "Quarvel");
  EXPECT_EQ(wMain().Width(), 400);
  EXPECT_EQ(wMain().Height(), 359);
  EXPECT_FALSE(wMain().Resizeable());
  EXPECT_EQ(wMain().Widget()->minimumSize(), wMain().Widget()->maximumSize()) << "the desktop offers no resizing";
  EXPECT_TRUE(wMain().CloseButton());
  EXPECT_TRUE(wMain().MinimizeButton());
  EXPECT_FALSE(wMain().Widget()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(wMain().FullScreen());
  EXPECT_TRUE(wMain().MenuBarVisible());
  EXPECT_TRUE(wMain().Visible());
}

TEST_P(ControlPlace, HasItsClassContainerPageAndBounds) {
  const Placed& p = GetParam();
  const fw::Ref<fw::Control> control = wMain().FindControl(p.name);
  ASSERT_TRUE(control) << p.name;
  EXPECT_TRUE(p.is(*control));
  if (p.page == kNoPlace) {
    EXPECT_EQ(dynamic_cast<fw::RectControl*>(control.get()), nullptr);
    return;
  }
  const auto& rect = dynamic_cast<const fw::RectControl&>(*control);
  EXPECT_EQ(ContainerName(rect), p.container);
  EXPECT_EQ(rect.Page(), p.page);
  EXPECT_EQ(rect.Left(), p.left);
  EXPECT_EQ(rect.Top(), p.top);
  // A box too narrow for this platform's font grows to the right just as far as its text needs.
  const auto* text = dynamic_cast<const fw::TextControl*>(&rect);
  if (text && rect.Width() > p.width) EXPECT_EQ(rect.Width(), text->NeededWidth());
  else EXPECT_EQ(rect.Width(), p.width);
  EXPECT_EQ(rect.Height(), p.height);
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPlace, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<Placed>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TheWindowHoldsExactlyTheControlsOfTheLayoutInTheirOrderOfCreation) {
  std::vector<std::string> made, expected;
  for (const auto& c : wMain().Controls()) made.push_back(c->Name);
  for (const Placed& p : kControls) expected.push_back(p.name);
  EXPECT_EQ(made, expected);
}

TEST_F(MainWindowTest, OnlyTheToolbarStandsOutsideThePagesAndPageOneIsEmpty) {
  for (const auto& c : wMain().Controls()) {
    const auto* rect = dynamic_cast<const fw::RectControl*>(c.get());
    if (!rect || c->Name == "ppMain") continue;
    if (c->Name == "MyToolbar") {
      EXPECT_EQ(rect->Container(), nullptr);
      continue;
    }
    // Up the chain every control reaches ppMain, and never its page 1.
    const fw::RectControl* at = rect;
    while (at->Container() && at->Container()->Name != "ppMain") at = at->Container();
    ASSERT_NE(at->Container(), nullptr) << c->Name;
    EXPECT_NE(at->Page(), 1) << c->Name;
  }
}

TEST_F(MainWindowTest, OnlyThePreviewBoxIsLockedAndOnlyToTheLeft) {
  for (const auto& c : wMain().Controls()) {
    const auto* rect = dynamic_cast<const fw::RectControl*>(c.get());
    if (!rect) continue;
    EXPECT_EQ(rect->LockLeft, c->Name == "gbPreview") << c->Name;
    EXPECT_FALSE(rect->LockTop || rect->LockRight || rect->LockBottom) << c->Name;
  }
}

TEST_P(PatternLabel, StandsInItsRowWithItsTextAndHelpTag) {
  const LabelRow& r = GetParam();
  const fw::Ref<fw::StaticText> label = Get<fw::StaticText>(r.name);
  EXPECT_EQ(ContainerName(*label), "ppTestKind");
  EXPECT_EQ(label->Page(), r.page);
  EXPECT_EQ(label->Left(), 195);
  EXPECT_EQ(label->Top(), 25 + 20 * r.row);
  EXPECT_EQ(label->Height(), 20);
  EXPECT_EQ(label->Text(), r.text());
  EXPECT_EQ(label->HelpTag(), r.help());
  EXPECT_FALSE(label->HelpTag().empty());
  EXPECT_TRUE(label->Enabled());
  EXPECT_TRUE(label->Visible());
  EXPECT_TRUE(label->MouseDown);
  EXPECT_EQ(label->TextAlign(), 0);
}

INSTANTIATE_TEST_SUITE_P(Labels, PatternLabel, testing::ValuesIn(kLabels),
                         [](const testing::TestParamInfo<LabelRow>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TheNineMatchingLabelsShareOneHelpTagAndEveryOtherLabelHasItsOwn) {
  std::map<std::string, std::vector<std::string>> byTag;
  for (const LabelRow& r : kLabels) byTag[Get<fw::StaticText>(r.name)->HelpTag()].push_back(r.name);
  ASSERT_EQ(byTag.size(), 28u - 9u + 1u);
  for (const auto& [tag, labels] : byTag) {
    if (tag == HtMatching()) EXPECT_EQ(labels.size(), 9u);
    else EXPECT_EQ(labels.size(), 1u) << labels.front() << " shares its help tag";
  }
}

TEST_F(MainWindowTest, EachSliderHasARowPerLabelOfItsGroup) {
  struct {
    const char* name;
    std::int32_t maximum, height;
  } const sliders[] = {{"slColor", 6, 140}, {"slGeometry", 8, 180}, {"slMatching", 8, 180}, {"slVideo", 2, 60}};
  for (const auto& s : sliders) {
    SCOPED_TRACE(s.name);
    const fw::Ref<fw::Slider> slider = Get<fw::Slider>(s.name);
    EXPECT_EQ(slider->Minimum(), 0);
    EXPECT_EQ(slider->Maximum(), s.maximum);
    EXPECT_EQ(slider->Height(), s.height);
    EXPECT_EQ(slider->Height(), 20 * (s.maximum + 1));
    EXPECT_EQ(slider->LineStep(), 1);
    EXPECT_EQ(slider->PageStep(), 1);
    EXPECT_TRUE(slider->LiveScroll());
    EXPECT_EQ(slider->Value(), 0);
  }
}

TEST_F(MainWindowTest, ThePopUpsHaveTheirFixedRows) {
  EXPECT_EQ(Rows(*Get<fw::PopupMenu>("pmFontSize")),
            (std::vector<std::string>{"8 pt.", "9 pt.", "10 pt.", "11 pt.", "12 pt.", "13 pt.", "14 pt.", "18 pt.",
                                      "24 pt.", "36 pt."}));
  EXPECT_EQ(Rows(*Get<fw::PopupMenu>("pmOverscan")), (std::vector<std::string>{Percent(), Pixels()}));
  EXPECT_EQ(Get<fw::PopupMenu>("pmOverscan")->TextSize(), 10);
  EXPECT_EQ(Get<fw::PopupMenu>("pmFontSize")->TextSize(), 10);
}

TEST_F(MainWindowTest, CaptionsHelpTagsAndTheFixedProperties) {
  EXPECT_EQ(Get<fw::PushButton>("pbRun")->Caption(), Localization::Test());
  EXPECT_TRUE(Get<fw::PushButton>("pbRun")->Default());
  EXPECT_FALSE(Get<fw::PushButton>("pbVelostra")->Default());
  const std::string site = Get<fw::PushButton>("pbVelostra")->Caption();
  ASSERT_GT(site.size(), 3u);
  EXPECT_EQ(site.substr(site.size() - 3), "\xE2\x80\xA6") << "the address and an ellipsis";
  EXPECT_EQ(Get<fw::GroupBox>("gbPreview")->Caption(), Preview());
  EXPECT_EQ(Get<fw::GroupBox>("gbPreview")->TextSize(), 10);
  EXPECT_EQ(Get<fw::CheckBox>("cbAllTests")->Caption(), AllTests());
  EXPECT_EQ(Get<fw::CheckBox>("cbAllTests")->HelpTag(), htAllTests());
  EXPECT_EQ(Get<fw::CheckBox>("cbShowHelp")->Caption(), ShowHelp());
  EXPECT_EQ(Get<fw::CheckBox>("cbShowHelp")->HelpTag(), htShowHelp());
  EXPECT_EQ(Get<fw::CheckBox>("cbAllMonitors")->Caption(), AllMonitors());
  EXPECT_EQ(Get<fw::CheckBox>("cbAllMonitors")->HelpTag(), HtAllMonitors());
  EXPECT_EQ(Get<fw::CheckBox>("cbSound")->Caption(), Sound());
  EXPECT_EQ(Get<fw::PopupMenu>("pmMonitor")->HelpTag(), htMonitor());
  EXPECT_EQ(Get<fw::StaticText>("stEscCancels")->Text(), EscCancels());
  EXPECT_EQ(Get<fw::StaticText>("stEscCancels")->TextSize(), 10);
  EXPECT_EQ(Get<fw::StaticText>("stCheck")->Text(), CheckMonitor());
  EXPECT_EQ(Get<fw::StaticText>("stMonitorInfo")->TextSize(), 10);
  EXPECT_EQ(Get<fw::StaticText>("stVersion")->TextSize(), 10);
  EXPECT_EQ(Get<fw::Timer>("tiRefresh")->Period(), 17);
  EXPECT_EQ(Get<fw::PagePanel>("ppMain")->PanelCount(), 3);
  EXPECT_EQ(Get<fw::PagePanel>("ppTestKind")->PanelCount(), 4);

  const fw::Ref<cPatternCanvas> preview = Get<cPatternCanvas>("cvPattern");
  EXPECT_TRUE(preview->Small);
  EXPECT_TRUE(preview->ClickToStop);
  EXPECT_EQ(preview->SurfaceLeft, 21);
  EXPECT_EQ(preview->SurfaceTop, 32);
  EXPECT_EQ(preview->SurfaceWidth, 121);
  EXPECT_EQ(preview->SurfaceHeight, 97);
}

// Every control that the program looks up by name, with the class it asks for.
TEST_F(MainWindowTest, EveryControlTheProgramFindsByNameIsThereWithTheClassItAsksFor) {
  const struct {
    const char* name;
    IsA is;
  } lookups[] = {
      {"cvPattern", Is<cPatternCanvas>},  {"ppMain", Is<fw::PagePanel>},        {"ppTestKind", Is<fw::PagePanel>},
      {"tiRefresh", Is<fw::Timer>},       {"MyToolbar", Is<QV_Toolbar>},        {"cbAllMonitors", Is<fw::CheckBox>},
      {"cbAllTests", Is<fw::CheckBox>},   {"cbShowHelp", Is<fw::CheckBox>},     {"cbSound", Is<fw::CheckBox>},
      {"pmFontSize", Is<fw::PopupMenu>},  {"pmOverscan", Is<fw::PopupMenu>},    {"pmMonitor", Is<fw::PopupMenu>},
      {"stMonitorInfo", Is<fw::StaticText>}, {"stVersion", Is<fw::StaticText>}, {"slColor", Is<fw::Slider>},
      {"slGeometry", Is<fw::Slider>},     {"slMatching", Is<fw::Slider>},       {"slVideo", Is<fw::Slider>},
  };
  for (const auto& l : lookups) {
    const fw::Ref<fw::Control> control = wMain().FindControl(l.name);
    ASSERT_TRUE(control) << l.name;
    EXPECT_TRUE(l.is(*control)) << l.name;
  }
}

TEST_F(MainWindowTest, TheMonitorLineStaysDimmedAndEverythingElseIsEnabledAndVisible) {
  for (const auto& c : wMain().Controls()) {
    const auto* rect = dynamic_cast<const fw::RectControl*>(c.get());
    if (!rect) continue;
    EXPECT_TRUE(rect->Visible()) << c->Name;
    // With a single screen the box for all monitors is switched off by the start-up.
    if (c->Name != "cbAllMonitors") {
      EXPECT_EQ(rect->Enabled(), c->Name != "stMonitorInfo") << c->Name;
    }
  }
  ASSERT_EQ(fw::ScreenCount(), 1);
  wMain().Find<fw::PopupMenu>("pmMonitor")->ListIndex(0);
  wMain().UpdateMonitorInfo(0);
  EXPECT_FALSE(Get<fw::StaticText>("stMonitorInfo")->Enabled());
  EXPECT_NE(Get<fw::StaticText>("stMonitorInfo")->Text(), "-");
}

// ---- Before the Open event ---------------------------------------------------------------

namespace {

// A second main window that notes the state of its controls right after they are made, before
// their Open events and the window's own, and then opens no further.
class FreshMain : public wMain {
public:
  std::vector<std::string> made;

protected:
  void CreateControls() override {
    wMain::CreateControls();
    const auto box = [this](const char* n) { return Find<fw::CheckBox>(n)->Value() ? "on" : "off"; };
    const auto page = [this](const char* n) { return fw::Str(Find<fw::PagePanel>(n)->Value()); };
    const auto slider = [this](const char* n) { return fw::Str(Find<fw::Slider>(n)->Value()); };
    const auto rows = [this](const char* n) {
      const fw::Ref<fw::PopupMenu> m = Find<fw::PopupMenu>(n);
      return fw::Str(m->ListCount()) + " rows at " + fw::Str(m->ListIndex());
    };
    const fw::Ref<fw::StaticText> info = Find<fw::StaticText>("stMonitorInfo");
    made = {"title " + Title(),
            std::string("ppMain ") + page("ppMain"),
            std::string("ppTestKind ") + page("ppTestKind"),
            "sliders " + slider("slColor") + slider("slGeometry") + slider("slMatching") + slider("slVideo"),
            std::string("cbAllTests ") + box("cbAllTests"),
            std::string("cbShowHelp ") + box("cbShowHelp"),
            std::string("cbAllMonitors ") + box("cbAllMonitors"),
            std::string("cbSound ") + box("cbSound"),
            "pmMonitor " + fw::Str(Find<fw::PopupMenu>("pmMonitor")->ListCount()) + " rows",
            "pmOverscan " + rows("pmOverscan"),
            "pmFontSize " + rows("pmFontSize"),
            "stMonitorInfo " + info->Text() + (info->Enabled() ? " enabled" : " dimmed"),
            "stVersion " + Find<fw::StaticText>("stVersion")->Text(),
            "tiRefresh " + fw::Str(Find<fw::Timer>("tiRefresh")->Mode()),
            std::string("cbAllMonitors ") + (Find<fw::CheckBox>("cbAllMonitors")->Enabled() ? "enabled" : "disabled")};
  }
  void Event_Open() override {}
};

}  // namespace

TEST_F(MainWindowTest, TheControlsAsTheyAreMadeBeforeAnyOpenEvent) {
  const fw::Ref<FreshMain> fresh = fw::NewWindow<FreshMain>();
  fresh->Hide();
  EXPECT_EQ(fresh->made, (std::vector<std::string>{"title Quarvel", "ppMain 0", "ppTestKind 0", "sliders 0000",
                                                   "cbAllTests off", "cbShowHelp off", "cbAllMonitors off",
                                                   "cbSound on", "pmMonitor 0 rows", "pmOverscan 2 rows at 0",
                                                   "pmFontSize 10 rows at 0", "stMonitorInfo - dimmed",
                                                   "stVersion Label:", "tiRefresh 0", "cbAllMonitors enabled"}));
  // Its controls' own Open events have run since: the monitor rows and the version line.
  EXPECT_EQ(Rows(*fresh->Find<fw::PopupMenu>("pmMonitor")), std::vector<std::string>{"1"});
  EXPECT_EQ(fresh->Find<fw::PopupMenu>("pmMonitor")->ListIndex(), 0);
  EXPECT_FALSE(fresh->AllMonitorsSync);
}
