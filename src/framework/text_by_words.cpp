#include "framework/text_by_words.h"

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/graphics.h"
#include "framework/picture.h"

namespace fw {

namespace {

// Groups whose ink boxes, rounded out to whole pixels, lie closer than this are drawn together:
// a glyph's box comes from its metrics, and its anti-aliased edge may reach a pixel beyond.
constexpr double kInkGap = 2.0;
// Well inside the painter's fixed-point range; text placed farther out is left to DrawString.
constexpr std::int32_t kNear = 1 << 20;

// Text whose layout is its characters' order, on one line: no control characters, no line
// separators, nothing right-to-left.
bool PlainLeftToRight(const QString& text) {
  for (const char32_t c : text.toUcs4()) {
    if (QChar::category(c) == QChar::Separator_Line || QChar::category(c) == QChar::Other_Control) return false;
    switch (QChar::direction(c)) {
      case QChar::DirL:
      case QChar::DirEN:
      case QChar::DirES:
      case QChar::DirET:
      case QChar::DirCS:
      case QChar::DirWS:
      case QChar::DirON:
      case QChar::DirNSM:
        break;
      default:
        return false;
    }
  }
  return true;
}

struct Span {
  int from, to;        // characters
  double left, right;  // ink, in whole pixels from the line's start; left > right for none
};

// The ink of the characters from..to as the whole line lays them out.
Span Ink(const QTextLayout& layout, int from, int to) {
  Span s{from, to, HUGE_VAL, -HUGE_VAL};
  for (const QGlyphRun& run : layout.glyphRuns(from, to - from)) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> at = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < at.size(); ++i) {
      const QRectF box = font.boundingRect(glyphs[i]);
      if (box.isEmpty()) continue;
      s.left = std::min(s.left, std::floor(at[i].x() + box.left()));
      s.right = std::max(s.right, std::ceil(at[i].x() + box.right()));
    }
  }
  return s;
}

bool Near(const Span& a, const Span& b) {
  if (a.left > a.right || b.left > b.right) return false;
  return b.left - a.right < kInkGap && a.left - b.right < kInkGap;
}

// Adds the next word to the groups drawn apart: it joins, with every group after it, the first
// group whose ink comes near its own, until no two groups come near each other.
void AddWord(std::vector<Span>& groups, const Span& word) {
  groups.push_back(word);
  for (;;) {
    const std::size_t last = groups.size() - 1;
    std::size_t near = last;
    for (std::size_t i = 0; i < last && near == last; ++i)
      if (Near(groups[i], groups[last])) near = i;
    if (near == last) return;
    Span joined = groups[near];
    for (std::size_t k = near + 1; k <= last; ++k) {
      joined.to = groups[k].to;
      joined.left = std::min(joined.left, groups[k].left);
      joined.right = std::max(joined.right, groups[k].right);
    }
    groups.resize(near);
    groups.push_back(joined);
  }
}

}  // namespace

void DrawStringByWords(Picture& picture, const std::string& text, std::int32_t x, std::int32_t y) {
  Graphics& graphics = *picture.Graphics();
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont& font = graphics.Font();
  if (!line.contains(QLatin1Char(' ')) || !PlainLeftToRight(line) || font.underline() || font.overline() ||
      font.strikeOut() || x < -kNear || x > kNear || y < -kNear || y > kNear) {
    graphics.DrawString(text, x, y);
    return;
  }

  QImage& image = picture.Image();  // the graphics' own text painter ends here
  QTextLayout layout(line, font, &image);
  layout.beginLayout();
  QTextLine laid = layout.createLine();
  laid.setPosition(QPointF(0, 0));
  layout.endLayout();

  // The words, then the groups of them that are drawn apart.
  std::vector<Span> groups;
  for (int from = 0; from < line.size();) {
    int to = static_cast<int>(line.indexOf(QLatin1Char(' '), from));
    if (to < 0) to = static_cast<int>(line.size());
    if (to > from) AddWord(groups, Ink(layout, from, to));
    from = to + 1;
  }

  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(graphics.ForeColor().rgb));
  painter.setTransform(QTransform::fromTranslate(static_cast<double>(x), static_cast<double>(y)));
  // The layout's glyphs stand on the baseline at the line's ascent.
  const QPointF baseline(0, -laid.ascent());
  for (const Span& group : groups)
    for (const QGlyphRun& run : layout.glyphRuns(group.from, group.to - group.from)) painter.drawGlyphRun(baseline, run);
}

}  // namespace fw
