#pragma once
// The main window, the control window of the program: monitor choice, pattern groups and
// patterns, options, the preview, runs, monitor information and the About page.
//
// Its methods live in files by concern: wMain_Layout.cpp (properties and the control table),
// wMain_Options.cpp (start-up and options), wMain_Monitors.cpp (monitor choice and
// information), wMain_Runs.cpp (runs), wMain_Choice.cpp (pattern choice and preview),
// wMain_Commands.cpp (groups, About, explanations, menus and toolbar).
#include <cstdint>
#include <string>
#include <vector>

#include "framework/dictionary.h"
#include "framework/menubar.h"
#include "framework/ref.h"
#include "framework/window.h"

class wPattern;
namespace fw {
class ToolItem;
}

class wMain : public fw::Window {
public:
  std::vector<fw::Ref<class wPattern>> TestWindow;  // the pattern windows by screen index
  bool AllMonitorsSync = false;
  bool AllMonitorsSyncChange = false;
  bool HelpStateChanged = false;

  // Control handlers.
  void pbRun_Action();
  void tiRefresh_Action();
  void cbAllTests_Action();
  void cbShowHelp_Action();
  void pmMonitor_Open();
  void pmMonitor_Change();
  void slGeometry_ValueChanged();
  bool stGeoMargins_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoConvergency_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoResolution1_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoPumpEffect_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoPhase_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoTracing_MouseDown(std::int32_t x, std::int32_t y);
  bool stGeoGeometry_MouseDown(std::int32_t x, std::int32_t y);
  void slMatching_ValueChanged();
  bool stMatchGray25_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchGray50_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchGray75_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchBlack_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchGrayGraduations_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchRedGraduations_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchWhite_MouseDown(std::int32_t x, std::int32_t y);
  void slColor_ValueChanged();
  bool stColBlack_MouseDown(std::int32_t x, std::int32_t y);
  bool stColRed_MouseDown(std::int32_t x, std::int32_t y);
  bool stColGreen_MouseDown(std::int32_t x, std::int32_t y);
  bool stColBlue_MouseDown(std::int32_t x, std::int32_t y);
  bool stColGrayShades_MouseDown(std::int32_t x, std::int32_t y);
  bool stColColorShades_MouseDown(std::int32_t x, std::int32_t y);
  bool stColWhite_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchGreenGraduations_MouseDown(std::int32_t x, std::int32_t y);
  bool stMatchBlueGraduations_MouseDown(std::int32_t x, std::int32_t y);
  void pbVelostra_Action();
  void stVersion_Open();
  void cbAllMonitors_Open();
  void cbAllMonitors_Action();
  bool stGeoInvTracing_MouseDown(std::int32_t x, std::int32_t y);
  bool stVideoSmpteColAnalog_MouseDown(std::int32_t x, std::int32_t y);
  void slVideo_ValueChanged();
  bool stVideoSmpteColDigital_MouseDown(std::int32_t x, std::int32_t y);
  bool stVideoOverscan_MouseDown(std::int32_t x, std::int32_t y);
  void MyToolbar_Action(fw::ToolItem& item);
  void pmOverscan_Change();
  bool stGeoResolution2_MouseDown(std::int32_t x, std::int32_t y);
  void pmFontSize_Change();
  void cbSound_Action();

  // The items of the window's menu bar, by name.
  fw::Ref<fw::MenuItem> HelpMenu() const;
  fw::Ref<fw::MenuItem> AppleAbout() const;
  fw::Ref<fw::MenuItem> HelpExplanations() const;
  fw::Ref<fw::MenuItem> TestPatternMenu() const;
  fw::Ref<fw::MenuItem> PatternsVideo() const;
  fw::Ref<fw::MenuItem> PatternsMatching() const;
  fw::Ref<fw::MenuItem> PatternsGeometry() const;
  fw::Ref<fw::MenuItem> PatternsColors() const;
  fw::Ref<fw::MenuItem> EditMenu() const;
  fw::Ref<fw::MenuItem> EditClear() const;
  fw::Ref<fw::MenuItem> EditPaste() const;
  fw::Ref<fw::MenuItem> EditCopy() const;
  fw::Ref<fw::MenuItem> EditCut() const;
  fw::Ref<fw::MenuItem> UntitledMenu0() const;
  fw::Ref<fw::MenuItem> EditUndo() const;
  fw::Ref<fw::MenuItem> FileMenu() const;
  fw::Ref<fw::MenuItem> FileQuit() const;

  // Menu commands.
  bool _AppleAbout_Action();
  bool _PatternsColors_Action();
  bool _PatternsGeometry_Action();
  bool _PatternsMatching_Action();
  bool _HelpExplanations_Action();
  bool _PatternsVideo_Action();

  // The window's own operations.
  void NextPattern(const std::string& key);
  void UpdateMonitorInfo(std::int32_t screenIndex);
  void SetPattern(std::int32_t patternNumber);
  void EnableDisable();
  void ShowAbout();
  bool OldPreferences();
  void PatternGroupChange(std::int32_t group);

protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void Event_Open() override;
  void Event_Close() override;
  void Event_EnableMenuItems() override;
  void Event_Deactivate() override;
  bool Event_KeyDown(const std::string& key) override;
  void Event_Activate() override;

private:
  void _CreateControls0();
  void _CreateControls1();
  void SetOptionControls();
  // Stores one option of the record "Global" and saves the file, except while settingOptions_.
  void StoreOption(const std::string& key, fw::Variant value);

  // On while Event_Open sets the option controls from the preferences: the handlers those
  // settings raise neither store nor save, so that opening the window never writes the file.
  bool settingOptions_ = false;
};

// The main window's default instance, made and opened on the first call.
class wMain& wMain();
