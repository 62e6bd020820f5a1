#include <QImage>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/picture.h"
#include "framework/strings.h"
#include "patterns/MainWindowOptions.h"
#include "support/canvas_fixture.h"

namespace {

using fw::Int;

std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

constexpr std::array<std::uint32_t, 3> kColors{0xFF6666, 0xFFFF66, 0x66CCFF};
constexpr std::uint32_t kField = 0x333333;

class Overscan : public testing::Test {
protected:
  void TearDown() override { SetOverscanListIndexForTesting(std::nullopt); }
};

// 1024 x 768: frame i is the ring of the rectangle (x, y, w, h) below.
TEST_F(Overscan, FramesStepInByOnePerCentAt1024x768) {
  const std::array<int, 10> x{0, 10, 20, 30, 40, 51, 61, 71, 81, 92}, y{0, 7, 15, 23, 30, 38, 46, 53, 61, 69},
      w{1024, 1003, 983, 962, 942, 921, 901, 880, 860, 839}, h{768, 752, 737, 721, 706, 691, 675, 660, 645, 629};
  CanvasFixture fixture(1024, 768);
  const QImage image = fixture.Render("VideoOverscan");
  // Sample each side where no label lies over it.
  for (int i = 0; i < 10; ++i) {
    const std::uint32_t color = kColors[i % 3];
    EXPECT_EQ(At(image, x[i], 200), color) << "left side of frame " << i;
    EXPECT_EQ(At(image, x[i] + w[i] - 1, 550), color) << "right side of frame " << i;
    EXPECT_EQ(At(image, 880, y[i]), color) << "top side of frame " << i;
    EXPECT_EQ(At(image, 150, y[i] + h[i] - 1), color) << "bottom side of frame " << i;
    EXPECT_EQ(At(image, x[i] + 1, 200), kField) << "inside frame " << i;
    EXPECT_EQ(At(image, x[i] + w[i] - 2, 550), kField) << "inside frame " << i;
  }
  EXPECT_EQ(At(image, 512, 384), kField);
}

enum Side { kLeft, kRight, kTop, kBottom };

struct Box {
  double xb, yb, cx;
};

// Where the label of frame i on a side lies: left and right labels climb and descend by a
// text height plus 1 % of H, top and bottom labels move along by 7 % of W.
Box LabelBox(Side side, int i, int W, int H, int th) {
  const double ux = W / 100.0, uy = H / 100.0, t = th / static_cast<double>(H) * 100;
  switch (side) {
    case kLeft: return {i * ux, H - (11 + (i + 1) * (t + 1)) * uy, (i + 3) * ux};
    case kRight: return {W - (6 + i) * ux, (11 + i * (t + 1)) * uy, W - (3 + i) * ux};
    case kTop: return {(11 + 7 * i) * ux, i * uy, (14 + 7 * i) * ux};
    case kBottom: break;
  }
  return {W - (11 + 7 * (i + 1)) * ux, (H - th) - i * uy, W - (15 + 7 * i) * ux};
}

TEST_F(Overscan, EveryLabelBoxIsFilledInItsFramesColour) {
  for (const auto& [W, H] : std::vector<std::pair<int, int>>{{1024, 768}, {1920, 1080}, {1366, 768}}) {
    CanvasFixture fixture(W, H);
    const QImage image = fixture.Render("VideoOverscan");
    const int th = fixture.canvas->g->TextHeight();
    for (int i = 0; i < 10; ++i) {
      for (Side side : {kLeft, kRight, kTop, kBottom}) {
        const Box box = LabelBox(side, i, W, H, th);
        // Just inside the left and right ends, clear of the centred "0%" to "9%".
        for (int x : {Int(box.xb) + 2, Int(box.xb) + Int(6 * W / 100.0) - 3}) {
          EXPECT_EQ(At(image, x, Int(box.yb) + th / 2), kColors[i % 3])
              << W << "x" << H << " frame " << i << " side " << side << " x " << x;
        }
      }
    }
  }
}

// Whether the box of a label shows exactly the text given: the same box and text drawn anew
// over a copy of the picture must leave the box's pixels as they are.
bool LabelReads(const QImage& shown, int textSize, const Box& box, int i, const std::string& text) {
  const double ux = shown.width() / 100.0;
  const fw::Ref<fw::Picture> copy = fw::PictureFromImage(shown, 32);
  const fw::Ref<fw::Graphics> g = copy->Graphics();
  g->TextSize(textSize);
  const int th = g->TextHeight();
  const int left = Int(box.xb), top = Int(box.yb), width = Int(6 * ux);
  g->ForeColor(kColors[i % 3]);
  g->FillRoundRect(left, top, width, th, Int(ux / 2), Int(ux / 2));
  g->ForeColor(0x000000);
  g->DrawString(text, Int(box.cx - g->StringWidth(text) / 2), Int(box.yb + th * 0.85));
  for (int y = std::max(top, 0); y < std::min(top + th, shown.height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, shown.width()); ++x) {
      if (copy->Image().pixel(x, y) != shown.pixel(x, y)) return false;
    }
  }
  return true;
}

