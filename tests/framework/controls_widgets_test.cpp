// What the simpler controls show and report: labels, text fields, canvases, image wells,
// fonts, and how controls follow the window's size by their edge locks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "framework/controls/canvas.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/image_well.h"
#include "framework/controls/static_text.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/strings.h"
#include "support/picture_art.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

struct LockCase {
  const char* name;
  bool left, top, right, bottom;
  std::int32_t l, t, w, h;  // after the window grows by 50 x 30
};

class EdgeLocks : public testing::TestWithParam<LockCase> {};

TEST_P(EdgeLocks, FollowTheWindowsResize) {
  const LockCase& c = GetParam();
  auto w = MakeControlsWindow(300, 200);
  auto box = w->Add<CheckBox>("cb", 10, 20, 100, 40);
  box->LockLeft = c.left;
  box->LockTop = c.top;
  box->LockRight = c.right;
  box->LockBottom = c.bottom;
  w->Show();
  w->Width(350);
  w->Height(230);
  EXPECT_EQ(w->Width(), 350);
  EXPECT_EQ(w->Height(), 230);
  EXPECT_EQ(box->Left(), c.l);
  EXPECT_EQ(box->Top(), c.t);
  EXPECT_EQ(box->Width(), c.w);
  EXPECT_EQ(box->Height(), c.h);
  EXPECT_EQ(box->Widget()->geometry(), QRect(c.l, c.t, c.w, c.h));
}

INSTANTIATE_TEST_SUITE_P(Controls, EdgeLocks,
                         testing::Values(LockCase{"None", false, false, false, false, 10, 20, 100, 40},
                                         LockCase{"LeftTop", true, true, false, false, 10, 20, 100, 40},
                                         LockCase{"Right", false, true, true, false, 60, 20, 100, 40},
                                         LockCase{"LeftRight", true, true, true, false, 10, 20, 150, 40},
                                         LockCase{"Bottom", true, false, false, true, 10, 50, 100, 40},
                                         LockCase{"TopBottom", true, true, false, true, 10, 20, 100, 70},
                                         LockCase{"All", true, true, true, true, 10, 20, 150, 70}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EdgeLocksOfAHiddenWindow, FollowOnceWhetherOrNotItIsShown) {
  // As the explanation window: laid out 296 high, made taller while hidden, shown later.
  auto w = MakeControlsWindow(270, 296);
  w->Resizeable(false);
  auto field = w->Add<EditField>("stText", 16, 46, 250, 246);
  field->LockBottom = true;
  w->Height(385);
  EXPECT_EQ(field->Height(), 335);
  w->Show();
  EXPECT_EQ(w->Height(), 385);
  EXPECT_EQ(field->Height(), 335) << "showing does not apply the change again";
  EXPECT_EQ(field->Widget()->height(), 335);
}

TEST(StaticText, MouseDownGetsThePointInTheLabel) {
  auto w = MakeControlsWindow();
  auto label = w->Add<StaticText>("stColRed", 195, 65, 120, 20);
  std::vector<std::pair<int, int>> downs;
  label->MouseDown = [&](std::int32_t x, std::int32_t y) {
    downs.emplace_back(x, y);
    return false;
  };
  w->Show();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(7, 4), label->Widget()->mapToGlobal(QPointF(7, 4)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(label->Widget(), &press);
  EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{7, 4}}));
  EXPECT_TRUE(press.isAccepted()) << "the click stays with the label";
  EXPECT_EQ(w->mouseDowns, 0) << "nor does it reach the window";
}

