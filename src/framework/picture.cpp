#include "framework/picture.h"

#include <QImage>
#include <QPainter>

#include <new>

#include "framework/graphics.h"

namespace fw {

namespace {

// Beyond these a picture would be no screen's; refusing it early keeps a bad size from
// reserving memory that the white fill would then have to touch.
constexpr std::int64_t kMaxSide = 32767;
constexpr std::int64_t kMaxBytes = std::int64_t{1} << 30;

std::int64_t picturesMade = 0;

bool Affordable(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
  return width * height * 4 <= kMaxBytes;
}

}  // namespace

Picture::Picture(QImage image, std::int32_t depth)
    : image_(std::make_shared<QImage>(std::move(image))), depth_(depth) {}

Picture::~Picture() = default;

std::int32_t Picture::Width() const { return image_->width(); }
std::int32_t Picture::Height() const { return image_->height(); }

const QImage& Picture::Image() const {
  if (graphics_) graphics_->Settle();
  return *image_;
}

QImage& Picture::Image() {
  if (graphics_) graphics_->Settle();
  return *image_;
}

Ref<fw::Graphics> Picture::Graphics() {
  if (!graphics_) graphics_ = New<fw::Graphics>(image_);
  return graphics_;
}

Ref<Picture> Picture::Mask() {
  if (!mask_) mask_ = NewPicture(Width(), Height(), depth_);
  return mask_;
}

Ref<Picture> NewPicture(std::int32_t width, std::int32_t height, std::int32_t depth) {
  if (!Affordable(width, height)) return nullptr;
  try {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(0xFFFFFFFFu);
    ++picturesMade;
    return New<Picture>(std::move(image), depth);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::int64_t PicturesMade() { return picturesMade; }

Ref<Picture> PictureFromImage(const QImage& image, std::int32_t depth) {
  if (image.isNull() || !Affordable(image.width(), image.height())) return nullptr;
  try {
    Ref<Picture> picture = NewPicture(image.width(), image.height(), depth);
    if (!picture) return nullptr;
    QPainter painter(&picture->Image());
    painter.drawImage(0, 0, image);
    return picture;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace fw
