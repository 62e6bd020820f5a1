#include "pattern_renderer.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "app/Globals.h"
#include "app/StartUp.h"
#include "control/wMain.h"
#include "framework/application.h"
#include "framework/clock.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"
#include "framework/msgbox.h"
#include "framework/screens.h"
#include "framework/strings.h"
#include "framework/timer.h"

namespace {
int startArgc = 1;
char startName[] = "quarvel-render";
char* startArgv[] = {startName, nullptr};
}  // namespace

void StartHeadless(int& argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  fw::Initialize(argc, argv);
}

PatternRenderer::PatternRenderer(std::int32_t width, std::int32_t height, std::int32_t depth) {
  // The only message box a rendering can raise is the one for a picture that cannot be made;
  // Render reports that as a null image.
  fw::SetMsgBoxHandler([](const std::string&) {});
  if (const char* config = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = config;
  if (config_.isValid()) setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
  fw::SetScreensForTesting(std::vector<fw::ScreenInfo>{{0, 0, width, height, depth, 1.0}});
  StartUp(startArgc, startArgv);
  // The preview moves only by the frames asked for, not by the main window's own timer.
  wMain().Find<fw::Timer>("tiRefresh")->Mode(0);

  window_ = std::make_unique<fw::Window>();
  canvas_ = fw::New<cPatternCanvas>();
  canvas_->Name = "cvPattern";
  canvas_->SetBounds(0, 0, width, height);
  window_->AddControl(canvas_);
}

PatternRenderer::~PatternRenderer() {
  // The canvas goes before its window, whose widget holds the canvas's widget.
  canvas_ = nullptr;
  window_.reset();
  ReleaseProgramObjects();
  fw::SetScreensForTesting(std::nullopt);
  fw::SetTicksSource({});
  fw::SetRndSource({});
  fw::SetMsgBoxHandler({});
  if (oldConfig_) setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1);
  else unsetenv("XDG_CONFIG_HOME");
}

std::string PatternRenderer::SetOptions(const RenderArgs& args) {
  class wMain& main = wMain();
  main.Find<fw::CheckBox>("cbShowHelp")->Value(args.showHelp);
  main.Find<fw::CheckBox>("cbSound")->Value(false);
  main.Find<fw::PopupMenu>("pmOverscan")->ListIndex(args.overscanPixels ? 1 : 0);
  if (!args.fontSize) return "";
  const fw::Ref<fw::PopupMenu> sizes = main.Find<fw::PopupMenu>("pmFontSize");
  std::string rows;
  for (std::int32_t i = 0; i < sizes->ListCount(); ++i) {
    if (fw::Val(sizes->List(i)) == *args.fontSize) {
      sizes->ListIndex(i);
      return "";
    }
    rows += (i ? ", " : "") + fw::Str(static_cast<std::int32_t>(fw::Val(sizes->List(i))));
  }
  return "quarvel-render: --font-size " + std::to_string(*args.fontSize) + ": expected one of " + rows;
}

QImage PatternRenderer::Render(const std::string& kind, bool preview, std::int32_t frames,
                               std::optional<std::uint64_t> seed) {
  auto ticks = std::make_shared<std::int32_t>(0);
  fw::SetTicksSource([ticks] { return *ticks; });
  if (seed) {
    auto engine = std::make_shared<std::mt19937_64>(*seed);
    fw::SetRndSource([engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); });
  } else {
    fw::SetRndSource({});
  }

  Globals::PatternKind = kind;
  const fw::Ref<cPatternCanvas> canvas = preview ? wMain().Find<cPatternCanvas>("cvPattern") : canvas_;
  canvas->Make(preview ? Globals::ActiveScreen : 0, kind);
  for (std::int32_t i = 0; i < frames; ++i) {
    ++*ticks;
    canvas->Update();
  }
  const QImage shown = canvas->Composite();
  return shown.isNull() ? shown : shown.convertToFormat(QImage::Format_RGB888);
}

RenderResult RenderPattern(const RenderArgs& args) {
  PatternRenderer renderer(args.width, args.height, args.depth);
  if (std::string error = renderer.SetOptions(args); !error.empty()) return {QImage(), error};
  QImage image = renderer.Render(args.kind, args.preview, args.frames, args.seed);
  if (image.isNull())
    return {image, "quarvel-render: could not make a " + std::to_string(args.width) + " x " +
                       std::to_string(args.height) + " picture (not enough memory)"};
  return {image, ""};
}
