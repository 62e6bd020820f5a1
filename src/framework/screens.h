#pragma once
// The attached screens, in physical pixels. Screen(0) is the primary screen.
#include <cstdint>
#include <optional>
#include <vector>

class QScreen;

namespace fw {

struct ScreenInfo {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;  // physical pixels
  std::int32_t Depth = 32;                                 // bits per pixel
  double Scale = 1.0;                                      // physical pixels per logical pixel
};

std::int32_t ScreenCount();
// OutOfBoundsException for an index outside 0..ScreenCount()-1.
ScreenInfo Screen(std::int32_t index);

// Tests replace the screen list to act out screens that come and go; nullopt restores the real one.
void SetScreensForTesting(std::optional<std::vector<ScreenInfo>> screens);

// Framework-internal: the Qt screen behind an index (nullptr when there is none, e.g. under a test
// list), in the same order as Screen(i).
QScreen* QtScreen(std::int32_t index);

}  // namespace fw
