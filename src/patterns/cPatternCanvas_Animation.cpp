#include "patterns/cPatternCanvas.h"

void cPatternCanvas::Event_NextFrame() {}
