#pragma once
// Runs tests under other screen layouts. The offscreen platform reads its screens once, when
// the Qt application starts, so a layout needs a process of its own: RunWithScreens starts
// this test program again with the layout and a filter, and returns its exit status. A Qt scale
// factor, when given, is Qt's own scaling on top of the screens' ratios (QT_SCALE_FACTOR).
// Tests meant only for such a child call SKIP_UNLESS_IN_HARNESS() first.
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct HarnessScreen {
  int x, y, width, height;
  double dpr = 1.0;
};

void SetHarnessProgram(const char* argv0);
int RunWithScreens(const std::vector<HarnessScreen>& screens, const std::string& gtestFilter,
                   const char* qtScaleFactor = nullptr);
bool InHarness();

#define SKIP_UNLESS_IN_HARNESS() \
  do {                           \
    if (!InHarness()) GTEST_SKIP() << "runs only under a screen layout of its own"; \
  } while (0)
