#pragma once
// What a slow drawing (text, above all) put over a plain start that is quick to draw again:
// its pixels are kept, so that the start drawn again with them pasted over it gives the
// finished picture back at the cost of a copy of those pixels alone.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

class Picture;

class PixelOverlay {
public:
  PixelOverlay() = default;
  ~PixelOverlay();
  PixelOverlay(const PixelOverlay&) = delete;
  PixelOverlay& operator=(const PixelOverlay&) = delete;

  // Takes the picture as it is now as the start, forgetting what was kept. False when memory
  // is short: then nothing is kept.
  bool Begin(const Picture& picture);
  // Keeps the pixels where the picture now differs from the start given to Begin, and lets
  // the start go.
  void End(const Picture& picture);
  // Pastes the kept pixels into picture, which must hold the start again; false (and nothing
  // pasted) when nothing is kept or the picture has another size.
  bool Paste(Picture& picture) const;

  // Keeps nothing and holds no memory.
  void Clear();

  // The memory held now: between Begin and End a whole picture (the start), after End the
  // kept runs and their pixels alone.
  std::size_t Bytes() const;

private:
  // A run of pixels of one row, x0 <= x < x1, where the finished picture differs.
  struct Run {
    std::int32_t y, x0, x1;
  };
  void Unmap();
  void Release();  // Clear, but for the count of bytes held

  std::int32_t width_ = 0, height_ = 0;
  // Pages of its own, so that what is let go goes back to the system at once (the C library
  // keeps freed blocks of some sizes for itself). Between Begin and End the start, row after
  // row; after End the runs' pixels, one run after another, and no page more.
  std::uint32_t* pixels_ = nullptr;
  std::size_t mapped_ = 0;  // bytes
  std::vector<Run> runs_;
  bool ended_ = false;
};

// The bytes that all pixel overlays hold now (tests read it).
std::size_t PixelOverlayBytes();

}  // namespace fw
