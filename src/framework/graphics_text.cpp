// Text: the one thing Graphics leaves to Qt's painter, for shaping and glyphs. Gray-scale
// anti-aliasing only, because coloured fringes would spoil the sharpness patterns.
#include "framework/graphics.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "framework/graphics_raster.h"

namespace fw {

namespace {

constexpr int kDefaultTextSize = 12;
constexpr int kMaxTextSize = 4096;
// Positions beyond this are outside the painter's fixed-point range; no line of text that
// starts there could reach the picture anyway.
constexpr std::int64_t kFarOut = std::int64_t{1} << 24;

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

// The font is made again only when its size or family really changes.
struct Graphics::Face {
  QFont font;
  QFontMetrics metrics;
  QFontMetricsF metricsF;
};

// Made and ended here, where a face is complete.
Graphics::Graphics(std::shared_ptr<QImage> image) : image_(std::move(image)) {}

Graphics::~Graphics() { Settle(); }

void Graphics::TextSize(std::int32_t pixels) {
  if (pixels == textSize_) return;
  textSize_ = pixels;
  face_.reset();
}

void Graphics::TextFont(const std::string& family) {
  // "System" follows the application's font, which the desktop may change while we run.
  const bool sameSystem = family != "System" || !face_ || face_->font.family() == QGuiApplication::font().family();
  if (family == textFont_ && sameSystem) return;
  textFont_ = family;
  face_.reset();
}

const QFont& Graphics::Font() const {
  if (face_) return face_->font;
  const QString family = textFont_ == "System" ? QGuiApplication::font().family() : ToQt(textFont_);
  QFont font(family);
  font.setPixelSize(textSize_ > 0 ? std::min(textSize_, kMaxTextSize) : kDefaultTextSize);
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  face_ = std::make_unique<Face>(Face{font, QFontMetrics(font, image_.get()), QFontMetricsF(font, image_.get())});
  ++faceSerial_;
  return face_->font;
}

std::int32_t Graphics::TextHeight() const {
  Font();
  return face_->metrics.lineSpacing();
}

std::string Graphics::TextFace() const { return Font().key().toStdString(); }

double Graphics::StringWidth(const std::string& text) const {
  Font();
  return face_->metricsF.horizontalAdvance(ToQt(text));
}

void Graphics::DrawString(const std::string& text, std::int32_t x, std::int32_t y, std::int32_t wrapWidth,
                          bool condense) {
  if (wrapWidth <= 0) {
    DrawTextLine(text, x, y, 1.0);
    return;
  }
  if (condense) {
    const double width = StringWidth(text);
    DrawTextLine(text, x, y, width > wrapWidth ? wrapWidth / width : 1.0);
    return;
  }
  const std::int64_t lineHeight = TextHeight();
  std::int64_t baseline = y;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (line.empty()) {
      line = word;
      continue;
    }
    const std::string longer = line + " " + word;
    if (StringWidth(longer) <= wrapWidth) {
      line = longer;
      continue;
    }
    DrawTextLine(line, x, baseline, 1.0);
    baseline += lineHeight;
    line = word;
  }
  DrawTextLine(line, x, baseline, 1.0);
}

void Graphics::DrawTextLine(const std::string& text, std::int64_t x, std::int64_t y, double squeeze) {
  if (text.empty()) return;
  if (x < -kFarOut || x > kFarOut || y < -kFarOut || y > kFarOut) return;
  const QFont& font = Font();
  const std::int64_t reach = 2 * std::int64_t{face_->metrics.height()};
  if (x >= Width() || y - reach >= Height() || y + reach < 0) return;
  DrawColumns();
  if (!textPainter_) {
    textPainter_ = std::make_unique<QPainter>(image_.get());
    textPainter_->setRenderHint(QPainter::TextAntialiasing);
    painterFace_ = 0;
    painterColor_ = 0xFFFFFFFFu;
  }
  QPainter& painter = *textPainter_;
  if (painterFace_ != faceSerial_) {
    painter.setFont(font);
    painterFace_ = faceSerial_;
  }
  if (painterColor_ != foreColor_.rgb) {
    painter.setPen(QColor::fromRgb(foreColor_.rgb));
    painterColor_ = foreColor_.rgb;
  }
  painter.setTransform(QTransform::fromTranslate(static_cast<double>(x), static_cast<double>(y)));
  if (squeeze < 1.0) painter.scale(squeeze, 1.0);
  painter.drawText(QPointF(0, 0), ToQt(text));
}

void Graphics::EndText() { textPainter_.reset(); }

}  // namespace fw
