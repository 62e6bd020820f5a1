#include "support/canvas_fixture.h"

#include "framework/screens.h"

CanvasFixture::CanvasFixture(int width, int height, int depth) : window(std::make_unique<fw::Window>()) {
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, width, height, depth, 1.0}});
  canvas = fw::New<cPatternCanvas>();
  canvas->Name = "cvPattern";
  canvas->SetBounds(0, 0, width, height);
  window->AddControl(canvas);
}

CanvasFixture::~CanvasFixture() {
  window.reset();
  fw::SetScreensForTesting(std::nullopt);
}

QImage CanvasFixture::Render(const std::string& kind) {
  canvas->Make(0, kind);
  return canvas->Composite();
}
