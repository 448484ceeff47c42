// The live statistics bar along the top of the main window. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/program.h"

namespace keyrill {

// Draws the rate, time and typed characters at moment t into the top band.
void DrawStatsBar(Program& program, std::int32_t t);

}  // namespace keyrill
