#pragma once
// Pen-based drawing into a picture.
//
// The pixel contract, for every verb below:
// - Pixel (x, y) is the unit square whose top-left corner is (x, y). A rectangle (x, y, w, h)
//   covers the pixels x <= px < x + w, y <= py < y + h: it really fits inside w x h pixels.
// - Shapes are drawn without anti-aliasing, every pixel in ForeColor or untouched, and clipped
//   to the picture. A width or height below 1 draws nothing; so does a pen below 1 pixel.
// - Outlines (DrawRect, DrawOval, DrawRoundRect) lie inside their box and are the pixels of
//   the filled shape that lie within PenWidth pixels of its edge along a row, or within
//   PenHeight pixels along a column; a pen thicker than half the shape fills it.
// - Ovals are symmetric in both axes, touch all four sides of their box and, with a 1-pixel
//   pen, are closed curves.
// - Coordinates and sizes may be any 32-bit values: nothing overflows, and the work a call
//   does is bounded by the size of the picture, not of the shape.
// Text is the one thing drawn with anti-aliasing: gray levels, never sub-pixel colours.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/color.h"
#include "framework/ref.h"

class QFont;
class QImage;
class QPainter;

namespace fw {

class Picture;
namespace raster {
struct Box;
}

class Graphics {
public:
  // Framework only: draws into image, which it keeps alive.
  explicit Graphics(std::shared_ptr<QImage> image);
  ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  std::int32_t Width() const;
  std::int32_t Height() const;

  Color ForeColor() const { return foreColor_; }
  void ForeColor(Color color) { foreColor_ = color; }
  std::int32_t PenWidth() const { return penWidth_; }
  void PenWidth(std::int32_t pixels) { penWidth_ = pixels; }
  std::int32_t PenHeight() const { return penHeight_; }
  void PenHeight(std::int32_t pixels) { penHeight_ = pixels; }

  // In pixels. 0 (or below) is the default size, 12; sizes above 4096 draw as 4096.
  std::int32_t TextSize() const { return textSize_; }
  void TextSize(std::int32_t pixels);
  // A font family; "System" is the application's general user-interface font.
  const std::string& TextFont() const { return textFont_; }
  void TextFont(const std::string& family);
  std::int32_t TextHeight() const;  // line spacing
  // Names the face that text is drawn in, as asked of the platform (family, size and the
  // rest): text drawn in faces of the same name looks the same.
  std::string TextFace() const;
  double StringWidth(const std::string& text) const;  // advance

  void FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  void DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  // Bresenham from the first point to the second, both included; each point paints a
  // PenWidth x PenHeight block whose top-left corner it is. A line and its reverse set the
  // same pixels.
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  // The ellipse inscribed in the rectangle: its outline or its inside.
  void DrawOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  void FillOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
  // The rectangle with its corners cut by the quarters of an ovalWidth x ovalHeight ellipse
  // (each at most the rectangle's own size).
  void DrawRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::int32_t ovalWidth, std::int32_t ovalHeight);
  void FillRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     std::int32_t ovalWidth, std::int32_t ovalHeight);

  // Text in ForeColor whose baseline is at y, starting at x. With wrapWidth above 0 the words
  // (separated by blanks) are wrapped into lines no wider than wrapWidth, each TextHeight
  // below the one before; a word wider than that stands alone on its line. With condense
  // as well, the text stays on one line and is squeezed to wrapWidth when it is wider.
  // Text starting more than 2^24 pixels outside the picture is not drawn.
  void DrawString(const std::string& text, std::int32_t x, std::int32_t y, std::int32_t wrapWidth = 0,
                  bool condense = false);

  // picture at its own size with its top-left corner at (x, y), through its Mask when it has
  // one, else leaving out its white pixels when its Transparent is 1. A nil picture raises
  // NilObjectException.
  void DrawPicture(const Ref<Picture>& picture, std::int32_t x, std::int32_t y);

  // Framework only: finishes what waits to be drawn (narrow columns, an open text painter).
  // The picture calls it before anyone reads its pixels.
  void Settle();
  // Framework only: the font text is drawn in.
  const QFont& Font() const;

private:
  void DrawTextLine(const std::string& text, std::int64_t x, std::int64_t y, double squeeze);

  // Every verb sets its pixels through Area. A tall column a few pixels wide (a vertical line,
  // the side of a frame) waits, and the waiting columns are drawn together a band of rows at a
  // time: one column after another down the whole picture would fetch every row's cache line
  // again for each column. A fill that meets no waiting column need not wait for them. A fill
  // of the whole picture waits too, as the field under the columns that follow it, so that
  // the picture's rows are written once for both.
  void Area(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
  void DrawColumns();
  void EndText();

  std::shared_ptr<QImage> image_;
  // The picture's pixels, asked for once between one Settle and the next: no copy can share
  // them in between, since copies are made only of a settled picture.
  unsigned char* bits_ = nullptr;
  std::vector<raster::Box> columns_;
  std::optional<std::uint32_t> field_;  // the colour of a waiting fill of the whole picture
  std::unique_ptr<QPainter> textPainter_;  // kept open from one string to the next
  Color foreColor_;
  std::int32_t penWidth_ = 1;
  std::int32_t penHeight_ = 1;
  std::int32_t textSize_ = 0;
  std::string textFont_ = "System";
  // The font and its metrics, made from textFont_ and textSize_ when first needed; serial
  // tells one face from the next, so that the text painter takes a new font only when it is one.
  struct Face;
  mutable std::unique_ptr<Face> face_;
  mutable std::uint64_t faceSerial_ = 0;
  std::uint64_t painterFace_ = 0;
  std::uint32_t painterColor_ = 0xFFFFFFFFu;  // no colour: the painter has none of ours yet
};

}  // namespace fw
