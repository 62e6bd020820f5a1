// What a user waits for at each step of a run: from the key press (or the click on "Test") to
// the new pattern on the X screen. Drives a running program through XTest and reads rows of the
// screen back (GetImage); started by tools/step-latency.sh, which puts the program on a private X
// server with a window manager and tells this program where the main window is.
//
//   screen_step --pid PID --left X --content-top Y --label NAME [--runs N] [--raw FILE]
//
// Every run goes through the four groups with "Perform all tests" on (the preferences say so):
// a click on the group's toolbar button, a click on "Test", the stepping key until the group's
// last kind has passed. The first run shows each kind for the first time; the later runs are
// warm. The program's resident memory is read at the start and after every run.
//
// A step has arrived when the sampled rows have changed from what was shown before the press
// and then stay as they are for a while (kSettleMs); the time is that of the first poll that saw
// them so. A poll takes a fraction of a millisecond and leaves a gap after it, so the figures
// are late by about half a poll, in every build alike.
// Rows spread over the whole height catch a copy to the screen that is still under way. A
// difference of a few hundred sampled pixels is taken for animation (the tracing sprite moving,
// the preview in the main window), not for a new pattern.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}
void SleepMs(double ms) { std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(ms * 1000))); }

// The groups in the main window's order, each with the middle of its toolbar button (from the
// main window's left edge) and its kinds in stepping order.
struct Group {
  const char* name;
  int toolbarX;
  std::vector<std::string> kinds;
};
const std::vector<Group> kGroups = {
    {"Colors", 30, {"ColWhite", "ColBlack", "ColRed", "ColGreen", "ColBlue", "ColGrayShades", "ColColorShades"}},
    {"Geometry",
     97,
     {"GeoGeometry", "GeoMargins", "GeoConvergency", "GeoResolution1", "GeoResolution2", "GeoPumpEffect",
      "GeoClockPhase", "GeoTracing", "GeoInvTracing"}},
    {"Matching",
     172,
     {"MatchWhite", "MatchGray25", "MatchGray50", "MatchGray75", "MatchBlack", "MatchGrayGraduations",
      "MatchRedGraduations", "MatchGreenGraduations", "MatchBlueGraduations"}},
    {"Video", 234, {"VideoSmpteColAnalog", "VideoSmpteColDigital", "VideoOverscan"}},
};
// The toolbar's buttons stand this far above the content area; "Test" at this place in it.
constexpr int kToolbarAboveContent = 26;
constexpr int kTestX = 320, kTestY = 328;

constexpr int kRows = 24;               // sampled rows, spread over the screen's height
constexpr double kSettleMs = 25;        // unchanged this long: arrived
constexpr double kPollGapMs = 0.5;      // leaves the server to the program between polls
constexpr double kTimeoutMs = 5000;
constexpr double kStepPauseMs = 120;    // between the arrival of one step and the next press

