#include "patterns/cPatternCanvas.h"

void cPatternCanvas::DrawOverscan() {}
