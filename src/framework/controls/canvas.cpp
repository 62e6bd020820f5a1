#include "framework/controls/canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/application.h"
#include "framework/graphics.h"
#include "framework/picture.h"

namespace fw {

class CanvasWidget : public QWidget {
public:
  explicit CanvasWidget(Canvas& owner) : owner_(owner) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
  void paintEvent(QPaintEvent*) override {
    Ref<Picture> shown;
    Guarded([&] { shown = owner_.Render(); });
    if (!shown) return;
    QPainter painter(this);
    painter.drawImage(0, 0, shown->Image());
  }

private:
  Canvas& owner_;
};

Canvas::Canvas() : canvas_(new CanvasWidget(*this)) { SetWidget(canvas_); }

void Canvas::Backdrop(Ref<Picture> picture) {
  backdrop_ = std::move(picture);
  canvas_->update();
}

Ref<Picture> Canvas::Render() {
  // A fresh picture each time, so that every Paint starts with the pen's defaults.
  Ref<Picture> picture = NewPicture(Width(), Height(), 32);
  if (!picture) return nullptr;
  Graphics& g = *picture->Graphics();
  if (backdrop_) g.DrawPicture(backdrop_, 0, 0);
  if (Paint) Paint(g);
  return picture;
}

}  // namespace fw
