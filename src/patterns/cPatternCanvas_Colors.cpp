#include "patterns/cPatternCanvas.h"

#include <algorithm>

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

// Whether the label DrawValueLabel would draw lies inside x0 <= x < x1, y0 <= y < y1, with
// room to spare for the glyphs' edges: then nothing drawn outside that area can touch it.
bool cPatternCanvas::ValueLabelInside(const std::string& text, std::int32_t cx, std::int32_t cy, double a, double b,
                                      double d, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                      std::int32_t y1) {
  const std::int32_t th = g->TextHeight(), spare = th / 2 + 2;
  const double sw = g->StringWidth(text);
  const std::int32_t left = std::min(Int(cx - a), Int(cx - sw / d) - spare);
  const std::int32_t right = std::max(Int(cx - a) + Int(b), Int(cx - sw / d + sw) + spare);
  return left >= x0 && right < x1 && cy - th - spare >= y0 && cy + th + spare < y1;
}

void cPatternCanvas::DrawGrayShades() {
  // Positions in tenths of a pixel, so that ten patches span the picture without a gap; each
  // patch is a pixel larger than a tenth and the next one paints over the overlap.
  const auto eachPatch = [this](const auto& patch) {
    std::int32_t n = 1;
    for (std::int32_t yt = 0; yt <= 9 * g->Height(); yt += g->Height()) {
      for (std::int32_t xt = 0; xt <= 9 * g->Width(); xt += g->Width()) patch(n++, xt, yt);
    }
  };
  const std::int32_t W = g->Width(), H = g->Height();
  const auto patch = [&](std::int32_t n, std::int32_t xt, std::int32_t yt) {
    g->ForeColor(fw::HSV(0, 0, (100 - n) / 100.0));
    g->FillRect(Int(xt / 10.0), Int(yt / 10.0), Int(W / 10.0 + 1), Int(H / 10.0 + 1));
  };
  const auto text = [](std::int32_t n) { return fw::Str(n) + "%"; };
  const auto cx = [&](std::int32_t xt) { return Int(xt / 10.0 + W / 20.0); };
  const auto cy = [&](std::int32_t yt) { return Int(yt / 10.0 + H / 20.0); };
  const auto label = [&](std::int32_t n, std::int32_t xt, std::int32_t yt) {
    DrawValueLabel(text(n), cx(xt), cy(yt), W / 60.0, W / 30.0, W / 200.0, 2);
  };
  // The labels come after all the patches where each lies well inside its own patch (the next
  // patch to the right and the one below take its last column and row): the same picture.
  const KeptKey key = KeyOf(0);
  bool inside = true;
  if (keptGrayShades_.key != key) {  // kept pixels were drawn so, under this very key
    eachPatch([&](std::int32_t n, std::int32_t xt, std::int32_t yt) {
      inside = inside && ValueLabelInside(text(n), cx(xt), cy(yt), W / 60.0, W / 30.0, 2, Int(xt / 10.0),
                                          Int(yt / 10.0), Int(xt / 10.0) + Int(W / 10.0),
                                          Int(yt / 10.0) + Int(H / 10.0));
    });
  }
  if (!inside) {
    // Labels wider than their patches (tiny pictures): each goes right after its patch.
    eachPatch([&](std::int32_t n, std::int32_t xt, std::int32_t yt) {
      patch(n, xt, yt);
      label(n, xt, yt);
    });
    return;
  }
  eachPatch(patch);
  DrawKept(keptGrayShades_, key, [&] { eachPatch(label); });
}

void cPatternCanvas::DrawColorShades() {
  static constexpr double kHues[] = {1.0, 1.0 / 3, 2.0 / 3, 0.5, 5.0 / 6, 1.0 / 6};  // red green blue cyan magenta yellow
  const std::int32_t cw = Int(g->Width() / 10.0);
  // A picture narrower than ten pixels has no column to step by.
  if (cw < 1) return;
  const auto eachColumn = [this, cw](const auto& column) {
    std::int32_t c = 0;
    for (std::int32_t x = 0; x <= g->Width() - cw; x += cw) column(c++, x);
  };
  const std::int32_t W = g->Width(), H = g->Height();
  const auto column = [&](std::int32_t c, std::int32_t x) {
    const double v = (10 - c) / 10.0;
    // The last column reaches the right edge.
    const std::int32_t width = x + cw > W - cw ? W - x : cw;
    for (std::int32_t k = 0; k < 6; ++k) {
      g->ForeColor(fw::HSV(kHues[k], 1.0, v));
      g->FillRect(x, Int(k * H / 6.0), width, Int(H / 6.0 + 1));
    }
  };
  const auto text = [](std::int32_t c) { return fw::Str((10 - c) * 10) + "%"; };
  const auto label = [&](std::int32_t c, std::int32_t x) {
    DrawValueLabel(text(c), Int(x + cw / 2.0), Int(H / 2.0), cw / 6.0, cw / 3.0, cw / 20.0, 2);
  };
  // The labels come after all the columns where each lies inside its own column: the same
  // picture as with each drawn after its column.
  const KeptKey key = KeyOf(0);
  bool inside = true;
  if (keptColorShades_.key != key) {  // kept pixels were drawn so, under this very key
    eachColumn([&](std::int32_t c, std::int32_t x) {
      inside = inside && ValueLabelInside(text(c), Int(x + cw / 2.0), Int(H / 2.0), cw / 6.0, cw / 3.0, 2, x, 0,
                                          x + cw, H);
    });
  }
  if (!inside) {
    // Labels wider than their columns (tiny pictures): each goes right after its column.
    eachColumn([&](std::int32_t c, std::int32_t x) {
      column(c, x);
      label(c, x);
    });
    return;
  }
  eachColumn(column);
  DrawKept(keptColorShades_, key, [&] { eachColumn(label); });
}
