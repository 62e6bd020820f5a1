#include <QIcon>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/Menu.h"
#include "app/Quarvel.h"
#include "app/StartUp.h"
#include "control/wMain.h"
#include "framework/application.h"
#include "framework/menubar.h"
#include "framework/msgbox.h"

namespace {

int argc = 1;
char name[] = "quarvel";
char* argv[] = {name, nullptr};

class StartUpTest : public testing::Test {
protected:
  void SetUp() override { fw::SetMsgBoxHandler([](const std::string&) {}); }
  void TearDown() override { ReleaseProgramObjects(); }
};

}  // namespace

TEST_F(StartUpTest, MenuBarIsInstalledBeforeTheMainWindowAndShared) {
  EXPECT_TRUE(Globals::PatternKind.empty());
  StartUp(argc, argv);
  EXPECT_EQ(App().MenuBar, fw::Ref<fw::MenuBar>(Menu()));
  EXPECT_EQ(wMain().MenuBar(), fw::Ref<fw::MenuBar>(Menu()));
  EXPECT_EQ(&wMain(), &wMain()) << "the accessor returns the one main window";
  EXPECT_EQ(wMain().Title(), "Quarvel");
  EXPECT_TRUE(wMain().Visible());
}

TEST_F(StartUpTest, ClosingTheMainWindowEndsWithStatusZero) {
  StartUp(argc, argv);
  wMain().Close();
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_EQ(fw::ExitStatus(), 0);
}

TEST_F(StartUpTest, QuitEndsTheLoopTheSameWay) {
  StartUp(argc, argv);
  fw::Quit(0);
  EXPECT_EQ(fw::RunEventLoop(), 0);
}

TEST_F(StartUpTest, ShutDownReleasesEverything) {
  StartUp(argc, argv);
  fw::Ref<class Menu> bar = Menu();
  ReleaseProgramObjects();
  EXPECT_TRUE(Globals::PatternKind.empty());
  EXPECT_FALSE(Globals::Prefs);
  EXPECT_NE(Menu(), bar) << "the menu bar was dropped and is built anew";
}

TEST_F(StartUpTest, TheWindowsShowTheInstalledIconFromTheProgramItself) {
  StartUp(argc, argv);
  const QIcon icon = wMain().Widget()->windowIcon();
  for (int size : {16, 48, 256}) {
    const QImage installed("../packaging/icons/" + QString::number(size) + "/org.quarvel.Quarvel.png");
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              installed.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << size << " px";
  }
}
