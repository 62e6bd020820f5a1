#include "framework/sprite_surface.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "framework/application.h"
#include "framework/screens.h"
#include "framework/window.h"
#include "support/screen_harness.h"

using namespace fw;

namespace {

// A window made like a pattern window: not resizeable, no menu bar, one surface that follows
// the window's size through its four edge locks.
class SurfaceWindow : public Window {
public:
  Ref<SpriteSurface> surface;

protected:
  void Layout() override {
    Width(300);
    Height(300);
    Resizeable(false);
    MenuBarVisible(false);
  }
  void CreateControls() override {
    surface = New<SpriteSurface>();
    surface->Name = "surface";
    surface->SetBounds(0, 0, 300, 300);
    surface->LockLeft = surface->LockTop = surface->LockRight = surface->LockBottom = true;
    AddControl(surface);
  }
};

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 3000) ProcessEvents();
  ProcessEvents();
  return done();
}

// Every pixel differs from its neighbours, so a shift, a scaled copy or a blur shows at once.
Ref<Picture> Noise(int w, int h, std::uint32_t seed) {
  Ref<Picture> p = NewPicture(w, h, 32);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<QRgb*>(p->Image().scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = 0xFF000000u | ((x * 2654435761u ^ y * 40503u ^ seed) & 0xFFFFFFu);
  }
  return p;
}

Ref<Picture> Solid(int w, int h, QRgb colour) {
  Ref<Picture> p = NewPicture(w, h, 32);
  p->Image().fill(colour);
  return p;
}

testing::AssertionResult SamePixels(const QImage& shown, const QImage& expected) {
  const QImage a = shown.convertToFormat(QImage::Format_RGB32), b = expected.convertToFormat(QImage::Format_RGB32);
  if (a.size() != b.size())
    return testing::AssertionFailure() << "shown " << a.width() << "x" << a.height() << ", picture " << b.width() << "x"
                                       << b.height();
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return testing::AssertionFailure() << "first differing pixel (" << x << ", " << y << ") of " << b.width() << "x"
                                           << b.height();
  return testing::AssertionSuccess();
}

// What the surface's widget paints, at its screen's scale (as into the window's backing store).
QImage Shown(SpriteSurface& surface) { return surface.Widget()->grab().toImage(); }

// Places the window on screen i as a pattern window is placed, and shows it full screen.
bool ShowFullScreenOn(SurfaceWindow& window, std::int32_t i) {
  window.Left(Screen(i).Left + 50);
  window.Top(Screen(i).Top + 50);
  window.MenuBarVisible(false);
  window.FullScreen(false);
  window.FullScreen(true);
  window.Show();
  const QSize logical = QtScreen(i)->geometry().size();
  return WaitFor([&] { return window.surface->Width() == logical.width() && window.surface->Height() == logical.height(); });
}

// Records the regions that the surface's widget is asked to repaint.
class PaintRecorder : public QObject {
public:
  QRegion region;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

}  // namespace

// ---- Under screen layouts of their own ------------------------------------------------------

TEST(SpriteSurfaceHarness, FullScreenOnItsOwnScreenPixelForPixel) {
  SKIP_UNLESS_IN_HARNESS();
  // Last screen first, so that landing on the primary screen by default would show.
  for (std::int32_t i = ScreenCount() - 1; i >= 0; --i) {
    SCOPED_TRACE("screen " + std::to_string(i) + " scaled by " + std::to_string(Screen(i).Scale));
    auto window = NewWindow<SurfaceWindow>();
    // Shown and hidden again, as runs do.
    for (int run = 0; run < 2; ++run) {
      ASSERT_TRUE(ShowFullScreenOn(*window, i)) << "the surface is " << window->surface->Width() << "x"
                                                << window->surface->Height();
      EXPECT_EQ(window->Widget()->screen(), QtScreen(i));
      EXPECT_EQ(window->Widget()->geometry(), QtScreen(i)->geometry());

      const ScreenInfo screen = Screen(i);
      Ref<Picture> backdrop = Noise(screen.Width, screen.Height, static_cast<std::uint32_t>(run));
      window->surface->Backdrop(backdrop);
      EXPECT_DOUBLE_EQ(window->surface->PictureScale(), screen.Scale);
      EXPECT_TRUE(SamePixels(Shown(*window->surface), backdrop->Image()));

      // A sprite in the bottom-right corner covers the last row and column.
      auto sprite = New<Sprite>(Noise(7, 5, 99), screen.Width - 7, screen.Height - 5);
      window->surface->Attach(sprite);
      EXPECT_TRUE(SamePixels(Shown(*window->surface), window->surface->Composite()));
      // On a real display server the window's own pixels can be read back as well (the
      // offscreen platform keeps its backing store at the unscaled size).
      if (QGuiApplication::platformName() != "offscreen") {
        ProcessEvents();
        const QImage grabbed = QtScreen(i)->grabWindow(window->Widget()->winId()).toImage();
        EXPECT_TRUE(SamePixels(grabbed.copy(0, 0, screen.Width, screen.Height), window->surface->Composite()));
      }
      sprite->Close();
      window->Hide();
      EXPECT_FALSE(window->Visible());
    }
  }
}

