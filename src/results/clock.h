// The run clock's operations on readings from a ClockSource (program/clock_source.h):
// start, stop, the pause arithmetic, elapsed seconds and words per minute. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/clock_source.h"

namespace keyrill {

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
