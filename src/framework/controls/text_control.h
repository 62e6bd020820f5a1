#pragma once
// The base of controls that show text: their font.
//
// Sizes are pixels (TextSize 12 is a 12-pixel font); 0 or below is the default size, 12.
// "System" is the platform's general user-interface font.
#include <cstdint>
#include <string>

#include "framework/control.h"

class QFont;
class QString;

namespace fw {

class TextControl : public RectControl {
public:
  const std::string& TextFont() const { return font_; }
  void TextFont(const std::string& family);
  std::int32_t TextSize() const { return size_; }
  void TextSize(std::int32_t pixels);
  bool Bold() const { return bold_; }
  void Bold(bool on);
  bool Italic() const { return italic_; }
  void Italic(bool on);
  bool Underline() const { return underline_; }
  void Underline(bool on);

  // The width the control needs to show its whole text (every row, for a pop-up menu) with its
  // font, frame and marks.
  virtual std::int32_t NeededWidth() const;
  // A layout's box may be too narrow for this platform's font. Where the text needs more, the
  // control grows to the right, at most to `room` pixels wide; where even that is too narrow,
  // the text takes the next smaller size that fits. The position stays. Every later text is
  // fitted again from the width and size the control had when this was called.
  void FitText(std::int32_t room);

protected:
  // Gives the widget the font; subclasses call it once their widget is set.
  void ApplyFont();
  // Subclasses call it after each change of their text.
  void TextChanged();

private:
  std::string font_ = "System";
  std::int32_t size_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
  std::int32_t room_ = 0;  // 0: the control is not fitted to its text
  std::int32_t boxWidth_ = 0, boxSize_ = 0;
  bool fitting_ = false;
};

// Framework-internal: the font for a family name and a pixel size, as controls and pictures
// draw text.
QFont MakeFont(const std::string& family, std::int32_t pixels, bool bold = false, bool italic = false,
               bool underline = false);
// Framework-internal: a caption for a Qt button or title, where '&' would mark a shortcut key.
QString PlainCaption(const std::string& caption);

}  // namespace fw
