#pragma once
// A multi-line text field. Lines are separated by carriage returns (Chr(13)) in Text, as the
// program writes them. TextChange follows every change of the text, by the user or by code;
// setting the text it already has changes nothing (and keeps the scroll position).
#include <cstdint>
#include <functional>
#include <string>

#include "framework/color.h"
#include "framework/controls/text_control.h"

class QPlainTextEdit;

namespace fw {

class EditField : public TextControl {
public:
  EditField();

  std::string Text() const;
  void Text(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  void ReadOnly(bool on);
  bool Border() const { return border_; }
  void Border(bool on);
  // Without a horizontal scroll bar long lines wrap at the field's width.
  bool ScrollbarVertical() const { return vertical_; }
  void ScrollbarVertical(bool on);
  bool ScrollbarHorizontal() const { return horizontal_; }
  void ScrollbarHorizontal(bool on);
  Color TextColor() const { return textColor_; }
  void TextColor(Color color);
  Color BackColor() const { return backColor_; }
  void BackColor(Color color);
  // The first line shown, 0 at the top.
  std::int32_t ScrollPosition() const;
  void ScrollPosition(std::int32_t line);

  std::function<void()> TextChange;

private:
  void ApplyColors();

  QPlainTextEdit* edit_;
  bool readOnly_ = false, border_ = true, vertical_ = true, horizontal_ = false;
  Color textColor_{0x000000}, backColor_{0xFFFFFF};
};

}  // namespace fw
