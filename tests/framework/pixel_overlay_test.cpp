// A pixel overlay keeps what a drawing put over its start; pasted over the same start drawn
// again it gives the finished picture back, whatever and wherever the drawing was.
#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/pixel_overlay.h"

namespace {

using Draw = std::function<void(fw::Graphics&)>;

void Start(fw::Graphics& g) {
  g.ForeColor(0x336699);
  g.FillRect(0, 0, g.Width(), g.Height());
  g.ForeColor(0xFFFF66);
  g.DrawRect(0, 0, g.Width(), g.Height());
}

struct Case {
  const char* name;
  Draw draw;
};

// Widths that are not a multiple of the blocks compared; marks on the last column, with gaps
// shorter and longer than the ones copied along, text, nothing, everything.
TEST(PixelOverlay, PastedOverItsStartGivesTheFinishedPicture) {
  const std::vector<Case> cases{
      {"nothing", [](fw::Graphics&) {}},
      {"last column", [](fw::Graphics& g) { g.ForeColor(0xFF0000); g.FillRect(g.Width() - 1, 3, 1, 2); }},
      {"near and far marks",
       [](fw::Graphics& g) {
         g.ForeColor(0x00FF00);
         for (int x : {1, 20, 40, 130}) g.FillRect(x, 5, 1, 1);
       }},
      {"text", [](fw::Graphics& g) { g.ForeColor(0x000000); g.DrawString("Donec vitae dolor", -3, 12); }},
      {"everything", [](fw::Graphics& g) { g.ForeColor(0xFFFFFF); g.FillRect(0, 0, g.Width(), g.Height()); }},
  };
  for (const auto& [width, height] : {std::pair{131, 17}, std::pair{16, 3}, std::pair{1, 1}}) {
    for (const Case& c : cases) {
      const fw::Ref<fw::Picture> finished = fw::NewPicture(width, height, 32);
      Start(*finished->Graphics());
      fw::PixelOverlay overlay;
      ASSERT_TRUE(overlay.Begin(*finished));
      c.draw(*finished->Graphics());
      overlay.End(*finished);

      const fw::Ref<fw::Picture> again = fw::NewPicture(width, height, 32);
      Start(*again->Graphics());
      ASSERT_TRUE(overlay.Paste(*again)) << c.name;
      EXPECT_EQ(again->Image(), finished->Image()) << c.name << " at " << width << "x" << height;
    }
  }
}

// Nothing kept yet, or a picture of another size: nothing pasted, nothing touched.
TEST(PixelOverlay, PastesNothingItCannotPasteRight) {
  const fw::Ref<fw::Picture> picture = fw::NewPicture(40, 20, 32);
  fw::PixelOverlay overlay;
  EXPECT_FALSE(overlay.Paste(*picture));
  ASSERT_TRUE(overlay.Begin(*picture));
  EXPECT_FALSE(overlay.Paste(*picture)) << "begun, not ended";
  picture->Graphics()->ForeColor(0x000000);
  picture->Graphics()->FillRect(0, 0, 40, 20);
  overlay.End(*picture);

  const fw::Ref<fw::Picture> other = fw::NewPicture(41, 20, 32);
  const QImage before = other->Image().copy();
  EXPECT_FALSE(overlay.Paste(*other));
  EXPECT_EQ(other->Image(), before);
  overlay.Clear();
  EXPECT_FALSE(overlay.Paste(*picture));
}

// The start is held between Begin and End only; then the runs' pixels alone (to a page), and
// Clear gives everything back. The count of all overlays follows.
TEST(PixelOverlay, HoldsWhatItKeepsAndNoMore) {
  const std::size_t screen = 1024 * 768 * 4, before = fw::PixelOverlayBytes();
  const fw::Ref<fw::Picture> picture = fw::NewPicture(1024, 768, 32);
  fw::Graphics& g = *picture->Graphics();
  fw::PixelOverlay overlay;
  const auto held = [&] { return fw::PixelOverlayBytes() - before; };

  ASSERT_TRUE(overlay.Begin(*picture));
  EXPECT_GE(overlay.Bytes(), screen);
  EXPECT_EQ(held(), overlay.Bytes());
  g.ForeColor(0x000000);
  g.FillRect(500, 300, 3, 5);
  overlay.End(*picture);
  EXPECT_LE(overlay.Bytes(), std::size_t{4096 + 5 * 64}) << "a mark of 3 x 5 pixels";
  EXPECT_EQ(held(), overlay.Bytes());

  ASSERT_TRUE(overlay.Begin(*picture));
  g.ForeColor(0x336699);
  g.FillRect(0, 0, 1024, 768);
  overlay.End(*picture);
  EXPECT_GE(overlay.Bytes(), screen) << "every pixel changed";
  EXPECT_LE(overlay.Bytes(), screen + 4096 + 768 * 64);
  EXPECT_EQ(held(), overlay.Bytes());

  overlay.Clear();
  EXPECT_EQ(overlay.Bytes(), 0u);
  EXPECT_EQ(held(), 0u);
}

}  // namespace
