#include "patterns/cPatternCanvas.h"

#include <algorithm>
#include <set>

#include "framework/clock.h"
#include "framework/msgbox.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "patterns/MainWindowOptions.h"
#include "text/localization.h"

using fw::Int;

namespace {

std::int32_t Mod(std::int32_t a, std::int32_t b) { return b == 0 ? a : a % b; }

}  // namespace

void cPatternCanvas::Event_Open() {
  Depth = 0;
  Kind = "ColWhite";
  TitelVisible = false;
  Small = Width() < 150;
}

fw::ScreenInfo cPatternCanvas::ScreenOf(std::int32_t screenIndex) const {
  if (screenIndex >= 0 && screenIndex < fw::ScreenCount()) return fw::Screen(screenIndex);
  fw::ScreenInfo stand_in;
  stand_in.Width = Width();
  stand_in.Height = Height();
  if (fw::ScreenCount() > 0) stand_in.Depth = fw::Screen(0).Depth;
  return stand_in;
}

void cPatternCanvas::AllBlack() {
  g->ForeColor(0x000000);
  g->FillRect(0, 0, g->Width(), g->Height());
}

void cPatternCanvas::AllWhite() {
  g->ForeColor(0xFFFFFF);
  g->FillRect(0, 0, g->Width(), g->Height());
  if (!Small) return;
  g->ForeColor(0x000000);
  g->DrawRect(0, 0, g->Width(), g->Height());
}

// The kinds whose drawing sets every pixel of the picture (plain fields, fields drawn over,
// areas that tile it), so that a picture used again needs no white first. The colour shades
// need a column of at least one pixel; the pumping effect and unknown kinds draw nothing.
bool cPatternCanvas::PaintsEveryPixel(const std::string& kind, std::int32_t width) {
  static const std::set<std::string, std::less<>> kCovering{
      "ColWhite",       "MatchWhite",       "ColBlack",          "MatchBlack",           "ColRed",
      "ColGreen",       "ColBlue",          "MatchGray25",       "MatchGray50",          "MatchGray75",
      "GeoGeometry",    "GeoMargins",       "GeoConvergency",    "GeoResolution1",       "GeoResolution2",
      "GeoClockPhase",  "GeoTracing",       "GeoInvTracing",     "ColGrayShades",        "VideoOverscan",
      "VideoSmpteColAnalog", "VideoSmpteColDigital", "MatchGrayGraduations", "MatchRedGraduations",
      "MatchGreenGraduations", "MatchBlueGraduations"};
  if (kind == "ColColorShades") return width >= 10;
  return kCovering.contains(kind);
}

bool cPatternCanvas::SameSize(const fw::Ref<fw::Picture>& picture, std::int32_t width, std::int32_t height,
                              std::int32_t depth) {
  return picture && picture->Width() == width && picture->Height() == height && picture->Depth() == depth;
}

cPatternCanvas::KeptKey cPatternCanvas::KeyOf(std::int32_t option) const {
  return {g->Width(), g->Height(), Backdrop()->Depth(), Small, option, g->TextFace()};
}

void cPatternCanvas::DrawKept(KeptDrawing& kept, const KeptKey& key, const std::function<void()>& draw) {
  fw::Picture& picture = *Backdrop();
  if (kept.key == key && kept.overlay.Paste(picture)) return;
  kept.key.reset();
  const bool keep = kept.overlay.Begin(picture);
  draw();
  if (!keep) return;
  kept.overlay.End(picture);
  kept.key = key;
}

