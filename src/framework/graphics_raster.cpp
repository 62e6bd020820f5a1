#include "framework/graphics_raster.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

#include <cmath>
#include <cstring>
#include <cwchar>

namespace fw::raster {

namespace {

constexpr std::int64_t kBand = 256;             // rows whose columns are gathered at once
// Columns covering at most 1/kSparse of a row are set over a field filled first; denser ones
// go into a row that is copied.
constexpr std::int64_t kSparse = 16;
constexpr std::size_t kStringStoreFrom = 2048;  // pixels; the string store is quicker from here
constexpr std::size_t kStreamFrom = std::size_t{64} << 10;       // bytes of an area (see Streams)
constexpr std::int64_t kStreamPicture = std::int64_t{16} << 20;  // bytes of a picture (see Streams)

// Whether an area of this many bytes is written past the cache. Storing into a line that is
// not in the cache reads it first, which doubles the traffic of a large area filled row by
// row; a picture this large cannot stay in the cache anyway, while a smaller one may stay
// there from one drawing to the next and is best written in place.
bool Streams(const QImage& image, std::size_t bytes) {
  return bytes >= kStreamFrom && image.sizeInBytes() >= kStreamPicture;
}

// Copies n pixels from the row to p with streaming stores for the whole cache lines and
// plain ones for the partial lines at either end.
void StreamRow(std::uint32_t* p, const std::uint32_t* row, std::size_t n) {
#if defined(__x86_64__)
  for (; n > 0 && reinterpret_cast<std::uintptr_t>(p) % 64 != 0; --n) *p++ = *row++;
  for (; n >= 16; n -= 16, p += 16, row += 16) {
    auto* line = reinterpret_cast<__m128i*>(p);
    const auto* from = reinterpret_cast<const __m128i*>(row);
    _mm_stream_si128(line, _mm_loadu_si128(from));
    _mm_stream_si128(line + 1, _mm_loadu_si128(from + 1));
    _mm_stream_si128(line + 2, _mm_loadu_si128(from + 2));
    _mm_stream_si128(line + 3, _mm_loadu_si128(from + 3));
  }
#endif
  for (; n > 0; --n) *p++ = *row++;
}

// Copies the row (n pixels) into rows first..last of the image from column x on.
void CopyRows(QImage& image, std::int64_t x, std::int64_t first, std::int64_t last, const std::uint32_t* row,
              std::size_t n) {
  const auto stride = static_cast<std::size_t>(image.bytesPerLine());
  uchar* line = image.bits() + static_cast<std::size_t>(first) * stride + static_cast<std::size_t>(x) * 4;
  const bool stream = Streams(image, n * 4 * static_cast<std::size_t>(last - first));
  for (std::int64_t y = first; y < last; ++y, line += stride) {
    auto* p = reinterpret_cast<std::uint32_t*>(line);
    if (stream) {
      StreamRow(p, row, n);
    } else {
      std::memcpy(p, row, n * 4);
    }
  }
#if defined(__x86_64__)
  if (stream) _mm_sfence();  // the streamed stores before whatever comes next
#endif
}

}  // namespace

// memset itself where the four bytes are alike, else the C library's wide-character fill
// (4 bytes on this platform), whose vector stores suit rows; on x86-64 the string store of
// 4-byte words for long runs such as a whole picture, which it writes without reading the
// lines first.
static_assert(sizeof(wchar_t) == 4);
void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel) {
  const std::uint32_t low = pixel & 0xFF;
  if (pixel == low * 0x01010101u) {
    std::memset(p, static_cast<int>(low), n * 4);
    return;
  }
#if defined(__x86_64__) && defined(__GNUC__)
  if (n >= kStringStoreFrom) {
    asm volatile("rep stosl" : "+D"(p), "+c"(n) : "a"(pixel) : "memory");
    return;
  }
#endif
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(pixel), n);
}

