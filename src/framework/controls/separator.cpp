#include "framework/controls/separator.h"

#include <QFrame>
#include <QResizeEvent>

namespace fw {

namespace {

class LineWidget : public QFrame {
public:
  LineWidget() { setFrameShadow(QFrame::Sunken); }

protected:
  void resizeEvent(QResizeEvent* event) override {
    setFrameShape(event->size().width() >= event->size().height() ? QFrame::HLine : QFrame::VLine);
    QFrame::resizeEvent(event);
  }
};

}  // namespace

Separator::Separator() { SetWidget(new LineWidget); }

}  // namespace fw
