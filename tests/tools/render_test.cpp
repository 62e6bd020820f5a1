// quarvel-render: its command line, each option as it shows in the picture, and the program
// itself (status, message, PNG format).
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/strings.h"
#include "pattern_renderer.h"
#include "render_args.h"

namespace {

std::uint32_t At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

RenderArgs Args(const std::vector<std::string>& arguments) {
  const ParsedRenderArgs parsed = ParseRenderArgs(arguments);
  EXPECT_TRUE(parsed.args) << parsed.error;
  return parsed.args.value_or(RenderArgs{});
}

QImage Render(const std::vector<std::string>& arguments) {
  const RenderResult result = RenderPattern(Args(arguments));
  EXPECT_EQ(result.error, "");
  return result.image;
}

TEST(RenderArgs, ReadsEveryOptionInAnyOrder) {
  const RenderArgs a = Args({"GeoTracing", "1366x768", "out.png", "--frames", "5", "--preview", "--depth", "16",
                             "--font-size", "36", "--overscan", "pixels", "--show-help", "--seed", "7"});
  EXPECT_EQ(a.kind, "GeoTracing");
  EXPECT_EQ(a.width, 1366);
  EXPECT_EQ(a.height, 768);
  EXPECT_EQ(a.out, "out.png");
  EXPECT_TRUE(a.preview && a.showHelp && a.overscanPixels);
  EXPECT_EQ(a.depth, 16);
  EXPECT_EQ(a.fontSize, 36);
  EXPECT_EQ(a.frames, 5);
  EXPECT_EQ(a.seed, 7u);
  const RenderArgs plain = Args({"Anything", "1x1", "o.png"});
  EXPECT_FALSE(plain.preview || plain.showHelp || plain.overscanPixels || plain.fontSize || plain.seed);
  EXPECT_EQ(plain.frames, 0);
  EXPECT_EQ(plain.depth, 32);
}

TEST(RenderArgs, RefusesBadArgumentsWithOneLineNamingThem) {
  const struct {
    std::vector<std::string> arguments;
    std::string named;
  } cases[] = {
      {{}, "usage:"},
      {{"ColWhite", "1024x768"}, "usage:"},
      {{"ColWhite", "1024x768", "a.png", "extra"}, "usage:"},
      {{"ColWhite", "1024", "a.png"}, "size 1024"},
      {{"ColWhite", "0x768", "a.png"}, "size 0x768"},
      {{"ColWhite", "40000x768", "a.png"}, "size 40000x768"},
      {{"ColWhite", "1024x-768", "a.png"}, "size 1024x-768"},
      {{"ColWhite", "1024x768", "a.png", "--frames"}, "--frames needs a value"},
      {{"ColWhite", "1024x768", "a.png", "--frames", "-1"}, "--frames -1"},
      {{"ColWhite", "1024x768", "a.png", "--frames", "5x"}, "--frames 5x"},
      {{"ColWhite", "1024x768", "a.png", "--frames", "100001"}, "--frames 100001"},
      {{"ColWhite", "1024x768", "a.png", "--overscan", "inches"}, "--overscan inches"},
      {{"ColWhite", "1024x768", "a.png", "--depth", "12"}, "--depth 12"},
      {{"ColWhite", "1024x768", "a.png", "--seed", "seven"}, "--seed seven"},
      {{"ColWhite", "1024x768", "a.png", "--font-size", "0"}, "--font-size 0"},
      {{"ColWhite", "1024x768", "a.png", "--sound"}, "unknown option --sound"},
  };
  for (const auto& c : cases) {
    const ParsedRenderArgs parsed = ParseRenderArgs(c.arguments);
    EXPECT_FALSE(parsed.args) << c.named;
    EXPECT_NE(parsed.error.find(c.named), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
}

TEST(RenderOptions, PreviewIsTheMainWindowsFramedCanvas) {
  const QImage full = Render({"ColWhite", "1024x768", "a.png"});
  const QImage preview = Render({"ColWhite", "1024x768", "a.png", "--preview"});
  ASSERT_EQ(full.size(), QSize(1024, 768));
  ASSERT_EQ(preview.size(), QSize(121, 97));
  EXPECT_EQ(full.format(), QImage::Format_RGB888);
  EXPECT_EQ(At(full, 0, 0), 0xFFFFFFu);
  EXPECT_EQ(At(preview, 0, 0), 0x000000u);
  EXPECT_EQ(At(preview, 120, 96), 0x000000u);
  EXPECT_EQ(At(preview, 60, 48), 0xFFFFFFu);
  // A kind the program does not know draws nothing, but the preview still gets its frame.
  const QImage unknown = Render({"NoSuchKind", "1024x768", "a.png", "--preview"});
  EXPECT_EQ(At(unknown, 0, 0), 0x000000u);
}

TEST(RenderOptions, ShowHelpLaysTheTitleOverThePatternUntilItsTimeIsUp) {
  RenderArgs help = Args({"ColBlack", "1024x768", "a.png", "--show-help"});
  PatternRenderer renderer(help.width, help.height, help.depth);
  auto centre = [&](std::int32_t frames) { return At(renderer.Render("ColBlack", false, frames, {}), 512, 384); };
  renderer.SetOptions(Args({"ColBlack", "1024x768", "a.png"}));
  EXPECT_EQ(centre(0), 0x000000u);
  renderer.SetOptions(help);
  EXPECT_EQ(centre(0), 0xDCDCDCu);
  // The title stays 120 ticks a line, one tick a frame.
  EXPECT_EQ(centre(Globals::TitelDuration), 0xDCDCDCu);
  EXPECT_EQ(centre(Globals::TitelDuration + 1), 0x000000u);
}

TEST(RenderOptions, OverscanInPixelsLabelsEachSideOfAFrameDifferently) {
  // Frame 0's left label and its right label: "0%" both in percent, "0" and "1024" in pixels.
  const int W = 1024, H = 768;
  const fw::Ref<fw::Graphics> g = fw::NewPicture(1, 1, 32)->Graphics();
  g->TextSize(fw::Int(H / 30.0));
  const int th = g->TextHeight(), boxW = fw::Int(6 * W / 100.0);
  const double t = th * 100.0 / H;
  const QRect left(0, fw::Int(H - (11 + (t + 1)) * H / 100.0) + 1, boxW, th - 2);
  const QRect right(W - boxW, fw::Int(11 * H / 100.0) + 1, boxW, th - 2);
  const QImage percent = Render({"VideoOverscan", "1024x768", "a.png", "--overscan", "percent"});
  const QImage pixels = Render({"VideoOverscan", "1024x768", "a.png", "--overscan", "pixels"});
  EXPECT_EQ(percent.copy(left), percent.copy(right));
  EXPECT_NE(pixels.copy(left), pixels.copy(right));
}

// The ink height of the first line at its start ("Vestibulum" has no descender; the next line
// starts lower, with "eget").
int FirstLineHeight(const QImage& image) {
  auto inked = [&](int y) {
    for (int x = 0; x < 30; ++x)
      if (At(image, x, y) != 0xFFFFFFu) return true;
    return false;
  };
  int top = 0;
  while (top < image.height() && !inked(top)) ++top;
  int bottom = top;
  while (bottom < image.height() && inked(bottom)) ++bottom;
  return bottom - top;
}

TEST(RenderOptions, FontSizeSetsTheTextOfSharpnessTwo) {
  const int h8 = FirstLineHeight(Render({"GeoResolution2", "1024x768", "a.png", "--font-size", "8"}));
  const int h36 = FirstLineHeight(Render({"GeoResolution2", "1024x768", "a.png", "--font-size", "36"}));
  EXPECT_GT(h8, 3);
  EXPECT_GT(h36, 2 * h8);
  // A size that is no row of the main window's menu is refused, naming the rows.
  const RenderResult result = RenderPattern(Args({"GeoResolution2", "1024x768", "a.png", "--font-size", "15"}));
  EXPECT_TRUE(result.image.isNull());
  EXPECT_NE(result.error.find("8, 9, 10, 11, 12, 13, 14, 18, 24, 36"), std::string::npos) << result.error;
}

TEST(RenderOptions, FramesRunThePumpingEffectToItsOtherPhase) {
  // Phase 0 from the first frame: a black field in a white edge frame; frame 62 is the first
  // more than 60 ticks after it: a white field with a black frame 5 pixels in (768 / 150).
  const struct {
    const char* frames;
    std::uint32_t centre, inset;
  } cases[] = {{"1", 0x000000u, 0x000000u}, {"61", 0x000000u, 0x000000u}, {"62", 0xFFFFFFu, 0x000000u}};
  for (const auto& c : cases) {
    const QImage image = Render({"GeoPumpEffect", "1024x768", "a.png", "--frames", c.frames});
    EXPECT_EQ(At(image, 0, 0), 0xFFFFFFu) << c.frames;
    EXPECT_EQ(At(image, 512, 384), c.centre) << c.frames;
    EXPECT_EQ(At(image, 5, 384), c.inset) << c.frames;
  }
}

TEST(RenderOptions, OneSeedGivesOnePicture) {
  const std::vector<std::string> seven{"GeoTracing", "1024x768", "a.png", "--seed", "7", "--frames", "5"};
  const QImage first = Render(seven), again = Render(seven);
  EXPECT_EQ(first, again);
  EXPECT_NE(first, Render({"GeoTracing", "1024x768", "a.png", "--seed", "8", "--frames", "5"}));
}

struct ToolRun {
  int status;
  QString errors;
};

ToolRun RunTool(const QStringList& arguments) {
  QProcess tool;
  tool.start(QUARVEL_RENDER, arguments);
  EXPECT_TRUE(tool.waitForFinished(60000));
  return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, tool.readAllStandardError()};
}

TEST(RenderTool, WritesAnEightBitRgbPngOrSaysInOneLineWhatIsWrong) {
  QTemporaryDir dir;
  const QString out = dir.filePath("c.png");
  const ToolRun good = RunTool({"ColColorShades", "1024x768", out, "--preview"});
  EXPECT_EQ(good.status, 0) << good.errors.toStdString();
  QFile png(out);
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  const QByteArray header = png.read(26);
  ASSERT_EQ(header.size(), 26);
  EXPECT_TRUE(header.startsWith("\x89PNG"));
  EXPECT_EQ(header[24], 8);  // bits per sample
  EXPECT_EQ(header[25], 2);  // colour type: RGB, no alpha
  EXPECT_EQ(QImage(out).size(), QSize(121, 97));

  for (const QStringList& bad : {QStringList{"ColWhite", "1024x768"}, QStringList{"ColWhite", "1024x768", out, "--x"},
                                 QStringList{"ColWhite", "1024x768", out, "--font-size", "15"},
                                 QStringList{"ColWhite", "1024x768", dir.filePath("no/such/folder.png")}}) {
    const ToolRun run = RunTool(bad);
    EXPECT_NE(run.status, 0) << bad.join(' ').toStdString();
    EXPECT_EQ(run.errors.count('\n'), 1) << run.errors.toStdString();
  }
}

}  // namespace
