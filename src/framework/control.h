#pragma once
// The base of every control a window holds, and of those with a place on the window.
//
// Controls are created by a window's layout table, added to the window under their name and
// then found by that name. A RectControl's Left/Top are window coordinates, also when it sits
// on a page panel or in a group box; its edge locks decide how it follows the window's size.
#include <cstdint>
#include <string>

class QWidget;

namespace fw {

class Window;

class Control {
public:
  virtual ~Control();

  std::string Name;
  Window* Owner() const { return owner_; }

  // Called once when the control is added to its window.
  virtual void AttachTo(Window& window);

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

  // Redraws the control.
  virtual void Refresh();

  // The Qt widget behind the control (framework-internal); nullptr for controls without one.
  QWidget* Widget() const { return widget_; }

  void AttachTo(Window& window) override;
  // The window's size changed from (oldW, oldH) to (newW, newH): follow it as the locks say.
  void FollowWindow(std::int32_t oldW, std::int32_t oldH, std::int32_t newW, std::int32_t newH);

protected:
  // A subclass creates its widget (without a parent) and hands it over here, usually in its
  // constructor; the window parents and places it when the control is added.
  void SetWidget(QWidget* widget);
  // Whether the control is shown also depends on others (a page panel's page); a subclass or a
  // page panel asks for the combined state through this.
  virtual bool ShownByContainer() const { return true; }

public:
  // Re-evaluates whether the widget shows (own Visible and the container's say).
  void UpdateShown();
  // The control's container (page panel or group box) decides its visibility with this.
  void SetContainerShown(bool shown);

private:
  void ApplyGeometry();
  std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true, visible_ = true, containerShown_ = true;
  std::string helpTag_;
  QWidget* widget_ = nullptr;
};

}  // namespace fw
