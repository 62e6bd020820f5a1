// The cost of the drawing verbs at the sizes the patterns use.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "framework/graphics.h"
#include "framework/picture.h"

namespace {

fw::Ref<fw::Graphics> Canvas(int width, int height) { return fw::NewPicture(width, height, 32)->Graphics(); }

void NewPictureUhd(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fw::NewPicture(3840, 2160, 32));
}
BENCHMARK(NewPictureUhd)->Unit(benchmark::kMillisecond);

void FillRectUhd(benchmark::State& state) {
  auto picture = fw::NewPicture(3840, 2160, 32);
  auto g = picture->Graphics();
  for (auto _ : state) {
    g->FillRect(0, 0, 3840, 2160);
    picture->Image();  // a fill of the whole picture waits until the pixels are asked for
  }
}
BENCHMARK(FillRectUhd)->Unit(benchmark::kMillisecond);

// The pumping effect's frame: a thick outline around the whole picture.
void DrawRectUhdThickPen(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  g->PenWidth(14);
  g->PenHeight(14);
  for (auto _ : state) g->DrawRect(0, 0, 3840, 2160);
}
BENCHMARK(DrawRectUhdThickPen)->Unit(benchmark::kMicrosecond);

// The clock/phase pattern: every other row and column of the picture.
void ClockPhaseGridUhd(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  for (auto _ : state) {
    for (int x = 0; x <= 3840; x += 2) g->DrawLine(x, 0, x, 2160);
    for (int y = 0; y <= 2160; y += 2) g->DrawLine(0, y, 3840, y);
  }
}
BENCHMARK(ClockPhaseGridUhd)->Unit(benchmark::kMillisecond);

void DiagonalLineUhd(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  for (auto _ : state) g->DrawLine(0, 0, 3839, 2159);
}
BENCHMARK(DiagonalLineUhd)->Unit(benchmark::kMicrosecond);

void LineFromFarAway(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  for (auto _ : state) g->DrawLine(-2000000000, -1000000000, 2000000000, 1000000007);
}
BENCHMARK(LineFromFarAway)->Unit(benchmark::kMicrosecond);

void DrawOvalPictureHigh(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  for (auto _ : state) g->DrawOval(840, 0, 2161, 2161);
}
BENCHMARK(DrawOvalPictureHigh)->Unit(benchmark::kMicrosecond);

void FillRoundRectLabel(benchmark::State& state) {
  auto g = Canvas(1024, 768);
  for (auto _ : state) g->FillRoundRect(494, 300, 34, 12, 5, 5);
}
BENCHMARK(FillRoundRectLabel)->Unit(benchmark::kMicrosecond);

// One line of the sharpness text, running off the right edge.
void TextLine1024(benchmark::State& state) {
  auto g = Canvas(1024, 768);
  g->TextSize(12);
  const std::string line =
      "Vestibulum eget purus vitae eros ornare adipiscing. Vivamus nec quam. Integer vestibulum malesuada libero. "
      "Sed vehicula fermentum leo. In condimen tum. Nullam wisi arcu, suscipit consectetuer.";
  for (auto _ : state) g->DrawString(line, state.range(0), 100);
}
// Starting at the left edge, and ten pixels before the right edge (almost all of it unseen).
BENCHMARK(TextLine1024)->Arg(0)->Arg(1014)->Unit(benchmark::kMicrosecond);

void StringWidth(benchmark::State& state) {
  auto g = Canvas(1024, 768);
  g->TextSize(34);
  for (auto _ : state) benchmark::DoNotOptimize(g->StringWidth("Check the sharpness of the picture"));
}
BENCHMARK(StringWidth)->Unit(benchmark::kMicrosecond);

void DrawPictureSprite(benchmark::State& state) {
  auto g = Canvas(3840, 2160);
  auto sprite = fw::NewPicture(64, 64, 32);
  sprite->Transparent(1);
  for (auto _ : state) g->DrawPicture(sprite, 1000, 1000);
}
BENCHMARK(DrawPictureSprite)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // text needs the font database
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
