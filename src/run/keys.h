// The keystroke engine: each key's effect on the current line, the caret and the
// screen, line advance and scrolling; the last line done finishes the run. Core side.
// Floor 2, over results/, library/ and program/: for app/, the platforms and the tests.
#pragma once

#include "program/program.h"

namespace keyrill {

// Backspace (8), Tab (9), Enter (13) or a character's code-page byte; ignored
// when no run is in progress.
void HandleKey(Program& program, int code);

}  // namespace keyrill
