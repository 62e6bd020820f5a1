#include "patterns/cPatternCanvas.h"

#include <array>

#include "framework/strings.h"

using fw::Ceil;
using fw::Int;
using fw::RGB;

void cPatternCanvas::DrawSmpteBars(bool digital) {
  const std::int32_t W = g->Width(), H = g->Height();
  // Positions come from the exact sevenths and twelfths; widths are rounded up, so that
  // neighbouring areas meet or overlap by a pixel and never leave a gap.
  const double bw = W / 7.0, bh = H / 12.0;
  const std::int32_t wc = Int(Ceil(bw)), hc = Int(Ceil(bh));
  const std::int32_t q = Int(Ceil(5 * bw / 4));
  const double t = bw / 3;
  const std::int32_t s = Int(Ceil(t));

  const std::array<fw::Color, 7> top{RGB(180, 180, 180), RGB(180, 180, 16), RGB(16, 180, 180), RGB(16, 180, 16),
                                     RGB(180, 16, 180),  RGB(180, 16, 16),  RGB(16, 16, 180)};
  for (std::int32_t k = 0; k < 7; ++k) {
    g->ForeColor(top[k]);
    g->FillRect(Int(k * bw), 0, wc, 8 * hc);
  }

  const std::array<fw::Color, 7> middle{RGB(16, 16, 180), RGB(16, 16, 16),   RGB(180, 16, 180), RGB(16, 16, 16),
                                        RGB(16, 180, 180), RGB(16, 16, 16), RGB(180, 180, 180)};
  for (std::int32_t k = 0; k < 7; ++k) {
    g->ForeColor(middle[k]);
    g->FillRect(Int(k * bw), Int(8 * bh), wc, hc);
  }

  const std::array<fw::Color, 4> bottom{RGB(0, 29, 66), RGB(235, 235, 235), RGB(44, 0, 92), RGB(16, 16, 16)};
  for (std::int32_t j = 0; j < 4; ++j) {
    g->ForeColor(bottom[j]);
    g->FillRect(j * q, Int(9 * bh), q, 3 * hc);
  }

  // The three near-black PLUGE strips; the digital ones reach down to level 0.
  const std::array<fw::Color, 3> pluge = digital ? std::array<fw::Color, 3>{RGB(0, 0, 0), RGB(7, 7, 7), RGB(16, 16, 16)}
                                                 : std::array<fw::Color, 3>{RGB(7, 7, 7), RGB(16, 16, 16), RGB(24, 24, 24)};
  for (std::int32_t j = 0; j < 3; ++j) {
    g->ForeColor(pluge[j]);
    g->FillRect(Int(5 * bw + j * t), Int(9 * bh), s, 3 * hc);
  }

  g->ForeColor(RGB(16, 16, 16));
  g->FillRect(Int(6 * bw), Int(9 * bh), wc, 3 * hc);
}
