// Seeded sweeps over sizes, positions and pens, checking what must hold for every shape:
// clipping never changes a pixel, shapes stay in their boxes, ovals are symmetric, convex,
// touch their boxes and are closed, lines hit both ends and step one pixel at a time.
#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "framework/graphics.h"
#include "framework/graphics_raster.h"
#include "framework/picture.h"

using fw::Graphics;

namespace {

constexpr std::uint32_t kInk = 0x000000;

// A picture's set pixels, readable at any position (outside is clear).
class Ink {
public:
  Ink(int width, int height, const std::function<void(Graphics&)>& draw) {
    auto picture = fw::NewPicture(width, height, 32);
    auto g = picture->Graphics();
    g->ForeColor(kInk);
    draw(*g);
    image_ = picture->Image();
  }
  bool At(int x, int y) const {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return false;
    return (image_.pixel(x, y) & 0xFFFFFFu) == kInk;
  }
  int Count() const {
    int n = 0;
    for (int y = 0; y < image_.height(); ++y) {
      for (int x = 0; x < image_.width(); ++x) n += At(x, y);
    }
    return n;
  }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

private:
  QImage image_;
};

struct Box {
  int x, y, w, h;
};

// Draws the shape into a small picture, clipped, and into one large enough to hold all of
// it, and requires the small one to be the large one's window.
void ExpectClippingKeepsPixels(const std::function<void(Graphics&, int dx, int dy)>& draw, int width, int height,
                               int margin) {
  const Ink small(width, height, [&](Graphics& g) { draw(g, 0, 0); });
  const Ink large(width + 2 * margin, height + 2 * margin, [&](Graphics& g) { draw(g, margin, margin); });
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) ASSERT_EQ(small.At(x, y), large.At(x + margin, y + margin)) << x << ", " << y;
  }
}

// Checks what every oval and round rectangle must satisfy in its box.
void ExpectWellFormed(const Ink& ink, const Box& b) {
  int set = 0;
  for (int y = 0; y < ink.Height(); ++y) {
    for (int x = 0; x < ink.Width(); ++x) {
      if (!ink.At(x, y)) continue;
      ++set;
      ASSERT_TRUE(x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h) << "outside the box at " << x << ", " << y;
      ASSERT_TRUE(ink.At(2 * b.x + b.w - 1 - x, y)) << "not mirrored left to right at " << x << ", " << y;
      ASSERT_TRUE(ink.At(x, 2 * b.y + b.h - 1 - y)) << "not mirrored top to bottom at " << x << ", " << y;
    }
  }
  ASSERT_GT(set, 0);
  bool top = false, bottom = false, left = false, right = false;
  for (int x = b.x; x < b.x + b.w; ++x) top = top || ink.At(x, b.y), bottom = bottom || ink.At(x, b.y + b.h - 1);
  for (int y = b.y; y < b.y + b.h; ++y) left = left || ink.At(b.x, y), right = right || ink.At(b.x + b.w - 1, y);
  EXPECT_TRUE(top && bottom && left && right) << "does not touch all sides of its box";
}

// Every row and every column of a filled shape is one run.
void ExpectConvex(const Ink& ink) {
  for (int y = 0; y < ink.Height(); ++y) {
    int runs = 0;
    for (int x = 0; x < ink.Width(); ++x) runs += ink.At(x, y) && !ink.At(x - 1, y);
    ASSERT_LE(runs, 1) << "row " << y;
  }
  for (int x = 0; x < ink.Width(); ++x) {
    int runs = 0;
    for (int y = 0; y < ink.Height(); ++y) runs += ink.At(x, y) && !ink.At(x, y - 1);
    ASSERT_LE(runs, 1) << "column " << x;
  }
}

// An outline is closed when no path of clear pixels, stepping up, down, left or right,
// leads from outside the picture to the middle of the shape.
bool Closed(const Ink& outline, const Box& b) {
  const int w = outline.Width(), h = outline.Height();
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  std::vector<std::pair<int, int>> todo{{0, 0}};
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= w || y >= h || outline.At(x, y) || seen[y * w + x]) continue;
    seen[y * w + x] = 1;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  return !seen[(b.y + b.h / 2) * w + b.x + b.w / 2];
}

