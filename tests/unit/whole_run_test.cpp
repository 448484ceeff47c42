// The whole-run scenario through the fake host: the keys as character messages, the
// commands as menu commands, a hand-set clock, and the Report each run must show.
// Test side.
#include "support/whole_run.h"

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/router.h"
#include "fakes/fake_window.h"
#include "support/files.h"

namespace keyrill {
namespace {

using fake::FakeWindow;
namespace scenario = support::whole_run;

constexpr int kKeyMs = 150;
constexpr int kPausedMs = 5000;

TEST(WholeRun, EachRunOfTheScenarioShowsItsFigures) {
  FakeWindow window;
  ASSERT_TRUE(support::WriteFile(window.LibraryFile(), scenario::kLibrary));
  window.host.selectChoice = scenario::kTest;
  OnCommand(window.program, IDM_SELECT_TEST);
  ASSERT_EQ(std::string(window.program.SelectedTest.data()), scenario::kTest);

  for (const scenario::Run& run : scenario::Runs()) {
    SCOPED_TRACE(run.name);
    const std::size_t reportsBefore = window.host.reports.size();
    const std::int32_t begun = window.clock.now;
    std::int32_t paused = 0;
    bool pausing = false;
    for (const scenario::Step& step : run.steps) {
      switch (step.action) {
        case scenario::Action::Keys:
          for (const char* key = step.keys; *key != '\0'; ++key) {
            window.clock.now += kKeyMs;
            window.Type(std::string(1, *key));
          }
          break;
        case scenario::Action::BeginTest:
          OnCommand(window.program, IDM_BEGIN_TEST);
          break;
        case scenario::Action::PauseTest:
          OnCommand(window.program, IDM_PAUSE_TEST);
          pausing = !pausing;
          if (pausing) {
            window.clock.now += kPausedMs;
            paused += kPausedMs;
          }
          break;
        case scenario::Action::EndTest:
          OnCommand(window.program, IDM_END_TEST);
          break;
      }
    }
    EXPECT_FALSE(window.program.TestRunning) << "the run is over";
    if (!run.reported) {
      EXPECT_EQ(window.host.reports.size(), reportsBefore) << "no Report";
      continue;
    }
    ASSERT_EQ(window.host.reports.size(), reportsBefore + 1) << "one Report";
    const double bound = (window.clock.now - begun - paused) / 1000.0;
    EXPECT_EQ(scenario::FiguresMismatch(window.host.reports.back(), run.figures, bound), "");
  }
  EXPECT_EQ(support::ReadFile(window.LibraryFile()), scenario::kLibrary)
      << "running tests writes nothing to the library";
}

}  // namespace
}  // namespace keyrill
