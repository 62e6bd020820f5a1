#pragma once
// A pop-up menu: a list of rows of which one, or none (ListIndex -1), is chosen.
//
// Change follows every change of ListIndex, by the user or by code. Adding rows chooses none
// of them by itself. A ListIndex outside -1..ListCount-1 is left unapplied (so a layout may
// give row 0 to a list that gets its rows later).
#include <cstdint>
#include <functional>
#include <string>

#include "framework/controls/text_control.h"

class QComboBox;

namespace fw {

class PopupMenu : public TextControl {
public:
  PopupMenu();

  void AddRow(const std::string& text);
  // Replaces the rows with those of text, one per field between carriage returns (Chr(13));
  // an empty text gives no rows.
  void InitialValue(const std::string& text);
  // The text of row i; OutOfBoundsException outside 0..ListCount-1.
  std::string List(std::int32_t i) const;
  std::int32_t ListCount() const;
  std::int32_t ListIndex() const;
  void ListIndex(std::int32_t index);
  // The chosen row's text, empty when none is chosen.
  std::string Text() const;

  std::function<void()> Change;

  // An empty list needs no room; rows need the widest of them.
  std::int32_t NeededWidth() const override;

private:
  QComboBox* combo_;
};

}  // namespace fw
