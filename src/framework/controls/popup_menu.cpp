#include "framework/controls/popup_menu.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "framework/application.h"
#include "framework/ref.h"
#include "framework/strings.h"

namespace fw {

PopupMenu::PopupMenu() : combo_(new QComboBox) {
  // Qt measures the rows again after every change of them, not only once.
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  SetWidget(combo_);
  ApplyFont();
  QObject::connect(combo_, &QComboBox::currentIndexChanged, [this] {
    Guarded([this] {
      if (Change) Change();
    });
  });
}

void PopupMenu::AddRow(const std::string& text) {
  const QSignalBlocker quiet(combo_);
  const int chosen = combo_->currentIndex();
  combo_->addItem(QString::fromStdString(text));
  // Qt chooses the first row put into an empty list.
  combo_->setCurrentIndex(chosen);
  TextChanged();
}

void PopupMenu::InitialValue(const std::string& text) {
  const std::int32_t before = ListIndex();
  {
    const QSignalBlocker quiet(combo_);
    combo_->clear();
  }
  if (!text.empty()) {
    const std::int32_t rows = CountFields(text, Chr(13));
    for (std::int32_t i = 1; i <= rows; ++i) AddRow(NthField(text, Chr(13), i));
  }
  if (before != -1 && Change) Change();  // the chosen row is gone
}

std::string PopupMenu::List(std::int32_t i) const {
  if (i < 0 || i >= ListCount()) throw OutOfBoundsException("PopupMenu.List(" + Str(i) + ")");
  return combo_->itemText(i).toStdString();
}

std::int32_t PopupMenu::ListCount() const { return combo_->count(); }

std::int32_t PopupMenu::ListIndex() const { return combo_->currentIndex(); }

void PopupMenu::ListIndex(std::int32_t index) {
  if (index < -1 || index >= ListCount() || index == ListIndex()) return;
  {
    const QSignalBlocker quiet(combo_);
    combo_->setCurrentIndex(index);
  }
  if (Change) Change();
}

std::int32_t PopupMenu::NeededWidth() const { return ListCount() == 0 ? 0 : combo_->sizeHint().width(); }

std::string PopupMenu::Text() const { return combo_->currentText().toStdString(); }

}  // namespace fw
