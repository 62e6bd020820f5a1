#pragma once
// Helpers for tests that install translations: the places where the build puts the compiled
// translation files, and a fixture that starts and ends every test in English. The application
// object that translations are installed on comes from application.cpp.
#include <string>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "framework/localized.h"

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
  void SetUp() override { fw::UnloadTranslations(); }
  void TearDown() override { fw::UnloadTranslations(); }
};
