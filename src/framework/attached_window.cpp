#include "framework/attached_window.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "framework/window.h"
#include "framework/window_widget.h"

namespace fw {

namespace {

// Found among the window's children by this name: without a meta-object of its own, a cast by
// class would take any child (the window's layout) for an attachment.
constexpr const char* kAttachmentName = "fw-attachment";

QMargins FrameOf(const QWidget& w) {
  const QRect frame = w.frameGeometry(), inner = w.geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

}  // namespace

Attachment::Attachment(QWidget& window, QWidget& parent) : QObject(&window), window_(window), parent_(&parent) {
  setObjectName(QString::fromLatin1(kAttachmentName));
  follow_.setSingleShot(true);
  follow_.setInterval(kSettle);
  connect(&follow_, &QTimer::timeout, this, [this] { Follow(); });
  parent.installEventFilter(this);
  window.installEventFilter(this);
}

Attachment* Attachment::Of(const QWidget& window) {
  return static_cast<Attachment*>(
      window.findChild<QObject*>(QString::fromLatin1(kAttachmentName), Qt::FindDirectChildrenOnly));
}

void Attachment::Place() {
  if (!parent_) return;
  // The frames are what stand level and side by side. The desktop tells a window's frame only
  // once the window is shown; until then the parent's, from the same desktop, stands in.
  QMargins frame = FrameOf(window_);
  if (frame.isNull()) frame = FrameOf(*parent_);
  const QRect beside = parent_->frameGeometry();
  const int width = window_.width() + frame.left() + frame.right();
  QPoint at(beside.right() + 1, beside.top());
  if (const QScreen* s = parent_->screen()) {
    const QRect room = s->availableGeometry();
    if (at.x() + width - 1 > room.right() && beside.left() - width >= room.left()) at.setX(beside.left() - width);
  }
  // The content's place: Qt moves a window's frame only once it knows the frame.
  window_.setGeometry(QRect(at + QPoint(frame.left(), frame.top()), window_.size()));
}

void Attachment::Show() {
  // Qt keeps the minimized state of a window that was hidden while minimized.
  if (!window_.isVisible()) window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
  Place();
  window_.show();
}

bool Attachment::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::WindowStateChange) FollowMinimized(window_);
    return false;
  }
  if (watched != parent_) return false;
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
      if (!window_.isVisible()) break;
      Place();
      // While the desktop is still moving the parent, Qt may tell its frame without the title
      // bar; once the move has settled the frames are placed again.
      QTimer::singleShot(kSettle, this, [this] {
        if (window_.isVisible()) Place();
      });
      break;
    // Qt tells a minimize and a restore as a hide and a show too (spontaneous ones): those are
    // the desktop's, which takes a transient window with its parent by itself.
    case QEvent::Hide:
      if (!event->spontaneous()) GoWithParent();
      break;
    case QEvent::Show:
      if (!event->spontaneous()) ComeBackWithParent();
      break;
    case QEvent::WindowStateChange:
      FollowMinimized(*parent_);
      break;
    default:
      break;
  }
  return false;
}

void Attachment::GoWithParent() {
  if (!window_.isVisible()) return;
  window_.hide();
  hiddenWithParent_ = true;
}

void Attachment::ComeBackWithParent() {
  if (!hiddenWithParent_ || !parent_->isVisible()) return;
  hiddenWithParent_ = false;
  Show();
}

void Attachment::FollowMinimized(QWidget& changed) {
  // Desktops minimize and restore a transient window with its parent, but some minimize the
  // tool window alone. Once the desktop has settled, the other window is asked to follow the
  // one that changed last, if it has not already; the change that request brings back then
  // finds both alike. Showing and hiding stay the program's: both windows stay shown.
  lastChanged_ = &changed;
  follow_.start();
}

void Attachment::Follow() {
  if (!lastChanged_ || !parent_ || !window_.isVisible() || !parent_->isVisible()) return;
  QWidget& to = lastChanged_ == parent_ ? window_ : *parent_;
  const bool minimized = lastChanged_->isMinimized();
  if (to.isMinimized() == minimized) return;
  to.setWindowState(minimized ? to.windowState() | Qt::WindowMinimized : to.windowState() & ~Qt::WindowMinimized);
}

void Window::ShowWithin(Window& parent, std::int32_t /*mode*/) {
  // A tool window, not a Qt child of the parent: each Window owns its widget. It shows without
  // taking the activation, so that the parent stays the active window.
  QWidget* owner = parent.Widget();
  Attachment* attachment = Attachment::Of(*widget_);
  if (!attachment || !attachment->IsTo(*owner)) {
    delete attachment;
    attached_ = true;
    ApplyButtons();
    widget_->setAttribute(Qt::WA_ShowWithoutActivating);
    attachment = new Attachment(*widget_, *owner);
  }
  // Transient for the parent: the desktop keeps it above the parent and minimizes it with it.
  owner->winId();
  widget_->winId();
  if (widget_->windowHandle() && owner->windowHandle()) widget_->windowHandle()->setTransientParent(owner->windowHandle());
  attachment->Show();
  widget_->raise();
}

}  // namespace fw
