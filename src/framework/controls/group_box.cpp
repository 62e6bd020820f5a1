#include "framework/controls/group_box.h"

#include <QGroupBox>

namespace fw {

GroupBox::GroupBox() : box_(new QGroupBox) {
  SetWidget(box_);
  ApplyFont();
}

void GroupBox::Caption(const std::string& text) {
  caption_ = text;
  box_->setTitle(PlainCaption(text));
}

}  // namespace fw
