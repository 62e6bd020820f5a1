#include "framework/picture_io.h"

#include <QImage>
#include <QString>

namespace fw {

Ref<Picture> LoadPicture(const std::string& path) {
  if (path.empty()) return nullptr;
  const QImage image(QString::fromStdString(path));
  return PictureFromImage(image, 32);
}

}  // namespace fw
