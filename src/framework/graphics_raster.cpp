#include "framework/graphics_raster.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

#include <cmath>
#include <cstring>

namespace fw::raster {

namespace {

using Wide = __int128;

constexpr std::int64_t kBand = 256;             // rows whose columns are gathered at once
constexpr std::size_t kStringStoreFrom = 256;  // pixels; below it the store's start-up costs more
constexpr std::size_t kStreamFrom = std::size_t{64} << 10;  // bytes of an area; smaller ones stay in the cache

// floor(sqrt(v)) for v below 2^63.
std::int64_t SquareRoot(std::int64_t v) {
  auto r = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(v)));
  while (static_cast<Wide>(r) * r > v) --r;
  while (static_cast<Wide>(r + 1) * (r + 1) <= v) ++r;
  return r;
}

// Sets n pixels from p on, at the speed of memset: memset itself where the four bytes are
// alike; else, on x86-64, the string store of 4-byte words for longer runs (what memset does
// for bytes) and 16-byte stores for short ones.
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
  const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
  for (; n >= 4; n -= 4, p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
#endif
  for (; n > 0; --n) *p++ = pixel;
}

// Sets n pixels from p on, storing whole cache lines past the cache: an area filled row by row
// would else read every line before writing it, and an area this large leaves the cache anyway.
// The partial lines at either end get plain stores. The caller ends with a fence (EndStreaming).
void StreamPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel) {
#if defined(__x86_64__)
  for (; n > 0 && reinterpret_cast<std::uintptr_t>(p) % 64 != 0; --n) *p++ = pixel;
  const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
  for (; n >= 16; n -= 16, p += 16) {
    auto* line = reinterpret_cast<__m128i*>(p);
    _mm_stream_si128(line, four);
    _mm_stream_si128(line + 1, four);
    _mm_stream_si128(line + 2, four);
    _mm_stream_si128(line + 3, four);
  }
#endif
  for (; n > 0; --n) *p++ = pixel;
}

// Orders the streamed stores before whatever reads or writes the pixels next.
void EndStreaming() {
#if defined(__x86_64__)
  _mm_sfence();
#endif
}

// Copies n pixels from the row to p, past the cache as StreamPixels does.
void StreamCopy(std::uint32_t* p, const std::uint32_t* row, std::size_t n) {
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

}  // namespace

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
  if (width * rows * 4 >= kStreamFrom) {
    for (std::size_t r = 0; r < rows; ++r, row += stride) StreamPixels(reinterpret_cast<std::uint32_t*>(row), width, pixel);
    EndStreaming();
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
    if (field && alike) {
      // Every row of the band comes out the same: it is made once and copied, each pixel
      // written once.
      row.assign(static_cast<std::size_t>(image.width()), 0xFF000000u | *field);
      for (const Part& p : band) std::fill(row.data() + p.x0, row.data() + p.x1, p.pixel);
      for (std::int64_t y = bandTop; y < bandEnd; ++y) {
        StreamCopy(reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(y) * stride), row.data(), row.size());
      }
      EndStreaming();
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
  const Wide slack = static_cast<Wide>(w) * w * (static_cast<Wide>(h) * h - static_cast<Wide>(y) * y);
  std::int64_t x = SquareRoot(static_cast<std::int64_t>(slack / (static_cast<Wide>(h) * h)));
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
