// A line drawn word by word has the pixels of the line drawn whole.
#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/text_by_words.h"

namespace {

struct WordsCase {
  std::string name;
  int size;  // pixels; above 64 Qt fills outlines, below it draws cached glyphs
  std::string text;
  int x, y;
  fw::Color color;
};

void PrintTo(const WordsCase& c, std::ostream* os) { *os << c.name; }

// Text between two whole strings on a gray ground, the middle one as DrawString or by words.
QImage Drawn(const WordsCase& c, bool byWords) {
  auto picture = fw::NewPicture(900, 260, 32);
  fw::Graphics& g = *picture->Graphics();
  g.ForeColor(0xDCDCDC);
  g.FillRect(0, 0, 900, 260);
  g.TextFont("System");
  g.TextSize(c.size);
  g.ForeColor(0x000000);
  g.DrawString("before", 4, c.size);
  g.ForeColor(c.color);
  if (byWords) {
    fw::DrawStringByWords(*picture, c.text, c.x, c.y);
  } else {
    g.DrawString(c.text, c.x, c.y);
  }
  g.ForeColor(0x0000FF);
  g.DrawString("after it", 400, 250);
  return picture->Image().copy();
}

class TextByWordsTest : public testing::TestWithParam<WordsCase> {};

TEST_P(TextByWordsTest, SamePixelsAsTheWholeLine) {
  // Qt's outlines of one size can come out a little differently after text of another size
  // was drawn, until glyphs of this size were drawn again: both are drawn after the case once.
  Drawn(GetParam(), false);
  const QImage whole = Drawn(GetParam(), false);
  EXPECT_EQ(Drawn(GetParam(), true), whole);
  // The case draws something beyond the two strings around it.
  auto blank = GetParam();
  blank.text.clear();
  if (!GetParam().text.empty()) {
    EXPECT_NE(Drawn(blank, false), whole);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextByWordsTest,
    testing::Values(
        WordsCase{"Outlines72", 72, "Adjust the convergency settings", 10, 150, 0x000000},
        WordsCase{"Outlines100Umlauts", 100, "Prüfen Sie Größe, Lage", 3, 200, 0xC02010},
        WordsCase{"CachedGlyphs25", 25, "Check to see, if the 1, 2 and 3 pixel-wide gaps", 7, 120, 0x000000},
        WordsCase{"BlanksAroundAndBetween", 72, "  two  blanks  ", 0, 150, 0x000000},
        WordsCase{"CutByTheEdges", 90, "Wide words past the right edge", -37, 250, 0x00FF00},
        WordsCase{"OneWord", 72, "Konvergenz", 20, 150, 0x000000},
        WordsCase{"RightToLeft", 72, "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD7\xA2\xD7\x95\xD7\x9C\xD7\x9D ab", 30, 150,
                  0x000000},
        WordsCase{"Tab", 72, "tab\there", 30, 150, 0x000000}, WordsCase{"Empty", 72, "", 30, 150, 0x000000}),
    [](const auto& info) { return info.param.name; });

}  // namespace
