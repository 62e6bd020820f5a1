#include "patterns/cPatternCanvas.h"

void cPatternCanvas::DrawGraduations(const std::string&) {}
