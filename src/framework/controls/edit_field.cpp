#include "framework/controls/edit_field.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "framework/application.h"

namespace fw {

namespace {
QColor ToQt(Color c) { return QColor(c.Red(), c.Green(), c.Blue()); }
}  // namespace

EditField::EditField() : edit_(new QPlainTextEdit) {
  SetWidget(edit_);
  ApplyFont();
  Border(border_);
  ScrollbarVertical(vertical_);
  ScrollbarHorizontal(horizontal_);
  ApplyColors();
  QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] {
    Guarded([this] {
      if (TextChange) TextChange();
    });
  });
}

std::string EditField::Text() const {
  return edit_->toPlainText().replace('\n', '\r').toStdString();
}

void EditField::Text(const std::string& text) {
  // Qt keeps lines apart with line feeds; the program writes carriage returns.
  QString lines = QString::fromStdString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  if (lines == edit_->toPlainText()) return;
  {
    const QSignalBlocker quiet(edit_);
    edit_->setPlainText(lines);
  }
  if (TextChange) TextChange();
}

void EditField::ReadOnly(bool on) {
  readOnly_ = on;
  edit_->setReadOnly(on);
}

void EditField::Border(bool on) {
  border_ = on;
  edit_->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
}

void EditField::ScrollbarVertical(bool on) {
  vertical_ = on;
  edit_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void EditField::ScrollbarHorizontal(bool on) {
  horizontal_ = on;
  edit_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(on ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

void EditField::TextColor(Color color) {
  textColor_ = color;
  ApplyColors();
}

void EditField::BackColor(Color color) {
  backColor_ = color;
  ApplyColors();
}

void EditField::ApplyColors() {
  QPalette palette = edit_->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Text, ToQt(textColor_));
    palette.setColor(group, QPalette::Base, ToQt(backColor_));
  }
  edit_->setPalette(palette);
}

std::int32_t EditField::ScrollPosition() const { return edit_->verticalScrollBar()->value(); }

void EditField::ScrollPosition(std::int32_t line) { edit_->verticalScrollBar()->setValue(line); }

}  // namespace fw
