// The run clock: wrapping 32-bit millisecond readings and the pause arithmetic.
// Core side; the steady clock is the standard library's.
#include "results/clock.h"

namespace keyrill {

namespace {

// Wraps a count of milliseconds to a signed 32-bit reading (modular since C++20).
std::int32_t Wrap(std::uint32_t value) {
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ClockDifference(std::int32_t later, std::int32_t earlier) {
  return Wrap(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}

std::int32_t ClockNow(ClockSource& clock) {
  return clock.NowMs();
}

void StartClock(RunClock& clock, std::int32_t now) {
  clock.StartTime = now;
}

void StopClock(RunClock& clock, std::int32_t now) {
  clock.EndTime = now;
}

void TogglePause(RunClock& clock, std::int32_t now) {
  clock.Paused = !clock.Paused;
  if (clock.Paused) {
    clock.PauseStart = now;
  } else {
    // The pause is taken out by moving the start forward by its length.
    const std::int32_t pause = ClockDifference(now, clock.PauseStart);
    clock.StartTime =
        Wrap(static_cast<std::uint32_t>(clock.StartTime) + static_cast<std::uint32_t>(pause));
  }
}

double ElapsedSeconds(const RunClock& clock, std::int32_t t) {
  return static_cast<double>(ClockDifference(t, clock.StartTime)) * 0.001;
}

double WordsPerMinute(std::int32_t typedWords, double elapsedSeconds) {
  return static_cast<double>(typedWords) / elapsedSeconds * 60.0;
}

}  // namespace keyrill
