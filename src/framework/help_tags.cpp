#include "framework/help_tags.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// Lines of a readable length, in characters of the text itself: at most the longest, and where
// a text needs several lines, as even as they can be down to the shortest.
constexpr double kLongestLine = 60;
constexpr double kShortestLine = 40;
// Room left for the tip's frame and margins, in average characters of the font.
constexpr int kFrameCharacters = 4;

// paragraph broken into lines no wider than width, without the blank each was broken at.
QStringList BreakLines(const QString& paragraph, const QFont& font, int width) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  QTextLayout layout(paragraph, font);
  layout.setTextOption(option);
  QStringList lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    QString shown = paragraph.mid(line.textStart(), line.textLength());
    while (!shown.isEmpty() && shown.back().isSpace()) shown.chop(1);
    lines << shown;
  }
  layout.endLayout();
  return lines;
}

// The fewest lines a readable width allows, made as even as possible: the narrowest width (not
// below the shortest line) that still needs no more lines. A last line of one word or two reads
// badly under long ones.
QStringList BalancedLines(const QString& paragraph, const QFont& font, int room) {
  if (paragraph.isEmpty()) return {QString()};
  const double perCharacter = QFontMetricsF(font).horizontalAdvance(paragraph) / paragraph.size();
  const int widest = std::max(1, std::min(room, static_cast<int>(std::ceil(kLongestLine * perCharacter))));
  const QStringList fewest = BreakLines(paragraph, font, widest);
  const qsizetype count = fewest.size();
  if (count < 2) return fewest;
  int narrow = std::min(widest, static_cast<int>(kShortestLine * perCharacter));
  int wide = widest;
  while (narrow < wide) {
    const int middle = narrow + (wide - narrow) / 2;
    if (BreakLines(paragraph, font, middle).size() > count) {
      narrow = middle + 1;
    } else {
      wide = middle;
    }
  }
  return BreakLines(paragraph, font, wide);
}

// Shows the tooltip a widget would show, wrapped. Rich text is left to Qt, which wraps it.
class HelpTagWrapper final : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const QString tag = widget->toolTip();
    // An empty tag goes on to the parent widget, as Qt passes it.
    if (tag.isEmpty() || Qt::mightBeRichText(tag)) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QScreen* screen = QGuiApplication::screenAt(help->globalPos());
    if (!screen) screen = widget->screen();
    const QFont font = QToolTip::font();
    const int frame = kFrameCharacters * QFontMetrics(font).averageCharWidth();
    const QString wrapped = WrapHelpTag(tag, font, screen->availableGeometry().width() - frame);
    QToolTip::showText(help->globalPos(), wrapped, widget, QRect(), widget->toolTipDuration());
    return true;
  }
};

}  // namespace

QString WrapHelpTag(const QString& text, const QFont& font, int room) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  QStringList lines;
  for (const QString& paragraph : plain.split(u'\n')) lines << BalancedLines(paragraph, font, room);
  return lines.join(u'\n');
}

void WrapHelpTags() {
  // Parented to the application object, so it goes with it; the pointer then reads null.
  static QPointer<HelpTagWrapper> wrapper;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || wrapper) return;
  wrapper = new HelpTagWrapper(app);
  app->installEventFilter(wrapper);
}

}  // namespace fw
