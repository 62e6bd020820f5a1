#pragma once
// Pictures as ASCII art, for tests: '#' is a pixel of the ink colour, '.' any other colour.
//
// Art is given one row per line; blanks and empty lines are ignored, so rows can be indented
// inside a raw string literal. On a mismatch the result names the first differing pixel,
// shows the picture as art, and writes the picture and the expected art as PNG files to a
// folder under the temporary directory (named in the message).
#include <gtest/gtest.h>

#include <string>

#include "framework/color.h"
#include "framework/picture.h"

namespace testsupport {

testing::AssertionResult MatchesArt(const fw::Picture& picture, fw::Color ink, const std::string& art);

std::string ToArt(const fw::Picture& picture, fw::Color ink);

}  // namespace testsupport
