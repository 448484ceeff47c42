// keyrill_e2e.exe: drives keyrill.exe from outside, as another Windows program
// would; each case is a GoogleTest test of the suite KeyrillExe. Test side; run
// under Wine by ctest.
//   keyrill_e2e.exe [GoogleTest flags] <case> <keyrill.exe> <empty work directory>
//                   [pose directory]
//   KEYRILL_DPI: the DPI the prefix was made at (96 when unset)
//   (installed: <keyrill.exe> is the Start-menu shortcut the installer made)
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cases.h"
#include "e2e_support.h"

namespace e2e {

Options& TheOptions() {
  static Options options;
  return options;
}

std::string CaseDirectory(const std::string& name, const std::string& library) {
  const std::string work = JoinPath(TheOptions().workRoot, name);
  EXPECT_TRUE(MakeFreshDirectory(work)) << "fresh working directory " << work;
  EXPECT_TRUE(WriteFile(JoinPath(work, "tests.tst"), library)) << "tests.tst written in " << work;
  return work;
}

}  // namespace e2e

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 4) {
    std::printf("usage: keyrill_e2e <case> <keyrill.exe> <work directory> [pose directory]\n");
    return 2;
  }
  // Sees the windows in the display's own pixels, as any DPI-aware program does
  // (an unaware one would be shown a 96-DPI picture of them).
  SetProcessDPIAware();
  e2e::Options& options = e2e::TheOptions();
  if (const char* dpi = std::getenv("KEYRILL_DPI")) options.dpi = std::atoi(dpi);
  if (options.dpi <= 0) options.dpi = 96;
  options.keyrillExe = e2e::ToWindowsPath(argv[2]);
  options.workRoot = e2e::ToWindowsPath(argv[3]);
  if (argc > 4) options.poseDirectory = e2e::ToWindowsPath(argv[4]);
  // One case a run: each starts keyrill.exe on a quiet prefix of its own.
  GTEST_FLAG_SET(filter, std::string("KeyrillExe.") + argv[1]);
  const int status = RUN_ALL_TESTS();
  if (testing::UnitTest::GetInstance()->test_to_run_count() != 1) {
    std::printf("unknown case %s\n", argv[1]);
    return 2;
  }
  return status;
}
