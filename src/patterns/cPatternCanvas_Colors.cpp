#include "patterns/cPatternCanvas.h"

#include "framework/strings.h"

void cPatternCanvas::DrawField(fw::Color color) {
  g->ForeColor(color);
  g->FillRect(0, 0, g->Width(), g->Height());
}

void cPatternCanvas::DrawGrayShades() {}
void cPatternCanvas::DrawColorShades() {}
void cPatternCanvas::DrawValueLabel(const std::string& text, std::int32_t cx, std::int32_t cy, double a, double b,
                                   double r, double d) {
  // The box is one text line high and as wide as the caller says, whatever the text.
  g->ForeColor(0xFFFFFF);
  g->FillRoundRect(fw::Int(cx - a), fw::Int(cy - g->TextHeight() / 2.0), fw::Int(b), g->TextHeight(), fw::Int(r),
                   fw::Int(r));
  g->ForeColor(0x000000);
  g->DrawString(text, fw::Int(cx - g->StringWidth(text) / d), fw::Int(cy + g->TextHeight() / 3.5));
}
