#pragma once
// A page panel: pages of controls of which one shows. It draws nothing itself; the controls
// placed on its pages (RectControl::PlaceIn with a page) show only while their page is the
// panel's Value, and only while the panel itself shows.
#include <cstdint>

#include "framework/control.h"

namespace fw {

class PagePanel : public RectControl {
public:
  // Pages count from 0. Fewer pages than the current page's number move Value to the last.
  std::int32_t PanelCount() const { return count_; }
  void PanelCount(std::int32_t pages);
  // The page shown; a number outside 0..PanelCount-1 is left unapplied.
  std::int32_t Value() const { return value_; }
  void Value(std::int32_t page);

protected:
  bool ShowsPage(std::int32_t page) const override { return page < 0 || page == value_; }

private:
  std::int32_t count_ = 1, value_ = 0;
};

}  // namespace fw
