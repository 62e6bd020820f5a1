#include "framework/controls/separator.h"

#include <QFrame>

namespace fw {

Separator::Separator() : line_(new QFrame) {
  line_->setFrameShadow(QFrame::Sunken);
  SetWidget(line_);
  BoundsChanged();
}

void Separator::BoundsChanged() { line_->setFrameShape(Width() >= Height() ? QFrame::HLine : QFrame::VLine); }

}  // namespace fw