class Sweep : public testing::Test {
protected:
  int Any(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  std::mt19937 random_{20240611};
};

TEST_F(Sweep, ClippingNeverChangesAPixel) {
  using Shape = std::function<void(Graphics&, int, int, int, int, int, int)>;
  const Shape shapes[] = {
      [](Graphics& g, int x, int y, int w, int h, int, int) { g.FillRect(x, y, w, h); },
      [](Graphics& g, int x, int y, int w, int h, int, int) { g.DrawRect(x, y, w, h); },
      [](Graphics& g, int x, int y, int w, int h, int, int) { g.DrawLine(x, y, x + w, y + h); },
      [](Graphics& g, int x, int y, int w, int h, int, int) { g.FillOval(x, y, w, h); },
      [](Graphics& g, int x, int y, int w, int h, int, int) { g.DrawOval(x, y, w, h); },
      [](Graphics& g, int x, int y, int w, int h, int ow, int oh) { g.FillRoundRect(x, y, w, h, ow, oh); },
      [](Graphics& g, int x, int y, int w, int h, int ow, int oh) { g.DrawRoundRect(x, y, w, h, ow, oh); },
  };
  for (int round = 0; round < 300; ++round) {
    for (const Shape& shape : shapes) {
      const int x = Any(-30, 20), y = Any(-30, 20), w = Any(-3, 40), h = Any(-3, 40);
      const int pw = Any(1, 4), ph = Any(1, 4), ow = Any(0, 20), oh = Any(0, 20);
      SCOPED_TRACE(testing::Message() << "round " << round << ": " << x << ", " << y << ", " << w << ", " << h
                                      << " pen " << pw << " x " << ph << " corner " << ow << " x " << oh);
      ExpectClippingKeepsPixels(
          [&](Graphics& g, int dx, int dy) {
            g.PenWidth(pw);
            g.PenHeight(ph);
            shape(g, x + dx, y + dy, w, h, ow, oh);
          },
          13, 11, 50);
      if (HasFatalFailure()) return;
    }
  }
}

TEST_F(Sweep, OvalsAreSymmetricConvexAndClosed) {
  for (int round = 0; round < 400; ++round) {
    const Box b{3, 3, Any(1, 60), Any(1, 60)};
    const int pw = Any(1, 3), ph = Any(1, 3);
    SCOPED_TRACE(testing::Message() << "oval " << b.w << " x " << b.h << " pen " << pw << " x " << ph);
    const Ink fill(b.w + 6, b.h + 6, [&](Graphics& g) { g.FillOval(b.x, b.y, b.w, b.h); });
    const Ink outline(b.w + 6, b.h + 6, [&](Graphics& g) {
      g.PenWidth(pw);
      g.PenHeight(ph);
      g.DrawOval(b.x, b.y, b.w, b.h);
    });
    ExpectWellFormed(fill, b);
    ExpectConvex(fill);
    ExpectWellFormed(outline, b);
    for (int y = 0; y < fill.Height(); ++y) {
      for (int x = 0; x < fill.Width(); ++x) ASSERT_TRUE(!outline.At(x, y) || fill.At(x, y)) << "outline outside fill";
    }
    if (b.w >= 3 && b.h >= 3) {
      const Ink thin(b.w + 6, b.h + 6, [&](Graphics& g) { g.DrawOval(b.x, b.y, b.w, b.h); });
      EXPECT_TRUE(Closed(thin, b)) << "a gap in the outline";
    }
    if (HasFailure()) return;
  }
}

TEST_F(Sweep, RoundRectsAreSymmetricConvexAndClosed) {
  for (int round = 0; round < 400; ++round) {
    const Box b{3, 3, Any(1, 50), Any(1, 50)};
    const int ow = Any(0, 60), oh = Any(0, 60);
    SCOPED_TRACE(testing::Message() << "round rect " << b.w << " x " << b.h << " corner " << ow << " x " << oh);
    const Ink fill(b.w + 6, b.h + 6, [&](Graphics& g) { g.FillRoundRect(b.x, b.y, b.w, b.h, ow, oh); });
    const Ink outline(b.w + 6, b.h + 6, [&](Graphics& g) { g.DrawRoundRect(b.x, b.y, b.w, b.h, ow, oh); });
    ExpectWellFormed(fill, b);
    ExpectConvex(fill);
    ExpectWellFormed(outline, b);
    if (b.w >= 3 && b.h >= 3) {
      EXPECT_TRUE(Closed(outline, b)) << "a gap in the outline";
    }
    if (HasFailure()) return;
  }
}

TEST_F(Sweep, LinesStepOnePixelAndHitBothEnds) {
  for (int round = 0; round < 1000; ++round) {
    const int x1 = Any(0, 40), y1 = Any(0, 40), x2 = Any(0, 40), y2 = Any(0, 40);
    SCOPED_TRACE(testing::Message() << "line " << x1 << ", " << y1 << " to " << x2 << ", " << y2);
    const Ink line(41, 41, [&](Graphics& g) { g.DrawLine(x1, y1, x2, y2); });
    const Ink reverse(41, 41, [&](Graphics& g) { g.DrawLine(x2, y2, x1, y1); });
    ASSERT_TRUE(line.At(x1, y1) && line.At(x2, y2));
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1), n = std::max(dx, dy);
    ASSERT_EQ(line.Count(), n + 1);
    for (int y = 0; y < 41; ++y) {
      for (int x = 0; x < 41; ++x) {
        if (!line.At(x, y)) continue;
        ASSERT_EQ(reverse.At(x, y), true) << "the reverse line differs at " << x << ", " << y;
        // Within half a pixel of the ideal line, measured along the minor axis.
        if (n == 0) continue;
        const double t = dx >= dy ? double(x - x1) / (x2 - x1) : double(y - y1) / (y2 - y1);
        const double ideal = dx >= dy ? y1 + t * (y2 - y1) : x1 + t * (x2 - x1);
        ASSERT_LE(std::abs((dx >= dy ? y : x) - ideal), 0.5 + 1e-9) << x << ", " << y;
      }
    }
  }
}

