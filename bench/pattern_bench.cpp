// What a pattern costs, each figure beside its baselines in the same run: the memset floor
// and a full FillRect of the same picture; Make of every kind (first after a size change and
// repeated, help off and on); the help title made anew; the animation frames; a step of a run
// to the window's backing store.
// bench/ratios.py turns the JSON output into the table of bench/README.md.
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPaintEvent>
#include <QWidget>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/Globals.h"
#include "framework/application.h"
#include "framework/clock.h"
#include "framework/msgbox.h"
#include "framework/picture.h"
#include "framework/screens.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "patterns/MainWindowOptions.h"
#include "patterns/cPatternCanvas.h"
#include "patterns/wPattern.h"

namespace {

constexpr const char* kKinds[] = {
    "ColWhite",       "ColBlack",       "ColRed",         "ColGreen",         "ColBlue",
    "ColGrayShades",  "ColColorShades", "GeoGeometry",    "GeoMargins",       "GeoConvergency",
    "GeoResolution1", "GeoResolution2", "GeoPumpEffect",  "GeoClockPhase",    "GeoTracing",
    "GeoInvTracing",  "MatchWhite",     "MatchGray25",    "MatchGray50",      "MatchGray75",
    "MatchBlack",     "MatchGrayGraduations", "MatchRedGraduations", "MatchGreenGraduations",
    "MatchBlueGraduations", "VideoSmpteColAnalog", "VideoSmpteColDigital", "VideoOverscan"};

struct Size {
  int width, height;
};
constexpr Size kSizes[] = {{1920, 1080}, {3840, 2160}};

std::string SizeName(Size s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

// A benchmark's name: its parts joined by '/'. Built by appending, since GCC 12 at -O3 takes
// "literal" + std::string for an overlapping copy (a false -Wrestrict).
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string name;
  for (const std::string_view part : parts) {
    if (!name.empty()) name += '/';
    name += part;
  }
  return name;
}

// A full-screen canvas on a window of its own, for a screen of the given size.
struct Canvas {
  explicit Canvas(Size s) : window(std::make_unique<fw::Window>()) {
    Screen(s);
    canvas = fw::New<cPatternCanvas>();
    canvas->SetBounds(0, 0, s.width, s.height);
    window->AddControl(canvas);
  }
  ~Canvas() {
    canvas = nullptr;
    window.reset();
    fw::SetScreensForTesting(std::nullopt);
  }
  static void Screen(Size s) { fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, s.width, s.height, 32, 1.0}}); }

  std::unique_ptr<fw::Window> window;
  fw::Ref<cPatternCanvas> canvas;
};

// ---- Baselines ---------------------------------------------------------------------------

