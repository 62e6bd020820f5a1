#include "framework/timer.h"

#include <QTimer>
#include <algorithm>

#include "framework/application.h"

namespace fw {

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() = default;

void Timer::Mode(std::int32_t mode) {
  mode_ = std::clamp(mode, 0, 2);
  Apply();
}

void Timer::Period(std::int32_t milliseconds) {
  period_ = std::max(milliseconds, 0);
  Apply();
}

void Timer::Reset() { Apply(); }

void Timer::Apply() {
  timer_->stop();
  if (mode_ == 0) return;
  timer_->setSingleShot(mode_ == 1);
  timer_->start(period_);
}

void Timer::Fire() {
  if (mode_ == 0) return;
  if (mode_ == 1) mode_ = 0;  // a one-shot timer is off once it has fired
  Guarded([this] {
    if (Action) Action();
  });
}

}  // namespace fw