void FillSmall(uchar* bits, std::size_t stride, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               std::uint32_t rgb) {
  const std::uint32_t pixel = 0xFF000000u | rgb;
  const auto width = static_cast<std::size_t>(x1 - x0);
  uchar* row = bits + static_cast<std::size_t>(y0) * stride + static_cast<std::size_t>(x0) * 4;
  for (std::int64_t y = y0; y < y1; ++y, row += stride) {
    auto* p = reinterpret_cast<std::uint32_t*>(row);
    if (width > static_cast<std::size_t>(kNarrowColumn)) {
      FillPixels(p, width, pixel);
      continue;
    }
    for (std::size_t i = 0; i < width; ++i) p[i] = pixel;
  }
}

void Fill(QImage& image, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::uint32_t rgb) {
  x0 = std::max<std::int64_t>(x0, 0);
  y0 = std::max<std::int64_t>(y0, 0);
  x1 = std::min<std::int64_t>(x1, image.width());
  y1 = std::min<std::int64_t>(y1, image.height());
  if (x0 >= x1 || y0 >= y1) return;
  const std::uint32_t pixel = 0xFF000000u | rgb;
  // bits() once: scanLine() checks for shared pixels on every call.
  const std::size_t stride = static_cast<std::size_t>(image.bytesPerLine());
  auto* row = image.bits() + static_cast<std::size_t>(y0) * stride + static_cast<std::size_t>(x0) * 4;
  const auto width = static_cast<std::size_t>(x1 - x0);
  const auto rows = static_cast<std::size_t>(y1 - y0);
  // Whole rows of a picture without padding are one run of pixels.
  if (width * 4 == stride) {
    FillPixels(reinterpret_cast<std::uint32_t*>(row), width * rows, pixel);
    return;
  }
  // Narrow columns (vertical lines, the sides of frames) are stored pixel by pixel.
  if (width <= static_cast<std::size_t>(kNarrowColumn)) {
    for (std::size_t r = 0; r < rows; ++r, row += stride) {
      auto* p = reinterpret_cast<std::uint32_t*>(row);
      for (std::size_t i = 0; i < width; ++i) p[i] = pixel;
    }
    return;
  }
  if (Streams(image, width * rows * 4)) {
    const std::vector<std::uint32_t> line(width, pixel);
    CopyRows(image, x0, y0, y1, line.data(), width);
    return;
  }
  for (std::size_t r = 0; r < rows; ++r, row += stride) FillPixels(reinterpret_cast<std::uint32_t*>(row), width, pixel);
}

void FillColumns(QImage& image, const std::vector<Box>& boxes, std::optional<std::uint32_t> field) {
  if (boxes.empty()) {
    if (field) Fill(image, 0, 0, image.width(), image.height(), *field);
    return;
  }
  std::int64_t top = boxes.front().y0, bottom = boxes.front().y1;
  for (const Box& b : boxes) {
    top = std::min(top, b.y0);
    bottom = std::max(bottom, b.y1);
  }
  if (field) top = 0, bottom = image.height();
  const std::size_t stride = static_cast<std::size_t>(image.bytesPerLine());
  uchar* const bits = image.bits();
  // The boxes that reach into a band, in their order, with the rows they cover there.
  struct Part {
    std::int32_t x0, x1, y0, y1;
    std::uint32_t pixel;
  };
  std::vector<Part> band;
  std::vector<std::uint32_t> row;
  for (std::int64_t bandTop = top; bandTop < bottom; bandTop += kBand) {
    const std::int64_t bandEnd = std::min(bandTop + kBand, bottom);
    band.clear();
    bool alike = true;  // every part covers every row of the band
    for (const Box& b : boxes) {
      if (b.y1 <= bandTop || b.y0 >= bandEnd) continue;
      band.push_back({static_cast<std::int32_t>(b.x0), static_cast<std::int32_t>(b.x1),
                      static_cast<std::int32_t>(std::max(b.y0, bandTop)), static_cast<std::int32_t>(std::min(b.y1, bandEnd)),
                      0xFF000000u | b.rgb});
      alike = alike && b.y0 <= bandTop && b.y1 >= bandEnd;
    }
    std::int64_t covered = 0;  // pixels of a row under the parts
    for (const Part& p : band) covered += p.x1 - p.x0;
    if (field && alike && covered * kSparse <= image.width()) {
      // A few thin columns over the field: the field in one run, as fast as a fill gets, and
      // the columns' pixels row by row over it.
      Fill(image, 0, bandTop, image.width(), bandEnd, *field);
      for (std::int64_t y = bandTop; y < bandEnd; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(y) * stride);
        for (const Part& p : band) std::fill(line + p.x0, line + p.x1, p.pixel);
      }
      continue;
    }
    if (field && alike) {
      // Every row of the band comes out the same: it is made once and copied, each pixel
      // written once.
      row.assign(static_cast<std::size_t>(image.width()), 0xFF000000u | *field);
      for (const Part& p : band) std::fill(row.data() + p.x0, row.data() + p.x1, p.pixel);
      CopyRows(image, 0, bandTop, bandEnd, row.data(), row.size());
      continue;
    }
    if (field) Fill(image, 0, bandTop, image.width(), bandEnd, *field);
    for (std::int64_t y = bandTop; y < bandEnd; ++y) {
      auto* line = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(y) * stride);
      for (const Part& p : band) {
        if (y < p.y0 || y >= p.y1) continue;
        for (std::int32_t x = p.x0; x < p.x1; ++x) line[x] = p.pixel;
      }
    }
  }
}

