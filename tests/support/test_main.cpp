#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Headless unless told otherwise; the build also runs this program to list the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Text metrics in the tests assume this font ("System" draws in the application's font).
  QApplication::setFont(QFont("DejaVu Sans"));
  return RUN_ALL_TESTS();
}
