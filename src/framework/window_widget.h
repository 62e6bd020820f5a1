#pragma once
// Framework-internal: the Qt top-level widget behind a Window. It stacks the menu bar, the
// toolbar and the client area (where controls sit at window coordinates) and turns Qt's
// events into the window's events, each through the exception guard.
#include <QPointer>
#include <QWidget>

class QVBoxLayout;

namespace fw {

class Window;

class ClientArea : public QWidget {
public:
  ClientArea(Window& owner, QWidget* parent);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  Window& owner_;
};

class WindowWidget : public QWidget {
public:
  explicit WindowWidget(Window& owner);

  Window& Owner() const { return owner_; }
  ClientArea* Client() const { return client_; }
  void SetMenuBarWidget(QWidget* bar);
  void SetToolbarWidget(QWidget* toolbar);
  void ShowMenuBar(bool visible);

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  Window& owner_;
  QVBoxLayout* layout_;
  QWidget* menuBar_ = nullptr;
  QPointer<QWidget> toolbar_;  // the toolbar control's, which may delete it first
  ClientArea* client_;
};

}  // namespace fw
