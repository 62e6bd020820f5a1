// Text: placement on its baseline, gray-level edges only, metrics, wrapping and squeezing.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>

#include "framework/graphics.h"
#include "framework/picture.h"

using fw::Graphics;
using fw::NewPicture;
using fw::Picture;
using fw::Ref;

namespace {

constexpr char kFiller[] = "Vestibulum eget purus vitae eros ornare adipiscing. 100% 0%";

Ref<Picture> Text(int width, int height, int size, const std::function<void(Graphics&)>& draw) {
  auto picture = NewPicture(width, height, 32);
  auto g = picture->Graphics();
  g->TextFont("DejaVu Sans");
  g->TextSize(size);
  draw(*g);
  return picture;
}

// The box around every pixel that is not white.
struct Bounds {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};

Bounds InkBounds(const Picture& picture) {
  Bounds b;
  const QImage& image = picture.Image();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) continue;
      b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x), std::max(b.bottom, y)};
    }
  }
  return b;
}

TEST(Text, SitsOnItsBaseline) {
  for (int size : {8, 12, 16, 34}) {
    SCOPED_TRACE(size);
    auto picture = Text(200, 100, size, [](Graphics& g) { g.DrawString("HEH", 10, 60); });
    const Bounds b = InkBounds(*picture);
    EXPECT_EQ(b.bottom, 59);  // the row just above the baseline
    EXPECT_GE(b.top, 60 - size);
    EXPECT_LE(b.top, 60 - size / 2);
    EXPECT_GE(b.left, 10);
    EXPECT_LE(b.left, 10 + size / 4);
  }
}

class GrayEdges : public testing::TestWithParam<int> {};

TEST_P(GrayEdges, HaveNoColouredFringes) {
  auto picture = Text(600, 60, GetParam(), [](Graphics& g) { g.DrawString(kFiller, 1, 40); });
  const QImage& image = picture->Image();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << "colour at " << x << ", " << y;
      inked += qRed(p) < 128;
    }
  }
  EXPECT_GT(inked, 0);
}

INSTANTIATE_TEST_SUITE_P(Text, GrayEdges, testing::Values(4, 7, 9, 12, 25, 34));

TEST(Text, IsDrawnInForeColor) {
  auto picture = Text(200, 40, 20, [](Graphics& g) {
    g.ForeColor(0xFF0000);
    g.DrawString("Red 100%", 2, 30);
  });
  const QImage& image = picture->Image();
  bool solid = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_EQ(qRed(p), 255);
      ASSERT_EQ(qGreen(p), qBlue(p));
      solid = solid || qGreen(p) == 0;
    }
  }
  EXPECT_TRUE(solid);
}

TEST(Text, MeasuresInPixels) {
  auto picture = NewPicture(10, 10, 32);
  auto g = picture->Graphics();
  g->TextFont("DejaVu Sans");
  g->TextSize(12);
  const int height12 = g->TextHeight();
  const double width12 = g->StringWidth("Sharpness");
  EXPECT_GE(height12, 12);
  EXPECT_LE(height12, 18);
  EXPECT_EQ(g->StringWidth(""), 0.0);
  EXPECT_NEAR(g->StringWidth("ab"), g->StringWidth("a") + g->StringWidth("b"), 0.5);
  g->TextSize(0);  // the default size
  EXPECT_EQ(g->TextHeight(), height12);
  EXPECT_EQ(g->StringWidth("Sharpness"), width12);
  g->TextSize(24);
  EXPECT_NEAR(g->StringWidth("Sharpness"), 2 * width12, 3.0);
  EXPECT_GE(g->TextHeight(), 2 * height12 - 2);
}

TEST(Text, SystemIsTheApplicationFont) {
  auto picture = NewPicture(10, 10, 32);
  auto g = picture->Graphics();
  EXPECT_EQ(g->TextFont(), "System");
  const double system = g->StringWidth(kFiller);
  g->TextFont("DejaVu Sans");
  EXPECT_EQ(g->StringWidth(kFiller), system);
  g->TextFont("DejaVu Sans Mono");
  EXPECT_NE(g->StringWidth(kFiller), system);
}

bool SameImage(const Picture& a, const Picture& b) { return a.Image() == b.Image(); }

TEST(Text, WrapsWordsIntoLinesOneTextHeightApart) {
  int th = 0, wrap = 0;
  Text(1, 1, 14, [&](Graphics& g) {
    th = g.TextHeight();
    wrap = static_cast<int>(std::ceil(g.StringWidth("aaaa  bbbb")));
  });
  auto wrapped = Text(200, 100, 14, [&](Graphics& g) { g.DrawString("aaaa bbbb cccc  dd", 3, 20, wrap); });
  auto lines = Text(200, 100, 14, [&](Graphics& g) {
    g.DrawString("aaaa bbbb", 3, 20);
    g.DrawString("cccc dd", 3, 20 + th);
  });
  EXPECT_TRUE(SameImage(*wrapped, *lines));
}

TEST(Text, PutsAnOverlongWordOnALineOfItsOwn) {
  auto wrapped = Text(300, 100, 14, [&](Graphics& g) { g.DrawString("a extraordinarily b", 0, 20, 10); });
  auto lines = Text(300, 100, 14, [&](Graphics& g) {
    g.DrawString("a", 0, 20);
    g.DrawString("extraordinarily", 0, 20 + g.TextHeight());
    g.DrawString("b", 0, 20 + 2 * g.TextHeight());
  });
  EXPECT_TRUE(SameImage(*wrapped, *lines));
}

TEST(Text, CondensedStaysOnOneLineWithinTheWidth) {
  auto squeezed = Text(300, 60, 14, [](Graphics& g) { g.DrawString("squeeze me into forty pixels", 5, 30, 40, true); });
  const Bounds b = InkBounds(*squeezed);
  ASSERT_FALSE(b.Empty());
  EXPECT_GE(b.left, 5);
  EXPECT_LE(b.right, 5 + 40);
  EXPECT_LT(b.bottom, 30 + 5);
  auto roomy = Text(300, 60, 14, [](Graphics& g) { g.DrawString("fits", 5, 30, 200, true); });
  auto plain = Text(300, 60, 14, [](Graphics& g) { g.DrawString("fits", 5, 30); });
  EXPECT_TRUE(SameImage(*roomy, *plain));
}

TEST(Text, EmptyOrTinyDrawsSafely) {
  auto picture = Text(20, 20, 1, [](Graphics& g) {
    g.DrawString("", 0, 10);
    g.DrawString("", 0, 10, 5);
    g.DrawString("x", 0, 10);
    g.TextSize(INT_MAX);
    g.DrawString("x", -50, 10);
  });
  EXPECT_EQ(picture->Width(), 20);
}

}  // namespace
