#pragma once
// A separator: a sunken line across its rectangle, lying when it is at least as wide as it is
// high, otherwise upright.
#include "framework/control.h"

class QFrame;

namespace fw {

class Separator : public RectControl {
public:
  Separator();

protected:
  void BoundsChanged() override;

private:
  QFrame* line_;
};

}  // namespace fw
