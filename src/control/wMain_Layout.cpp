#include "control/wMain.h"

#include <cstdint>

#include "app/Assets.h"
#include "app/Menu.h"
#include "control/MakerSite.h"
#include "control/QV_Toolbar.h"
#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image_well.h"
#include "framework/controls/page_panel.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/separator.h"
#include "framework/controls/slider.h"
#include "framework/controls/static_text.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "patterns/cPatternCanvas.h"
#include "text/localization.h"

namespace {

enum class Kind { PagePanel, PushButton, GroupBox, PatternCanvas, Timer, CheckBox, StaticText, PopupMenu, Slider,
                  ImageWell, Separator, Toolbar };

using Text = std::string (*)();
using Handler = void (wMain::*)();
using MouseHandler = bool (wMain::*)(std::int32_t, std::int32_t);

// One control of the window. Positions are window coordinates, also inside containers.
struct ControlRow {
  Kind kind;
  const char* name;
  const char* parent = nullptr;  // innermost container; nullptr: the window
  std::int32_t page = -1;        // page of a page panel
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  Text text = nullptr;           // caption or text from the localized texts
  Text help = nullptr;           // help tag
  const char* fixedText = nullptr;
  std::int32_t textSize = 0;     // 0: the default 12
  // How wide the control may grow to the right where this platform's font needs more than its
  // box: up to its neighbour or the edge of its area (0: not fitted).
  std::int32_t room = 0;
  bool bold = false;
  bool lockLeft = false;
  bool value = false;            // check box
  bool isDefault = false;        // push button
  bool enabled = true;
  std::int32_t pages = 0;        // page panel
  std::int32_t minimum = 0, maximum = 0;  // slider
  std::int32_t period = 0;       // timer
  Handler action = nullptr;      // Action, ValueChanged or Change
  Handler open = nullptr;
  MouseHandler mouseDown = nullptr;
};

std::string OverscanRows() { return Localization::Percent() + fw::Chr(13) + Localization::Pixels(); }
std::string FontSizeRows() {
  const char* rows[] = {"8 pt.", "9 pt.", "10 pt.", "11 pt.", "12 pt.", "13 pt.", "14 pt.", "18 pt.", "24 pt.", "36 pt."};
  std::string joined;
  for (const char* row : rows) joined += (joined.empty() ? "" : fw::Chr(13)) + std::string(row);
  return joined;
}

// The right edge of the pattern pages: the room of the labels and options on them.
constexpr std::int32_t kPagesRight = 392;
constexpr std::int32_t kLabelsLeft = 195;

// A pattern label: on its group's page beside the slider, one row of 20 pixels each. It may
// grow to the page's right edge, or up to the control beside it (`right`).
constexpr ControlRow Label(const char* name, std::int32_t group, std::int32_t row, std::int32_t width, Text text,
                            Text help, MouseHandler handler, std::int32_t right = kPagesRight) {
  return {.kind = Kind::StaticText, .name = name, .parent = "ppTestKind", .page = group, .left = kLabelsLeft,
          .top = 25 + 20 * row, .width = width, .height = 20, .text = text, .help = help,
          .room = right - kLabelsLeft, .mouseDown = handler};
}

constexpr ControlRow Slider(const char* name, std::int32_t group, std::int32_t rows, Handler handler) {
  return {.kind = Kind::Slider, .name = name, .parent = "ppTestKind", .page = group, .left = 170, .top = 24,
          .width = 16, .height = 20 * rows, .minimum = 0, .maximum = rows - 1, .action = handler};
}

using namespace Localization;
using w = class wMain;

// The controls in their order of creation: the first block, then the second.
const ControlRow kControls0[] = {
    {.kind = Kind::PagePanel, .name = "ppMain", .left = 0, .top = 0, .width = 400, .height = 358, .pages = 3},
    {.kind = Kind::PagePanel, .name = "ppTestKind", .parent = "ppMain", .page = 0, .left = 160, .top = 20,
     .width = 232, .height = 190, .pages = 4},
    {.kind = Kind::PushButton, .name = "pbRun", .parent = "ppMain", .page = 0, .left = 260, .top = 318, .width = 120,
     .height = 20, .text = Test, .room = 132, .isDefault = true, .action = &w::pbRun_Action},
    {.kind = Kind::GroupBox, .name = "gbPreview", .parent = "ppMain", .page = 0, .left = 15, .top = 12, .width = 133,
     .height = 124, .text = Preview, .textSize = 10, .room = 133, .lockLeft = true},
    {.kind = Kind::PatternCanvas, .name = "cvPattern", .parent = "gbPreview", .left = 21, .top = 31, .width = 121,
     .height = 97},
    {.kind = Kind::Timer, .name = "tiRefresh", .period = 17, .action = &w::tiRefresh_Action},
    {.kind = Kind::CheckBox, .name = "cbAllTests", .parent = "ppMain", .page = 0, .left = 22, .top = 165, .width = 130,
     .height = 20, .text = AllTests, .help = htAllTests, .room = 146, .action = &w::cbAllTests_Action},
    {.kind = Kind::StaticText, .name = "stEscCancels", .parent = "ppMain", .page = 0, .left = 50, .top = 182,
     .width = 100, .height = 16, .text = EscCancels, .textSize = 10, .room = 118},
    {.kind = Kind::CheckBox, .name = "cbShowHelp", .parent = "ppMain", .page = 0, .left = 22, .top = 145, .width = 130,
     .height = 20, .text = ShowHelp, .help = htShowHelp, .room = 146, .action = &w::cbShowHelp_Action},
    {.kind = Kind::PopupMenu, .name = "pmMonitor", .parent = "ppMain", .page = 0, .left = 127, .top = 257, .width = 50,
     .height = 20, .help = htMonitor, .room = 258, .action = &w::pmMonitor_Change, .open = &w::pmMonitor_Open},
    Slider("slGeometry", 1, 9, &w::slGeometry_ValueChanged),
    Label("stGeoMargins", 1, 1, 120, Margins, HtGeoMargins, &w::stGeoMargins_MouseDown),
    Label("stGeoConvergency", 1, 2, 120, Convergency, HtGeoConvergency, &w::stGeoConvergency_MouseDown),
    Label("stGeoResolution1", 1, 3, 120, Resolution1, HtGeoResolution1, &w::stGeoResolution1_MouseDown),
    Label("stGeoPumpEffect", 1, 5, 120, PumpEffect, HtGeoPumpEffect, &w::stGeoPumpEffect_MouseDown, 315),
    Label("stGeoPhase", 1, 6, 120, ClockPhase, HtGeoClockPhase, &w::stGeoPhase_MouseDown),
    Label("stGeoTracing", 1, 7, 110, Tracing, HtGeoTracing, &w::stGeoTracing_MouseDown, 313),
    Label("stGeoGeometry", 1, 0, 120, Geometry, HtGeoGeometry, &w::stGeoGeometry_MouseDown),
    Slider("slMatching", 2, 9, &w::slMatching_ValueChanged),
    Label("stMatchGray25", 2, 1, 120, Gray25, HtMatching, &w::stMatchGray25_MouseDown),
    Label("stMatchGray50", 2, 2, 120, Gray50, HtMatching, &w::stMatchGray50_MouseDown),
    Label("stMatchGray75", 2, 3, 120, Gray75, HtMatching, &w::stMatchGray75_MouseDown),
    Label("stMatchBlack", 2, 4, 120, Black, HtMatching, &w::stMatchBlack_MouseDown),
    Label("stMatchGrayGraduations", 2, 5, 120, GrayGraduations, HtMatching, &w::stMatchGrayGraduations_MouseDown),
    Label("stMatchRedGraduations", 2, 6, 120, RedGraduations, HtMatching, &w::stMatchRedGraduations_MouseDown),
    Label("stMatchWhite", 2, 0, 120, White, HtMatching, &w::stMatchWhite_MouseDown),
    Slider("slColor", 0, 7, &w::slColor_ValueChanged),
    Label("stColBlack", 0, 1, 120, Black, HtColBlack, &w::stColBlack_MouseDown),
    Label("stColRed", 0, 2, 120, Red, HtColRed, &w::stColRed_MouseDown),
    Label("stColGreen", 0, 3, 120, Green, HtColGreen, &w::stColGreen_MouseDown),
    Label("stColBlue", 0, 4, 120, Blue, HtColBlue, &w::stColBlue_MouseDown),
    Label("stColGrayShades", 0, 5, 120, GrayShades, HtColGrayShades, &w::stColGrayShades_MouseDown),
    Label("stColColorShades", 0, 6, 120, ColorShades, HtColColorShades, &w::stColColorShades_MouseDown),
    Label("stColWhite", 0, 0, 120, White, HtColWhite, &w::stColWhite_MouseDown),
    Label("stMatchGreenGraduations", 2, 7, 120, GreenGraduations, HtMatching, &w::stMatchGreenGraduations_MouseDown),
    Label("stMatchBlueGraduations", 2, 8, 120, BlueGraduations, HtMatching, &w::stMatchBlueGraduations_MouseDown),
    {.kind = Kind::ImageWell, .name = "iwAbout", .parent = "ppMain", .page = 2, .left = 15, .top = 13, .width = 370,
     .height = 300},
    {.kind = Kind::PushButton, .name = "pbVelostra", .parent = "ppMain", .page = 2, .left = 15, .top = 325,
     .width = 140, .height = 20, .text = MakerSiteCaption, .room = 370, .action = &w::pbVelostra_Action},
    {.kind = Kind::StaticText, .name = "stVersion", .parent = "iwAbout", .left = 198, .top = 282, .width = 106,
     .height = 16, .fixedText = "Label:", .textSize = 10, .room = 187, .open = &w::stVersion_Open},
    {.kind = Kind::CheckBox, .name = "cbAllMonitors", .parent = "ppMain", .page = 0, .left = 22, .top = 231,
     .width = 182, .height = 18, .text = AllMonitors, .help = HtAllMonitors, .room = 363, .action = &w::cbAllMonitors_Action,
     .open = &w::cbAllMonitors_Open},
    Label("stGeoInvTracing", 1, 8, 120, InvTracing, HtGeoInvTracing, &w::stGeoInvTracing_MouseDown),
    {.kind = Kind::Separator, .name = "Separator1", .parent = "ppMain", .page = 0, .left = 15, .top = 215,
     .width = 370, .height = 4},
    {.kind = Kind::StaticText, .name = "stCheck", .parent = "ppMain", .page = 0, .left = 22, .top = 257, .width = 100,
     .height = 20, .text = CheckMonitor, .room = 102},
    {.kind = Kind::StaticText, .name = "stMonitorInfo", .parent = "ppMain", .page = 0, .left = 22, .top = 287,
     .width = 316, .height = 12, .fixedText = "-", .textSize = 10, .room = 363, .enabled = false},
    Label("stVideoSmpteColAnalog", 3, 0, 160, SmpteColorsAnalog, HtVideoSmpteColAnalog,
          &w::stVideoSmpteColAnalog_MouseDown),
    Slider("slVideo", 3, 3, &w::slVideo_ValueChanged),
    Label("stVideoSmpteColDigital", 3, 1, 160, SmpteColorsDigital, HtVideoSmpteColDigital,
          &w::stVideoSmpteColDigital_MouseDown),
    Label("stVideoOverscan", 3, 2, 110, OverscanCheck, HtVideoOverscanCheck, &w::stVideoOverscan_MouseDown, 307),
};

const ControlRow kControls1[] = {
    {.kind = Kind::Toolbar, .name = "MyToolbar", .left = 0, .top = 370, .width = 400, .height = 60},
    {.kind = Kind::PopupMenu, .name = "pmOverscan", .parent = "ppTestKind", .page = 3, .left = 310, .top = 66,
     .width = 70, .height = 20, .text = OverscanRows, .textSize = 10, .room = 82, .action = &w::pmOverscan_Change},
    Label("stGeoResolution2", 1, 4, 120, Resolution2, HtGeoResolution2, &w::stGeoResolution2_MouseDown, 315),
    {.kind = Kind::PopupMenu, .name = "pmFontSize", .parent = "ppTestKind", .page = 1, .left = 316, .top = 106,
     .width = 64, .height = 20, .text = FontSizeRows, .textSize = 10, .room = 76, .action = &w::pmFontSize_Change},
    {.kind = Kind::CheckBox, .name = "cbSound", .parent = "ppTestKind", .page = 1, .left = 316, .top = 165, .width = 64,
     .height = 20, .text = Sound, .room = 76, .value = true, .action = &w::cbSound_Action},
};

fw::Ref<fw::Control> Create(const ControlRow& row) {
  switch (row.kind) {
    case Kind::PagePanel: return fw::New<fw::PagePanel>();
    case Kind::PushButton: return fw::New<fw::PushButton>();
    case Kind::GroupBox: return fw::New<fw::GroupBox>();
    case Kind::PatternCanvas: return fw::New<cPatternCanvas>();
    case Kind::Timer: return fw::New<fw::Timer>();
    case Kind::CheckBox: return fw::New<fw::CheckBox>();
    case Kind::StaticText: return fw::New<fw::StaticText>();
    case Kind::PopupMenu: return fw::New<fw::PopupMenu>();
    case Kind::Slider: return fw::New<fw::Slider>();
    case Kind::ImageWell: return fw::New<fw::ImageWell>();
    case Kind::Separator: return fw::New<fw::Separator>();
    case Kind::Toolbar: return fw::New<QV_Toolbar>();
  }
  return nullptr;
}

void SetText(fw::Control& control, const std::string& text) {
  if (auto* b = dynamic_cast<fw::PushButton*>(&control)) b->Caption(text);
  else if (auto* c = dynamic_cast<fw::CheckBox*>(&control)) c->Caption(text);
  else if (auto* g = dynamic_cast<fw::GroupBox*>(&control)) g->Caption(text);
  else if (auto* s = dynamic_cast<fw::StaticText*>(&control)) s->Text(text);
  else if (auto* p = dynamic_cast<fw::PopupMenu*>(&control)) p->InitialValue(text);
}

}  // namespace

