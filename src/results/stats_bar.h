// The live statistics bar along the top of the main window. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/program.h"

namespace keyrill {

// Where the bar's three texts start: one row, and each column from the width w
// of "A" in the statistics font.
inline constexpr std::int32_t kBarY = 5;
struct BarColumns {
  std::int32_t rate;
  std::int32_t time;
  std::int32_t characters;
};
constexpr BarColumns BarColumnsFor(std::int32_t w) {
  return {5, 21 * w + 45, 21 * w + 45 + 12 * w + 40};
}

// Draws the rate, time and typed characters at moment t into the top band.
void DrawStatsBar(Program& program, std::int32_t t);

}  // namespace keyrill
