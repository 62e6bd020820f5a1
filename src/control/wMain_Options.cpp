#include "control/wMain.h"

#include "app/Globals.h"
#include "control/MakerSite.h"
#include "framework/application.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/static_text.h"
#include "framework/msgbox.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/timer.h"
#include "patterns/cPatternCanvas.h"
#include "patterns/wPattern.h"
#include "prefs/cPreferences.h"

namespace {

// The record "Global" as a first start writes it, key by key in this order.
fw::Ref<fw::Dictionary> DefaultGlobalPrefs() {
  auto d = fw::New<fw::Dictionary>();
  d->Value("AllTests", false);
  d->Value("ShowHelp", true);
  d->Value("FontSize", std::int32_t{12});
  d->Value("OverscanUsePixels", false);
  d->Value("Sound", true);
  return d;
}

// Keeps a flag on for as long as it lives, also when what it guards throws.
struct FlagOn {
  bool& flag;
  explicit FlagOn(bool& f) : flag(f) { flag = true; }
  ~FlagOn() { flag = false; }
  FlagOn(const FlagOn&) = delete;
  FlagOn& operator=(const FlagOn&) = delete;
};

void SaveGlobal() { Globals::Prefs->SetAndSave("Global", Globals::GlobalPrefs); }

}  // namespace

void wMain::Event_Open() {
  Globals::PatternKind = "ColWhite";
  Globals::Prefs = fw::New<cPreferences>("Quarvel");
  Globals::GlobalPrefs = Globals::Prefs->GetData("Global");
  if (Globals::GlobalPrefs) {
    if (OldPreferences()) {
      Globals::GlobalPrefs->Value("FontSize", std::int32_t{12});
      Globals::GlobalPrefs->Value("OverscanUsePixels", false);
      Globals::GlobalPrefs->Value("Sound", true);
    }
    // A record damaged or written elsewhere may lack a key: it gets the default and the start
    // goes on.
    const fw::Ref<fw::Dictionary> defaults = DefaultGlobalPrefs();
    for (std::int32_t i = 0; i < defaults->Count(); ++i)
      if (!Globals::GlobalPrefs->HasKey(defaults->Key(i)))
        Globals::GlobalPrefs->Value(defaults->Key(i), defaults->Value(defaults->Key(i)));
  } else {
    Globals::GlobalPrefs = DefaultGlobalPrefs();
    SaveGlobal();
  }

  {
    const FlagOn quiet(settingOptions_);
    SetOptionControls();
  }

  const std::int32_t screens = fw::ScreenCount();
  TestWindow.assign(static_cast<std::size_t>(std::max(screens, 0)), nullptr);
  for (std::int32_t i = 0; i < screens; ++i) {
    if (i == 0) {
      wPattern();
      TestWindow[0] = fw::RefCast<class wPattern>(fw::FindDefaultWindow(typeid(class wPattern)));
    } else {
      TestWindow[static_cast<std::size_t>(i)] = fw::NewWindow<class wPattern>();
    }
    class wPattern& w = *TestWindow[static_cast<std::size_t>(i)];
    const fw::ScreenInfo screen = fw::Screen(i);
    w.ScreenNo = i;
    w.Left(screen.Left + 50);
    w.Top(screen.Top + 50);
    w.MenuBarVisible(false);
    w.FullScreen(true);
  }

  Find<fw::Timer>("tiRefresh")->Mode(2);
  EnableDisable();
  // The preview shows the current pattern from the start, not an empty box.
  Find<cPatternCanvas>("cvPattern")->Make(Globals::ActiveScreen, Globals::PatternKind);
}

// The option controls as the record "Global" says.
void wMain::SetOptionControls() {
  const fw::Dictionary& prefs = *Globals::GlobalPrefs;
  Find<fw::CheckBox>("cbAllTests")->Value(fw::VariantToBool(prefs.Value("AllTests")));
  Find<fw::CheckBox>("cbShowHelp")->Value(fw::VariantToBool(prefs.Value("ShowHelp")));
  Find<fw::CheckBox>("cbSound")->Value(fw::VariantToBool(prefs.Value("Sound")));
  Find<fw::PopupMenu>("pmOverscan")->ListIndex(fw::VariantToBool(prefs.Value("OverscanUsePixels")) ? 1 : 0);
  const fw::Ref<fw::PopupMenu> fontSize = Find<fw::PopupMenu>("pmFontSize");
  const double size = fw::VariantToDouble(prefs.Value("FontSize"));
  for (std::int32_t i = 0; i < fontSize->ListCount(); ++i) {
    if (fw::Val(fontSize->List(i)) == size) {
      fontSize->ListIndex(i);
      break;
    }
  }
}

bool wMain::OldPreferences() {
  try {
    Globals::GlobalPrefs->Value("Sound");
    return false;
  } catch (const fw::KeyNotFoundException&) {
    return true;
  }
}

void wMain::EnableDisable() {
  if (fw::ScreenCount() < 2) Find<fw::CheckBox>("cbAllMonitors")->Enabled(false);
}

void wMain::StoreOption(const std::string& key, fw::Variant value) {
  if (settingOptions_) return;
  Globals::GlobalPrefs->Value(key, std::move(value));
  SaveGlobal();
}

void wMain::cbAllTests_Action() { StoreOption("AllTests", Find<fw::CheckBox>("cbAllTests")->Value()); }

void wMain::cbShowHelp_Action() { StoreOption("ShowHelp", Find<fw::CheckBox>("cbShowHelp")->Value()); }

void wMain::cbSound_Action() { StoreOption("Sound", Find<fw::CheckBox>("cbSound")->Value()); }

void wMain::pmOverscan_Change() { StoreOption("OverscanUsePixels", Find<fw::PopupMenu>("pmOverscan")->ListIndex() != 0); }

void wMain::pmFontSize_Change() { StoreOption("FontSize", fw::Val(Find<fw::PopupMenu>("pmFontSize")->Text())); }

void wMain::stVersion_Open() { Find<fw::StaticText>("stVersion")->Caption("V. " + fw::ShortVersion()); }

void wMain::pbVelostra_Action() { fw::ShowURL(kMakerSite); }