void cPatternCanvas::Make(std::int32_t screenIndex, const std::string& kind) {
  Kind = kind;

  // A preview is made at its own size with screen 0's depth; a full-screen canvas at its screen's.
  fw::ScreenInfo size = ScreenOf(screenIndex);
  if (Small) {
    size.Width = Width();
    size.Height = Height();
    size.Depth = ScreenOf(0).Depth;
  }
  // The picture of the last Make serves again while size and depth stay: a new one would cost
  // its allocation and a white fill of every pixel on every paint.
  const bool reused = SameSize(Backdrop(), size.Width, size.Height, size.Depth);
  if (!reused) Backdrop(fw::NewPicture(size.Width, size.Height, size.Depth));
  if (!Backdrop()) {
    fw::MsgBox(Localization::NotEnoughMem());
    return;
  }

  g = Backdrop()->Graphics();
  if (reused) {
    // As a new picture would come: white, with a graphics in its first state.
    g->ForeColor(fw::Color());
    g->TextFont("System");
    if (!PaintsEveryPixel(kind, g->Width())) {
      g->ForeColor(0xFFFFFF);
      g->FillRect(0, 0, g->Width(), g->Height());
      g->ForeColor(fw::Color());
    }
  }
  g->PenHeight(1);
  g->PenWidth(1);
  PenSizeFat = std::max(Int(g->Height() / 150.0), 1);
  if (MovingSprite) MovingSprite->Close();

  const std::int32_t W = g->Width(), H = g->Height();
  u = Int(H / 16.0);
  // Below 16 pixels there is no grid (u = 0): the remainder by 0 is the number itself, and the
  // grid patterns draw what they can without a unit.
  xo = Int((u - Mod(W, u)) / 2.0);
  yo = Int((u - Mod(H, u)) / 2.0);

  g->TextSize(Int(H / 80.0));
  if (!Small && g->TextSize() < 7) g->TextSize(7);

  // A title that will not be shown is only measured; the preview builds it while help is on.
  BuildTitel(screenIndex, kind, ShowHelpIsOn());
  if (TitelSprite && Titel) {
    // Centred on the canvas in picture pixels: a preview's picture has the canvas's own size,
    // a full-screen canvas's that of its screen (also where the desktop scales the screen).
    TitelSprite->X(Int(W / 2.0 - Titel->Width() / 2.0));
    TitelSprite->Y(Int(H / 2.0 - Titel->Height() / 2.0));
  }

  if (Kind == "ColWhite" || Kind == "MatchWhite") {
    AllWhite();
  } else if (Kind == "ColBlack" || Kind == "MatchBlack") {
    AllBlack();
  } else if (Kind == "ColRed") {
    DrawField(0xFF0000);
  } else if (Kind == "ColGreen") {
    DrawField(0x00FF00);
  } else if (Kind == "ColBlue") {
    DrawField(0x0000FF);
  } else if (Kind == "MatchGray25") {
    DrawField(0xBFBFBF);
  } else if (Kind == "MatchGray50") {
    DrawField(0x7F7F7F);
  } else if (Kind == "MatchGray75") {
    DrawField(0x3F3F3F);
  } else if (Kind == "MatchGrayGraduations" || Kind == "MatchRedGraduations" || Kind == "MatchGreenGraduations" ||
             Kind == "MatchBlueGraduations") {
    DrawGraduations(Kind);
  } else if (Kind == "GeoGeometry") {
    DrawGeoGeometry();
  } else if (Kind == "GeoMargins") {
    DrawGeoMargins();
  } else if (Kind == "GeoConvergency") {
    DrawGeoConvergency();
  } else if (Kind == "ColGrayShades") {
    DrawGrayShades();
  } else if (Kind == "ColColorShades") {
    DrawColorShades();
  } else if (Kind == "VideoSmpteColAnalog" || Kind == "VideoSmpteColDigital") {
    DrawSmpteBars(Kind == "VideoSmpteColDigital");
  } else if (Kind == "VideoOverscan") {
    DrawOverscan();
  } else if (Kind == "GeoResolution1") {
    DrawGeoResolution1();
  } else if (Kind == "GeoResolution2") {
    DrawGeoResolution2();
  } else if (Kind == "GeoPumpEffect") {
    SetUpPumpEffect();
  } else if (Kind == "GeoClockPhase") {
    DrawGeoClockPhase();
  } else if (Kind == "GeoTracing") {
    SetUpTracing(false);
  } else if (Kind == "GeoInvTracing") {
    SetUpTracing(true);
  }

  if (Small) {
    g->ForeColor(0x000000);
    g->DrawRect(0, 0, g->Width(), g->Height());
  } else if (ShowHelpIsOn() && TitelSprite && Titel) {
    Attach(TitelSprite);
    TitelVisible = true;
    TitelTime = fw::Ticks();
  }
  Backdrop(Backdrop());
}
