// The test library through the dialogs: Add Test writes the exact record bytes,
// Escape writes nothing, Edit Test lists sorted names and appends through Update,
// Select Test's choice is the test that runs; a save that cannot reach the file
// is told and keeps the typed text. Test side.
#include <vector>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

namespace {

std::string Library(Checks& checks, const std::string& work) {
  std::string bytes;
  checks.Expect(ReadWholeFile(JoinPath(work, "tests.tst"), bytes), "tests.tst is there");
  return bytes;
}

bool WaitClosed(HWND dialog) {
  return WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000);
}

void AddTest(Checks& checks, KeyrillProcess& keyrill, const std::string& name,
             const std::string& text) {
  keyrill.PostCommand(kAddTest);
  HWND dialog = keyrill.WaitDialog("Add Test");
  if (dialog == nullptr) return;
  SetText(checks, Control(checks, dialog, kTestName, "name box"), name, "the name box");
  SetText(checks, Control(checks, dialog, kTestText, "text box"), text, "the text box");
  Click(checks, Control(checks, dialog, kAddButton, "Add Test button"), "Add Test");
  checks.Expect(WaitClosed(dialog), "Add Test closes after saving " + name);
}

void UsableLibrary(Checks& checks, const Options& options) {
  const std::string work = JoinPath(options.workRoot, "library");
  checks.Expect(MakeFreshDirectory(work), "fresh working directory");
  KeyrillProcess keyrill(options.keyrillExe, work, checks);
  if (!keyrill.Started()) return;

  // No library yet: an empty list, and an empty file left behind.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    checks.ExpectEqual(static_cast<long long>(ListEntries(GetDlgItem(dialog, kTestList)).size()), 0,
                       "no names without a library");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    checks.Expect(WaitClosed(dialog), "Escape closes Select Test");
  }
  checks.ExpectEqual(Library(checks, work), "", "listing leaves an empty tests.tst");

  // The documented example: 35 bytes.
  AddTest(checks, keyrill, "Short", "hello world\r\nsecond line");
  const std::string example = "\r\n~Short\r\nhello world\r\r\nsecond line";
  checks.ExpectEqual(static_cast<long long>(example.size()), 35, "the example is 35 bytes");
  checks.ExpectEqual(Library(checks, work), example, "Add Test's record");

  // Escape writes nothing.
  keyrill.PostCommand(kAddTest);
  if (HWND dialog = keyrill.WaitDialog("Add Test")) {
    SetText(checks, GetDlgItem(dialog, kTestName), "Nope", "the name box");
    SetText(checks, GetDlgItem(dialog, kTestText), "not saved", "the text box");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    checks.Expect(WaitClosed(dialog), "Escape closes Add Test");
  }
  checks.ExpectEqual(Library(checks, work), example, "Escape leaves the library as it was");

  AddTest(checks, keyrill, "Alpha", "one two");
  std::string expected = example + "\r\n~Alpha\r\none two";
  checks.ExpectEqual(Library(checks, work), expected, "a second record follows the first");

  // Edit Test: sorted names; a double-click fills only the name box and keeps the
  // dialog open; Update appends a new record under that name.
  keyrill.PostCommand(kEditTest);
  if (HWND dialog = keyrill.WaitDialog("Edit Test")) {
    const std::vector<std::string> names = ListEntries(GetDlgItem(dialog, kTestList));
    checks.ExpectEqual(JoinEntries(names), "Alpha|Short", "Edit Test lists the names sorted");
    SetText(checks, GetDlgItem(dialog, kTestText), "kept text", "the text box");
    DoubleClickEntry(checks, dialog, kTestList, "Short");
    checks.Expect(IsWindow(dialog) != 0, "Edit Test stays open after a double-click");
    checks.ExpectEqual(WindowText(GetDlgItem(dialog, kTestName)), "Short",
                       "the double-click fills the name box");
    checks.ExpectEqual(WindowText(GetDlgItem(dialog, kTestText)), "kept text",
                       "the text box keeps its text");
    SetText(checks, GetDlgItem(dialog, kTestText), "new text", "the text box");
    Click(checks, GetDlgItem(dialog, kUpdateButton), "Update");
    checks.Expect(WaitClosed(dialog), "Update closes Edit Test");
  }
  expected += "\r\n~Short\r\nnew text";
  checks.ExpectEqual(Library(checks, work), expected, "Update appends a record");

  // Select Test: the name stored twice is listed twice; the choice is what runs.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    const std::vector<std::string> names = ListEntries(GetDlgItem(dialog, kTestList));
    checks.ExpectEqual(JoinEntries(names), "Alpha|Short|Short",
                       "Select Test lists every record's name, sorted");
    DoubleClickEntry(checks, dialog, kTestList, "Alpha");
    checks.Expect(WaitClosed(dialog), "the double-click closes Select Test");
  }
  keyrill.Char('\r');
  keyrill.Type("one tw");
  keyrill.PostChar('o');
  if (HWND report = keyrill.WaitDialog("Report")) {
    checks.ExpectEqual(WindowText(GetDlgItem(report, kWordsInTest)), "2", "words in Alpha");
    checks.ExpectEqual(WindowText(GetDlgItem(report, kWordsTyped)), "2", "words typed");
    checks.ExpectEqual(WindowText(GetDlgItem(report, kCharacters)), "7", "characters of Alpha");
    checks.ExpectEqual(WindowText(GetDlgItem(report, kErrors)), "0", "no errors");
    Click(checks, GetDlgItem(report, kReportOk), "OK");
    checks.Expect(WaitClosed(report), "OK closes the Report");
  }

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
  checks.ExpectEqual(Library(checks, work), expected, "running a test writes nothing");
}

