#include "framework/control.h"

#include <QString>
#include <QWidget>

#include "framework/window.h"

namespace fw {

Control::~Control() = default;

void Control::AttachTo(Window& window) { owner_ = &window; }

RectControl::~RectControl() {
  // The window's client area owns the widget through Qt's parent chain only while the window
  // lives; the control deletes it itself so that either may go first.
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

void RectControl::SetContainerShown(bool shown) {
  containerShown_ = shown;
  UpdateShown();
}

void RectControl::UpdateShown() {
  if (widget_) widget_->setVisible(visible_ && containerShown_ && ShownByContainer());
}

void RectControl::HelpTag(const std::string& text) {
  helpTag_ = text;
  if (widget_) widget_->setToolTip(QString::fromStdString(text));
}

void RectControl::Refresh() {
  if (widget_) widget_->update();
}

void RectControl::AttachTo(Window& window) {
  Control::AttachTo(window);
  if (!widget_) return;
  widget_->setParent(window.ClientArea());
  ApplyGeometry();
  UpdateShown();
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
