#include "control/wMain.h"

#include <string>

#include "app/Globals.h"
#include "control/PatternGroups.h"
#include "control/wHelp.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/slider.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "patterns/cPatternCanvas.h"

namespace {

enum Group : std::int32_t { kColors, kGeometry, kMatching, kVideo };

// A label click only moves its group's slider; the slider's ValueChanged chooses the pattern.
bool ChooseRow(const class wMain& window, Group group, std::int32_t row) {
  window.Find<fw::Slider>(std::string(PatternGroups()[group].slider))->Value(row);
  return false;
}

void ChooseFromSlider(class wMain& window, Group group) {
  const PatternGroup& g = PatternGroups()[group];
  window.SetPattern(g.base + window.Find<fw::Slider>(std::string(g.slider))->Value());
}

}  // namespace

void wMain::SetPattern(std::int32_t patternNumber) {
  const std::string_view kind = KindOfNumber(patternNumber);
  if (!kind.empty()) Globals::PatternKind = std::string(kind);

  Find<cPatternCanvas>("cvPattern")->Make(Globals::ActiveScreen, Globals::PatternKind);

  // Menu items here are never hidden, so finding the item is the whole test: the explanation
  // window follows every choice, also while it is hidden.
  if (!MenuBar()->Find("HelpExplanations")) throw fw::NilObjectException();
  wHelp().Set(Globals::PatternKind);
}

void wMain::slColor_ValueChanged() { ChooseFromSlider(*this, kColors); }
void wMain::slGeometry_ValueChanged() { ChooseFromSlider(*this, kGeometry); }
void wMain::slMatching_ValueChanged() { ChooseFromSlider(*this, kMatching); }
void wMain::slVideo_ValueChanged() { ChooseFromSlider(*this, kVideo); }

bool wMain::stColWhite_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 0); }
bool wMain::stColBlack_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 1); }
bool wMain::stColRed_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 2); }
bool wMain::stColGreen_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 3); }
bool wMain::stColBlue_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 4); }
bool wMain::stColGrayShades_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 5); }
bool wMain::stColColorShades_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kColors, 6); }

bool wMain::stGeoGeometry_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 0); }
bool wMain::stGeoMargins_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 1); }
bool wMain::stGeoConvergency_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 2); }
bool wMain::stGeoResolution1_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 3); }
bool wMain::stGeoResolution2_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 4); }
bool wMain::stGeoPumpEffect_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 5); }
bool wMain::stGeoPhase_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 6); }
bool wMain::stGeoTracing_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 7); }
bool wMain::stGeoInvTracing_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kGeometry, 8); }

bool wMain::stMatchWhite_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 0); }
bool wMain::stMatchGray25_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 1); }
bool wMain::stMatchGray50_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 2); }
bool wMain::stMatchGray75_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 3); }
bool wMain::stMatchBlack_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 4); }
bool wMain::stMatchGrayGraduations_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 5); }
bool wMain::stMatchRedGraduations_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 6); }
bool wMain::stMatchGreenGraduations_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 7); }
bool wMain::stMatchBlueGraduations_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kMatching, 8); }

bool wMain::stVideoSmpteColAnalog_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kVideo, 0); }
bool wMain::stVideoSmpteColDigital_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kVideo, 1); }
bool wMain::stVideoOverscan_MouseDown(std::int32_t, std::int32_t) { return ChooseRow(*this, kVideo, 2); }

bool wMain::Event_KeyDown(const std::string& key) {
  // On the About page too: the arrows step the group page that ppTestKind holds.
  const PatternGroup* group = GroupOnPage(Find<fw::PagePanel>("ppTestKind")->Value());
  if (!group) return false;
  const fw::Ref<fw::Slider> slider = Find<fw::Slider>(std::string(group->slider));
  if (key == fw::Chr(30)) {
    slider->Value(slider->Value() - 1);
    return true;
  }
  if (key == fw::Chr(31)) {
    slider->Value(slider->Value() + 1);
    return true;
  }
  return false;
}

void wMain::tiRefresh_Action() {
  if (Find<fw::PagePanel>("ppMain")->Value() == 2) return;  // the About page hides the preview
  Find<cPatternCanvas>("cvPattern")->Update();
}

void wMain::Event_Activate() { Find<fw::Timer>("tiRefresh")->Mode(2); }
void wMain::Event_Deactivate() { Find<fw::Timer>("tiRefresh")->Mode(0); }