void Memset(benchmark::State& state, Size s) {
  QImage image(s.width, s.height, QImage::Format_RGB32);
  image.fill(0);
  for (auto _ : state) {
    std::memset(image.bits(), 0x5A, static_cast<std::size_t>(image.sizeInBytes()));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}

// Seconds that work takes on the steady clock. A Make and the FillRect beside it are timed
// alike, so that neither carries the benchmark's own pause and resume.
template <class Work>
double Timed(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A colour whose four bytes differ, so that no byte-wise shortcut applies. After each fill a
// memset of the same bytes is timed apart (the counter Memset_ms): the floor, beside it.
void FillRect(benchmark::State& state, Size s) {
  const fw::Ref<fw::Picture> picture = fw::NewPicture(s.width, s.height, 32);
  fw::Graphics& g = *picture->Graphics();
  g.ForeColor(0x336699);
  double floor = 0;
  for (auto _ : state) {
    state.SetIterationTime(Timed([&] {
      g.FillRect(0, 0, s.width, s.height);
      picture->Image();  // the fill may wait until the pixels are asked for
      benchmark::ClobberMemory();
    }));
    QImage& image = picture->Image();
    floor += Timed([&] {
      std::memset(image.bits(), 0x5A, static_cast<std::size_t>(image.sizeInBytes()));
      benchmark::ClobberMemory();
    });
  }
  state.counters["Memset_ms"] = benchmark::Counter(floor * 1000, benchmark::Counter::kAvgIterations);
  state.SetBytesProcessed(state.iterations() * picture->Image().sizeInBytes());
}

// ---- Make --------------------------------------------------------------------------------

// Each Make is followed, untimed, by a full FillRect of the same picture in a colour of four
// unlike bytes, timed apart: the baseline of its ratio, measured beside it and in the same
// memory. Make draws every pixel again anyway.
class Baseline {
public:
  void Fill(cPatternCanvas& canvas) {
    fw::Graphics& g = *canvas.Backdrop()->Graphics();
    g.ForeColor(0x336699);
    seconds_ += Timed([&] {
      g.FillRect(0, 0, g.Width(), g.Height());
      canvas.Backdrop()->Image();  // nothing held back
    });
  }
  void Report(benchmark::State& state, std::int64_t picturesBefore) const {
    state.counters["FillRect_ms"] = benchmark::Counter(seconds_ * 1000, benchmark::Counter::kAvgIterations);
    state.counters["pictures"] = benchmark::Counter(static_cast<double>(fw::PicturesMade() - picturesBefore),
                                                    benchmark::Counter::kAvgIterations);
  }

private:
  double seconds_ = 0;
};

// The same kind again on the same screen, as a refreshed pattern window makes it.
void MakeRepeated(benchmark::State& state, Size s, std::string kind, bool help) {
  SetOptionsForTesting(OptionsForTesting{help});
  Canvas c(s);
  c.canvas->Make(0, kind);
  Baseline baseline;
  const std::int64_t before = fw::PicturesMade();
  for (auto _ : state) {
    state.SetIterationTime(Timed([&] {
      c.canvas->Make(0, kind);
      c.canvas->Backdrop()->Image();  // what Make held back is drawn before anyone sees it
    }));
    baseline.Fill(*c.canvas);
  }
  baseline.Report(state, before);
  SetOptionsForTesting(std::nullopt);
}

// The first Make after the screen changed its size: a new picture, fresh from the allocator.
void MakeAfterSizeChange(benchmark::State& state, Size s, std::string kind, bool help) {
  SetOptionsForTesting(OptionsForTesting{help});
  Canvas c(s);
  const Size other{s.width / 2, s.height / 2};
  Baseline baseline;
  const std::int64_t before = fw::PicturesMade();
  for (auto _ : state) {
    Canvas::Screen(other);
    c.canvas->Make(0, kind);
    c.canvas->Backdrop()->Image();
    Canvas::Screen(s);
    state.SetIterationTime(Timed([&] {
      c.canvas->Make(0, kind);
      c.canvas->Backdrop()->Image();
    }));
    baseline.Fill(*c.canvas);
  }
  baseline.Report(state, before);
  SetOptionsForTesting(std::nullopt);
}

// The help title of a kind made anew, the one before being another kind's, as at each step of a
// run with "Show help" on: its lines laid out, measured and drawn at the screen's title size.
void Titel(benchmark::State& state, Size s, std::string kind) {
  Canvas c(s);
  const std::string before = kind == "ColBlack" ? "ColWhite" : "ColBlack";
  for (auto _ : state) {
    state.PauseTiming();
    c.canvas->MakeTitel(0, before);
    state.ResumeTiming();
    c.canvas->MakeTitel(0, kind);
  }
}

// ---- Frames and steps on a shown window ---------------------------------------------------

// Watches the canvas's paints: a step is over when the canvas has painted the whole of itself
// showing the kind asked for (its pixels are then in the window's backing store).
class PaintWatch : public QObject {
public:
  explicit PaintWatch(cPatternCanvas& canvas) : canvas_(canvas) {}
  void Expect(const std::string& kind) {
    kind_ = kind;
    seen_ = false;
  }
  bool Seen() const { return seen_; }

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && canvas_.Kind == kind_)
      seen_ = seen_ || static_cast<QPaintEvent*>(event)->rect().contains(canvas_.Widget()->rect());
    return false;
  }

private:
  cPatternCanvas& canvas_;
  std::string kind_;
  bool seen_ = false;
};

// The pattern window of a run on the first screen, shown full screen. Its steps are measured
// only where the window really covers that screen, in physical pixels, and its picture has the
// screen's size: else the rows would name a screen the step never drew.
struct Run {
  Run() : window(&wPattern()), canvas(window->Find<cPatternCanvas>("cvPattern")), watch(*canvas) {
    window->FullScreen(true);
    window->Show();
    canvas->Widget()->installEventFilter(&watch);
    const fw::ScreenInfo screen = fw::Screen(0);
    const auto covers = [&] {
      const double dpr = canvas->Widget()->devicePixelRatioF();
      return std::lround(canvas->Widget()->width() * dpr) == screen.Width &&
             std::lround(canvas->Widget()->height() * dpr) == screen.Height;
    };
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!covers() && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents();
    fits = covers() && Step("ColWhite") && canvas->Backdrop()->Width() == screen.Width &&
           canvas->Backdrop()->Height() == screen.Height;
  }
  // False when no paint of the kind came within a few seconds.
  bool Step(const std::string& kind) {
    Globals::PatternKind = kind;
    watch.Expect(kind);
    window->Refresh();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!watch.Seen() && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents();
    // No frame of the animation runs between measurements.
    window->Find<fw::Timer>("tiRefresh")->Mode(0);
    return watch.Seen();
  }

  class wPattern* window;
  fw::Ref<cPatternCanvas> canvas;
  PaintWatch watch;
  bool fits = false;
};

Run& TheRun() {
  static Run run;
  return run;
}

