// The Report's six figures and the number formats shared with the bar. Core side.
// Floor 2, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <string>

#include "program/host.h"
#include "program/program.h"

namespace keyrill {

// printf's "%.<decimals>f", except that a non-finite value reads the same on every
// platform: "inf", "-inf" or "nan" (the C libraries differ: "1.#INF00", "-nan").
// A run finished at the moment it started so shows a rate of "inf" in the bar and
// the Report, or "nan" when no word was typed.
std::string FormatFixed(double value, int decimals);

// The six figures from one count of typed words, in the Report's formats.
ReportTexts MakeReport(Program& program);

}  // namespace keyrill
