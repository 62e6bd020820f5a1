#include "patterns/cPatternCanvas.h"

#include <array>
#include <string_view>

#include "framework/strings.h"

using fw::Int;

namespace {

struct Band {
  fw::Color color;
  const char* text;
};

struct Graduation {
  std::string_view kind;
  std::array<Band, 5> bands;  // top to bottom
};

// In the red bands the blue part lies one to four levels above the green part: these are the
// levels wanted, not slips.
constexpr std::array<Graduation, 4> kGraduations{{
    {"MatchGrayGraduations",
     {{{0xFFFFFF, "0%"}, {0xBFBFBF, "25%"}, {0x7F7F7F, "50%"}, {0x3F3F3F, "75%"}, {0x000000, "100%"}}}},
    {"MatchRedGraduations",
     {{{0xFFE5E5, "10%"}, {0xFFB2B3, "30%"}, {0xFF7F81, "50%"}, {0xFF4C4F, "70%"}, {0xFF191D, "90%"}}}},
    {"MatchGreenGraduations",
     {{{0xE5FFE5, "10%"}, {0xB2FFB2, "30%"}, {0x7FFF7F, "50%"}, {0x4CFF4C, "70%"}, {0x19FF19, "90%"}}}},
    {"MatchBlueGraduations",
     {{{0xE5E5FF, "10%"}, {0xB2B2FF, "30%"}, {0x7F7FFF, "50%"}, {0x4C4CFF, "70%"}, {0x1919FF, "90%"}}}},
}};

}  // namespace

void cPatternCanvas::DrawGraduations(const std::string& kind) {
  const Graduation* graduation = nullptr;
  for (const Graduation& candidate : kGraduations) {
    if (candidate.kind == kind) graduation = &candidate;
  }
  if (!graduation) return;

  const std::int32_t W = g->Width(), H = g->Height();
  // Band height in tenths of a pixel, so that the five bands tile the picture exactly.
  const std::int32_t b = Int(10 * H / 5.0);
  for (std::int32_t i = 0; i < 5; ++i) {
    const Band& band = graduation->bands[i];
    const std::int32_t top = Int(i * b / 10.0), bottom = Int((i + 1) * b / 10.0);
    g->ForeColor(band.color);
    g->FillRect(0, top, W, bottom - top);
    // Each separator is drawn after the band above it is complete, so it lies over both.
    if (i > 0) {
      g->ForeColor(0x000000);
      g->FillRect(0, Int(i * b / 10.0 - b / 400.0), W, Int(b / 200.0));
    }
    DrawValueLabel(band.text, Int(W / 2.0), Int((i + 0.5) * b / 10.0), W / 60.0, W / 30.0, W / 200.0, 1.8);
  }
}
