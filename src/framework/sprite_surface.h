#pragma once
// A control that shows a backdrop picture with sprites over it, frame by frame.
//
// Update raises NextFrame and then redraws only what changed: the old and new rectangles of
// every sprite that moved, changed its picture, came or went, and the whole surface after
// Backdrop was assigned. Pictures are shown 1:1 in physical pixels whenever the backdrop is as
// large as the control's physical size (a full-screen pattern on a screen scaled by 2 or 1.25
// still has one picture pixel per screen pixel); a backdrop of another size (a preview made at
// the control's logical size) is shown at logical size with nearest-neighbour pixels.
#include <cstdint>
#include <vector>

#include "framework/control.h"
#include "framework/picture.h"
#include "framework/ref.h"

class QImage;
class QRect;

namespace fw {

class SpriteSurface;
class SurfaceWidget;

class Sprite {
public:
  Sprite() = default;
  Sprite(Ref<Picture> image, std::int32_t x, std::int32_t y) : image_(std::move(image)), x_(x), y_(y) {}

  const Ref<Picture>& Image() const { return image_; }
  void Image(Ref<Picture> picture);
  std::int32_t X() const { return x_; }
  std::int32_t Y() const { return y_; }
  void X(std::int32_t x) { x_ = x; }
  void Y(std::int32_t y) { y_ = y; }
  // Detaches the sprite from its surface (nothing when it is not attached).
  void Close();
  bool Attached() const { return surface_ != nullptr; }

private:
  friend class SpriteSurface;
  friend class SurfaceWidget;
  const QImage& Pixels();  // the picture with its mask or transparency as alpha, made when needed

  Ref<Picture> image_;
  std::int32_t x_ = 0, y_ = 0;
  SpriteSurface* surface_ = nullptr;
  std::shared_ptr<QImage> pixels_;   // made when needed; unmasked ones lie in pixelStore_
  std::vector<std::uint32_t> pixelStore_;
  struct PixelsSource {
    std::int64_t image = 0, mask = 0;
    std::int32_t transparent = 0;
    bool operator==(const PixelsSource&) const = default;
  };
  PixelsSource pixelsFrom_;
  bool pixelsStale_ = true;
  bool redrawDue_ = true;  // a new picture or a new surface, not yet redrawn
};

class SpriteSurface : public RectControl {
public:
  SpriteSurface();
  ~SpriteSurface() override;

  const Ref<Picture>& Backdrop() const { return backdrop_; }
  // Assigning (also the same picture again) redraws the whole surface.
  void Backdrop(Ref<Picture> picture);

  std::int32_t Depth = 0;
  std::int32_t SurfaceLeft = 0, SurfaceTop = 0, SurfaceWidth = 0, SurfaceHeight = 0;
  bool ClickToStop = false;
  std::int32_t FrameSpeed = 0;

  void Attach(const Ref<Sprite>& sprite);
  void Detach(Sprite& sprite);
  const std::vector<Ref<Sprite>>& Sprites() const { return sprites_; }

  // Raises NextFrame, then redraws what changed.
  void Update();

  void AttachTo(Window& window) override;

  // Framework-internal: physical pixels per picture pixel, and the picture rectangle that the
  // last redraw asked for, empty when it found nothing changed (tests read it).
  double PictureScale() const;
  struct Area {
    std::int32_t x = 0, y = 0, w = 0, h = 0;
  };
  Area LastRedraw() const { return lastDirty_; }
  // What the surface shows, in picture pixels (the backdrop with the sprites over it).
  QImage Composite() const;

protected:
  virtual void Event_Open() {}
  virtual void Event_NextFrame() {}

private:
  friend class SurfaceWidget;
  friend class Sprite;
  struct Drawn {
    const Sprite* sprite;
    std::int32_t x, y, w, h;
  };
  void MarkDirty(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
  void MarkAllDirty();
  void Flush();
  void ClearDirty();

  Ref<Picture> backdrop_;
  std::vector<Ref<Sprite>> sprites_;
  std::vector<Drawn> drawn_;  // where each sprite stood at the last flush
  std::int32_t dirtyL_ = 0, dirtyT_ = 0, dirtyR_ = 0, dirtyB_ = 0;
  Area lastDirty_;
  SurfaceWidget* surface_;
};

}  // namespace fw
