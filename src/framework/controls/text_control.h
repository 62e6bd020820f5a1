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

protected:
  // Gives the widget the font; subclasses call it once their widget is set.
  void ApplyFont();

private:
  std::string font_ = "System";
  std::int32_t size_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
};

// Framework-internal: the font for a family name and a pixel size, as controls and pictures
// draw text.
QFont MakeFont(const std::string& family, std::int32_t pixels, bool bold = false, bool italic = false,
               bool underline = false);
// Framework-internal: a caption for a Qt button or title, where '&' would mark a shortcut key.
QString PlainCaption(const std::string& caption);

}  // namespace fw
