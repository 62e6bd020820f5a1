#include "patterns/cPatternCanvas.h"

void cPatternCanvas::DrawField(fw::Color color) {
  g->ForeColor(color);
  g->FillRect(0, 0, g->Width(), g->Height());
}

void cPatternCanvas::DrawGrayShades() {}
void cPatternCanvas::DrawColorShades() {}
void cPatternCanvas::DrawValueLabel(const std::string&, std::int32_t, std::int32_t, double, double, double, double) {}
