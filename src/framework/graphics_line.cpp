// Lines, drawn a row of the picture at a time rather than a point at a time, so that a line
// of any length and a pen of any size cost no more than the rows they cover.
//
// Point i (0 <= i <= n) of a line n steps long along its major axis and k steps along its
// minor axis lies i steps along the major axis and m(i) = floor((2ik + n) / 2n) steps along the
// minor one: the nearest pixel to the ideal line, with halves going away from the start, as
// Bresenham's error term gives it. The points whose pen blocks reach one row are a run of
// consecutive i, whose x values are consecutive too, so their blocks make one span.
#include "framework/graphics.h"

#include <QImage>

#include <utility>

#include "framework/graphics_raster.h"

namespace fw {

namespace {

using Wide = __int128;

std::int64_t CeilDiv(Wide a, Wide b) {  // b > 0
  const Wide q = a / b;
  return static_cast<std::int64_t>(q * b < a ? q + 1 : q);
}

struct Walk {
  std::int64_t n;  // steps along the major axis
  std::int64_t k;  // steps along the minor axis, 0 < k <= n

  std::int64_t Offset(std::int64_t i) const {
    return static_cast<std::int64_t>((2 * static_cast<Wide>(i) * k + n) / (2 * static_cast<Wide>(n)));
  }
  // The first i whose offset is at least m: n + 1 when there is none.
  std::int64_t First(std::int64_t m) const {
    if (m <= 0) return 0;
    if (m > k) return n + 1;
    return CeilDiv((2 * static_cast<Wide>(m) - 1) * n, 2 * static_cast<Wide>(k));
  }
};

}  // namespace

void Graphics::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (penWidth_ < 1 || penHeight_ < 1) return;
  const std::int64_t pw = penWidth_;
  const std::int64_t ph = penHeight_;
  std::int64_t ax = x1, ay = y1, bx = x2, by = y2;
  if (ax == bx || ay == by) {
    Area(std::min(ax, bx), std::min(ay, by), std::max(ax, bx) + pw, std::max(ay, by) + ph);
    return;
  }
  DrawColumns();
  const std::int64_t dx = ax < bx ? bx - ax : ax - bx;
  const std::int64_t dy = ay < by ? by - ay : ay - by;
  const bool xMajor = dx >= dy;
  // Walking from the end with the smaller major coordinate makes a line and its reverse alike.
  if (xMajor ? ax > bx : ay > by) {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  const Walk walk{std::max(dx, dy), std::min(dx, dy)};
  const std::int64_t minorStep = (xMajor ? by > ay : bx > ax) ? 1 : -1;

  const raster::RowWriter out(*image_, foreColor_.rgb);
  const raster::Rows rows = raster::VisibleRows(*image_, std::min(ay, by), dy + ph);
  for (std::int64_t j = rows.first; j < rows.last; ++j) {
    // Points with lo <= y <= hi put their blocks on this row.
    const std::int64_t hi = std::min(ay, by) + j;
    const std::int64_t lo = hi - ph + 1;
    std::int64_t first = 0, last = -1;
    if (xMajor) {
      const std::int64_t mLo = minorStep > 0 ? lo - ay : ay - hi;
      const std::int64_t mHi = minorStep > 0 ? hi - ay : ay - lo;
      first = walk.First(mLo);
      last = std::min(walk.First(mHi + 1) - 1, walk.n);
    } else {
      first = std::max<std::int64_t>(lo - ay, 0);
      last = std::min(hi - ay, walk.n);
    }
    if (first > last) continue;
    std::int64_t left = xMajor ? ax + first : ax + minorStep * walk.Offset(first);
    std::int64_t right = xMajor ? ax + last : ax + minorStep * walk.Offset(last);
    if (left > right) std::swap(left, right);
    out.Span(hi, left, right + pw);
  }
}

}  // namespace fw
