#include "patterns/cPatternCanvas.h"

#include "app/Assets.h"
#include "framework/clock.h"
#include "framework/strings.h"
#include "patterns/MainWindowOptions.h"

using fw::Int;

namespace {

// One line, 689 characters: long enough to run off the widest screen at the smallest size.
constexpr const char* kFillerText =
    "Vestibulum eget purus vitae eros ornare adipiscing. Vivamus nec quam. Integer vestibulum malesuada libero. "
    "Sed vehicula fermentum leo. In condimen tum. Nullam wisi arcu, suscipit consectetuer. Vestibulum imper diet "
    "nonummy sem. Vivamus sit amet erat nec turpis tempus con sequat. Praesent malesuada. Donec vitae dolor. Donec "
    "at lacus ac mi vehicula bibendum. Donec feugiat tempor libero Aenean ut erat ut nibh com modo suscipit. Nam "
    "uut, massa. Maecenas vitae ante et lacus aliquam hendrerit. Curabitur nunc eros, euis mod in, convallis at, "
    "vehicula sed consectetuer posuere, eros mauris dignissim diam, pretium sed pede suscipit: Adiam condi mentum "
    "purus, in consectetuer Proin in sapien.";

}  // namespace

void cPatternCanvas::DrawGeoGeometry() {
  AllBlack();
  g->ForeColor(0xFFFFFF);
  // Without a grid unit (pictures under 16 pixels) the lines would never step on; the circles
  // still have their places.
  if (u > 0) {
    for (std::int32_t x = u; x <= g->Width(); x += u) g->DrawLine(x - xo, 0, x - xo, g->Height());
    for (std::int32_t y = u; y <= g->Height(); y += u) g->DrawLine(0, y - yo, g->Width(), y - yo);
  }
  const std::int32_t W = g->Width(), H = g->Height();
  g->DrawOval(Int(W / 2.0 - u), Int(H / 2.0 - u), 2 * u + 1, 2 * u + 1);
  g->DrawOval(Int(W / 2.0 - H / 2.0), 0, H + 1, H + 1);
  const std::int32_t corner = 3 * u + 1;
  g->DrawOval(u - xo, u - yo, corner, corner);
  g->DrawOval(W - 4 * u + xo, u - yo, corner, corner);
  g->DrawOval(u - xo, H - 4 * u + yo, corner, corner);
  g->DrawOval(W - 4 * u + xo, H - 4 * u + yo, corner, corner);
}

void cPatternCanvas::DrawGeoMargins() {
  AllBlack();
  g->ForeColor(0xFFFFFF);
  const std::int32_t W = g->Width(), H = g->Height();
  const std::int32_t cx = Int(W / 2.0), cy = Int(H / 2.0), a = Int(H / 32.0);
  if (!Small) {
    g->DrawRect(0, 0, W, H);
    g->DrawLine(0, cy, a, cy - a);
    g->DrawLine(0, cy, a, cy + a);
    g->DrawLine(W - a - 1, cy - a, W - 1, cy);
    g->DrawLine(W - a - 1, cy + a, W - 1, cy);
    g->DrawLine(cx - a, a, cx, 0);
    g->DrawLine(cx + a, a, cx, 0);
    g->DrawLine(cx - a, H - a - 1, cx, H - 1);
    g->DrawLine(cx + a, H - a - 1, cx, H - 1);
    return;
  }
  // The preview's own black frame takes the outermost ring, so everything moves one pixel in.
  g->DrawRect(1, 1, W - 2, H - 2);
  g->DrawLine(1, cy, a + 1, cy - a);
  g->DrawLine(1, cy, a + 1, cy + a);
  g->DrawLine(W - a - 2, cy - a, W - 2, cy);
  g->DrawLine(W - a - 2, cy + a, W - 2, cy);
  g->DrawLine(cx - a, a + 1, cx, 1);
  g->DrawLine(cx + a, a + 1, cx, 1);
  g->DrawLine(cx - a, H - a - 2, cx, H - 2);
  g->DrawLine(cx + a, H - a - 2, cx, H - 2);
}

