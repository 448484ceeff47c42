// Real time for the run clock, from the standard library's steady clock. Core side.
#include "program/clock_source.h"

namespace keyrill {

std::int32_t SteadyClock::NowMs() {
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - origin_);
  return Wrap(static_cast<std::uint32_t>(static_cast<std::uint64_t>(elapsed.count())));
}

}  // namespace keyrill
