#pragma once
// An image well: shows its Image centred in its rectangle, clipped to it, with the picture's
// mask or transparency. Controls placed in it lie over the image.
#include "framework/control.h"
#include "framework/ref.h"

namespace fw {

class Picture;
class ImageWidget;

class ImageWell : public RectControl {
public:
  ImageWell();

  const Ref<Picture>& Image() const { return image_; }
  void Image(Ref<Picture> picture);

private:
  friend class ImageWidget;
  ImageWidget* well_;
  Ref<Picture> image_;
};

}  // namespace fw
