#pragma once
// One line of text drawn a group of words at a time, in the pixels of drawing it whole.
#include <cstdint>
#include <string>

namespace fw {

class Picture;

// Draws text into picture as picture.Graphics()->DrawString(text, x, y) does (its font, size and
// colour, the same pixels), but a word at a time: Qt fills the glyphs of a font above 64 pixels
// as one outline per drawing, and such a fill costs more than its parts, so a 72-pixel line costs
// about twice its words drawn one by one. The words keep the places that laying out the whole
// line gives them, and words whose ink could reach a common pixel column are drawn together, so
// that no pixel is covered by two drawings. A line that is not plain left-to-right text (control
// characters, right-to-left scripts) or has a single word is drawn whole.
void DrawStringByWords(Picture& picture, const std::string& text, std::int32_t x, std::int32_t y);

}  // namespace fw
