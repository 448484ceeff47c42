// Run control and the keystroke engine: begin and end a run, each key's effect on
// the current line, the caret and the screen, line advance and scrolling. Core side.
// Floor 2, over results/, library/ and program/: for app/, the platforms and the tests.
#pragma once

#include "program/program.h"

namespace keyrill {

void BeginTest(Program& program);
void EndTest(Program& program);
void HandleKey(Program& program, int code);
void BackspaceKey(Program& program);
void TabKey(Program& program);
void CharKey(Program& program, int code);
void NextLine(Program& program);

}  // namespace keyrill
