#include "patterns/cPatternCanvas.h"

void cPatternCanvas::DrawGeoGeometry() {}
void cPatternCanvas::DrawGeoMargins() {}
void cPatternCanvas::DrawGeoConvergency() {}
void cPatternCanvas::DrawGeoResolution1() {}
void cPatternCanvas::DrawGeoResolution2() {}
void cPatternCanvas::SetUpPumpEffect() {}
void cPatternCanvas::DrawGeoClockPhase() {}
void cPatternCanvas::SetUpTracing(bool) {}
