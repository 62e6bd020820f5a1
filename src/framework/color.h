#pragma once
// A 24-bit RGB colour, &hRRGGBB, built with RGB or HSV or given as a constant.
#include <cstdint>

namespace fw {

struct Color {
  std::uint32_t rgb = 0;  // 0xRRGGBB

  constexpr Color() = default;
  constexpr Color(std::uint32_t value) : rgb(value & 0xFFFFFFu) {}
  constexpr int Red() const { return static_cast<int>((rgb >> 16) & 0xFF); }
  constexpr int Green() const { return static_cast<int>((rgb >> 8) & 0xFF); }
  constexpr int Blue() const { return static_cast<int>(rgb & 0xFF); }
  friend constexpr bool operator==(Color a, Color b) { return a.rgb == b.rgb; }
};

// Levels 0 to 255; values outside are clamped.
Color RGB(int r, int g, int b);
// The six-sector conversion in doubles, each channel floor(c * 255 + 0.5); hue 1.0 is hue 0.
Color HSV(double h, double s, double v);

}  // namespace fw
