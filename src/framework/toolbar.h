#pragma once
// A window's toolbar and its items.
//
// The toolbar belongs to the window, not to its content: it stands above the content area,
// across the whole window, whatever bounds its layout record gives. Action passes the item
// that was clicked. Items keep their order; indices count from 0.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/ref.h"

class QAction;
class QToolBar;

namespace fw {

class Picture;
class Toolbar;

class ToolItem {
public:
  virtual ~ToolItem();

  std::string Name;

  bool Enabled() const { return enabled_; }
  void Enabled(bool on);
  const std::string& HelpTag() const { return helpTag_; }
  void HelpTag(const std::string& text);

protected:
  // Shows a change of the item on its toolbar.
  void Changed();

private:
  friend class Toolbar;
  bool enabled_ = true;
  std::string helpTag_;
  Toolbar* toolbar_ = nullptr;
  QAction* action_ = nullptr;
};

class ToolButton : public ToolItem {
public:
  static constexpr std::int32_t kButton = 0;
  static constexpr std::int32_t kSeparator = 1;

  // 1 is a separator (its caption and icon are not shown); every other style a push button.
  std::int32_t Style() const { return style_; }
  void Style(std::int32_t style);
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& text);
  // Shown with the picture's mask (or its white as transparent when it has Transparent 1).
  const Ref<Picture>& Icon() const { return icon_; }
  void Icon(Ref<Picture> picture);

private:
  std::int32_t style_ = kButton;
  std::string caption_;
  Ref<Picture> icon_;
};

class Toolbar : public RectControl {
public:
  Toolbar();
  ~Toolbar() override;

  // An item already on a toolbar moves to this one.
  void Append(Ref<ToolItem> item);
  void Insert(std::int32_t index, Ref<ToolItem> item);  // index 0..Count
  void Remove(std::int32_t index);
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  Ref<ToolItem> Item(std::int32_t index) const;  // OutOfBoundsException outside 0..Count-1

  std::function<void(ToolItem& item)> Action;

  using RectControl::Enabled;
  using RectControl::Visible;
  void Enabled(bool on) override;
  void Visible(bool on) override;
  void AttachTo(Window& window) override;
  void DetachFromWindow() override;

  // Framework-internal: the Qt toolbar, and the Qt action showing an item.
  QToolBar* Bar() const { return bar_; }
  QAction* ActionOf(const ToolItem& item) const { return item.action_; }

private:
  friend class ToolItem;
  void Show(ToolItem& item);
  void Detach(ToolItem& item);
  void FitIcons();

  QToolBar* bar_;
  std::vector<Ref<ToolItem>> items_;
};

}  // namespace fw
