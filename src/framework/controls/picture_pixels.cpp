#include "framework/controls/picture_pixels.h"

#include <QImage>
#include <cstdint>

#include "framework/picture.h"

namespace fw {

QImage PixelsWithAlpha(Picture& picture) {
  const QImage& pixels = picture.Image();
  const bool masked = picture.HasMask();
  const bool whiteIsClear = !masked && picture.Transparent() == 1;
  if (!masked && !whiteIsClear) return pixels;
  QImage out = pixels.convertToFormat(QImage::Format_ARGB32);
  const QImage mask = masked ? picture.Mask()->Image() : QImage();
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    const auto* m = y < mask.height() ? reinterpret_cast<const std::uint32_t*>(mask.constScanLine(y)) : nullptr;
    for (int x = 0; x < out.width(); ++x) {
      const std::uint32_t rgb = row[x] & 0xFFFFFFu;
      std::uint32_t alpha = 255;
      if (whiteIsClear) {
        alpha = rgb == 0xFFFFFFu ? 0 : 255;
      } else {
        // Black is opaque, white clear; a mask smaller than its picture hides the rest.
        const std::uint32_t level = (m && x < mask.width())
                                        ? (((m[x] >> 16) & 0xFF) + ((m[x] >> 8) & 0xFF) + (m[x] & 0xFF)) / 3
                                        : 255;
        alpha = 255 - level;
      }
      row[x] = (alpha << 24) | rgb;
    }
  }
  return out;
}

}  // namespace fw
