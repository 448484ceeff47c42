// The test library through the dialogs: Add Test writes the exact record bytes,
// Escape writes nothing, Edit Test lists sorted names and appends through Update,
// Select Test's choice is the test that runs; a save that cannot reach the file
// is told and keeps the typed text. Test side.
#include <filesystem>
#include <vector>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

namespace {

std::string Library(const std::string& work) {
  const std::string file = JoinPath(work, "tests.tst");
  EXPECT_TRUE(std::filesystem::is_regular_file(file)) << "tests.tst is there";
  return ReadFile(file);
}

void AddTest(KeyrillProcess& keyrill, const std::string& name, const std::string& text) {
  keyrill.PostCommand(kAddTest);
  HWND dialog = keyrill.WaitDialog("Add Test");
  if (dialog == nullptr) return;
  SetText(Control(dialog, kTestName, "name box"), name, "the name box");
  SetText(Control(dialog, kTestText, "text box"), text, "the text box");
  Click(Control(dialog, kAddButton, "Add Test button"), "Add Test");
  EXPECT_TRUE(WaitClosed(dialog)) << "Add Test closes after saving " + name;
}

void UsableLibrary(const Options& options) {
  const std::string work = JoinPath(options.workRoot, "library");
  EXPECT_TRUE(MakeFreshDirectory(work)) << "fresh working directory";
  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;

  // No library yet: an empty list, and an empty file left behind.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    EXPECT_EQ(static_cast<long long>(ListEntries(GetDlgItem(dialog, kTestList)).size()), 0)
        << "no names without a library";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_TRUE(WaitClosed(dialog)) << "Escape closes Select Test";
  }
  EXPECT_EQ(Library(work), "") << "listing leaves an empty tests.tst";

  // The documented example: 35 bytes.
  AddTest(keyrill, "Short", "hello world\r\nsecond line");
  const std::string example = "\r\n~Short\r\nhello world\r\r\nsecond line";
  EXPECT_EQ(static_cast<long long>(example.size()), 35) << "the example is 35 bytes";
  EXPECT_EQ(Library(work), example) << "Add Test's record";

  // Escape writes nothing.
  keyrill.PostCommand(kAddTest);
  if (HWND dialog = keyrill.WaitDialog("Add Test")) {
    SetText(GetDlgItem(dialog, kTestName), "Nope", "the name box");
    SetText(GetDlgItem(dialog, kTestText), "not saved", "the text box");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_TRUE(WaitClosed(dialog)) << "Escape closes Add Test";
  }
  EXPECT_EQ(Library(work), example) << "Escape leaves the library as it was";

  AddTest(keyrill, "Alpha", "one two");
  std::string expected = example + "\r\n~Alpha\r\none two";
  EXPECT_EQ(Library(work), expected) << "a second record follows the first";

  // Edit Test: sorted names; a double-click fills only the name box and keeps the
  // dialog open; Update appends a new record under that name.
  keyrill.PostCommand(kEditTest);
  if (HWND dialog = keyrill.WaitDialog("Edit Test")) {
    const std::vector<std::string> names = ListEntries(GetDlgItem(dialog, kTestList));
    EXPECT_EQ(JoinEntries(names), "Alpha|Short") << "Edit Test lists the names sorted";
    SetText(GetDlgItem(dialog, kTestText), "kept text", "the text box");
    DoubleClickEntry(dialog, kTestList, "Short");
    EXPECT_TRUE(IsWindow(dialog) != 0) << "Edit Test stays open after a double-click";
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kTestName)), "Short")
        << "the double-click fills the name box";
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kTestText)), "kept text")
        << "the text box keeps its text";
    SetText(GetDlgItem(dialog, kTestText), "new text", "the text box");
    Click(GetDlgItem(dialog, kUpdateButton), "Update");
    EXPECT_TRUE(WaitClosed(dialog)) << "Update closes Edit Test";
  }
  expected += "\r\n~Short\r\nnew text";
  EXPECT_EQ(Library(work), expected) << "Update appends a record";

  // Select Test: the name stored twice is listed twice; the choice is what runs.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    const std::vector<std::string> names = ListEntries(GetDlgItem(dialog, kTestList));
    EXPECT_EQ(JoinEntries(names), "Alpha|Short|Short")
        << "Select Test lists every record's name, sorted";
    DoubleClickEntry(dialog, kTestList, "Alpha");
    EXPECT_TRUE(WaitClosed(dialog)) << "the double-click closes Select Test";
  }
  keyrill.Char('\r');
  keyrill.Type("one tw");
  keyrill.PostChar('o');
  if (HWND report = keyrill.WaitDialog("Report")) {
    EXPECT_EQ(WindowText(GetDlgItem(report, kWordsInTest)), "2") << "words in Alpha";
    EXPECT_EQ(WindowText(GetDlgItem(report, kWordsTyped)), "2") << "words typed";
    EXPECT_EQ(WindowText(GetDlgItem(report, kCharacters)), "7") << "characters of Alpha";
    EXPECT_EQ(WindowText(GetDlgItem(report, kErrors)), "0") << "no errors";
    Click(GetDlgItem(report, kReportOk), "OK");
    EXPECT_TRUE(WaitClosed(report)) << "OK closes the Report";
  }

  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
  EXPECT_EQ(Library(work), expected) << "running a test writes nothing";
}

