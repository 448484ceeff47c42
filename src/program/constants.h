// Constants every floor of the core shares: the library's file name, the size of a
// test name, the main window's two timers. Core side; includes nothing of ours.
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <array>

namespace keyrill {

inline constexpr const char* kLibraryFileName = "tests.tst";

inline constexpr int kNameCapacity = 48;  // 47 characters and the terminating zero
using TestName = std::array<char, kNameCapacity>;

inline constexpr int TIMER_CURSOR = 1;
inline constexpr int TIMER_STATS = 2;
inline constexpr int kCursorPeriodMs = 500;
inline constexpr int kStatsPeriodMs = 100;

}  // namespace keyrill