class ScreenReader {
public:
  explicit ScreenReader(Display* d) : d_(d) {
    width_ = DisplayWidth(d, DefaultScreen(d));
    height_ = DisplayHeight(d, DefaultScreen(d));
    for (int i = 0; i < kRows; ++i) ys_.push_back((2 * i + 1) * height_ / (2 * kRows));
    // The samples go over a connection of their own, by XCB: all rows are asked for at once and
    // the replies read afterwards, one round trip per sample rather than one per row.
    xcb_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(xcb_)) {
      std::fprintf(stderr, "screen_step: no XCB connection to the display\n");
      std::exit(2);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(xcb_)).data->root;
  }
  ~ScreenReader() { xcb_disconnect(xcb_); }
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // Tolerated difference: a 64-pixel sprite moving for a settling time over two rows, plus the
  // preview in the main window.
  static int Tolerance() { return 400; }

  std::vector<std::uint32_t> Sample() const {
    const std::size_t w = static_cast<std::size_t>(width_);
    std::vector<std::uint32_t> out(w * ys_.size());
    std::vector<xcb_get_image_cookie_t> asked;
    for (int y : ys_)
      asked.push_back(xcb_get_image(xcb_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, 0, static_cast<std::int16_t>(y),
                                    static_cast<std::uint16_t>(width_), 1, ~0u));
    for (std::size_t r = 0; r < asked.size(); ++r) {
      xcb_get_image_reply_t* reply = xcb_get_image_reply(xcb_, asked[r], nullptr);
      if (!reply || static_cast<std::size_t>(xcb_get_image_data_length(reply)) < w * 4) {
        std::fprintf(stderr, "screen_step: the screen could not be read (a 32-bit screen is needed)\n");
        std::exit(2);
      }
      std::memcpy(&out[r * w], xcb_get_image_data(reply), w * 4);
      std::free(reply);
    }
    return out;
  }
  static int Differences(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
  }

  void Click(int x, int y) const {
    XTestFakeMotionEvent(d_, -1, x, y, 0);
    XTestFakeButtonEvent(d_, 1, True, 0);
    XTestFakeButtonEvent(d_, 1, False, 0);
    XFlush(d_);
  }
  void Key(KeySym sym) const {
    KeyCode code = XKeysymToKeycode(d_, sym);
    XTestFakeKeyEvent(d_, code, True, 0);
    XTestFakeKeyEvent(d_, code, False, 0);
    XFlush(d_);
  }

private:
  Display* d_;
  xcb_connection_t* xcb_ = nullptr;
  xcb_window_t root_ = 0;
  int width_ = 0, height_ = 0;
  std::vector<int> ys_;
};

struct Arrival {
  double ms = -1;   // < 0: nothing arrived within the timeout
  int changed = 0;  // sampled pixels that differ from before the press
  int polls = 0;    // samples taken until then
};

// Does `act` and waits until the screen shows something new that stays.
template <typename Act> Arrival Measure(const ScreenReader& screen, Act act) {
  const auto before = screen.Sample();
  const auto t0 = Clock::now();
  act();
  auto candidate = before;
  double candidateAt = 0;
  bool changed = false;
  for (int polls = 1;; ++polls) {
    auto now = screen.Sample();
    const double t = MsSince(t0);
    if (ScreenReader::Differences(now, candidate) > ScreenReader::Tolerance()) {
      candidate = std::move(now);
      candidateAt = t;
      changed = ScreenReader::Differences(candidate, before) > ScreenReader::Tolerance();
    } else if (changed && t - candidateAt >= kSettleMs) {
      return {candidateAt, ScreenReader::Differences(candidate, before), polls};
    }
    if (t > kTimeoutMs) return {-1, 0, polls};
    SleepMs(kPollGapMs);
  }
}

double ResidentMB(long pid) {
  std::ifstream f("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(f, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return -1;
}

struct Stats {
  std::size_t n;
  double median, p90, worst;
};
Stats Of(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  if (v.empty()) return {0, 0, 0, 0};
  const std::size_t n = v.size();
  const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  const std::size_t rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));  // nearest rank
  return {n, median, v[rank - 1], v.back()};
}

void PrintStats(const char* what, const std::string& label, const char* which, const std::vector<double>& v) {
  const Stats s = Of(v);
  std::printf("%-6s %-16s %-5s n=%-3zu median %7.1f  p90 %7.1f  worst %7.1f ms\n", what, label.c_str(), which, s.n,
              s.median, s.p90, s.worst);
}

// Once a step is lost, where the program stands is unknown and later figures would mean nothing.
[[noreturn]] void Lost(const std::string& what, std::FILE* raw) {
  if (raw) std::fclose(raw);
  std::fprintf(stderr, "screen_step: %s within %.0f ms; stopped\n", what.c_str(), kTimeoutMs);
  std::exit(1);
}

