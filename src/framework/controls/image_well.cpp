#include "framework/controls/image_well.h"

#include <QPainter>
#include <QWidget>

#include "framework/controls/picture_pixels.h"
#include "framework/picture.h"

namespace fw {

class ImageWidget : public QWidget {
public:
  explicit ImageWidget(ImageWell& owner) : owner_(owner) {}

protected:
  void paintEvent(QPaintEvent*) override {
    Picture* picture = owner_.image_.get();
    if (!picture) return;
    QPainter painter(this);
    const QImage pixels = PixelsWithAlpha(*picture);
    painter.drawImage((width() - pixels.width()) / 2, (height() - pixels.height()) / 2, pixels);
  }

private:
  ImageWell& owner_;
};

ImageWell::ImageWell() : well_(new ImageWidget(*this)) { SetWidget(well_); }

void ImageWell::Image(Ref<Picture> picture) {
  image_ = std::move(picture);
  well_->update();
}

}  // namespace fw
