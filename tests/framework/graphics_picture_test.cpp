// Pictures: making them, their mask and transparency, and drawing one into another.
#include <gtest/gtest.h>

#include <QImage>

#include <climits>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "support/picture_art.h"

using fw::Color;
using fw::NewPicture;
using fw::Picture;
using fw::Ref;
using testsupport::MatchesArt;

namespace {

struct Size {
  int width;
  int height;
};

class RefusedSizes : public testing::TestWithParam<Size> {};

TEST_P(RefusedSizes, GiveNil) { EXPECT_FALSE(NewPicture(GetParam().width, GetParam().height, 32)); }

INSTANTIATE_TEST_SUITE_P(Pictures, RefusedSizes,
                         testing::Values(Size{0, 5}, Size{5, 0}, Size{-1, 5}, Size{5, INT_MIN}, Size{INT_MAX, INT_MAX},
                                         Size{100000, 10}, Size{32767, 32767}));

TEST(Pictures, StartWhiteAndKeepTheirDepth) {
  auto picture = NewPicture(3840, 2160, 16);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 3840);
  EXPECT_EQ(picture->Height(), 2160);
  EXPECT_EQ(picture->Depth(), 16);
  EXPECT_EQ(picture->Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(picture->Graphics()->Width(), 3840);
  EXPECT_EQ(picture->Graphics()->Height(), 2160);
  for (QPoint p : {QPoint(0, 0), QPoint(3839, 2159), QPoint(1920, 1080)}) {
    EXPECT_EQ(picture->Image().pixel(p) & 0xFFFFFFu, 0xFFFFFFu);
  }
}

TEST(Pictures, HandOutOneGraphicsThatOutlivesThem) {
  auto picture = NewPicture(4, 4, 32);
  auto g = picture->Graphics();
  EXPECT_EQ(g, picture->Graphics());
  picture.Reset();
  g->FillRect(0, 0, 4, 4);  // the canvas draws through its old graphics when a new picture fails
  EXPECT_EQ(g->Width(), 4);
}

// A copy of the pixels handed out keeps them while the picture is drawn on again, and the
// picture's cache key moves on, so that whoever shows it knows to fetch it again.
TEST(Pictures, HandedOutPixelsStayAsTheyWereWhenDrawnOnAgain) {
  const Ref<Picture> p = NewPicture(40, 30, 32);
  fw::Graphics& g = *p->Graphics();
  for (const bool small : {true, false}) {
    const int side = small ? 3 : 30;
    g.ForeColor(0x102030);
    g.FillRect(1, 1, side, side);
    const QImage copy = p->Image();
    const qint64 key = copy.cacheKey();
    g.ForeColor(0x405060);
    g.FillRect(1, 1, side, side);
    EXPECT_EQ(copy.pixel(2, 2) & 0xFFFFFFu, 0x102030u) << side;
    EXPECT_EQ(p->Image().pixel(2, 2) & 0xFFFFFFu, 0x405060u) << side;
    EXPECT_NE(p->Image().cacheKey(), key) << side;
  }
}

TEST(Pictures, MakeTheirMaskOnFirstUse) {
  auto picture = NewPicture(5, 3, 32);
  EXPECT_FALSE(picture->HasMask());
  auto mask = picture->Mask();
  ASSERT_TRUE(mask);
  EXPECT_TRUE(picture->HasMask());
  EXPECT_EQ(mask, picture->Mask());
  EXPECT_EQ(mask->Width(), 5);
  EXPECT_EQ(mask->Height(), 3);
  EXPECT_TRUE(MatchesArt(*mask, 0xFFFFFF, "#####\n#####\n#####"));
}

TEST(Pictures, FromImageLayTransparencyOverWhite) {
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, 0xFF102030u);
  image.setPixel(1, 0, 0x00000000u);
  auto picture = fw::PictureFromImage(image, 24);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Depth(), 24);
  EXPECT_EQ(picture->Image().pixel(0, 0), 0xFF102030u);
  EXPECT_EQ(picture->Image().pixel(1, 0), 0xFFFFFFFFu);
  EXPECT_FALSE(fw::PictureFromImage(QImage(), 32));
}

