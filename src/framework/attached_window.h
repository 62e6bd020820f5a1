#pragma once
// Framework-internal: what keeps a window shown with ShowWithin beside its parent.
//
// The window is a tool window, transient for the parent; the desktop keeps it above the parent
// and, on most desktops, minimizes and restores it with the parent. The attachment places it:
// its frame stands at the parent frame's right edge (at its left edge when the screen has no
// room on the right), the frames' tops level; it follows the parent when that moves. It hides
// when the program hides the parent and comes back when the program shows the parent again.
// Minimizing and restoring are the desktop's: the attachment never hides or shows the window
// for them, it only asks the desktop for the one that stayed behind (on a desktop that
// minimizes a tool window alone) to follow the other.
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace fw {

class Attachment : public QObject {
public:
  Attachment(QWidget& window, QWidget& parent);

  // The window's attachment, nullptr when it has none.
  static Attachment* Of(const QWidget& window);
  bool IsTo(const QWidget& parent) const { return parent_ == &parent; }

  // Puts the window beside the parent.
  void Place();
  // Shows the window (the program's show), never minimized: a desktop would take a window
  // mapped minimized for a request to minimize its parent too.
  void Show();

  // How long the desktop gets to finish a move or a minimize before the attachment looks again.
  static constexpr int kSettle = 100;  // milliseconds

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void GoWithParent();
  void ComeBackWithParent();
  void FollowMinimized(QWidget& changed);
  void Follow();

  QWidget& window_;
  QPointer<QWidget> parent_;
  bool hiddenWithParent_ = false;
  QTimer follow_;  // restarted by every minimize or restore of either window
  QPointer<QWidget> lastChanged_;
};

}  // namespace fw
