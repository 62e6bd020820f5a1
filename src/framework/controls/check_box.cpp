#include "framework/controls/check_box.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "framework/application.h"

namespace fw {

CheckBox::CheckBox() : box_(new QCheckBox) {
  SetWidget(box_);
  ApplyFont();
  QObject::connect(box_, &QCheckBox::toggled, [this](bool checked) {
    value_ = checked;
    Guarded([this] {
      if (Action) Action();
    });
  });
}

void CheckBox::Caption(const std::string& text) {
  caption_ = text;
  box_->setText(PlainCaption(text));
  TextChanged();
}

void CheckBox::Value(bool checked) {
  if (checked == value_) return;
  value_ = checked;
  {
    // Raised here rather than from Qt's signal, so that an exception in the handler goes back
    // to the code that set the value.
    const QSignalBlocker quiet(box_);
    box_->setChecked(checked);
  }
  if (Action) Action();
}

}  // namespace fw
