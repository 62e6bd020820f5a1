#pragma once
// What a slow drawing (text, above all) put over a plain start that is quick to draw again:
// its pixels are kept, so that the start drawn again with them pasted over it gives the
// finished picture back at the cost of a copy of those pixels alone.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace fw {

class Picture;

class PixelOverlay {
public:
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

private:
  struct Free {
    void operator()(std::uint32_t* p) const { std::free(p); }
  };
  // A run of pixels of one row, x0 <= x < x1, where the finished picture differs.
  struct Run {
    std::int32_t y, x0, x1;
  };

  std::int32_t width_ = 0, height_ = 0;
  // Room for the picture's pixels, kept while its size stays: between Begin and End the start,
  // row after row; after End the runs' pixels, one run after another (the runs of a row take
  // no more room than the row did).
  std::unique_ptr<std::uint32_t[], Free> pixels_;
  std::size_t room_ = 0;
  std::vector<Run> runs_;
  bool ended_ = false;
};

}  // namespace fw
