#pragma once
// A pattern canvas on a window of its own, as large as a screen of the given size (a width
// below 150 makes the preview canvas). The screen list is replaced by that one screen.
#include <QImage>
#include <memory>

#include "framework/ref.h"
#include "framework/window.h"
#include "patterns/cPatternCanvas.h"

struct CanvasFixture {
  CanvasFixture(int width, int height, int depth = 32);
  ~CanvasFixture();

  // Renders kind for screen 0 and returns what the canvas shows (backdrop with sprites).
  QImage Render(const std::string& kind);

  std::unique_ptr<fw::Window> window;
  fw::Ref<cPatternCanvas> canvas;
};
