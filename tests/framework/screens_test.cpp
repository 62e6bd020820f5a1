#include "framework/screens.h"

#include <gtest/gtest.h>

#include "framework/ref.h"
#include "support/screen_harness.h"

using namespace fw;

TEST(ScreensHarness, OneScreen) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(ScreenCount(), 1);
  EXPECT_EQ(Screen(0).Width, 1366);
  EXPECT_EQ(Screen(0).Height, 768);
  EXPECT_EQ(Screen(0).Depth, 32);
}

TEST(ScreensHarness, ThreeScreensInOrder) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(ScreenCount(), 3);
  EXPECT_EQ(Screen(0).Left, 0);
  EXPECT_EQ(Screen(1).Left, 1024);
  EXPECT_EQ(Screen(1).Width, 1280);
  EXPECT_EQ(Screen(1).Height, 1024);
  EXPECT_EQ(Screen(2).Left, 2304);
  EXPECT_EQ(Screen(2).Width, 800);
  EXPECT_THROW(Screen(3), OutOfBoundsException);
}

TEST(ScreensHarness, ScaledScreenInPhysicalPixels) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(ScreenCount(), 2);
  EXPECT_EQ(Screen(1).Width, 2560);
  EXPECT_EQ(Screen(1).Height, 1440);
  EXPECT_DOUBLE_EQ(Screen(1).Scale, 2.0);
}

TEST(ScreensHarness, ScaledByQtInPhysicalPixelsToThePixel) {
  SKIP_UNLESS_IN_HARNESS();
  ASSERT_EQ(ScreenCount(), 2);
  // 1024 / 1.5 is no whole number of logical pixels; the screen still has 1024 rows.
  EXPECT_EQ(Screen(0).Width, 1280);
  EXPECT_EQ(Screen(0).Height, 1024);
  EXPECT_DOUBLE_EQ(Screen(0).Scale, 1.5);
  EXPECT_EQ(Screen(1).Left, 1280);
  EXPECT_EQ(Screen(1).Width, 2 * 1366);
  EXPECT_EQ(Screen(1).Height, 2 * 767);
  EXPECT_DOUBLE_EQ(Screen(1).Scale, 3.0);
}

TEST(Screens, LayoutsOfOneTwoAndThreeScreens) {
  EXPECT_EQ(RunWithScreens({{0, 0, 1366, 768}}, "ScreensHarness.OneScreen"), 0);
  EXPECT_EQ(RunWithScreens({{0, 0, 1024, 768}, {1024, 0, 1280, 1024}, {2304, 0, 800, 600}},
                           "ScreensHarness.ThreeScreensInOrder"),
            0);
  EXPECT_EQ(RunWithScreens({{0, 0, 1024, 768}, {1024, 0, 1280, 720, 2.0}}, "ScreensHarness.ScaledScreenInPhysicalPixels"),
            0);
  EXPECT_EQ(RunWithScreens({{0, 0, 1280, 1024}, {1280, 0, 1366, 767, 2.0}}, "ScreensHarness.ScaledByQtInPhysicalPixelsToThePixel",
                           "1.5"),
            0);
}

TEST(Screens, TestListReplacesTheRealOne) {
  SetScreensForTesting(std::vector<ScreenInfo>{{0, 0, 640, 480, 8, 1.0}, {640, 0, 800, 600, 16, 1.0}});
  EXPECT_EQ(ScreenCount(), 2);
  EXPECT_EQ(Screen(1).Depth, 16);
  SetScreensForTesting(std::vector<ScreenInfo>{});
  EXPECT_EQ(ScreenCount(), 0);
  EXPECT_THROW(Screen(0), OutOfBoundsException);
  SetScreensForTesting(std::nullopt);
  EXPECT_GE(ScreenCount(), 1);
}
