#pragma once
// Pictures read from files.
#include <string>

#include "framework/picture.h"
#include "framework/ref.h"

namespace fw {

// The picture in that file, PNG or any other format Qt reads (a path starting with ":/" names
// a resource bundled into the program); nil when it is missing or cannot be read. Where the
// file has transparency the picture shows white.
Ref<Picture> LoadPicture(const std::string& path);

}  // namespace fw
