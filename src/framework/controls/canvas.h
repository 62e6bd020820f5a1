#pragma once
// A canvas: a rectangle the program draws on. At each redraw the canvas starts a white picture
// of its size, draws its Backdrop at the top-left corner, raises Paint with the picture's
// Graphics and shows the result. Controls placed in it lie over the drawing.
#include <functional>

#include "framework/control.h"
#include "framework/ref.h"

namespace fw {

class Graphics;
class Picture;
class CanvasWidget;

class Canvas : public RectControl {
public:
  Canvas();

  const Ref<Picture>& Backdrop() const { return backdrop_; }
  // Redraws the canvas.
  void Backdrop(Ref<Picture> picture);

  std::function<void(Graphics& g)> Paint;

  // Framework-internal: what the canvas shows, drawn afresh (nil when it has no area).
  Ref<Picture> Render();

private:
  CanvasWidget* canvas_;
  Ref<Picture> backdrop_;
};

}  // namespace fw