void wMain::Layout() {
  MenuBar(Menu());
  Title("Quarvel");
  Width(400);
  Height(359);
  MinWidth(64);
  MinHeight(64);
  MaxWidth(32000);
  MaxHeight(32000);
  Frame = 0;
  Placement = 0;
  Visible(true);
  FullScreen(false);
  MenuBarVisible(true);
  CloseButton(true);
  MinimizeButton(true);
  MaximizeButton(false);
  Resizeable(false);
}

void wMain::CreateControls() {
  _CreateControls0();
  _CreateControls1();
}

namespace {

void Apply(class wMain& window, const ControlRow& row) {
  fw::Ref<fw::Control> control = Create(row);
  control->Name = row.name;
  auto* rect = dynamic_cast<fw::RectControl*>(control.get());
  // The canvas takes its size before it is added: its Open event decides by its width
  // whether it is a preview.
  if (row.kind == Kind::PatternCanvas) rect->SetBounds(row.left, row.top, row.width, row.height);
  window.AddControl(control);

  if (rect && row.help) rect->HelpTag(row.help());
  if (row.text) SetText(*control, row.text());
  if (row.fixedText) SetText(*control, row.fixedText);
  if (row.kind == Kind::ImageWell) static_cast<fw::ImageWell&>(*control).Image(AboutBox());

  if (rect) {
    if (row.parent) rect->PlaceIn(*window.Find<fw::RectControl>(row.parent), row.page);
    rect->SetBounds(row.left, row.top, row.width, row.height);
    rect->LockLeft = row.lockLeft;
    rect->LockTop = rect->LockRight = rect->LockBottom = false;
    rect->Enabled(row.enabled);
  }
  auto* textControl = dynamic_cast<fw::TextControl*>(control.get());
  if (textControl && row.textSize) textControl->TextSize(row.textSize);

  switch (row.kind) {
    case Kind::PagePanel: {
      auto& p = static_cast<fw::PagePanel&>(*control);
      p.PanelCount(row.pages);
      p.Value(0);
      break;
    }
    case Kind::PushButton: {
      auto& b = static_cast<fw::PushButton&>(*control);
      b.Default(row.isDefault);
      b.Action = [&window, h = row.action] { (window.*h)(); };
      break;
    }
    case Kind::PatternCanvas: {
      auto& c = static_cast<cPatternCanvas&>(*control);
      c.SurfaceLeft = 21, c.SurfaceTop = 32, c.SurfaceWidth = 121, c.SurfaceHeight = 97;
      c.Depth = 8;
      c.ClickToStop = true;
      c.FrameSpeed = 0;
      break;
    }
    case Kind::Timer: {
      auto& t = static_cast<fw::Timer&>(*control);
      t.Period(row.period);
      t.Mode(0);
      t.Action = [&window, h = row.action] { (window.*h)(); };
      break;
    }
    case Kind::CheckBox: {
      auto& c = static_cast<fw::CheckBox&>(*control);
      c.Value(row.value);
      c.Action = [&window, h = row.action] { (window.*h)(); };
      break;
    }
    case Kind::StaticText: {
      auto& s = static_cast<fw::StaticText&>(*control);
      s.TextAlign(0);
      s.TextColor(0x000000);
      if (row.mouseDown) s.MouseDown = [&window, h = row.mouseDown](std::int32_t x, std::int32_t y) {
        return (window.*h)(x, y);
      };
      break;
    }
    case Kind::PopupMenu: {
      auto& p = static_cast<fw::PopupMenu&>(*control);
      p.ListIndex(0);
      p.Change = [&window, h = row.action] { (window.*h)(); };
      break;
    }
    case Kind::Slider: {
      auto& s = static_cast<fw::Slider&>(*control);
      s.Minimum(row.minimum);
      s.Maximum(row.maximum);
      s.Value(0);
      s.LineStep(1);
      s.PageStep(1);
      s.LiveScroll(true);
      s.ValueChanged = [&window, h = row.action] { (window.*h)(); };
      break;
    }
    case Kind::Toolbar: {
      auto& t = static_cast<QV_Toolbar&>(*control);
      t.Action = [&window](fw::ToolItem& item) { window.MyToolbar_Action(item); };
      break;
    }
    case Kind::GroupBox:
    case Kind::ImageWell:
    case Kind::Separator:
      break;
  }
  if (row.open) control->Open = [&window, h = row.open] { (window.*h)(); };
  if (textControl && row.room) textControl->FitText(row.room);
}

}  // namespace

void wMain::_CreateControls0() {
  for (const ControlRow& row : kControls0) Apply(*this, row);
}

void wMain::_CreateControls1() {
  for (const ControlRow& row : kControls1) Apply(*this, row);
}
