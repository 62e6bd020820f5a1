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

constexpr std::size_t kPage = 4096;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t RoundUp(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit * unit; }

std::size_t bytesHeld = 0;

// A screen's worth (8 to 33 MB), all touched at once: mapped on huge-page boundaries and
// asked for in huge pages where the system has them, so that the first touch costs a few
// page faults rather than thousands. Null when memory is short.
std::uint32_t* MapStart(std::size_t bytes) {
  const std::size_t length = bytes + kHugePage;
  void* const mapped = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto at = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = RoundUp(at, kHugePage);
  if (aligned > at) munmap(mapped, aligned - at);
  munmap(reinterpret_cast<void*>(aligned + bytes), at + length - (aligned + bytes));
  madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);  // a hint, which the system may ignore
  return reinterpret_cast<std::uint32_t*>(aligned);
}

// Keeps bytesHeld true across a change of what an overlay holds.
class Held {
public:
  explicit Held(const PixelOverlay& overlay) : overlay_(overlay), before_(overlay.Bytes()) {}
  ~Held() { bytesHeld = bytesHeld - before_ + overlay_.Bytes(); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

private:
  const PixelOverlay& overlay_;
  std::size_t before_;
};

}  // namespace

std::size_t PixelOverlayBytes() { return bytesHeld; }

PixelOverlay::~PixelOverlay() { Clear(); }

void PixelOverlay::Unmap() {
  if (pixels_) munmap(pixels_, mapped_);
  pixels_ = nullptr;
  mapped_ = 0;
}

void PixelOverlay::Release() {
  Unmap();
  runs_.clear();
  runs_.shrink_to_fit();
  ended_ = false;
}

void PixelOverlay::Clear() {
  const Held held(*this);
  Release();
}

std::size_t PixelOverlay::Bytes() const { return mapped_ + runs_.capacity() * sizeof(Run); }

bool PixelOverlay::Begin(const Picture& picture) {
  const Held held(*this);
  Release();
  const QImage& image = picture.Image();
  width_ = image.width();
  height_ = image.height();
  const std::size_t bytes =
      RoundUp(BytesOf(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)), kHugePage);
  pixels_ = MapStart(bytes);
  if (!pixels_) return false;
  mapped_ = bytes;
  for (std::int32_t y = 0; y < height_; ++y) {
    std::memcpy(pixels_ + static_cast<std::size_t>(y) * width_, Row(image, y), BytesOf(width_));
  }
  return true;
}

void PixelOverlay::End(const Picture& picture) {
  const Held held(*this);
  const QImage& image = picture.Image();
  if (!pixels_ || ended_ || image.width() != width_ || image.height() != height_) {
    Release();
    return;
  }
  // Row by row: the row's runs are found against the start, then their pixels are written
  // over start rows already compared.
  std::uint32_t* const kept = pixels_;
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
    runs_.shrink_to_fit();
  } catch (const std::bad_alloc&) {
    Release();
    return;
  }
  // The pages past the runs' pixels go back.
  const std::size_t keep = RoundUp(BytesOf(count), kPage);
  if (keep == 0) {
    Unmap();
  } else if (keep < mapped_) {
    munmap(reinterpret_cast<unsigned char*>(pixels_) + keep, mapped_ - keep);
    mapped_ = keep;
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
  const std::uint32_t* from = pixels_;
  for (const Run& run : runs_) {
    auto* row = reinterpret_cast<std::uint32_t*>(bits + static_cast<std::size_t>(run.y) * stride);
    std::memcpy(row + run.x0, from, BytesOf(run.x1 - run.x0));
    from += run.x1 - run.x0;
  }
  return true;
}

}  // namespace fw
