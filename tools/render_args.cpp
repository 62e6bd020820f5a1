#include "render_args.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>

namespace {

// A whole decimal number from lowest to highest, all of text and nothing else.
template <class T>
bool ParseNumber(const std::string& text, T lowest, T highest, T& value) {
  if (text.empty() || text.front() == '+' || text.front() == '-') return false;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && value >= lowest && value <= highest;
}

bool ParseDepth(const std::string& text, std::int32_t& depth) {
  static constexpr std::int32_t depths[] = {1, 4, 8, 16, 24, 32};
  return ParseNumber<std::int32_t>(text, 1, 32, depth) && std::ranges::find(depths, depth) != std::end(depths);
}

}  // namespace

bool ParseSize(const std::string& text, std::int32_t& width, std::int32_t& height) {
  const std::size_t x = text.find('x');
  return x != std::string::npos && ParseNumber<std::int32_t>(text.substr(0, x), 1, 32767, width) &&
         ParseNumber<std::int32_t>(text.substr(x + 1), 1, 32767, height);
}

ParsedRenderArgs ParseRenderArgs(const std::vector<std::string>& arguments) {
  RenderArgs args;
  auto fail = [](std::string message) { return ParsedRenderArgs{std::nullopt, "quarvel-render: " + message}; };

  // Options that take a value: how to read it, and what a wrong one is told.
  struct ValueOption {
    std::function<bool(const std::string&)> read;
    std::string expected;
  };
  const std::map<std::string, ValueOption> valueOptions = {
      {"--depth", {[&](const std::string& v) { return ParseDepth(v, args.depth); }, "1, 4, 8, 16, 24 or 32"}},
      {"--font-size",
       {[&](const std::string& v) {
          std::int32_t points = 0;
          if (!ParseNumber<std::int32_t>(v, 1, 1000, points)) return false;
          args.fontSize = points;
          return true;
        },
        "a size in points"}},
      {"--overscan",
       {[&](const std::string& v) {
          if (v != "percent" && v != "pixels") return false;
          args.overscanPixels = v == "pixels";
          return true;
        },
        "percent or pixels"}},
      {"--frames",
       {[&](const std::string& v) { return ParseNumber<std::int32_t>(v, 0, kMaxFrames, args.frames); },
        "a whole number from 0 to " + std::to_string(kMaxFrames)}},
      {"--seed",
       {[&](const std::string& v) {
          std::uint64_t seed = 0;
          if (!ParseNumber<std::uint64_t>(v, 0, UINT64_MAX, seed)) return false;
          args.seed = seed;
          return true;
        },
        "a whole number from 0 to " + std::to_string(UINT64_MAX)}},
  };

  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--preview") {
      args.preview = true;
    } else if (a == "--show-help") {
      args.showHelp = true;
    } else if (const auto option = valueOptions.find(a); option != valueOptions.end()) {
      if (i + 1 == arguments.size()) return fail(a + " needs a value: " + option->second.expected);
      const std::string& value = arguments[++i];
      if (!option->second.read(value)) return fail(a + " " + value + ": expected " + option->second.expected);
    } else if (a.size() > 1 && a.starts_with("-")) {
      return fail("unknown option " + a + "; " + kRenderUsage);
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 3) return {std::nullopt, kRenderUsage};
  args.kind = positional[0];
  if (!ParseSize(positional[1], args.width, args.height))
    return fail("size " + positional[1] + ": expected WIDTHxHEIGHT, each from 1 to 32767 pixels");
  args.out = positional[2];
  return {args, ""};
}
