// Page panels and containers decide which controls show, also nested.
#include <gtest/gtest.h>

#include <QWidget>

#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image_well.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/static_text.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

// The layout of the main window in small: an outer panel with a test page holding an inner
// panel and a group box, and an About page holding an image well with a label on it.
class PagesTest : public testing::Test {
protected:
  void SetUp() override {
    w = MakeControlsWindow(400, 360);
    outer = w->Add<PagePanel>("ppMain", 0, 0, 400, 358);
    outer->PanelCount(3);
    inner = w->Add<PagePanel>("ppTestKind", 160, 20, 232, 190);
    inner->PanelCount(4);
    inner->PlaceIn(*outer, 0);
    group = w->Add<GroupBox>("gbPreview", 15, 12, 133, 124);
    group->PlaceIn(*outer, 0);
    inGroup = w->Add<CheckBox>("inGroup", 21, 31, 100, 20);
    inGroup->PlaceIn(*group);
    for (int page = 0; page < 4; ++page) {
      onInner.push_back(w->Add<StaticText>("label" + std::to_string(page), 195, 25, 120, 20));
      onInner.back()->PlaceIn(*inner, page);
    }
    well = w->Add<ImageWell>("iwAbout", 15, 13, 370, 300);
    well->PlaceIn(*outer, 2);
    onWell = w->Add<StaticText>("stVersion", 198, 282, 106, 16);
    onWell->PlaceIn(*well);
    w->Show();
  }

  // Which of the watched controls show, as their widgets say.
  std::string Showing() const {
    std::string out;
    for (const auto* c : std::initializer_list<const RectControl*>{group.get(), inGroup.get(), onInner[0].get(), onInner[1].get(),
                                                                    onInner[2].get(), onInner[3].get(), well.get(), onWell.get()}) {
      EXPECT_EQ(c->Widget()->isVisible(), c->Shown()) << c->Name;
      if (c->Widget()->isVisible()) out += (out.empty() ? "" : " ") + c->Name;
    }
    return out;
  }

  Ref<ControlsWindow> w;
  Ref<PagePanel> outer, inner;
  Ref<GroupBox> group;
  Ref<CheckBox> inGroup;
  std::vector<Ref<StaticText>> onInner;
  Ref<ImageWell> well;
  Ref<StaticText> onWell;
};

TEST_F(PagesTest, OnlyTheCurrentPagesShowDownTheChain) {
  EXPECT_EQ(Showing(), "gbPreview inGroup label0");
  inner->Value(3);
  EXPECT_EQ(Showing(), "gbPreview inGroup label3");
  outer->Value(2);
  EXPECT_EQ(Showing(), "iwAbout stVersion") << "the inner panel's page hides with the outer page";
  inner->Value(1);
  EXPECT_EQ(Showing(), "iwAbout stVersion") << "a page chosen while hidden stays hidden";
  outer->Value(1);
  EXPECT_EQ(Showing(), "") << "an empty page";
  outer->Value(0);
  EXPECT_EQ(Showing(), "gbPreview inGroup label1");
}

TEST_F(PagesTest, OwnVisibleAndTheContainersBothCount) {
  group->Visible(false);
  EXPECT_EQ(Showing(), "label0") << "a hidden group box hides what is in it";
  inGroup->Visible(false);
  group->Visible(true);
  EXPECT_EQ(Showing(), "gbPreview label0") << "a control hidden by itself stays hidden";
  outer->Value(2);
  outer->Value(0);
  EXPECT_EQ(Showing(), "gbPreview label0");
}

TEST_F(PagesTest, PageNumbersOutsideThePanelAreLeftUnapplied) {
  for (std::int32_t bad : {-1, 4, 100}) inner->Value(bad);
  EXPECT_EQ(inner->Value(), 0);
  inner->Value(3);
  inner->PanelCount(2);
  EXPECT_EQ(inner->Value(), 1) << "fewer pages move the panel to its last";
  EXPECT_EQ(Showing(), "gbPreview inGroup label1");
}

TEST_F(PagesTest, AContainerCannotGoInsideItsOwnContents) {
  outer->PlaceIn(*inner, 0);
  EXPECT_EQ(outer->Container(), nullptr);
  EXPECT_EQ(Showing(), "gbPreview inGroup label0");
}

TEST(Containers, ControlsOutliveTheirContainerAndTheirWindow) {
  Ref<CheckBox> kept;
  {
    auto w = MakeControlsWindow();
    auto panel = w->Add<PagePanel>("pp", 0, 0, 100, 100);
    kept = w->Add<CheckBox>("cb", 0, 0, 50, 20);
    kept->PlaceIn(*panel, 0);
  }
  EXPECT_EQ(kept->Container(), nullptr);
  EXPECT_EQ(kept->Owner(), nullptr);
  EXPECT_EQ(kept->Widget()->parentWidget(), nullptr) << "the widget left the window's client area";
  kept->Value(true);
  kept->Visible(false);
  EXPECT_TRUE(kept->Value());
}

}  // namespace
