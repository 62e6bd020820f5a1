// The Geometry group: each static pattern against a picture drawn from its worked example's own
// coordinates, invariants over odd sizes, the animated kinds' set-ups, and pictures too low
// for a grid.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/Assets.h"
#include "framework/clock.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "support/canvas_fixture.h"

namespace {

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

std::uint32_t Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

// A picture to draw the expected pattern into.
struct Expected {
  Expected(int width, int height, std::uint32_t field) : picture(fw::NewPicture(width, height, 32)) {
    g().ForeColor(field);
    g().FillRect(0, 0, width, height);
  }
  fw::Graphics& g() { return *picture->Graphics(); }
  // The preview's black frame, drawn over every pattern.
  void PreviewFrame() {
    g().ForeColor(kBlack);
    g().DrawRect(0, 0, picture->Width(), picture->Height());
  }
  fw::Ref<fw::Picture> picture;
};

testing::AssertionResult SamePixels(const QImage& actual, const Expected& expected) {
  const QImage& want = expected.picture->Image();
  if (actual.size() != want.size()) {
    return testing::AssertionFailure() << "picture is " << actual.width() << " x " << actual.height();
  }
  for (int y = 0; y < want.height(); ++y) {
    for (int x = 0; x < want.width(); ++x) {
      if (Rgb(actual, x, y) == Rgb(want, x, y)) continue;
      return testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): expected " << std::hex
                                         << Rgb(want, x, y) << ", found " << Rgb(actual, x, y);
    }
  }
  return testing::AssertionSuccess();
}

// ---- GeoGeometry ----

struct Point {
  int x, y;
};

struct GeometryExample {
  const char* name;
  int w, h;
  int lineX, lineY, step, linesX, linesY;  // first line and spacing of the grid
  int centreX, centreY, centreSize;
  int largeX, largeSize;
  Point corners[4];
  int cornerSize;
};

class GeoGeometryTest : public testing::TestWithParam<GeometryExample> {};

