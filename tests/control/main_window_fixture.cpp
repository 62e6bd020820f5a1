#include "main_window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/StartUp.h"
#include "framework/application.h"
#include "framework/msgbox.h"
#include "framework/screens.h"

namespace {
int argc = 1;
char name[] = "quarvel";
char* argv[] = {name, nullptr};
}  // namespace

void MainWindowTest::SetUp() {
  ASSERT_TRUE(config_.isValid());
  setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
  fw::SetMsgBoxHandler([this](const std::string& text) { messages_.push_back(text); });
  fw::SetShowURLHandler([](const std::string&) {});
  fw::SetUnhandledExceptionHandler([this](const std::string& what) { unhandled_.push_back(what); });
  BeforeStart();
  if (HasFatalFailure()) return;
  StartUp(argc, argv);
  Settle();
}

void MainWindowTest::TearDown() {
  ReleaseProgramObjects();
  fw::SetScreensForTesting(std::nullopt);
  fw::SetUnhandledExceptionHandler({});
  EXPECT_TRUE(unhandled_.empty()) << unhandled_.front();
}

std::string MainWindowTest::PrefsPath() const { return config_.path().toStdString() + "/Quarvel"; }

std::string MainWindowTest::PrefsBytes() const {
  std::ifstream in(PrefsPath(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void MainWindowTest::Click(QWidget* widget, int x, int y) {
  ASSERT_NE(widget, nullptr);
  const QPointF local(x, y), global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
  Settle();
}

void MainWindowTest::Press(QWidget* widget, int qtKey, const QString& text) {
  ASSERT_NE(widget, nullptr);
  QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
  Settle();
}

void MainWindowTest::Settle() {
  for (int i = 0; i < 3; ++i) fw::ProcessEvents();
}
