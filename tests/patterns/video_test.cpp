#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/canvas_fixture.h"

namespace {

std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

constexpr std::uint32_t kGray = 0xB4B4B4, kYellow = 0xB4B410, kCyan = 0x10B4B4, kGreen = 0x10B410,
                        kMagenta = 0xB410B4, kRed = 0xB41010, kBlue = 0x1010B4, kBlack = 0x101010,
                        kWhite = 0xEBEBEB, kNavy = 0x001D42, kPurple = 0x2C005C;

// Colours along one line of the picture, each run from its start up to the next run's start.
struct Run {
  int start;
  std::uint32_t rgb;
};

struct LineCase {
  const char* name;
  const char* kind;
  int w, h;
  bool row;  // a row at y = at, else a column at x = at
  int at;
  std::vector<Run> runs;  // the last run's start is the line's length
};

class SmpteLine : public testing::TestWithParam<LineCase> {};

TEST_P(SmpteLine, ShowsTheRunsOfTheWorkedExample) {
  const LineCase& c = GetParam();
  CanvasFixture fixture(c.w, c.h);
  const QImage image = fixture.Render(c.kind);
  for (std::size_t r = 0; r + 1 < c.runs.size(); ++r) {
    for (int p = c.runs[r].start; p < c.runs[r + 1].start; ++p) {
      const int x = c.row ? p : c.at, y = c.row ? c.at : p;
      ASSERT_EQ(At(image, x, y), c.runs[r].rgb) << "(" << x << ", " << y << ")";
    }
  }
}

// 1024 x 768: bars from x = 0, 146, 292, 438, 585, 731, 877, 512 high; the middle row 64 high at
// y = 512; blocks 183 wide from y = 576; PLUGE strips 49 wide at x = 731, 780, 828.
const std::vector<Run> kTop1024{{0, kGray},     {146, kYellow}, {292, kCyan}, {438, kGreen},
                                {585, kMagenta}, {731, kRed},    {877, kBlue}, {1024, 0}};
const std::vector<Run> kMiddle1024{{0, kBlue},   {146, kBlack}, {292, kMagenta}, {438, kBlack},
                                   {585, kCyan}, {731, kBlack}, {877, kGray},    {1024, 0}};

INSTANTIATE_TEST_SUITE_P(
    Video, SmpteLine,
    testing::Values(
        LineCase{"TopFirstRow1024", "VideoSmpteColAnalog", 1024, 768, true, 0, kTop1024},
        LineCase{"TopLastRow1024", "VideoSmpteColDigital", 1024, 768, true, 511, kTop1024},
        LineCase{"MiddleFirstRow1024", "VideoSmpteColAnalog", 1024, 768, true, 512, kMiddle1024},
        LineCase{"MiddleLastRow1024", "VideoSmpteColDigital", 1024, 768, true, 575, kMiddle1024},
        LineCase{"BottomAnalog1024",
                 "VideoSmpteColAnalog",
                 1024,
                 768,
                 true,
                 576,
                 {{0, kNavy},
                  {183, kWhite},
                  {366, kPurple},
                  {549, kBlack},
                  {731, 0x070707},
                  {780, kBlack},
                  {828, 0x181818},
                  {877, kBlack},
                  {1024, 0}}},
        LineCase{"BottomDigital1024",
                 "VideoSmpteColDigital",
                 1024,
                 768,
                 true,
                 767,
                 {{0, kNavy},
                  {183, kWhite},
                  {366, kPurple},
                  {549, kBlack},
                  {731, 0x000000},
                  {780, 0x070707},
                  {828, kBlack},
                  {1024, 0}}},
        LineCase{"ColumnOfBar0At1024", "VideoSmpteColAnalog", 1024, 768, false, 0,
                 {{0, kGray}, {512, kBlue}, {576, kNavy}, {768, 0}}},
        // 1280 x 1024: the top bars are 688 high, the middle row from y = 682 covers their
        // lowest 6 rows, and the bottom row from y = 768 runs past the bottom edge.
        LineCase{"ColumnOfBar1At1280", "VideoSmpteColAnalog", 1280, 1024, false, 300,
                 {{0, kYellow}, {682, kBlack}, {768, kWhite}, {1024, 0}}},
        LineCase{"ColumnOfBar6At1280", "VideoSmpteColDigital", 1280, 1024, false, 1279,
                 {{0, kBlue}, {682, kGray}, {768, kBlack}, {1024, 0}}},
        LineCase{"TopRow1280", "VideoSmpteColDigital", 1280, 1024, true, 681,
                 {{0, kGray},
                  {182, kYellow},
                  {365, kCyan},
                  {548, kGreen},
                  {731, kMagenta},
                  {914, kRed},
                  {1097, kBlue},
                  {1280, 0}}},
        LineCase{"BottomRow1280", "VideoSmpteColAnalog", 1280, 1024, true, 1023,
                 {{0, kNavy},
                  {229, kWhite},
                  {458, kPurple},
                  {687, kBlack},
                  {914, 0x070707},
                  {975, kBlack},
                  {1036, 0x181818},
                  {1097, kBlack},
                  {1280, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Positions come from exact sevenths and twelfths and widths are rounded up, so no pixel is
// left with the fresh picture's white at any size.
TEST(Video, SmpteBarsLeaveNoGapAtAnySize) {
  for (const auto& [w, h] :
       std::vector<std::pair<int, int>>{{1366, 768}, {1920, 1080}, {2560, 1440}, {1001, 701}, {121, 97}, {150, 101}}) {
    for (const char* kind : {"VideoSmpteColAnalog", "VideoSmpteColDigital"}) {
      CanvasFixture fixture(w, h);
      const QImage image = fixture.Render(kind);
      int white = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) white += At(image, x, y) == 0xFFFFFF;
      }
      EXPECT_EQ(white, 0) << kind << " at " << w << "x" << h;
    }
  }
}

}  // namespace
