// Run control and the keystroke engine: begin and end a run, each key's effect on
// the current line, the caret and the screen, line advance and scrolling. Core side.
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
