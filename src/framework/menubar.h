#pragma once
// Menus. A menu bar, its menus and their items are all MenuItems. Items carry names by which
// windows find them and register their handlers. "Cmd+X" in a shortcut means Ctrl+X here.
//
// Enabling: an item with AutoEnable on is enabled by the framework; the others are disabled
// before each menu opens (and before a shortcut runs), and the active window's EnableMenuItems
// event enables what applies.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ref.h"

class QAction;
class QKeySequence;
class QObject;
class QWidget;

namespace fw {

class Window;

class MenuItem {
public:
  MenuItem() = default;
  explicit MenuItem(std::string text) : text_(std::move(text)) {}
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  bool AutoEnable = false;

  const std::string& Text() const { return text_; }
  void Text(const std::string& text);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void KeyboardShortcut(const std::string& shortcut);
  bool Enabled() const { return enabled_; }
  void Enabled(bool on);
  void Enable() { Enabled(true); }
  bool IsSeparator() const { return text_ == "-"; }

  void Append(Ref<MenuItem> item);
  void Insert(std::int32_t index, Ref<MenuItem> item);
  void Remove(std::int32_t index);
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  Ref<MenuItem> Item(std::int32_t index) const;  // OutOfBoundsException outside 0..Count-1
  // The direct child of that name; nil when there is none.
  Ref<MenuItem> Child(const std::string& name) const;
  // Any item of that name below this one.
  Ref<MenuItem> Find(const std::string& name) const;
  void Close() {}

  // What choosing the item does when no window handles it by name.
  virtual void DefaultAction() {}
  virtual bool IsQuitItem() const { return false; }
  virtual bool IsAboutItem() const { return false; }

  // Framework-internal: the Qt actions showing this item, and how one is added to them (it
  // leaves the list when Qt deletes it).
  const std::vector<QAction*>& Actions() const { return actions_; }
  void TrackAction(QAction* action);

private:
  void SyncActions();
  std::string text_;
  std::string shortcut_;
  bool enabled_ = true;
  std::vector<Ref<MenuItem>> items_;
  std::vector<QAction*> actions_;
  QObject* tracker_ = nullptr;  // context of the connections to the actions; owned
};

// The framework's quit item: choosing it quits the application.
class QuitMenuItem : public MenuItem {
public:
  using MenuItem::MenuItem;
  void DefaultAction() override;
  bool IsQuitItem() const override { return true; }
};

// The item for the application's own menu (About). On Linux it stays in the menu it was added to.
class AppleMenuItem : public MenuItem {
public:
  using MenuItem::MenuItem;
  bool IsAboutItem() const override { return true; }
};

class MenuBar : public MenuItem {};

// Framework-internal: the Qt menu bar that shows `bar` in `window`, dispatching to its handlers.
QWidget* CreateMenuBarWidget(MenuBar& bar, Window& window);
// Framework-internal: true when `keys` is the shortcut of an item that the enabling pass leaves
// disabled; such a key is not a shortcut then and goes on to the focused control as typed.
bool ShortcutOfADisabledItem(const QKeySequence& keys);
// Runs the enabling pass for `window` over `bar` (tests call it to see what a menu would show).
void UpdateMenuEnabling(MenuBar& bar, Window& window);
// Chooses the item as the user would (it runs only when enabled after the enabling pass).
void ChooseMenuItem(MenuBar& bar, Window& window, const std::string& name);

}  // namespace fw
