// A whole run typed into keyrill.exe: mistakes, Backspace within a line and back
// across a line break, Tab, Enter, a pause that drops keys and stops the clock,
// Begin Test refused while running, the Report's six figures and layout, End Test,
// Begin Test from the menu, and Exit. Test side.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

namespace {

// Three tests as Add Test stores them; "Typing" is the one run. Its lines end in
// a CR but the last (each line is far shorter than any window's line).
constexpr const char* kLibrary =
    "\r\n~zeta\r\nzz"
    "\r\n~Typing\r\nthe cat\r\r\nsat on\r\r\nab cdefgh\r\r\ndog\r\r\nend"
    "\r\n~Alpha\r\nshort";

struct Figures {
  std::string wordsPerMinute, wordsInTest, wordsTyped, timeTaken, characters, errors;
};

Figures ReadReport(HWND report) {
  return {WindowText(GetDlgItem(report, kWpm)),        WindowText(GetDlgItem(report, kWordsInTest)),
          WindowText(GetDlgItem(report, kWordsTyped)), WindowText(GetDlgItem(report, kTimeTaken)),
          WindowText(GetDlgItem(report, kCharacters)), WindowText(GetDlgItem(report, kErrors))};
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

bool IsSixDecimals(const std::string& text) {
  return std::regex_match(text, std::regex(R"(-?[0-9]+\.[0-9]{6})"));
}

// Checks the integer figures, the "%f" form of time and rate, and that the rate
// is the typed words over the time. Returns the time taken in seconds.
double CheckFigures(const Figures& got, const char* wordsTyped, const char* errors,
                    const std::string& run) {
  ExpectEqual(got.wordsInTest, "4", run + ": words in test");
  ExpectEqual(got.wordsTyped, wordsTyped, run + ": words typed");
  ExpectEqual(got.characters, "32", run + ": characters (of the targets)");
  ExpectEqual(got.errors, errors, run + ": errors");
  Expect(IsSixDecimals(got.timeTaken), run + ": time taken \"" + got.timeTaken + "\"");
  Expect(IsSixDecimals(got.wordsPerMinute),
         run + ": words per minute \"" + got.wordsPerMinute + "\"");
  const double seconds = std::atof(got.timeTaken.c_str());
  const double rate = std::atof(got.wordsPerMinute.c_str());
  const double words = std::atof(wordsTyped);
  Expect(seconds > 0.0, run + ": some time was taken");
  Expect(seconds > 0.0 && std::fabs(rate - words / seconds * 60.0) <= 0.001 * rate + 1e-6,
         run + ": rate " + got.wordsPerMinute + " is " + wordsTyped + " words over " +
             got.timeTaken + " s");
  return seconds;
}

void SelectTyping(KeyrillProcess& keyrill) {
  keyrill.PostCommand(kSelectTest);
  HWND dialog = keyrill.WaitDialog("Select Test");
  if (dialog == nullptr) return;
  ExpectEqual(JoinEntries(ListEntries(GetDlgItem(dialog, kTestList))), "Alpha|Typing|zeta",
              "Select Test lists the names in the list's order");
  DoubleClickEntry(dialog, kTestList, "Typing");
  Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000),
         "the double-click closes Select Test");
}

bool NoReportWithin(KeyrillProcess& keyrill, DWORD ms) {
  return !WaitUntil([&] { return FindProcessWindow(keyrill.Pid(), "#32770", "Report") != nullptr; },
                    ms);
}

}  // namespace

