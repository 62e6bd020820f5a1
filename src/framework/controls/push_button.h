#pragma once
// A push button. The window's default button (Default on) is pushed by Return wherever the
// focus is in the window, except in a text field that takes Return itself.
#include <functional>
#include <string>

#include "framework/controls/text_control.h"

class QPushButton;

namespace fw {

class PushButton : public TextControl {
public:
  PushButton();

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  bool Default() const { return default_; }
  void Default(bool on);

  std::function<void()> Action;

  // Pushes the button as a click does (nothing while it is disabled or hidden).
  void Push();

private:
  QPushButton* button_;
  std::string caption_;
  bool default_ = false;
};

}  // namespace fw
