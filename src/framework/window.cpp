#include "framework/window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "framework/application.h"
#include "framework/controls/key_routing.h"
#include "framework/menubar.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/window_widget.h"

namespace fw {

// ---- The Qt side -------------------------------------------------------------------------

ClientArea::ClientArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

void ClientArea::resizeEvent(QResizeEvent* event) {
  owner_.ContentSized(event->size().width(), event->size().height());
  owner_.ScheduleEventPaint();
}

WindowWidget::WindowWidget(Window& owner) : QWidget(nullptr), owner_(owner) {
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  client_ = new ClientArea(owner, this);
  layout_->addWidget(client_, 1);
  setFocusPolicy(Qt::StrongFocus);
}

void WindowWidget::SetMenuBarWidget(QWidget* bar) {
  delete menuBar_;
  menuBar_ = bar;
  if (bar) layout_->insertWidget(0, bar);
}

void WindowWidget::SetToolbarWidget(QWidget* toolbar) {
  // The toolbar control owns its widget; one that is replaced only leaves the window.
  if (toolbar_ && toolbar_ != toolbar) toolbar_->setParent(nullptr);
  toolbar_ = toolbar;
  if (toolbar) layout_->insertWidget(menuBar_ ? 1 : 0, toolbar);
}

void WindowWidget::ShowMenuBar(bool visible) {
  if (menuBar_) menuBar_->setVisible(visible);
}

bool WindowWidget::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::WindowActivate:
      Guarded([this] { owner_.Event_Activate(); });
      break;
    case QEvent::WindowDeactivate:
      Guarded([this] { owner_.Event_Deactivate(); });
      break;
    case QEvent::ShortcutOverride:
      // The menu bar's key equivalents belong to the windows that show it; a window without one
      // (a full-screen pattern) gets every key as its own key press.
      // A disabled item's shortcut does not eat the key either (Ctrl+C copies from a text field).
      if (!owner_.MenuBarVisible() ||
          ShortcutOfADisabledItem(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
        event->accept();
        return true;
      }
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  const std::string key = KeyText(event->key(), event->text().toStdString());
  if (key.empty() || ArrowAlreadyOffered() || !owner_.DeliverKeyDown(key)) QWidget::keyPressEvent(event);
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (!owner_.DeliverMouseDown(p.x(), p.y())) QWidget::mousePressEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  if (!owner_.CloseButton() && !owner_.closing_) {
    event->ignore();
    return;
  }
  Guarded([this] { owner_.Event_Close(); });
  event->accept();
}

void WindowWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  owner_.ScheduleEventPaint();
}

// ---- Window ------------------------------------------------------------------------------

Window::Window() : widget_(std::make_unique<WindowWidget>(*this)) {
  InstallKeyRouting();
  ApplyButtons();
}

Window::~Window() {
  // Controls go before the widget that parents theirs; one that the program still holds keeps
  // its widget.
  for (const auto& c : controls_) c->DetachFromWindow();
  controls_.clear();
}

void Window::Construct() {
  // A window made visible by its layout shows once it is open.
  constructing_ = true;
  Layout();
  CreateControls();
  AddMenuHandlers();
  // A copy: an Open handler may add controls.
  const std::vector<Ref<Control>> made = controls_;
  for (const auto& c : made)
    if (c->Open) c->Open();
  Event_Open();
  constructing_ = false;
  if (showAfterConstruct_) Show();
}

std::string Window::Title() const { return widget_->windowTitle().toStdString(); }
void Window::Title(const std::string& title) { widget_->setWindowTitle(QString::fromStdString(title)); }

void Window::Left(std::int32_t x) {
  left_ = x;
  placed_ = true;
  ApplyPlacement();
}

void Window::Top(std::int32_t y) {
  top_ = y;
  placed_ = true;
  ApplyPlacement();
}

