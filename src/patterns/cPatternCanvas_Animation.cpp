#include "patterns/cPatternCanvas.h"

#include "app/Assets.h"
#include "app/Globals.h"
#include "framework/clock.h"
#include "framework/dictionary.h"
#include "framework/sound.h"

namespace {

// The "Sound" option is read at every bounce, so that switching it off silences a running
// pattern at once. Before the options exist there is nothing to say it is on: silence.
bool SoundIsOn() {
  const fw::Ref<fw::Dictionary>& prefs = Globals::GlobalPrefs;
  if (!prefs || !prefs->HasKey("Sound")) return false;
  return fw::VariantToBool(prefs->Value("Sound"));
}

void Bounce(const cPatternCanvas& canvas) {
  if (canvas.Small || !SoundIsOn()) return;
  const fw::Ref<fw::Sound> rums = Rums();
  if (rums) rums->Play();
}

void StepPumpEffect(cPatternCanvas& c) {
  if (!(fw::Ticks() > c.time)) return;
  fw::Graphics& g = *c.g;
  const std::int32_t W = g.Width(), H = g.Height(), PSF = c.PenSizeFat;
  if (c.LastColor == 0) {
    c.AllBlack();
    g.ForeColor(0xFFFFFF);
    if (c.Small) {
      g.DrawRect(1, 1, W - PSF - 1, H - PSF - 1);
    } else {
      g.DrawRect(0, 0, W, H);
    }
  } else {
    c.AllWhite();
    g.ForeColor(0x000000);
    if (c.Small) {
      g.DrawRect(PSF + 1, PSF + 1, W - 3 * PSF - 1, H - 3 * PSF - 1);
    } else {
      g.DrawRect(PSF, PSF, W - 2 * PSF, H - 2 * PSF);
    }
  }
  c.time = fw::Ticks() + 60;
  c.LastColor = 1 - c.LastColor;
  c.Backdrop(c.Backdrop());
}

// Not clamped: a sprite past a limit turns on that frame and moves back from where it stands.
void StepTracing(cPatternCanvas& c) {
  fw::Sprite& sprite = *c.MovingSprite;
  const fw::Picture& image = *sprite.Image();
  sprite.X(sprite.X() + c.SpriteDX);
  if (sprite.X() <= 1 || sprite.X() >= c.g->Width() - image.Width() - 1) {
    c.SpriteDX = -c.SpriteDX;
    Bounce(c);
  }
  sprite.Y(sprite.Y() + c.SpriteDY);
  if (sprite.Y() <= 1 || sprite.Y() >= c.g->Height() - image.Height() - 1) {
    c.SpriteDY = -c.SpriteDY;
    Bounce(c);
  }
}

}  // namespace

void cPatternCanvas::Event_NextFrame() {
  // A Make that found no memory for its picture leaves nothing to animate.
  if (Backdrop()) {
    if (Kind == "GeoPumpEffect") {
      StepPumpEffect(*this);
    } else if ((Kind == "GeoTracing" || Kind == "GeoInvTracing") && MovingSprite && MovingSprite->Image()) {
      // Without its picture the sprite shows nothing, so it has nothing to trace.
      StepTracing(*this);
    }
  }
  if (TitelVisible && fw::Ticks() - TitelTime > Globals::TitelDuration) HideTitel();
}
