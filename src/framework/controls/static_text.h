#pragma once
// A label: one line of plain text, drawn dimmed while it is disabled. A click raises
// MouseDown with the point in the label's own coordinates; the click stays with the label
// whatever MouseDown returns.
#include <cstdint>
#include <functional>
#include <string>

#include "framework/color.h"
#include "framework/controls/text_control.h"

namespace fw {

class LabelWidget;

class StaticText : public TextControl {
public:
  StaticText();

  const std::string& Text() const { return text_; }
  void Text(const std::string& text);
  // The same text under the name the label's Open handler uses.
  const std::string& Caption() const { return text_; }
  void Caption(const std::string& text) { Text(text); }
  // 0 and 1 left, 2 centred, 3 right.
  std::int32_t TextAlign() const { return align_; }
  void TextAlign(std::int32_t align);
  Color TextColor() const { return color_; }
  void TextColor(Color color);

  std::function<bool(std::int32_t x, std::int32_t y)> MouseDown;

private:
  friend class LabelWidget;
  LabelWidget* label_;
  std::string text_;
  std::int32_t align_ = 0;
  Color color_;
};

}  // namespace fw
