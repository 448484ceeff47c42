// The end-to-end cases of keyrill.exe; each returns the process exit status.
// Test side.
#pragma once

#include <string>

namespace e2e {

struct Options {
  std::string keyrillExe;     // Windows path
  std::string workRoot;       // Windows path of an empty directory for this case
  std::string poseDirectory;  // screenshots only: where the pose markers go
};

int RunResourcesCase(const Options& options);
int RunWindowCase(const Options& options);
int RunLibraryCase(const Options& options);
int RunTypingCase(const Options& options);
int RunFatalCase(const Options& options);
int RunKeyboardCase(const Options& options);
int RunScreenCase(const Options& options);
int RunScreenshotPoses(const Options& options);
// keyrillExe is the Start-menu shortcut the installer made, not the program.
int RunInstalledCase(const Options& options);
int RunCyrillicCase(const Options& options);

}  // namespace e2e
