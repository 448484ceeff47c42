// Routing of the main window's three inputs to the operations of the run, the
// dialogs and the clock. Core side: it keeps no state of its own.
#include "app/router.h"

#include "app/commands.h"
#include "results/clock.h"
#include "results/stats_bar.h"
#include "run/keys.h"
#include "run/run_control.h"
#include "run/screen.h"

namespace keyrill {

namespace {

constexpr int kEnter = 13;

}  // namespace

void OnCommand(Program& program, int command) {
  // The command number is the low 16 bits; menus and accelerators differ only above.
  switch (command & 0xFFFF) {
    case IDM_EXIT:
      program.host.CloseMainWindow();
      break;
    case IDM_END_TEST:
      if (program.TestRunning) EndTest(program);
      break;
    case IDM_SELECT_TEST:
      program.host.ShowSelectTest();
      break;
    case IDM_BEGIN_TEST:
      // Neither the pause nor the selection is looked at: an empty name is a name too.
      if (!program.TestRunning) {
        ClearScreen(program);
        BeginTest(program);
      }
      break;
    case IDM_ADD_TEST:
      program.host.ShowAddTest();
      break;
    case IDM_EDIT_TEST:
      program.host.ShowEditTest();
      break;
    case IDM_PAUSE_TEST:
      TogglePause(program.clock, ClockNow(program.clockSource));
      break;
    default:
      break;
  }
}

void OnChar(Program& program, int code) {
  if (program.clock.Paused || program.ReportOpen) return;
  if (program.TestRunning) {
    HandleKey(program, code);
    return;
  }
  if ((code & 0xFF) != kEnter) return;
  if (program.SelectedTest[0] != '\0') {
    ClearScreen(program);
    BeginTest(program);
  } else {
    DrawMessage(program, kNoTestSelected);
  }
}

void OnTimer(Program& program, int timerId) {
  if (program.clock.Paused) return;  // the timers keep running; their ticks are dropped
  if (timerId == TIMER_CURSOR) {
    program.CursorOn = !program.CursorOn;
    DrawCursor(program);
  } else if (timerId == TIMER_STATS) {
    DrawStatsBar(program, ClockNow(program.clockSource));
  }
}

}  // namespace keyrill
