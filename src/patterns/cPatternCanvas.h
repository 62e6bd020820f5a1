#pragma once
// The one class that renders test patterns: full screen in every pattern window, small in the
// main window's preview. Make renders a kind for a screen into a fresh backdrop picture; the
// NextFrame event animates the moving kinds and removes the help title when its time is up.
//
// Drawing notation shared by the pattern files: W and H are g->Width() and g->Height(), read
// afresh; every quotient is taken in doubles, every other integer sum, difference and product
// in 32-bit integers; Int truncates; u, xo, yo are the grid unit and offsets of the current Make.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/color.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/pixel_overlay.h"
#include "framework/ref.h"
#include "framework/screens.h"
#include "framework/sprite_surface.h"

class cPatternCanvas : public fw::SpriteSurface {
public:
  std::string Kind;
  fw::Ref<fw::Graphics> g;
  std::int32_t LastColor = 0;  // phase of the pumping effect that its next toggle draws
  fw::Ref<fw::Sprite> MovingSprite;
  std::int32_t time = 0;  // tick after which the pumping effect toggles next
  std::int32_t SpriteDY = 0, SpriteDX = 0;
  fw::Ref<fw::Sprite> TitelSprite;
  fw::Ref<fw::Picture> Titel;
  std::int32_t TitelTime = 0;
  bool Small = false;  // a preview canvas, narrower than 150 pixels
  bool TitelVisible = false;
  std::int32_t PenSizeFat = 1;

  void AllBlack();
  void AllWhite();
  void Make(std::int32_t screenIndex, const std::string& kind);
  void MakeTitel(std::int32_t screenIndex, const std::string& kind);
  void SplitLine(const std::string& text, fw::Graphics& graphics, std::vector<std::string>& lines);
  void HideTitel();

protected:
  void Event_Open() override;
  void Event_NextFrame() override;

private:
  // MakeTitel, with the picture made only when asked for; the lines and the duration always.
  void BuildTitel(std::int32_t screenIndex, const std::string& kind, bool picture);
  static bool PaintsEveryPixel(const std::string& kind, std::int32_t width);
  // Whether picture exists with that size and depth, so that it can serve again.
  static bool SameSize(const fw::Ref<fw::Picture>& picture, std::int32_t width, std::int32_t height,
                       std::int32_t depth);

  // What a title was made from, and its lines for that.
  struct TitelKey {
    std::string text;
    std::int32_t width, height, depth;
    std::string face;  // fw::Graphics::TextFace of the title's font
    bool operator==(const TitelKey&) const = default;
  };
  struct TitelLayout {
    TitelKey key;
    std::int32_t lineHeight;
    std::vector<std::string> lines;
    std::vector<double> widths;  // of each line, measured once
  };
  std::optional<TitelLayout> titelLayout_;
  std::optional<TitelKey> titelDrawnFor_;  // what Titel shows
  fw::Ref<fw::Picture> titelMeasure_;       // measures the lines; kept for the next title

  // The text of a kind, kept while everything its pixels depend on stays the same: drawing
  // it costs many times what a copy of its pixels does.
  struct KeptKey {
    std::int32_t width, height, depth;
    bool small;
    std::int32_t option;  // the main window's option the kind reads
    std::string face;     // what its text is drawn in (fw::Graphics::TextFace)
    bool operator==(const KeptKey&) const = default;
  };
  struct KeptDrawing {
    std::optional<KeptKey> key;  // what overlay holds
    fw::PixelOverlay overlay;
  };
  KeptKey KeyOf(std::int32_t option) const;
  // Draws over the backdrop, which holds a start that sets every pixel the same way whenever
  // the key is the same; with the key of the last time the pixels kept then are pasted instead.
  void DrawKept(KeptDrawing& kept, const KeptKey& key, const std::function<void()>& draw);
  KeptDrawing keptResolution2_, keptOverscan_, keptGrayShades_, keptColorShades_;

  // The screen of that index; one that has gone (or never was) reads as a screen as large as
  // the canvas, with the first screen's depth, so that nothing throws while screens change.
  fw::ScreenInfo ScreenOf(std::int32_t screenIndex) const;

  // The grid of the current Make: u = Int(H / 16), offsets centring it.
  std::int32_t u = 0, xo = 0, yo = 0;

  // Colours (cPatternCanvas_Colors.cpp).
  void DrawField(fw::Color color);
  void DrawGrayShades();
  void DrawColorShades();
  // A white rounded box with black text centred at (cx, cy): half width a, width b, corner r,
  // text divisor d.
  bool ValueLabelInside(const std::string& text, std::int32_t cx, std::int32_t cy, double a, double b, double d,
                        std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);
  void DrawValueLabel(const std::string& text, std::int32_t cx, std::int32_t cy, double a, double b, double r,
                      double d);

  // Geometry (cPatternCanvas_Geometry.cpp).
  void DrawGeoGeometry();
  void DrawGeoMargins();
  void DrawGeoConvergency();
  void DrawGeoResolution1();
  void DrawGeoResolution2();
  void SetUpPumpEffect();
  void DrawGeoClockPhase();
  void SetUpTracing(bool inverse);

  // Matching (cPatternCanvas_Matching.cpp).
  void DrawGraduations(const std::string& kind);

  // Video (cPatternCanvas_Video.cpp, cPatternCanvas_Overscan.cpp).
  void DrawSmpteBars(bool digital);
  void DrawOverscan();
};