int Usage() {
  std::fprintf(stderr, "usage: screen_step --pid PID --left X --content-top Y --label NAME [--runs N] [--raw FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long pid = 0;
  int left = -1, contentTop = -1, runs = 6;
  std::string label, rawPath;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string opt = argv[i], val = argv[i + 1];
    if (opt == "--pid") pid = std::atol(val.c_str());
    else if (opt == "--left") left = std::atoi(val.c_str());
    else if (opt == "--content-top") contentTop = std::atoi(val.c_str());
    else if (opt == "--runs") runs = std::atoi(val.c_str());
    else if (opt == "--label") label = val;
    else if (opt == "--raw") rawPath = val;
    else return Usage();
  }
  if (argc % 2 == 0 || pid <= 0 || left < 0 || contentTop < 0 || runs < 1 || label.empty()) return Usage();

  Display* d = XOpenDisplay(nullptr);
  int ev, er, major, minor;
  if (!d || !XTestQueryExtension(d, &ev, &er, &major, &minor)) {
    std::fprintf(stderr, "screen_step: no X display with the XTest extension\n");
    return 2;
  }
  const ScreenReader screen(d);
  std::FILE* raw = rawPath.empty() ? nullptr : std::fopen(rawPath.c_str(), "w");

  std::vector<double> firstSteps, warmSteps, firstStarts, warmStarts;
  std::map<std::string, std::vector<double>> warmByKind;
  std::map<std::string, double> firstByKind;
  std::vector<std::pair<std::string, double>> memory = {{"start", ResidentMB(pid)}};

  for (int run = 1; run <= runs; ++run) {
    for (const Group& group : kGroups) {
      screen.Click(left + group.toolbarX, contentTop - kToolbarAboveContent);
      SleepMs(400);
      for (std::size_t k = 0; k < group.kinds.size(); ++k) {
        const bool start = k == 0;
        const Arrival a = Measure(screen, [&] {
          if (start) screen.Click(left + kTestX, contentTop + kTestY);
          else screen.Key(XK_x);
        });
        const std::string& kind = group.kinds[k];
        if (raw)
          std::fprintf(raw, "step %s run=%d %s %s %.2f changed=%d polls=%d\n", label.c_str(), run, kind.c_str(),
                       start ? "start" : "key", a.ms, a.changed, a.polls);
        if (a.ms < 0) Lost(label + " run " + std::to_string(run) + ": " + kind + " did not arrive", raw);
        (run == 1 ? (start ? firstStarts : firstSteps) : (start ? warmStarts : warmSteps)).push_back(a.ms);
        if (run == 1) firstByKind[kind] = a.ms;
        else warmByKind[kind].push_back(a.ms);
        SleepMs(kStepPauseMs);
      }
      // The step after the last kind ends the run; the main window comes back.
      const Arrival end = Measure(screen, [&] { screen.Key(XK_x); });
      if (end.ms < 0) Lost(label + " run " + std::to_string(run) + ": the " + group.name + " run did not end", raw);
      SleepMs(300);
    }
    SleepMs(500);
    memory.emplace_back("run" + std::to_string(run), ResidentMB(pid));
  }
  if (raw) std::fclose(raw);

  // Per kind: its first showing and its warm median and worst.
  for (const Group& group : kGroups)
    for (const std::string& kind : group.kinds) {
      const Stats w = Of(warmByKind[kind]);
      const auto first = firstByKind.find(kind);
      std::printf("kind   %-16s %-21s first %7.1f  warm median %7.1f  worst %7.1f ms%s\n", label.c_str(), kind.c_str(),
                  first == firstByKind.end() ? -1.0 : first->second, w.median, w.worst,
                  kind == group.kinds.front() ? "  (run start)" : "");
    }
  PrintStats("steps", label, "first", firstSteps);
  PrintStats("steps", label, "warm", warmSteps);
  PrintStats("starts", label, "first", firstStarts);
  PrintStats("starts", label, "warm", warmStarts);
  for (const auto& [when, mb] : memory) std::printf("rss    %-16s %-5s %7.1f MB\n", label.c_str(), when.c_str(), mb);
  XCloseDisplay(d);
  return 0;
}
