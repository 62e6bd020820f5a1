#include "framework/pixel_overlay.h"

#include <QImage>

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
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

void CopyPixels(QImage& to, const QImage& from, std::int32_t y, std::int32_t x0, std::int32_t x1) {
  const auto* source = reinterpret_cast<const std::uint32_t*>(from.constScanLine(y)) + x0;
  auto* target = reinterpret_cast<std::uint32_t*>(to.scanLine(y)) + x0;
  std::memcpy(target, source, static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
}

// A copy of image in memory of its own. A screen's pixels are 8 to 33 MB that are touched at
// once: they are asked for in huge pages where the system has them, so that the first touch
// costs a few page faults instead of thousands. Null when memory is short.
QImage CopyOf(const QImage& image) {
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* memory = std::aligned_alloc(kHugePage, rounded);
  if (!memory) return {};
  madvise(memory, rounded, MADV_HUGEPAGE);  // a hint: without it the pixels only cost more to touch
  std::memcpy(memory, image.constBits(), bytes);
  return QImage(static_cast<uchar*>(memory), image.width(), image.height(), image.bytesPerLine(), image.format(),
                std::free, memory);
}

}  // namespace

PixelOverlay::PixelOverlay() = default;
PixelOverlay::~PixelOverlay() = default;

void PixelOverlay::Clear() {
  kept_.reset();
  runs_ = {};
  ended_ = false;
}

bool PixelOverlay::Begin(Picture& picture) {
  const QImage& image = picture.Image();
  ended_ = false;
  runs_.clear();
  if (kept_ && kept_->size() == image.size() && kept_->format() == image.format()) {
    std::memcpy(kept_->bits(), image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
    return true;
  }
  kept_.reset();
  QImage copy = CopyOf(image);
  if (copy.isNull()) return false;
  kept_ = std::make_unique<QImage>(std::move(copy));
  return true;
}

void PixelOverlay::End(Picture& picture) {
  if (!kept_) return;
  const QImage& image = picture.Image();
  if (image.size() != kept_->size() || image.format() != kept_->format()) {
    Clear();
    return;
  }
  const std::int32_t width = image.width();
  try {
    for (std::int32_t y = 0; y < image.height(); ++y) {
      const auto* now = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
      const auto* start = reinterpret_cast<const std::uint32_t*>(kept_->constScanLine(y));
      if (std::memcmp(now, start, static_cast<std::size_t>(width) * sizeof(std::uint32_t)) == 0) continue;
      std::int32_t runStart = -1, runEnd = -1;
      for (std::int32_t x = 0; x < width; x += kBlock) {
        const std::int32_t end = std::min(x + kBlock, width);
        if (!Differs(now + x, start + x, end - x)) continue;
        if (runStart >= 0 && x - runEnd > kGapBlocks * kBlock) {
          runs_.push_back({y, runStart, runEnd});
          runStart = -1;
        }
        if (runStart < 0) runStart = x;
        runEnd = end;
      }
      runs_.push_back({y, runStart, runEnd});
    }
  } catch (const std::bad_alloc&) {
    Clear();
    return;
  }
  for (const Run& run : runs_) CopyPixels(*kept_, image, run.y, run.x0, run.x1);
  ended_ = true;
}

bool PixelOverlay::Paste(Picture& picture) const {
  if (!ended_) return false;
  QImage& image = picture.Image();
  if (image.size() != kept_->size() || image.format() != kept_->format()) return false;
  for (const Run& run : runs_) CopyPixels(image, *kept_, run.y, run.x0, run.x1);
  return true;
}

}  // namespace fw
