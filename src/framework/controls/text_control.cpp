#include "framework/controls/text_control.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {
constexpr std::int32_t kDefaultTextSize = 12;
constexpr std::int32_t kMaxTextSize = 4096;
constexpr std::int32_t kSmallestFit = 8;  // a text fitted to its box gets no smaller
}  // namespace

QFont MakeFont(const std::string& family, std::int32_t pixels, bool bold, bool italic, bool underline) {
  QFont font = QApplication::font();
  if (family != "System" && !family.empty()) font.setFamily(QString::fromStdString(family));
  font.setPixelSize(pixels > 0 ? std::min(pixels, kMaxTextSize) : kDefaultTextSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  // Coloured fringes would spoil the sharpness the program is about; gray levels are fine.
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  return font;
}

QString PlainCaption(const std::string& caption) {
  return QString::fromStdString(caption).replace('&', QStringLiteral("&&"));
}

void TextControl::TextFont(const std::string& family) {
  font_ = family;
  ApplyFont();
}

void TextControl::TextSize(std::int32_t pixels) {
  size_ = pixels;
  ApplyFont();
  if (fitting_) return;
  boxSize_ = pixels;
  TextChanged();
}

void TextControl::Bold(bool on) {
  bold_ = on;
  ApplyFont();
}

void TextControl::Italic(bool on) {
  italic_ = on;
  ApplyFont();
}

void TextControl::Underline(bool on) {
  underline_ = on;
  ApplyFont();
}

std::int32_t TextControl::NeededWidth() const { return Widget() ? Widget()->sizeHint().width() : 0; }

void TextControl::FitText(std::int32_t room) {
  room_ = std::max(room, 1);
  boxWidth_ = Width();
  boxSize_ = size_;
  TextChanged();
}

void TextControl::TextChanged() {
  if (room_ == 0 || fitting_) return;
  fitting_ = true;
  TextSize(boxSize_);
  Width(boxWidth_);
  if (NeededWidth() > boxWidth_) Width(std::clamp(NeededWidth(), boxWidth_, std::max(room_, boxWidth_)));
  for (std::int32_t size = (boxSize_ > 0 ? boxSize_ : kDefaultTextSize) - 1; NeededWidth() > Width() && size >= kSmallestFit;
       --size)
    TextSize(size);
  fitting_ = false;
}

void TextControl::ApplyFont() {
  if (Widget()) Widget()->setFont(MakeFont(font_, size_, bold_, italic_, underline_));
}

}  // namespace fw
