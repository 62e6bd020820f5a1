#pragma once
// The program started headless for one screen of a given size, with its preferences in a
// folder of its own (the user's are never read or written), so that patterns can be rendered
// as the program renders them: the options are set on the main window's own controls, the
// preview is the main window's canvas and a full-screen pattern is a canvas of the screen's
// size. Frames come from Update with the tick counter advanced by one tick per frame.
//
// One renderer at a time; fw::Initialize must have run.
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/ref.h"
#include "framework/window.h"
#include "patterns/cPatternCanvas.h"
#include "render_args.h"

// The tools' start: the framework on Qt's offscreen platform, whatever display there is, with
// Qt's own chatter (debug, info and warning lines) kept off stderr so that a failure is the
// tool's one line.
void StartHeadless(int& argc, char** argv);

class PatternRenderer {
public:
  PatternRenderer(std::int32_t width, std::int32_t height, std::int32_t depth);
  ~PatternRenderer();
  PatternRenderer(const PatternRenderer&) = delete;
  PatternRenderer& operator=(const PatternRenderer&) = delete;

  // Sets "Show help", the overscan unit and the text size (when given) on the main window's
  // controls, and turns the bounce sound off. Returns a one-line message for a text size that
  // is no row of the main window's menu, else "".
  std::string SetOptions(const RenderArgs& args);

  // Renders kind on the preview or the full-screen canvas, runs frames frames and returns what
  // the surface shows as 8-bit RGB; a null image when the picture could not be made. With a
  // seed the random numbers start the same way every time.
  QImage Render(const std::string& kind, bool preview, std::int32_t frames, std::optional<std::uint64_t> seed);

private:
  QTemporaryDir config_;
  std::optional<std::string> oldConfig_;  // put back when the renderer goes
  std::unique_ptr<fw::Window> window_;  // holds the full-screen canvas
  fw::Ref<cPatternCanvas> canvas_;
};

// The whole of one quarvel-render call but the writing: the program started for the size,
// the options set, the kind rendered. On failure the image is null and error says why.
struct RenderResult {
  QImage image;
  std::string error;
};
RenderResult RenderPattern(const RenderArgs& args);