namespace {

// The Qt screen whose physical rectangle holds the point, else the primary screen.
QScreen* ScreenAtPhysical(std::int32_t x, std::int32_t y) {
  for (std::int32_t i = 0; QScreen* s = QtScreen(i); ++i) {
    const ScreenInfo info = Screen(i);
    if (x >= info.Left && y >= info.Top && x < info.Left + info.Width && y < info.Top + info.Height) return s;
  }
  return QGuiApplication::primaryScreen();
}

QPoint PhysicalToLogical(QScreen& s, std::int32_t x, std::int32_t y) {
  const QPoint origin = s.geometry().topLeft();
  const double dpr = s.devicePixelRatio();
  return origin + QPoint(static_cast<int>(std::lround((x - origin.x()) / dpr)),
                         static_cast<int>(std::lround((y - origin.y()) / dpr)));
}

}  // namespace

void Window::ApplyPlacement() {
  if (!placed_ || fullScreen_) return;
  QScreen* s = ScreenAtPhysical(left_, top_);
  if (!s) return;
  widget_->setScreen(s);
  widget_->move(PhysicalToLogical(*s, left_, top_));
}

std::int32_t Window::Width() const { return widget_->Client()->width(); }
std::int32_t Window::Height() const { return widget_->Client()->height(); }

void Window::Width(std::int32_t w) { SizeContent(std::max(w, 1), Height()); }
void Window::Height(std::int32_t h) { SizeContent(Width(), std::max(h, 1)); }

void Window::SizeContent(std::int32_t w, std::int32_t h) {
  // The menu bar and the toolbar come on top of the content's size (the main window's 400 x
  // 359 is its content; its toolbar stands above it). The window is made to fit the content
  // exactly; a resizeable one then lets the content follow the user's resizing again.
  QWidget* client = widget_->Client();
  client->setFixedSize(w, h);
  ContentSized(w, h);
  widget_->layout()->activate();
  widget_->resize(w, widget_->layout()->minimumSize().height());
  ApplySizeLimits();
}

void Window::ApplySizeLimits() {
  // The layout passes the content's limits, with the bars' heights added, on to the top-level
  // window, and Qt gives them to the desktop as its size hints.
  QWidget* client = widget_->Client();
  QLayout* layout = widget_->layout();
  if (fullScreen_) {
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    client->setMinimumSize(0, 0);
    client->setMaximumSize(kNoLimit, kNoLimit);
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(kNoLimit, kNoLimit);
    return;
  }
  if (resizeable_) {
    client->setMinimumSize(minSize_);
    client->setMaximumSize(maxSize_.expandedTo(minSize_));
  } else {
    client->setFixedSize(client->size());
  }
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  layout->activate();
  // The bars stand above the content and take their own height only.
  const int bars = layout->minimumSize().height() - client->minimumHeight();
  widget_->setMaximumSize(client->maximumWidth(), std::min(client->maximumHeight() + bars, kNoLimit));
}

void Window::MinWidth(std::int32_t w) {
  minSize_.setWidth(std::clamp(w, 0, kNoLimit));
  ApplySizeLimits();
}

void Window::MinHeight(std::int32_t h) {
  minSize_.setHeight(std::clamp(h, 0, kNoLimit));
  ApplySizeLimits();
}

void Window::MaxWidth(std::int32_t w) {
  maxSize_.setWidth(std::clamp(w, 0, kNoLimit));
  ApplySizeLimits();
}

void Window::MaxHeight(std::int32_t h) {
  maxSize_.setHeight(std::clamp(h, 0, kNoLimit));
  ApplySizeLimits();
}

