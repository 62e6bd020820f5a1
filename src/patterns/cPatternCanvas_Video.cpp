#include "patterns/cPatternCanvas.h"

void cPatternCanvas::DrawSmpteBars(bool) {}
