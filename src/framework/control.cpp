#include "framework/control.h"

#include <QString>
#include <QWidget>
#include <algorithm>

#include "framework/window.h"

namespace fw {

Control::~Control() = default;

void Control::AttachTo(Window& window) { owner_ = &window; }

void Control::DetachFromWindow() { owner_ = nullptr; }

RectControl::~RectControl() {
  if (container_) std::erase(container_->contents_, this);
  for (RectControl* inside : contents_) inside->container_ = nullptr;
  delete widget_;
}

void RectControl::SetWidget(QWidget* widget) {
  widget_ = widget;
  ApplyGeometry();
  widget_->setEnabled(enabled_);
  widget_->setToolTip(QString::fromStdString(helpTag_));
}

void RectControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  left_ = left;
  top_ = top;
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  ApplyGeometry();
  BoundsChanged();
}

void RectControl::ApplyGeometry() {
  if (widget_) widget_->setGeometry(left_, top_, width_, height_);
}

void RectControl::Enabled(bool value) {
  enabled_ = value;
  if (widget_) widget_->setEnabled(value);
}

void RectControl::Visible(bool value) {
  visible_ = value;
  UpdateShown();
}

void RectControl::PlaceIn(RectControl& container, std::int32_t page) {
  // A control inside itself, or inside one of its own contents, would hide itself for good.
  for (const RectControl* c = &container; c; c = c->container_)
    if (c == this) return;
  if (container_) std::erase(container_->contents_, this);
  container_ = &container;
  page_ = page;
  container.contents_.push_back(this);
  UpdateShown();
}

bool RectControl::Shown() const {
  if (!visible_) return false;
  if (!container_) return true;
  return container_->ShowsPage(page_) && container_->Shown();
}

void RectControl::UpdateShown() {
  // Before the control is on its window the widget has no parent and would show on its own.
  if (widget_ && Owner()) widget_->setVisible(Shown());
  for (RectControl* inside : contents_) inside->UpdateShown();
}

void RectControl::HelpTag(const std::string& text) {
  helpTag_ = text;
  if (widget_) widget_->setToolTip(QString::fromStdString(text));
}

void RectControl::Refresh(bool /*eraseBackground*/) {
  // Qt always paints a widget's background before the widget itself.
  if (widget_) widget_->update();
  for (RectControl* inside : contents_) inside->Refresh();
}

void RectControl::AttachTo(Window& window) {
  Control::AttachTo(window);
  if (!widget_) return;
  widget_->setParent(window.ClientArea());
  ApplyGeometry();
  UpdateShown();
}

void RectControl::DetachFromWindow() {
  Control::DetachFromWindow();
  // Out of the client area before Qt deletes the area with its children.
  if (widget_) widget_->setParent(nullptr);
}

void RectControl::FollowWindow(std::int32_t oldW, std::int32_t oldH, std::int32_t newW, std::int32_t newH) {
  const std::int32_t dw = newW - oldW, dh = newH - oldH;
  std::int32_t l = left_, t = top_, w = width_, h = height_;
  if (LockRight) {
    if (LockLeft) w += dw; else l += dw;
  }
  if (LockBottom) {
    if (LockTop) h += dh; else t += dh;
  }
  SetBounds(l, t, w, h);
}

}  // namespace fw
