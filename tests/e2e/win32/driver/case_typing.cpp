// The whole-run scenario typed into keyrill.exe, with what only the real windows
// show besides: the Report's layout and focus, Enter and Escape ignored, characters
// queued behind it, and Exit. Test side (Win32).
#include <string>
#include <string_view>
#include <vector>

#include "app/report_rows.h"
#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/whole_run.h"

namespace e2e {

namespace {

namespace scenario = keyrill::support::whole_run;

keyrill::ReportTexts ReadReport(HWND report) {
  keyrill::ReportTexts texts;
  for (const keyrill::ReportRow& row : keyrill::kReportRows) {
    texts.*row.figure = WindowText(GetDlgItem(report, row.controlId));
  }
  return texts;
}

// The visible windows of that process captioned "Report".
int ReportsOpen(DWORD processId) {
  struct Count {
    DWORD processId;
    int reports;
  } count{processId, 0};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* counted = reinterpret_cast<Count*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == counted->processId && IsWindowVisible(window) &&
            WindowText(window) == "Report") {
          ++counted->reports;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.reports;
}

void SelectTyping(KeyrillProcess& keyrill) {
  keyrill.PostCommand(kSelectTest);
  HWND dialog = keyrill.WaitDialog("Select Test");
  if (dialog == nullptr) return;
  EXPECT_EQ(JoinEntries(ListEntries(GetDlgItem(dialog, kTestList))), scenario::kListed)
      << "Select Test lists the names in the list's order";
  DoubleClickEntry(dialog, kTestList, scenario::kTest);
  EXPECT_TRUE(WaitClosed(dialog)) << "the double-click closes Select Test";
}

bool NoReportWithin(KeyrillProcess& keyrill, DWORD ms) {
  return !WaitUntil([&] { return FindProcessWindow(keyrill.Pid(), "#32770", "Report") != nullptr; },
                    ms);
}

// Plays a run's steps; the last key of a reported run is posted, since it opens the
// Report's modal loop. While paused the driver waits, to see the clock stop. Returns
// when the run began and how long it was paused, in ms.
struct Played {
  std::uint64_t begun;
  std::uint64_t paused;
};

Played PlayRun(KeyrillProcess& keyrill, const scenario::Run& run) {
  const std::uint64_t begun = NowMs();
  std::uint64_t pausedAt = 0;
  std::uint64_t paused = 0;
  for (std::size_t i = 0; i < run.steps.size(); ++i) {
    const scenario::Step& step = run.steps[i];
    switch (step.action) {
      case scenario::Action::Keys: {
        std::string_view keys = step.keys;
        const bool opensReport = run.reported && i + 1 == run.steps.size() && !keys.empty();
        if (opensReport) keys.remove_suffix(1);
        keyrill.Type(keys);
        if (opensReport) keyrill.PostChar(static_cast<unsigned char>(step.keys[keys.size()]));
        break;
      }
      case scenario::Action::BeginTest:
        keyrill.Command(kBeginTest);
        break;
      case scenario::Action::PauseTest:
        if (pausedAt == 0) {
          keyrill.Command(kPauseTest);
          pausedAt = NowMs();
        } else {
          SleepMs(1500);
          paused += NowMs() - pausedAt;
          pausedAt = 0;
          keyrill.Command(kPauseTest);
        }
        break;
      case scenario::Action::EndTest:
        keyrill.Command(kEndTest);
        break;
    }
  }
  return {begun, paused};
}

}  // namespace

TEST(KeyrillExe, typing) {
  const Options& options = TheOptions();
  const std::string work = CaseDirectory("typing", scenario::kLibrary);
  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;

  SelectTyping(keyrill);

  const std::vector<scenario::Run>& runs = scenario::Runs();
  for (std::size_t number = 0; number < runs.size(); ++number) {
    const scenario::Run& run = runs[number];
    SCOPED_TRACE(run.name);
    const Played played = PlayRun(keyrill, run);
    if (!run.reported) {
      EXPECT_TRUE(NoReportWithin(keyrill, 1000)) << "End Test shows no Report";
      continue;
    }
    HWND report = keyrill.WaitDialog("Report");
    if (report == nullptr) continue;
    const double bound = static_cast<double>(NowMs() - played.begun - played.paused) / 1000.0;
    // The Report's time leaves the pause out, and is no longer than the run took.
    EXPECT_EQ(scenario::FiguresMismatch(ReadReport(report), run.figures, bound + 0.05), "");
    if (number == 0) {
      CheckLiveDialog(report, ExpectedDialogById(106), Placement::InWorkArea, nullptr);
      EXPECT_TRUE(FocusOfThreadOwning(report) == GetDlgItem(report, kWpm))
          << "the Report opens with the focus on the rate";
      const auto style = static_cast<DWORD>(GetWindowLongA(GetDlgItem(report, kWpm), GWL_STYLE));
      EXPECT_TRUE((style & ES_READONLY) != 0 && (style & WS_BORDER) == 0)
          << "the figures are read-only and borderless";
      // Enter and Escape arrive as IDOK and IDCANCEL and are ignored.
      SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      SleepMs(300);
      EXPECT_TRUE(IsWindow(report) != 0) << "Enter and Escape leave the Report open";
    } else {
      // The second character of one keystroke (a dead key and a letter it does not
      // combine with) is already queued for the main window when the Report opens;
      // the Report's message loop hands it over, and the finished run must not take it.
      keyrill.PostChar('x');
      keyrill.PostChar('\r');
      SleepMs(800);
      EXPECT_EQ(ReportsOpen(keyrill.Pid()), 1) << "characters behind the Report open no second one";
    }
    Click(GetDlgItem(report, kReportOk), "OK");
    EXPECT_TRUE(WaitClosed(report)) << "OK closes the Report";
  }

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");

  EXPECT_EQ(ReadFile(JoinPath(work, "tests.tst")), scenario::kLibrary)
      << "running tests writes nothing to the library";
}

}  // namespace e2e