TEST_F(Sweep, ThickLinesAreTheirPenBlocks) {
  for (int round = 0; round < 300; ++round) {
    const int x1 = Any(0, 30), y1 = Any(0, 30), x2 = Any(0, 30), y2 = Any(0, 30);
    const int pw = Any(1, 6), ph = Any(1, 6);
    SCOPED_TRACE(testing::Message() << "line " << x1 << ", " << y1 << " to " << x2 << ", " << y2 << " pen " << pw
                                    << " x " << ph);
    const Ink thin(40, 40, [&](Graphics& g) { g.DrawLine(x1, y1, x2, y2); });
    const Ink thick(40, 40, [&](Graphics& g) {
      g.PenWidth(pw);
      g.PenHeight(ph);
      g.DrawLine(x1, y1, x2, y2);
    });
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        bool covered = false;
        for (int by = y - ph + 1; by <= y && !covered; ++by) {
          for (int bx = x - pw + 1; bx <= x && !covered; ++bx) covered = thin.At(bx, by);
        }
        ASSERT_EQ(thick.At(x, y), covered) << x << ", " << y;
      }
    }
  }
}

// Fills of every kind the drawing holds back or streams (whole-picture fields, tall narrow
// columns in bands, large areas) in random order, against a plain model where each fill sets
// its clipped pixels at once and later fills win. The first rounds draw into pictures of
// 16 MiB and more, where large areas stream past the cache; odd widths put the rows at every
// offset within a cache line.
TEST_F(Sweep, FillsInAnyOrderSetWhatTheyCover) {
  for (int round = 0; round < 60; ++round) {
    const bool large = round < 5;
    const int width = large ? Any(2048, 2080) : Any(20, 140), height = large ? 2048 : Any(60, 700);
    SCOPED_TRACE(testing::Message() << "round " << round << ": " << width << " x " << height);
    std::vector<std::uint32_t> model(static_cast<std::size_t>(width * height), 0xFFFFFF);
    const auto set = [&](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::uint32_t rgb) {
      for (std::int64_t y = std::max<std::int64_t>(y0, 0); y < std::min<std::int64_t>(y1, height); ++y) {
        for (std::int64_t x = std::max<std::int64_t>(x0, 0); x < std::min<std::int64_t>(x1, width); ++x) {
          model[static_cast<std::size_t>(y * width + x)] = rgb;
        }
      }
    };
    auto picture = fw::NewPicture(width, height, 32);
    Graphics& g = *picture->Graphics();
    for (int step = 0, steps = large ? Any(6, 16) : Any(1, 40); step < steps; ++step) {
      const std::uint32_t rgb = Any(0, 3) == 0 ? 0xFFFFFF * Any(0, 1) : static_cast<std::uint32_t>(Any(0, 0xFFFFFF));
      g.ForeColor(rgb);
      const int x = Any(-10, width), y = Any(-80, height), w = Any(1, 9), h = Any(1, height + 100);
      switch (Any(0, 5)) {
        case 0:  // the whole picture, or more
          g.FillRect(-Any(0, 1), -Any(0, 1), width + 1 + Any(0, 1), height + 1 + Any(0, 1));
          set(0, 0, width, height, rgb);
          break;
        case 1: {  // a vertical line, to the far ends of 32 bits now and then
          const int top = Any(0, 5) == 0 ? INT_MIN : y, bottom = Any(0, 5) == 0 ? INT_MAX - 9 : y + h;
          g.PenWidth(w);
          g.DrawLine(x, bottom, x, top);
          set(x, top, x + w, std::int64_t{bottom} + 1, rgb);
          break;
        }
        case 2:  // a wide area
          g.FillRect(x - width / 2, y, width, h);
          set(x - width / 2, y, x - width / 2 + width, std::int64_t{y} + h, rgb);
          break;
        case 3: {  // a short or wide column
          const int wide = w * Any(1, 3), tall = Any(1, 80);
          g.FillRect(x, y, wide, tall);
          set(x, y, x + wide, y + tall, rgb);
          break;
        }
        default:
          g.FillRect(x, y, w, h);
          set(x, y, x + w, std::int64_t{y} + h, rgb);
      }
      if (Any(0, 9) == 0) picture->Image();  // what waits is drawn
    }
    const QImage& image = picture->Image();
    for (int py = 0; py < height; ++py) {
      const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(py));
      for (int px = 0; px < width; ++px) {
        ASSERT_EQ(line[px] & 0xFFFFFFu, model[static_cast<std::size_t>(py * width + px)]) << px << ", " << py;
      }
    }
  }
}

