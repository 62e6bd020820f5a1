#include "patterns/wPattern.h"

#include "app/Globals.h"
#include "control/wMain.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "patterns/cPatternCanvas.h"

void wPattern::Layout() {
  Placement = 0;
  Width(300);
  Height(300);
  MinWidth(64);
  MinHeight(64);
  MaxWidth(32000);
  MaxHeight(32000);
  Frame = 0;
  Title("Untitled");
  Visible(false);
  FullScreen(false);
  MenuBarVisible(false);
  CloseButton(true);
  Resizeable(false);
  MaximizeButton(false);
  MinimizeButton(true);
}

void wPattern::CreateControls() { _CreateControls0(); }

void wPattern::_CreateControls0() {
  // The canvas's Open event reads its width to tell a preview from a full-screen canvas, so
  // it is given its values before it joins the window.
  auto canvas = fw::New<cPatternCanvas>();
  canvas->Name = "cvPattern";
  canvas->SetBounds(0, 0, 300, 300);
  canvas->LockLeft = canvas->LockTop = canvas->LockRight = canvas->LockBottom = true;
  canvas->Visible(true);
  canvas->Enabled(true);
  canvas->HelpTag("");
  canvas->SurfaceLeft = 0;
  canvas->SurfaceTop = 0;
  canvas->SurfaceWidth = 300;
  canvas->SurfaceHeight = 300;
  canvas->Depth = 8;
  canvas->ClickToStop = true;
  canvas->FrameSpeed = 0;
  AddControl(canvas);

  auto timer = fw::New<fw::Timer>();
  timer->Name = "tiRefresh";
  timer->Period(5);
  timer->Mode(0);
  timer->Action = [this] { tiRefresh_Action(); };
  AddControl(timer);
}

void wPattern::AddMenuHandlers() {}

void wPattern::tiRefresh_Action() { Find<cPatternCanvas>("cvPattern")->Update(); }

bool wPattern::Event_MouseDown(std::int32_t, std::int32_t) {
  wMain().NextPattern("x");
  return true;
}

bool wPattern::Event_KeyDown(const std::string& key) {
  wMain().NextPattern(key);
  return true;
}

// The desktop closing a shown pattern window (Alt+F4) ends the run as escape does, so that no
// hidden window keeps its timer going while the others stay up.
void wPattern::Event_Close() {
  if (Visible()) wMain().NextPattern(fw::Chr(27));
}

void wPattern::Event_Paint() {
  Find<cPatternCanvas>("cvPattern")->Make(ScreenNo, Globals::PatternKind);
  Find<fw::Timer>("tiRefresh")->Mode(2);
}

class wPattern& wPattern() { return fw::DefaultWindow<class wPattern>(); }
