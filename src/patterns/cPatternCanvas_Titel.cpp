#include "patterns/cPatternCanvas.h"

void cPatternCanvas::MakeTitel(std::int32_t, const std::string&) {}
void cPatternCanvas::SplitLine(const std::string&, fw::Graphics&, std::vector<std::string>&) {}
void cPatternCanvas::HideTitel() {
  if (!TitelVisible) return;
  if (TitelSprite) TitelSprite->Close();
  TitelVisible = false;
}
