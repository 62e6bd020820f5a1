#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/canvas_fixture.h"

namespace {

std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

struct FieldCase {
  const char* kind;
  std::uint32_t rgb;
};

class MatchingField : public testing::TestWithParam<FieldCase> {};

TEST_P(MatchingField, FillsThePictureInItsGray) {
  CanvasFixture fixture(1024, 768);
  const QImage image = fixture.Render(GetParam().kind);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {1023, 767}, {512, 384}, {0, 767}}) {
    EXPECT_EQ(At(image, x, y), GetParam().rgb) << "(" << x << ", " << y << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Matching, MatchingField,
                         testing::Values(FieldCase{"MatchWhite", 0xFFFFFF}, FieldCase{"MatchGray25", 0xBFBFBF},
                                         FieldCase{"MatchGray50", 0x7F7F7F}, FieldCase{"MatchGray75", 0x3F3F3F},
                                         FieldCase{"MatchBlack", 0x000000}),
                         [](const auto& info) { return std::string(info.param.kind); });

struct GraduationCase {
  const char* kind;
  std::array<std::uint32_t, 5> bands;
};

const std::array<GraduationCase, 4> kGraduations{{
    {"MatchGrayGraduations", {0xFFFFFF, 0xBFBFBF, 0x7F7F7F, 0x3F3F3F, 0x000000}},
    {"MatchRedGraduations", {0xFFE5E5, 0xFFB2B3, 0xFF7F81, 0xFF4C4F, 0xFF191D}},
    {"MatchGreenGraduations", {0xE5FFE5, 0xB2FFB2, 0x7FFF7F, 0x4CFF4C, 0x19FF19}},
    {"MatchBlueGraduations", {0xE5E5FF, 0xB2B2FF, 0x7F7FFF, 0x4C4CFF, 0x1919FF}},
}};

class Graduation : public testing::TestWithParam<GraduationCase> {};

// 1024 x 768: bands from y = 0, 153, 307, 460, 614; 7-pixel separators at y = 149, 303, 456, 610.
TEST_P(Graduation, BandsAndSeparatorsTileTheColumnsAt1024x768) {
  CanvasFixture fixture(1024, 768);
  const QImage image = fixture.Render(GetParam().kind);
  const auto& band = GetParam().bands;
  // Runs down a column, each up to the row before the next.
  const std::vector<std::pair<int, std::uint32_t>> runs{
      {0, band[0]},   {149, 0x000000}, {156, band[1]}, {303, 0x000000}, {310, band[2]},
      {456, 0x000000}, {463, band[3]}, {610, 0x000000}, {617, band[4]}, {768, 0}};
  for (int x : {0, 100, 1023}) {
    for (std::size_t r = 0; r + 1 < runs.size(); ++r) {
      for (int y = runs[r].first; y < runs[r + 1].first; ++y) {
        ASSERT_EQ(At(image, x, y), runs[r].second) << "(" << x << ", " << y << ")";
      }
    }
  }
}

// Each label box is 34 wide from x = 494, centred on y = 76, 230, 384, 537, 691, with the text inside.
TEST_P(Graduation, LabelsSitInTheMiddleOfEachBand) {
  CanvasFixture fixture(1024, 768);
  const QImage image = fixture.Render(GetParam().kind);
  const std::array<int, 5> centres{76, 230, 384, 537, 691};
  const int th = fixture.canvas->g->TextHeight();
  for (std::size_t i = 0; i < centres.size(); ++i) {
    const int cy = centres[i];
    EXPECT_EQ(At(image, 494, cy), 0xFFFFFFu) << "band " << i;
    EXPECT_EQ(At(image, 527, cy), 0xFFFFFFu) << "band " << i;
    EXPECT_EQ(At(image, 493, cy), GetParam().bands[i]) << "band " << i;
    EXPECT_EQ(At(image, 528, cy), GetParam().bands[i]) << "band " << i;
    int dark = 0;
    for (int y = cy - th / 2; y < cy + th / 2; ++y) {
      for (int x = 494; x < 528; ++x) dark += qGray(image.pixel(x, y)) < 96;
    }
    EXPECT_GT(dark, 10) << "no text in the label of band " << i;
  }
}

// Down the column x = 1 (clear of the preview frame and of the labels), the separators are
// Int(H / 100) high: four of them, none below 100 pixels of height.
TEST_P(Graduation, HasFourSeparatorsDownToAHundredPixelsHigh) {
  for (const auto& [w, h, expected] :
       std::vector<std::array<int, 3>>{{1280, 1024, 4}, {1366, 768, 4}, {1920, 1080, 4}, {400, 100, 4}, {121, 97, 0}}) {
    CanvasFixture fixture(w, h);
    const QImage image = fixture.Render(GetParam().kind);
    int separators = 0, runLength = 0;
    bool inBlack = false;
    // The gray graduation's last band is black itself; stop at its top.
    const int last = std::string(GetParam().kind) == "MatchGrayGraduations" ? static_cast<int>(4 * h / 5.0) : h - 1;
    for (int y = 1; y < last; ++y) {
      const bool black = At(image, 1, y) == 0;
      if (black) {
        if (!inBlack) ++separators, runLength = 0;
        ++runLength;
      } else if (inBlack) {
        EXPECT_EQ(runLength, h / 100) << w << "x" << h << " at y = " << y;
      }
      inBlack = black;
    }
    EXPECT_EQ(separators, expected) << w << "x" << h;
    EXPECT_EQ(At(image, 1, h - 2), GetParam().bands[4]) << w << "x" << h;
  }
}

INSTANTIATE_TEST_SUITE_P(Matching, Graduation, testing::ValuesIn(kGraduations),
                         [](const auto& info) { return std::string(info.param.kind); });

}  // namespace
