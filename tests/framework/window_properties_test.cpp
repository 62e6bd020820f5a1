// What a window's own properties tell the desktop (its title-bar buttons and its size limits),
// and texts fitted to their boxes.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "framework/controls/static_text.h"
#include "framework/toolbar.h"

namespace {

struct Buttons {
  const char* name;
  bool close, minimize, maximize;
};

class TitleBarButtons : public testing::TestWithParam<Buttons> {};

}  // namespace

TEST_P(TitleBarButtons, ShowExactlyTheOnesNamed) {
  const Buttons& b = GetParam();
  auto w = MakeControlsWindow();
  w->CloseButton(b.close);
  w->MinimizeButton(b.minimize);
  w->MaximizeButton(b.maximize);
  for (bool attached : {false, true}) {
    if (attached) {
      auto parent = MakeControlsWindow();
      parent->Show();
      w->ShowWithin(*parent, 2);
    }
    const Qt::WindowFlags flags = w->Widget()->windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), b.close) << attached;
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), b.minimize) << attached;
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), b.maximize) << attached;
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint)) << attached;
  }
}

INSTANTIATE_TEST_SUITE_P(Windows, TitleBarButtons,
                         testing::Values(Buttons{"Document", true, true, true}, Buttons{"MainWindow", true, true, false},
                                         Buttons{"Explanation", false, true, false}, Buttons{"None", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowSize, NotResizeableTheDesktopIsToldOneSizeWithTheToolbarOnTop) {
  auto w = MakeControlsWindow();
  auto bar = w->Add<fw::Toolbar>("MyToolbar", 0, 370, 400, 60);
  auto button = fw::New<fw::ToolButton>();
  button->Caption("Colors");
  bar->Append(button);
  w->MinWidth(64);
  w->MaxWidth(32000);
  w->Resizeable(false);
  w->Width(400);
  w->Height(359);
  w->Show();
  QWidget* top = w->Widget();
  EXPECT_EQ(top->minimumSize(), top->maximumSize());
  EXPECT_EQ(top->minimumSize(), top->size());
  EXPECT_EQ(top->width(), 400);
  EXPECT_GT(top->height(), 359) << "the toolbar stands above the content";
  top->resize(800, 700);
  EXPECT_EQ(w->Width(), 400);
  EXPECT_EQ(w->Height(), 359);
}

TEST(WindowSize, ResizeableTheContentKeepsWithinItsLimits) {
  auto w = MakeControlsWindow(300, 300);
  w->MinWidth(64);
  w->MinHeight(80);
  w->MaxWidth(500);
  w->MaxHeight(400);
  w->Show();
  QWidget* top = w->Widget();
  top->resize(1000, 1000);
  EXPECT_EQ(w->Width(), 500);
  EXPECT_EQ(w->Height(), 400);
  top->resize(10, 10);
  EXPECT_EQ(w->Width(), 64);
  EXPECT_EQ(w->Height(), 80);
}

TEST(WindowSize, FullScreenANotResizeableWindowFillsItsScreenAndGetsItsSizeBack) {
  auto w = MakeControlsWindow(300, 300);
  w->MinWidth(64);
  w->MaxWidth(32000);
  w->Resizeable(false);
  w->FullScreen(true);
  w->Show();
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(w->Widget()->size(), screen);
  EXPECT_EQ(QSize(w->Width(), w->Height()), screen);
  w->FullScreen(false);
  EXPECT_EQ(w->Width(), 300);
  EXPECT_EQ(w->Height(), 300);
  EXPECT_EQ(w->Widget()->minimumSize(), w->Widget()->maximumSize());
}

// A text too wide for its box: the box grows to the right into its room, then the text gets
// smaller; the next text starts again from the box and the size the layout gave.
TEST(FitText, GrowsIntoItsRoomThenShrinksTheTextAndStartsAfreshForEachText) {
  auto w = MakeControlsWindow(400, 100);
  auto label = w->Add<fw::StaticText>("stLabel", 20, 10, 100, 20);
  label->FitText(150);
  struct Case {
    const char* text;
    bool grows, shrinks;
  };
  for (const Case& c : {Case{"Short", false, false}, Case{"A bit longer than 100", true, false},
                        Case{"This one needs a smaller size to fit", true, true},
                        Case{"Short again", false, false}}) {
    label->Text(c.text);
    EXPECT_EQ(label->Left(), 20) << c.text;
    EXPECT_EQ(label->Top(), 10) << c.text;
    EXPECT_EQ(label->Width(), c.shrinks ? 150 : c.grows ? label->NeededWidth() : 100) << c.text;
    EXPECT_EQ(label->TextSize() < 12 && label->TextSize() > 0, c.shrinks) << c.text << " " << label->TextSize();
    EXPECT_LE(label->NeededWidth(), label->Width()) << c.text;
  }
}