// Make plus the repaint of the whole full-screen window until its pixels are in the window's
// backing store (not yet on the screen), coming from another kind as a run does, so that the
// help title is new at every step.
void RunStep(benchmark::State& state, std::string kind, bool help) {
  SetOptionsForTesting(OptionsForTesting{help});
  Run& run = TheRun();
  if (!run.fits) state.SkipWithError("the pattern window does not cover the screen named in the row");
  const std::string before = kind == "ColBlack" ? "ColWhite" : "ColBlack";
  for (auto _ : state) {
    state.PauseTiming();
    const bool from = run.Step(before);
    state.ResumeTiming();
    if (!run.Step(kind) || !from) {
      state.SkipWithError("no paint of the kind came");
      break;
    }
  }
  SetOptionsForTesting(std::nullopt);
}

// Lets the window's first paint of the whole picture pass before the frames are measured.
void Settle(cPatternCanvas& canvas) {
  for (int i = 0; i < 10; ++i) {
    canvas.Update();
    QCoreApplication::processEvents();
  }
}

// Animation frames on a shown canvas, each with the repaint it causes: a frame of the tracing
// pattern (the sprite's two rectangles) or a toggle of the pumping effect (the whole picture,
// forced at every frame).
void Frames(benchmark::State& state, Size s, std::string kind) {
  SetOptionsForTesting(OptionsForTesting{false});
  Canvas c(s);
  c.window->Widget()->resize(s.width, s.height);
  c.window->Show();
  c.canvas->Make(0, kind);
  Settle(*c.canvas);
  const bool pump = kind == "GeoPumpEffect";
  for (auto _ : state) {
    if (pump) c.canvas->time = fw::Ticks() - 1;
    c.canvas->Update();
    QCoreApplication::processEvents();
  }
  SetOptionsForTesting(std::nullopt);
}

void RegisterAll() {
  for (const Size s : kSizes) {
    benchmark::RegisterBenchmark(Joined({"Memset", SizeName(s)}).c_str(), Memset, s);
    benchmark::RegisterBenchmark(Joined({"FillRect", SizeName(s)}).c_str(), FillRect, s)->UseManualTime();
  }
  for (const Size s : kSizes) {
    for (const bool help : {false, true}) {
      const std::string size = SizeName(s);
      const char* helpName = help ? "help" : "nohelp";
      for (const char* kind : kKinds) {
        benchmark::RegisterBenchmark(Joined({"Make", kind, size, helpName, "repeated"}).c_str(), MakeRepeated, s,
                                     kind, help)
            ->UseManualTime();
        benchmark::RegisterBenchmark(Joined({"Make", kind, size, helpName, "sizechange"}).c_str(),
                                     MakeAfterSizeChange, s, kind, help)
            ->UseManualTime();
      }
    }
  }
  // Two, four and five lines of the title's text.
  for (const char* kind : {"ColWhite", "MatchWhite", "GeoConvergency"})
    benchmark::RegisterBenchmark(Joined({"Titel", kind, "3840x2160"}).c_str(), Titel, Size{3840, 2160}, kind);
  for (const Size s : {Size{1024, 768}, Size{3840, 2160}}) {
    benchmark::RegisterBenchmark(Joined({"TracingFrame", SizeName(s)}).c_str(), Frames, s, "GeoTracing");
    benchmark::RegisterBenchmark(Joined({"PumpToggle", SizeName(s)}).c_str(), Frames, s, "GeoPumpEffect");
  }
  const fw::ScreenInfo screen = fw::Screen(0);
  const std::string runScreen = SizeName({screen.Width, screen.Height});
  for (const bool help : {false, true}) {
    for (const char* kind : kKinds) {
      benchmark::RegisterBenchmark(
          Joined({"RunStep", kind, runScreen, help ? "help" : "nohelp", "to_backing_store"}).c_str(), RunStep,
          kind, help);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // One 4K screen on the offscreen platform, for the run's full-screen window.
  char config[] = "/tmp/quarvel-bench-screens-XXXXXX";
  const int fd = mkstemp(config);
  if (fd < 0) return 1;
  const std::string screens =
      R"({"screens": [{"name": "A", "x": 0, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96,)"
      R"( "logicalBaseDpi": 96, "dpr": 1}]})";
  if (write(fd, screens.data(), screens.size()) != static_cast<ssize_t>(screens.size())) return 1;
  close(fd);
  // The offscreen platform without a screen list of its own (as the tests ask for it) gets
  // this one; another platform keeps its own screens, and the run's rows name what they are.
  const char* asked = std::getenv("QT_QPA_PLATFORM");
  const std::string platform = std::string("offscreen:configfile=") + config;
  if (!asked || std::string_view(asked) == "offscreen") setenv("QT_QPA_PLATFORM", platform.c_str(), 1);

  fw::Initialize(argc, argv);
  QApplication::setFont(QFont("DejaVu Sans"));
  fw::SetMsgBoxHandler([](const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
  benchmark::Initialize(&argc, argv);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(config);
  fw::ReleaseWindows();
  const int status = fw::Shutdown();
  std::fflush(nullptr);
  std::_Exit(status);
}
