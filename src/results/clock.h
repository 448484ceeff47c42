// The run clock: milliseconds since process start as a wrapping signed 32-bit
// reading, the pause arithmetic, elapsed seconds and words per minute. Core side.
#pragma once

#include <chrono>
#include <cstdint>

namespace keyrill {

// Where readings come from; tests inject a clock they set by hand.
class ClockSource {
 public:
  virtual ~ClockSource() = default;
  virtual std::int32_t NowMs() = 0;
};

// Real time since this object was made (the program makes one at start-up); the
// reading wraps after 24.8 days, and every difference of readings wraps with it.
class SteadyClock final : public ClockSource {
 public:
  std::int32_t NowMs() override;

 private:
  std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
};

struct RunClock {
  bool Paused = false;
  std::int32_t StartTime = 0;
  std::int32_t EndTime = 0;
  std::int32_t PauseStart = 0;
};

// later - earlier in wrapping 32-bit arithmetic, without undefined behaviour.
std::int32_t ClockDifference(std::int32_t later, std::int32_t earlier);

std::int32_t ClockNow(ClockSource& clock);
void StartClock(RunClock& clock, std::int32_t now);
void StopClock(RunClock& clock, std::int32_t now);
void TogglePause(RunClock& clock, std::int32_t now);
double ElapsedSeconds(const RunClock& clock, std::int32_t t);
// typedWords / elapsedSeconds * 60, in that order; no guard against zero.
double WordsPerMinute(std::int32_t typedWords, double elapsedSeconds);

}  // namespace keyrill