TEST_P(GeoGeometryTest, MatchesTheWorkedExample) {
  const GeometryExample& e = GetParam();
  CanvasFixture fixture(e.w, e.h);
  Expected want(e.w, e.h, kBlack);
  want.g().ForeColor(kWhite);
  for (int i = 0; i < e.linesX; ++i) want.g().DrawLine(e.lineX + i * e.step, 0, e.lineX + i * e.step, e.h);
  for (int i = 0; i < e.linesY; ++i) want.g().DrawLine(0, e.lineY + i * e.step, e.w, e.lineY + i * e.step);
  want.g().DrawOval(e.centreX, e.centreY, e.centreSize, e.centreSize);
  want.g().DrawOval(e.largeX, 0, e.largeSize, e.largeSize);
  for (const Point& c : e.corners) want.g().DrawOval(c.x, c.y, e.cornerSize, e.cornerSize);
  if (e.w < 150) want.PreviewFrame();

  EXPECT_TRUE(SamePixels(fixture.Render("GeoGeometry"), want));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GeoGeometryTest,
    testing::Values(
        GeometryExample{"Xga", 1024, 768, 32, 24, 48, 21, 16, 464, 336, 97, 128, 769,
                        {{32, 24}, {848, 24}, {32, 600}, {848, 600}}, 145},
        // Both sides multiples of u: the outer lines lie half a unit inside the edges.
        GeometryExample{"Sxga", 1280, 1024, 32, 32, 64, 20, 16, 576, 448, 129, 128, 1025,
                        {{32, 32}, {1056, 32}, {32, 800}, {1056, 800}}, 193},
        GeometryExample{"Wide", 1366, 768, 35, 24, 48, 28, 16, 635, 336, 97, 299, 769,
                        {{35, 24}, {1187, 24}, {35, 600}, {1187, 600}}, 145},
        GeometryExample{"Preview", 121, 97, 4, 4, 6, 20, 16, 54, 42, 13, 12, 98,
                        {{4, 4}, {99, 4}, {4, 75}, {99, 75}}, 19}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- GeoMargins ----

struct Stroke {
  int x1, y1, x2, y2;
};

struct MarginsExample {
  const char* name;
  int w, h;
  int frameInset;  // 0 full screen, 1 inside the preview's frame
  Stroke strokes[8];
};

class GeoMarginsTest : public testing::TestWithParam<MarginsExample> {};

TEST_P(GeoMarginsTest, FrameAndArrowheadsOnTheEdges) {
  const MarginsExample& e = GetParam();
  CanvasFixture fixture(e.w, e.h);
  const QImage shown = fixture.Render("GeoMargins");

  // The white ring is the outermost one a screen has; the preview keeps its black frame outside.
  const int in = e.frameInset;
  for (int x = in; x < e.w - in; ++x) {
    ASSERT_EQ(Rgb(shown, x, in), kWhite) << x;
    ASSERT_EQ(Rgb(shown, x, e.h - 1 - in), kWhite) << x;
  }
  for (int y = in; y < e.h - in; ++y) {
    ASSERT_EQ(Rgb(shown, in, y), kWhite) << y;
    ASSERT_EQ(Rgb(shown, e.w - 1 - in, y), kWhite) << y;
  }
  for (int i = 0; i < in; ++i) {
    for (int x = 0; x < e.w; ++x) ASSERT_EQ(Rgb(shown, x, 0) | Rgb(shown, x, e.h - 1), kBlack) << x;
    for (int y = 0; y < e.h; ++y) ASSERT_EQ(Rgb(shown, 0, y) | Rgb(shown, e.w - 1, y), kBlack) << y;
  }

  Expected want(e.w, e.h, kBlack);
  want.g().ForeColor(kWhite);
  want.g().DrawRect(in, in, e.w - 2 * in, e.h - 2 * in);
  for (const Stroke& s : e.strokes) want.g().DrawLine(s.x1, s.y1, s.x2, s.y2);
  if (in == 1) want.PreviewFrame();
  EXPECT_TRUE(SamePixels(shown, want));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GeoMarginsTest,
    testing::Values(
        // cx 512, cy 384, arrowheads 24 pixels.
        MarginsExample{"Xga", 1024, 768, 0,
                       {{0, 384, 24, 360}, {0, 384, 24, 408}, {999, 360, 1023, 384}, {999, 408, 1023, 384},
                        {488, 24, 512, 0}, {536, 24, 512, 0}, {488, 743, 512, 767}, {536, 743, 512, 767}}},
        MarginsExample{"Wide", 1366, 768, 0,
                       {{0, 384, 24, 360}, {0, 384, 24, 408}, {1341, 360, 1365, 384}, {1341, 408, 1365, 384},
                        {659, 24, 683, 0}, {707, 24, 683, 0}, {659, 743, 683, 767}, {707, 743, 683, 767}}},
        // cx 60, cy 48, arrowheads 3 pixels, tips on the white frame (1, 1, 119, 95).
        MarginsExample{"Preview", 121, 97, 1,
                       {{1, 48, 4, 45}, {1, 48, 4, 51}, {116, 45, 119, 48}, {116, 51, 119, 48},
                        {57, 4, 60, 1}, {63, 4, 60, 1}, {57, 92, 60, 95}, {63, 92, 60, 95}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- GeoConvergency ----

struct ConvergencyExample {
  const char* name;
  int w, h;
  int first, step, columns, rows;
};

class GeoConvergencyTest : public testing::TestWithParam<ConvergencyExample> {};

TEST_P(GeoConvergencyTest, CrossesOnTheHalfUnitGrid) {
  const ConvergencyExample& e = GetParam();
  CanvasFixture fixture(e.w, e.h);
  Expected want(e.w, e.h, kWhite);
  want.g().ForeColor(kBlack);
  for (int i = 0; i < e.columns; ++i) {
    for (int j = 0; j < e.rows; ++j) {
      const int x = e.first + i * e.step, y = e.first + j * e.step;
      want.g().DrawLine(x - 5, y, x + 5, y);
      want.g().DrawLine(x, y - 5, x, y + 5);
    }
  }
  if (e.w < 150) want.PreviewFrame();
  EXPECT_TRUE(SamePixels(fixture.Render("GeoConvergency"), want));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeoConvergencyTest,
                         testing::Values(ConvergencyExample{"Xga", 1024, 768, 12, 24, 43, 32},
                                         // u = 67: each step of 33.5 is truncated again, so 33.
                                         ConvergencyExample{"FullHd", 1920, 1080, 16, 33, 58, 33},
                                         ConvergencyExample{"Preview", 121, 97, 1, 3, 41, 33}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- GeoResolution1 ----

// Insets from 1 in steps of 2 (six times), 3 (four times), 4 (three times), over and over, as
// far as half the height.
std::set<int> Insets(int height) {
  static const int kCycle[] = {2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4};
  std::set<int> insets;
  for (int p = 1, i = 0; p == 1 || p <= height / 2.0; p += kCycle[i++ % 13]) insets.insert(p);
  return insets;
}

struct Size {
  const char* name;
  int w, h;
};

class GeoResolution1Test : public testing::TestWithParam<Size> {};

TEST_P(GeoResolution1Test, NestedRectanglesWithGapsOfOneTwoAndThree) {
  const Size& s = GetParam();
  CanvasFixture fixture(s.w, s.h);
  const QImage shown = fixture.Render("GeoResolution1");
  const std::set<int> insets = Insets(s.h);

  // Down the middle column every rectangle's top edge, and nothing else, until the middle.
  for (int y = 0; y < s.h / 2.0; ++y) {
    const bool edge = insets.count(y) > 0 || (s.w < 150 && y == 0);
    ASSERT_EQ(Rgb(shown, s.w / 2, y), edge ? kBlack : kWhite) << "row " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeoResolution1Test,
                         testing::Values(Size{"Xga", 1024, 768}, Size{"Sxga", 1280, 1024}, Size{"Wide", 1366, 768},
                                         Size{"Preview", 121, 97}, Size{"Low", 200, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeoResolution1, InsetsFollowTheCycle) {
  const std::set<int> insets = Insets(106);
  EXPECT_EQ(std::vector<int>(insets.begin(), insets.end()),
            (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 16, 19, 22, 25, 29, 33, 37, 39, 41, 43, 45, 47, 49, 52}));
  EXPECT_EQ(Insets(20), (std::set<int>{1, 3, 5, 7, 9}));
}

// ---- GeoResolution2 ----

const std::string kFiller =
    "Vestibulum eget purus vitae eros ornare adipiscing. Vivamus nec quam. Integer vestibulum malesuada libero. "
    "Sed vehicula fermentum leo. In condimen tum. Nullam wisi arcu, suscipit consectetuer. Vestibulum imper diet "
    "nonummy sem. Vivamus sit amet erat nec turpis tempus con sequat. Praesent malesuada. Donec vitae dolor. Donec "
    "at lacus ac mi vehicula bibendum. Donec feugiat tempor libero Aenean ut erat ut nibh com modo suscipit. Nam "
    "uut, massa. Maecenas vitae ante et lacus aliquam hendrerit. Curabitur nunc eros, euis mod in, convallis at, "
    "vehicula sed consectetuer posuere, eros mauris dignissim diam, pretium sed pede suscipit: Adiam condi mentum "
    "purus, in consectetuer Proin in sapien.";

struct TextExample {
  const char* name;
  int w, h;
  int textSize;  // the chosen row of the font size menu (its default) or the preview's 4
};

class GeoResolution2Test : public testing::TestWithParam<TextExample> {};

TEST_P(GeoResolution2Test, EachLineStartsOneWordLater) {
  const TextExample& e = GetParam();
  CanvasFixture fixture(e.w, e.h);
  const QImage shown = fixture.Render("GeoResolution2");

  Expected want(e.w, e.h, kWhite);
  want.g().TextSize(e.textSize);
  want.g().ForeColor(kBlack);
  const int th = want.g().TextHeight();
  std::string line = kFiller;
  for (int y = static_cast<int>(th * 0.8); y <= e.h + th; y += th) {
    want.g().DrawString(line, 0, y);
    const std::size_t blank = line.find(' ');
    line = line.substr(blank + 1) + line.substr(0, blank + 1);
  }
  if (e.w < 150) want.PreviewFrame();
  EXPECT_TRUE(SamePixels(shown, want));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeoResolution2Test,
                         testing::Values(TextExample{"Xga", 1024, 768, 12},
                                         // Wide enough for the whole text on each line.
                                         TextExample{"WholeText", 6000, 120, 12},
                                         TextExample{"Preview", 121, 97, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- GeoClockPhase ----

class GeoClockPhaseTest : public testing::TestWithParam<Size> {};

TEST_P(GeoClockPhaseTest, OnlyOddPixelsStayWhite) {
  const Size& s = GetParam();
  CanvasFixture fixture(s.w, s.h);
  const QImage shown = fixture.Render("GeoClockPhase");
  for (int y = 0; y < s.h; ++y) {
    for (int x = 0; x < s.w; ++x) {
      ASSERT_EQ(Rgb(shown, x, y), x % 2 == 1 && y % 2 == 1 ? kWhite : kBlack) << "(" << x << ", " << y << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GeoClockPhaseTest,
                         testing::Values(Size{"Xga", 1024, 768}, Size{"Wide", 1366, 768}, Size{"Odd", 1365, 767},
                                         Size{"Preview", 121, 97}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- GeoPumpEffect ----

class TicksAt {
public:
  explicit TicksAt(std::int32_t now) { fw::SetTicksSource([now] { return now; }); }
  ~TicksAt() { fw::SetTicksSource(nullptr); }
};

TEST(GeoPumpEffect, SetUpLeavesTheFirstPhaseDueAndDrawsNothing) {
  const TicksAt ticks(5000);
  for (const Size& s : {Size{"Xga", 1024, 768}, Size{"Preview", 121, 97}}) {
    SCOPED_TRACE(s.name);
    CanvasFixture fixture(s.w, s.h);
    fixture.canvas->LastColor = 1;
    const QImage shown = fixture.Render("GeoPumpEffect");
    cPatternCanvas& canvas = *fixture.canvas;
    EXPECT_EQ(canvas.LastColor, 0);
    EXPECT_EQ(canvas.time, 4999);
    EXPECT_EQ(canvas.PenSizeFat, s.w < 150 ? 1 : 5);
    EXPECT_EQ(canvas.g->PenWidth(), canvas.PenSizeFat);
    EXPECT_EQ(canvas.g->PenHeight(), canvas.PenSizeFat);
    // The fresh picture is white; only the preview's frame lies on it.
    Expected want(s.w, s.h, kWhite);
    if (s.w < 150) want.PreviewFrame();
    EXPECT_TRUE(SamePixels(shown, want));
  }
}

// ---- GeoTracing, GeoInvTracing ----

// Sprite pictures of known sizes and colours in an asset folder of the test's own, and a
// short silent bounce sound.
constexpr QSize kBig{40, 30}, kSmall{8, 6};
constexpr std::uint32_t kBigColor = 0xFF0000, kBigInverseColor = 0x00FF00, kSmallColor = 0x0000FF,
                        kSmallInverseColor = 0xFFFF00;

class TracingTest : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QDir(folder.path()).mkpath("pictures");
    QDir(folder.path()).mkpath("sounds");
    WritePicture(172, kBig, kBigColor);
    WritePicture(173, kBig, kBigInverseColor);
    WritePicture(171, kSmall, kSmallColor);
    WritePicture(174, kSmall, kSmallInverseColor);
    WriteSound(168);
    UseFolder(folder.path().toStdString() + "/");
  }
  void TearDown() override {
    fw::SetRndSource(nullptr);
    UseFolder(":/");
  }
  static void UseFolder(const std::string& path) {
    ReleaseAssets();
    SetAssetFolder(path);
  }
  void WritePicture(int id, QSize size, std::uint32_t color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(0xFF000000u | color);
    ASSERT_TRUE(image.save(folder.filePath(QString("pictures/%1.png").arg(id))));
  }
  void WriteSound(int id) {
    QFile file(folder.filePath(QString("sounds/%1.wav").arg(id)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // RIFF/WAVE, PCM mono 8 kHz 8-bit, four samples of silence.
    const char wav[] = "RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0"
                       "data\x04\0\0\0\x80\x80\x80\x80";
    file.write(wav, sizeof wav - 1);
  }
  QTemporaryDir folder;
};

struct TracingCase {
  const char* name;
  const char* kind;
  int w, h;
  std::uint32_t field, spriteColor;
  int step;
  QSize sprite;
};

class TracingSetUpTest : public TracingTest, public testing::WithParamInterface<TracingCase> {};

TEST_P(TracingSetUpTest, SpriteOnItsFieldWithItsStep) {
  const TracingCase& e = GetParam();
  std::vector<double> draws = {0.25, 0.75};  // x takes the first draw
  fw::SetRndSource([&] {
    const double r = draws.front();
    draws.erase(draws.begin());
    return r;
  });
  if (const auto rums = Rums()) rums->Volume(100);
  CanvasFixture fixture(e.w, e.h);
  const QImage shown = fixture.Render(e.kind);
  const cPatternCanvas& canvas = *fixture.canvas;

  ASSERT_TRUE(canvas.MovingSprite);
  ASSERT_TRUE(canvas.MovingSprite->Attached());
  ASSERT_TRUE(canvas.MovingSprite->Image());
  EXPECT_EQ(canvas.MovingSprite->Image()->Width(), e.sprite.width());
  EXPECT_EQ(canvas.SpriteDX, e.step);
  EXPECT_EQ(canvas.SpriteDY, e.step);
  const int x = static_cast<int>(5 + 0.25 * (e.w - e.sprite.width() - 10));
  const int y = static_cast<int>(5 + 0.75 * (e.h - e.sprite.height() - 10));
  EXPECT_EQ(canvas.MovingSprite->X(), x);
  EXPECT_EQ(canvas.MovingSprite->Y(), y);
  ASSERT_TRUE(Rums());
  EXPECT_EQ(Rums()->Volume(), 50);

  EXPECT_EQ(Rgb(shown, x, y), e.spriteColor);
  EXPECT_EQ(Rgb(shown, x + e.sprite.width() - 1, y + e.sprite.height() - 1), e.spriteColor);
  EXPECT_EQ(Rgb(shown, x - 1, y), e.field);
  EXPECT_EQ(Rgb(shown, x + e.sprite.width(), y + e.sprite.height()), e.field);
  EXPECT_EQ(Rgb(shown, 2, 2), e.field);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TracingSetUpTest,
    testing::Values(TracingCase{"Tracing", "GeoTracing", 1024, 768, kWhite, kBigColor, 6,
                                kBig},
                    TracingCase{"InvTracing", "GeoInvTracing", 1366, 768, kBlack, kBigInverseColor, 6,
                                kBig},
                    TracingCase{"PreviewTracing", "GeoTracing", 121, 97, kWhite, kSmallColor, 1,
                                kSmall},
                    TracingCase{"PreviewInvTracing", "GeoInvTracing", 121, 97, kBlack,
                                kSmallInverseColor, 1, kSmall}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TracingTest, StartsAtLeastFivePixelsFromEveryEdge) {
  std::mt19937 engine(8);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  std::vector<double> draws = {0.0, 0.0, 0.9999999, 0.9999999};
  fw::SetRndSource([&] {
    if (draws.empty()) return uniform(engine);
    const double r = draws.front();
    draws.erase(draws.begin());
    return r;
  });
  for (const Size& s : {Size{"Xga", 1024, 768}, Size{"Preview", 121, 97}}) {
    SCOPED_TRACE(s.name);
    CanvasFixture fixture(s.w, s.h);
    const QSize sprite = s.w < 150 ? kSmall : kBig;
    for (int i = 0; i < 50; ++i) {
      fixture.Render(i % 2 ? "GeoTracing" : "GeoInvTracing");
      const fw::Sprite& moving = *fixture.canvas->MovingSprite;
      ASSERT_GE(moving.X(), 5);
      ASSERT_GE(moving.Y(), 5);
      ASSERT_LE(moving.X(), s.w - sprite.width() - 5);
      ASSERT_LE(moving.Y(), s.h - sprite.height() - 5);
      // Each Make places a new sprite; the one before has left the surface.
      ASSERT_EQ(fixture.canvas->Sprites().size(), 1u);
    }
  }
}

TEST_F(TracingTest, MissingSpritePictureLeavesTheBareField) {
  UseFolder(folder.filePath("nothing-here/").toStdString());
  for (const TracingCase& e : {TracingCase{"Tracing", "GeoTracing", 1024, 768, kWhite, 0, 6, {}},
                               TracingCase{"InvTracing", "GeoInvTracing", 1024, 768, kBlack, 0, 6, {}},
                               TracingCase{"Preview", "GeoInvTracing", 121, 97, kBlack, 0, 1, {}}}) {
    SCOPED_TRACE(e.name);
    CanvasFixture fixture(e.w, e.h);
    const QImage shown = fixture.Render(e.kind);
    Expected want(e.w, e.h, e.field);
    if (e.w < 150) want.PreviewFrame();
    EXPECT_TRUE(SamePixels(shown, want));
    EXPECT_TRUE(fixture.canvas->Sprites().empty());
    // The next pattern goes on as usual.
    fixture.canvas->Update();
    EXPECT_EQ(fixture.Render("GeoGeometry").size(), QSize(e.w, e.h));
  }
}

// ---- Pictures too low for a grid ----

class LowPictureTest : public testing::TestWithParam<std::tuple<std::string, Size>> {};

TEST_P(LowPictureTest, Finishes) {
  const auto& [kind, s] = GetParam();
  CanvasFixture fixture(s.w, s.h);
  const QImage shown = fixture.Render(kind);
  EXPECT_EQ(shown.size(), QSize(s.w, s.h));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LowPictureTest,
    testing::Combine(testing::Values("GeoGeometry", "GeoMargins", "GeoConvergency", "GeoResolution1", "GeoResolution2",
                                     "GeoPumpEffect", "GeoClockPhase", "GeoTracing", "GeoInvTracing"),
                     // u = 0 below 16 pixels; u = 1 up to 31, where a half-unit step truncates to nothing.
                     testing::Values(Size{"U0", 200, 15}, Size{"OneRow", 160, 1}, Size{"U1", 200, 20},
                                     Size{"PreviewU0", 121, 15})),
    [](const auto& info) { return std::get<0>(info.param) + std::get<1>(info.param).name; });

TEST(GeoConvergency, WithoutAHalfUnitStepDrawsTheOneCrossAtTheOrigin) {
  CanvasFixture fixture(200, 20);  // u = 1
  Expected want(200, 20, kWhite);
  want.g().ForeColor(kBlack);
  want.g().DrawLine(-5, 0, 5, 0);
  want.g().DrawLine(0, -5, 0, 5);
  EXPECT_TRUE(SamePixels(fixture.Render("GeoConvergency"), want));
}

TEST(GeoGeometry, WithoutAGridStillDrawsTheCircles) {
  CanvasFixture fixture(200, 15);  // u = 0, so xo = Int(-200 / 2) and yo = Int(-15 / 2)
  Expected want(200, 15, kBlack);
  want.g().ForeColor(kWhite);
  want.g().DrawOval(100, 7, 1, 1);
  want.g().DrawOval(92, 0, 16, 16);
  want.g().DrawOval(100, 7, 1, 1);  // the corner circles shrink to points near the centre
  want.g().DrawOval(100, 8, 1, 1);
  EXPECT_TRUE(SamePixels(fixture.Render("GeoGeometry"), want));
}

}  // namespace
