#pragma once
// The command line of quarvel-render, read without Qt so that it can be tested on its own:
//   quarvel-render KIND WIDTHxHEIGHT OUT.png [--preview] [--depth N] [--font-size N]
//                  [--overscan percent|pixels] [--show-help] [--frames N] [--seed N]
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RenderArgs {
  std::string kind;  // any string: an unknown kind is drawn as the program draws it
  std::int32_t width = 0, height = 0;
  std::string out;
  bool preview = false;
  std::int32_t depth = 32;
  std::optional<std::int32_t> fontSize;  // a row of the main window's text sizes; checked there
  bool overscanPixels = false;
  bool showHelp = false;
  std::int32_t frames = 0;
  std::optional<std::uint64_t> seed;
};

inline constexpr const char* kRenderUsage =
    "usage: quarvel-render KIND WIDTHxHEIGHT OUT.png [--preview] [--depth N] [--font-size N] "
    "[--overscan percent|pixels] [--show-help] [--frames N] [--seed N]";

// A frame count beyond this would keep the tool busy for hours.
inline constexpr std::int32_t kMaxFrames = 100000;

struct ParsedRenderArgs {
  std::optional<RenderArgs> args;
  std::string error;  // one line, when args is empty
};

// The arguments after the program's name.
ParsedRenderArgs ParseRenderArgs(const std::vector<std::string>& arguments);

// "WIDTHxHEIGHT", each side from 1 to 32767 pixels; false for anything else.
bool ParseSize(const std::string& text, std::int32_t& width, std::int32_t& height);