void Window::ApplyButtons() {
  // With customised hints the desktop shows exactly the buttons named (Qt would otherwise add
  // minimize and maximize to every normal window). An attached window is a tool window.
  Qt::WindowFlags flags = (attached_ ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint;
  flags.setFlag(Qt::WindowCloseButtonHint, closeButton_);
  flags.setFlag(Qt::WindowMinimizeButtonHint, minimizeButton_);
  flags.setFlag(Qt::WindowMaximizeButtonHint, maximizeButton_);
  if (widget_->windowFlags() == flags) return;
  // Qt hides a window whose flags change.
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (shown) widget_->show();
}

void Window::CloseButton(bool on) {
  closeButton_ = on;
  ApplyButtons();
}

void Window::MinimizeButton(bool on) {
  minimizeButton_ = on;
  ApplyButtons();
}

void Window::MaximizeButton(bool on) {
  maximizeButton_ = on;
  ApplyButtons();
}

void Window::Resizeable(bool on) {
  resizeable_ = on;
  ApplySizeLimits();
}

bool Window::Visible() const { return constructing_ ? showAfterConstruct_ : widget_->isVisible(); }

void Window::Visible(bool visible) {
  if (constructing_) {
    showAfterConstruct_ = visible;
    return;
  }
  if (visible) Show();
  else Hide();
}

void Window::FullScreen(bool on) {
  fullScreen_ = on;
  if (!widget_->isVisible()) return;
  if (on) {
    ShowOnScreen();
    return;
  }
  widget_->showNormal();
  KeepNormalSize();
}

void Window::KeepNormalSize() {
  // A window the user may not resize keeps its content size again once it is not full screen.
  if (!resizeable_ && normalSize_.isValid()) widget_->Client()->setFixedSize(normalSize_);
  ApplySizeLimits();
}

void Window::MenuBarVisible(bool on) {
  menuBarVisible_ = on;
  widget_->ShowMenuBar(on);
}

void Window::MenuBar(Ref<fw::MenuBar> bar) {
  menuBar_ = bar;
  widget_->SetMenuBarWidget(bar ? CreateMenuBarWidget(*bar, *this) : nullptr);
  widget_->ShowMenuBar(menuBarVisible_);
}

void Window::ShowOnScreen() {
  // The window gets its screen before it is shown: on Wayland the position alone does not
  // choose the output of a full-screen window.
  QScreen* s = placed_ ? ScreenAtPhysical(left_, top_) : widget_->screen();
  if (s) widget_->setScreen(s);
  if (fullScreen_) {
    // Full screen, also a window the user may not resize fills its screen.
    if (!widget_->isFullScreen()) normalSize_ = widget_->Client()->size();
    ApplySizeLimits();
    if (s) widget_->setGeometry(s->geometry());
    widget_->showFullScreen();
  } else {
    if (widget_->isFullScreen()) widget_->setWindowState(widget_->windowState() & ~Qt::WindowFullScreen);
    KeepNormalSize();
    ApplyPlacement();
    widget_->show();
  }
  widget_->raise();
  widget_->activateWindow();
}

void Window::Show() { ShowOnScreen(); }

void Window::Hide() {
  // Hidden while it is being built (by its own Open event): it stays hidden once built.
  showAfterConstruct_ = false;
  widget_->hide();
}

void Window::Close() {
  closing_ = true;
  widget_->close();
  closing_ = false;
}

void Window::Refresh(bool /*eraseBackground*/) {
  ScheduleEventPaint();
  widget_->update();
}

bool Window::IsActive() const { return widget_->isActiveWindow(); }

void Window::ScheduleEventPaint() {
  if (paintPending_) return;
  paintPending_ = true;
  QMetaObject::invokeMethod(widget_.get(), [this] { DeliverPaint(); }, Qt::QueuedConnection);
}

void Window::DeliverPaint() {
  paintPending_ = false;
  if (!widget_->isVisible()) return;
  Guarded([this] { Event_Paint(); });
}

bool Window::DeliverKeyDown(const std::string& key) {
  bool handled = false;
  Guarded([&] { handled = Event_KeyDown(key); });
  return handled;
}

bool Window::DeliverMouseDown(std::int32_t x, std::int32_t y) {
  bool handled = false;
  Guarded([&] { handled = Event_MouseDown(x, y); });
  return handled;
}

void Window::DeliverEnableMenuItems() {
  Guarded([this] { Event_EnableMenuItems(); });
}

void Window::AddControl(Ref<Control> control) {
  controls_.push_back(control);
  control->AttachTo(*this);
}

Ref<Control> Window::FindControl(const std::string& name) const {
  for (const auto& c : controls_)
    if (c->Name == name) return c;
  return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const { return menuHandlers_.count(itemName) > 0; }

bool Window::HandleMenu(const std::string& itemName) {
  const auto it = menuHandlers_.find(itemName);
  if (it == menuHandlers_.end()) return false;
  bool handled = false;
  Guarded([&] { handled = it->second(); });
  return handled;
}

QWidget* Window::Widget() const { return widget_.get(); }
QWidget* Window::ClientArea() const { return widget_->Client(); }
void Window::SetToolbarWidget(QWidget* toolbar) {
  widget_->SetToolbarWidget(toolbar);
  if (!fullScreen_) SizeContent(Width(), Height());
}

void Window::ContentSized(std::int32_t w, std::int32_t h) {
  // Qt tells a hidden widget of its new size only when it shows, and without the old one; the
  // controls follow from the size they were last fitted to.
  const std::int32_t oldW = contentW_, oldH = contentH_;
  contentW_ = w;
  contentH_ = h;
  if (oldW >= 0 && (oldW != w || oldH != h)) ClientResized(oldW, oldH, w, h);
}

void Window::ClientResized(std::int32_t oldW, std::int32_t oldH, std::int32_t newW, std::int32_t newH) {
  for (const auto& c : controls_)
    if (auto* rc = dynamic_cast<RectControl*>(c.get())) rc->FollowWindow(oldW, oldH, newW, newH);
}

// ---- The lists of windows ----------------------------------------------------------------

namespace {
std::vector<Ref<Window>>& AllWindows() {
  static std::vector<Ref<Window>> windows;
  return windows;
}
std::map<std::type_index, Ref<Window>>& DefaultWindows() {
  static std::map<std::type_index, Ref<Window>> windows;
  return windows;
}
}  // namespace

void RegisterWindow(Ref<Window> window) { AllWindows().push_back(std::move(window)); }

Ref<Window> FindDefaultWindow(std::type_index type) {
  const auto it = DefaultWindows().find(type);
  return it == DefaultWindows().end() ? Ref<Window>() : it->second;
}

void SetDefaultWindow(std::type_index type, Ref<Window> window) { DefaultWindows()[type] = std::move(window); }

void ReleaseWindows() {
  // Swap out first: a window's destructor must not find itself in a list being cleared.
  auto defaults = std::move(DefaultWindows());
  DefaultWindows().clear();
  defaults.clear();
  auto all = std::move(AllWindows());
  AllWindows().clear();
  all.clear();
}

std::string KeyText(int qtKey, const std::string& typed) {
  switch (qtKey) {
    case Qt::Key_Escape: return Chr(27);
    case Qt::Key_Return:
    case Qt::Key_Enter: return Chr(13);
    case Qt::Key_Tab: return Chr(9);
    case Qt::Key_Backspace: return Chr(8);
    case Qt::Key_Delete: return Chr(127);
    case Qt::Key_Left: return Chr(28);
    case Qt::Key_Right: return Chr(29);
    case Qt::Key_Up: return Chr(30);
    case Qt::Key_Down: return Chr(31);
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_unknown: return std::string();
    // Keys that type nothing still are key presses: a run steps on Page Down or F1 as on any key.
    case Qt::Key_Home: return Chr(1);
    case Qt::Key_End: return Chr(4);
    case Qt::Key_Help: return Chr(5);
    case Qt::Key_PageUp: return Chr(11);
    case Qt::Key_PageDown: return Chr(12);
    default:
      if (!typed.empty()) return typed;
      return Chr(16);  // function keys and the like
  }
}

}  // namespace fw
