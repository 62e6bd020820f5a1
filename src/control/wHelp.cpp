#include "control/wHelp.h"

#include <string_view>

#include "app/Assets.h"
#include "app/Globals.h"
#include "control/wMain.h"
#include "framework/controls/canvas.h"
#include "framework/controls/edit_field.h"
#include "framework/controls/static_text.h"
#include "framework/graphics.h"
#include "framework/strings.h"
#include "text/localization.h"

namespace {

struct Explanation {
  std::string_view kind;
  fw::String (*title)();
  fw::String (*text)();
  bool defectivePixels;  // the plain colour fields add the paragraph on defective pixels
};

constexpr Explanation kExplanations[] = {
    {"ColWhite", Localization::White, Localization::HtLgColWhite, true},
    {"ColBlack", Localization::Black, Localization::HtLgColBlack, true},
    {"ColRed", Localization::Red, Localization::HtLgColRed, true},
    {"ColGreen", Localization::Green, Localization::HtLgColGreen, true},
    {"ColBlue", Localization::Blue, Localization::HtLgColBlue, true},
    {"ColGrayShades", Localization::GrayShades, Localization::HtLgColGrayShades, false},
    {"ColColorShades", Localization::ColorShades, Localization::HtLgColColorShades, false},
    {"GeoGeometry", Localization::Geometry, Localization::HtLgGeoGeometry, false},
    {"GeoMargins", Localization::Margins, Localization::HtLgGeoMargins, false},
    {"GeoConvergency", Localization::Convergency, Localization::HtLgGeoConvergency, false},
    {"GeoResolution1", Localization::Resolution1, Localization::HtLgGeoResolution1, false},
    {"GeoResolution2", Localization::Resolution2, Localization::HtLgGeoResolution2, false},
    {"GeoPumpEffect", Localization::PumpEffect, Localization::HtLgGeoPumpEffect, false},
    {"GeoClockPhase", Localization::ClockPhase, Localization::HtLgGeoClockPhase, false},
    {"GeoTracing", Localization::Tracing, Localization::HtLgGeoTracing, false},
    {"GeoInvTracing", Localization::InvTracing, Localization::HtLgGeoInvTracing, false},
    {"VideoSmpteColAnalog", Localization::SmpteColorsAnalog, Localization::HtLgVideoSmpteColAnalog, false},
    {"VideoSmpteColDigital", Localization::SmpteColorsDigital, Localization::HtLgVideoSmpteColDigital, false},
    {"VideoOverscan", Localization::OverscanCheck, Localization::HtLgVideoOverscan, false},
};

}  // namespace

void wHelp::Layout() {
  Frame = 10;
  Placement = 3;
  Width(270);
  Height(296);
  MinWidth(64);
  MinHeight(64);
  MaxWidth(32000);
  MaxHeight(32000);
  Title("Untitled");
  MinimizeButton(true);
  CloseButton(false);
  Resizeable(false);
  MaximizeButton(false);
  MenuBarVisible(true);
  FullScreen(false);
  Visible(true);
}

void wHelp::CreateControls() {
  auto titel = fw::New<fw::Canvas>();
  titel->Name = "cvTitel";
  AddControl(titel);
  titel->SetBounds(0, 0, 270, 32);
  titel->LockLeft = titel->LockTop = false;
  titel->Backdrop(TitelBG());

  auto title = fw::New<fw::StaticText>();
  title->Name = "stTitel";
  AddControl(title);
  title->PlaceIn(*titel);
  title->SetBounds(20, 6, 160, 20);
  title->LockLeft = title->LockTop = false;
  title->Text("Label:");
  title->TextFont("System");
  title->TextSize(12);
  title->Bold(true);
  title->TextColor(fw::Color(0x000000));
  title->TextAlign(0);
  // Every pattern's title fits: the label may grow up to the logo at 208.
  title->FitText(185);

  auto text = fw::New<fw::EditField>();
  text->Name = "stText";
  AddControl(text);
  text->SetBounds(16, 46, 250, 246);
  text->LockLeft = text->LockRight = false;
  text->LockTop = text->LockBottom = true;
  text->Border(true);
  text->ScrollbarVertical(true);
  text->ScrollbarHorizontal(false);
  text->ReadOnly(true);
  text->TextFont("System");
  text->TextSize(11);
  text->TextColor(fw::Color(0x000000));
  text->BackColor(fw::Color(0xFFFFFF));

  titel->Paint = [this](fw::Graphics& g) { cvTitel_Paint(g); };
  text->TextChange = [this] { stText_TextChange(); };
}

void wHelp::Event_Open() {
  Top(0);
  Height(wMain().Height() + 26);
  Placement = 1;
  Set("ColWhite");
  Hide();
}

void wHelp::Event_Paint() {
  // The texts are set again on every paint; unchanged texts are left alone, so this paint
  // raises no further one.
  Set(Globals::PatternKind);
}

void wHelp::cvTitel_Paint(fw::Graphics& g) {
  if (const fw::Ref<fw::Picture> logo = velostralogosmall()) g.DrawPicture(logo, 208, 8);
}

void wHelp::stText_TextChange() {
  // Hiding and showing the field has it redraw in full after each new text.
  const fw::Ref<fw::EditField> text = Find<fw::EditField>("stText");
  text->Visible(false);
  text->Visible(true);
}

void wHelp::Set(const std::string& kind) {
  const fw::String separator = fw::Chr(13) + fw::Chr(13);
  const fw::Ref<fw::StaticText> title = Find<fw::StaticText>("stTitel");
  const fw::Ref<fw::EditField> text = Find<fw::EditField>("stText");

  for (const Explanation& e : kExplanations) {
    if (kind != e.kind) continue;
    title->Text(e.title());
    text->Text(e.defectivePixels ? e.text() + separator + Localization::HtLgDefectivePixels() : e.text());
    break;
  }
  if (fw::Left(kind, 5) == "Match") {
    title->Text(Localization::Matching());
    text->Text(Localization::HtLgMatching());
  }
  text->ScrollPosition(0);
}

class wHelp& wHelp() { return fw::DefaultWindow<class wHelp>(); }
