#include "patterns/cPatternCanvas.h"

#include <array>
#include <cmath>
#include <string>

#include "framework/strings.h"
#include "patterns/MainWindowOptions.h"

using fw::Int;

namespace {

constexpr std::array<fw::Color, 3> kFrameColors{0xFF6666, 0xFFFF66, 0x66CCFF};

struct Label {
  double xb, yb;  // the box's left and top edge
  double cx;      // the centre of the text
  double v;       // the pixel coordinate of the side it labels
};

std::string LabelText(std::int32_t frame, double v, bool pixels) {
  if (!pixels) return fw::Str(frame) + "%";
  return fw::Str(static_cast<std::int32_t>(std::lround(v)));
}

}  // namespace

void cPatternCanvas::DrawOverscan() {
  const std::int32_t W = g->Width(), H = g->Height();
  g->ForeColor(0x333333);
  g->FillRect(0, 0, W, H);

  // One per cent of each side, unrounded: the frames step by it.
  const double ux = W / 100.0, uy = H / 100.0;
  g->PenHeight(1);
  g->PenWidth(1);
  g->TextSize(Small ? Int(H / 80.0) : Int(H / 30.0));

  for (std::int32_t i = 0; i < 10; ++i) {
    g->ForeColor(kFrameColors[i % 3]);
    g->DrawRect(Int(i * ux), Int(i * uy), Int(W - (2 * i) * ux), Int(H - (2 * i) * uy));
  }

  const std::int32_t th = g->TextHeight();
  const double t = th / static_cast<double>(H) * 100;  // the text height in per cent of H
  const bool pixels = OverscanListIndex() == 1;
  // Labels come after every frame; a frame's boxes and texts come before the next frame's, so
  // a later box may cover an earlier text, never the reverse.
  DrawKept(keptOverscan_, KeyOf(pixels ? 1 : 0), [&] {
    for (std::int32_t i = 0; i < 10; ++i) {
      // Left, right, top, bottom: each side's labels step away from a corner of their own.
      const std::array<Label, 4> labels{{
          {i * ux, H - (11 + (i + 1) * (t + 1)) * uy, (i + 3) * ux, i * ux},
          {W - (6 + i) * ux, (11 + i * (t + 1)) * uy, W - (3 + i) * ux, W - i * ux},
          {(11 + 7 * i) * ux, i * uy, (14 + 7 * i) * ux, i * uy},
          {W - (11 + 7 * (i + 1)) * ux, (H - th) - i * uy, W - (15 + 7 * i) * ux, H - i * uy},
      }};
      g->ForeColor(kFrameColors[i % 3]);
      for (const Label& label : labels) {
        g->FillRoundRect(Int(label.xb), Int(label.yb), Int(6 * ux), th, Int(ux / 2), Int(ux / 2));
      }
      g->ForeColor(0x000000);
      for (const Label& label : labels) {
        const std::string s = LabelText(i, label.v, pixels);
        g->DrawString(s, Int(label.cx - g->StringWidth(s) / 2), Int(label.yb + th * 0.85), 0, false);
      }
    }
  });
}
