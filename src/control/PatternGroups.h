#pragma once
// The four pattern groups in the order of the main window's group pages (0 Colors, 1 Geometry,
// 2 Matching, 3 Video): each group's slider, the base of its pattern numbers and its kinds in
// row order. Row order is also the order in which a run with all tests steps through a group,
// and its first row is where such a run starts.
#include <cstdint>
#include <span>
#include <string_view>

struct PatternGroup {
  std::string_view slider;
  std::int32_t base;
  std::span<const std::string_view> kinds;
};

std::span<const PatternGroup> PatternGroups();
// The group on that page of ppTestKind; nullptr for a page that holds no group.
const PatternGroup* GroupOnPage(std::int32_t page);
// The kind of a pattern number (the group's base plus the row); empty when it names none.
std::string_view KindOfNumber(std::int32_t number);
