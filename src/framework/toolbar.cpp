#include "framework/toolbar.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>
#include <algorithm>

#include "framework/application.h"
#include "framework/controls/picture_pixels.h"
#include "framework/controls/text_control.h"
#include "framework/picture.h"
#include "framework/strings.h"
#include "framework/window.h"

namespace fw {

namespace {

// An item may go from the toolbar while its own click is being handled.
void Discard(QAction* action) {
  if (QWidget* bar = qobject_cast<QWidget*>(action->parent())) bar->removeAction(action);
  action->deleteLater();
}

}  // namespace

ToolItem::~ToolItem() = default;

void ToolItem::Enabled(bool on) {
  enabled_ = on;
  Changed();
}

void ToolItem::HelpTag(const std::string& text) {
  helpTag_ = text;
  Changed();
}

void ToolItem::Changed() {
  if (toolbar_) toolbar_->Show(*this);
}

void ToolButton::Style(std::int32_t style) {
  style_ = style;
  Changed();
}

void ToolButton::Caption(const std::string& text) {
  caption_ = text;
  Changed();
}

void ToolButton::Icon(Ref<Picture> picture) {
  icon_ = std::move(picture);
  Changed();
}

Toolbar::Toolbar() : bar_(new QToolBar) {
  bar_->setMovable(false);
  bar_->setFloatable(false);
  bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar_->setContextMenuPolicy(Qt::PreventContextMenu);
  // The captions in the controls' own font and size, whatever the platform's default.
  bar_->setFont(MakeFont("System", 0));
}

Toolbar::~Toolbar() {
  for (const auto& item : items_) {
    item->toolbar_ = nullptr;
    item->action_ = nullptr;
  }
  delete bar_;
}

void Toolbar::Append(Ref<ToolItem> item) { Insert(Count(), std::move(item)); }

void Toolbar::Insert(std::int32_t index, Ref<ToolItem> item) {
  ToolItem& added = *item;
  if (index < 0 || index > Count()) throw OutOfBoundsException("Toolbar.Insert(" + Str(index) + ")");
  if (added.toolbar_) {
    // Taken off its old place first; on this same toolbar the places after it move up.
    const bool here = added.toolbar_ == this;
    const auto old = std::find(items_.begin(), items_.end(), item) - items_.begin();
    added.toolbar_->Detach(added);
    if (here && old < index) --index;
  }
  items_.insert(items_.begin() + index, item);
  added.toolbar_ = this;
  Show(added);
}

void Toolbar::Remove(std::int32_t index) { Detach(*Item(index)); }

Ref<ToolItem> Toolbar::Item(std::int32_t index) const {
  if (index < 0 || index >= Count()) throw OutOfBoundsException("Toolbar.Item(" + Str(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

void Toolbar::Detach(ToolItem& item) {
  std::erase_if(items_, [&](const Ref<ToolItem>& r) { return r.get() == &item; });
  if (item.action_) Discard(item.action_);
  item.action_ = nullptr;
  item.toolbar_ = nullptr;
  FitIcons();
}

void Toolbar::Show(ToolItem& item) {
  const auto* button = dynamic_cast<const ToolButton*>(&item);
  const bool separator = button && button->Style() == ToolButton::kSeparator;
  QAction*& action = item.action_;
  if (action && action->isSeparator() != separator) {
    // Qt makes a separator's widget only when the action is added.
    Discard(action);
    action = nullptr;
  }
  if (!action) {
    action = new QAction(bar_);
    action->setSeparator(separator);
    QObject::connect(action, &QAction::triggered, [this, &item] {
      Guarded([&] {
        Ref<ToolItem> clicked;
        for (const auto& r : items_)
          if (r.get() == &item) clicked = r;
        if (clicked && Action) Action(*clicked);  // kept alive by `clicked` while it runs
      });
    });
    const auto at = std::find_if(items_.begin(), items_.end(), [&](const Ref<ToolItem>& r) { return r.get() == &item; });
    QAction* before = nullptr;
    for (auto next = at + 1; next != items_.end() && !before; ++next) before = (*next)->action_;
    bar_->insertAction(before, action);
    // As on other desktops' toolbars, a click does not move the keyboard focus.
    if (QWidget* shown = bar_->widgetForAction(action)) shown->setFocusPolicy(Qt::NoFocus);
  }
  action->setEnabled(item.Enabled());
  action->setToolTip(QString::fromStdString(item.HelpTag()));
  if (button) {
    action->setText(PlainCaption(button->Caption()));
    action->setIcon(button->Icon() ? QIcon(QPixmap::fromImage(PixelsWithAlpha(*button->Icon()))) : QIcon());
  }
  FitIcons();
}

void Toolbar::FitIcons() {
  QSize size;
  for (const auto& item : items_)
    if (const auto* button = dynamic_cast<const ToolButton*>(item.get()); button && button->Icon())
      size = size.expandedTo(QSize(button->Icon()->Width(), button->Icon()->Height()));
  if (size.isValid()) bar_->setIconSize(size);
}

void Toolbar::Enabled(bool on) {
  RectControl::Enabled(on);
  bar_->setEnabled(on);
}

void Toolbar::Visible(bool on) {
  RectControl::Visible(on);
  // Not before it stands on its window: without a parent it would show as a window of its own.
  if (Owner()) bar_->setVisible(on);
}

void Toolbar::DetachFromWindow() {
  RectControl::DetachFromWindow();
  bar_->setParent(nullptr);
}

void Toolbar::AttachTo(Window& window) {
  RectControl::AttachTo(window);
  window.SetToolbarWidget(bar_);
  bar_->setVisible(Visible());
}

}  // namespace fw
