#pragma once
// Helpers for tests that install translations: an application object to install them on, and
// the places where the build puts the compiled translation files.
#include <string>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "framework/localized.h"

// Translators are installed on the application object; the shared test main may not make one.
inline void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_text";
  static char* argv[] = {name, nullptr};
  new QCoreApplication(argc, argv);  // lives as long as the test program
}

// Beside test_text: the translations compiled for the tests only.
inline std::string FixtureFolder() {
  return QCoreApplication::applicationDirPath().toStdString() + "/text/fixtures";
}

// Beside the program, one folder up from test_text: the translations that ship.
inline std::string ShippedFolder() {
  return QCoreApplication::applicationDirPath().toStdString() + "/../translations";
}

// Every test starts and ends in English.
class TranslationTest : public testing::Test {
protected:
  void SetUp() override {
    EnsureApplication();
    fw::UnloadTranslations();
  }
  void TearDown() override { fw::UnloadTranslations(); }
};
