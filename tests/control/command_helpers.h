#pragma once
// What the command tests do as a user would: toolbar buttons clicked, menu shortcuts typed,
// menus opened and their items clicked; and what they look at.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/QV_Toolbar.h"
#include "control/wHelp.h"
#include "framework/menubar.h"
#include "framework/screens.h"
#include "main_window_fixture.h"
#include "run_helpers.h"

// The toolbar's items by index.
enum ToolIndex : std::int32_t { kTbColors, kTbGeometry, kTbMatching, kTbVideo, kTbSeparator1, kTbHelp, kTbInfo };

inline fw::Ref<QV_Toolbar> MainToolbar() { return wMain().Find<QV_Toolbar>("MyToolbar"); }
inline fw::Ref<fw::ToolItem> ToolItemAt(std::int32_t index) { return MainToolbar()->Item(index); }
// The widget that shows an item on the toolbar: a QToolButton for a button.
inline QWidget* ToolWidget(std::int32_t index) {
  const fw::Ref<QV_Toolbar> bar = MainToolbar();
  return bar->Bar()->widgetForAction(bar->ActionOf(*bar->Item(index)));
}
inline QToolButton* ToolButtonAt(std::int32_t index) { return qobject_cast<QToolButton*>(ToolWidget(index)); }

// The Qt action that shows the item of that name in the main window's menu bar.
inline QAction* MenuAction(const std::string& name) {
  const fw::Ref<fw::MenuItem> item = wMain().MenuBar()->Find(name);
  if (!item || item->Actions().empty()) return nullptr;
  return item->Actions().front();
}
inline QMenuBar* MainMenuBar() { return wMain().Widget()->findChild<QMenuBar*>(); }
inline fw::Ref<fw::MenuItem> MenuItemNamed(const std::string& name) { return wMain().MenuBar()->Find(name); }
inline std::string HelpItemText() { return wMain().HelpExplanations()->Text(); }

inline std::int32_t MainPage() { return wMain().Find<fw::PagePanel>("ppMain")->Value(); }
inline std::int32_t GroupPage() { return wMain().Find<fw::PagePanel>("ppTestKind")->Value(); }

class CommandTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    wMain().Widget()->activateWindow();
    Settle();
  }

  // A real click in the middle of a toolbar item's widget.
  static void ClickTool(std::int32_t index) {
    QWidget* widget = ToolWidget(index);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
  }
  // Ctrl and the key, typed into the main window: the menu shortcuts "Cmd+1" and so on. The
  // window is made active first, as the user's typing into it does. (The offscreen platform
  // activates every window it shows, the explanation window too, and leaves no window active
  // when the active one hides; a desktop gives the activation back to the main window.)
  static void TypeShortcut(int qtKey) {
    wMain().Widget()->activateWindow();
    Settle();
    TypeShortcutInto(wMain().Widget(), qtKey);
  }
  // The same typed into another window of the program, active at the time.
  static void TypeShortcutInto(QWidget* window, int qtKey) {
    QTest::keyClick(window, static_cast<Qt::Key>(qtKey), Qt::ControlModifier);
    Settle();
  }
  // Opens the menu with a click on its title in the menu bar; its items then show the states of
  // the enabling pass. Close it with CloseMenu.
  static QMenu* OpenMenu(const std::string& menuName) {
    QMenuBar* bar = MainMenuBar();
    QAction* title = MenuAction(menuName);
    if (!bar || !title || !title->menu()) {
      ADD_FAILURE() << "no menu " << menuName;
      return nullptr;
    }
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
    Settle();
    EXPECT_TRUE(title->menu()->isVisible()) << menuName << " did not open";
    return title->menu();
  }
  static void CloseMenu(QMenu* menu) {
    if (menu) menu->hide();
    Settle();
  }
  // Opens the menu and clicks the item in it, as a user chooses an item that has no shortcut.
  static void ChooseFromMenu(const std::string& menuName, const std::string& itemName) {
    QMenu* menu = OpenMenu(menuName);
    QAction* item = MenuAction(itemName);
    ASSERT_TRUE(menu && item);
    ASSERT_TRUE(item->isEnabled()) << itemName << " is disabled";
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    Settle();
    CloseMenu(menu);
  }
  // Whether the item shows enabled in its open menu.
  static bool ShownEnabled(const std::string& menuName, const std::string& itemName) {
    QMenu* menu = OpenMenu(menuName);
    const bool enabled = MenuAction(itemName) && MenuAction(itemName)->isEnabled();
    CloseMenu(menu);
    return enabled;
  }
};

// Two screens side by side, in place before the program starts, so that the main window opens
// with two monitors to choose from and "All monitors synchronously" enabled.
class TwoScreenCommandTest : public CommandTest {
protected:
  void BeforeStart() override {
    fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, 1024, 768, 32, 1.0}, {1024, 0, 1280, 1024, 24, 1.0}});
  }
};