void cPatternCanvas::DrawGeoConvergency() {
  AllWhite();
  g->ForeColor(0x000000);
  // The half-unit step is converted back at every step; below u = 2 it no longer moves, and
  // the one cross there is all that can be drawn.
  std::int32_t x = Int(u / 4.0);
  while (x <= g->Width()) {
    std::int32_t y = Int(u / 4.0);
    while (y <= g->Height()) {
      g->DrawLine(x - 5, y, x + 5, y);
      g->DrawLine(x, y - 5, x, y + 5);
      const std::int32_t next = Int(y + u / 2.0);
      if (next == y) break;
      y = next;
    }
    const std::int32_t next = Int(x + u / 2.0);
    if (next == x) break;
    x = next;
  }
}

void cPatternCanvas::DrawGeoResolution1() {
  AllWhite();
  g->ForeColor(0x000000);
  // Steps run 2, 3, 4 in turn, each until the counter passes 11: gaps of 1, 2 and 3 pixels.
  std::int32_t p = 1, s = 2, c = 0;
  do {
    g->DrawRect(p, p, g->Width() - 2 * p, g->Height() - 2 * p);
    if (c > 11) {
      s = s + 1;
      if (s > 4) s = 2;
      c = 0;
    }
    p = p + s;
    c = c + s;
  } while (!(p > g->Height() / 2.0));
}

void cPatternCanvas::DrawGeoResolution2() {
  AllWhite();
  g->TextSize(Small ? 4 : Int(fw::Val(FontSizeText())));
  g->ForeColor(0x000000);
  DrawKept(keptResolution2_, KeyOf(0), [this] {
    std::int32_t y = Int(g->TextHeight() * 0.8);
    std::string s = kFillerText;
    // Each line starts one word later: the first word and its blank move to the end.
    do {
      g->DrawString(s, 0, y);
      y = y + g->TextHeight();
      const std::int32_t i = fw::InStr(s, " ");
      s = fw::Mid(s, i + 1) + fw::Left(s, i);
    } while (!(y > g->Height() + g->TextHeight()));
  });
}

void cPatternCanvas::SetUpPumpEffect() {
  LastColor = 0;
  g->PenHeight(PenSizeFat);
  g->PenWidth(PenSizeFat);
  // Already past: the first frame draws the first phase at once.
  time = fw::Ticks() - 1;
}

void cPatternCanvas::DrawGeoClockPhase() {
  AllWhite();
  g->ForeColor(0x000000);
  for (std::int32_t x = 0; x <= g->Width(); x += 2) g->DrawLine(x, 0, x, g->Height());
  for (std::int32_t y = 0; y <= g->Height(); y += 2) g->DrawLine(0, y, g->Width(), y);
}

void cPatternCanvas::SetUpTracing(bool inverse) {
  if (inverse) {
    AllBlack();
  } else {
    AllWhite();
  }
  MovingSprite = fw::New<fw::Sprite>();
  if (Small) {
    MovingSprite->Image(inverse ? SpriteSmallInverse() : SpriteSmall());
    SpriteDX = 1;
    SpriteDY = 1;
  } else {
    MovingSprite->Image(inverse ? SpriteBigInverse() : SpriteBig());
    SpriteDX = 6;
    SpriteDY = 6;
  }
  if (const fw::Ref<fw::Sound> rums = Rums()) rums->Volume(50);

  // Without its picture the sprite has nothing to show or to bounce with: the field stays bare.
  const fw::Ref<fw::Picture> image = MovingSprite->Image();
  if (!image) return;
  const double x = fw::Rnd();
  MovingSprite->X(Int(5 + x * (g->Width() - image->Width() - 10)));
  const double y = fw::Rnd();
  MovingSprite->Y(Int(5 + y * (g->Height() - image->Height() - 10)));
  Attach(MovingSprite);
}
