#include "framework/controls/push_button.h"

#include <QPushButton>

#include "framework/application.h"

namespace fw {

PushButton::PushButton() : button_(new QPushButton) {
  SetWidget(button_);
  ApplyFont();
  QObject::connect(button_, &QPushButton::clicked, [this] {
    Guarded([this] {
      if (Action) Action();
    });
  });
}

void PushButton::Caption(const std::string& text) {
  caption_ = text;
  button_->setText(PlainCaption(text));
  TextChanged();
}

void PushButton::Default(bool on) {
  default_ = on;
  // Outside a dialog Qt only draws the default look; the key routing pushes it on Return.
  button_->setDefault(on);
}

void PushButton::Push() {
  if (!Enabled() || !Shown()) return;
  button_->click();
}

}  // namespace fw
