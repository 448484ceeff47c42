// The run clock: start, stop and the pause arithmetic on wrapping 32-bit readings.
// Core side; the readings come from the program's ClockSource.
#include "results/clock.h"

namespace keyrill {

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
