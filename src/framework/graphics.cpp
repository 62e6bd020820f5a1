#include "framework/graphics.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include "framework/graphics_raster.h"
#include "framework/picture.h"

namespace fw {

namespace {

constexpr std::int64_t kTall = 64;         // rows: a shorter column is drawn at once
constexpr std::size_t kMostWaiting = 4096;
constexpr std::int64_t kSmall = 4096;  // pixels: an area this small is set at once

bool Meet(std::int64_t ax0, std::int64_t ay0, std::int64_t ax1, std::int64_t ay1, std::int64_t bx0, std::int64_t by0,
          std::int64_t bx1, std::int64_t by1) {
  return ax0 < bx1 && bx0 < ax1 && ay0 < by1 && by0 < ay1;
}

}  // namespace

// The text painter stays open while the verbs fill pixels under it: its drawing is done when
// a call returns, and a painter begun again for every label costs more than the label. It ends
// only where the picture is handed out (a shared copy would see its later strokes).
void Graphics::Settle() {
  EndText();
  DrawColumns();
  bits_ = nullptr;  // the picture is handed out: the next write must ask for its pixels again
}

void Graphics::Area(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const std::uint32_t rgb = foreColor_.rgb;
  x0 = std::max<std::int64_t>(x0, 0);
  y0 = std::max<std::int64_t>(y0, 0);
  x1 = std::min<std::int64_t>(x1, image_->width());
  y1 = std::min<std::int64_t>(y1, image_->height());
  if (x0 >= x1 || y0 >= y1) return;
  if (x0 == 0 && y0 == 0 && x1 == image_->width() && y1 == image_->height()) {
    columns_.clear();  // all under it
    field_ = rgb;
    return;
  }
  if (x1 - x0 <= raster::kNarrowColumn && y1 - y0 >= kTall) {
    if (columns_.size() >= kMostWaiting) DrawColumns();
    columns_.push_back({x0, y0, x1, y1, rgb});
    return;
  }
  if (field_) DrawColumns();
  for (const raster::Box& c : columns_) {
    if (Meet(x0, y0, x1, y1, c.x0, c.y0, c.x1, c.y1)) {
      DrawColumns();
      break;
    }
  }
  if ((x1 - x0) * (y1 - y0) <= kSmall) {
    // Asking the picture for its pixels costs more than a few of them.
    if (!bits_) bits_ = image_->bits();
    raster::FillSmall(bits_, static_cast<std::size_t>(image_->bytesPerLine()), x0, y0, x1, y1, rgb);
    return;
  }
  raster::Fill(*image_, x0, y0, x1, y1, rgb);
}

void Graphics::DrawColumns() {
  raster::FillColumns(*image_, columns_, field_);
  columns_.clear();
  field_.reset();
}

std::int32_t Graphics::Width() const { return image_->width(); }
std::int32_t Graphics::Height() const { return image_->height(); }

void Graphics::FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return;
  Area(x, y, std::int64_t{x} + width, std::int64_t{y} + height);
}

// Four rectangles: the top and bottom bands across the whole width, then the sides between
// them (or everything, once the pen is thicker than half the rectangle).
void Graphics::DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const std::int64_t left = x, top = y, right = left + width, bottom = top + height;
  const std::int64_t pw = penWidth_, ph = penHeight_;
  if (2 * ph >= height || 2 * pw >= width) {
    Area(left, top, right, bottom);
    return;
  }
  Area(left, top, right, top + ph);
  Area(left, bottom - ph, right, bottom);
  Area(left, top + ph, left + pw, bottom - ph);
  Area(right - pw, top + ph, right, bottom - ph);
}

void Graphics::FillOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return;
  const auto row = [width, height](std::int64_t j) { return raster::OvalRow(width, height, j); };
  DrawColumns();
  raster::FillShape(*image_, x, y, height, row, foreColor_.rgb);
}

void Graphics::DrawOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const auto row = [width, height](std::int64_t j) { return raster::OvalRow(width, height, j); };
  DrawColumns();
  raster::OutlineShape(*image_, x, y, height, penWidth_, penHeight_, row, foreColor_.rgb);
}

void Graphics::FillRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                             std::int32_t ovalWidth, std::int32_t ovalHeight) {
  if (width < 1 || height < 1) return;
  const auto row = [=](std::int64_t j) { return raster::RoundRectRow(width, height, ovalWidth, ovalHeight, j); };
  DrawColumns();
  raster::FillShape(*image_, x, y, height, row, foreColor_.rgb);
}

void Graphics::DrawRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                             std::int32_t ovalWidth, std::int32_t ovalHeight) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const auto row = [=](std::int64_t j) { return raster::RoundRectRow(width, height, ovalWidth, ovalHeight, j); };
  DrawColumns();
  raster::OutlineShape(*image_, x, y, height, penWidth_, penHeight_, row, foreColor_.rgb);
}

namespace {

std::uint32_t Blend(std::uint32_t over, std::uint32_t under, std::uint32_t opacity) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t a = (over >> shift) & 0xFF;
    const std::uint32_t b = (under >> shift) & 0xFF;
    out |= ((a * opacity + b * (255 - opacity) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

void Graphics::DrawPicture(const Ref<Picture>& picture, std::int32_t x, std::int32_t y) {
  Picture& source = *picture;
  DrawColumns();
  // Copies share the pixels until one side writes, so drawing a picture into itself reads
  // the pixels as they were before.
  const QImage pixels = source.Image();
  const QImage mask = source.HasMask() ? source.Mask()->Image() : QImage();
  const bool whiteIsClear = !source.HasMask() && source.Transparent() == 1;

  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + pixels.width(), image_->width());
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + pixels.height(), image_->height());
  for (std::int64_t py = y0; py < y1; ++py) {
    const auto sy = static_cast<int>(py - y);
    const auto* from = reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(sy));
    const auto* opacity = sy < mask.height() ? reinterpret_cast<const std::uint32_t*>(mask.constScanLine(sy)) : nullptr;
    auto* to = reinterpret_cast<std::uint32_t*>(image_->scanLine(static_cast<int>(py)));
    for (std::int64_t px = x0; px < x1; ++px) {
      const auto sx = static_cast<int>(px - x);
      const std::uint32_t over = from[sx] | 0xFF000000u;
      if (whiteIsClear && over == 0xFFFFFFFFu) continue;
      if (mask.isNull()) {
        to[px] = over;
        continue;
      }
      // Black is opaque, white clear; a mask smaller than its picture hides the rest.
      const std::uint32_t m = (opacity && sx < mask.width()) ? opacity[sx] : 0xFFFFFFFFu;
      const std::uint32_t level = (((m >> 16) & 0xFF) + ((m >> 8) & 0xFF) + (m & 0xFF)) / 3;
      to[px] = Blend(over, to[px], 255 - level);
    }
  }
}

}  // namespace fw
