#include "framework/controls/key_routing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>

#include "framework/controls/push_button.h"
#include "framework/window.h"
#include "framework/window_widget.h"

namespace fw {

namespace {

bool offering = false;

PushButton* DefaultButton(Window& window) {
  for (const auto& control : window.Controls())
    if (auto* button = dynamic_cast<PushButton*>(control.get()); button && button->Default() && button->Enabled() && button->Shown())
      return button;
  return nullptr;
}

bool TakesReturn(QWidget* focus) {
  const auto* edit = qobject_cast<QPlainTextEdit*>(focus);
  return edit && !edit->isReadOnly();
}

class KeyRouter : public QObject {
public:
  using QObject::QObject;

  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (offering || event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    auto* top = widget ? dynamic_cast<WindowWidget*>(widget->window()) : nullptr;
    if (!top) return false;  // not a window of ours, or a pop-up list
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
        // Keys travel from the focused widget up through its parents; offer each press once.
        if (widget == top || widget != top->focusWidget()) return false;
        return OfferArrow(*top, *widget, *key);
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (widget != top && widget != top->focusWidget()) return false;
        return PushDefault(*top, *widget);
      default:
        return false;
    }
  }

private:
  static bool OfferArrow(WindowWidget& top, QWidget& focus, QKeyEvent& key) {
    if (top.Owner().DeliverKeyDown(KeyText(key.key(), key.text().toStdString()))) return true;
    offering = true;
    QCoreApplication::sendEvent(&focus, &key);
    offering = false;
    // Delivered in full just now; the outer delivery must not pass it on again.
    key.accept();
    return true;
  }

  static bool PushDefault(WindowWidget& top, QWidget& focus) {
    if (TakesReturn(&focus)) return false;
    PushButton* button = DefaultButton(top.Owner());
    if (!button) return false;
    button->Push();
    return true;
  }
};

}  // namespace

void InstallKeyRouting() {
  // The filter goes with the Qt application; a new one gets a new filter.
  static QPointer<KeyRouter> router;
  if (router || !QCoreApplication::instance()) return;
  router = new KeyRouter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(router);
}

bool ArrowAlreadyOffered() { return offering; }

}  // namespace fw