// The row of an ellipse as first computed, by a 128-bit division and an integer square root:
// the reference for the quicker OvalRow.
fw::raster::Span ReferenceOvalRow(std::int64_t w, std::int64_t h, std::int64_t j) {
  const std::int64_t y = 2 * j + 1 - h;
  if (y >= -1 && y <= 1) return {0, w - 1};
  const __int128 q = static_cast<__int128>(w) * w * (static_cast<__int128>(h) * h - static_cast<__int128>(y) * y) /
                     (static_cast<__int128>(h) * h);
  std::int64_t x = 0;
  for (std::int64_t step = std::int64_t{1} << 32; step > 0; step /= 2) {
    if (static_cast<__int128>(x + step) * (x + step) <= q) x += step;
  }
  if ((x - (w + 1)) % 2 != 0) --x;
  if (x < 0) x = 1;
  return {(w - 1 - x) / 2, (w - 1 + x) / 2};
}

TEST_F(Sweep, OvalRowsMatchTheReference) {
  const std::int64_t sizes[] = {1, 2, 3, 4, 7, 64, 1081, 2161, 65535, 1000000007, INT_MAX - 1, INT_MAX};
  for (const std::int64_t w : sizes) {
    for (const std::int64_t h : sizes) {
      std::vector<std::int64_t> rows{0, 1, h / 2 - 1, h / 2, h - 2, h - 1};
      for (int i = 0; i < 40; ++i) rows.push_back(std::uniform_int_distribution<std::int64_t>(0, h - 1)(random_));
      for (const std::int64_t j : rows) {
        if (j < 0 || j >= h) continue;
        const fw::raster::Span fast = fw::raster::OvalRow(w, h, j), plain = ReferenceOvalRow(w, h, j);
        ASSERT_TRUE(fast.left == plain.left && fast.right == plain.right) << w << " x " << h << " row " << j;
      }
    }
  }
}

