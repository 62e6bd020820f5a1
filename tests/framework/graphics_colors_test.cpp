#include <gtest/gtest.h>

#include "framework/color.h"

using fw::Color;
using fw::HSV;

namespace {

struct HsvCase {
  double h, s, v;
  std::uint32_t rgb;
};

class Hsv : public testing::TestWithParam<HsvCase> {};

TEST_P(Hsv, ConvertsWithHalvesRoundingUp) {
  const HsvCase& c = GetParam();
  EXPECT_EQ(HSV(c.h, c.s, c.v).rgb, c.rgb) << c.h << ", " << c.s << ", " << c.v;
}

INSTANTIATE_TEST_SUITE_P(Colors, Hsv,
                         testing::Values(HsvCase{0, 0, 0.5, 0x808080}, HsvCase{0, 0, 0.9, 0xE6E6E6},
                                         HsvCase{0, 0, 0.1, 0x1A1A1A}, HsvCase{0, 0, 0.99, 0xFCFCFC},
                                         HsvCase{0, 0, 0.0, 0x000000}, HsvCase{0, 0, 1.0, 0xFFFFFF},
                                         HsvCase{1.0, 1, 1, 0xFF0000}, HsvCase{0, 1, 1, 0xFF0000},
                                         HsvCase{1.0 / 3, 1, 1, 0x00FF00}, HsvCase{2.0 / 3, 1, 1, 0x0000FF},
                                         HsvCase{0.5, 1, 1, 0x00FFFF}, HsvCase{5.0 / 6, 1, 1, 0xFF00FF},
                                         HsvCase{1.0 / 6, 1, 1, 0xFFFF00}, HsvCase{1.0, 1, 0.5, 0x800000},
                                         HsvCase{2.0 / 3, 1, 0.1, 0x00001A}));

TEST(Colors, RgbClampsItsLevels) {
  EXPECT_EQ(fw::RGB(180, 16, 180).rgb, 0xB410B4u);
  EXPECT_EQ(fw::RGB(300, -5, 128).rgb, 0xFF0080u);
  EXPECT_EQ(Color(0x12345678u).rgb, 0x345678u);
}

}  // namespace
