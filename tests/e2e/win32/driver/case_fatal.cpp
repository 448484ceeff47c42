// A word too long for any line of the window: the "Error" box with its text, and
// after OK the process ends with status 1, the library untouched. Test side.
#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

TEST(KeyrillExe, fatal) {
  const Options& options = TheOptions();
  // 200 characters without a space, then more of the same line: no window line
  // holds that word.
  const std::string library = "\r\n~Long\r\n" + std::string(200, 'w') + " more";
  const std::string work = CaseDirectory("fatal", library);

  KeyrillProcess keyrill(options.keyrillExe, work);
  if (!keyrill.Started()) return;
  keyrill.ChooseTest("Long");
  keyrill.PostChar('\r');
  HWND box = keyrill.WaitDialog("Error");
  if (box != nullptr) {
    EXPECT_EQ(StaticTexts(box), "Word too large for the window.") << "the box's text";
    EXPECT_TRUE(GetWindow(box, GW_OWNER) == keyrill.Main()) << "the box belongs to the main window";
    EXPECT_TRUE(keyrill.Running()) << "the program waits for the box to be closed";
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  keyrill.ExpectExit(1, "closing the Error box");

  EXPECT_EQ(ReadFile(JoinPath(work, "tests.tst")), library) << "the library is untouched";
}

}  // namespace e2e