struct Extreme {
  const char* name;
  std::function<void(Graphics&)> draw;
  std::function<bool(int x, int y)> expected;  // for a 10 x 10 picture
};

void PrintTo(const Extreme& c, std::ostream* os) { *os << c.name; }

class Extremes : public testing::TestWithParam<Extreme> {};

TEST_P(Extremes, NeitherOverflowNorHang) {
  const Ink ink(10, 10, GetParam().draw);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) ASSERT_EQ(ink.At(x, y), GetParam().expected(x, y)) << x << ", " << y;
  }
}

const auto kNone = [](int, int) { return false; };
const auto kAll = [](int, int) { return true; };
constexpr int kBig = 1000000000;

const Extreme kExtremes[] = {
    {"FillEndingBeforeThePicture", [](Graphics& g) { g.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX); }, kNone},
    {"FillReachingPastInt", [](Graphics& g) { g.FillRect(-1000, -1000, INT_MAX, INT_MAX); }, kAll},
    {"FrameAroundThePicture", [](Graphics& g) { g.DrawRect(-10, -10, INT_MAX, INT_MAX); }, kNone},
    {"FrameWithHugePen",
     [](Graphics& g) {
       g.PenWidth(INT_MAX);
       g.PenHeight(INT_MAX);
       g.DrawRect(-10, -10, INT_MAX, INT_MAX);
     },
     kAll},
    {"DiagonalAcrossInt", [](Graphics& g) { g.DrawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
     [](int x, int y) { return x == y; }},
    {"AntiDiagonalAcrossInt", [](Graphics& g) { g.DrawLine(INT_MIN + 9, INT_MAX, INT_MAX, INT_MIN + 9); },
     [](int x, int y) { return x + y == 8; }},
    {"SteepLineStepsAtZero", [](Graphics& g) { g.DrawLine(0, INT_MIN, 1, INT_MAX); },
     [](int x, int) { return x == 1; }},
    {"HorizontalAcrossInt", [](Graphics& g) { g.DrawLine(INT_MAX, 3, INT_MIN, 3); }, [](int, int y) { return y == 3; }},
    {"HugePenFromFarAway",
     [](Graphics& g) {
       g.PenWidth(INT_MAX);
       g.PenHeight(INT_MAX);
       g.DrawLine(INT_MIN, INT_MIN, -5, -7);
     },
     kAll},
    {"OvalAroundThePicture", [](Graphics& g) { g.DrawOval(-kBig, -kBig, 2 * kBig + 10, 2 * kBig + 10); }, kNone},
    {"FilledOvalAroundThePicture", [](Graphics& g) { g.FillOval(-kBig, -kBig, 2 * kBig + 10, 2 * kBig + 10); },
     kAll},
    {"LargestOval", [](Graphics& g) { g.FillOval(INT_MIN, INT_MIN, INT_MAX, INT_MAX); }, kNone},
    {"RoundRectAroundThePicture",
     [](Graphics& g) { g.DrawRoundRect(-kBig, -kBig, 2 * kBig, 2 * kBig, INT_MAX, INT_MAX); }, kNone},
    {"TextFarAway",
     [](Graphics& g) {
       g.DrawString("far", INT_MIN, INT_MIN);
       g.DrawString("far", INT_MAX, INT_MAX, INT_MAX);
       g.DrawString("far away", -kBig, 5, 1, true);
     },
     kNone},
};
INSTANTIATE_TEST_SUITE_P(Graphics, Extremes, testing::ValuesIn(kExtremes),
                         [](const testing::TestParamInfo<Extreme>& info) { return std::string(info.param.name); });

}  // namespace
