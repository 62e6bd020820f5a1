#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "framework/application.h"
#include "framework/clock.h"
#include "framework/timer.h"

using namespace fw;

TEST(Clock, TicksAndRndCanBeReplaced) {
  std::int32_t now = 100;
  SetTicksSource([&] { return now; });
  EXPECT_EQ(Ticks(), 100);
  now = 160;
  EXPECT_EQ(Ticks(), 160);
  SetTicksSource(nullptr);
  const std::int32_t a = Ticks();
  EXPECT_GE(Ticks(), a);  // monotonic

  SetRndSource([] { return 0.25; });
  EXPECT_EQ(Rnd(), 0.25);
  SetRndSource(nullptr);
  for (int i = 0; i < 1000; ++i) {
    const double r = Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

TEST(Timer, ModesOffOnceAndRepeating) {
  Timer t;
  int fired = 0;
  t.Action = [&] { ++fired; };
  t.Period(1);
  t.Fire();
  EXPECT_EQ(fired, 0) << "a timer that is off does not fire";

  t.Mode(1);
  QElapsedTimer clock;
  clock.start();
  while (fired == 0 && clock.elapsed() < 2000) ProcessEvents();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(t.Mode(), 0) << "a one-shot timer is off after firing";

  t.Mode(2);
  clock.restart();
  while (fired < 4 && clock.elapsed() < 2000) ProcessEvents();
  EXPECT_GE(fired, 4);
  t.Mode(0);
  const int stopped = fired;
  clock.restart();
  while (clock.elapsed() < 20) ProcessEvents();
  EXPECT_EQ(fired, stopped);
}

TEST(Application, GuardHandsEscapingExceptionsToTheRoutine) {
  std::string reported;
  SetUnhandledExceptionHandler([&](const std::string& d) { reported = d; });
  Guarded([] { throw std::runtime_error("boom"); });
  EXPECT_NE(reported.find("runtime_error"), std::string::npos);
  EXPECT_NE(reported.find("boom"), std::string::npos);

  Timer t;
  t.Action = [] { throw KeyNotFoundException("Sound"); };
  t.Mode(2);
  t.Fire();  // the timer's firing is guarded too
  EXPECT_NE(reported.find("KeyNotFoundException"), std::string::npos);
  SetUnhandledExceptionHandler(nullptr);
}
