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
  TextChanged();
}

// A group box has no size of its own to ask for; its smallest one holds the whole title.
std::int32_t GroupBox::NeededWidth() const { return box_->minimumSizeHint().width(); }

}  // namespace fw
