#pragma once
// Framework-internal: the Qt top-level widget behind a Window. It stacks the menu bar, the
// toolbar and the client area (where controls sit at window coordinates) and turns Qt's
// events into the window's events, each through the exception guard.
#include <QWidget>

class QVBoxLayout;

namespace fw {

class Window;

class ClientArea : public QWidget {
public:
  ClientArea(Window& owner, QWidget* parent);

  // The size the window asks for its content; the layout sizes the window around it.
  void SetWanted(QSize size);
  QSize sizeHint() const override { return wanted_; }
  // The controls follow the content's size from the size they were last fitted to. A hidden
  // window's resizes reach Qt's resize event only once it is shown, and without an old size,
  // so the window also calls this itself when it resizes its content.
  void Fit(QSize size);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  Window& owner_;
  QSize wanted_{300, 300};
  QSize fitted_{300, 300};
};

class WindowWidget : public QWidget {
public:
  explicit WindowWidget(Window& owner);

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
  QWidget* toolbar_ = nullptr;
  ClientArea* client_;
};

}  // namespace fw
