// Sliders keep their value in range and stand with row 0 at the top, the thumb beside the row.
#include <gtest/gtest.h>

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "framework/controls/slider.h"
#include "controls_fixture.h"

using namespace fw;

namespace {

struct ClampCase {
  const char* name;
  std::int32_t minimum, maximum, set, expected;
};

class SliderClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(SliderClamp, ValueStaysWithinTheRange) {
  const ClampCase& c = GetParam();
  auto w = MakeControlsWindow();
  auto s = w->Add<Slider>("sl", 0, 0, 16, 180);
  s->Minimum(c.minimum);
  s->Maximum(c.maximum);
  s->Value(c.minimum);
  int raised = 0;
  s->ValueChanged = [&] { ++raised; };
  s->Value(c.set);
  EXPECT_EQ(s->Value(), c.expected);
  EXPECT_EQ(raised, c.expected == c.minimum ? 0 : 1);
  EXPECT_EQ(static_cast<QSlider*>(s->Widget())->value(), c.expected) << "the thumb shows the value";
}

INSTANTIATE_TEST_SUITE_P(Controls, SliderClamp,
                         testing::Values(ClampCase{"Inside", 0, 8, 5, 5}, ClampCase{"AboveMaximum", 0, 8, 9, 8},
                                         ClampCase{"FarAbove", 0, 6, 2147483647, 6}, ClampCase{"BelowMinimum", 0, 8, -1, 0},
                                         ClampCase{"FarBelow", 0, 2, -2147483647 - 1, 0},
                                         ClampCase{"NegativeRange", -5, -1, 3, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Slider, NarrowingTheRangeMovesTheValueAndSaysSo) {
  auto w = MakeControlsWindow();
  auto s = w->Add<Slider>("sl", 0, 0, 16, 180);
  s->Maximum(8);
  s->Value(7);
  int raised = 0;
  s->ValueChanged = [&] { ++raised; };
  s->Maximum(2);
  EXPECT_EQ(s->Value(), 2);
  EXPECT_EQ(raised, 1);
  s->Minimum(5);  // above the maximum: the maximum follows
  EXPECT_EQ(s->Maximum(), 5);
  EXPECT_EQ(s->Value(), 5);
  EXPECT_EQ(raised, 2);
}

// The thumb's rectangle in the slider, as the style draws it.
QRect Thumb(QSlider& slider) {
  QStyleOptionSlider option;
  option.initFrom(&slider);
  option.orientation = slider.orientation();
  option.minimum = slider.minimum();
  option.maximum = slider.maximum();
  option.sliderPosition = slider.sliderPosition();
  option.sliderValue = slider.value();
  option.upsideDown = slider.orientation() == Qt::Horizontal ? slider.invertedAppearance() != (slider.layoutDirection() == Qt::RightToLeft)
                                                             : !slider.invertedAppearance();
  option.subControls = QStyle::SC_SliderHandle;
  return slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
}

struct RowsCase {
  const char* name;
  std::int32_t rows;
};

class SliderRows : public testing::TestWithParam<RowsCase> {};

TEST_P(SliderRows, UprightWithEachRowsThumbBesideItsRow) {
  // As the pattern groups lay them out: 20 pixels per row, labels 20 high from the top.
  const std::int32_t rows = GetParam().rows;
  auto w = MakeControlsWindow();
  auto s = w->Add<Slider>("sl", 170, 24, 16, 20 * rows);
  s->Maximum(rows - 1);
  auto& qt = *static_cast<QSlider*>(s->Widget());
  EXPECT_EQ(qt.orientation(), Qt::Vertical);
  for (std::int32_t row = 0; row < rows; ++row) {
    s->Value(row);
    const QRect thumb = Thumb(qt);
    EXPECT_EQ(thumb.top(), 20 * row) << "row " << row;
    EXPECT_EQ(thumb.height(), 20) << "row " << row;
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, SliderRows,
                         testing::Values(RowsCase{"Three", 3}, RowsCase{"Seven", 7}, RowsCase{"Nine", 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Slider, LiesWhenWiderThanHighAndTakesNoFocus) {
  auto w = MakeControlsWindow();
  auto s = w->Add<Slider>("sl", 0, 0, 180, 16);
  auto& qt = *static_cast<QSlider*>(s->Widget());
  EXPECT_EQ(qt.orientation(), Qt::Horizontal);
  s->Value(0);
  EXPECT_EQ(Thumb(qt).left(), 0) << "the minimum at the left";
  EXPECT_EQ(qt.focusPolicy(), Qt::NoFocus);
}

TEST(Slider, LiveScrollDecidesWhetherDraggingReports) {
  auto w = MakeControlsWindow();
  auto s = w->Add<Slider>("sl", 0, 0, 16, 180);
  s->Maximum(8);
  int raised = 0;
  s->ValueChanged = [&] { ++raised; };
  auto& qt = *static_cast<QSlider*>(s->Widget());

  s->LiveScroll(false);
  qt.setSliderDown(true);
  qt.setSliderPosition(3);
  EXPECT_EQ(raised, 0) << "not while the thumb is held";
  qt.setSliderDown(false);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(s->Value(), 3);

  s->LiveScroll(true);
  qt.setSliderDown(true);
  qt.setSliderPosition(4);
  qt.setSliderPosition(5);
  EXPECT_EQ(raised, 3) << "each step while dragging";
  qt.setSliderDown(false);
  EXPECT_EQ(raised, 3);
}

}  // namespace
