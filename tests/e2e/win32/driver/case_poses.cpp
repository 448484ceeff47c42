// Not a check: puts keyrill.exe into the states the documentation shows (idle with
// a test selected, a run under way, the Report) and waits at each while a
// screenshot is taken from outside (scripts/win32-screenshots.sh). Test side,
// built into the Win32 end-to-end driver.
#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"

namespace e2e {

namespace {

// Writes <pose>.ready and waits (at most a minute) for <pose>.done.
void Pose(const Options& options, const std::string& pose) {
  WriteFile(JoinPath(options.poseDirectory, pose + ".ready"), pose);
  const std::string done = JoinPath(options.poseDirectory, pose + ".done");
  WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
}

}  // namespace

TEST(KeyrillExe, poses) {
  const Options& options = TheOptions();
  KeyrillProcess keyrill(
      options.keyrillExe,
      CaseDirectory("poses",
                    "\r\n~Pangrams\r\nThe quick brown fox jumps over the lazy dog.\r\r\n"
                    "Pack my box with five dozen liquor jugs.\r\r\n"
                    "How vexingly quick daft zebras jump!"));
  if (!keyrill.Started()) return;

  keyrill.ChooseTest("Pangrams");
  SleepMs(500);
  Pose(options, "idle");

  keyrill.Char('\r');
  const std::string typed = "The quick brown fox jumps over the lazy dog.Pack my box wiht five";
  for (char c : typed) {
    keyrill.Char(static_cast<unsigned char>(c));
    SleepMs(60);
  }
  // The cursor is solid for half a second after a key. A pause then keeps it
  // solid, and the bar as it is, for as long as the picture takes.
  SleepMs(250);
  keyrill.Command(kPauseTest);
  Pose(options, "run");
  keyrill.Command(kPauseTest);

  const std::string rest = " dozen liquor jugs.How vexingly quick daft zebras jump";
  for (char c : rest) keyrill.Char(static_cast<unsigned char>(c));
  keyrill.PostChar('!');
  if (HWND report = keyrill.WaitDialog("Report")) {
    SleepMs(500);
    Pose(options, "report");
    Click(GetDlgItem(report, kReportOk), "OK");
  }
  keyrill.Command(kExit);
  EXPECT_TRUE(keyrill.WaitExit(30000).has_value()) << "Exit ends the program";
}

}  // namespace e2e
