#pragma once
// Off-screen pictures: 32-bit RGB pixels, a lazily made mask and a white-is-transparent switch.
#include <cstdint>
#include <memory>

#include "framework/ref.h"

class QImage;

namespace fw {

class Graphics;

class Picture {
public:
  // Framework only: image must be a non-null 32-bit RGB image (NewPicture and PictureFromImage
  // make sure of that).
  Picture(QImage image, std::int32_t depth);
  ~Picture();

  std::int32_t Width() const;
  std::int32_t Height() const;
  // The depth the picture was asked for; the pixels are stored as 32-bit RGB whatever it is.
  std::int32_t Depth() const { return depth_; }

  // The same object on every call; it draws into this picture.
  Ref<fw::Graphics> Graphics();

  // Made on first use: as large as the picture, white. Where it is black the picture is
  // opaque when drawn, where white transparent, gray levels in between blend. Nil when
  // memory is short (and tried again on the next call).
  Ref<Picture> Mask();
  bool HasMask() const { return static_cast<bool>(mask_); }

  // 1: white pixels are left out when the picture is drawn (unless it has a mask, which
  // decides alone). Any other value: opaque.
  std::int32_t Transparent() const { return transparent_; }
  void Transparent(std::int32_t value) { transparent_ = value; }

  // Framework only: the pixels, for the widgets and the sprite surface.
  // Whatever its graphics still holds back is drawn first.
  const QImage& Image() const;
  QImage& Image();

private:
  std::shared_ptr<QImage> image_;  // shared with the Graphics, which may outlive the picture
  std::int32_t depth_;
  std::int32_t transparent_ = 0;
  Ref<fw::Graphics> graphics_;
  Ref<Picture> mask_;
};

// A new picture filled white. Nil when width or height is below 1 or memory is short; a
// picture beyond 32767 pixels on a side or 1 GiB of pixels counts as memory short.
Ref<Picture> NewPicture(std::int32_t width, std::int32_t height, std::int32_t depth);

// How many pictures NewPicture has made since the program started (tests and benchmarks read
// it to see that a repeated drawing allocates nothing).
std::int64_t PicturesMade();

// Framework only: a picture holding a copy of image, laid over white where image has
// transparency; nil when image is null or memory is short.
Ref<Picture> PictureFromImage(const QImage& image, std::int32_t depth);

}  // namespace fw