TEST(StaticText, PlainTextDimmedWhileDisabled) {
  auto w = MakeControlsWindow();
  auto label = w->Add<StaticText>("stMonitorInfo", 0, 0, 200, 16);
  label->Text("<b>1024</b> & more");
  auto& qt = *static_cast<QLabel*>(label->Widget());
  EXPECT_EQ(qt.textFormat(), Qt::PlainText) << "no markup is read into a label";
  EXPECT_EQ(qt.text(), "<b>1024</b> & more");
  const QColor enabled = qt.palette().color(QPalette::Active, QPalette::WindowText);
  label->Enabled(false);
  EXPECT_EQ(enabled, QColor(0, 0, 0));
  EXPECT_NE(qt.palette().color(QPalette::Disabled, QPalette::WindowText), enabled);
  label->Caption("V. 1.0");
  EXPECT_EQ(label->Text(), "V. 1.0");
}

TEST(Fonts, SizesArePixels) {
  auto w = MakeControlsWindow();
  auto label = w->Add<StaticText>("st", 0, 0, 100, 20);
  EXPECT_EQ(label->Widget()->font().pixelSize(), 12) << "the default size";
  label->TextSize(10);
  label->Bold(true);
  EXPECT_EQ(label->Widget()->font().pixelSize(), 10);
  EXPECT_TRUE(label->Widget()->font().bold());
  EXPECT_EQ(label->Widget()->font().family(), QApplication::font().family()) << "\"System\" is the UI font";
}

TEST(EditField, CarriageReturnsSeparateLinesAndTheTopCanBeShownAgain) {
  auto w = MakeControlsWindow();
  auto field = w->Add<EditField>("stText", 16, 46, 250, 60);
  field->ReadOnly(true);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + Str(i) + Chr(13);
  field->Text(text + "last");
  auto& qt = *static_cast<QPlainTextEdit*>(field->Widget());
  EXPECT_EQ(qt.document()->blockCount(), 41);
  EXPECT_EQ(field->Text(), text + "last");
  w->Show();
  qt.verticalScrollBar()->setValue(10);
  EXPECT_EQ(field->ScrollPosition(), 10);
  field->Text(text + "last");  // unchanged: the reader's place stays
  EXPECT_EQ(field->ScrollPosition(), 10);
  field->ScrollPosition(0);
  EXPECT_EQ(qt.verticalScrollBar()->value(), 0);
}

TEST(Canvas, PaintDrawsOverTheBackdropEachTimeAfresh) {
  auto w = MakeControlsWindow();
  auto canvas = w->Add<Canvas>("cvTitel", 0, 0, 6, 3);
  auto backdrop = NewPicture(6, 3, 32);
  backdrop->Graphics()->ForeColor(RGB(0, 0, 0));
  backdrop->Graphics()->FillRect(0, 0, 2, 3);
  canvas->Backdrop(backdrop);
  int paints = 0;
  canvas->Paint = [&](Graphics& g) {
    ++paints;
    EXPECT_EQ(g.ForeColor(), Color(0x000000)) << "a fresh pen each time";
    g.ForeColor(RGB(0, 0, 0));
    g.FillRect(4, 1, 1, 1);
  };
  Ref<Picture> shown = canvas->Render();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(testsupport::MatchesArt(*shown, Color(0x000000), R"(
    ##....
    ##..#.
    ##....)"));
  canvas->Render();
  EXPECT_EQ(paints, 2);
}

TEST(ImageWell, ShowsItsImageCentred) {
  auto w = MakeControlsWindow();
  auto well = w->Add<ImageWell>("iwAbout", 0, 0, 10, 6);
  auto image = NewPicture(4, 2, 32);
  image->Graphics()->ForeColor(RGB(0, 0, 255));
  image->Graphics()->FillRect(0, 0, 4, 2);
  well->Image(image);
  w->Show();
  const QImage shown = well->Widget()->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(3, 2)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(shown.pixel(6, 3)), QColor(0, 0, 255));
  EXPECT_NE(QColor(shown.pixel(2, 2)), QColor(0, 0, 255));
  EXPECT_NE(QColor(shown.pixel(7, 2)), QColor(0, 0, 255));
  EXPECT_NE(QColor(shown.pixel(3, 1)), QColor(0, 0, 255));
}

}  // namespace
