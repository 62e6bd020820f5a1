#include "support/screen_harness.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryFile>
#include <QTextStream>
#include <cstdlib>

namespace {
std::string& Program() {
  static std::string program;
  return program;
}
}  // namespace

void SetHarnessProgram(const char* argv0) { Program() = argv0; }

bool InHarness() { return std::getenv("QUARVEL_SCREEN_HARNESS") != nullptr; }

int RunWithScreens(const std::vector<HarnessScreen>& screens, const std::string& gtestFilter, const char* qtScaleFactor) {
  QTemporaryFile config;
  if (!config.open()) return -1;
  QTextStream out(&config);
  out << "{\"screens\": [";
  for (std::size_t i = 0; i < screens.size(); ++i) {
    const HarnessScreen& s = screens[i];
    out << (i ? ", " : "") << "{\"name\": \"S" << i << "\", \"x\": " << s.x << ", \"y\": " << s.y
        << ", \"width\": " << s.width << ", \"height\": " << s.height
        << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": " << s.dpr << "}";
  }
  out << "]}";
  out.flush();
  config.close();

  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
  env.insert("QUARVEL_SCREEN_HARNESS", "1");
  if (qtScaleFactor) env.insert("QT_SCALE_FACTOR", qtScaleFactor);
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QString::fromStdString(Program()),
              {QString::fromStdString("--gtest_filter=" + gtestFilter), "--gtest_also_run_disabled_tests"});
  if (!child.waitForFinished(60000)) return -2;
  return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -3;
}
