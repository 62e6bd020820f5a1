#pragma once
// The base of the program's windows.
//
// A window handles its own events by overriding the Event_ methods. Construction runs in a
// fixed order through Construct(): Layout (the window's own properties), CreateControls (its
// layout table, applied in order), AddMenuHandlers, the controls' Open events in the order
// the controls were made, then the window's Open event. The Paint event is raised by the
// framework, not by Qt's paint cycle: once after the window is shown, after every Refresh and
// after its size changes, so that redrawing a child never re-raises it.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include <QSize>

#include "framework/control.h"
#include "framework/ref.h"

class QWidget;

namespace fw {

class MenuBar;
class WindowWidget;

class Window {
public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Runs Layout, CreateControls, AddMenuHandlers and Event_Open, in this order.
  void Construct();

  // Properties.
  std::string Title() const;
  void Title(const std::string& title);
  // Position in physical pixels of the screens (the screen that holds the point is the window's).
  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  void Left(std::int32_t x);
  void Top(std::int32_t y);
  // Size of the window's content, without menu bar and toolbar, in the window's own pixels:
  // the bars stand above the content and make the window that much higher.
  std::int32_t Width() const;
  std::int32_t Height() const;
  void Width(std::int32_t w);
  void Height(std::int32_t h);
  bool Visible() const;
  void Visible(bool visible);
  bool FullScreen() const { return fullScreen_; }
  void FullScreen(bool on);
  bool MenuBarVisible() const { return menuBarVisible_; }
  void MenuBarVisible(bool on);
  // Off: the window keeps the size the program gives it; the desktop is told minimum = maximum,
  // so it offers neither resizing nor maximizing. On: the user may resize the content within
  // MinWidth x MinHeight to MaxWidth x MaxHeight. Full screen, the window fills its screen
  // either way.
  bool Resizeable() const { return resizeable_; }
  void Resizeable(bool on);
  std::int32_t MinWidth() const { return minSize_.width(); }
  std::int32_t MinHeight() const { return minSize_.height(); }
  std::int32_t MaxWidth() const { return maxSize_.width(); }
  std::int32_t MaxHeight() const { return maxSize_.height(); }
  void MinWidth(std::int32_t w);
  void MinHeight(std::int32_t h);
  void MaxWidth(std::int32_t w);
  void MaxHeight(std::int32_t h);
  // The title-bar buttons the desktop shows. Without a close button the desktop cannot close
  // the window; the program still can.
  bool CloseButton() const { return closeButton_; }
  void CloseButton(bool on);
  bool MinimizeButton() const { return minimizeButton_; }
  void MinimizeButton(bool on);
  bool MaximizeButton() const { return maximizeButton_; }
  void MaximizeButton(bool on);
  std::int32_t Placement = 0;
  std::int32_t Frame = 0;
  Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
  void MenuBar(Ref<fw::MenuBar> bar);

  void Show();
  // Shows the window attached to another one: a tool window beside it (attached_window.h).
  void ShowWithin(Window& parent, std::int32_t mode);
  void Hide();
  void Close();
  // Asks for the Paint event again (and redraws every control).
  void Refresh(bool eraseBackground = false);
  bool IsActive() const;

  // Controls.
  void AddControl(Ref<Control> control);
  Ref<Control> FindControl(const std::string& name) const;  // nil when there is none
  // The control of that name and class; NilObjectException when there is none.
  template <class T>
  Ref<T> Find(const std::string& name) const {
    Ref<T> found = RefCast<T>(FindControl(name));
    if (!found) throw NilObjectException();
    return found;
  }
  const std::vector<Ref<Control>>& Controls() const { return controls_; }

  // Menu handlers, registered by menu item name. HandleMenu returns true when one ran.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HandleMenu(const std::string& itemName);
  bool HasMenuHandler(const std::string& itemName) const;

  // The framework delivers events through these (tests may call them to act out input).
  bool DeliverKeyDown(const std::string& key);
  bool DeliverMouseDown(std::int32_t x, std::int32_t y);
  void DeliverPaint();
  void DeliverEnableMenuItems();

  // Framework-internal.
  QWidget* Widget() const;
  QWidget* ClientArea() const;
  void SetToolbarWidget(QWidget* toolbar);  // placed above the content
  void ContentSized(std::int32_t w, std::int32_t h);
  void ClientResized(std::int32_t oldW, std::int32_t oldH, std::int32_t newW, std::int32_t newH);
  void ScheduleEventPaint();

protected:
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}

  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual void Event_Deactivate() {}
  virtual void Event_EnableMenuItems() {}
  virtual bool Event_KeyDown(const std::string& /*key*/) { return false; }
  virtual bool Event_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) { return false; }
  virtual void Event_Paint() {}

private:
  friend class WindowWidget;
  void ApplyPlacement();
  void SizeContent(std::int32_t w, std::int32_t h);
  void ShowOnScreen();
  void ApplyButtons();
  void ApplySizeLimits();

  std::unique_ptr<WindowWidget> widget_;
  std::vector<Ref<Control>> controls_;
  std::map<std::string, std::function<bool()>> menuHandlers_;
  Ref<fw::MenuBar> menuBar_;
  std::int32_t left_ = 0, top_ = 0;
  void KeepNormalSize();
  QSize normalSize_;  // the content's size before the window went full screen
  std::int32_t contentW_ = -1, contentH_ = -1;  // the size the controls were last fitted to
  static constexpr std::int32_t kNoLimit = 16777215;  // Qt's largest widget size
  QSize minSize_{0, 0}, maxSize_{kNoLimit, kNoLimit};  // of the content, while resizeable
  bool placed_ = false;
  bool fullScreen_ = false, menuBarVisible_ = true, resizeable_ = true;
  bool closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
  bool attached_ = false;  // shown with ShowWithin: a tool window
  bool closing_ = false;  // Close() called by the program
  bool paintPending_ = false;
  bool constructing_ = false, showAfterConstruct_ = false;
};

// The framework's lists of windows: every window made, and the default instance of each class.
void RegisterWindow(Ref<Window> window);
Ref<Window> FindDefaultWindow(std::type_index type);
void SetDefaultWindow(std::type_index type, Ref<Window> window);
// Releases both lists (at shut-down).
void ReleaseWindows();
// The window whose class's default instance this is, made and constructed on first use. The
// instance is registered before it is constructed, so that code running during its Open event
// reaches the same window through the accessor.
template <class T>
T& DefaultWindow() {
  Ref<Window> existing = FindDefaultWindow(typeid(T));
  if (existing) return static_cast<T&>(*existing);
  Ref<T> made = New<T>();
  SetDefaultWindow(typeid(T), made);
  RegisterWindow(made);
  made->Construct();
  return *made;
}
// A new window of the class, registered and constructed.
template <class T>
Ref<T> NewWindow() {
  Ref<T> made = New<T>();
  RegisterWindow(made);
  made->Construct();
  return made;
}

// The key text the framework delivers for a Qt key press (empty for a modifier alone).
std::string KeyText(int qtKey, const std::string& typed);

}  // namespace fw
