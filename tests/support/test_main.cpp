// The test programs' entry: the framework runtime (a Qt application on the offscreen platform
// unless the environment says otherwise), then every test.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/application.h"
#include "framework/window.h"
#include "support/screen_harness.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  SetHarnessProgram(argv[0]);
  // No test writes into the user's own preferences; the folder goes when the tests end.
  char config[] = "/tmp/quarvel-test-config-XXXXXX";
  const bool madeConfig = mkdtemp(config) != nullptr;
  if (madeConfig) setenv("XDG_CONFIG_HOME", config, 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::Initialize(argc, argv);
  // Text metrics in the tests assume this font ("System" draws in the application's font).
  QApplication::setFont(QFont("DejaVu Sans"));
  const int status = RUN_ALL_TESTS();
  fw::ReleaseWindows();
  fw::Shutdown();
  if (madeConfig) QDir(config).removeRecursively();
  fw::EndProcess(status);
}