struct TextCase {
  const char* name;
  std::int32_t listIndex;
  int frame;
  Side side;
  const char* text;
  bool reads;  // false: a wrong text, to show that the comparison tells texts apart
};

class OverscanText : public Overscan, public testing::WithParamInterface<TextCase> {};

TEST_P(OverscanText, LabelReadsItsInsetAt1024x768) {
  const TextCase& c = GetParam();
  SetOverscanListIndexForTesting(c.listIndex);
  CanvasFixture fixture(1024, 768);
  const QImage image = fixture.Render("VideoOverscan");
  const int textSize = fixture.canvas->g->TextSize();
  const Box box = LabelBox(c.side, c.frame, 1024, 768, fixture.canvas->g->TextHeight());
  EXPECT_EQ(LabelReads(image, textSize, box, c.frame, c.text), c.reads) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Overscan, OverscanText,
    testing::Values(TextCase{"PercentFrame0Left", 0, 0, kLeft, "0%", true},
                    TextCase{"PercentFrame0Bottom", 0, 0, kBottom, "0%", true},
                    TextCase{"PercentFrame9Right", 0, 9, kRight, "9%", true},
                    TextCase{"PercentFrame9Top", 0, 9, kTop, "9%", true},
                    TextCase{"PercentIsNoPixelValue", 0, 1, kLeft, "10", false},
                    TextCase{"PixelsFrame0Left", 1, 0, kLeft, "0", true},
                    TextCase{"PixelsFrame0Right", 1, 0, kRight, "1024", true},
                    TextCase{"PixelsFrame0Top", 1, 0, kTop, "0", true},
                    TextCase{"PixelsFrame0Bottom", 1, 0, kBottom, "768", true},
                    TextCase{"PixelsFrame1Left", 1, 1, kLeft, "10", true},
                    TextCase{"PixelsFrame1Right", 1, 1, kRight, "1014", true},
                    TextCase{"PixelsFrame1Top", 1, 1, kTop, "8", true},
                    TextCase{"PixelsFrame1Bottom", 1, 1, kBottom, "760", true},
                    TextCase{"PixelsIsNoPercent", 1, 1, kLeft, "1%", false},
                    // Rounded to the nearest, not the row or column the frame is drawn on.
                    TextCase{"PixelsFrame7TopRoundsUp", 1, 7, kTop, "54", true},
                    TextCase{"PixelsFrame5RightRoundsUp", 1, 5, kRight, "973", true},
                    TextCase{"PixelsFrame3BottomRoundsUp", 1, 3, kBottom, "745", true},
                    TextCase{"PixelsFrame5LeftRoundsDown", 1, 5, kLeft, "51", true},
                    // A row the menu does not have reads as the first, per cent.
                    TextCase{"UnknownRowReadsPercent", 2, 4, kTop, "4%", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Overscan, TextSizeHasNoLowerLimitOnAScreen) {
  for (const auto& [w, h, size] : std::vector<std::array<int, 3>>{{1024, 768, 25}, {1024, 150, 5}, {121, 97, 1}}) {
    CanvasFixture fixture(w, h);
    fixture.Render("VideoOverscan");
    EXPECT_EQ(fixture.canvas->g->TextSize(), size) << w << "x" << h;
  }
}

TEST_F(Overscan, DrawsWhatFitsOnTinyPictures) {
  for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {6, 11}, {200, 15}, {3, 200}}) {
    CanvasFixture fixture(w, h);
    const QImage image = fixture.Render("VideoOverscan");
    // Frame 0 and its labels share a colour; a preview's black frame lies over them.
    EXPECT_EQ(At(image, 0, 0), w < 150 ? 0x000000u : kColors[0]) << w << "x" << h;
  }
}

}  // namespace