// A library that takes no record: tests.tst a directory, or a file holding the end
// mark 0x1A that an old editor left (a record behind it could never be read).
struct Unwritable {
  const char* folder;
  const char* endMarkLibrary;  // null: tests.tst is a directory
  const char* message;
};

void UnwritableLibrary(const Options& options, const Unwritable& how) {
  const std::string work = JoinPath(options.workRoot, how.folder);
  EXPECT_TRUE(MakeFreshDirectory(work)) << "fresh working directory";
  if (how.endMarkLibrary == nullptr) {
    EXPECT_TRUE(MakeFreshDirectory(JoinPath(work, "tests.tst"))) << "tests.tst made a directory";
  } else {
    EXPECT_TRUE(WriteFile(JoinPath(work, "tests.tst"), how.endMarkLibrary)) << "tests.tst written";
  }
  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;

  keyrill.PostCommand(kAddTest);
  HWND dialog = keyrill.WaitDialog("Add Test");
  if (dialog == nullptr) return;
  SetText(GetDlgItem(dialog, kTestName), "Kept", "the name box");
  SetText(GetDlgItem(dialog, kTestText), "typed\r\ntext", "the text box");
  PostMessageA(GetDlgItem(dialog, kAddButton), BM_CLICK, 0, 0);
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindOwnedDialog(keyrill.Pid(), dialog);
        return box != nullptr;
      },
      20000);
  EXPECT_NE(box, nullptr) << "a failed save is told in a message box";
  if (box != nullptr) {
    EXPECT_EQ(WindowText(box), "Add Test") << "the box is captioned like its dialog";
    EXPECT_EQ(StaticTexts(box), how.message) << "the box's text";
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitClosed(box)) << "OK closes the box";
  }
  EXPECT_TRUE(IsWindow(dialog) != 0) << "Add Test stays open";
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kTestName)), "Kept") << "the name is kept";
  EXPECT_EQ(WindowText(GetDlgItem(dialog, kTestText)), "typed\r\ntext") << "the text is kept";
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  EXPECT_TRUE(WaitClosed(dialog)) << "Escape closes Add Test";
  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");
  if (how.endMarkLibrary != nullptr) {
    EXPECT_EQ(Library(work), how.endMarkLibrary) << "the refused save wrote nothing";
  }
}

}  // namespace

TEST(KeyrillExe, library) {
  const Options& options = TheOptions();
  UsableLibrary(options);
  UnwritableLibrary(options, {"unwritable", nullptr, "The test could not be saved to tests.tst."});
  UnwritableLibrary(options, {"endmark", "\r\n~Old\r\ntext\x1A",
                              "The test was not saved because tests.tst contains an end-of-file "
                              "mark (byte 0x1A) that would hide it; remove that mark with a text "
                              "editor and save again."});
}

}  // namespace e2e
