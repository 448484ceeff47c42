// Routing of the main window's three inputs: command numbers (menu and
// accelerators alike), character codes and timer ticks. Core side.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include "program/program.h"

namespace keyrill {

void OnCommand(Program& program, int command);
void OnChar(Program& program, int code);
void OnTimer(Program& program, int timerId);

}  // namespace keyrill
