#pragma once
// The pixel loops under Graphics. Every coordinate here is 64-bit, so that the sums of 32-bit
// positions and sizes cannot overflow, and every loop runs over clipped rows only.
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace fw::raster {

// Sets the pixels x0 <= px < x1, y0 <= py < y1 that lie in the image.
void Fill(QImage& image, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::uint32_t rgb);

// Fill for an area of a few pixels, already clipped, in pixels given with their row stride.
void FillSmall(uchar* bits, std::size_t stride, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               std::uint32_t rgb);

// Sets n pixels from p on at the speed of memset.
void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel);

// Sets spans of rows of the image in one colour, for the verbs that draw a row at a time: the
// image's layout is looked up once, not for every row.
class RowWriter {
public:
  RowWriter(QImage& image, std::uint32_t rgb)
      : bits_(image.bits()), stride_(static_cast<std::size_t>(image.bytesPerLine())), width_(image.width()),
        pixel_(0xFF000000u | rgb) {}
  // The pixels x0 <= px < x1 of row y, which must lie in the image; x0 and x1 are clipped.
  void Span(std::int64_t y, std::int64_t x0, std::int64_t x1) const {
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min(x1, width_);
    if (x0 >= x1) return;
    auto* p = reinterpret_cast<std::uint32_t*>(bits_ + static_cast<std::size_t>(y) * stride_) + x0;
    const auto n = static_cast<std::size_t>(x1 - x0);
    if (n > 8) {
      FillPixels(p, n, pixel_);
      return;
    }
    for (std::size_t i = 0; i < n; ++i) p[i] = pixel_;  // a call costs more than these few
  }

private:
  uchar* bits_;
  std::size_t stride_;
  std::int64_t width_;
  std::uint32_t pixel_;
};

// Columns at most this many pixels wide are set pixel by pixel, and tall ones wait in Graphics
// to be set together by FillColumns: a call per row would cost more than their pixels.
constexpr std::int64_t kNarrowColumn = 8;

// Clipped rectangles in one colour each, all inside the image, set in their order: row by
// row (a band of rows at a time), so that many narrow columns cost what their pixels cost
// rather than a fetch of every row's cache line per column. With a field, the whole image is
// first filled with it; rows that come out alike are then made once and copied, or, under a
// few thin columns, filled in one run with the columns set over them.
struct Box {
  std::int64_t x0, y0, x1, y1;
  std::uint32_t rgb;
};
void FillColumns(QImage& image, const std::vector<Box>& boxes, std::optional<std::uint32_t> field = std::nullopt);

// One row of a shape, as box-relative columns left..right (inclusive); empty when left > right.
struct Span {
  std::int64_t left = 0;
  std::int64_t right = -1;
  bool Empty() const { return left > right; }
};

inline Span Intersect(Span a, Span b) { return {std::max(a.left, b.left), std::min(a.right, b.right)}; }

// Row j (0 <= j < h) of the ellipse inscribed in a w x h box. The rows are nested: each is
// centred and none is wider than a row nearer the middle, so every column is one run as well.
Span OvalRow(std::int64_t w, std::int64_t h, std::int64_t j);

// Row j of the w x h rectangle whose corners are the quarters of an ow x oh ellipse.
Span RoundRectRow(std::int64_t w, std::int64_t h, std::int64_t ow, std::int64_t oh, std::int64_t j);

// The box's rows that fall inside the image, as first..last (exclusive).
struct Rows {
  std::int64_t first;
  std::int64_t last;
};
inline Rows VisibleRows(const QImage& image, std::int64_t y, std::int64_t h) {
  return {std::max<std::int64_t>(0, -y), std::min<std::int64_t>(h, image.height() - y)};
}

// Fills the shape whose rows rowOf(j) gives, in the box (x, y, w, h).
template <class RowOf>
void FillShape(QImage& image, std::int64_t x, std::int64_t y, std::int64_t h, RowOf rowOf, std::uint32_t rgb) {
  const RowWriter out(image, rgb);
  const Rows rows = VisibleRows(image, y, h);
  for (std::int64_t j = rows.first; j < rows.last; ++j) {
    const Span s = rowOf(j);
    if (!s.Empty()) out.Span(y + j, x + s.left, x + s.right + 1);
  }
}

// The outline of such a shape (rows and columns each one run): the pixels that have a pixel
// outside the shape within pw along their row or within ph along their column. The shape's
// rows are nested and mirrored top to bottom, so of the rows ph above and ph below, the one
// farther from the middle is the narrower and alone decides.
template <class RowOf>
void OutlineShape(QImage& image, std::int64_t x, std::int64_t y, std::int64_t h, std::int64_t pw, std::int64_t ph,
                  RowOf rowOf, std::uint32_t rgb) {
  const RowWriter out(image, rgb);
  const Rows rows = VisibleRows(image, y, h);
  // Each row is wanted twice, as itself and as a neighbour: the rows of the visible part and
  // of its neighbours are made once (unless the pen reaches farther than the picture is high).
  const std::int64_t lo = std::max<std::int64_t>(0, rows.first - ph), hi = std::min(h, rows.last + ph);
  const bool keep = rows.first < rows.last && ph <= rows.last - rows.first;
  std::vector<Span> made(keep ? static_cast<std::size_t>(hi - lo) : 0);
  std::vector<bool> known(made.size());
  const auto row = [&](std::int64_t j) {
    if (!keep || j < lo || j >= hi) return rowOf(j);
    const auto i = static_cast<std::size_t>(j - lo);
    if (!known[i]) made[i] = rowOf(j), known[i] = true;
    return made[i];
  };
  for (std::int64_t j = rows.first; j < rows.last; ++j) {
    const Span s = row(j);
    if (s.Empty()) continue;
    Span inner{s.left + pw, s.right - pw};
    if (j - ph < 0 || j + ph >= h) {
      inner = Span{};
    } else if (!inner.Empty()) {
      inner = Intersect(inner, row(2 * j + 1 < h ? j - ph : j + ph));
    }
    if (inner.Empty()) {
      out.Span(y + j, x + s.left, x + s.right + 1);
      continue;
    }
    out.Span(y + j, x + s.left, x + inner.left);
    out.Span(y + j, x + inner.right + 1, x + s.right + 1);
  }
}

}  // namespace fw::raster
