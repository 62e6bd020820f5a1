// Every shape against its pixels, drawn in black into small white pictures.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "support/picture_art.h"

using fw::Graphics;

namespace {

struct ArtCase {
  const char* name;
  int width;
  int height;
  std::function<void(Graphics&)> draw;
  const char* art;
};

void PrintTo(const ArtCase& c, std::ostream* os) { *os << c.name; }

std::string CaseName(const testing::TestParamInfo<ArtCase>& info) { return info.param.name; }

class Shapes : public testing::TestWithParam<ArtCase> {};

TEST_P(Shapes, SetExactlyTheirPixels) {
  const ArtCase& c = GetParam();
  auto picture = fw::NewPicture(c.width, c.height, 32);
  auto g = picture->Graphics();
  g->ForeColor(0x000000);
  c.draw(*g);
  EXPECT_TRUE(testsupport::MatchesArt(*picture, 0x000000, c.art));
}

void Pen(Graphics& g, int width, int height) {
  g.PenWidth(width);
  g.PenHeight(height);
}

const ArtCase kRects[] = {
    {"FillInside", 6, 4, [](Graphics& g) { g.FillRect(1, 1, 3, 2); }, R"(
      ......
      .###..
      .###..
      ......)"},
    {"FillClippedTopLeft", 5, 4, [](Graphics& g) { g.FillRect(-2, -1, 4, 3); }, R"(
      ##...
      ##...
      .....
      .....)"},
    {"FillClippedBottomRight", 5, 4, [](Graphics& g) { g.FillRect(3, 2, 10, 10); }, R"(
      .....
      .....
      ...##
      ...##)"},
    {"FillZeroAndNegativeSizes", 4, 3,
     [](Graphics& g) {
       g.FillRect(0, 0, 0, 3);
       g.FillRect(0, 0, 4, 0);
       g.FillRect(3, 2, -2, -2);
     },
     R"(
      ....
      ....
      ....)"},
    {"FrameIsOutermostRing", 6, 5, [](Graphics& g) { g.DrawRect(0, 0, 6, 5); }, R"(
      ######
      #....#
      #....#
      #....#
      ######)"},
    {"FrameThreeByTwoPen", 9, 7,
     [](Graphics& g) {
       Pen(g, 3, 2);
       g.DrawRect(0, 0, 9, 7);
     },
     R"(
      #########
      #########
      ###...###
      ###...###
      ###...###
      #########
      #########)"},
    {"FramePenThickerThanHalfFills", 6, 5,
     [](Graphics& g) {
       Pen(g, 2, 2);
       g.DrawRect(1, 1, 4, 3);
     },
     R"(
      ......
      .####.
      .####.
      .####.
      ......)"},
    {"FrameClippedLeftAndTop", 5, 4, [](Graphics& g) { g.DrawRect(-1, -1, 5, 4); }, R"(
      ...#.
      ...#.
      ####.
      .....)"},
    {"FrameClippedRightAndBottom", 5, 4, [](Graphics& g) { g.DrawRect(2, 1, 5, 5); }, R"(
      .....
      ..###
      ..#..
      ..#..)"},
    {"FrameZeroSizeOrPen", 4, 3,
     [](Graphics& g) {
       g.DrawRect(0, 0, 0, 3);
       g.DrawRect(0, 0, 4, -1);
       Pen(g, 0, 1);
       g.DrawRect(0, 0, 4, 3);
     },
     R"(
      ....
      ....
      ....)"},
};
INSTANTIATE_TEST_SUITE_P(Rects, Shapes, testing::ValuesIn(kRects), CaseName);

const ArtCase kLines[] = {
    {"Point", 3, 3, [](Graphics& g) { g.DrawLine(1, 1, 1, 1); }, R"(
      ...
      .#.
      ...)"},
    {"HorizontalBothEnds", 6, 2, [](Graphics& g) { g.DrawLine(1, 0, 4, 0); }, R"(
      .####.
      ......)"},
    {"FortyFiveDegrees", 5, 5, [](Graphics& g) { g.DrawLine(0, 4, 4, 0); }, R"(
      ....#
      ...#.
      ..#..
      .#...
      #....)"},
    {"ShallowBresenham", 7, 3, [](Graphics& g) { g.DrawLine(0, 0, 6, 2); }, R"(
      ##.....
      ..###..
      .....##)"},
    {"HalfwayStepsAwayFromTheStart", 5, 2, [](Graphics& g) { g.DrawLine(4, 1, 0, 0); }, R"(
      ##...
      ..###)"},
    {"SteepBresenham", 3, 7, [](Graphics& g) { g.DrawLine(2, 6, 0, 0); }, R"(
      #..
      #..
      .#.
      .#.
      .#.
      ..#
      ..#)"},
    {"PenBlocksHangRightAndDown", 6, 5,
     [](Graphics& g) {
       Pen(g, 2, 2);
       g.DrawLine(1, 1, 3, 3);
     },
     R"(
      ......
      .##...
      .###..
      ..###.
      ...##.)"},
    {"ClippedFromOutside", 4, 4, [](Graphics& g) { g.DrawLine(-2, 5, 5, -2); }, R"(
      ...#
      ..#.
      .#..
      #...)"},
    {"ZeroPenDrawsNothing", 3, 3,
     [](Graphics& g) {
       Pen(g, 1, 0);
       g.DrawLine(0, 0, 2, 2);
     },
     R"(
      ...
      ...
      ...)"},
    // The arrowheads of the margins pattern: two strokes meeting at the tip on the edge.
    {"ArrowheadAtLeftEdge", 4, 7,
     [](Graphics& g) {
       g.DrawLine(0, 3, 3, 0);
       g.DrawLine(0, 3, 3, 6);
     },
     R"(
      ...#
      ..#.
      .#..
      #...
      .#..
      ..#.
      ...#)"},
};
INSTANTIATE_TEST_SUITE_P(Lines, Shapes, testing::ValuesIn(kLines), CaseName);

const ArtCase kOvals[] = {
    {"FilledCircleSeven", 7, 7, [](Graphics& g) { g.FillOval(0, 0, 7, 7); }, R"(
      ..###..
      .#####.
      #######
      #######
      #######
      .#####.
      ..###..)"},
    {"CircleSeven", 9, 9, [](Graphics& g) { g.DrawOval(1, 1, 7, 7); }, R"(
      .........
      ...###...
      ..#...#..
      .#.....#.
      .#.....#.
      .#.....#.
      ..#...#..
      ...###...
      .........)"},
    {"EvenOval", 8, 6, [](Graphics& g) { g.DrawOval(0, 0, 8, 6); }, R"(
      ..####..
      .#....#.
      #......#
      #......#
      .#....#.
      ..####..)"},
    {"ThinOvalsAreBars", 6, 6,
     [](Graphics& g) {
       g.DrawOval(0, 0, 1, 6);
       g.DrawOval(2, 0, 4, 1);
       g.FillOval(2, 2, 4, 2);
     },
     R"(
      #.####
      #.....
      #.####
      #.####
      #.....
      #.....)"},
    {"TallNarrowOvalTouchesItsBox", 4, 10, [](Graphics& g) { g.FillOval(1, 0, 2, 10); }, R"(
      .##.
      .##.
      .##.
      .##.
      .##.
      .##.
      .##.
      .##.
      .##.
      .##.)"},
    {"ThickOutline", 9, 9,
     [](Graphics& g) {
       Pen(g, 2, 2);
       g.DrawOval(0, 0, 9, 9);
     },
     R"(
      ..#####..
      .#######.
      ##.....##
      ##.....##
      ##.....##
      ##.....##
      ##.....##
      .#######.
      ..#####..)"},
    {"ClippedAtEveryEdge", 5, 5, [](Graphics& g) { g.DrawOval(-1, -1, 7, 7); }, R"(
      #...#
      .....
      .....
      .....
      #...#)"},
};
INSTANTIATE_TEST_SUITE_P(Ovals, Shapes, testing::ValuesIn(kOvals), CaseName);

const ArtCase kRoundRects[] = {
    {"FilledCorners", 10, 6, [](Graphics& g) { g.FillRoundRect(0, 0, 10, 6, 4, 4); }, R"(
      .########.
      ##########
      ##########
      ##########
      ##########
      .########.)"},
    {"OutlineCorners", 12, 8, [](Graphics& g) { g.DrawRoundRect(0, 0, 12, 8, 8, 8); }, R"(
      ..########..
      .#........#.
      #..........#
      #..........#
      #..........#
      #..........#
      .#........#.
      ..########..)"},
    {"ZeroCornerIsRect", 4, 3, [](Graphics& g) { g.FillRoundRect(0, 0, 4, 3, 0, 0); }, R"(
      ####
      ####
      ####)"},
    {"CornerLargerThanBoxIsOval", 7, 7, [](Graphics& g) { g.FillRoundRect(0, 0, 7, 7, 50, 50); }, R"(
      ..###..
      .#####.
      #######
      #######
      #######
      .#####.
      ..###..)"},
};
INSTANTIATE_TEST_SUITE_P(RoundRects, Shapes, testing::ValuesIn(kRoundRects), CaseName);

}  // namespace
