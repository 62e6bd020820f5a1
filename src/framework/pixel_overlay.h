#pragma once
// What a slow drawing (text, above all) put over a plain start that is quick to draw again:
// its pixels are kept, so that the start drawn again with them pasted over it gives the
// finished picture back at the cost of a copy of those pixels.
#include <cstdint>
#include <memory>
#include <vector>

class QImage;

namespace fw {

class Picture;

class PixelOverlay {
public:
  PixelOverlay();
  ~PixelOverlay();
  PixelOverlay(const PixelOverlay&) = delete;
  PixelOverlay& operator=(const PixelOverlay&) = delete;

  // Takes the picture as it is now as the start, forgetting what was kept. False when memory
  // is short: then nothing is kept.
  bool Begin(Picture& picture);
  // Keeps the pixels where the picture now differs from the start given to Begin.
  void End(Picture& picture);
  // Pastes the kept pixels into picture, which must hold the start again; false (and nothing
  // pasted) when nothing is kept or the picture has another size.
  bool Paste(Picture& picture) const;

  // Keeps nothing and holds no memory.
  void Clear();

private:
  // A run of pixels of one row, x0 <= x < x1, where the finished picture differs.
  struct Run {
    std::int32_t y, x0, x1;
  };
  std::unique_ptr<QImage> kept_;  // the start, then the finished picture where it differs
  std::vector<Run> runs_;
  bool ended_ = false;
};

}  // namespace fw
