#include "app/StartUp.h"

#include "app/Assets.h"
#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Quarvel.h"
#include "control/wMain.h"
#include "framework/window.h"

void StartUp(int& argc, char** argv) {
  // Classes need no registration here; the runtime comes up with the Qt application. The
  // program reads no argument and opens no document.
  fw::Initialize(argc, argv);
  fw::Guarded([] {
    auto app = fw::New<Quarvel>();
    app->MenuBar = Menu();
    fw::RegisterApplication(app);
    wMain();
  });
}

void ReleaseProgramObjects() {
  ReleaseAssets();
  fw::ReleaseWindows();
  Globals::Release();
  ReleaseMenu();
}

int RunProgram(int& argc, char** argv) {
  StartUp(argc, argv);
  fw::RunEventLoop();
  ReleaseProgramObjects();
  return fw::Shutdown();
}
