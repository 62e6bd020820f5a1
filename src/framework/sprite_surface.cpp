#include "framework/sprite_surface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fw {

namespace {

// A row of a picture without a mask as the surface draws it: every pixel opaque, or, with
// whiteOut, clear where it is white (premultiplied, clear is 0). Four pixels at a time where
// the processor can: a help title has a million of them.
void OpaqueRow(const std::uint32_t* from, std::uint32_t* to, int width, bool whiteOut) {
  int x = 0;
#if defined(__SSE2__)
  const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i white = _mm_set1_epi32(-1);
  for (; x + 4 <= width; x += 4) {
    const __m128i p = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x)), alpha);
    const __m128i out = whiteOut ? _mm_andnot_si128(_mm_cmpeq_epi32(p, white), p) : p;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x), out);
  }
#endif
  for (; x < width; ++x) {
    const std::uint32_t p = from[x] | 0xFF000000u;
    to[x] = whiteOut && p == 0xFFFFFFFFu ? 0u : p;
  }
}

}  // namespace

// ---- The widget --------------------------------------------------------------------------

class SurfaceWidget : public QWidget {
public:
  explicit SurfaceWidget(SpriteSurface& owner) : owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
  }

protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    // In physical mode the world transform undoes exactly the scaling of the device painted
    // into (the backing store, or a grab), so that every picture pixel lands on one device pixel.
    const double dpr = painter.device()->devicePixelRatioF();
    const bool physical = owner_.PictureScale() != 1.0 || dpr == 1.0;
    const double s = physical ? dpr : 1.0;
    if (physical) painter.setWorldTransform(QTransform::fromScale(1.0 / dpr, 1.0 / dpr));
    // The region to draw, in picture pixels (rounded outward).
    const QRect r = event->rect();
    const QRect area(QPoint(static_cast<int>(std::floor(r.left() * s)), static_cast<int>(std::floor(r.top() * s))),
                     QPoint(static_cast<int>(std::ceil((r.right() + 1) * s)) - 1,
                            static_cast<int>(std::ceil((r.bottom() + 1) * s)) - 1));
    painter.setClipRect(area);
    // Black only where the backdrop does not reach: its pixels are opaque.
    const QImage* back = owner_.backdrop_ ? &owner_.backdrop_->Image() : nullptr;
    const QRect source = back ? area.intersected(back->rect()) : QRect();
    if (source != area) painter.fillRect(area, Qt::black);
    if (!source.isEmpty()) painter.drawImage(source.topLeft(), *back, source);
    for (const auto& sprite : owner_.sprites_) {
      if (!sprite->image_) continue;
      const QImage& pixels = sprite->Pixels();
      const QRect at(sprite->x_, sprite->y_, pixels.width(), pixels.height());
      if (at.intersects(area)) painter.drawImage(at.topLeft(), pixels);
    }
  }

private:
  SpriteSurface& owner_;
};

// ---- Sprite ------------------------------------------------------------------------------

void Sprite::Image(Ref<Picture> picture) {
  image_ = std::move(picture);
  pixelsStale_ = true;
  redrawDue_ = true;
}

void Sprite::Close() {
  if (surface_) surface_->Detach(*this);
}

const QImage& Sprite::Pixels() {
  // Made again when anything they come from has changed since: a picture drawn into changes
  // its cache key.
  const bool masked = image_->HasMask();
  const PixelsSource from{image_->Image().cacheKey(), masked ? image_->Mask()->Image().cacheKey() : 0,
                          image_->Transparent()};
  if (pixelsStale_ || !pixels_ || !(from == pixelsFrom_)) {
    pixelsStale_ = false;
    pixelsFrom_ = from;
    const QImage& in = image_->Image();
    if (!masked) {
      // Every pixel opaque, or clear where white is left out: premultiplied, clear is 0. The
      // pixels of the last conversion are written over while the size stays.
      const bool whiteOut = image_->Transparent() == 1;
      const int width = in.width(), height = in.height();
      const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
      // The store only grows: a picture of another size (the next help title) needs no new memory.
      if (pixelStore_.size() < count) pixelStore_.resize(count);
      pixels_ = std::make_shared<QImage>(reinterpret_cast<uchar*>(pixelStore_.data()), width, height, width * 4,
                                         QImage::Format_ARGB32_Premultiplied);
      const uchar* from = in.constBits();
      const auto stride = static_cast<std::size_t>(in.bytesPerLine());
      for (int y = 0; y < height; ++y, from += stride)
        OpaqueRow(reinterpret_cast<const std::uint32_t*>(from),
                  pixelStore_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width, whiteOut);
      return *pixels_;
    }
    QImage out = in.convertToFormat(QImage::Format_ARGB32);
    const QImage& mask = image_->Mask()->Image();
    const int width = out.width(), height = out.height();
    const int maskWidth = mask.width(), maskHeight = mask.height();
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
      const auto* mrow = y < maskHeight ? reinterpret_cast<const QRgb*>(mask.constScanLine(y)) : nullptr;
      for (int x = 0; x < width; ++x) {
        int alpha = (row[x] & 0xFFFFFFu) == 0xFFFFFFu ? 0 : 255;
        if (mrow) alpha = x < maskWidth ? 255 - qGray(mrow[x]) : 0;
        row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
      }
    }
    pixels_ = std::make_shared<QImage>(out.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }
  return *pixels_;
}

// ---- SpriteSurface -----------------------------------------------------------------------

SpriteSurface::SpriteSurface() : surface_(new SurfaceWidget(*this)) { SetWidget(surface_); }

