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

bool IsSixDecimals(const std::string& text) {
  return std::regex_match(text, std::regex(R"(-?[0-9]+\.[0-9]{6})"));
}

// Checks the integer figures, the "%f" form of time and rate, and that the rate
// is the typed words over the time. Returns the time taken in seconds.
double CheckFigures(Checks& checks, const Figures& got, const char* wordsTyped, const char* errors,
                    const std::string& run) {
  checks.ExpectEqual(got.wordsInTest, "4", run + ": words in test");
  checks.ExpectEqual(got.wordsTyped, wordsTyped, run + ": words typed");
  checks.ExpectEqual(got.characters, "32", run + ": characters (of the targets)");
  checks.ExpectEqual(got.errors, errors, run + ": errors");
  checks.Expect(IsSixDecimals(got.timeTaken), run + ": time taken \"" + got.timeTaken + "\"");
  checks.Expect(IsSixDecimals(got.wordsPerMinute),
                run + ": words per minute \"" + got.wordsPerMinute + "\"");
  const double seconds = std::atof(got.timeTaken.c_str());
  const double rate = std::atof(got.wordsPerMinute.c_str());
  const double words = std::atof(wordsTyped);
  checks.Expect(seconds > 0.0, run + ": some time was taken");
  checks.Expect(seconds > 0.0 && std::fabs(rate - words / seconds * 60.0) <= 0.001 * rate + 1e-6,
                run + ": rate " + got.wordsPerMinute + " is " + wordsTyped + " words over " +
                    got.timeTaken + " s");
  return seconds;
}

void SelectTyping(Checks& checks, KeyrillProcess& keyrill) {
  keyrill.PostCommand(kSelectTest);
  HWND dialog = keyrill.WaitDialog("Select Test");
  if (dialog == nullptr) return;
  checks.ExpectEqual(JoinEntries(ListEntries(GetDlgItem(dialog, kTestList))), "Alpha|Typing|zeta",
                     "Select Test lists the names in the list's order");
  DoubleClickEntry(checks, dialog, kTestList, "Typing");
  checks.Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000),
                "the double-click closes Select Test");
}

bool NoReportWithin(KeyrillProcess& keyrill, DWORD ms) {
  return !WaitUntil([&] { return FindProcessWindow(keyrill.Pid(), "#32770", "Report") != nullptr; },
                    ms);
}

}  // namespace

int RunTypingCase(const Options& options) {
  Checks checks("typing");
  const std::string work = JoinPath(options.workRoot, "typing");
  checks.Expect(MakeFreshDirectory(work), "fresh working directory");
  WriteWholeFile(JoinPath(work, "tests.tst"), kLibrary);
  KeyrillProcess keyrill(options.keyrillExe, work, checks);
  if (!keyrill.Started()) return checks.Finish();

  SelectTyping(checks, keyrill);

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
    const double seconds = CheckFigures(checks, ReadReport(report), "8", "11", "run 1");
    const double bound = static_cast<double>((reported - begun) - (resumedAt - pausedAt)) / 1000.0;
    checks.Expect(seconds <= bound + 0.05, "run 1: the pause is not counted (" +
                                               std::to_string(seconds) + " s, at most " +
                                               std::to_string(bound) + " s)");
    CheckLiveDialog(checks, report, ExpectedDialogById(106), Placement::InWorkArea, nullptr);
    checks.Expect(FocusOfThreadOwning(report) == GetDlgItem(report, kWpm),
                  "the Report opens with the focus on the rate");
    const auto style = static_cast<DWORD>(GetWindowLongA(GetDlgItem(report, kWpm), GWL_STYLE));
    checks.Expect((style & ES_READONLY) != 0 && (style & WS_BORDER) == 0,
                  "the figures are read-only and borderless");
    // Enter and Escape arrive as IDOK and IDCANCEL and are ignored.
    SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendWithTimeout(report, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    SleepMs(300);
    checks.Expect(IsWindow(report) != 0, "Enter and Escape leave the Report open");
    Click(checks, GetDlgItem(report, kReportOk), "OK");
    checks.Expect(WaitUntil([&] { return IsWindow(report) == 0; }, 20000), "OK closes the Report");
  }

  // Run 2, ended early: End Test gives no Report and leaves the program idle.
  keyrill.Char('\r');
  keyrill.Type("the");
  keyrill.Command(kEndTest);
  checks.Expect(NoReportWithin(keyrill, 1000), "End Test shows no Report");

  // Run 3, begun from the menu and typed right: only the CRs count as errors.
  keyrill.Command(kBeginTest);
  keyrill.Type("the catsat onab cdefghdogen");
  keyrill.PostChar('d');
  report = keyrill.WaitDialog("Report");
  if (report != nullptr) {
    CheckFigures(checks, ReadReport(report), "8", "4", "run 3");
    Click(checks, GetDlgItem(report, kReportOk), "OK");
    checks.Expect(WaitUntil([&] { return IsWindow(report) == 0; }, 20000), "OK closes the Report");
  }

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");

  std::string bytes;
  ReadWholeFile(JoinPath(work, "tests.tst"), bytes);
  checks.ExpectEqual(bytes, kLibrary, "running tests writes nothing to the library");
  return checks.Finish();
}

}  // namespace e2e
