// Run control: beginning a run (loading the selected test, the first page, the
// timers and the clock), finishing it with the Report, and ending it. Core side.
// Floor 2, over results/, library/ and program/: for app/, the platforms and the tests.
#pragma once

#include "program/program.h"

namespace keyrill {

void BeginTest(Program& program);
// The last line is done: stops the clock, shows the Report, then ends the run.
void FinishRun(Program& program);
void EndTest(Program& program);

}  // namespace keyrill
