#include "control/wMain.h"

void wMain::SetPattern(std::int32_t) {}
void wMain::tiRefresh_Action() {}
bool wMain::Event_KeyDown(const std::string&) { return false; }
void wMain::Event_Activate() {}
void wMain::Event_Deactivate() {}
void wMain::slGeometry_ValueChanged() {}
void wMain::slMatching_ValueChanged() {}
void wMain::slColor_ValueChanged() {}
void wMain::slVideo_ValueChanged() {}
bool wMain::stGeoMargins_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoConvergency_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoResolution1_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoPumpEffect_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoPhase_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoTracing_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoGeometry_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchGray25_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchGray50_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchGray75_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchBlack_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchGrayGraduations_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchRedGraduations_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchWhite_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColBlack_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColRed_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColGreen_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColBlue_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColGrayShades_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColColorShades_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stColWhite_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchGreenGraduations_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stMatchBlueGraduations_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoInvTracing_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stVideoSmpteColAnalog_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stVideoSmpteColDigital_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stVideoOverscan_MouseDown(std::int32_t, std::int32_t) { return false; }
bool wMain::stGeoResolution2_MouseDown(std::int32_t, std::int32_t) { return false; }
