#pragma once
// A separator: a sunken line across its rectangle, lying when it is at least as wide as it is
// high, otherwise upright.
#include "framework/control.h"

namespace fw {

class Separator : public RectControl {
public:
  Separator();
};

}  // namespace fw
