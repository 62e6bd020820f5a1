#pragma once
// The main window's toolbar: the four pattern groups, a separator, Help and Info. A click is
// handled by the main window, which tells the items apart by their Name.
#include "framework/ref.h"
#include "framework/toolbar.h"

class QV_Toolbar : public fw::Toolbar {
public:
  QV_Toolbar();

  fw::Ref<fw::ToolButton> tbColors, tbGeometry, tbMatching, tbVideo, tbSeparator1, tbHelp, tbInfo;
};
