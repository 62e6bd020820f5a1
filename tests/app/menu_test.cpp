// The menu bar: one shared instance, its menus and items as the main window finds them, and
// what the user sees and chooses in the Qt menu bar built from it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <map>
#include <ostream>
#include <string>

#include "app/Menu.h"
#include "framework/application.h"
#include "framework/localized.h"
#include "framework/menubar.h"
#include "framework/window.h"

namespace {

enum class Kind { Plain, Quit, About };

struct ItemRow {
  const char* menu;
  const char* name;
  Kind kind;
  const char* text;
  const char* shortcut;
  bool autoEnable;
};

// Every item in menu order, with the texts English shows when no translation is installed.
const ItemRow kItems[] = {
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Cmd+Q", true},
    {"EditMenu", "EditUndo", Kind::Plain, "Undo", "Cmd+Z", false},
    {"EditMenu", "UntitledMenu0", Kind::Plain, "-", "", false},
    {"EditMenu", "EditCut", Kind::Plain, "Cut", "Cmd+X", false},
    {"EditMenu", "EditCopy", Kind::Plain, "Copy", "Cmd+C", false},
    {"EditMenu", "EditPaste", Kind::Plain, "Paste", "Cmd+V", false},
    {"EditMenu", "EditClear", Kind::Plain, "Clear", "", false},
    {"TestPatternMenu", "PatternsColors", Kind::Plain, "Colors", "Cmd+1", true},
    {"TestPatternMenu", "PatternsGeometry", Kind::Plain, "Geometry", "Cmd+2", true},
    {"TestPatternMenu", "PatternsMatching", Kind::Plain, "Matching", "Cmd+3", true},
    {"TestPatternMenu", "PatternsVideo", Kind::Plain, "Video", "Cmd+4", true},
    {"HelpMenu", "HelpExplanations", Kind::Plain, "Show explanations", "Cmd+H", false},
    {"HelpMenu", "AppleAbout", Kind::About, "About Quarvel\xE2\x80\xA6", "", false},
};

void PrintTo(const ItemRow& row, std::ostream* out) { *out << row.name; }

class MenuTest : public testing::Test {
protected:
  void SetUp() override {
    fw::UnloadTranslations();
    ReleaseMenu();
  }
  void TearDown() override { ReleaseMenu(); }
};

class MenuItems : public MenuTest, public testing::WithParamInterface<ItemRow> {};

TEST_P(MenuItems, CarryTheirNameClassTextShortcutAndEnabling) {
  const ItemRow& row = GetParam();
  fw::Ref<fw::MenuItem> menu = Menu()->Child(row.menu);
  ASSERT_TRUE(menu);
  fw::Ref<fw::MenuItem> item = menu->Child(row.name);
  ASSERT_TRUE(item) << row.name << " in " << row.menu;
  EXPECT_EQ(item->Text(), row.text);
  EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
  EXPECT_EQ(item->AutoEnable, row.autoEnable);
  EXPECT_EQ(item->Count(), 0);
  EXPECT_EQ(static_cast<bool>(fw::RefCast<fw::QuitMenuItem>(item)), row.kind == Kind::Quit);
  EXPECT_EQ(static_cast<bool>(fw::RefCast<fw::AppleMenuItem>(item)), row.kind == Kind::About);
  EXPECT_EQ(Menu()->Find(row.name), item) << "the main window finds it by name";
}

INSTANTIATE_TEST_SUITE_P(Menu, MenuItems, testing::ValuesIn(kItems),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, IsOneInstanceBuiltOnce) {
  fw::Ref<class Menu> first = Menu();
  fw::Ref<class Menu> second = Menu();
  EXPECT_EQ(first, second);
  EXPECT_EQ(second->Count(), 4);
  std::int32_t items = 0;
  for (std::int32_t m = 0; m < second->Count(); ++m) items += second->Item(m)->Count();
  EXPECT_EQ(items, static_cast<std::int32_t>(std::size(kItems))) << "no menu or item is duplicated";
}

TEST_F(MenuTest, ShowsItsMenusInOrder) {
  struct Title {
    const char* name;
    const char* text;
    bool autoEnable;
  };
  const Title titles[] = {{"FileMenu", "File", false},
                          {"EditMenu", "Edit", false},
                          {"TestPatternMenu", "Test patterns", false},
                          {"HelpMenu", "Help", true}};
  ASSERT_EQ(Menu()->Count(), 4);
  for (std::int32_t m = 0; m < 4; ++m) {
    EXPECT_EQ(Menu()->Item(m)->Name, titles[m].name);
    EXPECT_EQ(Menu()->Item(m)->Text(), titles[m].text);
    EXPECT_EQ(Menu()->Item(m)->KeyboardShortcut(), "");
    EXPECT_EQ(Menu()->Item(m)->AutoEnable, titles[m].autoEnable);
  }
  // Items lie in their menus in the table's order.
  std::map<std::string, std::int32_t> next;
  for (const ItemRow& row : kItems) {
    const std::int32_t index = next[row.menu]++;
    EXPECT_EQ(Menu()->Child(row.menu)->Item(index)->Name, row.name);
  }
}

TEST_F(MenuTest, FollowsTheInstalledLanguageWhenBuilt) {
  ASSERT_TRUE(fw::LoadTranslations(QCoreApplication::applicationDirPath().toStdString() + "/../translations", {"de"}));
  ReleaseMenu();
  EXPECT_EQ(Menu()->Child("FileMenu")->Text(), "Datei");
  EXPECT_EQ(Menu()->Find("AppleAbout")->Text(), "\xC3\x9C" "ber Quarvel\xE2\x80\xA6");
  fw::UnloadTranslations();
  EXPECT_EQ(Menu()->Child("FileMenu")->Text(), "Datei") << "texts are fetched once, when the bar is built";
}

// A window carrying the menu bar, counting what its handlers receive.
class MenuWindow : public fw::Window {
public:
  std::map<std::string, int> handled;

protected:
  void Layout() override { MenuBar(Menu()); }
  void AddMenuHandlers() override {
    for (const char* name : {"PatternsColors", "PatternsGeometry", "PatternsMatching", "PatternsVideo", "HelpExplanations",
                             "AppleAbout"})
      AddMenuHandler(name, [this, name] {
        ++handled[name];
        return true;
      });
  }
  void Event_EnableMenuItems() override {
    Menu()->Find("HelpExplanations")->Enable();
    Menu()->Find("AppleAbout")->Enable();
  }
};

QAction* ActionNamed(QMenuBar& bar, const QString& menuTitle, const QString& text) {
  for (QAction* m : bar.actions()) {
    if (m->text() != menuTitle || !m->menu()) continue;
    for (QAction* a : m->menu()->actions())
      if (a->text() == text) return a;
  }
  return nullptr;
}

TEST_F(MenuTest, ShowsInTheWindowWithCtrlShortcutsAndOneSeparator) {
  fw::Ref<MenuWindow> window = fw::NewWindow<MenuWindow>();
  auto* bar = window->Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList titles;
  for (QAction* m : bar->actions()) titles << m->text();
  EXPECT_EQ(titles, QStringList({"File", "Edit", "Test patterns", "Help"}));

  QMenu* edit = bar->actions().at(1)->menu();
  ASSERT_NE(edit, nullptr);
  QStringList editItems;
  for (QAction* a : edit->actions()) editItems << (a->isSeparator() ? QString("-") : a->text());
  EXPECT_EQ(editItems, QStringList({"Undo", "-", "Cut", "Copy", "Paste", "Clear"}));

  const std::map<QString, QKeySequence> shortcuts = {
      {"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},     {"Colors", QKeySequence(Qt::CTRL | Qt::Key_1)},
      {"Geometry", QKeySequence(Qt::CTRL | Qt::Key_2)}, {"Matching", QKeySequence(Qt::CTRL | Qt::Key_3)},
      {"Video", QKeySequence(Qt::CTRL | Qt::Key_4)},    {"Show explanations", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {"Undo", QKeySequence(Qt::CTRL | Qt::Key_Z)},     {"Clear", QKeySequence()},
      {"About Quarvel\xE2\x80\xA6", QKeySequence()}};
  int found = 0;
  for (QAction* m : bar->actions())
    for (QAction* a : m->menu()->actions()) {
      const auto it = shortcuts.find(a->text());
      if (it == shortcuts.end()) continue;
      ++found;
      EXPECT_EQ(a->shortcut(), it->second) << a->text().toStdString();
    }
  EXPECT_EQ(found, static_cast<int>(shortcuts.size()));
  window->Close();
}

TEST_F(MenuTest, QtsOwnTextsFollowTheProgramsLanguage) {
  ASSERT_TRUE(fw::LoadTranslations(QCoreApplication::applicationDirPath().toStdString() + "/../translations", {"de"}));
  ReleaseMenu();
  fw::Ref<MenuWindow> window = fw::NewWindow<MenuWindow>();
  auto* bar = window->Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const QAction* quit = ActionNamed(*bar, "Datei", "Beenden");
  ASSERT_NE(quit, nullptr);
  // What the menu shows beside the item; Qt's German comes with qt6-translations-l10n.
  EXPECT_EQ(quit->shortcut().toString(QKeySequence::NativeText), "Strg+Q");
  EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), "&Kopieren") << "a text field's context menu";
  fw::UnloadTranslations();
  EXPECT_EQ(quit->shortcut().toString(QKeySequence::NativeText), "Ctrl+Q") << "Qt's German goes with the program's";
  window->Close();
}

TEST_F(MenuTest, ChoosingAnItemReachesTheWindowsHandlerByName) {
  fw::Ref<MenuWindow> window = fw::NewWindow<MenuWindow>();
  auto* bar = window->Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const std::pair<const char*, const char*> chosen[] = {{"Test patterns", "Colors"},
                                                        {"Test patterns", "Geometry"},
                                                        {"Test patterns", "Matching"},
                                                        {"Test patterns", "Video"},
                                                        {"Help", "Show explanations"},
                                                        {"Help", "About Quarvel\xE2\x80\xA6"}};
  for (const auto& [menu, text] : chosen) {
    QAction* action = ActionNamed(*bar, menu, QString::fromUtf8(text));
    ASSERT_NE(action, nullptr) << text;
    action->trigger();
  }
  for (const char* name :
       {"PatternsColors", "PatternsGeometry", "PatternsMatching", "PatternsVideo", "HelpExplanations", "AppleAbout"})
    EXPECT_EQ(window->handled[name], 1) << name;

  // The Edit items have no handler and are never enabled: choosing one does nothing.
  ActionNamed(*bar, "Edit", "Copy")->trigger();
  EXPECT_EQ(window->handled.size(), 6u);
  window->Close();
}

TEST_F(MenuTest, QuitItemEndsTheEventLoop) {
  fw::Ref<MenuWindow> window = fw::NewWindow<MenuWindow>();
  auto* bar = window->Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QAction* quit = ActionNamed(*bar, "File", "Quit");
  ASSERT_NE(quit, nullptr);
  quit->trigger();
  EXPECT_EQ(fw::RunEventLoop(), 0) << "returns at once: the quit item asked the loop to end";
  window->Close();
}

}  // namespace

namespace {

// The framework's side of menu texts: what Qt shows is the item's text exactly.
TEST_F(MenuTest, TextsWithAnAmpersandShowItUnchanged) {
  fw::Ref<MenuWindow> window = fw::NewWindow<MenuWindow>();
  Menu()->Child("TestPatternMenu")->Text("Colors & shades");
  Menu()->Find("PatternsColors")->Text("Black & white");
  auto* bar = window->Widget()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->actions().at(2)->text(), "Colors && shades");
  EXPECT_NE(ActionNamed(*bar, "Colors && shades", "Black && white"), nullptr);
  window->Close();
}

}  // namespace