TEST(SpriteSurfaceHarness, RedrawOfAMovedSpriteCoversOnlyWhatChanged) {
  SKIP_UNLESS_IN_HARNESS();
  for (std::int32_t i = 0; i < ScreenCount(); ++i) {
    SCOPED_TRACE("screen " + std::to_string(i) + " scaled by " + std::to_string(Screen(i).Scale));
    auto window = NewWindow<SurfaceWindow>();
    ASSERT_TRUE(ShowFullScreenOn(*window, i));
    const ScreenInfo screen = Screen(i);
    window->surface->Backdrop(Noise(screen.Width, screen.Height, 7));
    auto sprite = New<Sprite>(Solid(33, 21, 0xFFFF00FFu), 101, 77);
    window->surface->Attach(sprite);
    ProcessEvents();

    // The screen as it stands, then only the regions Qt is asked to repaint painted anew.
    QWidget* widget = window->surface->Widget();
    QImage screenImage(screen.Width, screen.Height, QImage::Format_RGB32);
    screenImage.setDevicePixelRatio(widget->devicePixelRatioF());
    widget->render(&screenImage);
    PaintRecorder recorder;
    widget->installEventFilter(&recorder);
    for (int step = 0; step < 5; ++step) {
      recorder.region = QRegion();
      sprite->X(sprite->X() + 7);
      sprite->Y(sprite->Y() + 3);
      window->surface->Update();
      WaitFor([&] { return !recorder.region.isEmpty(); });
      ASSERT_FALSE(recorder.region.isEmpty());
      // render puts the region's top-left corner at the offset given.
      widget->render(&screenImage, recorder.region.boundingRect().topLeft(), recorder.region, QWidget::DrawChildren);
      EXPECT_TRUE(SamePixels(screenImage, window->surface->Composite())) << "after step " << step;
      // Not the whole surface: about the sprite's old and new places.
      const QRect painted = recorder.region.boundingRect();
      EXPECT_LE(painted.width() * screen.Scale, 33 + 7 + 4);
      EXPECT_LE(painted.height() * screen.Scale, 21 + 3 + 4);
    }
    widget->removeEventFilter(&recorder);
    window->Hide();
  }
}

TEST(SpriteSurfaceScreens, ScaledByTwoAndByFractions) {
  // Physical positions side by side, as the desktop reports them; 911 x 511 at 1.5 does not
  // come out in whole physical pixels, so the screen's size rounds.
  EXPECT_EQ(RunWithScreens({{0, 0, 1024, 768}, {1024, 0, 1280, 720, 2.0}, {3584, 0, 1093, 614, 1.25},
                            {4950, 0, 1280, 720, 1.5}, {6870, 0, 911, 511, 1.5}},
                           "SpriteSurfaceHarness.*"),
            0);
  // A scaled primary screen.
  EXPECT_EQ(RunWithScreens({{0, 0, 1093, 614, 1.25}, {1366, 0, 1024, 768}}, "SpriteSurfaceHarness.*"), 0);
}

// ---- What a redraw covers ---------------------------------------------------------------------

namespace {

struct RedrawCase {
  const char* name;
  std::function<void(SpriteSurface&, Sprite&)> change;
  SpriteSurface::Area expected;
};

void PrintTo(const RedrawCase& c, std::ostream* out) { *out << c.name; }

class SpriteSurfaceRedraw : public testing::TestWithParam<RedrawCase> {};

std::tuple<int, int, int, int> Rect(const SpriteSurface::Area& a) { return {a.x, a.y, a.w, a.h}; }

}  // namespace

