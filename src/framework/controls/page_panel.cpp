#include "framework/controls/page_panel.h"

#include <algorithm>

namespace fw {

void PagePanel::PanelCount(std::int32_t pages) {
  count_ = std::max(pages, 0);
  if (value_ < count_) return;
  value_ = count_ - 1;
  UpdateShown();
}

void PagePanel::Value(std::int32_t page) {
  if (page < 0 || page >= count_ || page == value_) return;
  value_ = page;
  UpdateShown();
}

}  // namespace fw
