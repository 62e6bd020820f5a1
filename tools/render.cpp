// quarvel-render KIND WIDTHxHEIGHT OUT.png [--preview] [--depth N] [--font-size N]
//                [--overscan percent|pixels] [--show-help] [--frames N] [--seed N]
// Renders one pattern kind as the program does for a single screen of that size (or on the
// main window's preview with --preview) and writes what the surface shows as an 8-bit RGB
// PNG. Headless; the user's preferences are left alone.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/application.h"
#include "pattern_renderer.h"
#include "render_args.h"

int main(int argc, char** argv) {
  const ParsedRenderArgs parsed = ParseRenderArgs(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.args) {
    std::fprintf(stderr, "%s\n", parsed.error.c_str());
    return 2;
  }
  const RenderArgs& args = *parsed.args;
  StartHeadless(argc, argv);

  std::string error;
  {
    const RenderResult result = RenderPattern(args);
    error = result.error;
    if (error.empty() && !result.image.save(QString::fromLocal8Bit(args.out.c_str()), "PNG"))
      error = "quarvel-render: could not write " + args.out;
  }
  fw::Shutdown();
  if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
  fw::EndProcess(error.empty() ? 0 : 1);
}
