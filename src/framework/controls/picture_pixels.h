#pragma once
// Framework-internal: a picture as Qt draws it on a widget, its mask or white-is-transparent
// setting turned into alpha.
class QImage;

namespace fw {

class Picture;

QImage PixelsWithAlpha(Picture& picture);

}  // namespace fw