TEST(KeyrillExe, typing) {
  const Options& options = TheOptions();
  const std::string work = JoinPath(options.workRoot, "typing");
  Expect(MakeFreshDirectory(work), "fresh working directory");
  WriteWholeFile(JoinPath(work, "tests.tst"), kLibrary);
  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;

  SelectTyping(keyrill);

  // Run 1. Targets: "the cat"+CR, "sat on"+CR, "ab cdefgh"+CR, "dog"+CR, "end".
  const std::uint64_t begun = NowMs();
  keyrill.Char('\r');
  keyrill.Type("thx cat");      // a mistake; the CR ends the line
  keyrill.Type("sa\b\b");       // typed and taken back on line 2
  keyrill.Char('\b');           // back across the line break, onto "thx cat"
  keyrill.Type("\b\b\b\b\b");   // down to "th"
  keyrill.Type("e cat");        // line 1 again, now right; on to line 2
  keyrill.Command(kBeginTest);  // refused: a run is in progress
  keyrill.Type("sat om");       // a mistake
  keyrill.Type("ab\t");         // Tab: five spaces, the line goes on
  keyrill.Type("gh");           // "ab     gh": the CR ends the line
  keyrill.Type("d\r");          // Enter leaves "dog" with "d"
  // Paused: keys are dropped and the clock stops.
  keyrill.Command(kPauseTest);
  const std::uint64_t pausedAt = NowMs();
  keyrill.Type("zzz");
  SleepMs(1500);
  const std::uint64_t resumedAt = NowMs();
  keyrill.Command(kPauseTest);
  keyrill.Type("en");
  keyrill.PostChar('d');  // the last key opens the Report
  HWND report = keyrill.WaitDialog("Report");
  const std::uint64_t reported = NowMs();
  if (report != nullptr) {
    // Typed: "the cat", "sat om", "ab     gh", "d", "end": 2+2+2+1+1 words;
    // errors 1 (CR) + 2 + 5 + 3 + 0.
    const double seconds = CheckFigures(ReadReport(report), "8", "11", "run 1");
    const double bound = static_cast<double>((reported - begun) - (resumedAt - pausedAt)) / 1000.0;
    Expect(seconds <= bound + 0.05, "run 1: the pause is not counted (" + std::to_string(seconds) +
                                        " s, at most " + std::to_string(bound) + " s)");
    CheckLiveDialog(report, ExpectedDialogById(106), Placement::InWorkArea, nullptr);
    Expect(FocusOfThreadOwning(report) == GetDlgItem(report, kWpm),
           "the Report opens with the focus on the rate");
    const auto style = static_cast<DWORD>(GetWindowLongA(GetDlgItem(report, kWpm), GWL_STYLE));
    Expect((style & ES_READONLY) != 0 && (style & WS_BORDER) == 0,
           "the figures are read-only and borderless");
    // Enter and Escape arrive as IDOK and IDCANCEL and are ignored.
    SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    SleepMs(300);
    Expect(IsWindow(report) != 0, "Enter and Escape leave the Report open");
    Click(GetDlgItem(report, kReportOk), "OK");
    Expect(WaitUntil([&] { return IsWindow(report) == 0; }, 20000), "OK closes the Report");
  }

  // Run 2, ended early: End Test gives no Report and leaves the program idle.
  keyrill.Char('\r');
  keyrill.Type("the");
  keyrill.Command(kEndTest);
  Expect(NoReportWithin(keyrill, 1000), "End Test shows no Report");

  // Run 3, begun from the menu and typed right: only the CRs count as errors.
  keyrill.Command(kBeginTest);
  keyrill.Type("the catsat onab cdefghdogen");
  keyrill.PostChar('d');
  report = keyrill.WaitDialog("Report");
  if (report != nullptr) {
    // The second character of one keystroke (a dead key and a letter it does not
    // combine with) is already queued for the main window when the Report opens;
    // the Report's message loop hands it over, and the finished run must not take it.
    keyrill.PostChar('x');
    keyrill.PostChar('\r');
    SleepMs(800);
    ExpectEqual(ReportsOpen(keyrill.Pid()), 1, "characters behind the Report open no second one");
    CheckFigures(ReadReport(report), "8", "4", "run 3");
    Click(GetDlgItem(report, kReportOk), "OK");
    Expect(WaitUntil([&] { return IsWindow(report) == 0; }, 20000), "OK closes the Report");
  }

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");

  std::string bytes;
  ReadWholeFile(JoinPath(work, "tests.tst"), bytes);
  ExpectEqual(bytes, kLibrary, "running tests writes nothing to the library");
}

}  // namespace e2e
