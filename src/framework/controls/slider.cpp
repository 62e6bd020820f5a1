#include "framework/controls/slider.h"

#include <QProxyStyle>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "framework/application.h"

namespace fw {

class SliderWidget : public QSlider {
public:
  explicit SliderWidget(Slider& owner) : owner_(owner) {
    setFocusPolicy(Qt::NoFocus);
    Orient(Qt::Vertical);
    connect(this, &QSlider::valueChanged, [this](int value) { owner_.UserMoved(value); });
  }

  void Orient(Qt::Orientation orientation) {
    setOrientation(orientation);
    // Qt puts the minimum of an upright slider at the bottom; rows count from the top, and
    // the wheel and the track then move the thumb the way the hand goes.
    const bool upright = orientation == Qt::Vertical;
    setInvertedAppearance(upright);
    setInvertedControls(upright);
  }

private:
  Slider& owner_;
};

// One style per slider: Qt asks some styles for the thumb's length without naming the widget.
class RowThumbStyle : public QProxyStyle {
public:
  explicit RowThumbStyle(const QSlider& slider) : slider_(slider) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_SliderLength) return base;
    const int track = slider_.orientation() == Qt::Vertical ? slider_.height() : slider_.width();
    const long long values = static_cast<long long>(slider_.maximum()) - slider_.minimum() + 1;
    return static_cast<int>(std::max<long long>(base, track / values));
  }

private:
  const QSlider& slider_;
};

Slider::Slider() : slider_(new SliderWidget(*this)) {
  style_ = std::make_unique<RowThumbStyle>(*slider_);
  slider_->setStyle(style_.get());
  SetWidget(slider_);
  ApplyRange();
  LineStep(lineStep_);
  PageStep(pageStep_);
  LiveScroll(liveScroll_);
}

// The widget outlives the style made for it.
Slider::~Slider() { slider_->setStyle(nullptr); }

void Slider::BoundsChanged() { slider_->Orient(Height() > Width() ? Qt::Vertical : Qt::Horizontal); }

void Slider::ApplyRange() {
  const QSignalBlocker quiet(slider_);
  slider_->setRange(min_, max_);
  slider_->setValue(value_);
}

void Slider::Minimum(std::int32_t value) {
  min_ = value;
  max_ = std::max(max_, min_);
  ApplyRange();
  Value(value_);
}

void Slider::Maximum(std::int32_t value) {
  max_ = value;
  min_ = std::min(min_, max_);
  ApplyRange();
  Value(value_);
}

void Slider::Value(std::int32_t value) {
  value = std::clamp(value, min_, max_);
  if (value == value_) return;
  value_ = value;
  ApplyRange();
  if (ValueChanged) ValueChanged();
}

void Slider::UserMoved(std::int32_t value) {
  if (value == value_) return;
  value_ = value;
  Guarded([this] {
    if (ValueChanged) ValueChanged();
  });
}

void Slider::LineStep(std::int32_t step) {
  lineStep_ = step;
  slider_->setSingleStep(step);
}

void Slider::PageStep(std::int32_t step) {
  pageStep_ = step;
  slider_->setPageStep(step);
}

void Slider::LiveScroll(bool on) {
  liveScroll_ = on;
  slider_->setTracking(on);
}

}  // namespace fw