// A 3 x 2 black picture with one white pixel, drawn onto black at (1, 1).
Ref<Picture> Stamp() {
  auto stamp = NewPicture(3, 2, 32);
  stamp->Graphics()->FillRect(0, 0, 3, 2);
  stamp->Image().setPixel(1, 0, 0xFFFFFFFFu);
  return stamp;
}

Ref<Picture> Black(int width, int height) {
  auto picture = NewPicture(width, height, 32);
  picture->Graphics()->FillRect(0, 0, width, height);
  return picture;
}

TEST(DrawPicture, CopiesEveryPixelWhenOpaque) {
  auto target = NewPicture(5, 4, 32);
  target->Graphics()->DrawPicture(Stamp(), 1, 1);
  EXPECT_TRUE(MatchesArt(*target, 0x000000, R"(
    .....
    .#.#.
    .###.
    .....)"));
}

TEST(DrawPicture, LeavesOutWhiteWhenTransparent) {
  auto target = Black(5, 4);
  target->Graphics()->ForeColor(0xFF0000);
  target->Graphics()->FillRect(2, 1, 1, 1);
  auto stamp = Stamp();
  stamp->Transparent(1);
  target->Graphics()->DrawPicture(stamp, 1, 1);
  EXPECT_TRUE(MatchesArt(*target, 0xFF0000, R"(
    .....
    ..#..
    .....
    .....)"));
}

TEST(DrawPicture, ShowsOnlyWhatTheMaskMakesOpaque) {
  auto red = NewPicture(3, 2, 32);
  red->Graphics()->ForeColor(0xFF0000);
  red->Graphics()->FillRect(0, 0, 3, 2);
  red->Transparent(1);  // the mask decides alone
  auto mask = red->Mask()->Graphics();
  mask->FillRect(0, 0, 1, 1);
  mask->FillRect(2, 1, 1, 1);
  auto target = NewPicture(4, 3, 32);
  target->Graphics()->DrawPicture(red, 1, 0);
  EXPECT_TRUE(MatchesArt(*target, 0xFF0000, R"(
    .#..
    ...#
    ....)"));
}

TEST(DrawPicture, BlendsThroughGrayMaskLevels) {
  auto black = Black(1, 1);
  black->Mask()->Graphics()->ForeColor(fw::RGB(64, 64, 64));
  black->Mask()->Graphics()->FillRect(0, 0, 1, 1);
  auto target = NewPicture(1, 1, 32);
  target->Graphics()->DrawPicture(black, 0, 0);
  EXPECT_EQ(target->Image().pixel(0, 0), 0xFF404040u);
}

TEST(DrawPicture, ClipsAtEveryEdge) {
  auto target = NewPicture(4, 3, 32);
  auto g = target->Graphics();
  auto stamp = Stamp();
  g->DrawPicture(stamp, -1, -1);
  g->DrawPicture(stamp, 3, 2);
  g->DrawPicture(stamp, INT_MIN, INT_MAX);
  g->DrawPicture(stamp, INT_MAX, INT_MIN);
  EXPECT_TRUE(MatchesArt(*target, 0x000000, R"(
    ##..
    ....
    ...#)"));
}

TEST(DrawPicture, ReadsItselfAsItWasBefore) {
  auto strip = NewPicture(4, 1, 32);
  strip->Graphics()->FillRect(0, 0, 1, 1);
  strip->Graphics()->DrawPicture(strip, 1, 0);
  EXPECT_TRUE(MatchesArt(*strip, 0x000000, "##.."));
}

TEST(DrawPicture, OfNilRaisesNilObjectException) {
  auto target = NewPicture(2, 2, 32);
  EXPECT_THROW(target->Graphics()->DrawPicture(nullptr, 0, 0), fw::NilObjectException);
}

}  // namespace
