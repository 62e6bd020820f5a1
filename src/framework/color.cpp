#include "framework/color.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {
std::uint32_t Level(int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); }
std::uint32_t Level(double c) { return Level(static_cast<int>(std::floor(std::clamp(c, 0.0, 1.0) * 255.0 + 0.5))); }
}  // namespace

Color RGB(int r, int g, int b) { return Color((Level(r) << 16) | (Level(g) << 8) | Level(b)); }

Color HSV(double h, double s, double v) {
  h = h - std::floor(h);  // hue 1.0 is hue 0
  s = std::clamp(s, 0.0, 1.0);
  v = std::clamp(v, 0.0, 1.0);
  const double scaled = h * 6.0;
  const int sector = static_cast<int>(scaled) % 6;
  const double f = scaled - std::floor(scaled);
  const double p = v * (1.0 - s);
  const double q = v * (1.0 - s * f);
  const double t = v * (1.0 - s * (1.0 - f));
  double r = v, g = t, b = p;
  switch (sector) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
  return Color((Level(r) << 16) | (Level(g) << 8) | Level(b));
}

}  // namespace fw
