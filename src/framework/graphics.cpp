#include "framework/graphics.h"

#include <QFont>
#include <QImage>

#include "framework/graphics_raster.h"
#include "framework/picture.h"

namespace fw {

Graphics::Graphics(std::shared_ptr<QImage> image) : image_(std::move(image)) {}

Graphics::~Graphics() = default;

std::int32_t Graphics::Width() const { return image_->width(); }
std::int32_t Graphics::Height() const { return image_->height(); }

void Graphics::FillRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return;
  raster::Fill(*image_, x, y, std::int64_t{x} + width, std::int64_t{y} + height, foreColor_.rgb);
}

// Four rectangles: the top and bottom bands across the whole width, then the sides between
// them (or everything, once the pen is thicker than half the rectangle).
void Graphics::DrawRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const std::int64_t left = x, top = y, right = left + width, bottom = top + height;
  const std::int64_t pw = penWidth_, ph = penHeight_;
  if (2 * ph >= height || 2 * pw >= width) {
    raster::Fill(*image_, left, top, right, bottom, foreColor_.rgb);
    return;
  }
  raster::Fill(*image_, left, top, right, top + ph, foreColor_.rgb);
  raster::Fill(*image_, left, bottom - ph, right, bottom, foreColor_.rgb);
  raster::Fill(*image_, left, top + ph, left + pw, bottom - ph, foreColor_.rgb);
  raster::Fill(*image_, right - pw, top + ph, right, bottom - ph, foreColor_.rgb);
}

void Graphics::FillOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1) return;
  const auto row = [width, height](std::int64_t j) { return raster::OvalRow(width, height, j); };
  raster::FillShape(*image_, x, y, height, row, foreColor_.rgb);
}

void Graphics::DrawOval(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const auto row = [width, height](std::int64_t j) { return raster::OvalRow(width, height, j); };
  raster::OutlineShape(*image_, x, y, height, penWidth_, penHeight_, row, foreColor_.rgb);
}

void Graphics::FillRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                             std::int32_t ovalWidth, std::int32_t ovalHeight) {
  if (width < 1 || height < 1) return;
  const auto row = [=](std::int64_t j) { return raster::RoundRectRow(width, height, ovalWidth, ovalHeight, j); };
  raster::FillShape(*image_, x, y, height, row, foreColor_.rgb);
}

void Graphics::DrawRoundRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                             std::int32_t ovalWidth, std::int32_t ovalHeight) {
  if (width < 1 || height < 1 || penWidth_ < 1 || penHeight_ < 1) return;
  const auto row = [=](std::int64_t j) { return raster::RoundRectRow(width, height, ovalWidth, ovalHeight, j); };
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
