// Where the run clock's readings come from, and the clock's state that the program
// keeps. Core side; the operations on it are in results/clock.h.
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <chrono>
#include <cstdint>

namespace keyrill {

// A count of milliseconds as a signed 32-bit reading: modular, as every reading and
// every difference of readings is (well defined since C++20).
inline std::int32_t Wrap(std::uint32_t value) {
  return static_cast<std::int32_t>(value);
}

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

}  // namespace keyrill
