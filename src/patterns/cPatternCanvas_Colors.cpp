#include "patterns/cPatternCanvas.h"

#include "framework/strings.h"

using fw::Int;

void cPatternCanvas::DrawField(fw::Color color) {
  g->ForeColor(color);
  g->FillRect(0, 0, g->Width(), g->Height());
}

void cPatternCanvas::DrawValueLabel(const std::string& text, std::int32_t cx, std::int32_t cy, double a, double b,
                                    double r, double d) {
  // The box is one text line high and as wide as b whatever the text says.
  g->ForeColor(0xFFFFFF);
  g->FillRoundRect(Int(cx - a), Int(cy - g->TextHeight() / 2.0), Int(b), g->TextHeight(), Int(r), Int(r));
  g->ForeColor(0x000000);
  g->DrawString(text, Int(cx - g->StringWidth(text) / d), Int(cy + g->TextHeight() / 3.5));
}

void cPatternCanvas::DrawGrayShades() {
  // Positions in tenths of a pixel, so that ten patches span the picture without a gap; each
  // patch is a pixel larger than a tenth and the next one paints over the overlap.
  std::int32_t n = 1;
  for (std::int32_t yt = 0; yt <= 9 * g->Height(); yt += g->Height()) {
    for (std::int32_t xt = 0; xt <= 9 * g->Width(); xt += g->Width()) {
      const std::int32_t W = g->Width(), H = g->Height();
      g->ForeColor(fw::HSV(0, 0, (100 - n) / 100.0));
      g->FillRect(Int(xt / 10.0), Int(yt / 10.0), Int(W / 10.0 + 1), Int(H / 10.0 + 1));
      DrawValueLabel(fw::Str(n) + "%", Int(xt / 10.0 + W / 20.0), Int(yt / 10.0 + H / 20.0), W / 60.0, W / 30.0,
                     W / 200.0, 2);
      n = n + 1;
    }
  }
}

void cPatternCanvas::DrawColorShades() {
  static constexpr double kHues[] = {1.0, 1.0 / 3, 2.0 / 3, 0.5, 5.0 / 6, 1.0 / 6};  // red green blue cyan magenta yellow
  const std::int32_t cw = Int(g->Width() / 10.0);
  // A picture narrower than ten pixels has no column to step by.
  if (cw < 1) return;
  std::int32_t c = 0;
  for (std::int32_t x = 0; x <= g->Width() - cw; x += cw) {
    const std::int32_t W = g->Width(), H = g->Height();
    const double v = (10 - c) / 10.0;
    // The last column reaches the right edge.
    const std::int32_t width = x + cw > W - cw ? W - x : cw;
    for (std::int32_t k = 0; k < 6; ++k) {
      g->ForeColor(fw::HSV(kHues[k], 1.0, v));
      g->FillRect(x, Int(k * H / 6.0), width, Int(H / 6.0 + 1));
    }
    DrawValueLabel(fw::Str((10 - c) * 10) + "%", Int(x + cw / 2.0), Int(H / 2.0), cw / 6.0, cw / 3.0, cw / 20.0, 2);
    c = c + 1;
  }
}
