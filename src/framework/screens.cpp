#include "framework/screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformscreen.h>
#include <cmath>

#include "framework/ref.h"

namespace fw {

namespace {

std::optional<std::vector<ScreenInfo>>& TestScreens() {
  static std::optional<std::vector<ScreenInfo>> screens;
  return screens;
}

// The primary screen first, then the others in Qt's order.
QList<QScreen*> OrderedScreens() {
  QList<QScreen*> screens;
  if (!qGuiApp) return screens;
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary) screens.append(primary);
  for (QScreen* s : QGuiApplication::screens())
    if (s != primary) screens.append(s);
  return screens;
}

ScreenInfo Describe(const QScreen& s) {
  // The platform screen's geometry is in the platform's pixels, which its own ratio (a Wayland
  // output's scale, say) turns into device pixels; Qt's own scale factor (QT_SCALE_FACTOR) is not
  // in it. Scaling Qt's rounded logical size back instead can miss by one: 1024 rows at 1.5
  // came back as 1025. Qt keeps the top-left corner as the platform gives it.
  const QPlatformScreen* platform = s.handle();
  const QRect g = platform ? platform->geometry() : s.geometry();
  const double ratio = platform ? platform->devicePixelRatio() : s.devicePixelRatio();
  ScreenInfo info;
  info.Left = g.x();
  info.Top = g.y();
  info.Width = static_cast<std::int32_t>(std::lround(g.width() * ratio));
  info.Height = static_cast<std::int32_t>(std::lround(g.height() * ratio));
  info.Depth = s.depth();
  info.Scale = s.devicePixelRatio();
  return info;
}

}  // namespace

std::int32_t ScreenCount() {
  if (TestScreens()) return static_cast<std::int32_t>(TestScreens()->size());
  return static_cast<std::int32_t>(OrderedScreens().size());
}

ScreenInfo Screen(std::int32_t index) {
  if (TestScreens()) {
    if (index < 0 || index >= static_cast<std::int32_t>(TestScreens()->size()))
      throw OutOfBoundsException("Screen(" + std::to_string(index) + ")");
    return (*TestScreens())[static_cast<std::size_t>(index)];
  }
  QScreen* s = QtScreen(index);
  if (!s) throw OutOfBoundsException("Screen(" + std::to_string(index) + ")");
  return Describe(*s);
}

void SetScreensForTesting(std::optional<std::vector<ScreenInfo>> screens) { TestScreens() = std::move(screens); }

QScreen* QtScreen(std::int32_t index) {
  const auto screens = OrderedScreens();
  if (index < 0 || index >= screens.size()) return nullptr;
  if (TestScreens()) return nullptr;
  return screens[index];
}

}  // namespace fw