TEST_P(SpriteSurfaceRedraw, LastRedraw) {
  Window window;
  auto surface = New<SpriteSurface>();
  surface->SetBounds(0, 0, 200, 100);
  window.AddControl(surface);
  surface->Backdrop(Solid(200, 100, 0xFF808080u));
  auto sprite = New<Sprite>(Solid(10, 8, 0xFFFF0000u), 20, 30);
  surface->Attach(sprite);
  surface->Update();
  GetParam().change(*surface, *sprite);
  EXPECT_EQ(Rect(surface->LastRedraw()), Rect(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SpriteSurfaceRedraw,
    testing::Values(
        RedrawCase{"Nothing", [](SpriteSurface& s, Sprite&) { s.Update(); }, {0, 0, 0, 0}},
        RedrawCase{"Moved",
                   [](SpriteSurface& s, Sprite& p) {
                     p.X(26);
                     p.Y(24);
                     s.Update();
                   },
                   {20, 24, 16, 14}},
        RedrawCase{"MovedByOne",
                   [](SpriteSurface& s, Sprite& p) {
                     p.X(21);
                     s.Update();
                   },
                   {20, 30, 11, 8}},
        RedrawCase{"NewPictureInPlace",
                   [](SpriteSurface& s, Sprite& p) {
                     p.Image(Solid(4, 4, 0xFF00FF00u));
                     s.Update();
                   },
                   {20, 30, 10, 8}},
        RedrawCase{"Closed", [](SpriteSurface&, Sprite& p) { p.Close(); }, {20, 30, 10, 8}},
        RedrawCase{"Attached",
                   [](SpriteSurface& s, Sprite&) { s.Attach(New<Sprite>(Solid(5, 6, 0xFF0000FFu), 150, 60)); },
                   {150, 60, 5, 6}},
        RedrawCase{"BackdropAssignedAgain", [](SpriteSurface& s, Sprite&) { s.Backdrop(s.Backdrop()); },
                   {0, 0, 200, 100}}),
    [](const testing::TestParamInfo<RedrawCase>& info) { return std::string(info.param.name); });

TEST(SpriteSurface, ShowsSpritesOverTheBackdropWithTheirMasks) {
  Window window;
  auto surface = New<SpriteSurface>();
  surface->SetBounds(0, 0, 4, 1);
  window.AddControl(surface);
  surface->Backdrop(Solid(4, 1, 0xFF0000FFu));
  Ref<Picture> picture = NewPicture(4, 1, 32);
  picture->Image().setPixel(1, 0, 0xFFFF0000u);
  picture->Transparent(1);  // white is left out
  surface->Attach(New<Sprite>(picture, 0, 0));
  const QImage shown = surface->Composite();
  EXPECT_EQ(shown.pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(shown.pixel(1, 0), 0xFFFF0000u);
  EXPECT_EQ(shown.pixel(3, 0), 0xFF0000FFu);
}

// Pixels converted four at a time and the rest one by one: white is left out only when the
// picture's Transparent is 1, near-white never, whatever the width.
TEST(SpriteSurface, LeavesOutWhiteAtEveryPlaceOfARow) {
  const QRgb row[] = {0xFFFFFFFFu, 0xFFFFFFFEu, 0xFF123456u, 0xFFFFFFFFu, 0xFF000000u,
                      0xFFFEFFFFu, 0xFFFFFFFFu, 0xFF7F7F7Fu, 0xFFFFFFFFu, 0xFFDCDCDCu, 0xFFFFFFFFu};
  for (const int width : {1, 4, 6, 11}) {
    for (const int transparent : {0, 1}) {
      Window window;
      auto surface = New<SpriteSurface>();
      surface->SetBounds(0, 0, width, 2);
      window.AddControl(surface);
      surface->Backdrop(Solid(width, 2, 0xFF0000FFu));
      Ref<Picture> picture = NewPicture(width, 2, 32);
      for (int x = 0; x < width; ++x) picture->Image().setPixel(x, 1, row[x]);
      picture->Transparent(transparent);
      surface->Attach(New<Sprite>(picture, 0, 0));
      const QImage shown = surface->Composite();
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < width; ++x) {
          const QRgb drawn = y == 1 ? row[x] : 0xFFFFFFFFu;
          EXPECT_EQ(shown.pixel(x, y), transparent == 1 && drawn == 0xFFFFFFFFu ? 0xFF0000FFu : drawn)
              << width << " " << transparent << " " << x << "," << y;
        }
    }
  }
}
