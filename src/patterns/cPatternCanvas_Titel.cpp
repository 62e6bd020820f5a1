#include "patterns/cPatternCanvas.h"

#include "app/Globals.h"
#include "framework/msgbox.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/text_by_words.h"
#include "text/localization.h"

using fw::Int;

namespace {

// The short help text of a kind; the nine matching kinds share one.
fw::String HelpText(const std::string& kind) {
  if (kind == "ColWhite") return Localization::HtColWhite();
  if (kind == "ColBlack") return Localization::HtColBlack();
  if (kind == "ColRed") return Localization::HtColRed();
  if (kind == "ColGreen") return Localization::HtColGreen();
  if (kind == "ColBlue") return Localization::HtColBlue();
  if (kind == "ColGrayShades") return Localization::HtColGrayShades();
  if (kind == "ColColorShades") return Localization::HtColColorShades();
  if (kind == "GeoGeometry") return Localization::HtGeoGeometry();
  if (kind == "GeoMargins") return Localization::HtGeoMargins();
  if (kind == "GeoConvergency") return Localization::HtGeoConvergency();
  if (kind == "GeoResolution1") return Localization::HtGeoResolution1();
  if (kind == "GeoResolution2") return Localization::HtGeoResolution2();
  if (kind == "GeoPumpEffect") return Localization::HtGeoPumpEffect();
  if (kind == "GeoClockPhase") return Localization::HtGeoClockPhase();
  if (kind == "GeoTracing") return Localization::HtGeoTracing();
  if (kind == "GeoInvTracing") return Localization::HtGeoInvTracing();
  if (kind == "MatchWhite" || kind == "MatchGray25" || kind == "MatchGray50" || kind == "MatchGray75" ||
      kind == "MatchBlack" || kind == "MatchGrayGraduations" || kind == "MatchRedGraduations" ||
      kind == "MatchGreenGraduations" || kind == "MatchBlueGraduations")
    return Localization::HtMatching();
  if (kind == "VideoSmpteColAnalog") return Localization::HtVideoSmpteColAnalog();
  if (kind == "VideoSmpteColDigital") return Localization::HtVideoSmpteColDigital();
  if (kind == "VideoOverscan") return Localization::HtVideoOverscanCheck();
  return {};
}

// The box's corner ellipse, also the size of the corners left white.
constexpr std::int32_t kTitelCorner = 10;

void SetTitelFont(fw::Graphics& graphics, const fw::ScreenInfo& screen) {
  graphics.TextSize(Int(screen.Height / 30.0));
  graphics.TextFont("System");
}

}  // namespace

void cPatternCanvas::MakeTitel(std::int32_t screenIndex, const std::string& kind) {
  BuildTitel(screenIndex, kind, true);
}

// The lines and the picture are kept while the text, the screen and the face the text is drawn
// in stay the same, so that a pattern painted again measures and draws nothing.
void cPatternCanvas::BuildTitel(std::int32_t screenIndex, const std::string& kind, bool picture) {
  HideTitel();

  const fw::ScreenInfo screen = ScreenOf(screenIndex);
  const std::int32_t mw = Int(screen.Width / 2.0), mh = Int(screen.Height / 15.0);
  if (!SameSize(titelMeasure_, mw, mh, screen.Depth)) titelMeasure_ = fw::NewPicture(mw, mh, screen.Depth);
  if (!titelMeasure_) {
    // Without a new title the previous pattern's title would be shown over this one.
    titelLayout_.reset();
    Titel = nullptr;
    titelDrawnFor_.reset();
    fw::MsgBox(Localization::NotEnoughMem());
    return;
  }
  fw::Graphics& mg = *titelMeasure_->Graphics();
  SetTitelFont(mg, screen);
  // The face as well: the application's font may have changed since the last title.
  const TitelKey key{HelpText(kind), screen.Width, screen.Height, screen.Depth, mg.TextFace()};
  if (!(titelLayout_ && titelLayout_->key == key)) {
    TitelLayout layout{key, mg.TextHeight(), {}, {}};
    SplitLine(key.text, mg, layout.lines);
    for (const std::string& line : layout.lines) layout.widths.push_back(mg.StringWidth(line));
    titelLayout_ = std::move(layout);
  }
  const std::vector<std::string>& lines = titelLayout_->lines;
  const auto n = static_cast<std::int32_t>(lines.size());
  const std::int32_t L = titelLayout_->lineHeight;
  Globals::TitelDuration = n * 120;
  if (!picture || (Titel && titelDrawnFor_ == key)) return;

  titelDrawnFor_.reset();
  // A title of the same size is drawn into the picture of the last one, white again first.
  const std::int32_t tw = Int(screen.Width / 2.0), th = L * (n + 1);
  // The sprite stays, so that its pixels keep their memory from one title to the next.
  const bool again = TitelSprite && SameSize(Titel, tw, th, screen.Depth);
  if (!TitelSprite) TitelSprite = fw::New<fw::Sprite>();
  if (!again) Titel = fw::NewPicture(tw, th, screen.Depth);
  if (!Titel) {
    TitelSprite->Image(nullptr);
    fw::MsgBox(Localization::NotEnoughMem());
    return;
  }
  fw::Graphics& tg = *Titel->Graphics();
  if (again) {
    // White again only where the box leaves the corners out; the box covers all the rest.
    tg.ForeColor(0xFFFFFF);
    for (const std::int32_t cx : {0, tw - kTitelCorner})
      for (const std::int32_t cy : {0, th - kTitelCorner}) tg.FillRect(cx, cy, kTitelCorner, kTitelCorner);
  }
  SetTitelFont(tg, screen);
  TitelSprite->Image(Titel);

  tg.ForeColor(0xDCDCDC);
  tg.FillRoundRect(0, 0, Titel->Width(), Titel->Height(), kTitelCorner, kTitelCorner);
  tg.ForeColor(0x000000);
  for (std::int32_t i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t x = Int(Titel->Width() / 2.0 - titelLayout_->widths[k] / 2.0);
    const std::int32_t y = Int(Titel->Height() / 2.0 - (n - 1.5) * L / 2.0 + static_cast<double>(L * i));
    // Word by word: the same pixels as the whole line, for half its cost at this size.
    fw::DrawStringByWords(*Titel, lines[k], x, y);
  }
  // White is left out, so that the pattern shows past the box's rounded corners.
  Titel->Transparent(1);
  // Assigned again so that the sprite shows the text drawn after the first assignment.
  TitelSprite->Image(Titel);
  titelDrawnFor_ = key;
}

void cPatternCanvas::SplitLine(const std::string& text, fw::Graphics& graphics, std::vector<std::string>& lines) {
  std::string line;
  const std::int32_t fields = fw::CountFields(text, " ");
  for (std::int32_t k = 1; k <= fields; ++k) {
    const std::string word = fw::NthField(text, " ", k);
    if (word.empty()) continue;
    if (line.empty()) {
      line = word;
    } else if (graphics.StringWidth(line + " " + word) * 1.2 < graphics.Width()) {
      line += " " + word;
    } else {
      lines.push_back(line);
      line = word;
    }
  }
  lines.push_back(line);
}

void cPatternCanvas::HideTitel() {
  if (!TitelVisible) return;
  TitelSprite->Close();
  TitelVisible = false;
}
