#pragma once
// The tick counter (60 a second, monotonic) and random numbers; tests can replace both.
#include <cstdint>
#include <functional>

namespace fw {

std::int32_t Ticks();
double Rnd();  // in [0, 1)

// Tests put a source of their own in place of the clock or the generator; an empty function
// restores the real one.
void SetTicksSource(std::function<std::int32_t()> source);
void SetRndSource(std::function<double()> source);

}  // namespace fw
