// Run control: beginning, finishing and ending a run. Core side; timers, the Report
// and repaints go through Host.
#include "run/run_control.h"

#include "results/clock.h"
#include "results/report.h"
#include "results/stats_bar.h"
#include "run/loader.h"
#include "run/screen.h"

namespace keyrill {

void BeginTest(Program& program) {
  LineList& lines = program.lines;
  const LoadResult result = LoadTest(program.libraryPath, program.codePage,
                                     program.SelectedTest.data(), program.layout.LineCapacity,
                                     program.LineBuffer.get(), program.CarryBuffer.get(), lines);
  if (result == LoadResult::WordTooLarge) {
    // A real host never returns from this; one that does gets an idle program back
    // without the half-loaded lines.
    program.host.FatalError(kWordTooLarge);
    lines.FreeLinePairs();
    lines.Clear();
    return;
  }
  if (lines.Index() == -1) {
    DrawMessage(program, kNoTextInTest);
    return;
  }
  program.TestRunning = true;
  program.typedTotals = TypedTotals{};  // a loaded line has nothing typed
  RenderPage(program);
  program.CaretX = kMargin;
  program.CaretY = program.layout.CharHeight + kPageTop;
  DrawCursor(program);
  program.host.StartTimer(TIMER_CURSOR, kCursorPeriodMs);
  program.host.StartTimer(TIMER_STATS, kStatsPeriodMs);
  StartClock(program.clock, ClockNow(program.clockSource));
}

void FinishRun(Program& program) {
  StopClock(program.clock, ClockNow(program.clockSource));
  program.host.StopTimer(TIMER_STATS);
  DrawStatsBar(program, program.clock.EndTime);
  program.ReportOpen = true;
  program.host.ShowReport(MakeReport(program));
  program.ReportOpen = false;
  EndTest(program);
}

void EndTest(Program& program) {
  program.host.StopTimer(TIMER_CURSOR);
  program.host.StopTimer(TIMER_STATS);
  program.lines.FreeLinePairs();
  program.lines.Clear();
  program.typedTotals = TypedTotals{};
  program.CaretY = 0;
  program.CaretX = 0;
  program.TestRunning = false;
  ClearScreen(program);
  ShowIdle(program);
  program.host.InvalidateAll(false);
}

}  // namespace keyrill
