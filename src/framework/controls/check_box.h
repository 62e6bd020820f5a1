#pragma once
// A check box. Action follows every change of Value: a click, or code setting a new Value
// (setting the value it already has raises nothing).
#include <functional>
#include <string>

#include "framework/controls/text_control.h"

class QCheckBox;

namespace fw {

class CheckBox : public TextControl {
public:
  CheckBox();

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  bool Value() const { return value_; }
  void Value(bool checked);

  std::function<void()> Action;

private:
  QCheckBox* box_;
  std::string caption_;
  bool value_ = false;
};

}  // namespace fw
