// The toolbar: its items in order, Action passing the clicked item, and its place above the
// window's content.
#include <gtest/gtest.h>

#include <QAction>
#include <QToolBar>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/toolbar.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

Ref<ToolButton> Button(const std::string& name, std::int32_t style = ToolButton::kButton) {
  auto b = New<ToolButton>();
  b->Name = name;
  b->Style(style);
  b->Caption(name);
  return b;
}

class ToolbarTest : public testing::Test {
protected:
  void SetUp() override {
    w = MakeControlsWindow(400, 359);
    w->Resizeable(false);
    bar = New<Toolbar>();
    bar->Name = "MyToolbar";
    for (const char* name : {"tbColors", "tbGeometry"}) bar->Append(Button(name));
    bar->Append(Button("tbSeparator1", ToolButton::kSeparator));
    bar->Append(Button("tbHelp"));
    w->AddControl(bar);
    bar->SetBounds(0, 370, 400, 60);
    bar->Action = [&](ToolItem& item) { clicked.push_back(item.Name); };
    w->Show();
  }

  void Click(std::int32_t index) { bar->ActionOf(*bar->Item(index))->trigger(); }

  Ref<ControlsWindow> w;
  Ref<Toolbar> bar;
  std::vector<std::string> clicked;
};

TEST_F(ToolbarTest, ActionPassesTheClickedItem) {
  Click(3);
  Click(0);
  EXPECT_EQ(clicked, (std::vector<std::string>{"tbHelp", "tbColors"}));
  EXPECT_EQ(bar->Item(3)->Name, "tbHelp");
  EXPECT_THROW(bar->Item(4), OutOfBoundsException);
  EXPECT_THROW(bar->Item(-1), OutOfBoundsException);
}

TEST_F(ToolbarTest, ItemsShowInOrderAndFollowTheirChanges) {
  const QList<QAction*> actions = bar->Bar()->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_EQ(actions[0]->text(), "tbColors");
  EXPECT_TRUE(actions[2]->isSeparator());
  bar->Item(3)->Enabled(false);
  EXPECT_FALSE(actions[3]->isEnabled());
  bar->Item(3)->Enabled(true);
  EXPECT_TRUE(actions[3]->isEnabled());

  auto help = RefCast<ToolButton>(bar->Item(3));
  help->Caption("A & B");
  EXPECT_EQ(actions[3]->text(), "A && B") << "an ampersand is shown, not taken as a shortcut mark";
  help->HelpTag("tip");
  EXPECT_EQ(actions[3]->toolTip(), "tip");

  bar->Insert(1, Button("tbNew"));
  bar->Remove(0);
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < bar->Count(); ++i) names.push_back(bar->Item(i)->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"tbNew", "tbGeometry", "tbSeparator1", "tbHelp"}));
  ASSERT_EQ(bar->Bar()->actions().size(), 4);
  EXPECT_EQ(bar->Bar()->actions()[0]->text(), "tbNew");
}

TEST_F(ToolbarTest, IconsKeepTheirMaskAsTransparency) {
  auto picture = NewPicture(24, 24, 32);
  picture->Graphics()->ForeColor(RGB(255, 0, 0));
  picture->Graphics()->FillRect(0, 0, 24, 24);
  picture->Mask()->Graphics()->ForeColor(RGB(0, 0, 0));
  picture->Mask()->Graphics()->FillRect(0, 0, 12, 24);  // left half opaque
  RefCast<ToolButton>(bar->Item(0))->Icon(picture);
  const QImage icon = bar->ActionOf(*bar->Item(0))->icon().pixmap(24, 24).toImage();
  EXPECT_EQ(qAlpha(icon.pixel(3, 10)), 255);
  EXPECT_EQ(qRed(icon.pixel(3, 10)), 255);
  EXPECT_EQ(qAlpha(icon.pixel(20, 10)), 0);
  EXPECT_EQ(bar->Bar()->iconSize(), QSize(24, 24));
}

TEST_F(ToolbarTest, StandsAboveTheContentWhichKeepsItsSize) {
  // The content area is the window's size; the toolbar comes on top of it, so the window's
  // controls keep their places from the top-left of the content.
  EXPECT_EQ(w->Width(), 400);
  EXPECT_EQ(w->Height(), 359);
  EXPECT_EQ(bar->Bar()->parentWidget(), w->Widget());
  EXPECT_EQ(bar->Bar()->geometry().bottom() + 1, w->ClientArea()->geometry().top());
  EXPECT_EQ(w->Widget()->height(), 359 + bar->Bar()->height());
  EXPECT_EQ(bar->Top(), 370) << "the layout's bounds are kept, not applied";
}

TEST_F(ToolbarTest, AnItemCanGoWhileItsOwnClickIsHandled) {
  bar->Action = [&](ToolItem& item) {
    bar->Remove(0);
    clicked.push_back(item.Name);  // still there while its click is handled
  };
  Click(0);
  EXPECT_EQ(clicked, std::vector<std::string>{"tbColors"});
  EXPECT_EQ(bar->Count(), 3);
}

TEST(Toolbar, ItemsAndToolbarOutliveTheWindow) {
  Ref<Toolbar> bar = New<Toolbar>();
  Ref<ToolButton> item = Button("tbInfo");
  bar->Append(item);
  {
    auto w = MakeControlsWindow();
    w->AddControl(bar);
  }
  item->Caption("Info");
  EXPECT_EQ(bar->ActionOf(*item)->text(), "Info");
  bar.Reset();
  item->Enabled(false);  // no toolbar to show it on any more
  EXPECT_FALSE(item->Enabled());
}

}  // namespace