SpriteSurface::~SpriteSurface() {
  for (const auto& s : sprites_) s->surface_ = nullptr;
}

void SpriteSurface::AttachTo(Window& window) {
  RectControl::AttachTo(window);
  Event_Open();
}

double SpriteSurface::PictureScale() const {
  const double dpr = surface_->devicePixelRatioF();
  if (!backdrop_ || dpr == 1.0) return 1.0;
  // One picture pixel per screen pixel when the picture is as large as the control in
  // physical pixels (a fractional scale may round the control's size by one).
  const double pw = Width() * dpr, ph = Height() * dpr;
  if (std::fabs(backdrop_->Width() - pw) <= 1.0 && std::fabs(backdrop_->Height() - ph) <= 1.0) return dpr;
  return 1.0;
}

void SpriteSurface::Backdrop(Ref<Picture> picture) {
  backdrop_ = std::move(picture);
  MarkAllDirty();
  Flush();
}

void SpriteSurface::Attach(const Ref<Sprite>& sprite) {
  if (!sprite) throw NilObjectException();
  if (sprite->surface_ == this) return;
  if (sprite->surface_) sprite->surface_->Detach(*sprite);
  sprite->surface_ = this;
  sprite->redrawDue_ = true;
  sprites_.push_back(sprite);
  Flush();
}

void SpriteSurface::Detach(Sprite& sprite) {
  const auto it = std::find_if(sprites_.begin(), sprites_.end(), [&](const Ref<Sprite>& s) { return s.get() == &sprite; });
  if (it == sprites_.end()) return;
  sprite.surface_ = nullptr;
  for (auto d = drawn_.begin(); d != drawn_.end(); ++d) {
    if (d->sprite != &sprite) continue;
    MarkDirty(d->x, d->y, d->w, d->h);
    drawn_.erase(d);
    break;
  }
  sprites_.erase(it);
  Flush();
}

void SpriteSurface::Update() {
  Event_NextFrame();
  Flush();
}

void SpriteSurface::MarkDirty(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
  if (w <= 0 || h <= 0) return;
  if (dirtyR_ <= dirtyL_ || dirtyB_ <= dirtyT_) {
    dirtyL_ = x, dirtyT_ = y, dirtyR_ = x + w, dirtyB_ = y + h;
    return;
  }
  dirtyL_ = std::min(dirtyL_, x);
  dirtyT_ = std::min(dirtyT_, y);
  dirtyR_ = std::max(dirtyR_, x + w);
  dirtyB_ = std::max(dirtyB_, y + h);
}

void SpriteSurface::MarkAllDirty() {
  const double s = std::max(1.0, surface_->devicePixelRatioF());
  const std::int32_t w = backdrop_ ? std::max(backdrop_->Width(), static_cast<std::int32_t>(std::ceil(Width() * s)))
                                   : static_cast<std::int32_t>(std::ceil(Width() * s));
  const std::int32_t h = backdrop_ ? std::max(backdrop_->Height(), static_cast<std::int32_t>(std::ceil(Height() * s)))
                                   : static_cast<std::int32_t>(std::ceil(Height() * s));
  MarkDirty(0, 0, std::max(w, 1), std::max(h, 1));
}

void SpriteSurface::Flush() {
  // Every sprite that moved, changed its picture or is new leaves its old rectangle and takes
  // a new one; nothing else is drawn again.
  std::vector<Drawn> now;
  now.reserve(sprites_.size());
  for (const auto& sprite : sprites_) {
    const std::int32_t w = sprite->image_ ? sprite->image_->Width() : 0;
    const std::int32_t h = sprite->image_ ? sprite->image_->Height() : 0;
    Drawn d{sprite.get(), sprite->x_, sprite->y_, w, h};
    const auto old = std::find_if(drawn_.begin(), drawn_.end(), [&](const Drawn& o) { return o.sprite == d.sprite; });
    const bool same = old != drawn_.end() && old->x == d.x && old->y == d.y && old->w == d.w && old->h == d.h &&
                      !sprite->redrawDue_;
    sprite->redrawDue_ = false;
    if (!same) {
      if (old != drawn_.end()) MarkDirty(old->x, old->y, old->w, old->h);
      MarkDirty(d.x, d.y, d.w, d.h);
    }
    now.push_back(d);
  }
  drawn_ = std::move(now);
  if (dirtyR_ <= dirtyL_ || dirtyB_ <= dirtyT_) {
    lastDirty_ = {};
    return;
  }
  // Picture pixels to the widget's logical pixels, rounded outward.
  const double s = PictureScale();
  const int l = static_cast<int>(std::floor(dirtyL_ / s)), t = static_cast<int>(std::floor(dirtyT_ / s));
  const int r = static_cast<int>(std::ceil(dirtyR_ / s)), b = static_cast<int>(std::ceil(dirtyB_ / s));
  surface_->update(QRect(l, t, r - l, b - t).intersected(surface_->rect()));
  lastDirty_ = {dirtyL_, dirtyT_, dirtyR_ - dirtyL_, dirtyB_ - dirtyT_};
  ClearDirty();
}

void SpriteSurface::ClearDirty() { dirtyL_ = dirtyT_ = dirtyR_ = dirtyB_ = 0; }

QImage SpriteSurface::Composite() const {
  if (!backdrop_) return QImage();
  QImage out = backdrop_->Image().convertToFormat(QImage::Format_RGB32);
  QPainter painter(&out);
  for (const auto& sprite : sprites_)
    if (sprite->image_) painter.drawImage(QPoint(sprite->x_, sprite->y_), sprite->Pixels());
  return out;
}

}  // namespace fw
