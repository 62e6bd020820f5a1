#include "framework/controls/static_text.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

#include "framework/application.h"

namespace fw {

class LabelWidget : public QLabel {
public:
  explicit LabelWidget(StaticText& owner) : owner_(owner) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
  }

protected:
  void mousePressEvent(QMouseEvent* event) override {
    const QPoint p = event->position().toPoint();
    Guarded([&] {
      if (owner_.MouseDown) owner_.MouseDown(p.x(), p.y());
    });
    event->accept();
  }

private:
  StaticText& owner_;
};

StaticText::StaticText() : label_(new LabelWidget(*this)) {
  SetWidget(label_);
  ApplyFont();
  TextAlign(align_);
  TextColor(color_);
}

void StaticText::Text(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  label_->setText(QString::fromStdString(text));
  TextChanged();
}

void StaticText::TextAlign(std::int32_t align) {
  align_ = align;
  const Qt::Alignment across = align == 2 ? Qt::AlignHCenter : align == 3 ? Qt::AlignRight : Qt::AlignLeft;
  label_->setAlignment(across | Qt::AlignTop);
}

void StaticText::TextColor(Color color) {
  color_ = color;
  // The disabled colour stays the style's, so that a disabled label looks dimmed.
  QPalette palette = label_->palette();
  const QColor qt(color.Red(), color.Green(), color.Blue());
  palette.setColor(QPalette::Active, QPalette::WindowText, qt);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, qt);
  label_->setPalette(palette);
}

}  // namespace fw