// A pixel belongs to the ellipse when its centre does: in doubled coordinates about the box's
// centre, X = 2i + 1 - w and Y = 2j + 1 - h, that is X^2 h^2 + Y^2 w^2 <= w^2 h^2, which is
// exact in integers and symmetric by construction. Two amendments make the ellipse touch its
// box when it is very narrow or very flat: the middle row (or two) spans the whole width, and
// a row that no centre reaches keeps its middle pixel (or two).
Span OvalRow(std::int64_t w, std::int64_t h, std::int64_t j) {
  const std::int64_t y = 2 * j + 1 - h;
  if (y >= -1 && y <= 1) return {0, w - 1};
  // The largest X with X^2 h^2 <= w^2 (h^2 - y^2): estimated in floating point, then made
  // exact with products that fit in 128 bits (w and h are below 2^32).
  using Unsigned = unsigned __int128;
  const Unsigned slack = static_cast<Unsigned>(w) * w * static_cast<Unsigned>(h - y) * static_cast<Unsigned>(h + y);
  const auto tooWide = [&](std::int64_t v) {
    const Unsigned vh = static_cast<Unsigned>(v) * static_cast<Unsigned>(h);
    return vh * vh > slack;
  };
  auto x = static_cast<std::int64_t>(static_cast<double>(w) *
                                     std::sqrt(static_cast<double>(h - y) * static_cast<double>(h + y)) /
                                     static_cast<double>(h));
  while (x > 0 && tooWide(x)) --x;
  while (!tooWide(x + 1)) ++x;
  if ((x - (w + 1)) % 2 != 0) --x;  // X has the parity of w + 1
  if (x < 0) x = 1;                 // only for even w: the middle two pixels
  return {(w - 1 - x) / 2, (w - 1 + x) / 2};
}

Span RoundRectRow(std::int64_t w, std::int64_t h, std::int64_t ow, std::int64_t oh, std::int64_t j) {
  ow = std::min(ow, w);
  oh = std::min(oh, h);
  if (ow < 1 || oh < 1) return {0, w - 1};
  const std::int64_t corner = oh / 2;  // rows of the top (and of the bottom) quarter ellipses
  std::int64_t row = -1;
  if (j < corner) row = j;
  if (j >= h - corner) row = j - (h - oh);
  if (row < 0) return {0, w - 1};
  const std::int64_t indent = OvalRow(ow, oh, row).left;
  return {indent, w - 1 - indent};
}

}  // namespace fw::raster