// tests.tst is a directory here, so nothing can be appended to it.
void UnwritableLibrary(Checks& checks, const Options& options) {
  const std::string work = JoinPath(options.workRoot, "unwritable");
  checks.Expect(MakeFreshDirectory(work), "fresh working directory");
  checks.Expect(MakeFreshDirectory(JoinPath(work, "tests.tst")), "tests.tst made a directory");
  KeyrillProcess keyrill(options.keyrillExe, work, checks);
  if (!keyrill.Started()) return;

  keyrill.PostCommand(kAddTest);
  HWND dialog = keyrill.WaitDialog("Add Test");
  if (dialog == nullptr) return;
  SetText(checks, GetDlgItem(dialog, kTestName), "Kept", "the name box");
  SetText(checks, GetDlgItem(dialog, kTestText), "typed\r\ntext", "the text box");
  PostMessageA(GetDlgItem(dialog, kAddButton), BM_CLICK, 0, 0);
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindOwnedDialog(keyrill.Pid(), dialog);
        return box != nullptr;
      },
      20000);
  if (checks.Expect(box != nullptr, "a failed save is told in a message box")) {
    checks.ExpectEqual(WindowText(box), "Add Test", "the box is captioned like its dialog");
    checks.ExpectEqual(StaticTexts(box), "The test could not be saved to tests.tst.",
                       "the box's text");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    checks.Expect(WaitClosed(box), "OK closes the box");
  }
  checks.Expect(IsWindow(dialog) != 0, "Add Test stays open");
  checks.ExpectEqual(WindowText(GetDlgItem(dialog, kTestName)), "Kept", "the name is kept");
  checks.ExpectEqual(WindowText(GetDlgItem(dialog, kTestText)), "typed\r\ntext",
                     "the text is kept");
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  checks.Expect(WaitClosed(dialog), "Escape closes Add Test");
  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
}

}  // namespace

int RunLibraryCase(const Options& options) {
  Checks checks("library");
  UsableLibrary(checks, options);
  UnwritableLibrary(checks, options);
  return checks.Finish();
}

}  // namespace e2e
