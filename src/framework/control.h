#pragma once
// The base of every control a window holds, and of those with a place on the window.
//
// Controls are created by a window's layout table, added to the window under their name and
// then found by that name. A RectControl's Left/Top are window coordinates, also when it sits
// on a page panel or in a group box; its edge locks decide how it follows the window's size.
//
// Every control's widget is a direct child of the window's client area, so a container (page
// panel, group box, image well, canvas) does not parent the controls inside it: it only decides
// whether they show. A control shows when its own Visible is on and each container up the
// chain shows and, for a page panel, shows the control's page.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace fw {

class Window;

class Control {
public:
  virtual ~Control();

  std::string Name;
  Window* Owner() const { return owner_; }

  // Raised once by the window after all its controls exist, before the window's own Open.
  std::function<void()> Open;

  // Called once when the control is added to its window, and when the window goes (the
  // control may live on where the program keeps a reference to it).
  virtual void AttachTo(Window& window);
  virtual void DetachFromWindow();

private:
  Window* owner_ = nullptr;
};

class RectControl : public Control {
public:
  ~RectControl() override;

  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void Left(std::int32_t v) { SetBounds(v, top_, width_, height_); }
  void Top(std::int32_t v) { SetBounds(left_, v, width_, height_); }
  void Width(std::int32_t v) { SetBounds(left_, top_, v, height_); }
  void Height(std::int32_t v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

  bool LockLeft = true, LockTop = true, LockRight = false, LockBottom = false;

  bool Enabled() const { return enabled_; }
  virtual void Enabled(bool value);
  bool Visible() const { return visible_; }
  virtual void Visible(bool value);
  const std::string& HelpTag() const { return helpTag_; }
  void HelpTag(const std::string& text);

  // Redraws the control and the controls inside it.
  void Refresh(bool eraseBackground = false);

  // Puts the control inside a container, on one of its pages for a page panel (-1: on none,
  // shown whenever the container shows). The innermost container is the one to give: a
  // control in a group box on a page follows the group box, which follows its page.
  void PlaceIn(RectControl& container, std::int32_t page = -1);
  RectControl* Container() const { return container_; }
  std::int32_t Page() const { return page_; }
  // Whether the control shows: its own Visible and every container's say.
  bool Shown() const;

  // The Qt widget behind the control (framework-internal); nullptr for controls without one.
  QWidget* Widget() const { return widget_; }

  void AttachTo(Window& window) override;
  void DetachFromWindow() override;
  // The window's size changed from (oldW, oldH) to (newW, newH): follow it as the locks say.
  void FollowWindow(std::int32_t oldW, std::int32_t oldH, std::int32_t newW, std::int32_t newH);

protected:
  // A subclass creates its widget (without a parent) and hands it over here, usually in its
  // constructor; the window parents and places it when the control is added.
  void SetWidget(QWidget* widget);
  // After every change of the bounds (a control whose look depends on its shape follows it).
  virtual void BoundsChanged() {}
  // A container shows the controls on this page (a page panel shows only its current one).
  virtual bool ShowsPage(std::int32_t /*page*/) const { return true; }
  // Re-evaluates whether this control and those inside it show; containers call it when
  // what they show changes.
  void UpdateShown();

private:
  void ApplyGeometry();
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true, visible_ = true;
  std::string helpTag_;
  QWidget* widget_ = nullptr;  // the control's own, also while the window's client area holds it
  RectControl* container_ = nullptr;
  std::int32_t page_ = -1;
  std::vector<RectControl*> contents_;
};

}  // namespace fw
