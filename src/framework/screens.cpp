#include "framework/screens.h"

#include <QGuiApplication>
#include <QScreen>
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
  // Qt keeps a screen's top-left corner in native pixels and scales only its size.
  const QRect g = s.geometry();
  const double dpr = s.devicePixelRatio();
  ScreenInfo info;
  info.Left = g.x();
  info.Top = g.y();
  info.Width = static_cast<std::int32_t>(std::lround(g.width() * dpr));
  info.Height = static_cast<std::int32_t>(std::lround(g.height() * dpr));
  info.Depth = s.depth();
  info.Scale = dpr;
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
