#include "framework/pixel_overlay.h"

#include <QImage>

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/picture.h"

namespace fw {

namespace {

// Pixels are compared in blocks of one cache line; a gap of a few unchanged blocks is copied
// along rather than starting a new run, since each run costs a call of its own.
constexpr std::int32_t kBlock = 16;
constexpr std::int32_t kGapBlocks = 2;

bool Differs(const std::uint32_t* a, const std::uint32_t* b, std::int32_t n) {
  std::uint32_t any = 0;
  for (std::int32_t i = 0; i < n; ++i) any |= a[i] ^ b[i];
  return any != 0;
}

const std::uint32_t* Row(const QImage& image, std::int32_t y) {
  return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}

std::size_t BytesOf(std::size_t pixels) { return pixels * sizeof(std::uint32_t); }

}  // namespace

void PixelOverlay::Clear() {
  pixels_.reset();
  room_ = 0;
  runs_ = {};
  ended_ = false;
}

bool PixelOverlay::Begin(const Picture& picture) {
  runs_.clear();
  ended_ = false;
  const QImage& image = picture.Image();
  width_ = image.width();
  height_ = image.height();
  const std::size_t room = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  if (room != room_) {
    Clear();
    // 8 to 33 MB for a screen, all touched at once: asked for in huge pages where the system
    // has them, so that the first touch costs a few page faults rather than thousands.
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    const std::size_t bytes = (BytesOf(room) + kHugePage - 1) / kHugePage * kHugePage;
    pixels_.reset(static_cast<std::uint32_t*>(std::aligned_alloc(kHugePage, bytes)));
    if (!pixels_) return false;
    madvise(pixels_.get(), bytes, MADV_HUGEPAGE);  // a hint, which the system may ignore
    room_ = room;
  }
  for (std::int32_t y = 0; y < height_; ++y) {
    std::memcpy(pixels_.get() + static_cast<std::size_t>(y) * width_, Row(image, y), BytesOf(width_));
  }
  return true;
}

void PixelOverlay::End(const Picture& picture) {
  const QImage& image = picture.Image();
  if (!pixels_ || ended_ || image.width() != width_ || image.height() != height_) {
    Clear();
    return;
  }
  // Row by row: the row's runs are found against the start, then their pixels are written
  // over start rows already compared.
  std::uint32_t* const kept = pixels_.get();
  std::size_t count = 0;
  try {
    for (std::int32_t y = 0; y < height_; ++y) {
      const std::uint32_t* now = Row(image, y);
      const std::uint32_t* was = kept + static_cast<std::size_t>(y) * width_;
      if (std::memcmp(now, was, BytesOf(width_)) == 0) continue;
      const std::size_t first = runs_.size();
      std::int32_t x0 = -1, x1 = -1;
      for (std::int32_t x = 0; x < width_; x += kBlock) {
        const std::int32_t end = std::min(x + kBlock, width_);
        if (!Differs(now + x, was + x, end - x)) continue;
        if (x0 >= 0 && x - x1 > kGapBlocks * kBlock) {
          runs_.push_back({y, x0, x1});
          x0 = -1;
        }
        if (x0 < 0) x0 = x;
        x1 = end;
      }
      runs_.push_back({y, x0, x1});
      for (std::size_t r = first; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        std::memmove(kept + count, now + run.x0, BytesOf(run.x1 - run.x0));
        count += static_cast<std::size_t>(run.x1 - run.x0);
      }
    }
  } catch (const std::bad_alloc&) {
    Clear();
    return;
  }
  ended_ = true;
}

bool PixelOverlay::Paste(Picture& picture) const {
  if (!ended_) return false;
  QImage& image = picture.Image();
  if (image.width() != width_ || image.height() != height_) return false;
  // bits() once: scanLine() checks for shared pixels on every call.
  uchar* const bits = image.bits();
  const auto stride = static_cast<std::size_t>(image.bytesPerLine());
  const std::uint32_t* from = pixels_.get();
  for (const Run& run : runs_) {
    auto* row = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(run.y) * stride);
    std::memcpy(row + run.x0, from, BytesOf(run.x1 - run.x0));
    from += run.x1 - run.x0;
  }
  return true;
}

}  // namespace fw
