#pragma once
// A slider. Upright when it is higher than wide, with Minimum at the top (as rows of labels
// beside it count from the top); otherwise lying, with Minimum at the left.
//
// Value stays within Minimum..Maximum: code setting a value beyond them gets the nearest end.
// ValueChanged follows every change of Value, by the user or by code. With LiveScroll it comes
// at each step while the thumb is dragged, otherwise when the thumb is let go.
//
// The thumb is as long as one step of the track when the steps are longer than the style's
// thumb: a slider 20 pixels long per value has its thumb beside the row of that value.
// The slider takes no keyboard focus, so the window keeps the arrow keys.
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/control.h"

namespace fw {

class SliderWidget;
class RowThumbStyle;

class Slider : public RectControl {
public:
  Slider();
  ~Slider() override;

  std::int32_t Minimum() const { return min_; }
  void Minimum(std::int32_t value);
  std::int32_t Maximum() const { return max_; }
  void Maximum(std::int32_t value);
  std::int32_t Value() const { return value_; }
  void Value(std::int32_t value);
  std::int32_t LineStep() const { return lineStep_; }
  void LineStep(std::int32_t step);
  std::int32_t PageStep() const { return pageStep_; }
  void PageStep(std::int32_t step);
  bool LiveScroll() const { return liveScroll_; }
  void LiveScroll(bool on);

  std::function<void()> ValueChanged;

protected:
  void BoundsChanged() override;

private:
  friend class SliderWidget;
  void UserMoved(std::int32_t value);
  void ApplyRange();

  SliderWidget* slider_;
  std::unique_ptr<RowThumbStyle> style_;
  std::int32_t min_ = 0, max_ = 100, value_ = 0;
  std::int32_t lineStep_ = 1, pageStep_ = 20;
  bool liveScroll_ = false;
};

}  // namespace fw
