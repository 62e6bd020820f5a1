#include "framework/menubar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>

#include "framework/application.h"
#include "framework/strings.h"
#include "framework/window.h"

namespace fw {

// Deleting the tracker ends exactly the connections the item made, and no one else's.
MenuItem::~MenuItem() { delete tracker_; }

void MenuItem::TrackAction(QAction* action) {
  if (!tracker_) tracker_ = new QObject();
  actions_.push_back(action);
  QObject::connect(action, &QObject::destroyed, tracker_, [this, action] {
    actions_.erase(std::remove(actions_.begin(), actions_.end(), action), actions_.end());
  });
}

void MenuItem::Text(const std::string& text) {
  text_ = text;
  SyncActions();
}

void MenuItem::KeyboardShortcut(const std::string& shortcut) {
  shortcut_ = shortcut;
  SyncActions();
}

void MenuItem::Enabled(bool on) {
  enabled_ = on;
  SyncActions();
}

void MenuItem::Append(Ref<MenuItem> item) { items_.push_back(std::move(item)); }

void MenuItem::Insert(std::int32_t index, Ref<MenuItem> item) {
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, std::move(item));
}

void MenuItem::Remove(std::int32_t index) {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("MenuItem.Remove(" + std::to_string(index) + ")");
  items_.erase(items_.begin() + index);
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("MenuItem.Item(" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& item : items_)
    if (item->Name == name) return item;
  return nullptr;
}

Ref<MenuItem> MenuItem::Find(const std::string& name) const {
  for (const auto& item : items_) {
    if (item->Name == name) return item;
    if (Ref<MenuItem> below = item->Find(name)) return below;
  }
  return nullptr;
}

namespace {

// Read in Qt's portable form: Qt's own default reads the user's language, where Ctrl may be
// "Strg". Qt writes it in the user's language where the menu shows it.
QKeySequence Shortcut(const std::string& shortcut) {
  return QKeySequence(QString::fromStdString(ReplaceAll(shortcut, "Cmd+", "Ctrl+")), QKeySequence::PortableText);
}

// Qt reads "&" in an action's text as the mark of a mnemonic and drops it; the item's text is
// shown as it is.
QString ShownText(const std::string& text) { return QString::fromStdString(text).replace('&', "&&"); }

void ForEachItem(MenuItem& root, const std::function<void(MenuItem&)>& visit) {
  for (std::int32_t i = 0; i < root.Count(); ++i) {
    Ref<MenuItem> item = root.Item(i);
    visit(*item);
    ForEachItem(*item, visit);
  }
}

// The menu bars shown, each with the window whose enabling pass decides over its items.
struct ShownBar {
  QPointer<QMenuBar> widget;
  MenuBar* bar;
  Window* window;
};
std::vector<ShownBar>& ShownBars() {
  static std::vector<ShownBar> bars;
  return bars;
}

}  // namespace

void MenuItem::SyncActions() {
  for (QAction* a : actions_) {
    if (IsSeparator()) continue;
    a->setText(ShownText(text_));
    a->setShortcut(Shortcut(shortcut_));
  }
}

void QuitMenuItem::DefaultAction() { Quit(0); }

void UpdateMenuEnabling(MenuBar& bar, Window& window) {
  ForEachItem(bar, [](MenuItem& item) { item.Enabled(item.AutoEnable); });
  window.DeliverEnableMenuItems();
}

void ChooseMenuItem(MenuBar& bar, Window& window, const std::string& name) {
  Ref<MenuItem> item = bar.Find(name);
  if (!item) return;
  UpdateMenuEnabling(bar, window);
  if (!item->Enabled()) return;
  if (window.HandleMenu(name)) return;
  Guarded([&] { item->DefaultAction(); });
}

bool ShortcutOfADisabledItem(const QKeySequence& keys) {
  auto& bars = ShownBars();
  std::erase_if(bars, [](const ShownBar& shown) { return shown.widget.isNull(); });
  for (const ShownBar& shown : bars) {
    const MenuItem* match = nullptr;
    ForEachItem(*shown.bar, [&](MenuItem& item) {
      if (match || item.IsSeparator()) return;
      for (QAction* a : item.Actions())
        if (a->shortcut() == keys) match = &item;
    });
    if (!match) continue;
    UpdateMenuEnabling(*shown.bar, *shown.window);
    return !match->Enabled();
  }
  return false;
}

QWidget* CreateMenuBarWidget(MenuBar& bar, Window& window) {
  auto* qbar = new QMenuBar();
  ShownBars().push_back({qbar, &bar, &window});
  for (std::int32_t m = 0; m < bar.Count(); ++m) {
    Ref<MenuItem> menuItem = bar.Item(m);
    QMenu* menu = qbar->addMenu(ShownText(menuItem->Text()));
    menuItem->TrackAction(menu->menuAction());
    // Shown states follow the enabling pass while the menu is open; otherwise every action
    // stays enabled and a shortcut is checked by ChooseMenuItem at the moment it is used.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&bar, &window, menuItem] {
      UpdateMenuEnabling(bar, window);
      for (std::int32_t i = 0; i < menuItem->Count(); ++i)
        for (QAction* a : menuItem->Item(i)->Actions()) a->setEnabled(menuItem->Item(i)->Enabled());
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [menuItem] {
      for (std::int32_t i = 0; i < menuItem->Count(); ++i)
        for (QAction* a : menuItem->Item(i)->Actions()) a->setEnabled(true);
    });
    for (std::int32_t i = 0; i < menuItem->Count(); ++i) {
      Ref<MenuItem> item = menuItem->Item(i);
      if (item->IsSeparator()) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(ShownText(item->Text()));
      action->setShortcut(Shortcut(item->KeyboardShortcut()));
      action->setShortcutContext(Qt::ApplicationShortcut);
      if (item->IsQuitItem()) action->setMenuRole(QAction::QuitRole);
      if (item->IsAboutItem()) action->setMenuRole(QAction::AboutRole);
      item->TrackAction(action);
      const std::string name = item->Name;
      QObject::connect(action, &QAction::triggered, action,
                       [&bar, &window, name] { Guarded([&] { ChooseMenuItem(bar, window, name); }); });
    }
  }
  return qbar;
}

}  // namespace fw
