// keyrill.exe on a Cyrillic system (Wine with LANG=ru_RU.UTF-8, so the ANSI code
// page is 1251): a library saved in UTF-8 lists its Russian name in the code page,
// and its test, typed as Windows-1251 characters, reaches the Report without an
// error. Test side.
#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"

namespace e2e {

namespace {

// "Булки": "Съешь же ещё", in UTF-8 with the byte-order mark, as Notepad saves it.
constexpr const char* kLibrary =
    "\xEF\xBB\xBF~\xD0\x91\xD1\x83\xD0\xBB\xD0\xBA\xD0\xB8\r\n"
    "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91\r\n"
    "~Alpha\r\nx";
// The same name and text in Windows-1251.
constexpr const char* kName = "\xC1\xF3\xEB\xEA\xE8";
constexpr const char* kText = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8";

}  // namespace

TEST(KeyrillExe, cyrillic) {
  const Options& options = TheOptions();
  EXPECT_EQ(GetACP(), 1251u) << "Wine runs with the Cyrillic ANSI code page 1251";
  KeyrillProcess keyrill(options.keyrillExe, CaseDirectory("cyrillic", kLibrary));
  if (!keyrill.Started()) return;

  keyrill.PostCommand(kSelectTest);
  HWND dialog = keyrill.WaitDialog("Select Test");
  if (dialog == nullptr) return;
  const std::vector<std::string> entries = ListEntries(GetDlgItem(dialog, kTestList));
  EXPECT_TRUE(entries.size() == 2 && (entries[0] == kName || entries[1] == kName))
      << "the UTF-8 name is listed in Windows-1251: " << JoinEntries(entries);
  DoubleClickEntry(dialog, kTestList, kName);
  EXPECT_TRUE(WaitClosed(dialog)) << "the double-click closes Select Test";

  keyrill.Char('\r');
  const std::string text = kText;
  keyrill.Type(text.substr(0, text.size() - 1));
  keyrill.PostChar(static_cast<unsigned char>(text.back()));  // opens the Report
  HWND report = keyrill.WaitDialog("Report");
  if (report == nullptr) return;
  EXPECT_EQ(WindowText(GetDlgItem(report, kErrors)), "0") << "no error in the Report";
  EXPECT_EQ(WindowText(GetDlgItem(report, kCharacters)), "12")
      << "twelve characters: one a letter, not two";
  Click(GetDlgItem(report, kReportOk), "OK");
  EXPECT_TRUE(WaitClosed(report)) << "OK closes the Report";
  keyrill.PostCommand(kExit);
  keyrill.ExpectExit(0, "Exit");
  return;
}

}  // namespace e2e
