#pragma once
// The program started as at a real start (application object, menu bar, main window) with its
// preferences in a folder of the test's own, message boxes recorded and an escaping exception
// failing the test instead of quitting. TearDown releases everything again.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class QWidget;

class MainWindowTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // Runs after the preferences folder is set and before the program starts: a fixture prepares
  // the preferences file or the screen list (fw::SetScreensForTesting) here.
  virtual void BeforeStart() {}
  // The preferences file's path and its bytes ("" when there is none).
  std::string PrefsPath() const;
  std::string PrefsBytes() const;

  // Real input, as Qt delivers it to a window's widgets.
  static void Click(QWidget* widget, int x = 1, int y = 1);
  static void Press(QWidget* widget, int qtKey, const QString& text = QString());
  // Lets the event loop run what is queued (paints, shows).
  static void Settle();

  QTemporaryDir config_;
  std::vector<std::string> messages_;
  std::vector<std::string> unhandled_;
};
