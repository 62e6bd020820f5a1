#include "framework/clock.h"

#include <chrono>
#include <random>

namespace fw {

namespace {
std::function<std::int32_t()>& TicksOverride() {
  static std::function<std::int32_t()> source;
  return source;
}
std::function<double()>& RndOverride() {
  static std::function<double()> source;
  return source;
}
}  // namespace

std::int32_t Ticks() {
  if (TicksOverride()) return TicksOverride()();
  static const auto start = std::chrono::steady_clock::now();
  const auto elapsed = std::chrono::steady_clock::now() - start;
  return static_cast<std::int32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() * 60 / 1000);
}

double Rnd() {
  if (RndOverride()) return RndOverride()();
  static std::mt19937_64 engine{std::random_device{}()};
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine);
}

void SetTicksSource(std::function<std::int32_t()> source) { TicksOverride() = std::move(source); }
void SetRndSource(std::function<double()> source) { RndOverride() = std::move(source); }

}  // namespace fw
