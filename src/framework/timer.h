#pragma once
// A timer control: Mode 0 off, 1 once, 2 repeating; Period in milliseconds; Action on each firing.
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/control.h"

class QTimer;

namespace fw {

class Timer : public Control {
public:
  Timer();
  ~Timer() override;

  std::int32_t Mode() const { return mode_; }
  void Mode(std::int32_t mode);
  std::int32_t Period() const { return period_; }
  void Period(std::int32_t milliseconds);
  void Reset();  // starts the period again

  std::function<void()> Action;

  // Tests fire a timer by hand, exactly as the event loop would.
  void Fire();

private:
  void Apply();
  std::int32_t mode_ = 0;
  std::int32_t period_ = 1000;
  std::unique_ptr<QTimer> timer_;
};

}  // namespace fw
