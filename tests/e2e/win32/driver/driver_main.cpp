// keyrill_e2e.exe: drives keyrill.exe from outside, as another Windows program
// would, and reports what did not behave. Test side; run under Wine by ctest.
//   keyrill_e2e.exe <case> <keyrill.exe> <empty work directory> [pose directory]
//   keyrill_e2e.exe installed <Start-menu shortcut> <work directory>
#include <cstdio>
#include <cstring>

#include "cases.h"
#include "e2e_support.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::printf("usage: keyrill_e2e <case> <keyrill.exe> <work directory> [pose directory]\n");
    return 2;
  }
  e2e::Options options;
  options.keyrillExe = e2e::ToWindowsPath(argv[2]);
  options.workRoot = e2e::ToWindowsPath(argv[3]);
  if (argc > 4) options.poseDirectory = e2e::ToWindowsPath(argv[4]);

  struct Case {
    const char* name;
    int (*run)(const e2e::Options&);
  };
  const Case cases[] = {
      {"resources", e2e::RunResourcesCase}, {"window", e2e::RunWindowCase},
      {"library", e2e::RunLibraryCase},     {"typing", e2e::RunTypingCase},
      {"fatal", e2e::RunFatalCase},         {"keyboard", e2e::RunKeyboardCase},
      {"screen", e2e::RunScreenCase},       {"poses", e2e::RunScreenshotPoses},
      {"installed", e2e::RunInstalledCase},
      {"cyrillic", e2e::RunCyrillicCase},
  };
  for (const Case& c : cases) {
    if (std::strcmp(c.name, argv[1]) == 0) return c.run(options);
  }
  std::printf("unknown case %s\n", argv[1]);
  return 2;
}
