#pragma once
// A group box: a titled frame. Controls placed in it (RectControl::PlaceIn) lie over it and
// show only while it shows.
#include <string>

#include "framework/controls/text_control.h"

class QGroupBox;

namespace fw {

class GroupBox : public TextControl {
public:
  GroupBox();

  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  std::int32_t NeededWidth() const override;

private:
  QGroupBox* box_;
  std::string caption_;
};

}  // namespace fw
